// Fuzzes the comma reader (as csv, asc and poi) and the tab reader, with their writers in UTF-16,
// the one encoding that carries every name.
#include <cstddef>
#include <cstdint>

#include "text_round_trip.h"

namespace {

using namespace wayloom;

// The written line stays within the 303 characters a reader keeps; a txt name that begins with
// ';' makes a comment line; a quoted name made only of double quotes reads back one longer (the
// quotes around it join the run of doubled ones).
bool Carried(const Session& session, int row, FileKind writeKind) {
    const std::u16string name = session.table.text(row, ColumnName);
    std::size_t length = name.size() + session.table.text(row, ColumnLng).size() +
                         session.table.text(row, ColumnLat).size() + 6;
    for (char16_t c : name) length += c == u'"';
    if (length > 303) return false;
    if (writeKind == FileKind::TxtUnicode) return name.front() != u';';
    return name.find_first_not_of(u'"') != std::u16string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the reader; the rest is the setup byte and the file.
    static constexpr FileKind Kinds[][2] = {{FileKind::Csv, FileKind::CsvUnicode},
                                            {FileKind::Asc, FileKind::AscUnicode},
                                            {FileKind::Poi, FileKind::PoiUnicode},
                                            {FileKind::Txt, FileKind::TxtUnicode}};
    const auto& kinds = Kinds[data[0] % 4];
    const FileKind writeKind = kinds[1];
    fuzz::RoundTrip({reinterpret_cast<const char*>(data) + 1, size - 1}, kinds[0], writeKind,
                    [writeKind](const Session& session, int row) { return Carried(session, row, writeKind); });
    return 0;
}
