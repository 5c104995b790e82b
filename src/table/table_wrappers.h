#pragma once
// The four wrappers through which every change of row content goes: each records undo information
// (unless the journal is replaying), tells the check-results window and writes the table.
#include <optional>
#include <string>
#include <string_view>

#include "app/session.h"

namespace wayloom {

// Inserts a row; records an insert holding the mark and the current base row. Returns its index.
// The base row is not adjusted: callers do that.
int InsertRow(Session& session, const RowItem& item);

// Records a delete (which also corrects the base row), tells the check-results window, deletes.
void DeleteRow(Session& session, int row);

struct RowItemChange {
    int row = 0;
    ItnMark mark = MarkDestination;
    int column = -1;  // with a column, `text` is written into it
    std::u16string text;
    std::optional<bool> selected;
    std::optional<bool> focused;
};
// Changes a row's mark and optionally one cell's text and the row's states; always recorded.
void SetRowItem(Session& session, const RowItemChange& change);

// Writes a cell. Recorded when it opens a step or follows a text change of the same step; a text
// written right after an insert is covered by the insert's record.
void SetCellText(Session& session, int row, int column, std::u16string_view text);

}  // namespace wayloom
