// Command dispatch of the main window and the commands of the table's view.
#include <QTimer>

#include "app/command_ids.h"
#include "table/column_order.h"
#include "table/coordinate_cells.h"
#include "table/distance_commands.h"
#include "table/sort_rows.h"
#include "table/undo_replay.h"
#include "ui/main_area.h"
#include "ui/main_window.h"
#include "ui/table_header.h"
#include "ui/table_view_port.h"
#include "ui/work_table_model.h"
#include "ui/work_table_view.h"

namespace wayloom {

void MainWindow::setCommandHandler(int command, std::function<void(int param)> handler) {
    handlers_[command] = std::move(handler);
}

void MainWindow::postCommand(int command, int param) {
    ++posted_;
    QTimer::singleShot(0, this, [this, command, param] {
        --posted_;
        // A command posted from inside a long operation (its message pump) waits for it.
        if (running_ > 0) postCommand(command, param);
        else runCommand(command, param);
    });
}

void MainWindow::runCommand(int command, int param) {
    ++running_;
    if (auto handler = handlers_.find(command); handler != handlers_.end()) {
        handler->second(param);
    } else if (command >= ToInt(CommandId::OpenRecent0) &&
               command < ToInt(CommandId::OpenRecent0) + RecentCommandCount) {
        const std::size_t index = static_cast<std::size_t>(command - ToInt(CommandId::OpenRecent0));
        if (index < session_.recentFiles.size()) openPath(session_.recentFiles[index]);
    } else {
        switch (static_cast<CommandId>(command)) {
        case CommandId::New: newDocument(); break;
        case CommandId::Open: runFileDialog(FileDialogOperation::Open, command); break;
        case CommandId::Save: saveDocument(); break;
        case CommandId::SaveAs: runFileDialog(FileDialogOperation::SaveAs, command); break;
        case CommandId::Import: runFileDialog(FileDialogOperation::Import, command); break;
        case CommandId::Export: runFileDialog(FileDialogOperation::Export, command); break;
        case CommandId::Exit: QTimer::singleShot(0, this, &QWidget::close); break;
        case CommandId::OpenStartupPath: openPath(startupPath_); break;
        case CommandId::Relayout: area_->layoutChildren(param != 0); break;
        case CommandId::SelectRowIfNone: selectRowIfNone(param); break;
        case CommandId::Undo: UndoCommand(session_); break;
        case CommandId::Redo: RedoCommand(session_); break;
        case CommandId::ChooseBase: ChooseBaseRow(session_); break;
        case CommandId::LngFirst: ToggleLngFirst(session_); break;
        case CommandId::DmsFormat: ReformatAllCoordinates(session_, true); break;
        case CommandId::CompassDirection: ReformatAllCoordinates(session_, false); break;
        case CommandId::ShowDistance: ToggleShowDistance(session_); break;
        case CommandId::MetricUnit: ToggleMetricUnit(session_); break;
        case CommandId::AdjacentDistance: SetAdjacentDistance(session_, true); break;
        case CommandId::BaseDistance: SetAdjacentDistance(session_, false); break;
        case CommandId::FitColumns: viewPort_->fitColumnWidths(AllColumns, true, true); break;
        default: break;  // commands of parts not built yet
        }
    }
    --running_;
    // What the command did to the rows' states shows at once, not at the next turn of the loop.
    view_->syncSelectionFromCore();
}

// 1202: when no row is selected and no cell is being edited, select and show the row (clamped).
void MainWindow::selectRowIfNone(int row) {
    WorkTable& table = session_.table;
    if ((editing && editing()) || table.selectedCount() > 0 || table.rowCount() == 0) return;
    row = std::clamp(row, 0, table.rowCount() - 1);
    table.setSelected(row, true);
    table.setFocused(row, true);
    viewPort_->ensureRowVisible(row);
}

void MainWindow::sortByHeader(int column, bool ascending) {
    SortRows(session_, column, ascending, SortMode::Command);
    session_.titleDirty = 1;
    session_.statusReset = 1;
    view_->syncSelectionFromCore();
}

}  // namespace wayloom
