// ITN against a real peer, GPSBabel 1.8 (its last release that reads and writes ITN): what we write
// it reads with the same names and coordinates, and what it writes we read the same way.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "format_test_support.h"
#include "temp_folder.h"

namespace wayloom {
namespace {

using test::AddRow;
using test::TempFolder;

struct Place {
    std::string name;  // UTF-8
    double lng;
    double lat;
};

bool GpsbabelReadsItn() {
    FILE* pipe = popen("gpsbabel -^3 2>/dev/null", "r");
    if (!pipe) return false;
    std::string formats;
    char buffer[4096];
    while (const std::size_t got = fread(buffer, 1, sizeof buffer, pipe)) formats.append(buffer, got);
    return pclose(pipe) == 0 && formats.find("\ttomtom_itn\t") != std::string::npos;
}

std::string Unescape(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;) text.replace(at, std::strlen(entity), character);
    return text;
}

class ItnInterop : public testing::Test {
protected:
    void SetUp() override {
        if (!GpsbabelReadsItn()) GTEST_SKIP() << "gpsbabel with tomtom_itn is not installed";
    }
    void Gpsbabel(const std::string& arguments) {
        const std::string command = "cd '" + folder.path().string() + "' && gpsbabel " + arguments + " 2> gpsbabel.log";
        ASSERT_EQ(std::system(command.c_str()), 0) << command << "\n" << folder.read("gpsbabel.log");
    }
    // The route points of a GPX file gpsbabel wrote: <rtept lat="..." lon="..."> <name>...</name>.
    std::vector<Place> RoutePoints(const std::string& gpxName) {
        const std::string gpx = folder.read(gpxName);
        auto between = [&](const std::string& open, const std::string& close, std::size_t& at) {
            const std::size_t start = gpx.find(open, at) + open.size();
            at = gpx.find(close, start);
            return gpx.substr(start, at - start);
        };
        std::vector<Place> places;
        for (std::size_t at = gpx.find("<rtept "); at != std::string::npos; at = gpx.find("<rtept ", at)) {
            const std::string lat = between("lat=\"", "\"", at);
            const std::string lng = between("lon=\"", "\"", at);
            const std::string name = between("<name>", "</name>", at);
            places.push_back({Unescape(name), std::stod(lng), std::stod(lat)});
        }
        return places;
    }
    static void ExpectSamePlaces(const std::vector<Place>& actual, const std::vector<Place>& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].name, expected[i].name);
            EXPECT_NEAR(actual[i].lng, expected[i].lng, 1e-5 + 1e-9) << expected[i].name;
            EXPECT_NEAR(actual[i].lat, expected[i].lat, 1e-5 + 1e-9) << expected[i].name;
        }
    }

    TempFolder folder;
};

// Names gpsbabel writes back unchanged: Latin-1 only, and no commas (gpsbabel drops them).
const std::vector<Place> Latin1Places = {
    {"Amsterdam", 4.89355, 52.37187},        {"\xC3\x81vila", -4.70000, 40.65000},
    {"K\xC3\xB6ln Hbf", 6.95833, 50.94278},   {"Plaza Mayor 1 & \"Real\"", -3.70738, 40.41553},
    {"Zero", 0, 0},                          {"Tiny west", -0.00001, -0.00001},
    {"Edge east", 180, 90},                  {"Edge west", -179.99999, -89.99999},
};

std::vector<Place> WithCjk() {
    std::vector<Place> places = Latin1Places;
    places.push_back({"\xE5\x8C\x97\xE4\xBA\xAC", 116.39723, 39.9075});
    return places;
}

TEST_F(ItnInterop, GpsbabelReadsWhatWeWrite) {
    for (const std::vector<Place>& places : {Latin1Places, WithCjk()}) {
        Session session;
        for (const Place& place : places)
            AddRow(session, FromUtf8(place.name), FormatFiveDecimals(place.lng), FormatFiveDecimals(place.lat));
        folder.write("ours.itn", test::WriteOut(session, FileKind::Itn));
        Gpsbabel("-i tomtom_itn -f ours.itn -o gpx -F theirs.gpx");
        ExpectSamePlaces(RoutePoints("theirs.gpx"), places);
    }
}

TEST_F(ItnInterop, WeReadWhatGpsbabelWrites) {
    std::string csv = "Name,Latitude,Longitude\n";
    for (const Place& place : Latin1Places) {
        std::string quoted;
        for (char c : place.name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        char line[256];
        std::snprintf(line, sizeof line, "\"%s\",%.5f,%.5f\n", quoted.c_str(), place.lat, place.lng);
        csv += line;
    }
    folder.write("source.csv", csv);
    // gpsbabel writes routes as ITN: the points become one route first.
    Gpsbabel("-i unicsv -f source.csv -x transform,rte=wpt -o tomtom_itn -F theirs.itn");
    Session session;
    ASSERT_EQ(test::ReadInto(session, FileKind::Itn, folder.read("theirs.itn")), std::nullopt);
    std::vector<Place> read;
    for (int row = 0; row < session.table.rowCount(); ++row)
        read.push_back({ToUtf8(session.table.text(row, ColumnName)),
                        ReadDisplayedCoordinate(session.table.text(row, ColumnLng), session.display()),
                        ReadDisplayedCoordinate(session.table.text(row, ColumnLat), session.display())});
    ExpectSamePlaces(read, Latin1Places);
}

}  // namespace
}  // namespace wayloom
