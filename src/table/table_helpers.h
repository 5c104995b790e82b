#pragma once
// Small helpers on the work table shared by many commands.
#include "app/session.h"

namespace wayloom {

// Rewrites every Orden cell whose text differs from its order number (rows with both coordinates
// are numbered 1, 2, ...); with `fit` the Orden column is fitted (unforced).
void RenumberOrder(Session& session, bool fit = false);

// The first row whose item data is the base marker, or -1.
int FindBaseRow(const WorkTable& table);

// After two rows exchanged their contents: the check-results window keeps pointing at the entries.
void SwapRowIdentities(Session& session, int rowA, int rowB);

// Nothing for -1 or an empty table; a row past the end means the last row.
void EnsureRowVisible(Session& session, int row);

enum class RowTextColour { Normal, Base, MissingCoordinate };
// Blue on the base row while distances are shown, red when a coordinate is missing.
RowTextColour RowTextColourOf(const Session& session, int row);

}  // namespace wayloom
