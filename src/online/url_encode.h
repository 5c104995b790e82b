#pragma once
// Percent-encoding of a text for a link: UTF-8, with every byte of a multi-byte sequence and the
// blank encoded. Nothing else is: "&", "%", "#", "?", "=" and "+" pass through, so callers remove
// or replace such characters first.
#include <string>
#include <string_view>

namespace wayloom {

// "Plaza España 1" becomes "Plaza%20Espa%C3%B1a%201".
std::u16string UrlEncode(std::u16string_view text);

}  // namespace wayloom
