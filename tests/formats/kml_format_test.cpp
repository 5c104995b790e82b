#include "formats/kml_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/format_test_support.h"

namespace wayloom {
namespace {

using test::AddRow;
using test::ReadInto;
using test::WriteOut;
using Lines = std::vector<std::string>;

constexpr std::string_view Header =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\r\n"
    "<Document>\r\n";
constexpr std::string_view Footer = "</Document>\r\n</kml>\r\n";

const FileMessage ContentWrong{TextId::FileContentWrong, u"test"};

TEST(KmlWriter, WritesOnePlacemarkLinePerEntryWithBothCoordinates) {
    Session session;
    session.options.set(Option::CompassDirection, true);
    AddRow(session, u"Fish & Chips", u"E 4.89355", u"N 52.37187");
    AddRow(session, u"Sin latitud", u"E 4.89355", u"");
    AddRow(session, u"Sin longitud", u"", u"N 52.37187");
    AddRow(session, u"Köln \"<1>\"", u"W 3.70380", u"S 0.50000", MarkWaypoint);
    EXPECT_EQ(WriteOut(session, FileKind::Kml),
              std::string(Header) +
                  "<Placemark><name>Fish &amp; Chips</name><Point><coordinates>4.89355,52.37187</coordinates></Point>"
                  "</Placemark>\r\n"
                  "<Placemark><name>K\xC3\xB6ln &quot;&lt;1&gt;&quot;</name><Point><coordinates>-3.70380,-0.50000"
                  "</coordinates></Point></Placemark>\r\n" +
                  std::string(Footer));
}

TEST(KmlWriter, NumbersPlacemarksForGoogleEarthWithAnApostropheForWaypoints) {
    Session session;
    AddRow(session, u"Base", u"1.00000", u"1.00000");
    AddRow(session, u"Uno", u"1.00000", u"1.00000");
    AddRow(session, u"Madrid", u"-3.70380", u"40.41680", MarkDestination, true);
    AddRow(session, u"Sin latitud", u"1.00000", u"", MarkDestination, true);
    AddRow(session, u"Toledo", u"-4.02263", u"39.85810", MarkWaypointVisited, true);
    AddRow(session, u"Avila", u"-4.70000", u"40.65000", MarkDestinationVisited, true);
    AddRow(session, u"Cinco", u"1.00000", u"1.00000");

    StringSink sink;
    ProgressReporter progress;
    WriteContext context(session, sink, progress);
    context.rows = GoogleEarthRows(session);
    int count = -1;
    ASSERT_EQ(WriteNumberedKml(context, count), std::nullopt);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(sink.bytes(),
              std::string(Header) +
                  "<Placemark><name>#1 Madrid</name><Point><coordinates>-3.70380,40.41680</coordinates></Point>"
                  "</Placemark>\r\n"
                  "<Placemark><name>#2' Toledo</name><Point><coordinates>-4.02263,39.85810</coordinates></Point>"
                  "</Placemark>\r\n"
                  "<Placemark><name>#3 Avila</name><Point><coordinates>-4.70000,40.65000</coordinates></Point>"
                  "</Placemark>\r\n" +
                  std::string(Footer));
}

TEST(KmlWriter, GoogleEarthTakesEveryRowButTheInsertedBaseWhenNothingIsSelected) {
    Session session;
    AddRow(session, u"Base", u"1.00000", u"1.00000");
    AddRow(session, u"A", u"2.00000", u"2.00000");
    AddRow(session, u"B", u"3.00000", u"3.00000");
    EXPECT_EQ(GoogleEarthRows(session), (std::vector<int>{0, 1, 2}));
    session.baseRowInserted = true;
    EXPECT_EQ(GoogleEarthRows(session), (std::vector<int>{1, 2}));
}

struct ReadCase {
    const char* what;
    std::string body;  // inside <Document>
    bool fails;
    Lines rows;
};

class KmlReader : public ::testing::TestWithParam<ReadCase> {};

TEST_P(KmlReader, ReadsPointPlacemarks) {
    const ReadCase& c = GetParam();
    Session session;
    const std::string file =
        "<?xml version=\"1.0\"?>\n<kml><Document><name>Doc</name>\n" + c.body + "\n</Document></kml>\n";
    EXPECT_EQ(ReadInto(session, FileKind::Kml, file), c.fails ? FileResult(ContentWrong) : std::nullopt);
    EXPECT_EQ(test::Rows(session), c.rows);
}

constexpr const char* LineString =
    "<Placemark><name>Ruta</name><LineString><coordinates>1,2,0 3,4,0</coordinates></LineString></Placemark>";

INSTANTIATE_TEST_SUITE_P(
    Cases, KmlReader,
    ::testing::Values(
        ReadCase{"a point",
                 "<Placemark><name>A</name><Point><coordinates>4.89355,52.37187</coordinates></Point></Placemark>",
                 false,
                 {"A|4.89355|52.37187|0"}},
        ReadCase{"with an altitude",
                 "<Placemark><name>A</name><Point><coordinates>4.89355,52.37187,0</coordinates></Point></Placemark>",
                 false,
                 {"A|4.89355|52.37187|0"}},
        ReadCase{"coordinates on their own line, attributes and other elements",
                 "<Placemark id=\"p1\">\n  <name>A</name>\n  <styleUrl>#s</styleUrl>\n  <Point id=\"x\">\n"
                 "    <coordinates>\n      4.89355,52.37187,0\n    </coordinates>\n  </Point>\n</Placemark>",
                 false,
                 {"A|4.89355|52.37187|0"}},
        ReadCase{"indented zeros stay zeros",
                 "<Placemark><name>A</name><Point><coordinates>\n   0,\n   0\n</coordinates></Point></Placemark>",
                 false,
                 {"A|0.00000|0.00000|0"}},
        ReadCase{"capitals",
                 "<PLACEMARK><NAME>A</NAME><POINT><COORDINATES>1,2</COORDINATES></POINT></PLACEMARK>",
                 false,
                 {"A|1.00000|2.00000|0"}},
        ReadCase{"further tuples are ignored",
                 "<Placemark><name>A</name><Point><coordinates>1,2,3 5,6,7</coordinates></Point></Placemark>",
                 false,
                 {"A|1.00000|2.00000|0"}},
        ReadCase{"no comma: longitude only",
                 "<Placemark><name>A</name><Point><coordinates>1.5</coordinates></Point></Placemark>",
                 false,
                 {"A|1.50000||0"}},
        ReadCase{"out of range and not a number",
                 "<Placemark><name>A</name><Point><coordinates>181,abc</coordinates></Point></Placemark>",
                 false,
                 {"A|||0"}},
        ReadCase{"a line string makes no row and the next placemark reads",
                 std::string(LineString) +
                     "<Placemark><name>B</name><Point><coordinates>1,2</coordinates></Point></Placemark>",
                 false,
                 {"B|1.00000|2.00000|0"}},
        ReadCase{"a point before the name is not seen",
                 "<Placemark><Point><coordinates>1,2</coordinates></Point><name>A</name></Placemark>",
                 false,
                 {}},
        ReadCase{"entities and cleaning",
                 "<Placemark><name>Fish &amp; Chips&nbsp;&#38; a|b</name><Point><coordinates>1,2</coordinates></Point>"
                 "</Placemark><Placemark><name>   </name><Point><coordinates>1,2</coordinates></Point></Placemark>",
                 false,
                 {"Fish & Chips &#38; a b|1.00000|2.00000|0"}},
        ReadCase{"a placemark without name takes the next one's",
                 "<Placemark><Point><coordinates>1,2</coordinates></Point></Placemark>"
                 "<Placemark><name>B</name><Point><coordinates>3,4</coordinates></Point></Placemark>",
                 false,
                 {"B|3.00000|4.00000|0"}},
        ReadCase{"start tag never closed", "<Placemark", true, {}},
        ReadCase{
            "no name end tag", "<Placemark><name>A<Point><coordinates>1,2</coordinates></Point></Placemark>", true, {}},
        ReadCase{
            "no placemark end tag", "<Placemark><name>A</name><Point><coordinates>1,2</coordinates></Point>", true, {}},
        ReadCase{"a point without coordinates",
                 "<Placemark><name>A</name><Point></Point></Placemark>"
                 "<Placemark><name>B</name><Point><coordinates>1,2</coordinates></Point></Placemark>",
                 true,
                 {}},
        ReadCase{"coordinates not closed inside the placemark",
                 "<Placemark><name>A</name><Point><coordinates>1,2</Point></Placemark></coordinates>",
                 true,
                 {}},
        ReadCase{"rows before an error stay",
                 "<Placemark><name>A</name><Point><coordinates>1,2</coordinates></Point></Placemark><Placemark>",
                 true,
                 {"A|1.00000|2.00000|0"}},
        ReadCase{"a zero byte ends the text",
                 std::string("<Placemark><name>A</name><Point><coordinates>1,2</coordinates></Point></Placemark>") +
                     '\0' + "<Placemark>",
                 false,
                 {"A|1.00000|2.00000|0"}}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return "case" + std::to_string(param.index); });

TEST(KmlReader, AFileWithoutPlacemarksIsAnEmptyItinerary) {
    Session session;
    EXPECT_EQ(ReadInto(session, FileKind::Kml, "<kml><Document><name>x</name></Document></kml>"), std::nullopt);
    EXPECT_EQ(ReadInto(session, FileKind::Kml, LineString), std::nullopt);
    EXPECT_EQ(session.table.rowCount(), 0);
}

TEST(KmlRoundTrip, KeepsNamesAndCoordinatesAndMakesWaypoints) {
    Session written;
    written.options.set(Option::DmsFormat, true);
    AddRow(written, u"Fish & Chips", u"4° 53' 36.78\"", u"52° 22' 18.73\"");
    AddRow(written, u"<\"Köln\" &#38;", u"-3° 42' 13.68\"", u"-33° 52' 07.68\"", MarkDestinationVisited);
    AddRow(written, u"北京 😀", u"116° 23' 50.03\"", u"39° 54' 27.00\"", MarkWaypoint);
    Session read;
    read.options = written.options;
    ASSERT_EQ(ReadInto(read, FileKind::Kml, WriteOut(written, FileKind::Kml)), std::nullopt);
    EXPECT_EQ(test::Rows(read), (Lines{"Fish & Chips|4° 53' 36.78\"|52° 22' 18.73\"|0",
                                       "<\"Köln\" &#38;|-3° 42' 13.68\"|-33° 52' 07.68\"|0",
                                       "北京 😀|116° 23' 50.03\"|39° 54' 27.00\"|0"}));
}

// The name is cut to 255 characters after its entities are decoded, not before, so escapes in a long
// name cost nothing.
TEST(MarkupRoundTrip, ANameOf255CharactersWithEscapesReadsBackWhole) {
    Session written;
    const std::u16string name = std::u16string(250, u'a') + u"&<\"&&";
    AddRow(written, name, u"1.00000", u"2.00000");
    for (const FileKind kind : {FileKind::Kml, FileKind::Gpx}) {
        Session read;
        ASSERT_EQ(ReadInto(read, kind, WriteOut(written, kind)), std::nullopt);
        ASSERT_EQ(read.table.rowCount(), 1);
        EXPECT_EQ(read.table.text(0, ColumnName), name);
    }
}

}  // namespace
}  // namespace wayloom
