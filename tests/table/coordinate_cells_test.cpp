#include "table/coordinate_cells.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace wayloom {
namespace {

struct RecordingMapPage : MapPagePort {
    std::vector<int> commands;
    void sendCommand(int command) override { commands.push_back(command); }
};

struct RecordingView : TableViewPort {
    std::vector<std::pair<int, bool>> fitted;  // column, forced
    void fitColumnWidths(int column, bool forced, bool showStatus) override {
        EXPECT_FALSE(showStatus);
        fitted.emplace_back(column, forced);
    }
};

struct OpenCheckResults : CheckResultsPort {
    std::vector<std::u16string> copiedLng;
    bool isOpen() const override { return true; }
    void coordinatesReformatted(const WorkTable& table) override {
        for (int row = 0; row < table.rowCount(); ++row) copiedLng.push_back(table.text(row, ColumnLng));
    }
};

class CoordinateCells : public testing::Test {
protected:
    CoordinateCells() {
        session.mapPage = &map;
        session.view = &view;
        session.table.insert({0, u"Madrid", u"-3.70380", u"40.41680"});
        session.table.insert({1, u"Sydney", u"151.20930", u"-33.86880"});
        session.table.insert({2, u"Sin Lng", u"", u"40.41667"});
        session.table.insert({3, u"Cero", u"0.00000", u"0.20833"});
    }

    std::u16string cell(int row, int column) const { return session.table.text(row, column); }

