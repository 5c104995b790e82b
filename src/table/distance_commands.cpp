#include "table/distance_commands.h"

#include "app/string_table.h"
#include "model/base_point.h"
#include "table/table_helpers.h"
#include "table/table_wrappers.h"

namespace wayloom {

namespace {

RecordContext Context(Session& session) { return {session.modified, session.baseRow, session.baseRowInserted}; }

// The automatic base entry is not part of the itinerary: removing it leaves `modified` alone.
void DeleteAutomaticBaseEntry(Session& session) {
    DeleteRow(session, 0);
    session.baseRowInserted = false;
    RenumberOrder(session, true);
    session.mapPage->refresh();
}

void FitAllWithStatus(Session& session) {
    session.ui->showStatus(Text(TextId::StatusFitColumns));
    session.view->fitColumnWidths(AllColumns, false, true);
    session.statusReset = 1;
}

}  // namespace

bool CanChooseBaseRow(const Session& session) {
    const WorkTable& table = session.table;
    if (!session.showDistance() || table.selectedCount() != 1) return false;
    const int row = table.nextSelected();
    return table.hasBothCoordinates(row) && !(row == 0 && session.baseRowInserted);
}

void ChooseBaseRow(Session& session) {
    if (!CanChooseBaseRow(session)) return;
    session.journal.BeginStep();
    if (session.baseRowInserted) DeleteAutomaticBaseEntry(session);
    const int row = session.table.nextSelected();
    const int oldBase = session.baseRow;
    if (UndoRecord* record = session.journal.AddRecord(oldBase, RecordKind::BaseChange, Context(session)))
        record->modifiedBefore = row;
    SetBaseRow(session, row);
    FitAllWithStatus(session);
}

void ToggleShowDistance(Session& session) {
    WorkTable& table = session.table;
    const int baseBefore = session.baseRow;
    session.journal.BeginStep();
    if (session.showDistance()) {
        session.options.set(Option::ShowDistance, false);
        if (session.baseRowInserted) DeleteAutomaticBaseEntry(session);
        session.baseRow = -1;
        if (table.selectedCount() == 0 && table.rowCount() > 0) {
            table.setSelected(0, true);
            table.setFocused(0, true);
        }
        if (!session.backgroundInUse) session.view->repaint();
    } else {
        session.options.set(Option::ShowDistance, true);
        SetBaseRow(session, 0);
    }
    if (UndoRecord* record = session.journal.AddRecord(baseBefore, RecordKind::DistanceToggle, Context(session)))
        record->modifiedBefore = session.baseRow;
    session.ui->showStatus(Text(TextId::StatusFitColumns));
    session.view->fitColumnWidths(ColumnDistancia, true, true);
    session.statusReset = 1;
}

void ToggleMetricUnit(Session& session) {
    const bool metric = !session.metric();
    session.options.set(Option::MetricUnit, metric);
    SetBaseRow(session, -1, true);
    session.mapPage->sendCommand(metric ? 10 : 11);
}

void SetAdjacentDistance(Session& session, bool adjacent) {
    if (!session.showDistance() || session.adjacentDistance == (adjacent ? 1 : 0)) return;
    session.adjacentDistance = adjacent ? 1 : 0;
    if (session.baseRow >= 0) RecomputeDistances(session, -1, true);
}

}  // namespace wayloom
