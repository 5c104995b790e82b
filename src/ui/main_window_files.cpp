// The file commands of the main window: New, Open, Save, Save As, Import, Export, opening a path
// and dropped files.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "app/auto_save.h"
#include "app/command_ids.h"
#include "app/command_states.h"
#include "app/recent_files.h"
#include "ui/main_area.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/table_view_port.h"
#include "ui/work_table_view.h"

namespace wayloom {

bool MainWindow::savePrompt() {
    return SavePrompt(session_, *ui_, [this] { runCommand(ToInt(CommandId::Save)); });
}

// 1000: the untitled, empty itinerary.
void MainWindow::newDocument() {
    if (session_.modified && !savePrompt()) return;
    ResetToUntitled(session_);
    viewPort_->setDefaultWidths();
    if (area_->mapPaneShown()) postCommand(ToInt(CommandId::GoogleMaps));
}

// 1003: back to the document's file, or through Save As when it has none that can be written.
void MainWindow::saveDocument() {
    switch (ChooseSaveRoute(session_)) {
    case SaveRoute::InPlace: {
        ModalCommand modal(session_, ToInt(CommandId::Save));
        const std::u16string path = session_.filePath;
        const bool ok = RunFileOperation(session_, *ui_, {FileOperation::Save, path, session_.fileKind});
        afterFileOperation(FileOperation::Save, path, ok, false);
        break;
    }
    case SaveRoute::SaveAs: runCommand(ToInt(CommandId::SaveAs)); break;
    case SaveRoute::Nothing: break;
    }
}

void MainWindow::runFileDialog(FileDialogOperation operation, int command) {
    if (operation == FileDialogOperation::Open && session_.modified && !savePrompt()) return;
    ModalCommand modal(session_, command);
    FileDialogRequest request;
    request.operation = operation;
    request.proposedName = session_.fileTitle;
    const QFileInfo current(ToQString(session_.filePath));
    if (!session_.filePath.empty() && current.isFile()) request.initialFolder = ToU16(current.absolutePath());
    request.filterEntry = PreselectedFilterEntry(operation, session_.fileKind);
    const std::optional<FileDialogAnswer> answer = fileDialogs_->askFilePath(request);
    if (!answer) return;
    const FileChoice choice = ChooseFile(operation, *answer);
    static constexpr FileOperation operations[] = {FileOperation::Open, FileOperation::Save, FileOperation::Import,
                                                   FileOperation::Export};
    const FileOperation fileOperation = operations[static_cast<int>(operation)];
    const bool ok = RunFileOperation(session_, *ui_, {fileOperation, choice.path, choice.kind});
    afterFileOperation(fileOperation, choice.path, ok, true);
}

void MainWindow::openPath(const std::u16string& path) {
    if (path.empty()) return;
    if (session_.modified && !savePrompt()) return;
    ModalCommand modal(session_, ToInt(CommandId::Open));
    const bool ok = RunFileOperation(session_, *ui_, {FileOperation::Open, path, OpenKindFromPath(path)});
    afterFileOperation(FileOperation::Open, path, ok, true);
}

void MainWindow::afterFileOperation(FileOperation operation, const std::u16string& path, bool ok,
                                    bool joinsRecentList) {
    if (ok && joinsRecentList && session_.options[Option::RecentFile]) {  // kept only with "Recent File"
        AddRecentFile(session_.recentFiles, path, session_.options.fileCount);
        if (recentFilesChanged) recentFilesChanged();
    }
    if (operation == FileOperation::Open || operation == FileOperation::Save) restartAutoSaveTimer();
    if (operation != FileOperation::Open) return;
    // A failed read gives way to a new, empty document.
    if (!ok) postCommand(ToInt(CommandId::New));
    else if (area_->mapPaneShown()) postCommand(ToInt(CommandId::GoogleMaps));
}

void MainWindow::dropFiles(const std::vector<std::u16string>& paths, const QPoint& at) {
    if (area_->mapPaneShown() && area_->mapPane()->geometry().contains(area_->mapFromGlobal(mapToGlobal(at))))
        return;
    if (const std::optional<std::u16string> path = AcceptDroppedFiles(*ui_, paths)) openPath(*path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::u16string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(ToU16(url.toLocalFile()));
    event->acceptProposedAction();
    const QPoint at = event->position().toPoint();
    // The drop finishes before any message box or file read.
    QTimer::singleShot(0, this, [this, paths, at] { dropFiles(paths, at); });
}

}  // namespace wayloom
