#include "app/command_states.h"

#include "app/command_ids.h"

namespace wayloom {

void UpdateCommandStates(Session& session, const CommandContext& context) {
    const WorkTable& table = session.table;
    const int n = table.rowCount();
    const int s = table.selectedCount();
    const int f = table.nextSelected(-1);
    const bool b = session.baseRowInserted;
    const bool rowsBesideBase = n > 1 || (n == 1 && !b);                 // R
    const bool oneWithCoordinates = s == 1 && table.hasBothCoordinates(f);  // L
    const bool notBaseRow = f != 0 || !b;                                // M
    const bool showDistance = session.showDistance();

    CommandTable& commands = session.commands;
    const auto enable = [&](std::initializer_list<int> ids, bool on) {
        for (const int id : ids) commands.enable(id, on);
    };
    enable({1003}, session.modified && rowsBesideBase);
    enable({1004}, rowsBesideBase);
    enable({1006, 1015, 1017, 1018, 1033, 1034}, s > 0);
    enable({1009}, session.journal.CanUndo());
    enable({1010}, session.journal.CanRedo());
    enable({1012, 1014, 1035, 1036}, s == 1);
    enable({1013, 1016, 1022, 1023, 1025, 1027, 1028}, n > 0);
    enable({1019}, context.clipboardHasEntries);
    enable({1024, 1026}, context.searchTextSet && n > 0);
    enable({1029}, context.homeServicePresent && oneWithCoordinates);
    enable({1030}, s > 0 && context.siblingRunning);
    enable({1037}, n > 2);
    enable({1038}, s == 1 && (f > 1 || (f == 1 && !b)));
    enable({1039}, s == 1 && notBaseRow && f < n - 1);
    enable({1040, 1043, 1044}, n > 2 || (n == 2 && !b));
    enable({1041}, showDistance && notBaseRow && oneWithCoordinates);
    enable({1042}, showDistance);
    enable({1045}, context.mapPageAvailable);
    enable({1046}, context.earthAvailable);
    commands.check(1028, session.checkResults->isOpen());
    commands.check(1055, session.backgroundInUse);
}

namespace {

ItemState HeaderItemState(int command, const Session& session) {
    const Options& options = session.options;
    const int n = session.table.rowCount();
    const int column = session.currentColumn;
    switch (command) {
    case 1203: return {true, options[Option::LngFirst]};
    case 1204: return {true, options[Option::DmsFormat]};
    case 1205: return {true, options[Option::CompassDirection]};
    case 1207: return {(column == ColumnLng || column == ColumnLat) && n > 0, false};
    case 1208: return {column == ColumnName && n > 0, false};
    case 1209: return {true, options[Option::ShowDistance]};
    case 1210: return {true, options[Option::MetricUnit]};
    case 1211: return {options[Option::ShowDistance], session.adjacentDistance == 1};
    case 1212: return {options[Option::ShowDistance], session.adjacentDistance != 1};
    case 1213:
    case 1214: {
        const bool tooFew = n - (session.baseRowInserted ? 1 : 0) < 2;
        const bool noSortColumn = column == ColumnOrden || column == -1 ||
                                  (column == ColumnDistancia && session.baseRow == -1);
        return {!tooFew && !noSortColumn, false};
    }
    default: return {};
    }
}

}  // namespace

ItemState MenuItemState(int command, const Session& session, const CommandContext& context) {
    const Options& options = session.options;
    const WorkTable& table = session.table;
    const int recent = command - ToInt(CommandId::OpenRecent0);
    if (recent >= 0 && recent < RecentCommandCount) {
        const bool listed = recent < static_cast<int>(session.recentFiles.size());
        return {listed && IsExistingFile(session.recentFiles[static_cast<std::size_t>(recent)]), false};
    }
    if (command >= 1203 && command <= 1214) return HeaderItemState(command, session);
    switch (command) {
    case 1020: return {table.selectedCount() == 1, false};
    case 1021:
        return {context.clipboardHasText && !context.clipboardHasEntries && table.selectedCount() > 0, false};
    case 1031:
    case 1032: return {table.rowCount() > 0, false};
    case 1048: return {true, options[Option::ShowMenuBar]};
    case 1049: return {true, options[Option::ShowToolbar]};
    case 1050: return {options[Option::ShowToolbar], options[Option::LargeToolbar]};
    case 1051: return {options[Option::ShowToolbar], options[Option::WrapToolbar]};
    case 1052:
    case 1053: return {options[Option::ShowToolbar], false};
    case 1056: return {true, options[Option::ShowStatusBar]};
    default: return {session.commands.isEnabled(command), session.commands.isChecked(command)};
    }
}

ModalCommand::ModalCommand(Session& session, int command) : session_(session), command_(command) {
    ++session_.modalDepth;
    session_.commands.press(command_, true);
}

ModalCommand::~ModalCommand() {
    session_.commands.press(command_, false);
    --session_.modalDepth;
}

}  // namespace wayloom
