#include "formats/file_io.h"

#include "model/entry_name.h"
#include "table/table_wrappers.h"

namespace wayloom {

using namespace std::string_view_literals;

bool AcceptName(ReadContext& context, std::u16string& name) {
    if (CleanEntryName(name) == 0) return false;
    return !(context.session.options[Option::CheckName] && DuplicateNameCheck(context, name));
}

bool DuplicateNameCheck(ReadContext& context, std::u16string_view name) {
    if (context.duplicateAnswer == DuplicateAnswer::KeepAll) return false;
    if (!context.namesBuilt_) {
        const WorkTable& table = context.session.table;
        context.names_.reserve(static_cast<std::size_t>(table.rowCount()));
        for (int row = 0; row < table.rowCount(); ++row) context.names_.insert(table.text(row, ColumnName));
        context.namesBuilt_ = true;
    }
    if (!context.names_.contains(std::u16string(name))) return false;
    if (context.duplicateAnswer != DuplicateAnswer::DropAll) {
        context.duplicateAnswer = context.ui.askDuplicateName(name);
        if (context.duplicateAnswer != DuplicateAnswer::Drop && context.duplicateAnswer != DuplicateAnswer::DropAll)
            return false;
    }
    ++context.duplicatesDropped;
    return true;
}

int AppendEntry(ReadContext& context, std::u16string_view name, ItnMark mark, std::u16string_view lng,
                std::u16string_view lat) {
    RowItem item;
    item.row = context.session.table.rowCount();
    item.name = name;
    item.lng = lng;
    item.lat = lat;
    item.mark = mark;
    item.selected = context.importing;
    item.focused = context.importing;
    if (context.namesBuilt_) context.names_.insert(item.name);
    return InsertRow(context.session, item);
}

std::vector<int> RowsToWrite(const Session& session, bool exporting) {
    const WorkTable& table = session.table;
    std::vector<int> rows;
    if (exporting) {
        rows.reserve(static_cast<std::size_t>(table.selectedCount()));
        for (int row = table.nextSelected(-1); row >= 0; row = table.nextSelected(row)) rows.push_back(row);
        return rows;
    }
    const int first = session.baseRowInserted ? 1 : 0;
    rows.reserve(static_cast<std::size_t>(std::max(0, table.rowCount() - first)));
    for (int row = first; row < table.rowCount(); ++row) rows.push_back(row);
    return rows;
}

std::u16string PlainCoordinate(const Session& session, int row, int column) {
    std::u16string text = session.table.text(row, column);
    if (!text.empty()) ToPlainDecimal(text, session.display());
    return text;
}

std::string_view ReadGuard(FileKind kind) {
    switch (kind) {
    case FileKind::Itn: return "\0\r\n||||\r\n\0"sv;
    case FileKind::Kml:
    case FileKind::Gpx: return "\0\0"sv;
    case FileKind::Favorites:
    case FileKind::Gpi: return {};
    case FileKind::Csv:
    case FileKind::Asc:
    case FileKind::Poi: return "\n\0"sv;
    case FileKind::Txt: return "\r\0"sv;
    default: return TextGroupOf(kind) == FileKind::TxtAnsi ? "\r\0"sv : "\n\0"sv;
    }
}

}  // namespace wayloom
