#include "table/move_row.h"

#include <algorithm>

#include "model/base_point.h"
#include "table/table_helpers.h"
#include "table/visited_marks.h"

namespace wayloom {

void MoveRow(Session& session, bool up, bool replaying) {
    WorkTable& table = session.table;
    const int a = table.nextSelected();
    const int t = up ? a - 1 : a + 1;
    if (a < 0 || !table.isValidRow(t)) return;
    if (!replaying) {
        session.journal.BeginStep();
        session.journal.AddRecord(t, up ? RecordKind::MoveUp : RecordKind::MoveDown,
                                  {session.modified, session.baseRow, session.baseRowInserted});
    }
    for (int column = ColumnName; column <= ColumnLat; ++column) {
        std::u16string textA = table.text(a, column);
        table.setText(a, column, table.text(t, column));
        table.setText(t, column, textA);
    }
    const ItnMark markA = table.mark(a);
    table.setMark(a, table.mark(t));
    table.setMark(t, markA);
    table.setSelected(a, false);
    table.setSelected(t, true);
    table.setFocused(t, true);
    PropagateVisited(session, t);
    RenumberOrder(session, true);
    if (session.baseRow >= 0) {
        if (session.baseRow == a)
            session.baseRow = t;
        else if (session.baseRow == t)
            session.baseRow = a;
        RecomputeDistances(session, a);
        RecomputeDistances(session, t);
        RecomputeDistances(session, up ? a + 1 : a + 2);
    }
    EnsureRowVisible(session, up ? std::max(0, a - 3) : std::min(a + 3, table.rowCount() - 1));
    SwapRowIdentities(session, a, t);
    if (!replaying) session.mapPage->refresh();
    session.modified = 1;
}

}  // namespace wayloom
