#include "app/command_table.h"

#include <gtest/gtest.h>

#include <set>

#include "app/accelerator_tables.h"
#include "app/command_texts.h"
#include "app/menu_layout.h"

namespace wayloom {
namespace {

TEST(CommandTableTest, SixtyEntriesWithImagesInCommandOrder) {
    const CommandTable table;
    int separators = 0;
    int nextImage = 0;
    for (const CommandEntry& entry : table.entries()) {
        if (entry.isSeparator()) {
            ++separators;
            EXPECT_EQ(entry.command, 0);
            continue;
        }
        EXPECT_EQ(entry.image, nextImage++);
        EXPECT_TRUE(table.isEnabled(entry.command));
    }
    EXPECT_EQ(separators, 9);
    EXPECT_EQ(nextImage, ToolbarImageCount);
    const std::pair<int, int> samples[] = {{1000, 0}, {1007, 7}, {1009, 8}, {1017, 16}, {1022, 19}, {1023, 20},
                                           {1033, 28}, {1037, 32}, {1045, 40}, {1047, 42}, {1054, 43},
                                           {1057, 45}, {1058, 46}, {1062, 50}};
    for (const auto& [command, image] : samples) {
        EXPECT_EQ(table.imageOf(command), image) << command;
        EXPECT_EQ(table.entryForImage(image)->command, command);
    }
    EXPECT_EQ(table.imageOf(1008), -1);
    EXPECT_EQ(table.entryForImage(51), nullptr);
}

TEST(CommandTableTest, StatesAreKeptPerCommandAndReported) {
    CommandTable table;
    std::vector<int> changes;
    table.changed = [&](int command) { changes.push_back(command); };
    table.enable(1003, false);
    table.enable(1003, false);  // no change, no report
    table.press(1057, true);
    table.check(1028, true);
    EXPECT_FALSE(table.isEnabled(1003));
    EXPECT_TRUE(table.isPressed(1057));
    EXPECT_TRUE(table.isEnabled(1057));
    EXPECT_TRUE(table.isChecked(1028));
    EXPECT_EQ(changes, (std::vector<int>{1003, 1057, 1028}));
    // A command without button has no state to keep.
    table.enable(1008, false);
    EXPECT_TRUE(table.isEnabled(1008));
    EXPECT_FALSE(table.isPressed(1008));
    EXPECT_EQ(changes.size(), 3u);
}

TEST(ToolbarButtonsTest, ParsedAsFarAsTheyGo) {
    const struct {
        std::u16string_view text;
        ToolbarButtons expected;
    } cases[] = {
        {u"0 51 51 0 3", {0, 51, 51, 3}},          // New, two separators, Save
        {u"  5   7 ", {5, 7}},
        {u"52 -1 4 99999999999999999999 6", {4, 6}},  // out of range numbers skipped
        {u"1 2 x 3", {1, 2}},                      // stops at the first non-number
        {u"", {}},
        {u"50 51 50", {50, 51}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseToolbarButtons(c.text), c.expected) << ToUtf8(c.text);
}

TEST(ToolbarButtonsTest, DefaultSetAndTextForm) {
    const ToolbarButtons all = DefaultToolbarButtons();
    ASSERT_EQ(all.size(), 60u);
    EXPECT_EQ(all[8], ToolbarSeparator);
    EXPECT_EQ(ParseToolbarButtons(FormatToolbarButtons(all)), all);
    EXPECT_EQ(FormatToolbarButtons({0, 51, 3}), u"0 51 3");
    EXPECT_FALSE(HasAnyButton({51, 51}));
    EXPECT_TRUE(HasAnyButton({51, 0}));
}

TEST(CommandTextsTest, EveryMenuCommandHasTexts) {
    std::set<int> seen;
    for (const MenuId menu : {MenuId::File, MenuId::Itn, MenuId::Plan, MenuId::Tools, MenuId::Help,
                              MenuId::ToolbarPopup, MenuId::HeaderPopup, MenuId::ListViewPopup}) {
        for (const int command : MenuItems(menu)) {
            if (command == MenuSeparator) continue;
            const CommandText* text = FindCommandText(command);
            ASSERT_NE(text, nullptr) << command;
            EXPECT_FALSE(text->menu.empty()) << command;
            EXPECT_FALSE(text->help.empty()) << command;
            if (menu <= MenuId::Help) {
                EXPECT_TRUE(seen.insert(command).second) << command;
            }
        }
    }
    EXPECT_EQ(seen.size(), 63u);  // 1000..1062, each once in the menu bar
    const CommandTable table;
    for (const CommandEntry& entry : table.entries()) {
        if (!entry.isSeparator()) {
            EXPECT_FALSE(FindCommandText(entry.command)->tooltip.empty()) << entry.command;
        }
    }
    EXPECT_EQ(FindCommandText(1003)->tooltip, u"Guardar (Ctrl+S)");
    EXPECT_EQ(FindCommandText(1204)->menu, u"Coordenadas Formato g°m's\"");
    EXPECT_EQ(FindCommandText(1100), nullptr);
}

TEST(CommandTextsTest, FileMenuLeavesRoomForRecentItems) {
    const auto file = MenuItems(MenuId::File);
    EXPECT_EQ(file[RecentMenuPosition - 1], MenuSeparator);
    EXPECT_EQ(file[RecentMenuPosition - 2], 1006);
    EXPECT_EQ(file[RecentMenuPosition], 1007);
}

TEST(CommandTextsTest, PlainMenuText) {
    EXPECT_EQ(PlainMenuText(u"&Ver Barra Menú"), u"Ver Barra Menú");
    EXPECT_EQ(PlainMenuText(u"Abrir (Ctrl+O)"), u"Abrir");
    EXPECT_EQ(PlainMenuText(u"Abrir..."), u"Abrir...");
}

TEST(AcceleratorTablesTest, MapPaneTableLacksTheClipboardKeys) {
    const auto main = AcceleratorTable(AcceleratorTableId::Main);
    const auto map = AcceleratorTable(AcceleratorTableId::MapPane);
    EXPECT_EQ(main.size(), 55u);
    EXPECT_EQ(map.size(), 47u);
    std::set<std::string_view> keys;
    for (const Accelerator& accelerator : main) EXPECT_TRUE(keys.insert(accelerator.keys).second) << accelerator.keys;
    for (const Accelerator& accelerator : map)
        for (const std::string_view kept : {"Ctrl+C", "Ctrl+V", "Ctrl+X", "Del", "Shift+Del", "Ctrl+Ins", "Shift+Ins", "Menu"})
            EXPECT_NE(accelerator.keys, kept);
}

}  // namespace
}  // namespace wayloom
