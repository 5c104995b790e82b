#pragma once
// The document and its settings: everything of the main window's state that is not a widget.
#include <string>

#include "app/command_table.h"
#include "app/options.h"
#include "app/ports.h"
#include "app/ui_port.h"
#include "app/recent_files.h"
#include "formats/file_kind.h"
#include "model/coordinate_text.h"
#include "model/distance.h"
#include "model/undo_journal.h"
#include "table/work_table.h"

namespace wayloom {

struct Session {
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Options options;
    int adjacentDistance = 1;  // 1 distances between adjacent rows, 0 from the base point
    CommandTable commands;     // every button command's enabled, checked and pressed state
    RecentFiles recentFiles;   // newest first

    WorkTable table;
    UndoJournal journal;

    int modified = 0;
    int titleDirty = 0;
    int statusReset = 0;
    int baseRow = -1;
    bool baseRowInserted = false;
    PointTrig base;  // the base point, cached when the base row is set
    int currentColumn = -1;
    bool sortAscending = true;
    int modalDepth = 0;
    bool autoSaving = false;
    bool backgroundInUse = false;

    std::u16string filePath;
    std::u16string fileTitle;
    FileKind fileKind = FileKind::Itn;
    int fileOperation = 0;  // 0 open, 1 save, 2 import, 3 export

    TableViewPort* view;
    CheckResultsPort* checkResults;
    MapPagePort* mapPage;
    UiPort* ui;  // messages, dialogs, status text and progress

    CoordinateDisplay display() const {
        return {options[Option::DmsFormat], options[Option::CompassDirection]};
    }
    bool showDistance() const { return options[Option::ShowDistance]; }
    bool metric() const { return options[Option::MetricUnit]; }
};

}  // namespace wayloom
