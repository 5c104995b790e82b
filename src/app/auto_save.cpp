#include "app/auto_save.h"

namespace wayloom {

SaveRoute ChooseSaveRoute(const Session& session) {
    if (!session.filePath.empty() && session.fileKind != FileKind::Gpi) return SaveRoute::InPlace;
    return session.autoSaving ? SaveRoute::Nothing : SaveRoute::SaveAs;
}

bool AutoSaveDue(const Session& session) {
    return !session.autoSaving && session.modified && session.table.rowCount() > 0;
}

bool RunAutoSave(Session& session, const std::function<void()>& save) {
    if (!AutoSaveDue(session)) return false;
    session.autoSaving = true;
    save();
    session.autoSaving = false;
    return true;
}

}  // namespace wayloom
