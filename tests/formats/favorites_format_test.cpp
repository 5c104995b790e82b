#include "formats/favorites_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/format_test_support.h"
#include "formats/itn_format.h"

namespace wayloom {
namespace {

using test::AddRow;
using Lines = std::vector<std::string>;

constexpr int Favorite = 3;
constexpr int Home = 4;
constexpr int Recent = 9;

void Put32(std::string& bytes, std::size_t at, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
}

// A location record: the fixed fields, the position in 1e-5 degree, o1 = 27 (at 26), o2 = 27 (at 27)
// and so the name's length byte, which holds the length plus 27, at o1 + o2 - 26 = 28.
std::string Record(int type, std::int32_t lng, std::int32_t lat, std::string_view name) {
    std::string bytes(29, '\0');
    bytes[0] = 4;
    bytes[2] = static_cast<char>(type);
    bytes[6] = 8;
    Put32(bytes, 8, lng);
    Put32(bytes, 12, lat);
    bytes[16] = 8;
    bytes[26] = 27;
    bytes[27] = 27;
    bytes[28] = static_cast<char>(name.size() + 27);
    return bytes + std::string(name);
}

std::string WithByte(std::string bytes, std::size_t at, int value) {
    bytes[at] = static_cast<char>(value);
    return bytes;
}

// Reads a Favorites file into the session (a new one when none is given).
Lines ReadLocations(std::string_view file, bool includeHomeAndRecent = false, Session* into = nullptr) {
    Session session;
    Session& target = into ? *into : session;
    UiPort ui;
    ProgressReporter progress;
    ReadContext context(target, ui, progress);
    context.kind = FileKind::Favorites;
    EXPECT_EQ(ReadFavorites(context, file, includeHomeAndRecent), std::nullopt);
    EXPECT_EQ(context.kind, FileKind::Itn);
    return test::Rows(target);
}

const std::string Locations = "header" + Record(Favorite, 489355, 5237187, "Casa Pepe") + "gap" +
                              Record(Home, -370380, 4041680, "Oficina") + Record(Recent, 0, 0, "Playa");

TEST(FavoritesReader, TakesFavoritesOnlyUnlessHomeAndRecentAreIncluded) {
    EXPECT_EQ(ReadLocations(Locations), Lines{"Casa Pepe|4.89355|52.37187|2"});
    EXPECT_EQ(ReadLocations(Locations, true),
              (Lines{"Casa Pepe@Favorito|4.89355|52.37187|2", "Oficina@Casa|-3.70380|40.41680|2",
                     "Playa@Destino reciente|0.00000|0.00000|2"}));
}

TEST(FavoritesReader, PassesOverARecordWithTheSameNameAndPositionOnly) {
    const std::string file = Record(Favorite, 100, 200, "Bar") + Record(Favorite, 100, 200, "Bar") +
                             Record(Favorite, 100, 201, "Bar") + Record(Favorite, 100, 200, "Bar");
    EXPECT_EQ(ReadLocations(file), (Lines{"Bar|0.00100|0.00200|2", "Bar|0.00100|0.00201|2"}));
}

TEST(FavoritesReader, ComparesWithRowsAlreadyInTheTableInTheirDisplayForm) {
    Session session;
    session.options.set(Option::DmsFormat, true);
    AddRow(session, u"Madrid", u"-3° 42' 13.68\"", u"40° 25' 00.48\"");
    EXPECT_EQ(
        ReadLocations(Record(Favorite, -370380, 4041680, "Madrid") + Record(Favorite, 0, 0, "Madrid"), false, &session),
        (Lines{"Madrid|-3° 42' 13.68\"|40° 25' 00.48\"|2", "Madrid|0° 00' 00.00\"|0° 00' 00.00\"|2"}));
}

TEST(FavoritesReader, KeepsARecordOutOfRangeWithEmptyCoordinates) {
    EXPECT_EQ(
        ReadLocations(Record(Favorite, 18000001, 9000000, "Lejos") + Record(Favorite, -18000000, -9000001, "Sur")),
        (Lines{"Lejos||90.00000|2", "Sur|-180.00000||2"}));
}

TEST(FavoritesReader, DecodesLatinAndPackedWideNames) {
    // 0x2141 and 0x21E9 lie in the packed form's Latin-1 range; other codes are unpacked too.
    const std::string packed = std::string(">>") +
                               "A\x21"
                               "\xE9\x21"
                               "\x42\x30";
    EXPECT_EQ(ReadLocations(Record(Favorite, 0, 0, "Caf\xE9") + Record(Favorite, 0, 0, packed)),
              (Lines{"Café|0.00000|0.00000|2",
                     "Aé" + ToUtf8(std::u16string(1, UnpackWideCode(0x3042))) + "|0.00000|0.00000|2"}));
}

TEST(FavoritesReader, CleansNamesAndResumesAfterAnUnusableOne) {
    EXPECT_EQ(ReadLocations(Record(Favorite, 0, 0, "  \x01 ") + Record(Favorite, 0, 0, "a|b>c")),
              Lines{"a b c|0.00000|0.00000|2"});
}

TEST(FavoritesReader, EndsTheScanAtANameReachingPastTheEnd) {
    std::string cut = Record(Favorite, 0, 0, "Uno") + Record(Favorite, 0, 0, "Dos") + Record(Favorite, 0, 0, "Tres");
    cut.resize(cut.size() - 1);
    EXPECT_EQ(ReadLocations(cut), (Lines{"Uno|0.00000|0.00000|2", "Dos|0.00000|0.00000|2"}));
    // An offset past the end stops the scan even though a whole record follows.
    EXPECT_EQ(ReadLocations(WithByte(Record(Favorite, 0, 0, "Uno"), 26, 120) + Record(Favorite, 0, 0, "Dos")), Lines{});
}

TEST(FavoritesReader, OffsetsPointingBackwardsNeverLoopOrLeaveTheFile) {
    // o1 leading before the file's start: no record there.
    EXPECT_EQ(ReadLocations(WithByte(Record(Favorite, 0, 0, "X"), 26, -1) + Record(Favorite, 0, 0, "Dos")),
              Lines{"Dos|0.00000|0.00000|2"});
    // o2 leading back into the bytes before the record: the name found there is read, and the scan
    // still moves on to the next record.
    const std::string backwards = std::string(40, '.') + WithByte(Record(Favorite, 0, 0, "Uno"), 27, -30);
    EXPECT_EQ(ReadLocations(backwards + Record(Favorite, 0, 0, "Dos")),
              (Lines{"...................|0.00000|0.00000|2", "Dos|0.00000|0.00000|2"}));
}

TEST(FavoritesReader, AFileWithoutRecordsIsEmpty) {
    EXPECT_EQ(ReadLocations(""), Lines{});
    EXPECT_EQ(ReadLocations(std::string(29, '\x04')), Lines{});
}

TEST(FavoritesLink, EncodesTheNameAfterTurningPercentAndAmpersandIntoBlanks) {
    Session session;
    session.options.set(Option::CompassDirection, true);
    AddRow(session, u"Café & Bar", u"E 4.89355", u"N 52.37187");
    AddRow(session, u"50% Plaza España 1", u"W 3.70380", u"S 0.50000");
    EXPECT_EQ(TomTomHomeLink(session, 0), u"tomtomhome:geo:lat=52.37187&long=4.89355&name=Caf%C3%A9%20%20%20Bar");
    EXPECT_EQ(TomTomHomeLink(session, 1),
              u"tomtomhome:geo:lat=-0.50000&long=-3.70380&name=50%20%20Plaza%20Espa%C3%B1a%201");
}

}  // namespace
}  // namespace wayloom
