// Garmin point-of-interest files (.gpi), read only: the header is checked, then the file is scanned
// for waypoint records, taking each one's English name and its position.
#include <cstdint>

#include "formats/format_dispatch.h"
#include "formats/text_codec.h"

namespace wayloom {

namespace {

using std::string_view;
using namespace std::string_view_literals;

constexpr std::size_t MinimumSize = 71;
constexpr std::size_t TrailerSize = 32;                    // a record must end before the file's last 32 bytes
constexpr string_view RecordStart = "\x02\x00\x08\x00"sv;  // type 2 (waypoint) with flags 8
constexpr double UnitsPerDegree = 11930464.711111112;      // 2^32 / 360

// Little-endian fields; callers keep every offset inside the data.
std::uint32_t Field16(string_view data, std::size_t at) {
    return static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8;
}
std::uint32_t Field32(string_view data, std::size_t at) { return Field16(data, at) | Field16(data, at + 2) << 16; }

bool IsEnglish(string_view data, std::size_t at) { return data.compare(at, 2, "EN") == 0; }

// The cell text of a position field, empty when it lies outside the kind's range.
std::u16string PositionText(std::uint32_t field, CoordinateKind kind, const CoordinateDisplay& display) {
    const double degrees = static_cast<std::int32_t>(field) / UnitsPerDegree;
    const auto text = FormatCheckedCoordinate(false, degrees, kind, display);
    return text ? *text : std::u16string();
}

// The row of the waypoint record at r, whose successor starts at next (next lies before the
// file's last 32 bytes, so every field read here is inside the data).
void ReadWaypointRecord(ReadContext& context, string_view data, std::size_t r, std::size_t next, int codePage) {
    if (!IsEnglish(data, r + 27)) return;
    const std::size_t length = Field16(data, r + 29);
    if (length == 0 || data[r + 31] == 0 || r + 31 + length > next) return;
    const auto decoded = DecodeCodePage(codePage, data.substr(r + 31, length));
    std::u16string name = decoded ? *decoded : std::u16string();
    if (!AcceptName(context, name)) return;
    const CoordinateDisplay display = context.display();
    AppendEntry(context, name, MarkDestination, PositionText(Field32(data, r + 16), CoordinateKind::Lng, display),
                PositionText(Field32(data, r + 12), CoordinateKind::Lat, display));
}

}  // namespace

FileResult ReadGpi(ReadContext& context, std::string_view data) {
    const std::size_t size = data.size();
    if (size < MinimumSize) return context.Failure(TextId::FileContentWrong);
    if (data.substr(8, 8) != "GRMREC00") return context.Failure(TextId::FileContentUnknown);
    // The header fields after offset 22 are measured from A; a file whose A points past its end is
    // damaged, not merely of another kind.
    const std::size_t a = Field16(data, 22);
    if (a + 64 > size) return context.Failure(TextId::FileContentWrong);
    if (data.substr(a + 32, 3) != "POI") return context.Failure(TextId::FileContentUnknown);
    const int codePage = static_cast<int>(Field32(data, a + 40));
    std::size_t p = a + 64;
    if (IsEnglish(data, a + 60)) p += Field16(data, a + 62);

    const std::size_t end = size - TrailerSize;
    while (p < end) {
        if (data.compare(p, 4, RecordStart) != 0) {
            ++p;
            continue;
        }
        // Records that follow one another directly are taken without scanning the bytes between.
        for (std::size_t r = p;;) {
            const std::uint64_t next = std::uint64_t{r} + Field32(data, r + 4) + 12;
            if (next >= end) return std::nullopt;
            context.Advance(size, r);
            ReadWaypointRecord(context, data, r, static_cast<std::size_t>(next), codePage);
            r = static_cast<std::size_t>(next);
            if (data.compare(r, 4, RecordStart) != 0) {
                p = r + 1;
                break;
            }
        }
    }
    return std::nullopt;
}

}  // namespace wayloom
