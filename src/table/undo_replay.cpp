#include "table/undo_replay.h"

#include "app/string_table.h"
#include "model/base_point.h"
#include "model/coordinate_text.h"
#include "table/move_row.h"
#include "table/sort_rows.h"
#include "table/table_helpers.h"

namespace wayloom {

namespace {

// Coordinates come back in the display form of now: the options may have changed since.
std::u16string InCurrentForm(const Session& session, int column, std::u16string text) {
    if ((column != ColumnLng && column != ColumnLat) || text.empty()) return text;
    const double degrees = ReadCoordinateText(text);
    return FormatCoordinate(column == ColumnLng ? CoordinateKind::Lng : CoordinateKind::Lat, degrees, session.display());
}

// A "%.5f" text is already in the plain decimal form; only other texts need rewriting.
bool IsFiveDecimalText(std::u16string_view text) {
    const std::size_t point = text.find(u'.');
    if (point == std::u16string_view::npos || text.size() - point != 6 || point == 0) return false;
    for (std::size_t i = text[0] == u'-' ? 1 : 0; i < text.size(); ++i)
        if (i != point && (text[i] < u'0' || text[i] > u'9')) return false;
    return true;
}

CellText CoordinateInCurrentForm(const Session& session, int column, const CellText& cell) {
    CellText::Scratch scratch;
    const std::u16string_view text = cell.view(scratch);
    const CoordinateDisplay display = session.display();
    if (text.empty() || (!display.dms && !display.compass && IsFiveDecimalText(text))) return cell;
    return CellText(InCurrentForm(session, column, std::u16string(text)));
}

void SelectAndFocus(WorkTable& table, int row) {
    table.setSelected(row, true);
    table.setFocused(row, true);
}

void MarkModifiedUnlessAutomaticBase(Session& session, int row) {
    if (!(row == 0 && session.baseRowInserted)) session.modified = 1;
}

void SwapText(Session& session, UndoRecord& record) {
    WorkTable& table = session.table;
    const int row = record.row;
    const std::u16string restored = InCurrentForm(session, record.column, record.texts[0].str());
    record.texts[0] = table.cell(row, record.column);
    table.setText(row, record.column, restored);
    session.checkResults->cellChanged(table.rowId(row), record.column, restored);
    SelectAndFocus(table, row);
    if (record.detail != BaseFlagNone) session.baseRow = row;
}

// Re-inserts a deleted row (undo of a delete, redo of an insert).
void Reinsert(Session& session, const UndoRecord& record) {
    if (record.texts)
        session.table.insert(record.row, record.texts[0], CoordinateInCurrentForm(session, ColumnLng, record.texts[1]),
                             CoordinateInCurrentForm(session, ColumnLat, record.texts[2]), record.mark, true, true);
    else
        session.table.insert(record.row, CellText(), CellText(), CellText(), record.mark, true, true);
    if (record.detail != BaseFlagNone) {
        session.baseRow = record.row;
        if (record.detail == BaseFlagAutomaticBase) session.baseRowInserted = true;
    } else if (session.baseRow >= record.row) {
        ++session.baseRow;
    }
}

void RemoveRow(Session& session, int row) {
    session.checkResults->rowRemoved(session.table.rowId(row));
    session.table.remove(row);
}

void CaptureTexts(UndoRecord& record, const WorkTable& table) {
    if (record.texts) return;
    record.texts = std::make_unique<CellText[]>(3);
    for (int column = ColumnName; column <= ColumnLat; ++column) record.texts[column] = table.cell(record.row, column);
}

void SelectAlone(WorkTable& table, int row) {
    table.selectAll(false);
    SelectAndFocus(table, row);
}

// Turns the distance column on or off as command 1209 does, for its replay.
void SetDistanceShown(Session& session, bool shown, int baseRowWhenShown) {
    session.options.set(Option::ShowDistance, shown);
    if (shown) {
        SetBaseRow(session, baseRowWhenShown);
    } else {
        session.baseRow = -1;
        RenumberOrder(session, true);
        if (!session.backgroundInUse) session.view->repaint();
    }
    session.view->fitColumnWidths(ColumnDistancia, true, false);
}

void RefreshDerivedColumns(Session& session, int baseRow) {
    RenumberOrder(session);
    SetBaseRow(session, baseRow);
    session.view->fitColumnWidths(AllColumns, false, false);
}

bool StartsWithRowChange(RecordKind kind) { return kind == RecordKind::Insert || kind == RecordKind::Delete; }

}  // namespace

void Undo(Session& session) {
    UndoJournal& journal = session.journal;
    const int current = journal.current();
    if (current < 0) return;
    std::vector<UndoRecord>& records = journal.step(current);
    WorkTable& table = session.table;
    if (StartsWithRowChange(records.back().kind)) session.view->setRedraw(false);

    journal.state = UndoJournal::Replaying;
    bool restoredMark = false;
    bool replayedTextOrBase = false;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        UndoRecord& record = *it;
        switch (record.kind) {
        case RecordKind::TextChange:
            SwapText(session, record);
            replayedTextOrBase = true;
            break;
        case RecordKind::MarkChange:
            table.setMark(record.row, record.mark);
            SelectAndFocus(table, record.row);
            restoredMark = true;
            break;
        case RecordKind::Insert:
            CaptureTexts(record, table);
            RemoveRow(session, record.row);
            if (record.detail == BaseFlagAutomaticBase) session.baseRowInserted = false;
            break;
        case RecordKind::Delete:
            Reinsert(session, record);
            break;
        case RecordKind::MoveUp:
        case RecordKind::MoveDown: {
            const bool wasUp = record.kind == RecordKind::MoveUp;
            SelectAlone(table, record.row);
            MoveRow(session, !wasUp, true);
            record.row += wasUp ? 1 : -1;
            break;
        }
        case RecordKind::Sort:
            SortRows(session, record.detail, record.ascending, SortMode::Undo, record.pairs.get());
            break;
        case RecordKind::BaseChange:
            session.baseRow = record.row;
            if (record.row == -1)
                RecomputeDistances(session, -1);
            else
                SelectAndFocus(table, record.row);
            replayedTextOrBase = true;
            break;
        case RecordKind::DistanceToggle:
            SetDistanceShown(session, !session.showDistance(), record.row);
            break;
        }
    }
    journal.setCurrent(current - 1);
    journal.state = UndoJournal::NewStep;

