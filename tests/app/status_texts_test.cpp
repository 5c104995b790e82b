#include "app/status_texts.h"

#include <gtest/gtest.h>

#include "app/string_table.h"

namespace wayloom {
namespace {

TEST(NormaliseStatusText, FullStopsAndLeadingSpace) {
    struct Case {
        std::u16string_view in;
        std::u16string_view out;
    };
    const Case cases[] = {
        {u"", u""},
        {u"Listo", u" Listo"},
        {u"Guardado.", u" Guardado"},
        {u"Leyendo...", u" Leyendo..."},
        {u" Ya normalizado.", u" Ya normalizado."},
        {u"Fin\u3002", u" Fin"},
        {u".", u" "},
        {u"a..", u" a.."},
    };
    for (const Case& c : cases) EXPECT_EQ(NormaliseStatusText(c.in), c.out) << ToUtf8(c.in);
}

TEST(NormaliseStatusText, KeepsTheFirst254Characters) {
    const std::u16string longText(300, u'x');
    const std::u16string shown = NormaliseStatusText(longText);
    EXPECT_EQ(shown.size(), 255u);
    EXPECT_EQ(shown, u" " + std::u16string(254, u'x'));
}

TEST(InfoPaneText, RowSelectionAndCount) {
    EXPECT_EQ(InfoPaneText(-1, 0, 12), u"  ITN  0 - 0 / 12  ");
    EXPECT_EQ(InfoPaneText(4, 3, 100000), u"  ITN  5 - 3 / 100000  ");
}

TEST(ClockText, TwelveHourFormAndBlink) {
    struct Case {
        int hour, minute;
        bool blank;
        std::u16string_view out;
    };
    const Case cases[] = {
        {0, 5, false, u"  AM 12:05  "},  {0, 5, true, u"  AM 12 05  "},   {11, 59, false, u"  AM 11:59  "},
        {12, 0, false, u"  PM 12:00  "}, {13, 7, false, u"  PM 1:07  "},  {23, 30, false, u"  PM 11:30  "},
    };
    for (const Case& c : cases) EXPECT_EQ(ClockText(c.hour, c.minute, c.blank), c.out) << c.hour << ":" << c.minute;
}

}  // namespace
}  // namespace wayloom
