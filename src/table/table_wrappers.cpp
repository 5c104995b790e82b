#include "table/table_wrappers.h"

#include <algorithm>

namespace wayloom {

namespace {

RecordContext Context(Session& session) {
    return RecordContext{session.modified, session.baseRow, session.baseRowInserted};
}

void RecordTextChange(Session& session, int row, int column) {
    if (UndoRecord* record = session.journal.AddRecord(row, RecordKind::TextChange, Context(session))) {
        record->column = column;
        record->texts = std::make_unique<CellText[]>(1);
        record->texts[0] = session.table.cell(row, column);
    }
}

}  // namespace

int InsertRow(Session& session, const RowItem& item) {
    const int row = std::clamp(item.row, 0, session.table.rowCount());
    if (UndoRecord* record = session.journal.AddRecord(row, RecordKind::Insert, Context(session))) {
        record->mark = item.mark;
        record->baseRowBefore = session.baseRow;
    }
    return session.table.insert(item);
}

void DeleteRow(Session& session, int row) {
    WorkTable& table = session.table;
    if (!table.isValidRow(row)) return;
    if (UndoRecord* record = session.journal.AddRecord(row, RecordKind::Delete, Context(session))) {
        record->mark = table.mark(row);
        record->texts = std::make_unique<CellText[]>(3);
        for (int column = ColumnName; column <= ColumnLat; ++column) record->texts[column] = table.cell(row, column);
    }
    session.checkResults->rowRemoved(table.rowId(row));
    table.remove(row);
}

void SetRowItem(Session& session, const RowItemChange& change) {
    WorkTable& table = session.table;
    if (UndoRecord* record = session.journal.AddRecord(change.row, RecordKind::MarkChange, Context(session))) {
        record->detail = change.mark;
        record->mark = table.mark(change.row);
    }
    if (change.column >= 0) {
        RecordTextChange(session, change.row, change.column);
        table.setText(change.row, change.column, change.text);
        session.checkResults->cellChanged(table.rowId(change.row), change.column, change.text);
    }
    table.setMark(change.row, change.mark);
    if (change.selected) table.setSelected(change.row, *change.selected);
    if (change.focused) table.setFocused(change.row, *change.focused);
}

void SetCellText(Session& session, int row, int column, std::u16string_view text) {
    UndoJournal& journal = session.journal;
    const UndoRecord* newest = journal.newestRecord();
    if (journal.state == UndoJournal::NewStep ||
        (journal.state == UndoJournal::Recording && newest && newest->kind == RecordKind::TextChange))
        RecordTextChange(session, row, column);
    session.table.setText(row, column, text);
    session.checkResults->cellChanged(session.table.rowId(row), column, text);
}

}  // namespace wayloom
