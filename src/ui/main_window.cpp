#include "ui/main_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QScrollBar>

#include "app/command_ids.h"
#include "app/settings_io.h"
#include "app/settings_profile.h"
#include "app/startup_values.h"
#include "app/string_table.h"
#include "ui/main_area.h"
#include "ui/message_pump.h"
#include "ui/qt_text.h"
#include "ui/qt_ui_port.h"
#include "ui/status_bar.h"
#include "ui/table_header.h"
#include "ui/table_view_port.h"
#include "ui/wheel_redirect.h"
#include "ui/work_table_model.h"
#include "ui/work_table_view.h"

namespace wayloom {

namespace {
constexpr int TickInterval = 500;
constexpr int CloseDelay = 2000;
}  // namespace

MainWindow::MainWindow(Session& session, SettingsProfile* profile, const MainWindowPorts& ports,
                       std::u16string startupPath, QWidget* parent)
    : QMainWindow(parent), session_(session), profile_(profile), pump_(std::make_unique<MessagePump>()),
      startupPath_(std::move(startupPath)), scripted_(ports.scripted) {
    setObjectName(ToQString(Text(TextId::MainClassName)));
    session_.statusReset = 1;
    if (profile_) ReadSettings(*profile_, session_);

    model_ = new WorkTableModel(session_, this);
    view_ = new WorkTableView(session_, *model_, nullptr);
    header_ = new TableHeader(session_, nullptr);
    header_->setModel(model_);
    area_ = new MainArea(header_, view_, this);
    setCentralWidget(area_);
    status_ = new StatusBar(this);
    setStatusBar(status_);
    status_->setVisible(session_.options[Option::ShowStatusBar]);

    viewPort_ = std::make_unique<QtTableViewPort>(session_, *view_, *header_);
    previousView_ = session_.view;
    previousUi_ = session_.ui;
    session_.view = viewPort_.get();

    if (ports.ui) {
        ui_ = ports.ui;
    } else {
        auto qtUi = std::make_unique<QtUiPort>(session_, *this, *status_, *pump_);
        qtUi->runTick = [this] { tick(); };
        ownUi_ = std::move(qtUi);
        ui_ = ownUi_.get();
    }
    if (ports.fileDialogs) {
        fileDialogs_ = ports.fileDialogs;
    } else {
        ownFileDialogs_ = std::make_unique<QtFileDialogs>(session_, *this);
        fileDialogs_ = ownFileDialogs_.get();
    }
    session_.ui = ui_;
    viewPort_->showStatus = [this](std::u16string_view text) { status_->setStatusText(text); };
    viewPort_->pumpMessages = [this] { ui_->pumpMessages(false); };

    // The header drives the list's widths and follows its horizontal scrolling.
    connect(header_, &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { view_->setColumnWidth(logical, size); });
    connect(view_, &WorkTableView::horizontalOffsetChanged, header_, &QHeaderView::setOffset);
    connect(header_, &TableHeader::sortRequested, this, &MainWindow::sortByHeader);
    connect(header_, &TableHeader::fitRequested, this,
            [this](int column) { viewPort_->fitColumnWidths(column, true, true); });
    connect(view_, &WorkTableView::commandRequested, this, [this](int command) { postCommand(command); });
    connect(view_, &WorkTableView::mapSyncRequested, this, &MainWindow::requestMapSync);
    header_->commitEdit = [this] { return !commitEdit || commitEdit(); };
    view_->commitEdit = header_->commitEdit;
    view_->editing = [this] { return editing && editing(); };
    area_->editing = view_->editing;
    area_->showStatus = [this](const QString& text) { status_->setMessage(text); };
    area_->requestStatusReset = [this] { session_.statusReset = 1; };
    area_->afterTimer = [this] { tick(); };
    area_->closeMapPane = [this] {
        if (shutDownMapPane) shutDownMapPane();
        area_->hideMapPane();
    };

    viewPort_->applyColumnOrder();
    applyTableFont(font());

    // The window's focus goes to the table (to the cell editor while one is open, by its own code).
    area_->setFocusProxy(view_);
    view_->setFocus();
    setMinimumSize(MinimumWindowWidth, MinimumWindowHeight);
    setAcceptDrops(true);
    new WheelRedirect(*this);

    tickTimer_.setInterval(TickInterval);
    connect(&tickTimer_, &QTimer::timeout, this, &MainWindow::tick);
    tickTimer_.start();
    selectionSyncTimer_.setSingleShot(true);
    connect(&selectionSyncTimer_, &QTimer::timeout, this, [this] {
        selectionPending_ = false;
        tick();
    });
    connect(&autoSaveTimer_, &QTimer::timeout, this, [this] {
        if (autoSave) autoSave();
        tick();
    });
    restartAutoSaveTimer();
    closeTimer_.setSingleShot(true);
    connect(&closeTimer_, &QTimer::timeout, this, &MainWindow::destroyWindow);

    runCommand(ToInt(CommandId::New));

    const QFileInfo startup(ToQString(startupPath_));
    if (!startupPath_.empty() && startup.exists() && !startup.isDir()) {
        postCommand(ToInt(CommandId::OpenStartupPath));
    } else if (!scripted_ && session_.options[Option::OpenLast] && !session_.recentFiles.empty() &&
               QFileInfo(ToQString(session_.recentFiles.front())).isFile()) {
        postCommand(ToInt(CommandId::OpenRecent0));
    }
}

// The session outlives the window: it must not call into widgets that are going away.
MainWindow::~MainWindow() {
    session_.view = previousView_;
    session_.ui = previousUi_;
}

void MainWindow::applyTableFont(const QFont& font) {
    view_->applyFont(font);
    header_->setFont(font);
    const QFontMetrics metrics(font);
    // Text height plus border and 5, at least what the style needs for a header.
    area_->setHeaderHeight(std::max(metrics.height() + 6, header_->sizeHint().height()));
}

// After a resize the tick runs at once: the status bar's panes follow the new width.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    QTimer::singleShot(0, this, &MainWindow::tick);
}

