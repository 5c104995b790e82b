#include "table/visited_marks.h"

#include "table/table_wrappers.h"

namespace wayloom {

void PropagateVisited(Session& session, int row) {
    WorkTable& table = session.table;
    const ItnMark visited = table.mark(row) & VisitedBit;
    const int step = visited ? -1 : 1;
    for (int i = row + step; i >= 0 && i < table.rowCount(); i += step) {
        const ItnMark mark = table.mark(i);
        if ((mark & VisitedBit) == visited) break;
        RowItemChange change;
        change.row = i;
        change.mark = (mark & DestinationBit) | visited;
        SetRowItem(session, change);
        session.modified = 1;
    }
}

}  // namespace wayloom
