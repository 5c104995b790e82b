#include "model/base_point.h"

#include "model/coordinate_text.h"
#include "table/table_helpers.h"

namespace wayloom {

namespace {

struct RowPoint {
    bool present = false;
    PointTrig trig;
};

RowPoint ReadRowPoint(const Session& session, int row) {
    const WorkTable& table = session.table;
    if (!table.hasBothCoordinates(row)) return {};
    const CoordinateDisplay display = session.display();
    CellText::Scratch lng, lat;
    return {true, MakePointTrig(ReadDisplayedCoordinate(table.cell(row, ColumnLng).view(lng), display),
                                ReadDisplayedCoordinate(table.cell(row, ColumnLat).view(lat), display))};
}

void RecomputeRow(Session& session, int row, const RowPoint& point, const RowPoint& above) {
    WorkTable& table = session.table;
    if (row == session.baseRow) {
        table.setItemData(row, BaseMarker);
        table.setText(row, ColumnDistancia, u"");
        return;
    }
    std::int32_t distance = NoDistance;
    if (session.baseRow >= 0 && point.present) distance = DistanceMetres(session.base, point.trig);
    table.setItemData(row, distance);
    std::u16string text;
    if (distance != NoDistance) {
        if (!session.adjacentDistance)
            text = FormatDistance(distance, session.metric());
        else if (row > 0 && above.present)
            text = FormatDistance(DistanceMetres(above.trig, point.trig), session.metric());
    }
    table.setText(row, ColumnDistancia, text);
}

}  // namespace

std::int32_t ComputeDistance(const Session& session, int rowA, int rowB) {
    const RowPoint a = ReadRowPoint(session, rowA);
    const RowPoint b = ReadRowPoint(session, rowB);
    if (!a.present || !b.present) return NoDistance;
    return DistanceMetres(b.trig, a.trig);
}

void SetBaseRow(Session& session, int row, bool fit) {
    if (!session.showDistance() || row >= session.table.rowCount()) return;
    session.baseRow = -1;
    if (row < 0) row = FindBaseRow(session.table);
    if (row >= 0) {
        const RowPoint point = ReadRowPoint(session, row);
        if (point.present) {
            session.base = point.trig;
            session.baseRow = row;
        }
    }
    RecomputeDistances(session, -1, fit);
}

void RecomputeDistances(Session& session, int row, bool fit) {
    const int count = session.table.rowCount();
    if (count == 0 || row >= count) return;
    if (row >= 0) {
        const bool needAbove = session.adjacentDistance && row > 0;
        RecomputeRow(session, row, ReadRowPoint(session, row), needAbove ? ReadRowPoint(session, row - 1) : RowPoint{});
    } else {
        // One pass, each row's point read once and handed on as the next row's "above".
        RowPoint above;
        for (int i = 0; i < count; ++i) {
            const RowPoint point = ReadRowPoint(session, i);
            RecomputeRow(session, i, point, above);
            above = point;
        }
    }
    if (fit) session.view->fitColumnWidths(ColumnDistancia, false, false);
}

void UpdateDistancesAfterEdit(Session& session, int row, bool fit) {
    if (row == session.baseRow) {
        SetBaseRow(session, row, fit);
        return;
    }
    RecomputeDistances(session, row, fit);
    if (session.adjacentDistance) RecomputeDistances(session, row + 1, fit);
}

}  // namespace wayloom
