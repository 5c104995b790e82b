#pragma once
// The work table: the one store of the open itinerary. This class holds rows and tells observers
// about every change; the recorded wrappers (table_wrappers.h) and the derived-column helpers write
// through it.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/itn_entry.h"
#include "table/cell_text.h"
#include "table/gap_buffer.h"

namespace wayloom {

enum Column : int { ColumnName = 0, ColumnLng = 1, ColumnLat = 2, ColumnOrden = 3, ColumnDistancia = 4 };
inline constexpr int ColumnCount = 5;
inline constexpr int AllColumns = 5;  // FitColumnWidths: every column

// Item data values besides a distance in metres.
inline constexpr std::int32_t BaseMarker = INT32_MIN;
inline constexpr std::int32_t NoDistance = INT32_MAX;

// Stable identity of a row: never reused while the row exists, unchanged when rows move.
using RowId = std::uint32_t;

// What a row-changing call gets: position, texts of columns 0 to 2, mark and states.
struct RowItem {
    int row = 0;
    std::u16string name;
    std::u16string lng;
    std::u16string lat;
    ItnMark mark = MarkDestination;
    bool selected = false;
    bool focused = false;
};

// Follows the table; every call pair brackets one change so that a view can forward it.
class TableObserver {
public:
    virtual ~TableObserver() = default;
    virtual void rowsAboutToBeInserted(int /*first*/, int /*last*/) {}
    virtual void rowsInserted(int /*first*/, int /*last*/) {}
    virtual void rowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
    virtual void rowsRemoved(int /*first*/, int /*last*/) {}
    // Texts, mark, item data of a row changed.
    virtual void rowChanged(int /*row*/) {}
    // Selected or focused state changed.
    virtual void selectionChanged(int /*row*/) {}
    // Rows were reordered (sorting) or the whole table was replaced.
    virtual void layoutAboutToBeChanged() {}
    virtual void layoutChanged() {}
};

class WorkTable {
public:
    WorkTable() = default;
    WorkTable(const WorkTable&) = delete;
    WorkTable& operator=(const WorkTable&) = delete;

    int rowCount() const noexcept { return static_cast<int>(rows_.size()); }
    bool isValidRow(int row) const noexcept { return row >= 0 && row < rowCount(); }

    std::u16string text(int row, int column) const { return rows_[row].cells[column].str(); }
    const CellText& cell(int row, int column) const { return rows_[row].cells[column]; }
    bool isCellEmpty(int row, int column) const { return rows_[row].cells[column].empty(); }
    bool hasBothCoordinates(int row) const { return !isCellEmpty(row, ColumnLng) && !isCellEmpty(row, ColumnLat); }
    ItnMark mark(int row) const { return rows_[row].mark; }
    std::int32_t itemData(int row) const { return rows_[row].itemData; }
    RowId rowId(int row) const { return rows_[row].id; }
    bool isSelected(int row) const { return rows_[row].selected; }
    bool isFocused(int row) const { return rows_[row].focused; }
    ItnEntry entry(int row) const;

    int findRow(RowId id) const;
    int selectedCount() const noexcept { return selectedCount_; }
    // The first selected row after `after` (-1 for the first), or -1.
    int nextSelected(int after = -1) const;
    int focusedRow() const noexcept { return focused_; }

    // Direct writes: no undo record. They notify observers.
    int insert(const RowItem& item);
    // The same from texts already held as cells (undo keeps them so).
    int insert(int row, CellText name, CellText lng, CellText lat, ItnMark mark, bool selected, bool focused);
    void remove(int row);
    void clear();
    void setText(int row, int column, std::u16string_view text);
    void setMark(int row, ItnMark mark);
    void setItemData(int row, std::int32_t value);
    void setSelected(int row, bool selected);
    // Focus is held by at most one row.
    void setFocused(int row, bool focused);
    void selectAll(bool selected);
    // Stable sort of the rows by `before(a, b)`.
    void sortRows(const std::function<bool(int, int)>& before);
    // Rearranges the rows so that the row now at order[i] ends at position i.
    void permute(const std::vector<int>& order);

    // Room for `rows` rows, so that a long run of inserts does not reallocate step after step.
    // Unused room is never touched, so it costs address space only. May throw std::bad_alloc.
    void reserve(int rows) { rows_.reserve(static_cast<std::size_t>(std::max(rows, 0))); }

    void addObserver(TableObserver* observer);
    void removeObserver(TableObserver* observer);

    std::size_t memoryBytes() const noexcept { return rows_.capacityBytes(); }

private:
    struct Row {
        CellText cells[ColumnCount];
        std::int32_t itemData = NoDistance;
        RowId id = 0;
        std::uint8_t mark = MarkDestination;
        bool selected = false;
        bool focused = false;
    };

    template <typename F>
    void notify(F&& call) {
        for (TableObserver* observer : observers_) call(*observer);
    }

    GapBuffer<Row> rows_;
    std::vector<TableObserver*> observers_;
    RowId nextId_ = 1;
    int selectedCount_ = 0;
    int focused_ = -1;  // the row with the focus, kept in step with inserts, removals and sorting
};

}  // namespace wayloom
