#include "ui/command_actions.h"

#include <QAction>
#include <QMenu>

#include "app/command_texts.h"
#include "app/menu_layout.h"
#include "ui/qt_text.h"
#include "ui/toolbar_images.h"

namespace wayloom {

namespace {

// Commands whose menu item or button shows a check mark.
bool IsCheckable(int command) {
    switch (command) {
    case 1028: case 1048: case 1049: case 1050: case 1051: case 1055: case 1056:
    case 1203: case 1204: case 1205: case 1209: case 1210: case 1211: case 1212:
        return true;
    default:
        return false;
    }
}

}  // namespace

int CommandOf(const QAction* action) { return action ? action->data().toInt() : 0; }

CommandActions::CommandActions(Session& session, QObject* parent) : QObject(parent), session_(session) {
    session_.commands.changed = [this](int command) { followTable(command); };
}

CommandActions::~CommandActions() { session_.commands.changed = nullptr; }

QAction* CommandActions::makeAction(int command, const QString& text, const QString& keys) {
    // QMenu shows the text after a tab in its key column; the keys themselves are the accelerator
    // tables' business, so the action registers no shortcut.
    auto* action = new QAction(keys.isEmpty() ? text : text + QLatin1Char('\t') + keys, this);
    action->setData(command);
    action->setCheckable(IsCheckable(command));
    const int image = session_.commands.imageOf(command);
    if (image >= 0) action->setIcon(ToolbarIcon(image));
    if (const CommandText* texts = FindCommandText(command); texts && !texts->tooltip.empty())
        action->setToolTip(ToQString(texts->tooltip));
    connect(action, &QAction::triggered, this, [this, action, command] {
        // A check mark follows the option the command toggles, not Qt's own toggling.
        if (action->isCheckable()) action->setChecked(!action->isChecked());
        if (run) run(command);
    });
    return action;
}

QAction* CommandActions::action(int command) {
    if (auto found = actions_.find(command); found != actions_.end()) return found->second;
    const CommandText* texts = FindCommandText(command);
    if (!texts) return nullptr;
    QAction* action = makeAction(command, ToQString(texts->menu), ToQString(texts->keys));
    actions_.emplace(command, action);
    followTable(command);
    return action;
}

QAction* CommandActions::toolbarPopupAction(int command) {
    const std::optional<TextId> text = ToolbarPopupText(command);
    if (!text) return action(command);
    if (auto found = popupActions_.find(command); found != popupActions_.end()) return found->second;
    QAction* action = makeAction(command, ToQString(Text(*text)), {});
    action->setIcon({});
    popupActions_.emplace(command, action);
    return action;
}

void CommandActions::applyMenuStates(QMenu& menu, const CommandContext& context) {
    for (QAction* action : menu.actions()) {
        const int command = CommandOf(action);
        if (command == 0) continue;
        const ItemState state = MenuItemState(command, session_, context);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) action->setChecked(state.checked);
    }
}

void CommandActions::followTable(int command) {
    if (auto found = actions_.find(command); found != actions_.end() && session_.commands.imageOf(command) >= 0) {
        found->second->setEnabled(session_.commands.isEnabled(command));
        if (found->second->isCheckable()) found->second->setChecked(session_.commands.isChecked(command));
    }
    emit stateChanged(command);
}

}  // namespace wayloom
