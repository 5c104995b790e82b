#include "online/url_encode.h"

#include "app/string_table.h"

namespace wayloom {

std::u16string UrlEncode(std::u16string_view text) {
    constexpr char16_t Hex[] = u"0123456789ABCDEF";
    std::u16string out;
    for (const char byte : ToUtf8(text)) {
        const auto b = static_cast<unsigned char>(byte);
        if (b == ' ') {
            out += u"%20";
        } else if (b < 0x80) {
            out += static_cast<char16_t>(b);
        } else {
            out += u'%';
            out += Hex[b >> 4];
            out += Hex[b & 0xF];
        }
    }
    return out;
}

}  // namespace wayloom
