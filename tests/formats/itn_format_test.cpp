#include "formats/itn_format.h"

#include <gtest/gtest.h>

#include "format_test_support.h"

namespace wayloom {
namespace {

using test::AddRow;
using test::ReadInto;
using test::Rows;
using test::WriteOut;
using Lines = std::vector<std::string>;

struct ReadCase {
    const char* title;
    std::string bytes;
    Lines rows;
    bool fails = false;
};

class ItnReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ItnReadTest, ReadsRows) {
    const ReadCase& c = GetParam();
    Session session;
    const FileResult result = ReadInto(session, FileKind::Itn, c.bytes);
    EXPECT_EQ(Rows(session), c.rows);
    if (c.fails)
        EXPECT_EQ(result, (FileMessage{TextId::FileContentWrong, u"test"}));
    else
        EXPECT_EQ(result, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItnReadTest,
    testing::Values(
        ReadCase{"plain", "489355|5237187|Amsterdam|2\r\n-370380|4041680|Madrid|0\r\n",
                 {"Amsterdam|4.89355|52.37187|2", "Madrid|-3.70380|40.41680|0"}},
        ReadCase{"empty latitude", "489355|18012345|Name|2\r\n", {"Name|4.89355||2"}},
        ReadCase{"last line without line end", "489355|5237187|A|2", {"A|4.89355|52.37187|2"}},
        ReadCase{"last line cut short", "489355|5237187|A|2\r\n489355|5237187", {"A|4.89355|52.37187|2"}, true},
        ReadCase{"trailing bar", "489355|5237187|Plaza Mayor|2|\r\n", {"Plaza Mayor|4.89355|52.37187|2"}},
        ReadCase{"trailing bars and lone line ends", "1|2|A|2||\n\n\r3|4|B|2\r", {"A|0.00001|0.00002|2", "B|0.00003|0.00004|2"}},
        ReadCase{"longitude above 180 keeps the row", "18000001|5237187|A|2\r\n", {"A||52.37187|2"}},
        ReadCase{"latitude 0 and abc", "0|0|A|2\r\n1|abc|B|2\r\n", {"A|0.00000|0.00000|2", "B|0.00001||2"}},
        ReadCase{"no negative zero", "-0|-0.4|A|2\r\n", {"A|0.00000|0.00000|2"}},
        ReadCase{"latitude range", "0|9000000|A|2\r\n0|-9000001|B|2\r\n", {"A|0.00000|90.00000|2", "B|0.00000||2"}},
        ReadCase{"sign and leading zeros", "+000000017|0000000017|A|2\r\n-1|-000000001|B|2\r\n",
                 {"A|0.00017|0.00017|2", "B|-0.00001|-0.00001|2"}},
        ReadCase{"blanks and decimals in a field", " 17|17.6|A|2\r\n17 |1e2|B|2\r\n",
                 {"A|0.00017|0.00018|2", "B|0.00017|0.00100|2"}},
        ReadCase{"bad and missing marks", "1|1|A|9\r\n1|1|B|\r\n", {"A|0.00001|0.00001|2", "B|0.00001|0.00001|2"}},
        ReadCase{"mark of two characters starts a line", "1|1|A|21|1|B|2\r\n",
                 {"A|0.00001|0.00001|2", "B|0.00001|0.00001|2"}},
        ReadCase{"unusable name drops the line", "1|1| \t |2\r\n2|2|B|2\r\n", {"B|0.00002|0.00002|2"}},
        ReadCase{"name cleaned", "1|1|  Madrid>Centro\t |2\r\n", {"Madrid Centro|0.00001|0.00001|2"}},
        ReadCase{"one byte per character", "1|1|\xC1vila|2\r\n1|1|K\xF6ln|2\r\n",
                 {"\xC3\x81vila|0.00001|0.00001|2", "K\xC3\xB6ln|0.00001|0.00001|2"}},
        ReadCase{"UTF-8 after the mark", "\xEF\xBB\xBF" "1|1|\xE5\x8C\x97\xE4\xBA\xAC|2\r\n1|1|\xC3\x81vila|2\r\n",
                 {"\xE5\x8C\x97\xE4\xBA\xAC|0.00001|0.00001|2", "\xC3\x81vila|0.00001|0.00001|2"}},
        ReadCase{"only the UTF-8 mark", "\xEF\xBB\xBF", {}},
        ReadCase{"empty file", "", {}},
        ReadCase{"packed wide name", ">>A\x21" "b\x21\r\n489355|5237187||2\r\n",
                 {"Ab|4.89355|52.37187|2"}},
        ReadCase{"packed wide name without extra bar", std::string(">>A\x21\0\0\r\n1|2|3\r\n", 15),
                 {"A|0.00001|0.00002|3"}},
        ReadCase{"packed form ignored in UTF-8 files", "\xEF\xBB\xBF>>1|1|A|2\r\n", {"A||0.00001|2"}},
        ReadCase{"no bar at all", "hello", {}, true}),
    [](const testing::TestParamInfo<ReadCase>& param) {
        std::string name;
        for (const char* p = param.param.title; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST(ItnRead, OnlyALeadingRunOfVisitedEntriesStaysVisited) {
    const std::string bytes = "1|1|A|1\r\n1|1|B|3\r\n1|1|C|2\r\n1|1|D|1\r\n";
    Session opened;
    ASSERT_EQ(ReadInto(opened, FileKind::Itn, bytes), std::nullopt);
    Session imported;
    ASSERT_EQ(ReadInto(imported, FileKind::Itn, bytes, /*importing=*/true), std::nullopt);
    std::vector<int> openMarks, importMarks;
    for (int row = 0; row < 4; ++row) {
        openMarks.push_back(opened.table.mark(row));
        importMarks.push_back(imported.table.mark(row));
    }
    EXPECT_EQ(openMarks, (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(importMarks, (std::vector<int>{0, 2, 2, 0}));
    // Imported rows arrive selected; the last one holds the focus.
    EXPECT_EQ(imported.table.selectedCount(), 4);
    EXPECT_EQ(imported.table.focusedRow(), 3);
    EXPECT_EQ(opened.table.selectedCount(), 0);
}

TEST(ItnRead, CoordinatesTakeTheDisplayForm) {
    Session session;
    session.options.set(Option::DmsFormat, true);
    session.options.set(Option::CompassDirection, true);
    ASSERT_EQ(ReadInto(session, FileKind::Itn, "-370380|4041680|Madrid|2\r\n"), std::nullopt);
    EXPECT_EQ(Rows(session), Lines{"Madrid|W 3\xC2\xB0 42' 13.68\"|N 40\xC2\xB0 25' 00.48\"|2"});
}

TEST(ItnRead, CoordinatesTakeTheCompassForm) {
    Session session;
    session.options.set(Option::CompassDirection, true);
    ASSERT_EQ(ReadInto(session, FileKind::Itn, "-370380|-4041680|Madrid|2\r\n0|-0|Cero|2\r\n"), std::nullopt);
    EXPECT_EQ(Rows(session), (Lines{"Madrid|W 3.70380|S 40.41680|2", "Cero|E 0.00000|N 0.00000|2"}));
}

TEST(ItnRead, LongNameKeepsItsFirst255Characters) {
    Session session;
    ASSERT_EQ(ReadInto(session, FileKind::Itn, "1|1|" + std::string(300, 'x') + "|2\r\n"), std::nullopt);
    EXPECT_EQ(session.table.text(0, ColumnName), std::u16string(255, u'x'));
}

TEST(ItnWrite, WritesScaledCoordinatesAndEmptyMark) {
    Session session;
    AddRow(session, u"Name", u"4.89355", u"", MarkDestination);
    AddRow(session, u"Madrid", u"-3.70380", u"40.41680", MarkWaypointVisited);
    AddRow(session, u"Zero", u"0.50000", u"-0.00001", MarkWaypoint);
    EXPECT_EQ(WriteOut(session, FileKind::Itn),
              "489355|18012345|Name|2\r\n-370380|4041680|Madrid|1\r\n050000|-000001|Zero|0\r\n");
}

TEST(ItnWrite, PlainCoordinatesFromEveryDisplayForm) {
    Session session;
    session.options.set(Option::DmsFormat, true);
    session.options.set(Option::CompassDirection, true);
    AddRow(session, u"Madrid", u"W 3\u00B0 42' 13.68\"", u"N 40\u00B0 25' 00.48\"");
    EXPECT_EQ(WriteOut(session, FileKind::Itn), "-370380|4041680|Madrid|2\r\n");
}

TEST(ItnWrite, NamesAreLatin1UnlessOneNeedsMore) {
    Session latin;
    AddRow(latin, u"\u00C1vila", u"1.00000", u"1.00000");
    AddRow(latin, u"K\u00F6ln", u"1.00000", u"1.00000");
    EXPECT_EQ(WriteOut(latin, FileKind::Itn), "100000|100000|\xC1vila|2\r\n100000|100000|K\xF6ln|2\r\n");

    AddRow(latin, u"\u5317\u4EAC", u"1.00000", u"1.00000");
    EXPECT_EQ(WriteOut(latin, FileKind::Itn),
              "\xEF\xBB\xBF" "100000|100000|\xC3\x81vila|2\r\n100000|100000|K\xC3\xB6ln|2\r\n"
              "100000|100000|\xE5\x8C\x97\xE4\xBA\xAC|2\r\n");
}

TEST(ItnWrite, SaveSkipsTheAutomaticBaseRowAndExportWritesTheSelection) {
    Session session;
    AddRow(session, u"Base", u"1.00000", u"1.00000");
    AddRow(session, u"A", u"2.00000", u"2.00000", MarkDestination, true);
    AddRow(session, u"B", u"3.00000", u"3.00000");
    session.baseRowInserted = true;
    EXPECT_EQ(WriteOut(session, FileKind::Itn), "200000|200000|A|2\r\n300000|300000|B|2\r\n");
    EXPECT_EQ(WriteOut(session, FileKind::Itn, /*exporting=*/true), "200000|200000|A|2\r\n");
}

TEST(ItnWrite, RoundTripKeepsNamesCoordinatesAndMarks) {
    Session source;
    AddRow(source, u"Ávila, \"centro\"", u"-4.70000", u"40.65000", MarkDestinationVisited);
    AddRow(source, u"\u5317\u4EAC", u"116.40700", u"39.90400", MarkWaypointVisited);
    AddRow(source, u"Sin latitud", u"180.00000", u"", MarkWaypoint);
    Session copy;
    ASSERT_EQ(ReadInto(copy, FileKind::Itn, WriteOut(source, FileKind::Itn)), std::nullopt);
    EXPECT_EQ(Rows(copy), Rows(source));
}

TEST(ItnDeviceLimit, AsksAbove48RowsNotCountingTheAutomaticBase) {
    struct Case {
        int rows;
        bool baseInserted;
        bool asks;
    };
    for (const Case c : {Case{48, false, false}, Case{49, false, true}, Case{49, true, false}, Case{50, true, true}}) {
        Session session;
        for (int i = 0; i < c.rows; ++i) AddRow(session, u"R", u"1.00000", u"1.00000");
        session.baseRowInserted = c.baseInserted;
        EXPECT_EQ(ExceedsItnDeviceLimit(session), c.asks) << c.rows << " rows";
    }
}

TEST(UnpackWideCode, MapsCodes) {
    const std::pair<std::uint16_t, char16_t> cases[] = {
        {0x2100, 0x0000}, {0x21FF, 0x00FF}, {0x2141, u'A'}, {0x3000, 0x09D9},
        {0x5D5D, 0x2ED0}, {0xFFFF, 0x063C}, {0x2000, 0x4D5E},
    };
    for (const auto& [code, character] : cases) EXPECT_EQ(UnpackWideCode(code), character) << std::hex << code;
}

TEST(PackedWideName, EndsAtTheFirstCodeWithALowZeroByte) {
    EXPECT_EQ(PackedWideName(std::string("A\x21" "B\x21\0\x21" "C\x21", 8)), u"AB");
    EXPECT_EQ(PackedWideName(std::string("A\x21" "B", 3)), u"A");  // an odd last byte is no code
}

}  // namespace
}  // namespace wayloom
