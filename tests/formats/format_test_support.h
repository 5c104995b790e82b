#pragma once
// Reading crafted bytes into a session and writing a session's rows to bytes, for the format tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/session.h"
#include "formats/file_io.h"
#include "formats/format_dispatch.h"
#include "scripted_ui.h"
#include "table/table_wrappers.h"

namespace wayloom::test {

// Runs the reader of `kind` over `bytes` (the guard is added) into the session.
inline FileResult ReadInto(Session& session, FileKind kind, std::string bytes, bool importing = false,
                           UiPort* ui = nullptr, FileKind* detected = nullptr) {
    UiPort noUi;
    ProgressReporter progress;
    ReadContext context(session, ui ? *ui : noUi, progress);
    context.fileName = u"test";
    context.kind = kind;
    context.importing = importing;
    const GuardedBytes guarded(std::move(bytes), kind);
    FileResult result = ReadByKind(context, guarded.data());
    if (detected) *detected = context.kind;
    return result;
}

// The rows as "name|lng|lat|mark", the cells' texts as they stand.
inline std::vector<std::string> Rows(const Session& session) {
    std::vector<std::string> rows;
    const WorkTable& table = session.table;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.push_back(ToUtf8(table.text(row, ColumnName)) + "|" + ToUtf8(table.text(row, ColumnLng)) + "|" +
                       ToUtf8(table.text(row, ColumnLat)) + "|" + std::to_string(table.mark(row)));
    return rows;
}

// Appends a row with display texts as they are given.
inline void AddRow(Session& session, std::u16string name, std::u16string lng, std::u16string lat,
                   ItnMark mark = MarkDestination, bool selected = false) {
    RowItem item;
    item.row = session.table.rowCount();
    item.name = std::move(name);
    item.lng = std::move(lng);
    item.lat = std::move(lat);
    item.mark = mark;
    item.selected = selected;
    InsertRow(session, item);
}

// Writes the rows (Save, or Export of the selected rows) with the writer of `kind`.
inline std::string WriteOut(const Session& session, FileKind kind, bool exporting = false) {
    StringSink sink;
    ProgressReporter progress;
    WriteContext context(session, sink, progress);
    context.fileName = u"test";
    context.rows = RowsToWrite(session, exporting);
    EXPECT_EQ(WriteByKind(context, kind), std::nullopt);
    return sink.bytes();
}

}  // namespace wayloom::test
