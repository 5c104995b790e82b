#include "table/undo_replay.h"

#include <gtest/gtest.h>

#include "model/base_point.h"
#include "table/coordinate_cells.h"
#include "table/distance_commands.h"
#include "table/move_row.h"
#include "table/sort_rows.h"
#include "table/table_fixture.h"
#include "table/table_wrappers.h"

namespace wayloom {
namespace {

using testing::AddRows;
using testing::Marks;
using testing::Names;
using testing::SelectOnly;

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddRows(session, {{u"A", u"1.00000", u"1.00000"},
                          {u"B", u"2.00000", u"2.00000"},
                          {u"C", u"3.00000", u"3.00000"},
                          {u"D", u"4.00000", u"4.00000"}});
    }
    void Rename(int row, std::u16string_view name) {
        session.journal.BeginStep();
        SetCellText(session, row, ColumnName, name);
        session.modified = 1;
    }
    struct JournalState {
        int current;
        bool canUndo;
        bool canRedo;
        bool operator==(const JournalState&) const = default;
    };
    JournalState State() {
        return {session.journal.current(), session.journal.CanUndo(), session.journal.CanRedo()};
    }
    Session session;
};

TEST_F(UndoTest, KeepsTheNewest64Steps) {
    for (int i = 1; i <= 65; ++i) Rename(0, u"step " + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
    int undone = 0;
    while (session.journal.CanUndo()) {
        Undo(session);
        ++undone;
    }
    EXPECT_EQ(undone, 64);
    EXPECT_EQ(session.table.text(0, ColumnName), u"step 1");  // the first step is gone for good
}

TEST_F(UndoTest, UndoThenRedoRestoresTextAndModified) {
    Rename(1, u"Bilbao");
    Undo(session);
    EXPECT_EQ(session.table.text(1, ColumnName), u"B");
    EXPECT_EQ(session.modified, 0);
    EXPECT_TRUE(session.journal.CanRedo());
    Redo(session);
    EXPECT_EQ(session.table.text(1, ColumnName), u"Bilbao");
    EXPECT_EQ(session.modified, 1);
}

TEST_F(UndoTest, ANewChangeAfterUndoDropsRedo) {
    Rename(1, u"x");
    Rename(2, u"y");
    Undo(session);
    Rename(3, u"z");
    EXPECT_FALSE(session.journal.CanRedo());
    Undo(session);
    Undo(session);
    EXPECT_EQ(Names(session.table), u"A,B,C,D");
}

TEST_F(UndoTest, AbandonedNewEntryLeavesTheJournalAsItWas) {
    Rename(0, u"first");
    Undo(session);
    const JournalState before = State();
    // The add command: a deferred insert, then Escape while the name is still empty.
    session.journal.DeferInsert();
    const int row = InsertRow(session, {.row = 4, .name = u"", .lng = u"", .lat = u"", .mark = MarkDestination});
    session.journal.BeginStep();
    session.journal.DropPending();
    session.table.remove(row);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(session.journal.CanRedo());
}

TEST_F(UndoTest, CommittedNewEntryIsOneStep) {
    session.journal.DeferInsert();
    const int row = InsertRow(session, {.row = 4, .name = u"", .lng = u"", .lat = u"", .mark = MarkDestination});
    session.journal.BeginStep();
    SetCellText(session, row, ColumnName, u"Nuevo");  // the insert record opens the step
    SetCellText(session, row, ColumnLng, u"5.00000");
    EXPECT_EQ(session.journal.step(0).size(), 1u);
    Undo(session);
    EXPECT_EQ(Names(session.table), u"A,B,C,D");
    Redo(session);
    EXPECT_EQ(session.table.text(4, ColumnName), u"Nuevo");
    EXPECT_EQ(session.table.text(4, ColumnLng), u"5.00000");
}

TEST_F(UndoTest, SortUndoneRestoresOrderAndVisitedMarks) {
    WorkTable& table = session.table;
    table.setText(0, ColumnName, u"ITN 10");
    table.setText(1, ColumnName, u"ITN 2");
    table.setText(2, ColumnName, u"ITN 1");
    table.setText(3, ColumnName, u"itn 3");
    table.setMark(0, MarkDestinationVisited);
    table.setMark(1, MarkWaypointVisited);
    SortRows(session, ColumnName, true, SortMode::Command);
    EXPECT_EQ(Names(table), u"ITN 1,ITN 2,itn 3,ITN 10");
    EXPECT_EQ(Marks(table), u"2022");
    Undo(session);
    EXPECT_EQ(Names(table), u"ITN 10,ITN 2,ITN 1,itn 3");
    EXPECT_EQ(Marks(table), u"3122");
    EXPECT_EQ(session.modified, 0);
    Redo(session);
    EXPECT_EQ(Names(table), u"ITN 1,ITN 2,itn 3,ITN 10");
    EXPECT_EQ(Marks(table), u"2022");
}

TEST_F(UndoTest, CellEditUndoneAfterDisplaySwitchUsesTheNewForm) {
    session.journal.BeginStep();
    SetCellText(session, 0, ColumnLng, u"-3.70380");
    ReformatAllCoordinates(session, true);  // to degrees, minutes, seconds
    Undo(session);
    EXPECT_EQ(session.table.text(0, ColumnLng), u"1° 00' 00.00\"");
    Redo(session);
    EXPECT_EQ(session.table.text(0, ColumnLng), u"-3° 42' 13.68\"");
}

TEST_F(UndoTest, MovesReplayInBothDirections) {
    SelectOnly(session.table, 2);
    MoveRow(session, true, false);
    SelectOnly(session.table, 1);
    MoveRow(session, true, false);
    EXPECT_EQ(Names(session.table), u"C,A,B,D");
    Undo(session);
    Undo(session);
    EXPECT_EQ(Names(session.table), u"A,B,C,D");
    EXPECT_EQ(session.modified, 0);
    Redo(session);
    Redo(session);
    EXPECT_EQ(Names(session.table), u"C,A,B,D");
    Undo(session);
    EXPECT_EQ(Names(session.table), u"A,C,B,D");
}

TEST_F(UndoTest, DeletingEveryRowComesBackInOrder) {
    session.journal.BeginStep();
    while (session.table.rowCount() > 0) DeleteRow(session, 0);
    session.modified = 1;
    Undo(session);
    EXPECT_EQ(Names(session.table), u"A,B,C,D");
    EXPECT_EQ(session.table.text(3, ColumnLat), u"4.00000");
    EXPECT_EQ(session.table.text(3, ColumnOrden), u"4");
    Redo(session);
    EXPECT_EQ(session.table.rowCount(), 0);
}

TEST_F(UndoTest, DeletedBaseRowComesBackAsTheBase) {
    SetBaseRow(session, 1);
    session.journal.BeginStep();
    DeleteRow(session, 1);
    EXPECT_EQ(session.baseRow, -1);
    Undo(session);
    EXPECT_EQ(session.baseRow, 1);
    EXPECT_EQ(session.table.itemData(1), BaseMarker);
}

TEST_F(UndoTest, AutomaticBaseEntryDeletionUndoneBackIntoRowZero) {
    AddRows(session, {});
    session.table.insert({.row = 0, .name = u"Casa", .lng = u"0.50000", .lat = u"0.50000", .mark = MarkDestination});
    session.baseRowInserted = true;
    SetBaseRow(session, 0);
    SelectOnly(session.table, 3);
    ChooseBaseRow(session);
    EXPECT_FALSE(session.baseRowInserted);
    EXPECT_EQ(Names(session.table), u"A,B,C,D");
    EXPECT_EQ(session.baseRow, 2);
    EXPECT_EQ(session.modified, 0);

    Undo(session);
    EXPECT_EQ(Names(session.table), u"Casa,A,B,C,D");
    EXPECT_TRUE(session.baseRowInserted);
    EXPECT_EQ(session.baseRow, 0);
    EXPECT_EQ(session.table.itemData(0), BaseMarker);
    EXPECT_EQ(session.table.itemData(3), ComputeDistance(session, 3, 0));

    Redo(session);
    EXPECT_FALSE(session.baseRowInserted);
    EXPECT_EQ(session.baseRow, 2);
}

TEST_F(UndoTest, DistanceColumnToggleRestoresTheBaseRow) {
    SetBaseRow(session, 2);
    ToggleShowDistance(session);
    EXPECT_FALSE(session.showDistance());
    EXPECT_EQ(session.baseRow, -1);
    Undo(session);
    EXPECT_TRUE(session.showDistance());
    EXPECT_EQ(session.baseRow, 2);
    Redo(session);
    EXPECT_FALSE(session.showDistance());
}

TEST_F(UndoTest, ChoosingABaseIsUndoneWithoutTouchingModified) {
    SetBaseRow(session, 0);
    SelectOnly(session.table, 3);
    ChooseBaseRow(session);
    EXPECT_EQ(session.baseRow, 3);
    Undo(session);
    EXPECT_EQ(session.baseRow, 0);
    EXPECT_EQ(session.table.itemData(0), BaseMarker);
    EXPECT_EQ(session.modified, 0);
}

}  // namespace
}  // namespace wayloom
