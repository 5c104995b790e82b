#pragma once
// Google Earth (KML 2.2) files as lists of point placemarks. ReadKml and WriteKml are declared in
// formats/format_dispatch.h; this adds what the Google Earth view needs.
#include <vector>

#include "formats/file_io.h"

namespace wayloom {

// The rows the Google Earth view shows: the selected rows when any row is selected, otherwise every
// row except row 0 while the base row is inserted.
std::vector<int> GoogleEarthRows(const Session& session);

// Writes context.rows with numbered names: "#3 Madrid" for a destination, "#4' Toledo" for a
// waypoint, counting the placemarks written. `count` receives their number.
FileResult WriteNumberedKml(WriteContext& context, int& count);

}  // namespace wayloom
