#pragma once
// The file kinds the program reads and writes, in the order of the file dialogs' filters.
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

}  // namespace wayloom
