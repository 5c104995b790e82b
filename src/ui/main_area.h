#pragma once
// The main window's client area: places the toolbar, the header, the work table and the map pane
// (LayoutMainWindow), paints the line under the toolbar and the splitter band, and lets the user
// drag the splitter or close the map pane with a double click on it.
#include <QTimer>
#include <QWidget>
#include <functional>

#include "ui/main_layout.h"

namespace wayloom {

class MainArea final : public QWidget {
    Q_OBJECT
public:
    MainArea(QWidget* header, QWidget* table, QWidget* parent);

    // The toolbar the settings build (null for none).
    void setToolbar(QWidget* toolbar);
    QWidget* toolbar() const { return toolbar_; }
    QWidget* mapPane() const { return mapPane_; }

    void setHeaderHeight(int height);
    // With `full` the toolbar's height is measured again.
    void layoutChildren(bool full);
    // The right edge of the table and its header: the client width, less the map pane and splitter.
    int tableRight() const { return geometry_.table.x() + geometry_.table.width(); }

    // The map pane's place; the browser inside it comes with the map.
    void showMapPane(int width);
    void hideMapPane();
    bool mapPaneShown() const;
    int mapPaneWidth() const;
    // Sets the pane's left edge as a splitter drag does (with the drag's limits).
    void dragSplitterTo(int mouseX);

    bool splitterHighlighted() const { return hover_ || dragging_; }

    // True while the cell editor is shown (no hint in the status bar then).
    std::function<bool()> editing;
    // The status bar's message pane.
    std::function<void(const QString&)> showStatus;
    // Asks for "Listo" at the next tick.
    std::function<void()> requestStatusReset;
    // The housekeeping steps that every main-window timer runs after its own.
    std::function<void()> afterTimer;
    // A double click on the splitter: the map pane closes.
    std::function<void()> closeMapPane;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool inSplitter(const QPoint& point) const;
    void onHoverTimer();

    QWidget* toolbar_ = nullptr;
    QWidget* header_;
    QWidget* table_;
    QWidget* mapPane_;
    int headerHeight_ = 20;
    int toolbarHeight_ = 0;
    MainLayoutGeometry geometry_;
    QTimer hoverTimer_;  // IDT_SPLITTER_HOVER
    bool mapPlaced_ = false;  // the map pane was shown once: its width is remembered
    bool hover_ = false;
    bool dragging_ = false;
};

}  // namespace wayloom
