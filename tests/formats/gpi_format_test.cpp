#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/format_test_support.h"

namespace wayloom {
namespace {

using test::ReadInto;
using Lines = std::vector<std::string>;

const FileMessage ContentWrong{TextId::FileContentWrong, u"test"};
const FileMessage ContentUnknown{TextId::FileContentUnknown, u"test"};

void Put16(std::string& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

constexpr std::string_view NoLanguage{"\0\0", 2};

// A GPI header: signature, A, "POI", the code page and an optional English text before the records.
std::string Header(std::uint32_t codePage = 1252, std::uint16_t a = 6, std::string_view text = "My points",
                   std::string_view language = "EN") {
    std::string bytes(a + 64u, '\0');
    bytes.replace(8, 8, "GRMREC00");
    Put16(bytes, 22, a);
    bytes.replace(a + 32u, 3, "POI");
    Put32(bytes, a + 40u, codePage);
    bytes.replace(a + 60u, 2, language);
    Put16(bytes, a + 62u, static_cast<std::uint32_t>(text.size()));
    return bytes + std::string(text);
}

// A waypoint record (type 2, flags 8) with a name in one language.
std::string Record(std::int32_t lat, std::int32_t lng, std::string_view name, std::string_view language = "EN") {
    std::string bytes(31, '\0');
    bytes.replace(0, 4, std::string("\x02\x00\x08\x00", 4));
    Put32(bytes, 12, static_cast<std::uint32_t>(lat));
    Put32(bytes, 16, static_cast<std::uint32_t>(lng));
    bytes.replace(27, 2, language);
    Put16(bytes, 29, static_cast<std::uint32_t>(name.size()));
    bytes += name;
    Put32(bytes, 4, static_cast<std::uint32_t>(bytes.size() - 12));
    return bytes;
}

// The bytes after the last record: a record must end before the file's last 32 bytes.
const std::string Trailer(33, '\0');

constexpr std::int32_t BarcelonaLat = 493792987;
constexpr std::int32_t BarcelonaLng = 24508992;

struct ReadCase {
    const char* what;
    std::string file;
    FileResult result;
    Lines rows;
};

class GpiReader : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GpiReader, ReadsWaypointRecords) {
    const ReadCase& c = GetParam();
    Session session;
    EXPECT_EQ(ReadInto(session, FileKind::Gpi, c.file), c.result);
    EXPECT_EQ(test::Rows(session), c.rows);
}

std::string WithByte(std::string bytes, std::size_t at, char value) {
    bytes[at] = value;
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GpiReader,
    ::testing::Values(
        ReadCase{"units of 360 / 2^32 degree, rounded to five decimals",
                 Header() + Record(BarcelonaLat, BarcelonaLng, "Barcelona") +
                     Record(-BarcelonaLat, -BarcelonaLng, "Sur") + Trailer,
                 std::nullopt,
                 {"Barcelona|2.05432|41.38925|2", "Sur|-2.05432|-41.38925|2"}},
        ReadCase{"a name only in another language makes no row",
                 Header() + Record(BarcelonaLat, BarcelonaLng, "Deutsch", "DE") + Record(0, 0, "Null") + Trailer,
                 std::nullopt,
                 {"Null|0.00000|0.00000|2"}},
        ReadCase{"code page 1252",
                 Header(1252) +
                     Record(0, 0,
                            "Caf\xE9 Espa\xF1"
                            "a") +
                     Trailer,
                 std::nullopt,
                 {"Café España|0.00000|0.00000|2"}},
        ReadCase{"code page 1251",
                 Header(1251) +
                     Record(0, 0,
                            "Caf\xE9 Espa\xF1"
                            "a") +
                     Trailer,
                 std::nullopt,
                 {"Cafй Espaсa|0.00000|0.00000|2"}},
        ReadCase{"a code page nobody knows gives unusable names",
                 Header(99999) + Record(0, 0, "A") + Trailer,
                 std::nullopt,
                 {}},
        ReadCase{"a record ending within the last 32 bytes ends the scan",
                 Header() + Record(0, 0, "Uno") + Record(0, 0, "Dos") + std::string(32, '\0'),
                 std::nullopt,
                 {"Uno|0.00000|0.00000|2"}},
        ReadCase{
            "records after other bytes are found by the scan",
            Header() + "junk" + Record(0, 0, "Uno") + std::string("\x02\x00\x08", 3) + Record(0, 0, "Dos") + Trailer,
            std::nullopt,
            {"Uno|0.00000|0.00000|2", "Dos|0.00000|0.00000|2"}},
        ReadCase{"no English text in the header",
                 Header(1252, 6, "", NoLanguage) + Record(0, 0, "Uno") + Trailer,
                 std::nullopt,
                 {"Uno|0.00000|0.00000|2"}},
        ReadCase{"positions out of range leave empty cells",
                 Header() + Record(0x7FFFFFFF, BarcelonaLng, "Lejos") + Trailer,
                 std::nullopt,
                 {"Lejos|2.05432||2"}},
        ReadCase{"empty, zero-led and overlong names make no row",
                 Header() + Record(0, 0, "") + Record(0, 0, std::string("\0B", 2)) +
                     WithByte(Record(0, 0, "Largo"), 29, 6) + Record(0, 0, "  ") + Record(0, 0, "Bien") + Trailer,
                 std::nullopt,
                 {"Bien|0.00000|0.00000|2"}},
        ReadCase{
            "names are cleaned", Header() + Record(0, 0, " a|b\t") + Trailer, std::nullopt, {"a b|0.00000|0.00000|2"}},
        ReadCase{"too short", std::string(70, '\0'), ContentWrong, {}},
        ReadCase{"the smallest header, its fields ending at the file's end",
                 Header(1252, 7, "", NoLanguage),
                 std::nullopt,
                 {}},
        ReadCase{"not a Garmin record file", WithByte(Header() + Trailer, 15, '1'), ContentUnknown, {}},
        ReadCase{"not a POI file", WithByte(Header() + Trailer, 6 + 32, 'X'), ContentUnknown, {}},
        ReadCase{"A points past the end", WithByte(Header() + Trailer, 22, 60), ContentWrong, {}},
        ReadCase{"A points far past the end",
                 WithByte(WithByte(Header() + Trailer, 22, '\xFF'), 23, '\xFF'),
                 ContentWrong,
                 {}},
        ReadCase{"the header text runs past the end",
                 WithByte(Header() + Record(0, 0, "A") + Trailer, 6 + 63, '\x7F'),
                 std::nullopt,
                 {}}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return "case" + std::to_string(param.index); });

TEST(GpiReader, RowsAreDestinationsInTheCurrentDisplayForm) {
    Session session;
    session.options.set(Option::CompassDirection, true);
    ASSERT_EQ(ReadInto(session, FileKind::Gpi, Header() + Record(-BarcelonaLat, BarcelonaLng, "Barcelona") + Trailer),
              std::nullopt);
    EXPECT_EQ(test::Rows(session), Lines{"Barcelona|E 2.05432|S 41.38925|2"});
}

// Reads the bytes from an allocation of exactly their size, so that AddressSanitizer sees any read
// past the end.
int ReadExactly(std::string_view bytes) {
    Session session;
    UiPort ui;
    ProgressReporter progress;
    ReadContext context(session, ui, progress);
    const auto copy = std::make_unique<char[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), copy.get());
    ReadGpi(context, std::string_view(copy.get(), bytes.size()));
    return session.table.rowCount();
}

TEST(GpiReader, NeverReadsPastACutOrDamagedFile) {
    const std::string file = Header() + Record(BarcelonaLat, BarcelonaLng, "Barcelona") + Record(0, 0, "Dos") + Trailer;
    for (std::size_t size = 0; size <= file.size(); ++size) EXPECT_LE(ReadExactly(file.substr(0, size)), 2);
    for (std::size_t at = 0; at < file.size(); ++at)
        for (const char value : {'\0', '\x7F', '\xFF'}) EXPECT_LE(ReadExactly(WithByte(file, at, value)), 2);
}

}  // namespace
}  // namespace wayloom
