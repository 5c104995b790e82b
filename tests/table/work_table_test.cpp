#include "table/work_table.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "table/cell_text.h"
#include "table/table_fixture.h"

namespace wayloom {
namespace {

TEST(CellText, KeepsAnyTextWhetherInlineOrNot) {
    const std::u16string texts[] = {u"", u"-3.70380", u"W 3° 42' 13.68\"", u"exactly twenty-two ch.",
                                    u"twenty-three characters", u"Zürich – Straße 東京", u"N 40° 25' 00.48\""};
    for (const std::u16string& text : texts) {
        CellText cell(text);
        EXPECT_EQ(cell.str(), text);
        EXPECT_TRUE(cell.equals(text));
        EXPECT_EQ(cell.size(), text.size());
        CellText copy = cell;
        CellText moved = std::move(cell);
        EXPECT_EQ(copy.str(), text);
        EXPECT_EQ(moved.str(), text);
        copy = moved;
        EXPECT_EQ(copy.str(), text);
    }
}

// Records the notifications, to check that every change is bracketed and reported.
struct Recorder : TableObserver {
    std::vector<std::string> calls;
    void rowsAboutToBeInserted(int first, int) override { calls.push_back("+?" + std::to_string(first)); }
    void rowsInserted(int first, int) override { calls.push_back("+" + std::to_string(first)); }
    void rowsAboutToBeRemoved(int first, int) override { calls.push_back("-?" + std::to_string(first)); }
    void rowsRemoved(int first, int) override { calls.push_back("-" + std::to_string(first)); }
    void rowChanged(int row) override { calls.push_back("~" + std::to_string(row)); }
};

TEST(WorkTable, InsertAndRemoveAnywhereKeepOrderAndIdentities) {
    WorkTable table;
    Recorder recorder;
    table.addObserver(&recorder);
    for (int i = 0; i < 100; ++i) {
        RowItem item;
        item.row = (i * 7) % (table.rowCount() + 1);
        item.name = std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
        table.insert(item);
    }
    std::set<RowId> ids;
    for (int row = 0; row < table.rowCount(); ++row) ids.insert(table.rowId(row));
    EXPECT_EQ(ids.size(), 100u);

    const RowId id = table.rowId(50);
    const std::u16string name = table.text(50, ColumnName);
    table.remove(10);
    table.remove(0);
    EXPECT_EQ(table.findRow(id), 48);
    EXPECT_EQ(table.text(48, ColumnName), name);
    EXPECT_EQ(recorder.calls.front(), "+?0");
    EXPECT_EQ(recorder.calls[recorder.calls.size() - 2], "-?0");
    EXPECT_EQ(recorder.calls.back(), "-0");
}

TEST(WorkTable, ReserveKeepsTheRowsAndMakesRoomForMore) {
    WorkTable table;
    for (int i = 0; i < 5; ++i) table.insert({i, std::u16string(1, static_cast<char16_t>(u'a' + i)), u"1", u"2"});
    table.insert({2, u"middle", u"", u""});  // the free room now lies inside the rows
    std::vector<RowId> ids;
    for (int row = 0; row < table.rowCount(); ++row) ids.push_back(table.rowId(row));
    table.reserve(100);
    const std::size_t room = table.memoryBytes();
    std::vector<std::u16string> names;
    for (int row = 0; row < table.rowCount(); ++row) {
        names.push_back(table.text(row, ColumnName));
        EXPECT_EQ(table.rowId(row), ids[static_cast<std::size_t>(row)]);
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"a", u"b", u"middle", u"c", u"d", u"e"}));
    while (table.rowCount() < 100) table.insert({3, u"more", u"", u""});
    table.reserve(10);  // never less room
    EXPECT_EQ(table.memoryBytes(), room);
    EXPECT_EQ(table.text(99, ColumnName), u"e");
}

TEST(WorkTable, SelectionCountAndFocusFollowRows) {
    Session session;
    testing::AddRows(session, {{u"a", u"", u""}, {u"b", u"", u""}, {u"c", u"", u""}});
    WorkTable& table = session.table;
    table.setSelected(1, true);
    table.setSelected(2, true);
    table.setFocused(1, true);
    table.setFocused(2, true);  // focus moves, it is never on two rows
    EXPECT_EQ(table.focusedRow(), 2);
    EXPECT_EQ(table.selectedCount(), 2);
    EXPECT_EQ(table.nextSelected(), 1);
    EXPECT_EQ(table.nextSelected(1), 2);
    table.remove(1);
    EXPECT_EQ(table.selectedCount(), 1);
    EXPECT_EQ(table.nextSelected(), 1);
}

TEST(WorkTable, SortIsStableAndPermuteInverts) {
    Session session;
    testing::AddRows(session, {{u"b", u"", u""}, {u"a", u"", u""}, {u"b2", u"", u""}, {u"a2", u"", u""}});
    WorkTable& table = session.table;
    table.sortRows([&](int p, int q) { return table.text(p, 0)[0] < table.text(q, 0)[0]; });
    EXPECT_EQ(testing::Names(table), u"a,a2,b,b2");
    table.permute({2, 0, 3, 1});
    EXPECT_EQ(testing::Names(table), u"b,a,b2,a2");
}

}  // namespace
}  // namespace wayloom
