#pragma once
// The oracle of the GPX and KML fuzz targets: whatever a reader makes of its input, the rows with
// both coordinates must come back unchanged through the writer and the reader of the same format.
#include <cstdlib>
#include <string>
#include <string_view>

#include "formats/file_io.h"
#include "formats/format_dispatch.h"

namespace wayloom::fuzz {

inline void ReadAndRoundTrip(FileKind kind, std::string_view input) {
    Session session;
    UiPort ui;
    ProgressReporter progress;
    ReadContext context(session, ui, progress);
    context.kind = kind;
    // Exactly the input, without the read guard: the reader must stay inside the data on its own.
    ReadByKind(context, input);

    StringSink sink;
    WriteContext writing(session, sink, progress);
    writing.rows = RowsToWrite(session, false);
    if (WriteByKind(writing, kind)) std::abort();

    Session again;
    ReadContext rereading(again, ui, progress);
    rereading.kind = kind;
    const GuardedBytes written(sink.bytes(), kind);
    if (ReadByKind(rereading, written.data())) std::abort();
    int row = 0;
    for (const int original : writing.rows) {
        if (!session.table.hasBothCoordinates(original)) continue;
        for (const int column : {ColumnName, ColumnLng, ColumnLat})
            if (row >= again.table.rowCount() || again.table.text(row, column) != session.table.text(original, column))
                std::abort();
        ++row;
    }
    if (row != again.table.rowCount()) std::abort();
}

}  // namespace wayloom::fuzz
