#include "app/command_states.h"

#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/menu_layout.h"
#include "app/string_table.h"
#include "formats/temp_folder.h"

namespace wayloom {
namespace {

class CommandStatesTest : public ::testing::Test {
protected:
    void AddRows(int count, bool withCoordinates = true) {
        for (int i = 0; i < count; ++i) {
            RowItem item;
            item.row = session.table.rowCount();
            item.name = u"Entrada";
            if (withCoordinates) {
                item.lng = u"2.17";
                item.lat = u"41.38";
            }
            session.table.insert(item);
        }
    }
    void SelectOnly(int row) {
        session.table.selectAll(false);
        if (row >= 0) session.table.setSelected(row, true);
    }
    bool Enabled(int command) {
        UpdateCommandStates(session, context);
        return MenuItemState(command, session, context).enabled;
    }

    Session session;
    CommandContext context;
};

TEST_F(CommandStatesTest, EmptyTable) {
    UpdateCommandStates(session, context);
    for (const int command : {1003, 1004, 1006, 1009, 1010, 1012, 1013, 1014, 1015, 1019, 1024, 1029, 1030, 1037,
                              1038, 1039, 1040, 1041, 1045, 1046})
        EXPECT_FALSE(session.commands.isEnabled(command)) << command;
    for (const int command : {1000, 1001, 1005, 1042, 1057})
        EXPECT_TRUE(session.commands.isEnabled(command)) << command;
    EXPECT_FALSE(MenuItemState(1031, session, context).enabled);
}

TEST_F(CommandStatesTest, SaveNeedsChangesAndRowsBesideTheBase) {
    AddRows(1);
    session.baseRowInserted = true;
    session.modified = 1;
    EXPECT_FALSE(Enabled(1003));
    EXPECT_FALSE(Enabled(1004));
    session.baseRowInserted = false;
    EXPECT_TRUE(Enabled(1003));
    session.modified = 0;
    EXPECT_FALSE(Enabled(1003));
    EXPECT_TRUE(Enabled(1004));
}

TEST_F(CommandStatesTest, SaveFollowsTheTableAfterItsButtonWasRemoved) {
    // The toolbar lists its buttons; removing Save from it does not touch the command's state.
    ToolbarButtons buttons = DefaultToolbarButtons();
    std::erase(buttons, session.commands.imageOf(1003));
    ASSERT_EQ(std::count(buttons.begin(), buttons.end(), 3), 0);

    EXPECT_FALSE(Enabled(1003));
    AddRows(2);
    session.modified = 1;
    EXPECT_TRUE(Enabled(1003));
    session.table.clear();
    EXPECT_FALSE(Enabled(1003));
}

TEST_F(CommandStatesTest, MovingRespectsTheBaseRow) {
    AddRows(4);
    session.baseRowInserted = true;
    const struct {
        int selected;
        bool up;
        bool down;
    } cases[] = {{0, false, false}, {1, false, true}, {2, true, true}, {3, true, false}};
    for (const auto& c : cases) {
        SelectOnly(c.selected);
        EXPECT_EQ(Enabled(1038), c.up) << c.selected;
        EXPECT_EQ(Enabled(1039), c.down) << c.selected;
    }
    session.baseRowInserted = false;
    SelectOnly(1);
    EXPECT_TRUE(Enabled(1038));
    SelectOnly(0);
    EXPECT_TRUE(Enabled(1039));
    session.table.setSelected(1, true);
    EXPECT_FALSE(Enabled(1039));  // two rows selected
}

TEST_F(CommandStatesTest, BaseAndFavoriteNeedOneRowWithCoordinates) {
    AddRows(2);
    AddRows(1, false);
    context.homeServicePresent = true;
    SelectOnly(1);
    EXPECT_TRUE(Enabled(1041));
    EXPECT_TRUE(Enabled(1029));
    SelectOnly(2);
    EXPECT_FALSE(Enabled(1041));
    EXPECT_FALSE(Enabled(1029));
    SelectOnly(1);
    session.options.set(Option::ShowDistance, false);
    EXPECT_FALSE(Enabled(1041));
    EXPECT_FALSE(Enabled(1042));
    context.homeServicePresent = false;
    EXPECT_FALSE(Enabled(1029));
}

TEST_F(CommandStatesTest, ReverseAndSortNeedRowsBesideTheBase) {
    AddRows(2);
    session.baseRowInserted = true;
    EXPECT_FALSE(Enabled(1040));
    EXPECT_FALSE(Enabled(1037));
    session.baseRowInserted = false;
    EXPECT_TRUE(Enabled(1043));
    AddRows(1);
    session.baseRowInserted = true;
    EXPECT_TRUE(Enabled(1044));
    EXPECT_TRUE(Enabled(1037));
}

TEST_F(CommandStatesTest, ContextFacts) {
    AddRows(2);
    SelectOnly(0);
    EXPECT_FALSE(Enabled(1019));
    EXPECT_FALSE(Enabled(1024));
    EXPECT_FALSE(Enabled(1030));
    EXPECT_FALSE(Enabled(1021));
    context = {true, true, true, false, true, true, true};
    EXPECT_TRUE(Enabled(1019));
    EXPECT_TRUE(Enabled(1024));
    EXPECT_TRUE(Enabled(1030));
    EXPECT_TRUE(Enabled(1045));
    EXPECT_TRUE(Enabled(1046));
    EXPECT_FALSE(Enabled(1021));  // entries on the clipboard win over its text
    context.clipboardHasEntries = false;
    EXPECT_TRUE(Enabled(1021));
    session.table.setSelected(1, true);
    EXPECT_FALSE(Enabled(1020));
}

TEST_F(CommandStatesTest, ChecksOfCheckResultsAndPicture) {
    class OpenResults : public CheckResultsPort {
        bool isOpen() const override { return true; }
    } open;
    session.checkResults = &open;
    session.backgroundInUse = true;
    UpdateCommandStates(session, context);
    EXPECT_TRUE(MenuItemState(1028, session, context).checked);
    EXPECT_TRUE(MenuItemState(1055, session, context).checked);
}

TEST_F(CommandStatesTest, ToolbarPopupDisabledWhileTheToolbarIsHidden) {
    session.options.set(Option::LargeToolbar, true);
    for (const int command : MenuItems(MenuId::ToolbarPopup)) {
        if (command == MenuSeparator) continue;
        EXPECT_TRUE(MenuItemState(command, session, context).enabled) << command;
    }
    EXPECT_TRUE(MenuItemState(1050, session, context).checked);
    session.options.set(Option::ShowToolbar, false);
    for (const int command : MenuItems(MenuId::ToolbarPopup)) {
        if (command == MenuSeparator) continue;
        EXPECT_FALSE(MenuItemState(command, session, context).enabled) << command;
    }
    EXPECT_EQ(MenuItemState(1049, session, context), (ItemState{true, false}));
}

TEST_F(CommandStatesTest, HeaderPopup) {
    AddRows(2);
    const auto state = [&](int command, int column) {
        session.currentColumn = column;
        return MenuItemState(command, session, context);
    };
    EXPECT_TRUE(state(1207, ColumnLng).enabled);
    EXPECT_TRUE(state(1207, ColumnLat).enabled);
    EXPECT_FALSE(state(1207, ColumnName).enabled);
    EXPECT_TRUE(state(1208, ColumnName).enabled);
    EXPECT_FALSE(state(1208, -1).enabled);
    EXPECT_TRUE(state(1213, ColumnName).enabled);
    EXPECT_FALSE(state(1213, ColumnOrden).enabled);
    EXPECT_FALSE(state(1214, -1).enabled);
    EXPECT_FALSE(state(1213, ColumnDistancia).enabled);  // no base row
    session.baseRow = 0;
    EXPECT_TRUE(state(1213, ColumnDistancia).enabled);
    session.baseRowInserted = true;
    EXPECT_FALSE(state(1214, ColumnName).enabled);  // one row besides the base

    EXPECT_EQ(state(1211, 0), (ItemState{true, true}));
    EXPECT_EQ(state(1212, 0), (ItemState{true, false}));
    session.adjacentDistance = 0;
    session.options.set(Option::ShowDistance, false);
    EXPECT_EQ(state(1211, 0), (ItemState{false, false}));
    EXPECT_EQ(state(1212, 0), (ItemState{false, true}));
    session.options.set(Option::LngFirst, true);
    EXPECT_TRUE(state(1203, 0).checked);
    EXPECT_FALSE(state(1209, 0).checked);
}

TEST_F(CommandStatesTest, RecentItemsGreyedWhenTheFileIsMissing) {
    test::TempFolder folder;
    const auto existing = folder.path() / "ruta.itn";
    folder.write("ruta.itn", "x");
    session.recentFiles = {FromUtf8(existing.string()), FromUtf8((folder.path() / "gone.itn").string()),
                           FromUtf8(folder.path().string())};
    EXPECT_TRUE(MenuItemState(1100, session, context).enabled);
    EXPECT_FALSE(MenuItemState(1101, session, context).enabled);
    EXPECT_FALSE(MenuItemState(1102, session, context).enabled);  // a folder
    EXPECT_FALSE(MenuItemState(1103, session, context).enabled);  // no such entry
}

TEST_F(CommandStatesTest, ModalCommandPressesItsButtonWhileItRuns) {
    {
        ModalCommand running(session, 1057);
        EXPECT_TRUE(session.commands.isPressed(1057));
        EXPECT_EQ(session.modalDepth, 1);
    }
    EXPECT_FALSE(session.commands.isPressed(1057));
    EXPECT_EQ(session.modalDepth, 0);
}

}  // namespace
}  // namespace wayloom
