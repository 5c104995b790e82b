#pragma once
// The menu bar's five menus, the three popups (Toolbar, Header, List View) and the recent-file items
// of the File menu; each menu brings its items' states up to date as it opens, and the status bar
// shows the help text of the highlighted item meanwhile.
#include <QObject>
#include <functional>

#include "app/command_states.h"
#include "app/menu_layout.h"
#include "app/recent_files.h"

class QMainWindow;
class QMenu;
class QMenuBar;
class QAction;

namespace wayloom {

class CommandActions;
class StatusBar;

class CommandMenus final : public QObject {
    Q_OBJECT
public:
    CommandMenus(Session& session, CommandActions& actions, StatusBar& status, QMainWindow& window);

    QMenuBar* menuBar() const { return menuBar_; }
    QMenu* menu(MenuId id) const { return menus_[static_cast<int>(id)]; }

    // The recent items after the separator that follows "Exportar...": "&1 " and the path's short
    // form, then one separator of their own when the list is not empty.
    void rebuildRecentItems();
    // Opens a popup at a global position, tracking the right button.
    void popup(MenuId id, const QPoint& globalPos);

    // What the rules need to know besides the session.
    std::function<CommandContext()> context;
    // Commits an open cell edit; false when the editor rejected it (the menu does not open).
    std::function<bool()> commitEdit;
    DisplayPathFolders folders = DisplayPathFolders::FromEnvironment();

private:
    QMenu* buildMenu(MenuId id, QWidget* parent);
    void prepare(MenuId id, QMenu& menu);
    void showHelp(QAction* action);
    QString recentHelp(int index) const;

    Session& session_;
    CommandActions& actions_;
    StatusBar& status_;
    QMenuBar* menuBar_;
    QMenu* menus_[8] = {};
    std::vector<QAction*> recentItems_;
};

}  // namespace wayloom
