#include "app/startup_values.h"

#include <gtest/gtest.h>

#include "app/string_table.h"

namespace wayloom {
namespace {

TEST(StartupPathFromCommandLine, QuotedAndUnquoted) {
    EXPECT_EQ(StartupPathFromCommandLine(u"\"/home/ana/Mis rutas/viaje.itn\""), u"/home/ana/Mis rutas/viaje.itn");
    EXPECT_EQ(StartupPathFromCommandLine(u"/home/ana/Mis rutas/viaje.itn"), u"/home/ana/Mis rutas/viaje.itn");
    // Cut at the last quote: whatever follows it is dropped.
    EXPECT_EQ(StartupPathFromCommandLine(u"\"a b.itn\" extra"), u"a b.itn");
    EXPECT_EQ(StartupPathFromCommandLine(u"\"sin cierre.itn"), u"sin cierre.itn");
    EXPECT_EQ(StartupPathFromCommandLine(u""), u"");
}

TEST(RestorePlacement, ClampsToTheWorkArea) {
    const ScreenRect area{0, 0, 1024, 768};
    struct Case {
        StoredPlacement stored;
        WindowPlacement expected;
    };
    const Case cases[] = {
        // Defaults: a quarter in, half the size.
        {{}, {256, 192, 512, 384, ShowNormal}},
        // Far left and far too wide: the left edge and exactly the area's width.
        {{-5000, 0, 100000, 400, 1}, {0, 0, 1024, 400, ShowNormal}},
        {{0, 0, 480, 320, 1}, {0, 0, 480, 320, ShowNormal}},
        {{0, 0, 481, 321, 1}, {0, 0, 481, 321, ShowNormal}},
        {{0, 0, 2000, 2000, 1}, {0, 0, 1024, 768, ShowNormal}},
        {{0, 0, 100, 100, 1}, {0, 0, 480, 320, ShowNormal}},
        // Too far right or down: the window keeps 480 x 320 inside the area.
        {{5000, 5000, 600, 600, 1}, {544, 448, 480, 320, ShowNormal}},
        {{600, 500, 600, 600, 1}, {544, 448, 480, 320, ShowNormal}},
        {{100, 100, 1000, 1000, 1}, {100, 100, 924, 668, ShowNormal}},
        // Show: 3 stays maximised, 2 (minimised), 0 and anything else open normal.
        {{10, 10, 500, 400, 3}, {10, 10, 500, 400, ShowMaximized}},
        {{10, 10, 500, 400, 2}, {10, 10, 500, 400, ShowNormal}},
        {{10, 10, 500, 400, 0}, {10, 10, 500, 400, ShowNormal}},
    };
    for (const Case& c : cases) {
        const WindowPlacement p = RestorePlacement(c.stored, area, ShowNormal);
        EXPECT_EQ(p.x, c.expected.x);
        EXPECT_EQ(p.y, c.expected.y);
        EXPECT_EQ(p.width, c.expected.width);
        EXPECT_EQ(p.height, c.expected.height);
        EXPECT_EQ(p.show, c.expected.show);
    }
}

TEST(RestorePlacement, WorkAreaNotAtTheOrigin) {
    const ScreenRect area{100, 30, 1380, 1054};  // a panel on the left and on top
    const WindowPlacement p = RestorePlacement({-5000, 10, 100000, 100000, std::nullopt}, area, ShowMaximized);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 30);
    EXPECT_EQ(p.width, 1280);
    EXPECT_EQ(p.height, 1024);
    EXPECT_EQ(p.show, ShowMaximized);  // no Show key: the state the program was started with
}

TEST(ChooseProfilePath, BesideTheExecutableOrInTheConfigFolder) {
    EXPECT_EQ(ChooseProfilePath("/opt/wayloom/wayloom", true, "/x", "/home/ana"), "/opt/wayloom/wayloom.ini");
    EXPECT_EQ(ChooseProfilePath("/usr/bin/wayloom", false, "/home/ana/.cfg", "/home/ana"),
              "/home/ana/.cfg/wayloom/wayloom.ini");
    EXPECT_EQ(ChooseProfilePath("/usr/bin/wayloom", false, nullptr, "/home/ana"), "/home/ana/.config/wayloom/wayloom.ini");
    EXPECT_EQ(ChooseProfilePath("/usr/bin/wayloom", false, "relative", "/home/ana"),
              "/home/ana/.config/wayloom/wayloom.ini");
}

}  // namespace
}  // namespace wayloom