    const UndoRecord& first = records.front();
    switch (first.kind) {
    case RecordKind::Insert:
        if (restoredMark) table.selectAll(false);
        session.baseRow = first.baseRowBefore;
        [[fallthrough]];
    case RecordKind::TextChange:
    case RecordKind::MarkChange:
    case RecordKind::Delete:
        session.modified = first.modifiedBefore;
        [[fallthrough]];
    case RecordKind::BaseChange:
        EnsureRowVisible(session, first.kind == RecordKind::BaseChange ? session.baseRow : first.row);
        if (!(first.kind == RecordKind::MarkChange && !replayedTextOrBase)) RefreshDerivedColumns(session, session.baseRow);
        break;
    case RecordKind::MoveUp:
    case RecordKind::MoveDown:
    case RecordKind::Sort:
        session.modified = first.modifiedBefore;
        break;
    case RecordKind::DistanceToggle:
        break;
    }
}

void Redo(Session& session) {
    UndoJournal& journal = session.journal;
    if (!journal.CanRedo()) return;
    const int current = journal.current() + 1;
    journal.setCurrent(current);
    std::vector<UndoRecord>& records = journal.step(current);
    WorkTable& table = session.table;
    if (StartsWithRowChange(records.front().kind)) session.view->setRedraw(false);

    journal.state = UndoJournal::Replaying;
    bool replayedInsert = false;
    for (UndoRecord& record : records) {
        switch (record.kind) {
        case RecordKind::TextChange:
            SwapText(session, record);
            MarkModifiedUnlessAutomaticBase(session, record.row);
            break;
        case RecordKind::MarkChange:
            table.setMark(record.row, record.detail);
            SelectAndFocus(table, record.row);
            MarkModifiedUnlessAutomaticBase(session, record.row);
            break;
        case RecordKind::Insert:
            Reinsert(session, record);
            MarkModifiedUnlessAutomaticBase(session, record.row);
            replayedInsert = true;
            break;
        case RecordKind::Delete:
            if (record.row == 0 && record.detail == BaseFlagAutomaticBase)
                session.baseRowInserted = false;
            else
                session.modified = 1;
            RemoveRow(session, record.row);
            break;
        case RecordKind::MoveUp:
        case RecordKind::MoveDown: {
            const bool up = record.kind == RecordKind::MoveUp;
            SelectAlone(table, record.row);
            MoveRow(session, up, true);
            record.row += up ? -1 : 1;
            break;
        }
        case RecordKind::Sort:
            SortRows(session, record.detail, record.ascending, SortMode::Redo);
            break;
        case RecordKind::BaseChange:
            if (record.modifiedBefore >= 0) SelectAndFocus(table, record.modifiedBefore);
            break;
        case RecordKind::DistanceToggle:
            SetDistanceShown(session, !session.showDistance(), record.modifiedBefore);
            break;
        }
    }
    journal.state = UndoJournal::NewStep;

    const UndoRecord& newest = records.back();
    int baseRow = session.baseRow;
    switch (newest.kind) {
    case RecordKind::MarkChange:
        if (!replayedInsert) return;
        [[fallthrough]];
    case RecordKind::TextChange:
    case RecordKind::Insert:
        EnsureRowVisible(session, records.front().row);
        break;
    case RecordKind::Delete:
        baseRow = -1;
        break;
    case RecordKind::BaseChange:
        baseRow = newest.modifiedBefore;
        EnsureRowVisible(session, baseRow);
        break;
    default:
        return;
    }
    RefreshDerivedColumns(session, baseRow);
}

namespace {

void ReplayCommand(Session& session, TextId status, void (*replay)(Session&)) {
    session.ui->showStatus(Text(status));
    session.table.selectAll(false);
    session.table.setFocused(session.table.focusedRow(), false);
    replay(session);
    session.view->setRedraw(true);
    session.mapPage->refresh();
    session.titleDirty = 1;
    session.statusReset = 1;
}

}  // namespace

void UndoCommand(Session& session) { ReplayCommand(session, TextId::StatusUndo, Undo); }
void RedoCommand(Session& session) { ReplayCommand(session, TextId::StatusRedo, Redo); }

}  // namespace wayloom
