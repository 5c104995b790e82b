#include "ui/main_layout.h"

#include <gtest/gtest.h>

namespace wayloom {
namespace {

TEST(MainLayout, SplitterLimits) {
    // Dragged to x = 0 the map pane's left edge stays at 100; past the right edge 100 pixels remain.
    EXPECT_EQ(DraggedMapPaneLeft(0, 800), 100);
    EXPECT_EQ(DraggedMapPaneLeft(400, 800), 403);
    EXPECT_EQ(DraggedMapPaneLeft(900, 800), 700);
    EXPECT_EQ(ClampMapPaneWidth(50, 800), 100);
    EXPECT_EQ(ClampMapPaneWidth(750, 800), 700);
    EXPECT_EQ(ClampMapPaneWidth(300, 800), 300);
    // Below 200 pixels of client width the pane keeps 100.
    EXPECT_EQ(ClampMapPaneWidth(300, 150), 100);
    EXPECT_EQ(ClampMapPaneWidth(300, 0), 100);
}

TEST(MainLayout, ToolbarHeaderTableAndMapPane) {
    MainLayoutInput input;
    input.clientWidth = 800;
    input.clientHeight = 600;
    input.toolbarHeight = 40;
    input.headerHeight = 22;
    MainLayoutGeometry g = LayoutMainWindow(input);
    EXPECT_EQ(g.toolbar, QRect(0, -2, 800, 40));
    EXPECT_EQ(g.top, 40);
    EXPECT_EQ(g.header, QRect(0, 40, 800, 22));
    EXPECT_EQ(g.table, QRect(0, 62, 800, 538));
    EXPECT_TRUE(g.mapPane.isEmpty());

    input.mapShown = true;
    input.mapPaneWidth = 300;
    g = LayoutMainWindow(input);
    EXPECT_EQ(g.mapPane, QRect(500, 39, 300, 561));
    EXPECT_EQ(g.splitter, QRect(494, 39, 6, 561));
    EXPECT_EQ(g.table.width(), 494);
    EXPECT_EQ(g.header.width(), 494);

    input.toolbarHeight = 0;
    g = LayoutMainWindow(input);
    EXPECT_EQ(g.top, 0);
    EXPECT_TRUE(g.toolbar.isEmpty());
    EXPECT_EQ(g.header.top(), 0);
}

}  // namespace
}  // namespace wayloom
