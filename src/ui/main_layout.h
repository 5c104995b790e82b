#pragma once
// LayoutMainWindow's geometry: the toolbar on top, the header and the work table below it on the
// left, and the map pane on the right behind the 6-pixel splitter band. Plain arithmetic, so the
// limits can be checked without windows.
#include <QRect>

namespace wayloom {

inline constexpr int SplitterWidth = 6;
inline constexpr int MinimumMapPaneWidth = 100;
// The themed look places the toolbar two pixels above the client area's top.
inline constexpr int ToolbarTop = -2;

struct MainLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int toolbarHeight = 0;  // 0 when the toolbar is hidden
    int statusHeight = 0;   // 0 when the status bar is hidden or lies outside the client area
    int headerHeight = 0;
    bool mapShown = false;
    int mapPaneWidth = 0;  // the map pane's current width (client width minus its left edge)
};

struct MainLayoutGeometry {
    int top = 0;  // the header's top
    QRect toolbar;
    QRect header;
    QRect table;
    QRect mapPane;   // empty when hidden
    QRect splitter;  // the band left of the map pane; empty when hidden
};

MainLayoutGeometry LayoutMainWindow(const MainLayoutInput& input);

// The map pane's width kept between 100 and the client width minus 100; below 200 pixels of
// client width, 100 wins.
int ClampMapPaneWidth(int width, int clientWidth);

// The map pane's left edge while the splitter is dragged with the mouse at x: x + 3, at least 100
// and at most the client width minus 100.
int DraggedMapPaneLeft(int mouseX, int clientWidth);

}  // namespace wayloom
