#include "ui/table_header.h"

#include <QMouseEvent>
#include <QStyle>
#include <algorithm>

namespace wayloom {

TableHeader::TableHeader(Session& session, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), session_(session) {
    setSectionsClickable(true);
    setSectionsMovable(false);
    setHighlightSections(false);
    setStretchLastSection(false);
    setSortIndicatorShown(true);
    setSortIndicator(-1, Qt::AscendingOrder);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumSectionSize(0);
    setFocusPolicy(Qt::NoFocus);
}

int TableHeader::columnAt(int x) const { return logicalIndexAt(x); }

bool TableHeader::onDivider(int x, int* logical) const {
    const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    for (int visual = 0; visual < count(); ++visual) {
        const int section = logicalIndex(visual);
        if (isSectionHidden(section)) continue;
        const int edge = sectionViewportPosition(section) + sectionSize(section);
        if (std::abs(x - edge) <= grip) {
            if (logical) *logical = section;
            return true;
        }
    }
    return false;
}

// Entries besides an automatic base entry.
int TableHeader::sortableRowCount() const {
    return session_.table.rowCount() - (session_.baseRowInserted ? 1 : 0);
}

bool TableHeader::refusesPress(int x) const {
    if (onDivider(x)) return false;  // the hidden Distancia column has no divider to grab
    const int column = columnAt(x);
    if (column < 0) return false;
    return column == ColumnOrden || sortableRowCount() < 2 || (column == ColumnDistancia && session_.baseRow == -1);
}

void TableHeader::mousePressEvent(QMouseEvent* event) {
    pressedTitle_ = -1;
    const Qt::MouseButton button = event->button();
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        if (commitEdit && !commitEdit()) return;
    }
    const int x = event->position().toPoint().x();
    if (button == Qt::RightButton) {
        session_.currentColumn = columnAt(x);
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    if (button != Qt::LeftButton) return;
    if (refusesPress(x)) return;
    if (!onDivider(x)) pressedTitle_ = columnAt(x);
    QHeaderView::mousePressEvent(event);
}

void TableHeader::mouseReleaseEvent(QMouseEvent* event) {
    const int title = pressedTitle_;
    pressedTitle_ = -1;
    QHeaderView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || title < 0 || columnAt(event->position().toPoint().x()) != title) return;
    // The last sorted column sorts the other way; any other column in the last direction.
    const bool ascending = title == session_.currentColumn ? !session_.sortAscending : session_.sortAscending;
    emit sortRequested(title, ascending);
}

void TableHeader::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (commitEdit && !commitEdit()) return;
    const int x = event->position().toPoint().x();
    int logical = -1;
    if (onDivider(x, &logical)) {
        emit fitRequested(logical);
        return;
    }
    // A double click on a title is a second click: it sorts again unless refused.
    if (refusesPress(x)) return;
    pressedTitle_ = columnAt(x);
}

}  // namespace wayloom
