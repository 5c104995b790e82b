#include "table/table_helpers.h"

#include <gtest/gtest.h>

#include "model/base_point.h"
#include "table/table_fixture.h"
#include "table/table_wrappers.h"
#include "table/visited_marks.h"

namespace wayloom {
namespace {

using testing::AddRows;

std::u16string Orden(const WorkTable& table) {
    std::u16string column;
    for (int row = 0; row < table.rowCount(); ++row) column += table.text(row, ColumnOrden) + u";";
    return column;
}

TEST(RenumberOrder, NumbersOnlyRowsWithBothCoordinates) {
    Session session;
    AddRows(session, {{u"a", u"1.00000", u"1.00000"}, {u"solo lat", u"", u"2.00000"}, {u"c", u"3.00000", u"3.00000"}});
    RenumberOrder(session);
    EXPECT_EQ(Orden(session.table), u"1;;2;");
    SetCellText(session, 1, ColumnLng, u"2.00000");
    RenumberOrder(session);
    EXPECT_EQ(Orden(session.table), u"1;2;3;");
}

TEST(RowTextColour, BaseRowBlueOnlyWithDistancesAndMissingCoordinatesRed) {
    Session session;
    AddRows(session, {{u"base", u"1.00000", u"1.00000"}, {u"solo lat", u"", u"2.00000"}, {u"c", u"3.00000", u"3.00000"}});
    SetBaseRow(session, 0);
    EXPECT_EQ(RowTextColourOf(session, 0), RowTextColour::Base);
    EXPECT_EQ(RowTextColourOf(session, 1), RowTextColour::MissingCoordinate);
    EXPECT_EQ(RowTextColourOf(session, 2), RowTextColour::Normal);
    session.options.set(Option::ShowDistance, false);
    EXPECT_EQ(RowTextColourOf(session, 0), RowTextColour::Normal);
}

TEST(PropagateVisited, VisitedEntriesStayALeadingRun) {
    Session session;
    for (int i = 0; i < 10; ++i) AddRows(session, {{u"e", u"", u"", MarkDestination}});
    session.journal.BeginStep();
    SetRowItem(session, {.row = 4, .mark = MarkDestinationVisited});
    PropagateVisited(session, 4);
    EXPECT_EQ(testing::Marks(session.table), u"3333322222");
    session.journal.BeginStep();
    SetRowItem(session, {.row = 2, .mark = MarkDestination});
    PropagateVisited(session, 2);
    EXPECT_EQ(testing::Marks(session.table), u"3322222222");
    EXPECT_EQ(session.modified, 1);
}

}  // namespace
}  // namespace wayloom
