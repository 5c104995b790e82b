#pragma once
// The separate header above the work table: shows the five titles in the column order, drives the
// table's column widths, sorts on a title click and refuses what the table cannot do.
#include <QHeaderView>
#include <functional>

#include "app/session.h"

namespace wayloom {

class TableHeader final : public QHeaderView {
    Q_OBJECT
public:
    TableHeader(Session& session, QWidget* parent);

    // Commits an open cell edit; false when the editor rejected its value (the click is swallowed).
    std::function<bool()> commitEdit;

    // The logical column under a point of the header, -1 outside any.
    int columnAt(int x) const;
    // True when x lies on the divider at the right end of a visible section.
    bool onDivider(int x, int* logical = nullptr) const;

    // The width a column needs for its title (and sort mark).
    int titleWidth(int logical) const { return sectionSizeFromContents(logical).width(); }

    // Whether a press at x would be refused (the rules of the header, without the cell editor).
    bool refusesPress(int x) const;

signals:
    // A title was clicked: sort by the column in that direction.
    void sortRequested(int column, bool ascending);
    // A divider was double-clicked: fit that column (forced, with the status text).
    void fitRequested(int column);
    // Right click: currentColumn is set; open the Header popup at the global position.
    void popupRequested(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int sortableRowCount() const;

    Session& session_;
    int pressedTitle_ = -1;
};

}  // namespace wayloom
