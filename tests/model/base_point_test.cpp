#include "model/base_point.h"

#include <gtest/gtest.h>

#include "table/distance_commands.h"
#include "table/table_fixture.h"

namespace wayloom {
namespace {

using testing::AddRows;

class BasePointTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddRows(session, {{u"Madrid", u"-3.70380", u"40.41680"},
                          {u"Barcelona", u"2.17446", u"41.38790"},
                          {u"Sin lng", u"", u"41.00000"},
                          {u"Valencia", u"-0.37739", u"39.46975"}});
    }
    std::u16string Distance(int row) { return session.table.text(row, ColumnDistancia); }
    Session session;
};

TEST_F(BasePointTest, FromTheBasePointEveryRowWithCoordinatesHasADistance) {
    session.adjacentDistance = 0;
    SetBaseRow(session, 0);
    EXPECT_EQ(session.baseRow, 0);
    EXPECT_EQ(session.table.itemData(0), BaseMarker);
    EXPECT_EQ(Distance(0), u"");
    EXPECT_EQ(session.table.itemData(1), 506152);
    EXPECT_EQ(Distance(1), u"506.2  km");
    EXPECT_EQ(session.table.itemData(2), NoDistance);
    EXPECT_EQ(Distance(2), u"");
    EXPECT_FALSE(Distance(3).empty());
}

TEST_F(BasePointTest, AdjacentModeSkipsRowZeroTheBaseAndRowsBelowAGap) {
    SetBaseRow(session, 1);
    EXPECT_EQ(session.table.itemData(0), 506152);  // the distance is known...
    for (int row = 0; row < 4; ++row) EXPECT_EQ(Distance(row), u"") << row;  // ...but no row shows one
}

TEST_F(BasePointTest, AdjacentModeTexts) {
    SetBaseRow(session, 0);
    EXPECT_EQ(Distance(0), u"");  // base row
    EXPECT_EQ(Distance(1), u"506.2  km");
    EXPECT_EQ(Distance(2), u"");  // no longitude
    EXPECT_EQ(Distance(3), u"");  // the row above lacks a coordinate
    // Item data keeps the distance from the base point in both modes.
    EXPECT_EQ(session.table.itemData(1), 506152);
    EXPECT_NE(session.table.itemData(3), NoDistance);
}

TEST_F(BasePointTest, HiddenColumnComputesNothing) {
    session.options.set(Option::ShowDistance, false);
    SetBaseRow(session, 0);
    EXPECT_EQ(session.baseRow, -1);
    EXPECT_EQ(session.table.itemData(1), NoDistance);
}

TEST_F(BasePointTest, ShowingTheColumnMakesRowZeroTheBaseOnlyWithBothCoordinates) {
    session.options.set(Option::ShowDistance, false);
    ToggleShowDistance(session);
    EXPECT_EQ(session.baseRow, 0);

    Session other;
    AddRows(other, {{u"Sin lat", u"1.00000", u""}, {u"B", u"2.00000", u"2.00000"}});
    other.options.set(Option::ShowDistance, false);
    ToggleShowDistance(other);
    EXPECT_TRUE(other.showDistance());
    EXPECT_EQ(other.baseRow, -1);
    EXPECT_EQ(other.table.text(1, ColumnDistancia), u"");
}

TEST_F(BasePointTest, EditOfTheBaseRowMovesTheCachedPoint) {
    session.adjacentDistance = 0;
    SetBaseRow(session, 0);
    session.table.setText(0, ColumnLng, u"2.17446");
    session.table.setText(0, ColumnLat, u"41.38790");
    UpdateDistancesAfterEdit(session, 0);
    EXPECT_EQ(session.table.itemData(1), 0);
    EXPECT_EQ(Distance(1), u"0    m");
}

TEST_F(BasePointTest, ComputeDistanceNeedsBothCoordinatesOnBothRows) {
    EXPECT_EQ(ComputeDistance(session, 0, 1), 506152);
    EXPECT_EQ(ComputeDistance(session, 0, 2), NoDistance);
}

TEST_F(BasePointTest, ImperialUnitsRewriteEveryText) {
    session.adjacentDistance = 0;
    SetBaseRow(session, 0);
    ToggleMetricUnit(session);
    EXPECT_EQ(Distance(1), u"314.5  mi");
}

TEST_F(BasePointTest, DmsDisplayIsReadBack) {
    session.options.set(Option::DmsFormat, true);
    session.options.set(Option::CompassDirection, true);
    session.table.setText(0, ColumnLng, u"W 3° 42' 13.68\"");
    session.table.setText(0, ColumnLat, u"N 40° 25' 00.48\"");
    session.table.setText(1, ColumnLng, u"E 2° 10' 28.06\"");
    session.table.setText(1, ColumnLat, u"N 41° 23' 16.44\"");
    session.adjacentDistance = 0;
    SetBaseRow(session, 0);
    EXPECT_EQ(Distance(1), u"506.2  km");
}

}  // namespace
}  // namespace wayloom
