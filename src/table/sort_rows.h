#pragma once
#include <string_view>
#include <vector>

#include "app/session.h"

namespace wayloom {

enum class SortMode { Command = 0, Undo = 2, Redo = 3 };

// Sorts by a column (0 name, 1 Lng, 2 Lat, 4 Distancia). A command records a sort step and clears
// every visited mark (the record keeps them); redo sorts again without recording; undo puts the
// rows back where `undoPairs` says and gives them their old marks.
void SortRows(Session& session, int column, bool ascending, SortMode mode,
              const std::vector<SortPair>* undoPairs = nullptr);

// Names in natural order: letters without regard to case or accents, digit runs by value
// ("ITN 2" before "ITN 10"); names equal that way fall back to plain character order.
int CompareNamesNaturally(std::u16string_view a, std::u16string_view b);

}  // namespace wayloom
