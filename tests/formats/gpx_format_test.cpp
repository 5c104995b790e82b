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
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n";

const FileMessage ContentWrong{TextId::FileContentWrong, u"test"};

TEST(GpxWriter, WritesHeaderThreeLinesPerEntryAndSkipsEntriesWithoutBothCoordinates) {
    Session session;
    AddRow(session, u"Fish & Chips <\"2\">", u"4.89355", u"52.37187");
    AddRow(session, u"Sin latitud", u"4.89355", u"");
    AddRow(session, u"Sin longitud", u"", u"52.37187");
    AddRow(session, u"Köln", u"-3.70380", u"-0.50000", MarkWaypointVisited);
    EXPECT_EQ(WriteOut(session, FileKind::Gpx),
              std::string(Header) +
                  "<wpt lat=\"52.37187\" lon=\"4.89355\">\r\n<name>Fish &amp; Chips &lt;&quot;2&quot;&gt;</name>\r\n"
                  "</wpt>\r\n"
                  "<wpt lat=\"-0.50000\" lon=\"-3.70380\">\r\n<name>K\xC3\xB6ln</name>\r\n</wpt>\r\n"
                  "</gpx>\r\n");
}

TEST(GpxWriter, WritesPlainDecimalsWhateverTheDisplayForm) {
    Session session;
    session.options.set(Option::DmsFormat, true);
    session.options.set(Option::CompassDirection, true);
    AddRow(session, u"Madrid", u"W 3° 42' 13.68\"", u"N 40° 25' 00.48\"");
    EXPECT_EQ(
        WriteOut(session, FileKind::Gpx),
        std::string(Header) + "<wpt lat=\"40.41680\" lon=\"-3.70380\">\r\n<name>Madrid</name>\r\n</wpt>\r\n</gpx>\r\n");
}

TEST(GpxWriter, SaveLeavesOutTheInsertedBaseRowAndExportTakesTheSelection) {
    Session session;
    AddRow(session, u"Base", u"1.00000", u"1.00000");
    AddRow(session, u"A", u"2.00000", u"2.00000", MarkDestination, true);
    AddRow(session, u"B", u"3.00000", u"3.00000");
    session.baseRowInserted = true;
    const std::string saved = WriteOut(session, FileKind::Gpx);
    EXPECT_EQ(saved.find("Base"), std::string::npos);
    EXPECT_NE(saved.find("<name>B</name>"), std::string::npos);
    const std::string exported = WriteOut(session, FileKind::Gpx, true);
    EXPECT_NE(exported.find("<name>A</name>"), std::string::npos);
    EXPECT_EQ(exported.find("<name>B</name>"), std::string::npos);
}

struct ReadCase {
    const char* what;
    std::string body;  // between <gpx> and </gpx>
    bool fails;
    Lines rows;
};

class GpxReader : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GpxReader, ReadsWaypoints) {
    const ReadCase& c = GetParam();
    Session session;
    const FileResult result =
        ReadInto(session, FileKind::Gpx, "<?xml version=\"1.0\"?>\n<gpx>\n" + c.body + "\n</gpx>\n");
    EXPECT_EQ(result, c.fails ? FileResult(ContentWrong) : std::nullopt);
    EXPECT_EQ(test::Rows(session), c.rows);
}

