#include "model/entry_name.h"

#include <algorithm>

namespace wayloom {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\u3000'; }

// Control characters and the invisible joiners, direction marks and bidi controls that pasted
// text often carries.
bool IsDropped(char16_t c) {
    return c < 0x20 || (c >= 0x200C && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x206A && c <= 0x206F);
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::size_t TrimText(std::u16string& text) {
    // Blanks are trimmed before control characters are dropped, so a blank that precedes a trailing
    // control character stays; callers that need no outer blanks turn controls into blanks first.
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::size_t out = 0;
    for (std::size_t i = begin; i < end; ++i)
        if (!IsDropped(text[i])) text[out++] = text[i];
    text.resize(out);
    return out;
}

std::size_t CleanEntryName(std::u16string& text) {
    if (text.empty()) return 0;
    // Most names need no change, and one pass tells so (readers clean every entry of a file).
    const auto changes = [](char16_t c) { return c < 0x80 ? c < 0x20 || c == u'|' || c == u'>' : IsDropped(c); };
    if (text.size() <= MaxNameLength && !IsBlank(text.front()) && !IsBlank(text.back()) &&
        std::none_of(text.begin(), text.end(), changes))
        return text.size();
    if (text.size() > MaxNameLength) {
        // Never leave half of a surrogate pair at the cut: it would not survive conversion to UTF-8.
        std::size_t cut = MaxNameLength;
        if (IsHighSurrogate(text[cut - 1])) --cut;
        text.resize(cut);
    }
    std::replace_if(
        text.begin(), text.end(),
        [](char16_t c) { return c == u'|' || c == u'>' || c == u'\t' || c == u'\r' || c == u'\n'; }, u' ');
    TrimText(text);
    // Dropping other control characters can expose blanks at either end (" \x01 " leaves " ");
    // a second pass keeps the name free of outer blanks and makes an all-blank name unusable.
    return TrimText(text);
}

}  // namespace wayloom
