#pragma once
// The texts of each command: its menu item, the key shown beside it, its toolbar tooltip and the
// help text the status bar shows while the item or button is highlighted.
#include <string>
#include <string_view>

namespace wayloom {

struct CommandText {
    int command = 0;
    std::u16string_view menu;     // main menu (and List View popup) text
    std::u16string_view keys;     // accelerator text shown in the menu; empty for none
    std::u16string_view tooltip;  // toolbar tooltip; empty for commands without button
    std::u16string_view help;     // status bar help text
};

// Commands 1000-1062 and 1203-1214; null for any other number.
const CommandText* FindCommandText(int command);

// The menu text without ampersands and without a parenthesised part, for the system menu and the
// cut-off-buttons popup: "Abrir (Ctrl+O)" -> "Abrir".
std::u16string PlainMenuText(std::u16string_view text);

}  // namespace wayloom
