#pragma once
// The recent-file list of the File menu and the short display form of paths.
#include <string>
#include <string_view>
#include <vector>

namespace wayloom {

inline constexpr int MaxRecentFiles = 9;

// Newest first; never longer than the "File Count" it was last cut to.
using RecentFiles = std::vector<std::u16string>;

// Puts `path` at the top. A path already listed moves up; a new one makes the list one longer, at
// most `fileCount`, so the oldest entry drops out of a full list. Returns how many leading entries
// changed (their menu items are rebuilt). Paths compare exactly: Linux file names are case-sensitive,
// so "b" and "B" are two files.
int AddRecentFile(RecentFiles& list, std::u16string_view path, int fileCount);

// The path names an existing file (not a folder): its menu item is enabled.
bool IsExistingFile(std::u16string_view path);

// The folders that DisplayPath shortens. Linux has no profile variables; the counterparts are:
//   %USERPROFILE%              -> the home folder ($HOME)
//   %USERPROFILE%\Desktop      -> the XDG desktop folder (XDG_DESKTOP_DIR, default $HOME/Desktop),
//                                 shown as "Escritorio"
//   %USERPROFILE%\Documents    -> the XDG documents folder (XDG_DOCUMENTS_DIR, default $HOME/Documents),
//                                 shown as "Mis Documentos"
//   %ALLUSERSPROFILE%, %SystemDrive%, My Documents, Users\Public\Documents -> no counterpart; paths
//                                 outside the home folder are shown unchanged, as a path on the system
//                                 drive outside the known folders is.
struct DisplayPathFolders {
    std::u16string home;
    std::u16string desktop;
    std::u16string documents;

    // From $HOME and $XDG_CONFIG_HOME/user-dirs.dirs (~/.config when unset).
    static DisplayPathFolders FromEnvironment();
};

// A path in the home folder loses the home part; one in the desktop or documents folder starts with
// that folder's Spanish name instead ("Escritorio/rutas/a.itn"); any other path is returned as it is.
// Folder names compare exactly, as the file system does.
std::u16string DisplayPath(std::u16string_view path, const DisplayPathFolders& folders);

}  // namespace wayloom
