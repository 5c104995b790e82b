#include "ui/main_layout.h"

#include <algorithm>

namespace wayloom {

int ClampMapPaneWidth(int width, int clientWidth) {
    return std::max(MinimumMapPaneWidth, std::min(width, clientWidth - MinimumMapPaneWidth));
}

int DraggedMapPaneLeft(int mouseX, int clientWidth) {
    return std::min(std::max(mouseX + 3, MinimumMapPaneWidth), std::max(MinimumMapPaneWidth, clientWidth - MinimumMapPaneWidth));
}

MainLayoutGeometry LayoutMainWindow(const MainLayoutInput& input) {
    MainLayoutGeometry g;
    const int cw = input.clientWidth;
    if (input.toolbarHeight > 0) g.toolbar = QRect(0, ToolbarTop, cw, input.toolbarHeight);
    g.top = input.toolbarHeight > 0 ? ToolbarTop + input.toolbarHeight + 2 : 0;
    const int avail = input.clientHeight - input.statusHeight - g.top;
    int reserved = 0;
    if (input.mapShown) {
        const int w = ClampMapPaneWidth(input.mapPaneWidth, cw);
        g.mapPane = QRect(cw - w, g.top - 1, w, avail + 1);
        g.splitter = QRect(cw - w - SplitterWidth, g.top - 1, SplitterWidth, avail + 1);
        reserved = w + SplitterWidth;
    }
    const int tableWidth = std::max(0, cw - reserved);
    g.table = QRect(0, g.top + input.headerHeight, tableWidth, std::max(0, avail - input.headerHeight));
    g.header = QRect(0, g.top, tableWidth, input.headerHeight);
    return g;
}

}  // namespace wayloom
