#pragma once
// The 21 boolean options and the numeric settings that go with them, in the profile's key order.
#include <array>
#include <string_view>

namespace wayloom {

enum class Option : int {
    ShowMenuBar,
    ShowToolbar,
    LargeToolbar,
    WrapToolbar,
    LngFirst,
    DmsFormat,
    CompassDirection,
    AutoColumn,
    RecentFile,
    FadeWindow,
    ShadeTable,
    ShowDistance,
    MetricUnit,
    ShowStatusBar,
    CheckName,
    AutoBP,
    OpenLast,
    BackupFile,
    GoogleMapsCookie,
    GoogleMapsName,
    GoogleMapsRoute,
};
inline constexpr int OptionCount = 21;

struct OptionKey {
    std::string_view key;  // key in profile section "Options"
    bool defaultValue;
};

// Key names and defaults, indexed by Option.
inline constexpr std::array<OptionKey, OptionCount> OptionKeys{{
    {"Show Menu Bar", true},     {"Show Toolbar", true},       {"Large Toolbar", true},
    {"Wrap Toolbar", true},      {"Lng First", false},         {"DMS Format", false},
    {"Compass Direction", false}, {"Auto Column", true},       {"Recent File", true},
    {"Fade Window", false},      {"Shade Table", false},       {"Show Distance", true},
    {"Metric Unit", true},       {"Show Status Bar", true},    {"Check Name", false},
    {"Auto BP", true},           {"Open Last", false},         {"Backup File", true},
    {"Google Maps Cookie", true}, {"Google Maps Name", true},  {"Google Maps Route", true},
}};

struct Options {
    std::array<bool, OptionCount> flags = [] {
        std::array<bool, OptionCount> defaults{};
        for (int i = 0; i < OptionCount; ++i) defaults[i] = OptionKeys[i].defaultValue;
        return defaults;
    }();
    int fileCount = 7;        // 1..9
    int backupInterval = 10;  // minutes, 1..99
    int mapLanguage = 0;      // 0..8
    int toolbarSpacing = 0;   // 0..9

    bool operator[](Option option) const { return flags[static_cast<int>(option)]; }
    void set(Option option, bool value) { flags[static_cast<int>(option)] = value; }
};

}  // namespace wayloom
