#include "formats/text_codec.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <memory>

#include "app/string_table.h"

namespace wayloom {

namespace {

// iconv from a code page into UTF-16LE; nullptr-like handle when iconv lacks it.
class Iconv {
public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(handle_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

// Windows-1252 both ways, taken from iconv once. Bytes the code page leaves undefined (81, 8D, 8F,
// 90, 9D) stand for the character of the same number, as Windows maps them.
struct AnsiTables {
    std::array<char16_t, 256> decode{};
    std::unique_ptr<std::array<std::uint8_t, 0x10000>> encode = std::make_unique<std::array<std::uint8_t, 0x10000>>();

    AnsiTables() {
        Iconv cd("UTF-16LE", "CP1252");
        for (int b = 0; b < 256; ++b) {
            decode[b] = static_cast<char16_t>(b);
            if (b < 0x80 || !cd.ok()) continue;
            char in = static_cast<char>(b);
            char out[4];
            char* inPtr = &in;
            char* outPtr = out;
            std::size_t inLeft = 1, outLeft = sizeof out;
            if (iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && outLeft == 2)
                decode[b] = static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                                  (static_cast<unsigned char>(out[1]) << 8));
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
        encode->fill('?');
        for (int b = 255; b >= 0; --b) (*encode)[decode[b]] = static_cast<std::uint8_t>(b);
        (*encode)[u'?'] = '?';
    }
};

const AnsiTables& Ansi() {
    static const AnsiTables tables;
    return tables;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

}  // namespace

std::u16string DecodeAnsi(std::string_view bytes) {
    std::u16string out;
    DecodeAnsi(bytes, out);
    return out;
}

void DecodeAnsi(std::string_view bytes, std::u16string& out) {
    const auto& table = Ansi().decode;
    const std::size_t start = out.size();
    out.resize(start + bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) out[start + i] = table[static_cast<unsigned char>(bytes[i])];
}

void EncodeAnsi(std::u16string_view text, std::string& out) {
    const auto& table = *Ansi().encode;
    const std::size_t start = out.size();
    out.resize(start + text.size());
    std::size_t n = start;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        // A character outside the BMP is one unrepresentable character, not two.
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
        out[n++] = static_cast<char>(table[c]);
    }
    out.resize(n);
}

std::u16string DecodeUtf8(std::string_view bytes) { return FromUtf8(bytes); }

void DecodeUtf8(std::string_view bytes, std::u16string& out) { FromUtf8(bytes, out); }

void EncodeUtf8(std::u16string_view text, std::string& out) { ToUtf8(text, out); }

std::u16string DecodeUtf16Le(std::string_view bytes) {
    std::u16string out;
    DecodeUtf16Le(bytes, out);
    return out;
}

void DecodeUtf16Le(std::string_view bytes, std::u16string& out) {
    const std::size_t start = out.size();
    out.resize(start + bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size() / 2; ++i)
        out[start + i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                               (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
}

void EncodeUtf16Le(std::u16string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + 2 * text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[start + 2 * i] = static_cast<char>(text[i] & 0xFF);
        out[start + 2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
}

void EncodeText(std::u16string_view text, TextEncoding encoding, std::string& out) {
    switch (encoding) {
    case TextEncoding::Ansi: EncodeAnsi(text, out); return;
    case TextEncoding::Unicode: EncodeUtf16Le(text, out); return;
    case TextEncoding::Utf8: EncodeUtf8(text, out); return;
    }
}

std::string_view EncodingMark(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi: return {};
    case TextEncoding::Unicode: return "\xFF\xFE";
    case TextEncoding::Utf8: return "\xEF\xBB\xBF";
    }
    return {};
}

std::optional<std::u16string> DecodeCodePage(int codePage, std::string_view bytes) {
    if (codePage == 1252) return DecodeAnsi(bytes);
    if (codePage == 65001) return DecodeUtf8(bytes);
    if (codePage == 1200) return DecodeUtf16Le(bytes);
    const std::string name = "CP" + std::to_string(codePage);
    Iconv cd("UTF-16LE", name.c_str());
    if (!cd.ok()) return std::nullopt;
    std::string out(bytes.size() * 4 + 8, '\0');
    char* inPtr = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) break;  // cannot happen: four bytes out per byte in is enough
        // EILSEQ or a cut sequence at the end: one replacement character, skip one byte.
        if (outLeft < 2) break;
        *outPtr++ = '\xFD';
        *outPtr++ = '\xFF';
        outLeft -= 2;
        ++inPtr;
        --inLeft;
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(out.size() - outLeft);
    return DecodeUtf16Le(out);
}

}  // namespace wayloom
