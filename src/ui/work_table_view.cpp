#include "ui/work_table_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "app/command_ids.h"
#include "ui/mark_icons.h"
#include "ui/table_font.h"
#include "ui/text_widths.h"
#include "ui/work_table_delegate.h"
#include "ui/work_table_model.h"

namespace wayloom {

WorkTableView::WorkTableView(Session& session, WorkTableModel& model, QWidget* parent)
    : QTableView(parent), session_(session), model_(model), delegate_(new WorkTableDelegate(session, this)) {
    setObjectName(QStringLiteral("WorkTable"));
    setModel(&model_);
    setItemDelegate(delegate_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setStretchLastSection(false);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setFrameShape(QFrame::NoFrame);

    // The themed list's light selection, in which the rows keep their own text colours.
    QPalette pal = palette();
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(204, 232, 255));
    pal.setColor(QPalette::Inactive, QPalette::Highlight, QColor(217, 217, 217));
    setPalette(pal);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &WorkTableView::onQtSelectionChanged);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { onQtCurrentChanged(current); });
    connect(&model_, &WorkTableModel::selectionOutOfDate, this, &WorkTableView::syncSelectionFromCore);
    connect(&model_, &WorkTableModel::rowSelected, this, &WorkTableView::onRowSelected);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &WorkTableView::horizontalOffsetChanged);
    applyFont(font());
}

void WorkTableView::applyFont(const QFont& chosen) {
    const QFont font = TableDrawingFont(chosen);
    setFont(font);
    const QFontMetrics metrics(font);
    delegate_->setLargeMarks(UsesLargeMarks(LogicalFontHeight(font)));
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(
        std::max(metrics.height() + 4, MarkIconSize(delegate_->largeMarks()).height() + 2));
}

// Qt to core: what the user did with the mouse and keys becomes the rows' states.
void WorkTableView::onQtSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    if (syncingFromCore_ || model_.coreChanging()) return;
    syncingToCore_ = true;
    WorkTable& table = session_.table;
    for (const QItemSelectionRange& range : deselected)
        for (int row = range.top(); row <= range.bottom(); ++row) table.setSelected(row, false);
    for (const QItemSelectionRange& range : selected)
        for (int row = range.top(); row <= range.bottom(); ++row) table.setSelected(row, true);
    syncingToCore_ = false;
}

void WorkTableView::onQtCurrentChanged(const QModelIndex& current) {
    if (syncingFromCore_ || model_.coreChanging()) return;
    syncingToCore_ = true;
    WorkTable& table = session_.table;
    if (current.isValid()) table.setFocused(current.row(), true);
    else table.setFocused(table.focusedRow(), false);
    syncingToCore_ = false;
}

// Core to Qt: rebuilt from runs of selected rows, once per turn of the event loop.
void WorkTableView::syncSelectionFromCore() {
    if (!model_.redraw()) return;
    const WorkTable& table = session_.table;
    QItemSelection selection;
    for (int row = table.nextSelected(-1); row >= 0;) {
        int last = row;
        while (last + 1 < table.rowCount() && table.isSelected(last + 1)) ++last;
        selection.select(model_.index(row, 0), model_.index(last, ColumnCount - 1));
        row = table.nextSelected(last);
    }
    syncingFromCore_ = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const int focused = table.focusedRow();
    const QModelIndex current = focused >= 0 ? model_.index(focused, currentIndex().isValid() ? currentIndex().column() : 0)
                                             : QModelIndex();
    if (current != currentIndex()) selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    syncingFromCore_ = false;
}

void WorkTableView::onRowSelected(int) {
    // A middle click selects without moving the map; the flag is spent by this notification.
    if (middleClick_) {
        middleClick_ = false;
        return;
    }
    emit mapSyncRequested(QApplication::mouseButtons() & Qt::LeftButton);
}

int WorkTableView::rowsPerPage() const {
    const int rowHeight = std::max(1, verticalHeader()->defaultSectionSize());
    const int perPage = std::max(1, viewport()->height() / rowHeight);
    return std::min(perPage, std::max(1, model_.rowCount()));
}

void WorkTableView::ensureRowVisible(int row) {
    const int count = model_.rowCount();
    if (row < 0 || count == 0) return;
    row = std::min(row, count - 1);
    updateGeometries();  // the scroll range may lag behind rows added since the last layout
    const int perPage = rowsPerPage();
    const int first = verticalScrollBar()->value();
    if (row >= first && row < first + perPage) return;
    const int top = std::max(0, row - perPage / 2);
    verticalScrollBar()->setValue(top);
    scrollTo(model_.index(std::min(top + perPage - 1, count - 1), 0));
}

void WorkTableView::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit commandRequested(ToInt(CommandId::Add));
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        session_.table.selectAll(false);
        syncSelectionFromCore();
        return;
    }
    QTableView::keyPressEvent(event);
}

void WorkTableView::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button == Qt::MiddleButton) {
        if (commitEdit && !commitEdit()) return;
        if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return;
        // Acts as a left press at the same point, without the map sync, rubber band or drag.
        middleClick_ = true;
        QMouseEvent left(event->type(), event->position(), event->globalPosition(), Qt::LeftButton,
                         event->buttons() | Qt::LeftButton, event->modifiers());
        QTableView::mousePressEvent(&left);
        // A press that selected nothing new has no notification to spend the flag.
        if (!indexAt(event->position().toPoint()).isValid()) middleClick_ = false;
        return;
    }
    if ((button == Qt::LeftButton || button == Qt::RightButton) && commitEdit && !commitEdit()) return;
    QTableView::mousePressEvent(event);
    if (button == Qt::LeftButton && !indexAt(event->position().toPoint()).isValid()) middleClick_ = false;
    if (button == Qt::RightButton) emit popupRequested(event->globalPosition().toPoint());
}

void WorkTableView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        QMouseEvent left(event->type(), event->position(), event->globalPosition(), Qt::LeftButton,
                         event->buttons() & ~Qt::LeftButton, event->modifiers());
        QTableView::mouseReleaseEvent(&left);
        middleClick_ = false;
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void WorkTableView::mouseMoveEvent(QMouseEvent* event) {
    // Moves with only the middle button down neither extend the selection nor start a drag.
    if (event->buttons() & Qt::MiddleButton && !(event->buttons() & Qt::LeftButton)) return;
    QTableView::mouseMoveEvent(event);
}

void WorkTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (commitEdit && !commitEdit()) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) return;
    const int row = index.row();
    const int column = index.column();
    if (column == ColumnName) {
        const int x = event->position().toPoint().x() - columnViewportPosition(ColumnName);
        if (x >= 0 && x < delegate_->markAreaWidth()) {
            // On the mark icon: the selection becomes waypoints when the clicked entry is a
            // destination, destinations otherwise.
            const bool destination = (session_.table.mark(row) & DestinationBit) != 0;
            emit commandRequested(ToInt(destination ? CommandId::MarkWaypoints : CommandId::MarkDestinations));
            return;
        }
    }
    if (column == ColumnName || column == ColumnLng || column == ColumnLat) {
        session_.currentColumn = column;
        emit editRequested(row, column);
    }
}

void WorkTableView::wheelEvent(QWheelEvent* event) {
    // Ignored while a mouse button is held.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::wheelEvent(event);
}

void WorkTableView::deliverWheel(QWheelEvent* event) { wheelEvent(event); }

}  // namespace wayloom
