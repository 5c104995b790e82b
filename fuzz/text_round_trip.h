#pragma once
// The oracle of the ITN and delimited-text fuzz targets: the reader may make anything of its input,
// but the rows it made must come back unchanged through the writer and the reader of the format.
// The first input byte chooses the display options and Open or Import.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "formats/file_io.h"
#include "formats/format_dispatch.h"

namespace wayloom::fuzz {

struct Setup {
    Setup(std::string_view& input) {
        const unsigned char flags = input.empty() ? 0 : static_cast<unsigned char>(input[0]);
        if (!input.empty()) input.remove_prefix(1);
        options.set(Option::DmsFormat, flags & 1);
        options.set(Option::CompassDirection, flags & 2);
        importing = flags & 4;
    }
    Options options;
    bool importing = false;
};

inline void Read(Session& session, FileKind kind, std::string_view bytes, bool importing) {
    UiPort ui;
    ProgressReporter progress;
    ReadContext context(session, ui, progress);
    context.kind = kind;
    context.importing = importing;
    const GuardedBytes guarded(std::string(bytes), kind);
    ReadByKind(context, guarded.data());
}

// Writes the rows the format can carry unchanged; `rows` receives them.
template <typename Comparable>
std::string Write(const Session& session, FileKind kind, Comparable comparable, std::vector<int>& rows) {
    StringSink sink;
    ProgressReporter progress;
    WriteContext context(session, sink, progress);
    for (int row : RowsToWrite(session, false))
        if (comparable(session, row)) context.rows.push_back(row);
    rows = context.rows;
    if (WriteByKind(context, kind)) std::abort();
    return sink.bytes();
}

inline bool HasLoneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            ++i;
        else if (c >= 0xD800 && c < 0xE000)
            return true;
    }
    return false;
}

// Reads `input` as `readKind`, writes the rows `comparable` accepts as `writeKind`, reads that again
// (as an Open), and aborts unless exactly those rows come back.
template <typename Comparable>
void RoundTrip(std::string_view input, FileKind readKind, FileKind writeKind, Comparable comparable) {
    const Setup setup(input);
    Session first;
    first.options = setup.options;
    Read(first, readKind, input, setup.importing);
    std::vector<int> rows;
    const std::string written = Write(first, writeKind, comparable, rows);
    Session second;
    second.options = setup.options;
    Read(second, readKind, written, false);
    if (static_cast<int>(rows.size()) != second.table.rowCount()) std::abort();
    for (int i = 0; i < second.table.rowCount(); ++i) {
        for (const int column : {ColumnName, ColumnLng, ColumnLat})
            if (first.table.text(rows[i], column) != second.table.text(i, column)) std::abort();
        if (first.table.mark(rows[i]) != second.table.mark(i)) std::abort();
    }
}

}  // namespace wayloom::fuzz
