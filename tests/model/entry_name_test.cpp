#include "model/entry_name.h"

#include <gtest/gtest.h>

#include <string>

namespace wayloom {
namespace {

TEST(TrimText, TrimsBlanksThenDropsControlAndFormatCharacters) {
    const struct {
        std::u16string_view text, expected;
    } cases[] = {
        {u"  abc  ", u"abc"},
        {u"\u3000abc \u3000", u"abc"},
        {u"a\u200Eb\x01" u"c\x7F", u"ab" u"c\x7F"},
        {u"a b", u"a b"},
        {u"", u""},
        {u"   ", u""},
        // Blanks are trimmed before controls are dropped: a blank next to an outer control stays.
        {u"abc \x01", u"abc "},
        {u"\x01 abc", u" abc"},
        {u" \x01" u"abc", u"abc"},
        // Only these fifteen format characters go; their neighbours stay.
        {u"\u200C\u200D\u200E\u200F\u202A\u202B\u202C\u202D\u202E\u206A\u206B\u206C\u206D\u206E\u206F", u""},
        {u"\u200B\u2010\u2029\u202F\u2069\u2070", u"\u200B\u2010\u2029\u202F\u2069\u2070"},
    };
    for (const auto& c : cases) {
        std::u16string text(c.text);
        EXPECT_EQ(TrimText(text), c.expected.size()) << testing::PrintToString(std::u16string(c.text));
        EXPECT_EQ(text, c.expected);
    }
}

TEST(CleanEntryName, MakesAUsableNameOrReportsNone) {
    const struct {
        std::u16string_view text, expected;
    } cases[] = {
        {u"  Madrid|Centro\t ", u"Madrid Centro"},
        {u"a>b\r\nc", u"a b  c"},
        {u"Plaza Mayor @ Calle 1", u"Plaza Mayor @ Calle 1"},
        {u"", u""},
        {u"\t \r\n\u3000", u""},
        // Controls other than TAB, CR and LF are dropped after trimming; the name still ends up
        // without outer blanks, and a name of blanks and controls only stays unusable.
        {u" \x01 \x02 ", u""},
        {u"\x01 Sol \x02", u"Sol"},
    };
    for (const auto& c : cases) {
        std::u16string text(c.text);
        EXPECT_EQ(CleanEntryName(text), c.expected.size()) << testing::PrintToString(std::u16string(c.text));
        EXPECT_EQ(text, c.expected);
    }
}

TEST(CleanEntryName, CutsLongNamesTo255Characters) {
    std::u16string name(300, u'x');
    EXPECT_EQ(CleanEntryName(name), 255u);
    EXPECT_EQ(name, std::u16string(255, u'x'));

    std::u16string exact(255, u'y');
    EXPECT_EQ(CleanEntryName(exact), 255u);

    // The cut falls after 255 characters, so trailing blanks before it are trimmed too.
    std::u16string blanks = std::u16string(250, u'z') + std::u16string(10, u' ') + u"tail";
    EXPECT_EQ(CleanEntryName(blanks), 250u);
}

TEST(CleanEntryName, NeverSplitsASurrogatePair) {
    std::u16string name = std::u16string(254, u'a') + u"\U0001F600" + u"bcd";
    EXPECT_EQ(CleanEntryName(name), 254u);
    EXPECT_EQ(name, std::u16string(254, u'a'));

    std::u16string fits = std::u16string(253, u'a') + u"\U0001F600" + u"bcd";
    EXPECT_EQ(CleanEntryName(fits), 255u);
    EXPECT_EQ(fits.substr(253), u"\U0001F600");
}

}  // namespace
}  // namespace wayloom
