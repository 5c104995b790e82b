#pragma once
// Which texts are acceptable as an entry name.
#include <cstddef>
#include <string>

namespace wayloom {

inline constexpr std::size_t MaxNameLength = 255;

// Drops leading/trailing blanks (also U+3000), control characters and bidi format characters.
std::size_t TrimText(std::u16string& text);
// Cuts to 255 characters, turns | > TAB CR LF into blanks and trims; 0 means unusable.
std::size_t CleanEntryName(std::u16string& text);

}  // namespace wayloom
