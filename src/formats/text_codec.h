#pragma once
// Text encodings of the files: "ANSI" (Windows-1252 on every platform), UTF-16 little-endian, UTF-8,
// and any other code page iconv knows (GPI names). Decoders turn bytes into UTF-16; encoders append
// to a byte string. A character a single-byte code page cannot represent becomes '?'.
#include <optional>
#include <string>
#include <string_view>

namespace wayloom {

// The delimited-text encodings: the value of TextEncoding(kind).
enum class TextEncoding : int { Ansi = 0, Unicode = 1, Utf8 = 2 };

// Each decoder also comes in a form that appends to `out`, for readers that reuse one buffer.
std::u16string DecodeAnsi(std::string_view bytes);
void DecodeAnsi(std::string_view bytes, std::u16string& out);
void EncodeAnsi(std::u16string_view text, std::string& out);

// Invalid sequences become U+FFFD.
std::u16string DecodeUtf8(std::string_view bytes);
void DecodeUtf8(std::string_view bytes, std::u16string& out);
void EncodeUtf8(std::u16string_view text, std::string& out);

// An odd last byte is ignored.
std::u16string DecodeUtf16Le(std::string_view bytes);
void DecodeUtf16Le(std::string_view bytes, std::u16string& out);
void EncodeUtf16Le(std::u16string_view text, std::string& out);

void EncodeText(std::u16string_view text, TextEncoding encoding, std::string& out);
// The byte-order mark written in front of a file: none, FF FE, EF BB BF.
std::string_view EncodingMark(TextEncoding encoding);

// A Windows code page by number (1252, 1250, 932 ...) through iconv; nullopt when iconv does not
// know it. Undecodable bytes become U+FFFD.
std::optional<std::u16string> DecodeCodePage(int codePage, std::string_view bytes);

}  // namespace wayloom