const std::string Name300(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, GpxReader,
    ::testing::Values(
        ReadCase{"lat then lon",
                 R"(<wpt lat="52.37187" lon="4.89355"><name>A</name></wpt>)",
                 false,
                 {"A|4.89355|52.37187|0"}},
        ReadCase{"lon then lat",
                 R"(<wpt lon="4.89355" lat="52.37187"><name>A</name></wpt>)",
                 false,
                 {"A|4.89355|52.37187|0"}},
        ReadCase{
            "capitals", R"(<WPT LAT="52.37187" LON="4.89355"><NAME>A</NAME></WPT>)", false, {"A|4.89355|52.37187|0"}},
        ReadCase{"blanks around =, none between attributes",
                 R"(<wpt   lat =  "52.37187"lon= "4.89355"><name>A</name></wpt>)",
                 false,
                 {"A|4.89355|52.37187|0"}},
        ReadCase{"the last value counts",
                 R"(<wpt lat="1" lon="4.89355" lat="52.37187"><name>A</name></wpt>)",
                 false,
                 {"A|4.89355|52.37187|0"}},
        ReadCase{"other child elements and whitespace",
                 "<wpt lat=\"41.389250000\" lon=\"2.054320000\">\n  <ele>3</ele>\n  <name>Caf\xC3\xA9</name>\n"
                 "  <desc>d</desc>\n</wpt>",
                 false,
                 {"Café|2.05432|41.38925|0"}},
        ReadCase{"blank before >", R"(<wpt lat="52.37187" lon="4.89355" ><name>A</name></wpt>)", true, {}},
        ReadCase{"self-closing", R"(<wpt lat="52.37187" lon="4.89355"/><name>A</name></wpt>)", true, {}},
        ReadCase{"single quotes", R"(<wpt lat='52.37187' lon='4.89355'><name>A</name></wpt>)", true, {}},
        ReadCase{"extra attribute", R"(<wpt lat="52.37187" lon="4.89355" ele="3"><name>A</name></wpt>)", true, {}},
        ReadCase{
            "attribute with a longer name", R"(<wpt latitude="52.37187" lon="4.89355"><name>A</name></wpt>)", true, {}},
        ReadCase{"missing lon", R"(<wpt lat="52.37187"><name>A</name></wpt>)", true, {}},
        ReadCase{"missing name element", R"(<wpt lat="52.37187" lon="4.89355"></wpt>)", true, {}},
        ReadCase{"missing name end tag", R"(<wpt lat="52.37187" lon="4.89355"><name>A</wpt>)", true, {}},
        ReadCase{"missing wpt end tag", R"(<wpt lat="52.37187" lon="4.89355"><name>A</name>)", true, {}},
        ReadCase{"unterminated value", "<wpt lat=\"52.37187", true, {}},
        ReadCase{"start tag cut after the blank", "<wpt ", true, {}},
        ReadCase{"rows before an error stay",
                 R"(<wpt lat="1" lon="2"><name>A</name></wpt><wpt lat="1" lon="2" >)",
                 true,
                 {"A|2.00000|1.00000|0"}},
        ReadCase{"a waypoint without name takes the next one's and swallows it",
                 R"(<wpt lat="1" lon="2"></wpt><wpt lat="3" lon="4"><name>B</name></wpt>)",
                 false,
                 {"B|2.00000|1.00000|0"}},
        ReadCase{"elements that only begin with wpt, or wpt without a blank, are passed over",
                 "<wpts/><wptType/><wpt\tlat=\"5\" lon=\"6\"><name>T</name></wpt>"
                 "<wpt lat=\"1\" lon=\"2\"><name>B</name></wpt>",
                 false,
                 {"B|2.00000|1.00000|0"}},
        ReadCase{
            "routes and tracks only",
            R"(<rte><rtept lat="1" lon="2"><name>R</name></rtept></rte><trk><trkseg><trkpt lat="1" lon="2"/></trkseg></trk>)",
            false,
            {}},
        ReadCase{
            "the five entities, with case; others stay",
            R"(<wpt lat="1" lon="2"><name>Fish &amp; Chips &lt;1 &quot;q&quot;&nbsp;x &#38; &AMP; &amp;lt;</name></wpt>)",
            false,
            {R"(Fish & Chips <1 "q" x &#38; &AMP; &lt;|2.00000|1.00000|0)"}},
        ReadCase{"names are cleaned; an unusable one drops its waypoint",
                 "<wpt lat=\"1\" lon=\"2\"><name> \t </name></wpt><wpt lat=\"1\" lon=\"2\"><name>a|b&gt;c</name></wpt>",
                 false,
                 {"a b c|2.00000|1.00000|0"}},
        ReadCase{"a name of 300 characters keeps 255",
                 "<wpt lat=\"1\" lon=\"2\"><name>" + Name300 + "</name></wpt>",
                 false,
                 {std::string(255, 'x') + "|2.00000|1.00000|0"}},
        ReadCase{"an invalid UTF-8 byte",
                 "<wpt lat=\"1\" lon=\"2\"><name>a\xFF</name></wpt>",
                 false,
                 {"a\xEF\xBF\xBD|2.00000|1.00000|0"}},
        ReadCase{"bad coordinates leave empty cells",
                 R"(<wpt lat="91" lon="abc"><name>A</name></wpt><wpt lat="12abc" lon="-0.000001"><name>B</name></wpt>)",
                 false,
                 {"A|||0", "B|0.00000|12.00000|0"}},
        ReadCase{"a zero with blanks around it is still zero",
                 R"(<wpt lat=" 0 " lon=" 0"><name>A</name></wpt>)",
                 false,
                 {"A|0.00000|0.00000|0"}},
        ReadCase{"a zero byte ends the text",
                 std::string(R"(<wpt lat="1" lon="2"><name>A</name></wpt>)") + '\0' +
                     R"(<wpt lat="1" lon="2"><name>B</name></wpt>)",
                 false,
                 {"A|2.00000|1.00000|0"}}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return "case" + std::to_string(param.index); });

