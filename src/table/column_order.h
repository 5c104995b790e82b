#pragma once
// The display order of the table's columns and the header commands that change how they show.
#include <array>

#include "app/session.h"

namespace wayloom {

// Logical column numbers in display order: Orden, Distancia, Nombre, then Lng and Lat in the order
// the "Lng First" option asks for.
std::array<int, ColumnCount> ColumnOrder(bool lngFirst);

// 1203: toggles "Lng First", re-orders the view and tells the map page (command 4 on, 5 off).
void ToggleLngFirst(Session& session);

}  // namespace wayloom
