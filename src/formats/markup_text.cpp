#include "formats/markup_text.h"

#include <algorithm>
#include <cstring>

#include "formats/text_codec.h"
#include "model/entry_name.h"
#include "table/coordinate_cells.h"

namespace wayloom {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The five entities a name may carry, matched with case, in one pass from left to right (so
// "&amp;lt;" becomes "&lt;", not "<").
void DecodeMarkupEntities(std::u16string& text) {
    struct Entity {
        std::u16string_view sequence;
        char16_t character;
    };
    static constexpr Entity Entities[] = {
        {u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&quot;", u'"'}, {u"&nbsp;", u' '},
    };
    if (text.find(u'&') == std::u16string::npos) return;
    std::size_t out = 0;
    for (std::size_t i = 0; i < text.size();) {
        const Entity* found = nullptr;
        if (text[i] == u'&') {
            const std::u16string_view rest = std::u16string_view(text).substr(i);
            for (const Entity& entity : Entities)
                if (rest.starts_with(entity.sequence)) found = &entity;
        }
        if (found) {
            text[out++] = found->character;
            i += found->sequence.size();
        } else {
            text[out++] = text[i++];
        }
    }
    text.resize(out);
}

}  // namespace

std::string_view MarkupText(std::string_view data) {
    const void* zero = std::memchr(data.data(), 0, data.size());
    return zero ? data.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - data.data())) : data;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (at > text.size() || text.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (LowerAscii(text[at + i]) != LowerAscii(word[i])) return false;
    return true;
}

std::size_t FindTag(std::string_view text, std::string_view tag, std::size_t from, std::size_t limit) {
    limit = std::min(limit, text.size());
    for (std::size_t at = text.find('<', from); at < limit; at = text.find('<', at + 1))
        if (StartsWithNoCase(text, at, tag)) return at;
    return std::string_view::npos;
}

void DecodeMarkupName(std::string_view bytes, std::u16string& name) {
    // Entities are decoded before the name is cut to its 255 characters, so that a name written with
    // escapes reads back whole. No unit of those 255 takes more than six bytes ("&quot;"), so the
    // bytes beyond that many are never needed.
    name.clear();
    DecodeUtf8(bytes.substr(0, 6 * MaxNameLength), name);
    DecodeMarkupEntities(name);
}

void AppendEscapedName(std::u16string_view name, std::string& out) {
    // One pass: ASCII, nearly every character of a name, goes straight to the output.
    for (std::size_t i = 0; i < name.size();) {
        const char16_t c = name[i];
        if (c >= 0x80) {
            std::size_t end = i + 1;
            while (end < name.size() && name[end] >= 0x80) ++end;
            EncodeUtf8(name.substr(i, end - i), out);
            i = end;
            continue;
        }
        switch (c) {
        case u'&': out += "&amp;"; break;
        case u'<': out += "&lt;"; break;
        case u'>': out += "&gt;"; break;
        case u'"': out += "&quot;"; break;
        default: out += static_cast<char>(c);
        }
        ++i;
    }
}

void MarkupCoordinate(std::string_view value, CoordinateKind kind, const CoordinateDisplay& display,
                      std::u16string& text) {
    while (!value.empty() && IsCSpace(value.front())) value.remove_prefix(1);
    while (!value.empty() && IsCSpace(value.back())) value.remove_suffix(1);
    text.resize(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) text[i] = static_cast<unsigned char>(value[i]);
    if (!CoordinateCellText(text, kind, display, text)) text.clear();
}

}  // namespace wayloom