TEST(GpxReader, AFileWithoutWaypointsIsAnEmptyItinerary) {
    Session session;
    EXPECT_EQ(ReadInto(session, FileKind::Gpx, ""), std::nullopt);
    EXPECT_EQ(ReadInto(session, FileKind::Gpx, "<wpt"), std::nullopt);
    EXPECT_EQ(session.table.rowCount(), 0);
}

TEST(GpxReader, CheckNameDropsDuplicates) {
    Session session;
    session.options.set(Option::CheckName, true);
    test::ScriptedUi ui;
    ui.duplicateAnswers = {DuplicateAnswer::DropAll};
    const std::string waypoint = R"(<wpt lat="1" lon="2"><name>Casa</name></wpt>)";
    EXPECT_EQ(ReadInto(session, FileKind::Gpx, waypoint + waypoint + waypoint, false, &ui), std::nullopt);
    EXPECT_EQ(test::Rows(session), Lines{"Casa|2.00000|1.00000|0"});
    EXPECT_EQ(ui.duplicateQuestions, Lines{"Casa"});
}

TEST(GpxRoundTrip, KeepsNamesAndCoordinatesInEveryDisplayFormAndMakesWaypoints) {
    for (const bool dms : {false, true}) {
        for (const bool compass : {false, true}) {
            Session written;
            written.options.set(Option::DmsFormat, dms);
            written.options.set(Option::CompassDirection, compass);
            const CoordinateDisplay display = written.display();
            const auto add = [&](std::u16string name, double lng, double lat, ItnMark mark) {
                AddRow(written, std::move(name), FormatCoordinate(CoordinateKind::Lng, lng, display),
                       FormatCoordinate(CoordinateKind::Lat, lat, display), mark);
            };
            add(u"Fish & Chips", 4.89355, 52.37187, MarkDestination);
            add(u"<\"Köln\" &#38;", -3.7038, -33.8688, MarkDestinationVisited);
            add(u"北京 😀", 116.39723, 39.9075, MarkWaypoint);
            add(u"Polo", -180, -90, MarkWaypointVisited);

            Session read;
            read.options = written.options;
            ASSERT_EQ(ReadInto(read, FileKind::Gpx, WriteOut(written, FileKind::Gpx)), std::nullopt);
            ASSERT_EQ(read.table.rowCount(), written.table.rowCount());
            for (int row = 0; row < read.table.rowCount(); ++row) {
                EXPECT_EQ(read.table.text(row, ColumnName), written.table.text(row, ColumnName));
                EXPECT_EQ(read.table.text(row, ColumnLng), written.table.text(row, ColumnLng));
                EXPECT_EQ(read.table.text(row, ColumnLat), written.table.text(row, ColumnLat));
                EXPECT_EQ(read.table.mark(row), MarkWaypoint);
            }
        }
    }
}

}  // namespace
}  // namespace wayloom
