#pragma once
// One QAction per command, shared by the menus and the toolbar: its text with the key after a tab,
// its toolbar image, its tooltip. The actions mirror the command states the CommandTable holds, so a
// button and its menu item always agree.
#include <QObject>
#include <functional>
#include <unordered_map>

#include "app/command_states.h"

class QAction;
class QMenu;

namespace wayloom {

class CommandActions final : public QObject {
    Q_OBJECT
public:
    CommandActions(Session& session, QObject* parent);
    ~CommandActions() override;

    // The action of a command with a text (1000-1062, 1203-1214), created on first use; the command
    // number is its data().
    QAction* action(int command);
    // The Toolbar popup's own actions for 1050-1053, which carry other texts.
    QAction* toolbarPopupAction(int command);
    // Gives every action of the menu the state MenuItemState computes now.
    void applyMenuStates(QMenu& menu, const CommandContext& context);
    // Runs a command chosen from a menu, the toolbar or a key.
    std::function<void(int command)> run;

signals:
    // A state bit of a command in the CommandTable changed (the toolbar follows pressed states).
    void stateChanged(int command);

private:
    QAction* makeAction(int command, const QString& text, const QString& keys);
    void followTable(int command);

    Session& session_;
    std::unordered_map<int, QAction*> actions_;
    std::unordered_map<int, QAction*> popupActions_;
};

// The command number of an action made here, or 0.
int CommandOf(const QAction* action);

}  // namespace wayloom
