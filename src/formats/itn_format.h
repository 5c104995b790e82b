#pragma once
// The ITN itinerary file: "LON|LAT|NAME|MARK" CR LF per entry, coordinates as ScaledCoordinate
// digits, names one byte per character (ISO 8859-1) or, after a leading EF BB BF, UTF-8.
// ReadItn and WriteItn are declared in formats/format_dispatch.h.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/session.h"

namespace wayloom {

// What an empty coordinate cell is written as; no reader accepts it (it lies beyond +-18 000 000).
inline constexpr std::string_view EmptyCoordinateMark = "18012345";

// The device uses only this many entries of an itinerary.
inline constexpr int ItnDeviceLimit = 48;
// True when saving the table as ITN should ask first: more rows than the device uses, not counting
// the automatically inserted base row. Export counts the whole table too.
bool ExceedsItnDeviceLimit(const Session& session);

// One 16-bit code of a PackedWideName line (">>" followed by the name as 16-bit little-endian codes)
// as the UTF-16 character it stands for.
char16_t UnpackWideCode(std::uint16_t code);
// The name carried by a PackedWideName line's codes: every code up to the first whose low byte is 0.
std::u16string PackedWideName(std::string_view codes);

}  // namespace wayloom
