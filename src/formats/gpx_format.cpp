// GPS Exchange (GPX 1.1) files as lists of waypoints: one `wpt` element per entry. The reader is no
// XML parser: it searches the text for fixed tags and accepts only the attribute syntax the writer
// produces (lat and lon in double quotes, the start tag closed right after the last value).
#include <optional>

#include "formats/format_dispatch.h"
#include "formats/markup_text.h"
#include "formats/text_codec.h"

namespace wayloom {

namespace {

using std::string_view;
constexpr std::size_t npos = string_view::npos;

constexpr string_view GpxHeader =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n";

// One waypoint as the text carries it.
struct GpxWaypoint {
    string_view lat;
    string_view lon;
    string_view name;
    std::size_t end = 0;  // just past its "</wpt>"
};

std::size_t SkipSpaces(string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ') ++at;
    return at;
}

// Reads the attributes of a start tag from `at` (just past "<wpt "); returns the position after its
// '>', or npos when the tag is not of the accepted form.
std::size_t ReadWaypointAttributes(string_view text, std::size_t at, GpxWaypoint& waypoint) {
    std::optional<string_view> lat;
    std::optional<string_view> lon;
    for (;;) {
        at = SkipSpaces(text, at);
        const bool isLat = StartsWithNoCase(text, at, "lat");
        if (!isLat && !StartsWithNoCase(text, at, "lon")) return npos;
        at = SkipSpaces(text, at + 3);
        if (at >= text.size() || text[at] != '=') return npos;
        at = SkipSpaces(text, at + 1);
        if (at >= text.size() || text[at] != '"') return npos;
        const std::size_t close = text.find('"', at + 1);
        if (close == npos) return npos;
        (isLat ? lat : lon) = text.substr(at + 1, close - at - 1);
        at = close + 1;
        if (at < text.size() && text[at] == '>') break;
    }
    if (!lat || !lon) return npos;
    waypoint.lat = *lat;
    waypoint.lon = *lon;
    return at + 1;
}

enum class ScanResult { Found, End, Error };

// Finds the next waypoint from `from`.
ScanResult NextWaypoint(string_view text, std::size_t from, GpxWaypoint& waypoint) {
    std::size_t at = FindTag(text, "<wpt", from);
    // A wpt tag is followed by a blank; other elements beginning with these letters are passed over.
    while (at != npos && (at + 4 >= text.size() || text[at + 4] != ' ')) at = FindTag(text, "<wpt", at + 4);
    if (at == npos) return ScanResult::End;
    const std::size_t tagEnd = ReadWaypointAttributes(text, at + 5, waypoint);
    if (tagEnd == npos) return ScanResult::Error;
    const std::size_t nameTag = FindTag(text, "<name>", tagEnd);
    if (nameTag == npos) return ScanResult::Error;
    const std::size_t nameEnd = FindTag(text, "</name>", nameTag + 6);
    if (nameEnd == npos) return ScanResult::Error;
    const std::size_t wptEnd = FindTag(text, "</wpt>", nameEnd + 7);
    if (wptEnd == npos) return ScanResult::Error;
    waypoint.name = text.substr(nameTag + 6, nameEnd - nameTag - 6);
    waypoint.end = wptEnd + 6;
    return ScanResult::Found;
}

}  // namespace

FileResult ReadGpx(ReadContext& context, std::string_view data) {
    const string_view text = MarkupText(data);
    const CoordinateDisplay display = context.display();
    GpxWaypoint waypoint;
    std::u16string name, lng, lat;
    for (std::size_t from = 0;; from = waypoint.end) {
        switch (NextWaypoint(text, from, waypoint)) {
        case ScanResult::End: return std::nullopt;
        case ScanResult::Error: return context.Failure(TextId::FileContentWrong);
        case ScanResult::Found: break;
        }
        DecodeMarkupName(waypoint.name, name);
        if (AcceptName(context, name)) {
            MarkupCoordinate(waypoint.lon, CoordinateKind::Lng, display, lng);
            MarkupCoordinate(waypoint.lat, CoordinateKind::Lat, display, lat);
            AppendEntry(context, name, MarkWaypoint, lng, lat);
        }
        context.Advance(data.size(), waypoint.end);
    }
}

FileResult WriteGpx(WriteContext& context) {
    BufferedOutput output(context.out);
    std::string& out = output.buffer();
    out += GpxHeader;
    std::size_t done = 0;
    CellText::Scratch scratch;
    std::u16string lng, lat;
    for (const int row : context.rows) {
        context.progress.Report(context.rows.size(), done++);
        if (PlainCoordinate(context.session, row, ColumnLng, lng).empty()) continue;
        if (PlainCoordinate(context.session, row, ColumnLat, lat).empty()) continue;
        out += "<wpt lat=\"";
        EncodeUtf8(lat, out);
        out += "\" lon=\"";
        EncodeUtf8(lng, out);
        out += "\">\r\n<name>";
        AppendEscapedName(context.session.table.cell(row, ColumnName).view(scratch), out);
        out += "</name>\r\n</wpt>\r\n";
        if (!output.flushIfFull()) return context.Failure(TextId::DiskWriteDenied);
    }
    out += "</gpx>\r\n";
    if (!output.flush()) return context.Failure(TextId::DiskWriteDenied);
    return std::nullopt;
}

}  // namespace wayloom
