#pragma once
// The program's command numbers. Every user action is one of them, whether it comes from the menu
// bar, a popup menu, the toolbar or a key.
namespace wayloom {

enum class CommandId : int {
    // Archivo
    New = 1000,
    Open = 1001,
    OpenFavorites = 1002,
    Save = 1003,
    SaveAs = 1004,
    Import = 1005,
    Export = 1006,
    ConvertFormats = 1007,
    Exit = 1008,
    // ITN
    Undo = 1009,
    Redo = 1010,
    Add = 1011,
    Insert = 1012,
    CombineColumns = 1013,
    Edit = 1014,
    Delete = 1015,
    DeleteColumns = 1016,
    Cut = 1017,
    Copy = 1018,
    Paste = 1019,
    CopyCoordinates = 1020,
    PasteCoordinates = 1021,
    LookUpAddresses = 1022,
    Find = 1023,
    FindNext = 1024,
    Replace = 1025,
    ReplaceNext = 1026,
    CorrectCoordinates = 1027,
    CheckItns = 1028,
    AddFavorite = 1029,
    AddPois = 1030,
    SelectAll = 1031,
    InvertSelection = 1032,
    // Plan
    MarkDestinations = 1033,
    MarkWaypoints = 1034,
    MarkToVisit = 1035,
    MarkVisited = 1036,
    AutoRoute = 1037,
    MoveUp = 1038,
    MoveDown = 1039,
    Reverse = 1040,
    ChooseBase = 1041,
    MyBase = 1042,
    SortAscending = 1043,
    SortDescending = 1044,
    GoogleMaps = 1045,
    GoogleEarth = 1046,
    // Herramientas
    QuickGpsFix = 1047,
    ShowMenuBar = 1048,
    ShowToolbar = 1049,
    LargeToolbar = 1050,
    WrapToolbar = 1051,
    ToolbarColour = 1052,
    CustomizeToolbar = 1053,
    TableFont = 1054,
    BackgroundPicture = 1055,
    ShowStatusBar = 1056,
    Options = 1057,
    // Ayuda
    HelpTomTom = 1058,
    HelpForum = 1059,
    HelpProduct = 1060,
    HelpMail = 1061,
    About = 1062,
    // Without a menu item
    OpenRecent0 = 1100,  // 1100..1108: recent file 0..8
    OpenStartupPath = 1200,
    Relayout = 1201,
    SelectRowIfNone = 1202,
    // Header popup
    LngFirst = 1203,
    DmsFormat = 1204,
    CompassDirection = 1205,
    FitColumns = 1206,
    DeleteColumn = 1207,
    DeleteAddresses = 1208,
    ShowDistance = 1209,
    MetricUnit = 1210,
    AdjacentDistance = 1211,
    BaseDistance = 1212,
    SortColumnAscending = 1213,
    SortColumnDescending = 1214,
    ContextMenuKey = 1215,
};

inline constexpr int RecentCommandCount = 9;

constexpr int ToInt(CommandId command) { return static_cast<int>(command); }

}  // namespace wayloom
