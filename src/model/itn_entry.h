#pragma once
// One itinerary entry and its mark.
#include <cstdint>
#include <string>

namespace wayloom {

// The mark is a two-bit value; the same digit is stored in ITN and delimited-text files.
using ItnMark = int;
inline constexpr ItnMark DestinationBit = 2;
inline constexpr ItnMark VisitedBit = 1;
inline constexpr ItnMark MarkWaypoint = 0;
inline constexpr ItnMark MarkWaypointVisited = 1;
inline constexpr ItnMark MarkDestination = 2;
inline constexpr ItnMark MarkDestinationVisited = 3;

struct ItnEntry {
    std::u16string name;
    std::u16string lng;  // display form, or empty
    std::u16string lat;  // display form, or empty
    ItnMark mark = MarkDestination;
};

// A coordinate as a signed count of 1e-5 degree.
using ScaledCoordinate = std::int32_t;
inline constexpr ScaledCoordinate MaxScaledLng = 18000000;
inline constexpr ScaledCoordinate MaxScaledLat = 9000000;

}  // namespace wayloom
