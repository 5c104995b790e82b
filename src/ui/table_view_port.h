#pragma once
// The core's requests to the table's view (TableViewPort): column widths, scrolling, the redraw
// flag, sort marks and the column order, carried out on the list and its separate header.
#include <functional>
#include <string_view>

#include "app/ports.h"
#include "app/session.h"

namespace wayloom {

class WorkTableView;
class TableHeader;

class QtTableViewPort final : public TableViewPort {
public:
    QtTableViewPort(Session& session, WorkTableView& view, TableHeader& header);

    // The message pane, and PumpMessages without Escape (paint and timer work between columns).
    std::function<void(std::u16string_view)> showStatus;
    std::function<void()> pumpMessages;

    void fitColumnWidths(int column, bool forced, bool showStatus) override;
    void ensureRowVisible(int row) override;
    void setRedraw(bool enabled) override;
    void repaint() override;
    void setSortMark(int column, int direction) override;
    void applyColumnOrder() override;

    // The five columns' default widths and the Distancia column shown or hidden (New).
    void setDefaultWidths();
    // Distancia: hidden (width 0, not resizable) while distances are not shown.
    void applyDistanceVisibility();
    // The width that shows every cell of a column and its title.
    int fittedWidth(int column) const;

private:
    void setColumnWidth(int column, int width);

    Session& session_;
    WorkTableView& view_;
    TableHeader& header_;
};

}  // namespace wayloom