    Session session;
    RecordingMapPage map;
    RecordingView view;
};

TEST_F(CoordinateCells, StoresTheDisplayFormOfALeadingNumber) {
    const struct {
        std::u16string_view text;
        CoordinateKind kind;
        CoordinateDisplay display;
        std::u16string_view expected;
    } cases[] = {
        {u"12abc", CoordinateKind::Lng, {}, u"12.00000"},
        {u"-0.0", CoordinateKind::Lat, {}, u"0.00000"},
        {u"-0.000004", CoordinateKind::Lng, {}, u"0.00000"},
        {u"0", CoordinateKind::Lng, {true, true}, u"E 0° 00' 00.00\""},
        {u" -3.7038", CoordinateKind::Lng, {true, true}, u"W 3° 42' 13.68\""},
        {u"2e1", CoordinateKind::Lat, {false, true}, u"N 20.00000"},
        {u"-180", CoordinateKind::Lng, {}, u"-180.00000"},
    };
    for (const auto& c : cases) {
        session.options.set(Option::DmsFormat, c.display.dms);
        session.options.set(Option::CompassDirection, c.display.compass);
        const int column = c.kind == CoordinateKind::Lng ? ColumnLng : ColumnLat;
        SetCoordinateCell(session, c.text, 0, c.kind, false);
        EXPECT_EQ(cell(0, column), c.expected) << testing::PrintToString(std::u16string(c.text));
    }
    EXPECT_EQ(cell(0, ColumnName), u"Madrid");
}

TEST_F(CoordinateCells, BadTextEmptiesTheCellOnlyWhenAllowed) {
    for (std::u16string_view bad : {u"abc", u"", u"0abc", u"181", u"1e999", u"-"}) {
        SetCoordinateCell(session, bad, 1, CoordinateKind::Lng, false);
        EXPECT_EQ(cell(1, ColumnLng), u"151.20930") << testing::PrintToString(std::u16string(bad));
    }
    SetCoordinateCell(session, u"abc", 1, CoordinateKind::Lng, true);
    EXPECT_EQ(cell(1, ColumnLng), u"");
    SetCoordinateCell(session, u"", 1, CoordinateKind::Lat, true);
    EXPECT_EQ(cell(1, ColumnLat), u"");
    SetCoordinateCell(session, u"-90.5", 0, CoordinateKind::Lat, true);
    EXPECT_EQ(cell(0, ColumnLat), u"");
    // Longitude allows what latitude does not.
    SetCoordinateCell(session, u"-90.5", 0, CoordinateKind::Lng, true);
    EXPECT_EQ(cell(0, ColumnLng), u"-90.50000");
}

// Plain decimals as files carry them are turned straight into the display text; the result must be
// the one reading the number and rounding its double gives, ties and carries included.
TEST(CoordinateCellText, ShortDecimalsGiveWhatReadingAndRoundingGive) {
    const struct {
        std::u16string_view text;
        CoordinateKind kind;
        bool compass;
        std::u16string_view expected;  // empty: no coordinate
    } cases[] = {
        {u"0.015625", CoordinateKind::Lng, false, u"0.01562"},  // an exact binary tie rounds to even
        {u"2.000005", CoordinateKind::Lng, false, u"2.00000"},  // a decimal tie goes by its double
        {u"1.234565", CoordinateKind::Lat, false, u"1.23456"},
        {u"12.345675", CoordinateKind::Lat, false, u"12.34567"},
        {u"12.3456749999", CoordinateKind::Lat, false, u"12.34567"},
        {u"3.999996", CoordinateKind::Lat, false, u"4.00000"},
        {u"179.999996", CoordinateKind::Lng, false, u"180.00000"},
        {u"180.0000049", CoordinateKind::Lng, false, u"180.00000"},
        {u"180.000005", CoordinateKind::Lng, false, u""},  // rounds past the range
        {u"90.000006", CoordinateKind::Lat, false, u""},
        {u"0.000005", CoordinateKind::Lat, false, u"0.00001"},
        {u"-0.000005", CoordinateKind::Lat, false, u"-0.00001"},
        {u"-0.000004", CoordinateKind::Lng, false, u"0.00000"},
        {u"-0.000006", CoordinateKind::Lat, false, u"-0.00001"},
        {u"-0", CoordinateKind::Lat, false, u"0.00000"},
        {u"+5", CoordinateKind::Lng, false, u"5.00000"},
        {u"5.", CoordinateKind::Lng, false, u"5.00000"},
        {u"007.5", CoordinateKind::Lng, false, u"7.50000"},
        {u".5", CoordinateKind::Lat, false, u"0.50000"},
        {u"12345.6", CoordinateKind::Lng, false, u""},
        {u"1e2", CoordinateKind::Lng, false, u"100.00000"},
        {u" 2.5", CoordinateKind::Lng, false, u"2.50000"},
        {u"2.5 ", CoordinateKind::Lng, false, u"2.50000"},
        {u"-3.703794", CoordinateKind::Lng, true, u"W 3.70379"},
        {u"40.416785", CoordinateKind::Lat, true, u"N 40.41678"},
    };
    for (const auto& c : cases) {
        std::u16string text = u"unchanged";
        const bool stored = CoordinateCellText(c.text, c.kind, {false, c.compass}, text);
        EXPECT_EQ(stored, !c.expected.empty()) << testing::PrintToString(std::u16string(c.text));
        EXPECT_EQ(text, stored ? c.expected : u"unchanged") << testing::PrintToString(std::u16string(c.text));
    }
}

TEST(CoordinateCellText, AgreesWithTheGeneralReadingOnManyDecimals) {
    std::mt19937 random(12345);
    const auto digits = [&](int count) {
        std::u16string text;
        for (int i = 0; i < count; ++i) text += static_cast<char16_t>(u'0' + random() % 10);
        return text;
    };
    for (int i = 0; i < 200000; ++i) {
        std::u16string text = random() % 3 == 0 ? u"-" : u"";
        text += digits(1 + random() % 3);
        text += u'.';
        text += digits(random() % 10);
        // Half the texts end in a run of nines or on an exact half, where rounding is delicate.
        if (random() % 2) text += random() % 2 ? u"99999" : u"5";
        const CoordinateKind kind = random() % 2 ? CoordinateKind::Lng : CoordinateKind::Lat;
        const double value = ReadLeadingNumber(text);
        const std::optional<std::u16string> general =
            FormatCheckedCoordinate(false, value > -0.000005 && value <= 0 ? 0 : value, kind, {});
        std::u16string fast;
        ASSERT_EQ(CoordinateCellText(text, kind, {}, fast), general.has_value()) << testing::PrintToString(text);
        if (general) {
            ASSERT_EQ(fast, *general) << testing::PrintToString(text);
        }
    }
}

TEST_F(CoordinateCells, WritesThroughTheRecordedWrapper) {
    session.journal.BeginStep();
    SetCoordinateCell(session, u"1.5", 2, CoordinateKind::Lng, false);
    EXPECT_TRUE(session.journal.CanUndo());
    const UndoRecord* record = session.journal.newestRecord();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->kind, RecordKind::TextChange);
    EXPECT_EQ(record->row, 2);
    EXPECT_EQ(record->column, ColumnLng);
    EXPECT_TRUE(record->texts[0].empty());
    EXPECT_EQ(cell(2, ColumnLng), u"1.50000");
}

