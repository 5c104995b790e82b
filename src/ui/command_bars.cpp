#include "ui/command_bars.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QToolButton>

#include "app/auto_save.h"
#include "app/command_ids.h"
#include "app/command_texts.h"
#include "app/settings_profile.h"
#include "ui/accelerator_filter.h"
#include "ui/command_actions.h"
#include "ui/command_menus.h"
#include "ui/command_toolbar.h"
#include "ui/customize_dialog.h"
#include "ui/main_area.h"
#include "ui/main_window.h"
#include "ui/message_pump.h"
#include "ui/options_dialog.h"
#include "ui/qt_text.h"
#include "ui/status_bar.h"
#include "ui/table_font.h"
#include "ui/table_header.h"
#include "ui/work_table_view.h"

namespace wayloom {

namespace {

// The clipboard formats of the program's own entries and of the sibling editor's.
const QString OwnEntriesMime = QStringLiteral("application/x-wayloom-entries");
const QString SiblingEntriesMime = QStringLiteral("application/x-pinloom-entries");

bool Ask(const std::function<bool()>& question, bool unset = false) { return question ? question() : unset; }

}  // namespace

CommandBars::CommandBars(MainWindow& window, SettingsProfile* profile)
    : QObject(&window), window_(window), profile_(profile) {
    Session& session = window_.session();
    actions_ = new CommandActions(session, this);
    actions_->run = [this](int command) { window_.runCommand(command); };
    menus_ = new CommandMenus(session, *actions_, window_.statusPanes(), window_);
    menus_->context = [this] { return commandContext(); };
    menus_->commitEdit = [this] { return !window_.commitEdit || window_.commitEdit(); };
    menus_->menuBar()->setVisible(session.options[Option::ShowMenuBar]);
    toolbar_ = new CommandToolbar(session, *actions_);
    readClipboard();
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CommandBars::readClipboard);
    readSettings();
    buildToolbar();
    wireWindow();
    registerCommands();
    menus_->rebuildRecentItems();
}

CommandBars::~CommandBars() = default;

// Asking the clipboard's owner for its formats may take a round trip to another program: the
// answer is kept until the clipboard changes rather than asked at every tick.
void CommandBars::readClipboard() {
    clipboardHasEntries_ = false;
    clipboardHasText_ = false;
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) {
        clipboardHasEntries_ = data->hasFormat(OwnEntriesMime) || data->hasFormat(SiblingEntriesMime);
        clipboardHasText_ = data->hasText();
    }
}

CommandContext CommandBars::commandContext() const {
    CommandContext context;
    context.clipboardHasEntries = clipboardHasEntries_;
    context.clipboardHasText = clipboardHasText_;
    context.searchTextSet = Ask(searchTextSet);
    context.homeServicePresent = Ask(homeServicePresent);
    context.siblingRunning = Ask(siblingRunning);
    context.mapPageAvailable = Ask(mapPageAvailable, true);
    context.earthAvailable = Ask(earthAvailable);
    return context;
}

void CommandBars::readSettings() {
    ToolbarColours colours;
    ToolbarButtons buttons = DefaultToolbarButtons();
    if (profile_) {
        colours = ReadToolbarColours(*profile_);
        if (std::optional<ToolbarButtons> stored = ReadToolbarButtons(*profile_)) buttons = std::move(*stored);
        font_ = ReadFontSettings(*profile_);
    }
    toolbar_->setColour(colours.toolbar);
    customColours_ = colours.custom;
    toolbar_->setButtons(buttons);
    // Without a face name the table keeps the font it has, in black.
    const QFont font = FontFromSettings(font_, window_.tableView().font());
    if (font_.name.empty()) StoreFont(font_, font, 0);
    setTableFont(font, font_.colour);
    if (font_.usePicture && IsExistingFile(font_.picture)) setBackgroundPicture(ToQString(font_.picture));
}

void CommandBars::writeSettings(SettingsProfile& profile) {
    font_.usePicture = window_.session().backgroundInUse;
    WriteFontSettings(profile, font_);
}

void CommandBars::buildToolbar() {
    Session& session = window_.session();
    toolbar_->setLarge(session.options[Option::LargeToolbar]);
    toolbar_->setWrapping(session.options[Option::WrapToolbar]);
    toolbar_->setSpacing(session.options.toolbarSpacing);
    toolbar_->beforeClick = [this] {
        UpdateCommandStates(window_.session(), commandContext());
        return !window_.commitEdit || window_.commitEdit();
    };
    toolbar_->showHelp = [this](int command) {
        if (window_.editing && window_.editing()) return;
        if (const CommandText* texts = FindCommandText(command)) window_.statusPanes().setMessage(ToQString(texts->help));
        window_.session().statusReset = 0;
    };
    toolbar_->helpHidden = [this] { window_.session().statusReset = 1; };
    connect(toolbar_, &CommandToolbar::popupRequested, this, &CommandBars::popupToolbar);
    connect(toolbar_, &CommandToolbar::layoutChanged, this, [this] { window_.area().layoutChildren(true); });
    toolbar_->setVisible(session.options[Option::ShowToolbar]);
    window_.area().setToolbar(toolbar_);
}

