#include "app/startup_values.h"

#include <algorithm>
#include <filesystem>

namespace wayloom {

std::u16string StartupPathFromCommandLine(std::u16string_view commandLine) {
    if (commandLine.empty() || commandLine.front() != u'"') return std::u16string(commandLine);
    std::u16string_view rest = commandLine.substr(1);
    const std::size_t last = rest.rfind(u'"');
    return std::u16string(last == std::u16string_view::npos ? rest : rest.substr(0, last));
}

WindowPlacement RestorePlacement(const StoredPlacement& stored, const ScreenRect& area, int defaultShow) {
    WindowPlacement placement;
    const int w = area.width();
    const int h = area.height();

    int x = stored.left.value_or(area.left + w / 4);
    if (x <= area.left) x = area.left;
    else if (x > area.right - MinimumWindowWidth) x = area.right - MinimumWindowWidth;

    int y = stored.top.value_or(area.top + h / 4);
    if (y <= area.top) y = area.top;
    else if (y > area.bottom - MinimumWindowHeight) y = area.bottom - MinimumWindowHeight;

    int width = stored.width.value_or(w / 2);
    width = width <= MinimumWindowWidth ? MinimumWindowWidth : std::min(width, area.right - x);
    int height = stored.height.value_or(h / 2);
    height = height <= MinimumWindowHeight ? MinimumWindowHeight : std::min(height, area.bottom - y);

    placement.x = x;
    placement.y = y;
    placement.width = width;
    placement.height = height;
    placement.show = stored.show.value_or(defaultShow) == ShowMaximized ? ShowMaximized : ShowNormal;
    return placement;
}

std::string ChooseProfilePath(const std::string& executablePath, bool executableFolderWritable,
                              const char* xdgConfigHome, const char* home) {
    namespace fs = std::filesystem;
    const fs::path executable(executablePath);
    if (executableFolderWritable) {
        fs::path beside = executable;
        beside.replace_extension(".ini");
        return beside.string();
    }
    fs::path config;
    if (xdgConfigHome && *xdgConfigHome && fs::path(xdgConfigHome).is_absolute()) config = xdgConfigHome;
    else config = fs::path(home ? home : "") / ".config";
    return (config / "wayloom" / "wayloom.ini").string();
}

}  // namespace wayloom
