#pragma once
// The menus as lists of command numbers, 0 standing for a separator.
#include <optional>
#include <span>

#include "app/string_table.h"

namespace wayloom {

inline constexpr int MenuSeparator = 0;

enum class MenuId : int {
    File,   // "Archivo"
    Itn,    // "ITN"
    Plan,   // "Plan"
    Tools,  // "Herramientas"
    Help,   // "Ayuda"
    ToolbarPopup,
    HeaderPopup,
    ListViewPopup,
};
inline constexpr int MenuBarCount = 5;

std::span<const int> MenuItems(MenuId menu);

// Title and status-bar help text of the five menus of the bar.
TextId MenuTitle(MenuId menu);
TextId MenuHelp(MenuId menu);

// The File menu's recent items go at this position (after the separator that follows "Exportar..."),
// followed by one separator of their own.
inline constexpr int RecentMenuPosition = 9;

// The Toolbar popup names commands 1050-1053 differently from the main menu; nullopt for others.
std::optional<TextId> ToolbarPopupText(int command);

}  // namespace wayloom
