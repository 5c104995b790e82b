#pragma once
// RunFileOperation: the one routine that moves entries between a file and the work table, for
// Open, Save (and Save As), Import and Export. The dialogs before it (file dialog, save prompt) and
// what follows it in the window (recent list, automatic-save timer, map page rebuild, New after a
// failed Open) belong to the caller; every question and message on the way goes through UiPort.
#include <functional>
#include <string>

#include "app/session.h"
#include "app/ui_port.h"
#include "formats/file_kind.h"

namespace wayloom {

enum class FileOperation : int { Open = 0, Save = 1, Import = 2, Export = 3 };

struct FileOperationRequest {
    FileOperation operation = FileOperation::Open;
    std::u16string path;  // for Favorites, the MapSettings.cfg file
    // Open and Import: 0..8 (OpenKindFromPath, or Favorites). Save and Export: 1, 2, 3 or 9..20
    // (SaveTargetFromPath).
    FileKind kind = FileKind::Itn;
    bool includeHomeAndRecent = false;  // Favorites: also home and recent destinations
};

// Called at the end of a successful Open while distances are shown, before the first row becomes
// the base point: clears baseRowInserted and, with "Auto BP", inserts the stored base point as
// row 0. Without a hook only baseRowInserted is cleared.
using AutomaticBasePoint = std::function<void(Session&)>;

// Returns true on success. Afterwards:
// - Open, success: the document is the file (filePath, fileTitle = file name without extension,
//   fileKind = the kind read, with the encoding the delimited-text readers found; Favorites:
//   no path, title "Favorites", kind ITN); sort marks removed; row 0 selected and focused;
//   modified only when duplicates were dropped.
// - Open, failure: modified = 0; the caller starts a new document (command 1000).
// - Save, success: the document is the file (as Save As leaves it) and not modified.
// - Import: rows read stay, also on failure; modified when the row count changed.
// - Export, and any failure of Save: the document is unchanged.
// Save, Import and a successful Open set titleDirty; every operation sets statusReset.
bool RunFileOperation(Session& session, UiPort& ui, const FileOperationRequest& request,
                      const AutomaticBasePoint& automaticBasePoint = {});

// The document's display name for a path: its file name without the extension.
std::u16string FileTitleOf(std::u16string_view path);

}  // namespace wayloom
