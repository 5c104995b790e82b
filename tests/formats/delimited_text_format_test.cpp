#include <gtest/gtest.h>

#include "format_test_support.h"

namespace wayloom {
namespace {

using test::AddRow;
using test::ReadInto;
using test::Rows;
using test::WriteOut;
using Lines = std::vector<std::string>;

std::string Utf16(std::u16string_view text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

struct ReadCase {
    const char* title;
    FileKind kind;
    std::string bytes;
    Lines rows;
};

class DelimitedReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(DelimitedReadTest, ReadsRows) {
    const ReadCase& c = GetParam();
    Session session;
    EXPECT_EQ(ReadInto(session, c.kind, c.bytes), std::nullopt);
    EXPECT_EQ(Rows(session), c.rows);
}

const std::string Name296(296, 'n');
const std::string Name299(299, 'n');
const std::string Cut255(255, 'n');

INSTANTIATE_TEST_SUITE_P(
    Cases, DelimitedReadTest,
    testing::Values(
        ReadCase{"csv line", FileKind::Csv, "-3.70380,40.41680,Madrid,0\r\n", {"Madrid|-3.70380|40.41680|0"}},
        ReadCase{"csv without mark", FileKind::Csv, "4.89355,52.37187,Amsterdam", {"Amsterdam|4.89355|52.37187|2"}},
        ReadCase{"comment lines", FileKind::Csv, ";4.89355,52.37187,A\r\n  ;1,2,B\n1,2,C\n",
                 {"C|1.00000|2.00000|2"}},
        ReadCase{"fewer than three fields", FileKind::Csv, "1,2\n,\n1,2,\n", {}},
        ReadCase{"asc degrees minutes seconds", FileKind::Asc, "4 53 36,52 22 18,X\r\n",
                 {"X|4.89333|52.37167|2"}},
        ReadCase{"asc marks count as blanks", FileKind::Asc, "4:53:36,52'22'18\",\"X\",1\r\n",
                 {"X|4.89333|52.37167|1"}},
        ReadCase{"csv takes only the leading numbers", FileKind::Csv, "4 53 36,52 22 18,X\r\n",
                 {"X|4.00000|52.00000|2"}},
        ReadCase{"poi reads like csv", FileKind::Poi, "4.89355,52.37187,\"Museo\",3\r\n",
                 {"Museo|4.89355|52.37187|3"}},
        ReadCase{"quoted comma and doubled quotes", FileKind::Csv, "1,2,\"Bar \"\"Pepe\"\", centro\",1\r\n",
                 {"Bar \"Pepe\", centro|1.00000|2.00000|1"}},
        ReadCase{"open quote ends with the line", FileKind::Csv, "1,2,\"abc,def\r\n3,4,X,0\r\n",
                 {"abc,def|1.00000|2.00000|2", "X|3.00000|4.00000|0"}},
        ReadCase{"bad coordinates leave empty cells", FileKind::Csv, "abc,91,X\n12abc,0,Y\n-0.0000001,-0,Z\n",
                 {"X|||2", "Y|12.00000|0.00000|2", "Z|0.00000|0.00000|2"}},
        ReadCase{"marks", FileKind::Csv, "1,1,A,3\n1,1,B,4\n1,1,C,-1\n1,1,D, 1x\n1,1,E,x\n",
                 {"A|1.00000|1.00000|3", "B|1.00000|1.00000|2", "C|1.00000|1.00000|2", "D|1.00000|1.00000|1",
                  "E|1.00000|1.00000|0"}},
        ReadCase{"unusable name skips the line", FileKind::Csv, "1,1,  \n1,1,\"|\",1\n", {}},
        ReadCase{"long line keeps 303 characters", FileKind::Csv,
                 "1,2," + Name296 + ",1\n1,2," + Name299 + ",1\n",
                 {Cut255 + "|1.00000|2.00000|1", Cut255 + "|1.00000|2.00000|2"}},
        ReadCase{"tab line", FileKind::Txt, "Amsterdam\t4.89355\t52.37187\r\n", {"Amsterdam|4.89355|52.37187|2"}},
        ReadCase{"tab marks", FileKind::Txt, "A\t1\t1\tMuseo\nB\t1\t1\t7\nC\t1\t1\t1\n",
                 {"A|1.00000|1.00000|0", "B|1.00000|1.00000|2", "C|1.00000|1.00000|1"}},
        ReadCase{"tab line without name is skipped", FileKind::Txt, "\t4.89355\t52.37187\n;A\t1\t1\nB\t1\n", {}},
        ReadCase{"tab keeps quotes and commas", FileKind::Txt, "\"A, b\"\t1\t2\t0", {"\"A, b\"|1.00000|2.00000|0"}},
        ReadCase{"ANSI is Windows-1252", FileKind::Csv, "1,1,\x80uro \xC1vila\n", {"\xE2\x82\xACuro \xC3\x81vila|1.00000|1.00000|2"}},
        ReadCase{"UTF-8 after its mark", FileKind::Csv, "\xEF\xBB\xBF" "1,1,\xE5\x8C\x97\xE4\xBA\xAC\n",
                 {"\xE5\x8C\x97\xE4\xBA\xAC|1.00000|1.00000|2"}},
        ReadCase{"UTF-16 after its mark", FileKind::Txt, "\xFF\xFE" + Utf16(u"\u5317\t1\t2\t1\r\n"),
                 {"\xE5\x8C\x97|1.00000|2.00000|1"}},
        ReadCase{"UTF-16 without final line end", FileKind::Csv, "\xFF\xFE" + Utf16(u"1,2,A"),
                 {"A|1.00000|2.00000|2"}},
        // The odd byte pairs with the guard's first byte, and the guard's line end is lost.
        ReadCase{"UTF-16 of odd length", FileKind::Csv, "\xFF\xFE" + Utf16(u"1,2,A\n1,2,B") + "C",
                 {"A|1.00000|2.00000|2", "B\xE0\xA9\x83|1.00000|2.00000|2"}},
        ReadCase{"UTF-16 line ends are whole units", FileKind::Txt, "\xFF\xFE" + Utf16(u"\u0A0D\u0D0A\t1\t2\n"),
                 {"\xE0\xA8\x8D\xE0\xB4\x8A|1.00000|2.00000|2"}},
        ReadCase{"UTF-8 sequence cut by a line end", FileKind::Csv,
                 "\xEF\xBB\xBF" "1,1,A\xE2\n1,1,B\xE2\x82\r1,1,\xC3\xB1\n",
                 {"A\xEF\xBF\xBD|1.00000|1.00000|2", "B\xEF\xBF\xBD\xEF\xBF\xBD|1.00000|1.00000|2",
                  "\xC3\xB1|1.00000|1.00000|2"}},
        ReadCase{"lines ended by CR alone", FileKind::Csv, "1,1,A\r2,2,B\r",
                 {"A|1.00000|1.00000|2", "B|2.00000|2.00000|2"}}),
    [](const testing::TestParamInfo<ReadCase>& param) {
        std::string name;
        for (const char* p = param.param.title; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST(DelimitedRead, SetsTheKindOfTheDetectedEncoding) {
    struct Case {
        FileKind openKind;
        std::string bytes;
        FileKind detected;
    };
    const Case cases[] = {
        {FileKind::Csv, "1,1,A\n", FileKind::CsvAnsi},   {FileKind::Csv, "\xFF\xFE", FileKind::CsvUnicode},
        {FileKind::Asc, "\xEF\xBB\xBF", FileKind::AscUtf8}, {FileKind::Poi, "\xFF\xFE", FileKind::PoiUnicode},
        {FileKind::Txt, "", FileKind::TxtAnsi},          {FileKind::Txt, "\xEF\xBB\xBF", FileKind::TxtUtf8},
    };
    for (const Case& c : cases) {
        Session session;
        FileKind detected = c.openKind;
        ReadInto(session, c.openKind, c.bytes, false, nullptr, &detected);
        EXPECT_EQ(detected, c.detected) << static_cast<int>(c.openKind) << " " << c.bytes;
    }
}

TEST(DelimitedWrite, LinesOfEachKind) {
    Session session;
    AddRow(session, u"Madrid", u"-3.70380", u"40.41680", MarkDestination);
    AddRow(session, u"Bar \"Pepe\", centro", u"", u"1.00000", MarkWaypoint);
    const struct {
        FileKind kind;
        std::string bytes;
    } cases[] = {
        {FileKind::CsvAnsi, "-3.70380,40.41680,Madrid,2\r\n,1.00000,\"Bar \"\"Pepe\"\", centro\",0\r\n"},
        {FileKind::AscAnsi, "-3.70380,40.41680,\"Madrid\",2\r\n,1.00000,\"Bar \"\"Pepe\"\", centro\",0\r\n"},
        {FileKind::PoiAnsi, "-3.70380,40.41680,\"Madrid\",2\r\n,1.00000,\"Bar \"\"Pepe\"\", centro\",0\r\n"},
        {FileKind::TxtAnsi, "Madrid\t-3.70380\t40.41680\t2\r\nBar \"Pepe\", centro\t\t1.00000\t0\r\n"},
        {FileKind::CsvUtf8, "\xEF\xBB\xBF-3.70380,40.41680,Madrid,2\r\n,1.00000,\"Bar \"\"Pepe\"\", centro\",0\r\n"},
        {FileKind::TxtUnicode, "\xFF\xFE" + Utf16(u"Madrid\t-3.70380\t40.41680\t2\r\nBar \"Pepe\", centro\t\t1.00000\t0\r\n")},
    };
    for (const auto& c : cases) EXPECT_EQ(WriteOut(session, c.kind), c.bytes) << static_cast<int>(c.kind);
}

TEST(DelimitedWrite, AnsiPutsAQuestionMarkForWhatWindows1252Lacks) {
    Session session;
    AddRow(session, u"\u20AC \u00C1vila \u5317 \U0001F600", u"1.00000", u"1.00000");
    EXPECT_EQ(WriteOut(session, FileKind::CsvAnsi), "1.00000,1.00000,\x80 \xC1vila ? ?,2\r\n");
}

TEST(DelimitedWrite, CoordinatesArePlainDecimals) {
    Session session;
    session.options.set(Option::DmsFormat, true);
    session.options.set(Option::CompassDirection, true);
    AddRow(session, u"Madrid", u"W 3\u00B0 42' 13.68\"", u"N 40\u00B0 25' 00.48\"");
    EXPECT_EQ(WriteOut(session, FileKind::TxtAnsi), "Madrid\t-3.70380\t40.41680\t2\r\n");
}

TEST(DelimitedWrite, EveryKindReadsBackTheSameRows) {
    Session source;
    AddRow(source, u"Madrid", u"-3.70380", u"40.41680", MarkDestination);
    AddRow(source, u"Bar \"Pepe\", centro; \u00C1vila", u"", u"1.00000", MarkWaypoint);
    AddRow(source, u"'x': \"y\"", u"179.99999", u"-89.99999", MarkDestinationVisited);
    for (int value = static_cast<int>(FileKind::CsvAnsi); value <= static_cast<int>(FileKind::TxtUtf8); ++value) {
        const auto kind = static_cast<FileKind>(value);
        const auto openKind = static_cast<FileKind>(5 + (value - 9) / 3);
        Session copy;
        FileKind detected = openKind;
        ReadInto(copy, openKind, WriteOut(source, kind), false, nullptr, &detected);
        EXPECT_EQ(Rows(copy), Rows(source)) << value;
        EXPECT_EQ(detected, kind);
    }
}

}  // namespace
}  // namespace wayloom
