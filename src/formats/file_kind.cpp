#include "formats/file_kind.h"

#include <array>

namespace wayloom {

namespace {

bool EqualsIgnoringCase(std::u16string_view text, std::u16string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != lower[i]) return false;
    }
    return true;
}

constexpr std::array<std::u16string_view, 9> KindExtensions{u"", u"itn", u"kml", u"gpx", u"gpi",
                                                            u"csv", u"asc", u"poi", u"txt"};

}  // namespace

std::u16string_view FileNameOf(std::u16string_view path) {
    const std::size_t slash = path.find_last_of(u'/');
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::u16string_view ExtensionOf(std::u16string_view path) {
    const std::u16string_view name = FileNameOf(path);
    const std::size_t dot = name.find_last_of(u'.');
    return dot == std::u16string_view::npos ? std::u16string_view{} : name.substr(dot + 1);
}

FileKind OpenKindFromPath(std::u16string_view path) {
    const std::u16string_view extension = ExtensionOf(path);
    for (int kind = 1; kind <= 7; ++kind)
        if (EqualsIgnoringCase(extension, KindExtensions[kind])) return static_cast<FileKind>(kind);
    return FileKind::Txt;
}

SaveTarget SaveTargetFromPath(std::u16string_view path, int encoding) {
    switch (OpenKindFromPath(path)) {
    case FileKind::Itn: return {std::u16string(path), FileKind::Itn};
    case FileKind::Kml: return {std::u16string(path), FileKind::Kml};
    case FileKind::Gpx: return {std::u16string(path), FileKind::Gpx};
    case FileKind::Gpi: {
        std::u16string itn(path.substr(0, path.size() - 3));
        return {itn + u"itn", FileKind::Itn};
    }
    case FileKind::Csv: return {std::u16string(path), static_cast<FileKind>(9 + encoding)};
    case FileKind::Asc: return {std::u16string(path), static_cast<FileKind>(12 + encoding)};
    case FileKind::Poi: return {std::u16string(path), static_cast<FileKind>(15 + encoding)};
    default: return {std::u16string(path), static_cast<FileKind>(18 + encoding)};
    }
}

std::u16string_view ExtensionOfKind(FileKind kind) {
    const int value = static_cast<int>(kind);
    if (value <= 8) return KindExtensions[value];
    return KindExtensions[5 + (value - 9) / 3];
}

}  // namespace wayloom
