#include "formats/folder_conversion.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

#include "app/progress_reporter.h"
#include "formats/file_access.h"
#include "formats/format_dispatch.h"

namespace wayloom {

namespace {

// The folder's file names (no hidden files, no folders) in name order; nullopt when the folder
// cannot be read.
std::optional<std::vector<std::string>> ListFiles(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return std::nullopt;
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info;
        if (name[0] != '.' && stat((folder + name).c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
            names.push_back(name);
        errno = 0;
    }
    const bool failed = errno != 0;
    closedir(dir);
    if (failed) return std::nullopt;
    std::sort(names.begin(), names.end());
    return names;
}

// The kind a file is read as, or nullopt when the conversion passes over it.
std::optional<FileKind> SourceKind(std::u16string_view name, bool toItn) {
    const FileKind kind = OpenKindFromPath(name);
    if (!toItn) return kind == FileKind::Itn ? std::optional(kind) : std::nullopt;
    if (kind == FileKind::Itn) return std::nullopt;
    std::u16string extension(ExtensionOf(name));
    for (char16_t& c : extension)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    // Anything not named reads as txt; only real txt files are converted.
    if (kind == FileKind::Txt && extension != u"txt") return std::nullopt;
    return kind;
}

enum class Step { Next, Skip, Stop };

// What to do when the output file exists.
Step AskOverwrite(UiPort& ui, const std::u16string& outputName, std::optional<SameFileAnswer>& remembered) {
    if (remembered == SameFileAnswer::NoToAll) return Step::Skip;
    if (remembered != SameFileAnswer::YesToAll) {
        remembered = ui.askSameFile(outputName);
        if (*remembered == SameFileAnswer::Cancel) return Step::Stop;
        if (*remembered == SameFileAnswer::No || *remembered == SameFileAnswer::NoToAll) return Step::Skip;
    }
    return Step::Next;
}

// Reads one file into the hidden session and writes it out; the message when the run must stop.
std::optional<FileMessage> ConvertFile(Session& hidden, UiPort& ui, const std::u16string& folder,
                                       const std::u16string& name, FileKind sourceKind,
                                       const std::u16string& outputName, FileKind targetKind, bool& written) {
    ProgressReporter silent;
    GuardedBytes bytes;
    if (std::optional<TextId> failure = ReadWholeFile(folder + name, sourceKind, bytes))
        return FileMessage{*failure, name};
    hidden.table.clear();
    hidden.journal.state = UndoJournal::Replaying;
    hidden.fileOperation = 0;
    hidden.fileKind = sourceKind;
    ReadContext reading(hidden, ui, silent);
    reading.fileName = name;
    reading.kind = sourceKind;
    reading.duplicateAnswer = DuplicateAnswer::KeepAll;  // no duplicate questions while converting
    if (FileResult failure = ReadByKind(reading, bytes.data())) return failure;
    written = hidden.table.rowCount() > 0;
    if (!written) return std::nullopt;

    SaveFile file;
    if (!file.open(folder + outputName)) return FileMessage{TextId::FileCannotSave, outputName};
    hidden.fileOperation = 1;
    hidden.fileKind = targetKind;
    WriteContext writing(hidden, file, silent);
    writing.fileName = outputName;
    writing.rows = RowsToWrite(hidden, false);
    if (FileResult failure = WriteByKind(writing, targetKind)) return failure;
    if (std::optional<TextId> failure = file.commit()) return FileMessage{*failure, outputName};
    return std::nullopt;
}

}  // namespace

FolderConversionResult ConvertFolder(Session& session, UiPort& ui, const FolderConversionRequest& request) {
    FolderConversionResult result;
    ui.showStatus(Text(TextId::ConvertingFiles));
    std::u16string folder = request.folder;
    if (folder.empty() || folder.back() != u'/') folder += u'/';
    const FileKind targetKind = request.toItn ? FileKind::Itn
                                              : ConversionTargets[static_cast<std::size_t>(std::clamp(
                                                    request.target, 0, int{ConversionTargets.size()} - 1))].kind;
    const std::u16string_view targetExtension = ExtensionOfKind(targetKind);

    FileMessage message{TextId::DiskStructureWrong, {}, MessageIcon::Information};
    bool showCount = false;
    if (const std::optional<std::vector<std::string>> names = ListFiles(ToUtf8(folder))) {
        // The hidden session: the document's options, coordinates in decimal form, no automatic save.
        const bool autoSaving = session.autoSaving;
        session.autoSaving = true;
        Session hidden;
        hidden.options = session.options;
        hidden.options.set(Option::DmsFormat, false);
        std::optional<SameFileAnswer> remembered;
        showCount = true;
        for (const std::string& utf8Name : *names) {
            if (ui.pumpMessages(true)) {
                result.cancelled = true;
                break;
            }
            const std::u16string name = FromUtf8(utf8Name);
            const std::optional<FileKind> sourceKind = SourceKind(name, request.toItn);
            if (!sourceKind) continue;
            const std::u16string outputName = name.substr(0, name.size() - 3) + std::u16string(targetExtension);
            if (FileExists(folder + outputName)) {
                const Step step = AskOverwrite(ui, outputName, remembered);
                if (step == Step::Stop) {
                    result.cancelled = true;
                    break;
                }
                if (step == Step::Skip) continue;
                if (IsReadOnlyFile(folder + outputName)) ClearReadOnly(folder + outputName);
            }
            ui.showStatus(FormatText(TextId::ConvertProgress, {NumberText(result.converted), name}));
            bool written = false;
            if (std::optional<FileMessage> failure =
                    ConvertFile(hidden, ui, folder, name, *sourceKind, outputName, targetKind, written)) {
                message = *failure;
                showCount = false;
                result.failed = true;
                break;
            }
            if (written) ++result.converted;
        }
        session.autoSaving = autoSaving;
    } else {
        result.failed = true;
    }
    if (showCount) message = {TextId::ConvertedCount, NumberText(result.converted)};
    message.icon = MessageIcon::Information;
    session.statusReset = 1;
    ui.showMessage(message.str(), message.icon, MessageButtons::Ok, MessageAnswer::Ok);
    return result;
}

}  // namespace wayloom
