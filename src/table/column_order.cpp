#include "table/column_order.h"

namespace wayloom {

std::array<int, ColumnCount> ColumnOrder(bool lngFirst) {
    if (lngFirst) return {ColumnOrden, ColumnDistancia, ColumnName, ColumnLng, ColumnLat};
    return {ColumnOrden, ColumnDistancia, ColumnName, ColumnLat, ColumnLng};
}

void ToggleLngFirst(Session& session) {
    const bool lngFirst = !session.options[Option::LngFirst];
    session.options.set(Option::LngFirst, lngFirst);
    session.view->applyColumnOrder();
    session.mapPage->sendCommand(lngFirst ? 4 : 5);
}

}  // namespace wayloom
