#pragma once
#include "app/session.h"

namespace wayloom {

// Moves the first selected row one place up or down. Undo and redo replay it with `replaying`,
// which records nothing and leaves the map alone.
void MoveRow(Session& session, bool up, bool replaying);

}  // namespace wayloom
