#pragma once
// The decisions of the file commands that need no window: the file dialogs' filter lists and the
// kinds they stand for, the save prompt, the title, files dropped on the window, and the untitled
// document that New leaves.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "app/string_table.h"
#include "app/ui_port.h"
#include "formats/file_kind.h"

namespace wayloom {

enum class FileDialogOperation : int { Open = 0, SaveAs = 1, Import = 2, Export = 3 };

struct FileFilterEntry {
    TextId name;
    std::u16string_view extension;
    FileKind kind;  // the kind the entry stands for
};

// The open filter's 8 entries and the save filter's 15, in dialog order (entry n is element n - 1).
std::span<const FileFilterEntry> OpenFilterEntries();
std::span<const FileFilterEntry> SaveFilterEntries();
std::span<const FileFilterEntry> FilterEntries(FileDialogOperation operation);
// "Fichero TomTom ITN (*.itn)".
std::u16string FilterLabel(const FileFilterEntry& entry);
std::u16string_view FilterPattern(const FileFilterEntry& entry);  // "*.itn"

TextId DialogTitle(FileDialogOperation operation);

// The entry preselected for the document's kind (1-based). Open and Import show 9..20 as their
// group's entry; Save As and Export show a GPI document as ITN.
int PreselectedFilterEntry(FileDialogOperation operation, FileKind kind);
// The encoding (0 ANSI, 1 Unicode, 2 UTF-8) of a chosen save-filter entry; 0 for a non-text entry.
int FilterEntryEncoding(int saveEntry);

// What the file dialog is asked and what it answers.
struct FileDialogRequest {
    FileDialogOperation operation = FileDialogOperation::Open;
    std::u16string proposedName;   // the document's title
    std::u16string initialFolder;  // the folder of the document's file when it exists, else empty
    int filterEntry = 1;           // preselected, 1-based
};
struct FileDialogAnswer {
    std::u16string path;
    int filterEntry = 1;  // the entry chosen when the dialog closed
};

class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    // nullopt: cancelled.
    virtual std::optional<FileDialogAnswer> askFilePath(const FileDialogRequest& request) = 0;
};

// The path and kind a dialog's answer leads to: Open and Import take the kind from the typed
// extension alone; Save As and Export also use the chosen entry's encoding and turn gpi into itn.
struct FileChoice {
    std::u16string path;
    FileKind kind = FileKind::Itn;
};
FileChoice ChooseFile(FileDialogOperation operation, const FileDialogAnswer& answer);

// The save prompt before the document is given up. An empty table (or one holding only the
// automatic base entry) asks whether to discard it (OK proceeds); otherwise Yes saves through
// `save` and proceeds only when the save left the document unmodified, No proceeds, Cancel stops.
bool SavePrompt(Session& session, UiPort& ui, const std::function<void()>& save);

// "Sin titulo - Wayloom", with "*" after the title while modified.
std::u16string ComposeTitle(const Session& session);

// Files dropped on the window: the path to open, or nothing after telling the user why not.
std::optional<std::u16string> AcceptDroppedFiles(UiPort& ui, const std::vector<std::u16string>& paths);

// New's document state: an empty table and journal, the untitled ITN document, not modified.
void ResetToUntitled(Session& session);

}  // namespace wayloom
