#include "app/menu_layout.h"

namespace wayloom {

namespace {

constexpr int S = MenuSeparator;

constexpr int FileItems[] = {1000, 1001, 1002, 1003, 1004, S, 1005, 1006, S, 1007, S, 1008};
constexpr int ItnItems[] = {1009, 1010, S, 1011, 1012, 1013, 1014, 1015, 1016, S, 1017, 1018, 1019, S,
                            1020, 1021, S, 1022, S, 1023, 1024, 1025, 1026, S, 1027, S, 1028, S,
                            1029, 1030, S, 1031, 1032};
constexpr int PlanItems[] = {1033, 1034, S, 1035, 1036, S, 1037, S, 1038, 1039, S, 1040, S,
                             1041, 1042, S, 1043, 1044, S, 1045, 1046};
constexpr int ToolsItems[] = {1047, S, 1048, S, 1049, 1050, 1051, 1052, 1053, S, 1054, 1055, S, 1056, S, 1057};
constexpr int HelpItems[] = {1058, 1059, 1060, 1061, 1062};
constexpr int ToolbarPopupItems[] = {1050, 1051, S, 1052, S, 1053};
constexpr int HeaderPopupItems[] = {1203, 1204, 1205, S, 1206, S, 1207, 1208, S, 1209, 1210, S,
                                    1211, 1212, S, 1213, 1214};
constexpr int ListViewPopupItems[] = {1011, 1012, 1013, 1015, 1016, S, 1017, 1018, 1019, S, 1020, 1021, S,
                                      1022, S, 1029, 1030, S, 1033, 1034, S, 1035, 1036, S, 1038, 1039, S,
                                      1041, S, 1045, 1046, S, 1006};

}  // namespace

std::span<const int> MenuItems(MenuId menu) {
    switch (menu) {
    case MenuId::File: return FileItems;
    case MenuId::Itn: return ItnItems;
    case MenuId::Plan: return PlanItems;
    case MenuId::Tools: return ToolsItems;
    case MenuId::Help: return HelpItems;
    case MenuId::ToolbarPopup: return ToolbarPopupItems;
    case MenuId::HeaderPopup: return HeaderPopupItems;
    case MenuId::ListViewPopup: return ListViewPopupItems;
    }
    return {};
}

TextId MenuTitle(MenuId menu) {
    constexpr TextId titles[] = {TextId::MenuFile, TextId::MenuItn, TextId::MenuPlan, TextId::MenuTools,
                                 TextId::MenuHelp};
    return titles[static_cast<int>(menu) % MenuBarCount];
}

TextId MenuHelp(MenuId menu) {
    constexpr TextId helps[] = {TextId::MenuFileHelp, TextId::MenuItnHelp, TextId::MenuPlanHelp,
                                TextId::MenuToolsHelp, TextId::MenuHelpHelp};
    return helps[static_cast<int>(menu) % MenuBarCount];
}

std::optional<TextId> ToolbarPopupText(int command) {
    switch (command) {
    case 1050: return TextId::PopupLargeIcons;
    case 1051: return TextId::PopupWrapToolbar;
    case 1052: return TextId::PopupToolbarColour;
    case 1053: return TextId::PopupCustomize;
    default: return std::nullopt;
    }
}

}  // namespace wayloom
