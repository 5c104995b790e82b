#include "formats/file_operation.h"

#include "app/progress_reporter.h"
#include "formats/file_access.h"
#include "formats/format_dispatch.h"
#include "formats/itn_format.h"
#include "model/base_point.h"
#include "table/table_helpers.h"

namespace wayloom {

namespace {

void Show(UiPort& ui, const FileMessage& message) {
    ui.showMessage(message.str(), message.icon, MessageButtons::Ok, MessageAnswer::Ok);
}

// The file for a Save or Export, created beside the target; false when the operation ends here
// (its message, if any, already shown).
bool CreateSaveFile(UiPort& ui, const std::u16string& path, SaveFile& file) {
    while (IsReadOnlyFile(path)) {
        const std::u16string question = FormatText(TextId::FileReadOnlyRetry, {path});
        if (ui.showMessage(question, MessageIcon::Warning, MessageButtons::OkCancel, MessageAnswer::Cancel) !=
            MessageAnswer::Ok)
            return false;
        if (!ClearReadOnly(path)) {
            Show(ui, {TextId::FileCannotSave, path});
            return false;
        }
    }
    if (file.open(path)) return true;
    Show(ui, {TextId::FileCannotSave, path});
    return false;
}

bool WriteFile(Session& session, UiPort& ui, const FileOperationRequest& request, ProgressReporter& progress) {
    if (request.kind == FileKind::Itn && ExceedsItnDeviceLimit(session)) {
        const std::u16string question = FormatText(TextId::DeviceLimitQuestion, {NumberText(ItnDeviceLimit)});
        if (ui.showMessage(question, MessageIcon::Question, MessageButtons::OkCancel, MessageAnswer::Cancel) !=
            MessageAnswer::Ok)
            return false;
    }
    SaveFile file;
    if (!CreateSaveFile(ui, request.path, file)) return false;
    WriteContext context(session, file, progress);
    context.fileName = request.path;
    context.rows = RowsToWrite(session, request.operation == FileOperation::Export);
    if (FileResult failure = WriteByKind(context, request.kind)) {
        Show(ui, *failure);
        return false;
    }
    if (std::optional<TextId> failure = file.commit()) {
        Show(ui, {*failure, request.path});
        return false;
    }
    progress.Report(100, 100);
    return true;
}

// The derived columns after rows were read.
void RefreshAfterRead(Session& session, bool open, const AutomaticBasePoint& automaticBasePoint) {
    if (session.showDistance()) {
        if (open) {
            session.baseRowInserted = false;
            if (automaticBasePoint) automaticBasePoint(session);
            SetBaseRow(session, 0);
        } else {
            SetBaseRow(session, session.baseRow);
        }
    }
    RenumberOrder(session);
    session.view->fitColumnWidths(AllColumns, true, false);
}

// kindRead: the kind the reader settled on; dropped: the entries the duplicate check dropped.
bool ReadFile(Session& session, UiPort& ui, const FileOperationRequest& request, ProgressReporter& progress,
              const AutomaticBasePoint& automaticBasePoint, FileKind& kindRead, int& dropped) {
    GuardedBytes bytes;
    if (std::optional<TextId> failure = ReadWholeFile(request.path, request.kind, bytes)) {
        Show(ui, {*failure, request.path});
        return false;
    }
    const bool open = request.operation == FileOperation::Open;
    session.view->setRedraw(false);
    if (open) {
        session.journal.state = UndoJournal::Replaying;  // loading records nothing
        session.table.clear();
        session.journal.Reset();
        session.baseRow = -1;
        session.baseRowInserted = false;
    } else {
        session.journal.BeginStep();
        session.table.selectAll(false);
        const int focused = session.table.focusedRow();
        if (focused >= 0) session.table.setFocused(focused, false);
    }
    ReadContext context(session, ui, progress);
    context.fileName = request.path;
    context.kind = request.kind;
    context.importing = !open;
    const FileResult failure = ReadByKind(context, bytes.data(), request.includeHomeAndRecent);
    kindRead = context.kind;
    dropped = context.duplicatesDropped;
    if (!failure) progress.Report(100, 100);
    // A failed Import keeps the rows it read: they get their order numbers and distances too.
    if (!failure || !open) RefreshAfterRead(session, open, automaticBasePoint);
    session.view->setRedraw(true);
    if (failure) {
        Show(ui, *failure);
        return false;
    }
    if (dropped > 0) Show(ui, {TextId::DuplicatesDropped, NumberText(dropped), MessageIcon::Information});
    return true;
}

void TakeDocument(Session& session, const FileOperationRequest& request, FileKind kind) {
    if (request.kind == FileKind::Favorites) {
        session.filePath.clear();
        session.fileTitle = Text(TextId::FavoritesTitle);
        session.fileKind = FileKind::Itn;
        return;
    }
    session.filePath = request.path;
    session.fileTitle = FileTitleOf(request.path);
    session.fileKind = kind;
}

}  // namespace

std::u16string FileTitleOf(std::u16string_view path) {
    std::u16string_view name = FileNameOf(path);
    const std::size_t dot = name.find_last_of(u'.');
    return std::u16string(dot == std::u16string_view::npos ? name : name.substr(0, dot));
}

bool RunFileOperation(Session& session, UiPort& ui, const FileOperationRequest& request,
                      const AutomaticBasePoint& automaticBasePoint) {
    session.fileOperation = static_cast<int>(request.operation);
    ProgressReporter silent;
    ProgressReporter shown(ui, FileProgressText(session.fileOperation, request.kind));
    ProgressReporter& progress = session.autoSaving ? silent : shown;
    ui.beginProgress();
    const int rowsBefore = session.table.rowCount();
    const bool writing = request.operation == FileOperation::Save || request.operation == FileOperation::Export;
    FileKind kindRead = request.kind;
    int dropped = 0;
    const bool ok = writing ? WriteFile(session, ui, request, progress)
                            : ReadFile(session, ui, request, progress, automaticBasePoint, kindRead, dropped);
    ui.endProgress();
    session.statusReset = 1;
    switch (request.operation) {
    case FileOperation::Save:
        if (ok) {
            session.modified = 0;
            TakeDocument(session, request, request.kind);
        }
        session.titleDirty = 1;
        break;
    case FileOperation::Import:
        EnsureRowVisible(session, session.table.nextSelected(-1));
        if (session.table.rowCount() != rowsBefore) {
            session.modified = 1;
            session.mapPage->refresh();
        }
        session.titleDirty = 1;
        break;
    case FileOperation::Open:
        if (!ok) {
            session.modified = 0;
            break;
        }
        session.view->setSortMark(0, -1);
        if (session.table.rowCount() > 0) {
            session.table.setSelected(0, true);
            session.table.setFocused(0, true);
        }
        session.modified = dropped > 0 ? 1 : 0;
        TakeDocument(session, request, kindRead);
        session.titleDirty = 1;
        break;
    case FileOperation::Export:
        break;
    }
    return ok;
}

}  // namespace wayloom
