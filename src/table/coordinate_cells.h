#pragma once
// Writing coordinates into the table's Lng and Lat cells.
#include <string_view>

#include "app/session.h"
#include "model/coordinate_text.h"

namespace wayloom {

// Stores a plain numeric text (degrees) in the display form into column 1 (Lng) or 2 (Lat) of a
// row through the recorded SetCellText. A missing, non-numeric or out-of-range text empties the
// cell when allowEmpty is set and leaves it alone otherwise. A leading number counts whatever
// follows it ("12abc" stores 12); zero must be a plain number ("0", "-0.0", not "abc").
void SetCoordinateCell(Session& session, std::u16string_view numericText, int row, CoordinateKind kind,
                       bool allowEmpty);
// The display form SetCoordinateCell stores for a numeric text, in `text`; false, with `text` left
// alone, when the text gives no coordinate. `numericText` may view `text`.
bool CoordinateCellText(std::u16string_view numericText, CoordinateKind kind, const CoordinateDisplay& display,
                        std::u16string& text);

// Flips "DMS Format" (toggleDms) or "Compass Direction", tells the map page, and rewrites every
// coordinate cell in the new display form. A display rewrite: not recorded, not a modification.
void ReformatAllCoordinates(Session& session, bool toggleDms);

}  // namespace wayloom
