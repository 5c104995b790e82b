#include "table/sort_rows.h"

#include <gtest/gtest.h>

#include "model/base_point.h"
#include "table/table_fixture.h"

namespace wayloom {
namespace {

using testing::AddRows;
using testing::Names;

TEST(CompareNamesNaturally, DigitsByValueLettersWithoutCase) {
    EXPECT_LT(CompareNamesNaturally(u"ITN 2", u"ITN 10"), 0);
    EXPECT_LT(CompareNamesNaturally(u"itn 2", u"ITN 10"), 0);
    EXPECT_LT(CompareNamesNaturally(u"Ávila", u"Burgos"), 0);
    EXPECT_LT(CompareNamesNaturally(u"a", u"ab"), 0);
    EXPECT_EQ(CompareNamesNaturally(u"x 007", u"x 007"), 0);
    EXPECT_NE(CompareNamesNaturally(u"ITN", u"itn"), 0);  // equal but for case: still ordered
}

class SortTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddRows(session, {{u"b", u"2.00000", u"1.00000"},
                          {u"sin lng", u"", u"1.00000"},
                          {u"a", u"-1.00000", u"1.00000"},
                          {u"c", u"10.00000", u"1.00000"}});
    }
    Session session;
};

TEST_F(SortTest, EmptyCoordinatesFirstAscendingLastDescending) {
    SortRows(session, ColumnLng, true, SortMode::Command);
    EXPECT_EQ(Names(session.table), u"sin lng,a,b,c");
    SortRows(session, ColumnLng, false, SortMode::Command);
    EXPECT_EQ(Names(session.table), u"c,b,a,sin lng");
    EXPECT_EQ(session.table.text(0, ColumnOrden), u"1");
    EXPECT_EQ(session.table.text(3, ColumnOrden), u"");
}

TEST_F(SortTest, DistanceOrderPutsTheBaseFirstAndUnknownLast) {
    session.adjacentDistance = 0;
    SetBaseRow(session, 2);
    SortRows(session, ColumnDistancia, true, SortMode::Command);
    EXPECT_EQ(Names(session.table), u"a,b,c,sin lng");
    EXPECT_EQ(session.baseRow, 0);
    SortRows(session, ColumnDistancia, false, SortMode::Command);
    EXPECT_EQ(Names(session.table), u"sin lng,c,b,a");
    EXPECT_EQ(session.baseRow, 3);
}

TEST_F(SortTest, AutomaticBaseEntryStaysFirst) {
    session.table.insert({.row = 0, .name = u"zz base", .lng = u"0.00000", .lat = u"0.00000", .mark = 2});
    session.baseRowInserted = true;
    SortRows(session, ColumnName, true, SortMode::Command);
    EXPECT_EQ(Names(session.table), u"zz base,a,b,c,sin lng");
    SortRows(session, ColumnName, false, SortMode::Command);
    EXPECT_EQ(Names(session.table), u"zz base,sin lng,c,b,a");
}

}  // namespace
}  // namespace wayloom
