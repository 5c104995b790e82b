#pragma once
// The program's one top-level window: builds the table, its header, the map pane's place and the
// status bar around the core session, runs the half-second housekeeping tick, dispatches commands
// by number, and saves the settings when it goes.
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <unordered_map>

#include "app/file_commands.h"
#include "app/session.h"
#include "app/ui_port.h"
#include "formats/file_operation.h"

namespace wayloom {

class SettingsProfile;
class WorkTableModel;
class WorkTableView;
class TableHeader;
class MainArea;
class StatusBar;
class MessagePump;
class QtTableViewPort;

// What the window talks to the user through. Null members get the Qt dialogs; the batch mode passes
// its scripted answers and runs no timer-driven work of its own (automatic save, opening the last
// file at start).
struct MainWindowPorts {
    UiPort* ui = nullptr;
    FileDialogPort* fileDialogs = nullptr;
    bool scripted = false;
};

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    // profile may be null (nothing is read or written). The constructor runs command 1000 and, when
    // startupPath names a file, posts its opening (1200); otherwise, with "Open Last", the last file.
    MainWindow(Session& session, SettingsProfile* profile, const MainWindowPorts& ports, std::u16string startupPath,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() const { return session_; }
    UiPort& ui() const { return *ui_; }
    WorkTableView& tableView() const { return *view_; }
    TableHeader& header() const { return *header_; }
    MainArea& area() const { return *area_; }
    StatusBar& statusPanes() const { return *status_; }
    QtTableViewPort& tableViewPort() const { return *viewPort_; }
    MessagePump& messagePump() const { return *pump_; }

    // Runs a command as if chosen from its menu; param is the internal commands' argument.
    void runCommand(int command, int param = 0);
    // Queues a command to run once the current one (and any long operation) has finished.
    void postCommand(int command, int param = 0);
    bool hasPostedCommands() const { return posted_ > 0; }
    // Commands of other parts of the program register here; they win over the built-in ones.
    void setCommandHandler(int command, std::function<void(int param)> handler);

    // The housekeeping tick (IDT_TICK); every other timer of the window runs it after its own work.
    void tick();

    // Opening a path (a dropped file, a recent file, the start-up path): save prompt, then Open.
    void openPath(const std::u16string& path);
    // Files dropped at a point of the window.
    void dropFiles(const std::vector<std::u16string>& paths, const QPoint& at);

    // The table font of the table, the header and the cell editor; sets the header's height.
    void applyTableFont(const QFont& font);

    // Hooks of the parts built elsewhere (settings, toolbar, map, cell editor).
    std::function<void()> updateCommandStates;  // tick step 8, while the toolbar is shown
    std::function<void()> recentFilesChanged;   // after a path joined the recent list
    std::function<void()> autoSave;             // IDT_AUTOSAVE fired
    std::function<bool()> commitEdit;           // an open cell edit; false when it was rejected
    std::function<bool()> editing;              // the cell editor is shown
    std::function<int()> editedRow;             // the row being edited
    std::function<void(int row)> syncMapSelection;  // the selected row to the map page
    std::function<void()> shutDownMapPane;          // before the window goes with the map shown

    // IDT_AUTOSAVE: restarted with "Backup Interval" minutes (when "Backup File" is on).
    void restartAutoSaveTimer();

signals:
    // The settings are being written at destruction; the other parts write theirs now.
    void writingSettings(SettingsProfile& profile);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // File commands.
    void newDocument();
    void saveDocument();
    void runFileDialog(FileDialogOperation operation, int command);
    bool savePrompt();
    // After a file operation: the recent list, the automatic save, the map page or a new document.
    // A plain Save (1003) leaves the recent list alone; the dialogs' four operations and the opening
    // of a path put the path on top of it.
    void afterFileOperation(FileOperation operation, const std::u16string& path, bool ok, bool joinsRecentList);

    void selectRowIfNone(int row);
    void sortByHeader(int column, bool ascending);
    void requestMapSync(bool leftButtonDown);
    void fitAllColumns();
    void destroyWindow();
    void writeSettings();

    Session& session_;
    SettingsProfile* profile_;
    std::unique_ptr<MessagePump> pump_;
    std::unique_ptr<UiPort> ownUi_;
    std::unique_ptr<FileDialogPort> ownFileDialogs_;
    UiPort* ui_ = nullptr;
    FileDialogPort* fileDialogs_ = nullptr;
    std::u16string startupPath_;

    WorkTableModel* model_;
    WorkTableView* view_;
    TableHeader* header_;
    MainArea* area_;
    StatusBar* status_;
    std::unique_ptr<QtTableViewPort> viewPort_;
    TableViewPort* previousView_ = nullptr;
    UiPort* previousUi_ = nullptr;

    QTimer tickTimer_;           // IDT_TICK, 500 ms
    QTimer selectionSyncTimer_;  // IDT_SELECTION_SYNC
    QTimer autoSaveTimer_;       // IDT_AUTOSAVE
    QTimer closeTimer_;          // IDT_CLOSE, 2 s after the map pane was shut down

    std::unordered_map<int, std::function<void(int)>> handlers_;
    int running_ = 0;  // commands in progress: posted commands wait for them
    int posted_ = 0;   // posted commands not run yet
    bool scripted_ = false;
    bool syncRequested_ = false;
    bool selectionPending_ = false;
    bool settingsWritten_ = false;
    bool destroying_ = false;
};

}  // namespace wayloom