void MainWindow::restartAutoSaveTimer() {
    autoSaveTimer_.stop();
    if (!scripted_ && session_.options[Option::BackupFile]) autoSaveTimer_.start(session_.options.backupInterval * 60 * 1000);
}

void MainWindow::tick() {
    if (session_.titleDirty) {
        const QString title = ToQString(ComposeTitle(session_));
        if (windowTitle() != title) setWindowTitle(title);
        session_.titleDirty = 0;
    }
    // A requested sync waits until the debounce timer has fired.
    if (syncRequested_ && !selectionPending_) {
        const int row = session_.table.nextSelected(-1);
        if (row >= 0 && syncMapSelection) syncMapSelection(row);
        syncRequested_ = false;
    }
    if (status_->simpleMode()) return;
    if (area_->toolbar() && !area_->toolbar()->isHidden() && updateCommandStates) updateCommandStates();
    if (!status_->isHidden()) {
        const WorkTable& table = session_.table;
        const int edited = editing && editing() && editedRow ? editedRow() : -1;
        status_->refresh(session_.statusReset, edited, table.nextSelected(-1), table.selectedCount(), table.rowCount());
    }
}

void MainWindow::requestMapSync(bool leftButtonDown) {
    syncRequested_ = true;
    selectionPending_ = true;
    selectionSyncTimer_.start(leftButtonDown ? 0 : 750);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (destroying_) {
        event->accept();
        return;
    }
    event->ignore();
    // Not while a long operation runs: it pumps messages and would find its window gone.
    if (running_ > 0 || pump_->pumping()) return;
    if (commitEdit && !commitEdit()) return;
    if (session_.modified && !savePrompt()) return;
    if (area_->mapPaneShown()) {
        // The map pane shuts down first; the window goes when IDT_CLOSE fires.
        hide();
        if (shutDownMapPane) shutDownMapPane();
        closeTimer_.start(CloseDelay);
        return;
    }
    writeSettings();
    event->accept();
}

void MainWindow::destroyWindow() {
    closeTimer_.stop();
    writeSettings();
    destroying_ = true;
    close();
}

void MainWindow::writeSettings() {
    if (settingsWritten_ || !profile_) return;
    settingsWritten_ = true;
    WriteSettings(*profile_, session_);
    const QRect normal = normalGeometry();
    WriteWindowPlacement(*profile_, {normal.x(), normal.y(), normal.width(), normal.height(),
                                     isMaximized() ? ShowMaximized : ShowNormal});
    WriteMapPaneWidth(*profile_, area_->mapPaneWidth());
    emit writingSettings(*profile_);
}

}  // namespace wayloom