TEST_F(CoordinateCells, ReformatAllRewritesEveryCoordinateAndComesBack) {
    ReformatAllCoordinates(session, true);
    EXPECT_TRUE(session.options[Option::DmsFormat]);
    EXPECT_EQ(cell(0, ColumnLng), u"-3° 42' 13.68\"");
    EXPECT_EQ(cell(1, ColumnLat), u"-33° 52' 07.68\"");
    EXPECT_EQ(cell(2, ColumnLat), u"40° 25' 00.01\"");
    EXPECT_EQ(cell(3, ColumnLat), u"0° 12' 29.99\"");
    EXPECT_EQ(cell(2, ColumnLng), u"");

    ReformatAllCoordinates(session, false);
    EXPECT_TRUE(session.options[Option::CompassDirection]);
    EXPECT_EQ(cell(0, ColumnLng), u"W 3° 42' 13.68\"");
    EXPECT_EQ(cell(0, ColumnLat), u"N 40° 25' 00.48\"");
    EXPECT_EQ(cell(3, ColumnLng), u"E 0° 00' 00.00\"");

    ReformatAllCoordinates(session, true);
    EXPECT_FALSE(session.options[Option::DmsFormat]);
    EXPECT_EQ(cell(1, ColumnLat), u"S 33.86880");

    ReformatAllCoordinates(session, false);
    EXPECT_FALSE(session.options[Option::CompassDirection]);
    const std::u16string_view original[4][2] = {{u"-3.70380", u"40.41680"},
                                                {u"151.20930", u"-33.86880"},
                                                {u"", u"40.41667"},
                                                {u"0.00000", u"0.20833"}};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(cell(row, ColumnLng), original[row][0]);
        EXPECT_EQ(cell(row, ColumnLat), original[row][1]);
    }
    EXPECT_EQ(map.commands, (std::vector<int>{6, 8, 7, 9}));
}

TEST_F(CoordinateCells, ReformatAllIsADisplayRewrite) {
    session.journal.BeginStep();
    ReformatAllCoordinates(session, true);
    EXPECT_FALSE(session.journal.CanUndo());
    EXPECT_EQ(session.modified, 0);
    EXPECT_EQ(view.fitted, (std::vector<std::pair<int, bool>>{{ColumnLng, false}, {ColumnLat, false}}));
}

TEST_F(CoordinateCells, ReformatAllUpdatesAnOpenCheckResultsWindow) {
    ReformatAllCoordinates(session, false);  // closed by default: nothing to copy
    OpenCheckResults results;
    session.checkResults = &results;
    ReformatAllCoordinates(session, false);
    EXPECT_EQ(results.copiedLng, (std::vector<std::u16string>{u"-3.70380", u"151.20930", u"", u"0.00000"}));
    ReformatAllCoordinates(session, false);
    EXPECT_EQ(results.copiedLng.front(), u"-3.70380");
    EXPECT_EQ(results.copiedLng.at(4), u"W 3.70380");
}

}  // namespace
}  // namespace wayloom
