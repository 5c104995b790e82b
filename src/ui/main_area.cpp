#include "ui/main_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/string_table.h"
#include "ui/qt_text.h"

namespace wayloom {

MainArea::MainArea(QWidget* header, QWidget* table, QWidget* parent)
    : QWidget(parent), header_(header), table_(table), mapPane_(new QWidget(this)) {
    setObjectName(QStringLiteral("MainArea"));
    header_->setParent(this);
    table_->setParent(this);
    mapPane_->setObjectName(QStringLiteral("IEPane"));
    mapPane_->setAutoFillBackground(true);
    mapPane_->hide();
    setMouseTracking(true);
    hoverTimer_.setInterval(250);
    connect(&hoverTimer_, &QTimer::timeout, this, &MainArea::onHoverTimer);
}

void MainArea::setToolbar(QWidget* toolbar) {
    toolbar_ = toolbar;
    if (toolbar_) toolbar_->setParent(this);
    layoutChildren(true);
}

void MainArea::setHeaderHeight(int height) {
    headerHeight_ = height;
    layoutChildren(false);
}

void MainArea::layoutChildren(bool full) {
    if (window()->isMinimized()) return;
    if (full) {
        toolbarHeight_ = 0;
        if (toolbar_ && !toolbar_->isHidden()) {
            const int hinted = toolbar_->hasHeightForWidth() ? toolbar_->heightForWidth(width())
                                                              : toolbar_->sizeHint().height();
            toolbarHeight_ = hinted - ToolbarTop;
        }
    }
    MainLayoutInput input;
    input.clientWidth = width();
    input.clientHeight = height();
    input.toolbarHeight = toolbarHeight_;
    input.headerHeight = headerHeight_;
    input.mapShown = mapPaneShown();
    input.mapPaneWidth = mapPaneWidth();
    geometry_ = LayoutMainWindow(input);
    if (toolbar_ && !toolbar_->isHidden()) toolbar_->setGeometry(geometry_.toolbar);
    header_->setGeometry(geometry_.header);
    table_->setGeometry(geometry_.table);
    if (input.mapShown) mapPane_->setGeometry(geometry_.mapPane);
    update();
}

void MainArea::showMapPane(int width) {
    mapPane_->setGeometry(this->width() - width, 0, width, height());
    mapPlaced_ = true;
    mapPane_->show();
    layoutChildren(false);
}

void MainArea::hideMapPane() {
    mapPane_->hide();
    hover_ = dragging_ = false;
    hoverTimer_.stop();
    layoutChildren(false);
}

bool MainArea::mapPaneShown() const { return !mapPane_->isHidden(); }

int MainArea::mapPaneWidth() const { return mapPlaced_ ? width() - mapPane_->x() : 0; }

void MainArea::dragSplitterTo(int mouseX) {
    const int left = DraggedMapPaneLeft(mouseX, width());
    if (left == mapPane_->x()) return;
    mapPane_->move(left, mapPane_->y());
    mapPane_->resize(width() - left, mapPane_->height());
    layoutChildren(false);
}

// The map pane keeps its left edge, so it takes up what the window gains or loses, within its limits.
void MainArea::resizeEvent(QResizeEvent*) { layoutChildren(true); }

bool MainArea::inSplitter(const QPoint& point) const {
    return mapPaneShown() && geometry_.splitter.contains(point);
}

void MainArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The line under the toolbar, and a white line below it up to the splitter band.
    const int y = toolbarHeight_ + ToolbarTop;
    if (toolbarHeight_ > 0) {
        p.setPen(QColor(182, 188, 204));
        p.drawLine(0, y, width() - 1, y);
        p.setPen(Qt::white);
        const int end = mapPaneShown() ? mapPane_->x() - SplitterWidth : width();
        p.drawLine(0, y + 1, end - 1, y + 1);
    }
    if (!mapPaneShown()) return;
    const int left = mapPane_->x();
    const int top = geometry_.splitter.top();
    const int bottom = geometry_.splitter.bottom();
    p.setPen(QColor(127, 157, 185));
    p.drawLine(left - 1, top, left - 1, bottom);
    p.drawLine(left - 6, top, left - 6, bottom);
    p.fillRect(QRect(QPoint(left - 5, top), QPoint(left - 2, bottom)),
               splitterHighlighted() ? QColor(240, 240, 96) : QColor(196, 218, 250));
}

void MainArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (dragging_) {
        setCursor(Qt::SplitHCursor);
        dragSplitterTo(point.x());
        return;
    }
    if (inSplitter(point)) {
        setCursor(Qt::SplitHCursor);
        if (!hover_) {
            hover_ = true;
            update();
        }
        hoverTimer_.start();
        if (!(editing && editing()) && showStatus) showStatus(ToQString(Text(TextId::SplitterHint)));
    } else {
        unsetCursor();
    }
}

void MainArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !inSplitter(event->position().toPoint())) return;
    hoverTimer_.stop();
    dragging_ = true;
    update();
}

void MainArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    hoverTimer_.start();
    if (requestStatusReset) requestStatusReset();
    update();
}

void MainArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && inSplitter(event->position().toPoint()) && closeMapPane) closeMapPane();
}

void MainArea::leaveEvent(QEvent*) {
    if (!dragging_) unsetCursor();
}

void MainArea::onHoverTimer() {
    if (!inSplitter(mapFromGlobal(QCursor::pos())) && !dragging_) {
        hoverTimer_.stop();
        hover_ = false;
        update();
        if (requestStatusReset) requestStatusReset();
    }
    if (afterTimer) afterTimer();
}

}  // namespace wayloom
