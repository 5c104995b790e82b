#pragma once
// Commands of the Distancia column: choose the base entry, show or hide the column, units, mode.
#include "app/session.h"

namespace wayloom {

// 1041: enabled with distances shown and exactly one selected row that has both coordinates and
// is not the automatic base entry.
bool CanChooseBaseRow(const Session& session);
void ChooseBaseRow(Session& session);

// 1209: shows or hides the Distancia column; recorded so that undo restores the base row.
void ToggleShowDistance(Session& session);

// 1210: metric or imperial texts; not recorded.
void ToggleMetricUnit(Session& session);

// 1211 (adjacent) and 1212 (from the base point); not recorded.
void SetAdjacentDistance(Session& session, bool adjacent);

}  // namespace wayloom
