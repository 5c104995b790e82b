#pragma once
// The key tables: 500 serves the main window (unless a cell is being edited), 2000 the map pane while
// the map page has the keyboard. Keys are written in the portable form Qt's key sequences read
// ("Ctrl+Alt+M", "Shift+Del", "Menu" for the Applications key).
#include <span>
#include <string_view>

namespace wayloom {

struct Accelerator {
    std::string_view keys;
    int command = 0;
};

enum class AcceleratorTableId : int { Main = 500, MapPane = 2000 };

std::span<const Accelerator> AcceleratorTable(AcceleratorTableId table);

}  // namespace wayloom
