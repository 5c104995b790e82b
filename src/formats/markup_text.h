#pragma once
// What the GPX and KML formats share: they find their elements by searching the raw bytes for fixed
// tags (case ignored) and carry names as UTF-8 with five entities.
#include <cstddef>
#include <string>
#include <string_view>

#include "formats/file_io.h"
#include "model/coordinate_text.h"

namespace wayloom {

// The text a markup reader scans: the data up to its first zero byte. Without a zero inside the
// file that is the whole file (the read guard's zero follows it).
std::string_view MarkupText(std::string_view data);

// True when `word` (ASCII) stands at `at`, case ignored.
bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word);
// The first occurrence of `tag` (ASCII, beginning with '<') at or after `from` that starts before
// `limit`, case ignored; npos when there is none.
std::size_t FindTag(std::string_view text, std::string_view tag, std::size_t from,
                    std::size_t limit = std::string_view::npos);

// A name as the element's bytes carry it: UTF-8 decoded, with "&amp;", "&lt;", "&gt;", "&quot;" and
// "&nbsp;" decoded (case included; other entities and character references stay as they are). The
// caller's CleanEntryName cuts it to 255 characters; `name` gets at least those.
void DecodeMarkupName(std::string_view bytes, std::u16string& name);

// Appends the name UTF-8 encoded with '&', '<', '>' and '"' written as entities.
void AppendEscapedName(std::u16string_view name, std::string& out);

// The display text of a coordinate value read from markup, as SetCoordinateCell would store it, in
// `text`; empty when the value gives no coordinate. Blanks and line breaks around the number are
// dropped, so that an indented 0 still passes as a plain number.
void MarkupCoordinate(std::string_view value, CoordinateKind kind, const CoordinateDisplay& display,
                      std::u16string& text);

}  // namespace wayloom
