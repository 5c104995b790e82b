#include "formats/text_codec.h"

#include <gtest/gtest.h>

namespace wayloom {
namespace {

TEST(TextCodec, AnsiIsWindows1252BothWays) {
    EXPECT_EQ(DecodeAnsi("\x80\x81\x8A\x9F\xC1\xFF"), u"\u20AC\u0081\u0160\u0178\u00C1\u00FF");
    std::string bytes;
    EncodeAnsi(u"\u20AC\u0081\u0160\u0178\u00C1\u00FF", bytes);
    EXPECT_EQ(bytes, "\x80\x81\x8A\x9F\xC1\xFF");
}

TEST(TextCodec, AnsiWritesAQuestionMarkForEachUnrepresentableCharacter) {
    std::string bytes = "x";
    const std::u16string loneSurrogate(1, static_cast<char16_t>(0xD800));
    EncodeAnsi(u"\u0080\u5317\U0001F600" + loneSurrogate + u"a", bytes);
    EXPECT_EQ(bytes, "x????a");
}

TEST(TextCodec, Utf8BothWaysAppendingToWhatIsThere) {
    const std::u16string loneSurrogate(1, static_cast<char16_t>(0xDC00));
    std::string bytes = "x";
    EncodeUtf8(u"a\u00F1b\u5317\U0001F600" + loneSurrogate + u"cd", bytes);
    EXPECT_EQ(bytes, "xa\xC3\xB1" "b\xE5\x8C\x97\xF0\x9F\x98\x80\xEF\xBF\xBD" "cd");
    EXPECT_EQ(DecodeUtf8(bytes.substr(1)), u"a\u00F1b\u5317\U0001F600\uFFFDcd");
    // Each byte of a broken sequence is one replacement character; ASCII around it is kept.
    const struct {
        std::string bytes;
        std::u16string text;
    } broken[] = {
        {"ab\xE5\x8C", u"ab\uFFFD\uFFFD"},    {"\xE5\x8Cz", u"\uFFFD\uFFFDz"},
        {"\x80\xBFq", u"\uFFFD\uFFFDq"},      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xC0\x80", u"\uFFFD\uFFFD"},  // overlong forms are malformed
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& c : broken) EXPECT_EQ(DecodeUtf8(c.bytes), c.text) << c.bytes;
}

TEST(TextCodec, Utf16LittleEndian) {
    std::string bytes;
    EncodeUtf16Le(u"A\u5317", bytes);
    EXPECT_EQ(bytes, std::string("A\0\x17\x53", 4));
    EXPECT_EQ(DecodeUtf16Le(std::string("A\0\x17\x53\x42", 5)), u"A\u5317");  // odd last byte ignored
}

TEST(TextCodec, MarksOfTheEncodings) {
    EXPECT_EQ(EncodingMark(TextEncoding::Ansi), "");
    EXPECT_EQ(EncodingMark(TextEncoding::Unicode), "\xFF\xFE");
    EXPECT_EQ(EncodingMark(TextEncoding::Utf8), "\xEF\xBB\xBF");
}

TEST(TextCodec, OtherCodePagesThroughIconv) {
    EXPECT_EQ(DecodeCodePage(1250, "\x8A\xE8"), u"\u0160\u010D");
    EXPECT_EQ(DecodeCodePage(932, "\x82\xA0" "a"), u"\u3042a");
    EXPECT_EQ(DecodeCodePage(932, "a\x82"), u"a\uFFFD");  // a cut sequence
    EXPECT_EQ(DecodeCodePage(1252, "\x80"), u"\u20AC");
    EXPECT_EQ(DecodeCodePage(65001, "\xC3\xB1"), u"\u00F1");
    EXPECT_EQ(DecodeCodePage(99999, "a"), std::nullopt);
}

}  // namespace
}  // namespace wayloom
