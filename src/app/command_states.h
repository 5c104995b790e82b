#pragma once
// The enabling rules: which commands can run now, from the table's contents and the session, and
// the state each menu item shows when its menu opens.
#include "app/session.h"

namespace wayloom {

// Facts of the desktop around the session that the rules consult.
struct CommandContext {
    bool clipboardHasEntries = false;  // the program's own or the sibling's entry format
    bool clipboardHasText = false;
    bool searchTextSet = false;        // the find dialog has a text to look for
    bool homeServicePresent = false;   // TomTom HOME can take Favorites
    bool siblingRunning = false;       // a window of the sibling editor exists
    bool mapPageAvailable = false;     // the temporary map page has a name
    bool earthAvailable = false;       // Google Earth is installed
};

// Recomputes the enabled state of the button commands (and the check marks of 1028 and 1055) in
// session.commands; commands without a rule keep their state. Run at every tick while the toolbar is
// shown, before the main menu or the List View popup opens, and when the toolbar is clicked.
void UpdateCommandStates(Session& session, const CommandContext& context);

struct ItemState {
    bool enabled = true;
    bool checked = false;
    bool operator==(const ItemState&) const = default;
};

// The state of a menu item (main menu, the three popups, recent files 1100-1108) when its menu opens,
// after UpdateCommandStates has run. The header commands use session.currentColumn, the column under
// the pointer.
ItemState MenuItemState(int command, const Session& session, const CommandContext& context);

// A command that opens a dialog or runs long presses its button and raises modalDepth while it runs.
class ModalCommand {
public:
    ModalCommand(Session& session, int command);
    ~ModalCommand();
    ModalCommand(const ModalCommand&) = delete;
    ModalCommand& operator=(const ModalCommand&) = delete;

private:
    Session& session_;
    int command_;
};

}  // namespace wayloom
