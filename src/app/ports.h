#pragma once
// What the core asks of the windows around the table. Every call has a do-nothing default so that
// headless runs (tests, the converter, folder conversion) need not provide them.
#include <string_view>

#include "table/work_table.h"

namespace wayloom {

// Requests to the table's view: pixel widths, scrolling and painting live there.
class TableViewPort {
public:
    virtual ~TableViewPort() = default;
    // column 0..4 or AllColumns; unforced calls are ignored by the view unless "Auto Column" is on.
    virtual void fitColumnWidths(int /*column*/, bool /*forced*/, bool /*showStatus*/) {}
    virtual void ensureRowVisible(int /*row*/) {}
    virtual void setRedraw(bool /*enabled*/) {}
    virtual void repaint() {}
    // Sort mark on a column header: direction 1 ascending, 0 descending, -1 none on every column.
    virtual void setSortMark(int /*column*/, int /*direction*/) {}
    virtual void applyColumnOrder() {}
};

// The modeless check-results window keeps its own rows, tied to the table by RowId.
class CheckResultsPort {
public:
    virtual ~CheckResultsPort() = default;
    virtual bool isOpen() const { return false; }
    virtual void rowRemoved(RowId /*id*/) {}
    virtual void cellChanged(RowId /*id*/, int /*column*/, std::u16string_view /*text*/) {}
    virtual void swapIdentities(RowId /*a*/, RowId /*b*/) {}
    // Coordinates were rewritten in a new display form; copy them from the table.
    virtual void coordinatesReformatted(const WorkTable& /*table*/) {}
};

// The map page; command numbers are the host-page protocol's.
class MapPagePort {
public:
    virtual ~MapPagePort() = default;
    virtual void sendCommand(int /*command*/) {}
    // Send the whole table again.
    virtual void refresh() {}
};

}  // namespace wayloom
