#include "online/url_encode.h"

#include <gtest/gtest.h>

namespace wayloom {
namespace {

TEST(UrlEncode, EncodesBlanksAndMultiByteSequencesOnly) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"Plaza Espa\u00F1a 1", u"Plaza%20Espa%C3%B1a%201"},
        {u"a b", u"a%20b"},
        {u"\u00F1", u"%C3%B1"},
        {u"\u5317", u"%E5%8C%97"},
        {u"\U0001F600", u"%F0%9F%98%80"},
        {u"&%#?=+/:", u"&%#?=+/:"},
        {u"", u""},
        {u"\u007F\t", u"\u007F\t"},
    };
    for (const auto& [text, encoded] : cases) EXPECT_EQ(UrlEncode(text), encoded);
}

}  // namespace
}  // namespace wayloom