void CommandBars::wireWindow() {
    window_.updateCommandStates = [this] { UpdateCommandStates(window_.session(), commandContext()); };
    window_.recentFilesChanged = [this] { menus_->rebuildRecentItems(); };
    window_.autoSave = [this] {
        RunAutoSave(window_.session(), [this] { window_.runCommand(ToInt(CommandId::Save)); });
    };
    connect(&window_, &MainWindow::writingSettings, this, &CommandBars::writeSettings);
    connect(&window_.tableView(), &WorkTableView::popupRequested, this,
            [this](const QPoint& at) { menus_->popup(MenuId::ListViewPopup, at); });
    connect(&window_.header(), &TableHeader::popupRequested, this,
            [this](const QPoint& at) { menus_->popup(MenuId::HeaderPopup, at); });

    accelerators_ = new AcceleratorFilter(window_);
    accelerators_->accepting = [this] {
        return !(window_.editing && window_.editing()) && !window_.messagePump().pumping();
    };
    accelerators_->enabled = [this](int command) { return keyMayRun(command); };
    accelerators_->run = [this](int command) { window_.runCommand(command); };
    accelerators_->mapPane = [this] { return window_.area().mapPane(); };
}

void CommandBars::registerCommands() {
    for (const CommandId view : {CommandId::ShowMenuBar, CommandId::ShowToolbar, CommandId::LargeToolbar,
                                 CommandId::WrapToolbar, CommandId::ShowStatusBar})
        window_.setCommandHandler(ToInt(view), [this, view](int) { toggleView(ToInt(view)); });
    const std::pair<CommandId, void (CommandBars::*)()> commands[] = {
        {CommandId::CustomizeToolbar, &CommandBars::runCustomize},
        {CommandId::Options, &CommandBars::runOptions},
        {CommandId::ToolbarColour, &CommandBars::runToolbarColour},
        {CommandId::TableFont, &CommandBars::runTableFont},
        {CommandId::BackgroundPicture, &CommandBars::runBackgroundPicture},
        {CommandId::About, &CommandBars::runAbout},
        {CommandId::ContextMenuKey, &CommandBars::contextMenuKey},
    };
    for (const auto& [command, method] : commands)
        window_.setCommandHandler(ToInt(command), [this, method = method](int) { (this->*method)(); });
    for (const CommandId help : {CommandId::HelpTomTom, CommandId::HelpForum, CommandId::HelpProduct, CommandId::HelpMail})
        window_.setCommandHandler(ToInt(help), [this, help](int) { runHelp(ToInt(help)); });
}

// 1048-1051 and 1056: the option flips and the window follows.
void CommandBars::toggleView(int command) {
    Options& options = window_.session().options;
    const auto flip = [&options](Option option) {
        options.set(option, !options[option]);
        return options[option];
    };
    switch (static_cast<CommandId>(command)) {
    case CommandId::ShowMenuBar: menus_->menuBar()->setVisible(flip(Option::ShowMenuBar)); return;
    case CommandId::ShowToolbar: toolbar_->setVisible(flip(Option::ShowToolbar)); break;
    case CommandId::LargeToolbar: toolbar_->setLarge(flip(Option::LargeToolbar)); break;
    case CommandId::WrapToolbar: toolbar_->setWrapping(flip(Option::WrapToolbar)); break;
    case CommandId::ShowStatusBar: window_.statusPanes().setVisible(flip(Option::ShowStatusBar)); break;
    default: return;
    }
    window_.area().layoutChildren(true);
}

void CommandBars::runOptions() {
    Session& session = window_.session();
    ModalCommand modal(session, ToInt(CommandId::Options));
    const Options before = session.options;
    std::optional<Options> after;
    if (askOptions) {
        after = askOptions(before);
    } else {
        OptionsDialog dialog(before, window_.ui(), before[Option::FadeWindow], &window_);
        if (dialog.exec() == QDialog::Accepted) after = dialog.options();
    }
    if (after) applyOptions(before, *after);
}

void CommandBars::applyOptions(Options before, const Options& after) {
    Session& session = window_.session();
    Options& options = session.options;
    options = after;
    const auto changed = [&](Option option) { return before[option] != after[option]; };
    // These take the path of their menu command: back to the old value, then the toggle.
    const std::pair<Option, CommandId> toggles[] = {
        {Option::ShowMenuBar, CommandId::ShowMenuBar},   {Option::ShowToolbar, CommandId::ShowToolbar},
        {Option::LargeToolbar, CommandId::LargeToolbar}, {Option::WrapToolbar, CommandId::WrapToolbar},
        {Option::LngFirst, CommandId::LngFirst},         {Option::DmsFormat, CommandId::DmsFormat},
        {Option::CompassDirection, CommandId::CompassDirection}, {Option::ShowDistance, CommandId::ShowDistance},
        {Option::MetricUnit, CommandId::MetricUnit},     {Option::ShowStatusBar, CommandId::ShowStatusBar},
    };
    for (const auto& [option, command] : toggles) {
        if (!changed(option)) continue;
        options.set(option, before[option]);
        window_.postCommand(ToInt(command));
    }
    if (after[Option::AutoColumn] && !before[Option::AutoColumn]) window_.postCommand(ToInt(CommandId::FitColumns));
    if (changed(Option::RecentFile) || before.fileCount != after.fileCount) cutRecentList();
    if (changed(Option::ShadeTable)) window_.tableView().viewport()->update();
    if (changed(Option::BackupFile) || before.backupInterval != after.backupInterval) window_.restartAutoSaveTimer();
    if (window_.area().mapPaneShown()) {
        if (before.mapLanguage != after.mapLanguage) window_.postCommand(ToInt(CommandId::GoogleMaps));
        // Page commands 12-17: each option on (even) or off (odd).
        const std::pair<Option, int> pageOptions[] = {
            {Option::GoogleMapsCookie, 12}, {Option::GoogleMapsName, 14}, {Option::GoogleMapsRoute, 16}};
        for (const auto& [option, on] : pageOptions)
            if (changed(option)) session.mapPage->sendCommand(after[option] ? on : on + 1);
    }
}

