#pragma once
// The file kinds the program reads and writes, in the order of the file dialogs' filters, and the
// rules that tie them to file names and encodings.
#include <string>
#include <string_view>

namespace wayloom {

enum class FileKind : int {
    Favorites = 0,
    Itn = 1,
    Kml = 2,
    Gpx = 3,
    Gpi = 4,
    Csv = 5,  // 5..8: delimited text whose encoding is not known yet
    Asc = 6,
    Poi = 7,
    Txt = 8,
    CsvAnsi = 9,
    CsvUnicode = 10,
    CsvUtf8 = 11,
    AscAnsi = 12,
    AscUnicode = 13,
    AscUtf8 = 14,
    PoiAnsi = 15,
    PoiUnicode = 16,
    PoiUtf8 = 17,
    TxtAnsi = 18,
    TxtUnicode = 19,
    TxtUtf8 = 20,
};

// 9..20: 0 ANSI, 1 Unicode (UTF-16 LE), 2 UTF-8.
inline int TextEncodingOf(FileKind kind) { return (static_cast<int>(kind) - 9) % 3; }
// 9..20: the group's first kind (csv 9, asc 12, poi 15, txt 18).
inline FileKind TextGroupOf(FileKind kind) { return static_cast<FileKind>(9 + (static_cast<int>(kind) - 9) / 3 * 3); }
inline bool IsWritableText(FileKind kind) { return kind >= FileKind::CsvAnsi && kind <= FileKind::TxtUtf8; }

// The extension of a path (after its last '.', not across a folder separator), or empty.
std::u16string_view ExtensionOf(std::u16string_view path);
// The file name of a path: what follows its last '/'.
std::u16string_view FileNameOf(std::u16string_view path);

// Open and Import: itn 1, kml 2, gpx 3, gpi 4, csv 5, asc 6, poi 7, anything else 8 (case ignored).
FileKind OpenKindFromPath(std::u16string_view path);

// Save As and Export: itn 1, kml 2, gpx 3; gpi becomes itn with the path's extension replaced;
// csv, asc, poi and anything else are the group (9, 12, 15, 18) plus `encoding` (0..2, the chosen
// filter entry's encoding, 0 when the entry was not a delimited-text one).
struct SaveTarget {
    std::u16string path;
    FileKind kind;
};
SaveTarget SaveTargetFromPath(std::u16string_view path, int encoding);

// The extension files of a kind carry: itn, kml, gpx, gpi, csv, asc, poi, txt; empty for Favorites.
std::u16string_view ExtensionOfKind(FileKind kind);

}  // namespace wayloom
