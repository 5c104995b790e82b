#pragma once
// Values the program settles once at start: the path given on the command line, the window
// placement restored from the profile, and where the profile lives.
#include <optional>
#include <string>
#include <string_view>

namespace wayloom {

// The raw command line (the program's arguments joined by blanks): when it begins with a double
// quote, the text after it up to the last double quote; otherwise the whole text.
std::u16string StartupPathFromCommandLine(std::u16string_view commandLine);

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// Section "Window" as read; an absent key is nullopt.
struct StoredPlacement {
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<int> show;
};

inline constexpr int MinimumWindowWidth = 480;
inline constexpr int MinimumWindowHeight = 320;
inline constexpr int ShowNormal = 1;
inline constexpr int ShowMaximized = 3;

struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int show = ShowNormal;  // ShowNormal or ShowMaximized
};

// Places the window inside the desktop work area: defaults centre a half-size window; the edges are
// kept inside the area and the size is at least 480 x 320; Show 3 stays maximised, anything else
// opens normal.
WindowPlacement RestorePlacement(const StoredPlacement& stored, const ScreenRect& workArea, int defaultShow);

// The profile beside the executable when that folder is writable, else
// $XDG_CONFIG_HOME/wayloom/wayloom.ini ($HOME/.config when XDG_CONFIG_HOME is unset or relative).
// The executable's own name with ".ini" is the profile's name beside it.
std::string ChooseProfilePath(const std::string& executablePath, bool executableFolderWritable,
                              const char* xdgConfigHome, const char* home);

}  // namespace wayloom
