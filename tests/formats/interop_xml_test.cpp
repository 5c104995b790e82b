// GPX, KML and GPI against a real peer, GPSBabel: what we write it reads with the same names and
// coordinates, and what it writes we read the same way. Skipped where gpsbabel is not installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "formats/format_test_support.h"
#include "model/coordinate_text.h"

namespace wayloom {
namespace {

namespace fs = std::filesystem;

struct Place {
    std::string name;  // UTF-8
    double lng;
    double lat;
};

// Names that exercise escaping and encodings (never '>': the table holds no such name).
const std::vector<Place> Places = {
    {"Fish & Chips", 4.89355, 52.37187},
    {"<b \"Quoted\" 'single' &amp;", -3.7038, 40.4168},
    {"北京 天安门", 116.39723, 39.9075},
    {"Emoji 😀 point", 151.2093, -33.8688},
    {"Zero", 0, 0},
    {"Edge west", -179.99999, -89.99999},
    {"Edge east", 180, 90},
    {"Café España ñ", 2.05432, 41.38925},
    {"Plaza  Mayor, 1", -0.00001, 0.00001},
};

bool HaveGpsbabel() { return std::system("gpsbabel -V > /dev/null 2>&1") == 0; }

class GpsbabelInterop : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveGpsbabel()) GTEST_SKIP() << "gpsbabel is not installed";
        dir_ = fs::temp_directory_path() /
               ("wayloom-interop-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        if (!dir_.empty()) fs::remove_all(dir_, ignored);
    }

    fs::path Path(const std::string& name) const { return dir_ / name; }

    static void WriteFile(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string ReadFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // Runs gpsbabel from one format to another; false when it fails.
    bool Convert(const std::string& from, const fs::path& in, const std::string& to, const fs::path& out) const {
        const std::string command = "gpsbabel -i " + from + " -f '" + in.string() + "' -o " + to + " -F '" +
                                    out.string() + "' > '" + Path("gpsbabel.log").string() + "' 2>&1";
        const bool converted = std::system(command.c_str()) == 0;
        if (!converted) ADD_FAILURE() << command << "\n" << ReadFile(Path("gpsbabel.log"));
        return converted;
    }

    fs::path dir_;
};

// The fields of one line of gpsbabel's unicsv output (comma separated, "" inside quotes).
std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<Place> ReadUnicsv(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    const std::vector<std::string> header = SplitCsvLine(line);
    const auto column = [&](const std::string& name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    const std::size_t name = column("Name"), lat = column("Latitude"), lng = column("Longitude");
    std::vector<Place> places;
    while (std::getline(lines, line)) {
        if (line.empty()) continue;
        const std::vector<std::string> fields = SplitCsvLine(line);
        if (std::max({name, lat, lng}) >= fields.size()) {
            ADD_FAILURE() << "short unicsv line: " << line;
            continue;
        }
        places.push_back({fields[name], std::stod(fields[lng]), std::stod(fields[lat])});
    }
    return places;
}

std::string UnicsvOf(const std::vector<Place>& places) {
    std::string csv = "No,Latitude,Longitude,Name\n";
    int number = 0;
    for (const Place& place : places) {
        std::string quoted;
        for (const char c : place.name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        csv += std::to_string(++number) + "," + ToUtf8(FormatFiveDecimals(place.lat)) + "," +
               ToUtf8(FormatFiveDecimals(place.lng)) + ",\"" + quoted + "\"\n";
    }
    return csv;
}

std::vector<Place> PlacesOf(const Session& session) {
    std::vector<Place> places;
    const CoordinateDisplay display = session.display();
    for (int row = 0; row < session.table.rowCount(); ++row)
        places.push_back({ToUtf8(session.table.text(row, ColumnName)),
                          ReadDisplayedCoordinate(session.table.text(row, ColumnLng), display),
                          ReadDisplayedCoordinate(session.table.text(row, ColumnLat), display)});
    return places;
}

void ExpectSamePlaces(std::vector<Place> actual, std::vector<Place> expected, bool asSets) {
    if (asSets) {
        const auto byName = [](const Place& a, const Place& b) { return a.name < b.name; };
        std::sort(actual.begin(), actual.end(), byName);
        std::sort(expected.begin(), expected.end(), byName);
    }
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_NEAR(actual[i].lng, expected[i].lng, 1.000001e-5) << expected[i].name;
        EXPECT_NEAR(actual[i].lat, expected[i].lat, 1.000001e-5) << expected[i].name;
    }
}

void AddPlaces(Session& session, const std::vector<Place>& places) {
    for (const Place& place : places)
        test::AddRow(session, FromUtf8(place.name), FormatCoordinate(CoordinateKind::Lng, place.lng, {}),
                     FormatCoordinate(CoordinateKind::Lat, place.lat, {}));
}

TEST_F(GpsbabelInterop, ReadsTheGpxAndKmlWeWrite) {
    Session session;
    AddPlaces(session, Places);
    for (const auto& [kind, format] : {std::pair{FileKind::Gpx, "gpx"}, std::pair{FileKind::Kml, "kml"}}) {
        SCOPED_TRACE(format);
        const fs::path ours = Path(std::string("ours.") + format);
        WriteFile(ours, test::WriteOut(session, kind));
        const fs::path csv = Path(std::string("ours-") + format + ".csv");
        ASSERT_TRUE(Convert(format, ours, "unicsv", csv));
        ExpectSamePlaces(ReadUnicsv(ReadFile(csv)), Places, false);
    }
}

TEST_F(GpsbabelInterop, WeReadTheGpxAndKmlItWrites) {
    const fs::path csv = Path("places.csv");
    WriteFile(csv, UnicsvOf(Places));
    for (const auto& [kind, format] : {std::pair{FileKind::Gpx, "gpx"}, std::pair{FileKind::Kml, "kml"}}) {
        SCOPED_TRACE(format);
        const fs::path theirs = Path(std::string("theirs.") + format);
        ASSERT_TRUE(Convert("unicsv", csv, format, theirs));
        Session session;
        ASSERT_EQ(test::ReadInto(session, kind, ReadFile(theirs)), std::nullopt);
        ExpectSamePlaces(PlacesOf(session), Places, false);
    }
}

TEST_F(GpsbabelInterop, WeReadTheGpiItWritesAsASet) {
    // gpsbabel writes GPI names in Windows-1252 with runs of blanks collapsed, orders the points its
    // own way and drops exact duplicates, so one is given twice.
    const std::vector<Place> places = {
        {"Café España ñ & <x", 2.05432, 41.38925},
        {"Plaza Mayor, 1", -0.00001, 0.00001},
        {"Otro sitio", -70.66667, -33.45},
        {"Ávila", -4.7, 40.65},
        {"Edge", 179.99999, -90},  // +180 is -180 in the signed units of the format
    };
    std::vector<Place> withDuplicate = places;
    withDuplicate.push_back(places.front());
    const fs::path csv = Path("places.csv");
    WriteFile(csv, UnicsvOf(withDuplicate));
    const fs::path gpi = Path("theirs.gpi");
    ASSERT_TRUE(Convert("unicsv", csv, "garmin_gpi", gpi));
    Session session;
    ASSERT_EQ(test::ReadInto(session, FileKind::Gpi, ReadFile(gpi)), std::nullopt);
    ExpectSamePlaces(PlacesOf(session), places, true);
    for (int row = 0; row < session.table.rowCount(); ++row) EXPECT_EQ(session.table.mark(row), MarkDestination);
}

}  // namespace
}  // namespace wayloom
