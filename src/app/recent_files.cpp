#include "app/recent_files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/string_table.h"

namespace wayloom {

int AddRecentFile(RecentFiles& list, std::u16string_view path, int fileCount) {
    fileCount = std::clamp(fileCount, 1, MaxRecentFiles);
    if (static_cast<int>(list.size()) > fileCount) list.resize(static_cast<std::size_t>(fileCount));
    auto found = std::find(list.begin(), list.end(), path);
    if (found == list.end()) {
        if (static_cast<int>(list.size()) < fileCount) list.emplace_back();
        found = list.end() - 1;
    }
    // Entries above the found one (or all but the dropped last) move down by one.
    std::rotate(list.begin(), found, found + 1);
    list.front() = std::u16string(path);
    return static_cast<int>(found - list.begin()) + 1;
}

bool IsExistingFile(std::u16string_view path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(std::filesystem::path(ToUtf8(path)), error);
}

namespace {

std::u16string WithoutTrailingSlash(std::u16string path) {
    while (path.size() > 1 && path.back() == u'/') path.pop_back();
    return path;
}

// The value of an entry like XDG_DESKTOP_DIR="$HOME/Escritorio" in user-dirs.dirs, or empty.
std::u16string UserDir(const std::string& file, std::string_view key, const std::u16string& home) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        std::string_view value = std::string_view(line).substr(start + key.size());
        if (value.empty() || value.front() != '=') continue;
        value.remove_prefix(1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.substr(0, 5) == "$HOME") return WithoutTrailingSlash(home + FromUtf8(value.substr(5)));
        if (!value.empty() && value.front() == '/') return WithoutTrailingSlash(FromUtf8(value));
    }
    return {};
}

// The part of `path` after `folder` + "/", with `folder` a proper subfolder or the path itself; or
// nothing when the path is not inside it.
bool IsInside(std::u16string_view path, std::u16string_view folder) {
    return !folder.empty() && path.substr(0, folder.size()) == folder &&
           (path.size() == folder.size() || path[folder.size()] == u'/');
}

}  // namespace

DisplayPathFolders DisplayPathFolders::FromEnvironment() {
    DisplayPathFolders folders;
    const char* home = std::getenv("HOME");
    if (!home || *home != '/') return folders;
    folders.home = WithoutTrailingSlash(FromUtf8(home));
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string config = xdg && *xdg == '/' ? std::string(xdg) : std::string(home) + "/.config";
    folders.desktop = UserDir(config + "/user-dirs.dirs", "XDG_DESKTOP_DIR", folders.home);
    folders.documents = UserDir(config + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR", folders.home);
    if (folders.desktop.empty()) folders.desktop = folders.home + u"/Desktop";
    if (folders.documents.empty()) folders.documents = folders.home + u"/Documents";
    return folders;
}

std::u16string DisplayPath(std::u16string_view path, const DisplayPathFolders& folders) {
    // The home folder plays %USERPROFILE%; nothing after it leaves the path unchanged.
    if (folders.home.empty() || folders.home == u"/" || !IsInside(path, folders.home) ||
        path.size() <= folders.home.size() + 1)
        return std::u16string(path);
    const struct {
        const std::u16string& folder;
        TextId name;
    } known[] = {{folders.desktop, TextId::DesktopFolderName}, {folders.documents, TextId::DocumentsFolderName}};
    for (const auto& [folder, name] : known) {
        // Only a proper subfolder of the home folder stands for the Windows folder name.
        if (folder.size() <= folders.home.size() + 1 || !IsInside(folder, folders.home)) continue;
        if (IsInside(path, folder)) return std::u16string(Text(name)) + std::u16string(path.substr(folder.size()));
    }
    return std::u16string(path.substr(folders.home.size() + 1));
}

}  // namespace wayloom