// The list follows "Recent File" and "File Count" at once: cut to the count, or emptied.
void CommandBars::cutRecentList() {
    Session& session = window_.session();
    RecentFiles& list = session.recentFiles;
    if (!session.options[Option::RecentFile]) list.clear();
    else if (static_cast<int>(list.size()) > session.options.fileCount)
        list.resize(static_cast<std::size_t>(session.options.fileCount));
    menus_->rebuildRecentItems();
}

void CommandBars::runCustomize() {
    Session& session = window_.session();
    ModalCommand modal(session, ToInt(CommandId::CustomizeToolbar));
    CustomizeDialog dialog(*toolbar_, session.options[Option::FadeWindow], &window_);
    dialog.buttonsChanged = [this](const ToolbarButtons& buttons) {
        if (profile_) WriteToolbarButtons(*profile_, buttons);
        window_.area().layoutChildren(true);
    };
    dialog.buttonsReset = [this] {
        if (profile_) DeleteToolbarButtons(*profile_);
        window_.area().layoutChildren(true);
    };
    dialog.hasStoredButtons = [this] { return profile_ && profile_->hasKey("Options", "Toolbar Button"); };
    dialog.spacingChanged = [this](int spacing) {
        window_.session().options.toolbarSpacing = spacing;
        window_.area().layoutChildren(true);
    };
    dialog.exec();
}

void CommandBars::popupToolbar(const QPoint& globalPos, bool chevron) {
    const std::vector<int> hidden = toolbar_->cutOffEntries();
    if (!chevron || hidden.empty()) {
        menus_->popup(MenuId::ToolbarPopup, globalPos);
        return;
    }
    // The cut-off buttons with their menu texts; runs of separators become one.
    Session& session = window_.session();
    QMenu menu;
    bool separatorDue = false;
    for (const int entry : hidden) {
        const CommandEntry* button = session.commands.entryForImage(toolbar_->buttons()[static_cast<std::size_t>(entry)]);
        if (!button) {
            separatorDue = !menu.isEmpty();
            continue;
        }
        if (separatorDue) menu.addSeparator();
        separatorDue = false;
        const int command = button->command;
        QAction* item = menu.addAction(actions_->action(command)->icon(),
                                       ToQString(PlainMenuText(FindCommandText(command)->menu)));
        item->setEnabled(session.commands.isEnabled(command));
        connect(item, &QAction::triggered, this, [this, command] { window_.postCommand(command); });
    }
    menu.exec(globalPos);
}

// 1215, the Applications key: a right click where the pointer is, over the table, header or toolbar.
void CommandBars::contextMenuKey() {
    const QPoint at = QCursor::pos();
    QWidget* under = QApplication::widgetAt(at);
    if (!under) return;
    WorkTableView& view = window_.tableView();
    TableHeader& header = window_.header();
    if (under == view.viewport() || view.isAncestorOf(under)) {
        WorkTable& table = window_.session().table;
        const int row = view.rowAt(view.viewport()->mapFromGlobal(at).y());
        if (row >= 0 && !table.isSelected(row)) {
            table.selectAll(false);
            table.setSelected(row, true);
            table.setFocused(row, true);
            view.syncSelectionFromCore();
        }
        menus_->popup(MenuId::ListViewPopup, at);
    } else if (under == &header || header.isAncestorOf(under)) {
        window_.session().currentColumn = header.columnAt(header.mapFromGlobal(at).x());
        menus_->popup(MenuId::HeaderPopup, at);
    } else if (under == toolbar_ || toolbar_->isAncestorOf(under)) {
        popupToolbar(at, toolbar_->inChevronZone(toolbar_->mapFromGlobal(at)));
    }
}

// A key runs its command only when the command's menu item would be enabled now.
bool CommandBars::keyMayRun(int command) {
    if (command == ToInt(CommandId::ContextMenuKey)) return true;
    Session& session = window_.session();
    const CommandContext context = commandContext();
    UpdateCommandStates(session, context);
    return MenuItemState(command, session, context).enabled;
}

}  // namespace wayloom
