#include "ui/command_menus.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/command_ids.h"
#include "app/command_texts.h"
#include "ui/command_actions.h"
#include "ui/qt_text.h"
#include "ui/status_bar.h"

namespace wayloom {

namespace {

constexpr int RecentItemWidth = 300;

bool IsBarMenu(MenuId id) { return static_cast<int>(id) < MenuBarCount; }

}  // namespace

CommandMenus::CommandMenus(Session& session, CommandActions& actions, StatusBar& status, QMainWindow& window)
    : QObject(&window), session_(session), actions_(actions), status_(status), menuBar_(new QMenuBar(&window)) {
    for (int i = 0; i < MenuBarCount; ++i) {
        const auto id = static_cast<MenuId>(i);
        QMenu* menu = buildMenu(id, menuBar_);
        menu->setTitle(ToQString(Text(MenuTitle(id))));
        menuBar_->addMenu(menu);
    }
    for (const MenuId id : {MenuId::ToolbarPopup, MenuId::HeaderPopup, MenuId::ListViewPopup})
        buildMenu(id, &window);
    // 1211 and 1212 show one radio mark between them.
    auto* distances = new QActionGroup(this);
    distances->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    distances->addAction(actions_.action(ToInt(CommandId::AdjacentDistance)));
    distances->addAction(actions_.action(ToInt(CommandId::BaseDistance)));
    window.setMenuBar(menuBar_);
}

QMenu* CommandMenus::buildMenu(MenuId id, QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (const int command : MenuItems(id)) {
        if (command == MenuSeparator) menu->addSeparator();
        else menu->addAction(id == MenuId::ToolbarPopup ? actions_.toolbarPopupAction(command) : actions_.action(command));
    }
    menus_[static_cast<int>(id)] = menu;
    connect(menu, &QMenu::aboutToShow, this, [this, id, menu] { prepare(id, *menu); });
    connect(menu, &QMenu::aboutToHide, this, [this] { status_.leaveSimpleMode(); });
    connect(menu, &QMenu::hovered, this, &CommandMenus::showHelp);
    return menu;
}

void CommandMenus::prepare(MenuId id, QMenu& menu) {
    if (commitEdit && !commitEdit()) {
        QTimer::singleShot(0, &menu, &QMenu::close);
        return;
    }
    const CommandContext now = context ? context() : CommandContext{};
    if (id != MenuId::HeaderPopup && id != MenuId::ToolbarPopup) UpdateCommandStates(session_, now);
    actions_.applyMenuStates(menu, now);
    if (IsBarMenu(id)) status_.enterSimpleMode(ToQString(Text(MenuHelp(id))));
}

void CommandMenus::showHelp(QAction* action) {
    const int command = CommandOf(action);
    const int recent = command - ToInt(CommandId::OpenRecent0);
    if (recent >= 0 && recent < RecentCommandCount) {
        status_.enterSimpleMode(recentHelp(recent));
    } else if (const CommandText* texts = FindCommandText(command)) {
        status_.enterSimpleMode(ToQString(texts->help));
    }
}

QString CommandMenus::recentHelp(int index) const {
    const QString label = ToQString(Text(TextId::OpenRecentHelp)) + QLatin1Char(' ');
    if (index >= static_cast<int>(session_.recentFiles.size())) return label;
    const QFontMetrics metrics(status_.font());
    const int room = status_.width() - metrics.horizontalAdvance(label) - 8;
    return label + metrics.elidedText(ToQString(session_.recentFiles[static_cast<std::size_t>(index)]),
                                      Qt::ElideMiddle, room);
}

void CommandMenus::rebuildRecentItems() {
    QMenu* file = menu(MenuId::File);
    for (QAction* item : recentItems_) {
        file->removeAction(item);
        item->deleteLater();
    }
    recentItems_.clear();
    if (session_.recentFiles.empty()) return;
    const QList<QAction*> items = file->actions();
    QAction* before = items.value(RecentMenuPosition);
    const QFontMetrics metrics(status_.font());
    for (std::size_t i = 0; i < session_.recentFiles.size(); ++i) {
        QString shown = metrics.elidedText(ToQString(DisplayPath(session_.recentFiles[i], folders)), Qt::ElideMiddle,
                                           RecentItemWidth);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), file);
        const int command = ToInt(CommandId::OpenRecent0) + static_cast<int>(i);
        item->setData(command);
        connect(item, &QAction::triggered, this, [this, command] {
            if (actions_.run) actions_.run(command);
        });
        file->insertAction(before, item);
        recentItems_.push_back(item);
    }
    recentItems_.push_back(file->insertSeparator(before));
}

void CommandMenus::popup(MenuId id, const QPoint& globalPos) { menu(id)->popup(globalPos); }

}  // namespace wayloom
