#pragma once
#include "app/session.h"

namespace wayloom {

// Replays the current step newest record first; each record swaps what it holds with the table.
void Undo(Session& session);
// Replays the next step oldest record first.
void Redo(Session& session);

// Commands 1009 and 1010: the frame around Undo and Redo (status text, selection cleared, drawing
// resumed, the map page sent the whole table again, title and status refreshed).
void UndoCommand(Session& session);
void RedoCommand(Session& session);

}  // namespace wayloom
