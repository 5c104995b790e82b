#include "table/table_helpers.h"

#include <algorithm>

#include "app/string_table.h"

namespace wayloom {

void RenumberOrder(Session& session, bool fit) {
    WorkTable& table = session.table;
    long long counter = 1;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.hasBothCoordinates(row)) {
            const std::u16string expected = NumberText(counter++);
            if (!table.cell(row, ColumnOrden).equals(expected)) table.setText(row, ColumnOrden, expected);
        } else if (!table.isCellEmpty(row, ColumnOrden)) {
            table.setText(row, ColumnOrden, u"");
        }
    }
    if (fit) session.view->fitColumnWidths(ColumnOrden, false, false);
}

int FindBaseRow(const WorkTable& table) {
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.itemData(row) == BaseMarker) return row;
    return -1;
}

void SwapRowIdentities(Session& session, int rowA, int rowB) {
    session.checkResults->swapIdentities(session.table.rowId(rowA), session.table.rowId(rowB));
}

void EnsureRowVisible(Session& session, int row) {
    const int count = session.table.rowCount();
    if (row == -1 || count == 0) return;
    session.view->ensureRowVisible(std::min(row, count - 1));
}

RowTextColour RowTextColourOf(const Session& session, int row) {
    if (session.showDistance() && row == session.baseRow) return RowTextColour::Base;
    if (!session.table.hasBothCoordinates(row)) return RowTextColour::MissingCoordinate;
    return RowTextColour::Normal;
}

}  // namespace wayloom
