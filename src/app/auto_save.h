#pragma once
// Saving: where command 1003 sends the itinerary, and the automatic save every "Backup Interval"
// minutes.
#include <functional>

#include "app/session.h"

namespace wayloom {

enum class SaveRoute {
    InPlace,  // RunFileOperation(Save) on filePath
    SaveAs,   // command 1004: the save-as dialog
    Nothing,  // an automatic save of an untitled or read-only-kind itinerary: no dialog, no save
};

// Command 1003 writes the itinerary back to its file when it has one whose kind can be written (GPI
// files are read only); otherwise it asks for a name, except during an automatic save, which never
// shows a dialog.
SaveRoute ChooseSaveRoute(const Session& session);

// At each automatic-save tick: true when no automatic save is running, the itinerary has changes and
// the table has rows.
bool AutoSaveDue(const Session& session);

// Runs `save` (command 1003, which consults ChooseSaveRoute) with autoSaving set, so that its
// progress is silent and it opens no dialog, when the save is due. Returns whether it ran.
bool RunAutoSave(Session& session, const std::function<void()>& save);

}  // namespace wayloom
