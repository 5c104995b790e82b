#include "formats/file_io.h"

#include <algorithm>
#include <limits>
#include <new>

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
    RowItem& item = context.item_;
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

void ReadContext::Advance(std::uint64_t total, std::uint64_t done) {
    progress.Report(total, done);
    if (reserved_ || done == 0 || done < total / 16) return;
    reserved_ = true;
    // The rows read so far scaled to the whole input, and an eighth more for uneven entries. Room
    // that stays unused is never touched, so it costs no memory; without room the table still grows.
    WorkTable& table = session.table;
    const double expected = static_cast<double>(table.rowCount() - firstRow_) * total / done * 9 / 8;
    try {
        table.reserve(static_cast<int>(std::min<double>(firstRow_ + expected, std::numeric_limits<int>::max())));
    } catch (const std::bad_alloc&) {
    }
}

bool BufferedOutput::flush() {
    if (buffer_.empty()) return true;
    const bool written = sink_.write(buffer_);
    buffer_.clear();
    return written;
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
    std::u16string text;
    PlainCoordinate(session, row, column, text);
    return text;
}

std::u16string_view PlainCoordinate(const Session& session, int row, int column, std::u16string& buffer) {
    CellText::Scratch scratch;
    buffer = session.table.cell(row, column).view(scratch);
    if (!buffer.empty()) ToPlainDecimal(buffer, session.display());
    return buffer;
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
