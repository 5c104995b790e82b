// Google Earth (KML 2.2) files: one Placemark with a name and a Point per entry. Like the GPX reader,
// the reader searches the text for fixed tags; geometries other than a point are passed over.
#include "formats/kml_format.h"

#include "formats/format_dispatch.h"
#include "formats/markup_text.h"
#include "formats/text_codec.h"

namespace wayloom {

namespace {

using std::string_view;
constexpr std::size_t npos = string_view::npos;

constexpr string_view KmlHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\r\n"
    "<Document>\r\n";
constexpr string_view KmlFooter = "</Document>\r\n</kml>\r\n";

// One placemark as the text carries it.
struct KmlPlacemark {
    string_view name;
    bool hasPoint = false;
    string_view coordinates;
    std::size_t end = 0;  // just past its "</Placemark>"
};

enum class ScanResult { Found, End, Error };

ScanResult NextPlacemark(string_view text, std::size_t from, KmlPlacemark& placemark) {
    const std::size_t at = FindTag(text, "<Placemark", from);
    if (at == npos) return ScanResult::End;
    const std::size_t tagEnd = text.find('>', at + 10);
    if (tagEnd == npos) return ScanResult::Error;
    const std::size_t nameTag = FindTag(text, "<name>", tagEnd + 1);
    if (nameTag == npos) return ScanResult::Error;
    const std::size_t nameEnd = FindTag(text, "</name>", nameTag + 6);
    if (nameEnd == npos) return ScanResult::Error;
    const std::size_t end = FindTag(text, "</Placemark>", nameEnd + 7);
    if (end == npos) return ScanResult::Error;
    placemark.name = text.substr(nameTag + 6, nameEnd - nameTag - 6);
    placemark.end = end + 12;
    // The point is looked for after the name only; a placemark without one is passed over.
    const std::size_t point = FindTag(text, "<Point", nameEnd + 7, end);
    placemark.hasPoint = point != npos;
    if (!placemark.hasPoint) return ScanResult::Found;
    const std::size_t pointEnd = text.find('>', point + 6);
    if (pointEnd == npos || pointEnd >= end) return ScanResult::Error;
    const std::size_t open = FindTag(text, "<coordinates>", pointEnd + 1, end);
    if (open == npos) return ScanResult::Error;
    const std::size_t close = FindTag(text, "</coordinates>", open + 13, end);
    if (close == npos) return ScanResult::Error;
    placemark.coordinates = text.substr(open + 13, close - open - 13);
    return ScanResult::Found;
}

// Texts reused from placemark to placemark.
struct PlacemarkTexts {
    std::u16string name, lng, lat;
};

// The row of a placemark with a point, unless its name is unusable or a dropped duplicate.
void AppendPlacemark(ReadContext& context, const KmlPlacemark& placemark, PlacemarkTexts& texts) {
    DecodeMarkupName(placemark.name, texts.name);
    if (!AcceptName(context, texts.name)) return;
    // Longitude before the first comma, latitude up to the next: altitude and further tuples are
    // ignored.
    const string_view coordinates = placemark.coordinates;
    const std::size_t comma = coordinates.find(',');
    string_view latText;
    if (comma != npos) {
        latText = coordinates.substr(comma + 1);
        latText = latText.substr(0, latText.find(','));
    }
    const CoordinateDisplay display = context.display();
    MarkupCoordinate(coordinates.substr(0, comma), CoordinateKind::Lng, display, texts.lng);
    MarkupCoordinate(latText, CoordinateKind::Lat, display, texts.lat);
    AppendEntry(context, texts.name, MarkWaypoint, texts.lng, texts.lat);
}

FileResult WritePlacemarks(WriteContext& context, bool numbered, int& count) {
    BufferedOutput output(context.out);
    std::string& out = output.buffer();
    out += KmlHeader;
    const WorkTable& table = context.session.table;
    std::size_t expected = context.rows.size();
    count = 0;
    CellText::Scratch scratch;
    std::u16string lng, lat;
    for (const int row : context.rows) {
        if (PlainCoordinate(context.session, row, ColumnLng, lng).empty() ||
            PlainCoordinate(context.session, row, ColumnLat, lat).empty()) {
            --expected;
            continue;
        }
        ++count;
        out += "<Placemark><name>";
        if (numbered) {
            out += '#';
            out += std::to_string(count);
            if (!(table.mark(row) & DestinationBit)) out += '\'';
            out += ' ';
        }
        AppendEscapedName(table.cell(row, ColumnName).view(scratch), out);
        out += "</name><Point><coordinates>";
        EncodeUtf8(lng, out);
        out += ',';
        EncodeUtf8(lat, out);
        out += "</coordinates></Point></Placemark>\r\n";
        context.progress.Report(expected, static_cast<std::size_t>(count));
        if (!output.flushIfFull()) return context.Failure(TextId::DiskWriteDenied);
    }
    out += KmlFooter;
    if (!output.flush()) return context.Failure(TextId::DiskWriteDenied);
    return std::nullopt;
}

}  // namespace

FileResult ReadKml(ReadContext& context, std::string_view data) {
    const string_view text = MarkupText(data);
    KmlPlacemark placemark;
    PlacemarkTexts texts;
    for (std::size_t from = 0;; from = placemark.end) {
        switch (NextPlacemark(text, from, placemark)) {
        case ScanResult::End: return std::nullopt;
        case ScanResult::Error: return context.Failure(TextId::FileContentWrong);
        case ScanResult::Found: break;
        }
        if (placemark.hasPoint) AppendPlacemark(context, placemark, texts);
        context.Advance(data.size(), placemark.end);
    }
}

FileResult WriteKml(WriteContext& context, bool numbered) {
    int count = 0;
    return WritePlacemarks(context, numbered, count);
}

FileResult WriteNumberedKml(WriteContext& context, int& count) { return WritePlacemarks(context, true, count); }

std::vector<int> GoogleEarthRows(const Session& session) {
    return RowsToWrite(session, session.table.selectedCount() > 0);
}

}  // namespace wayloom
