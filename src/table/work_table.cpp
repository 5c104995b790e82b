#include "table/work_table.h"

#include <algorithm>
#include <numeric>

namespace wayloom {

ItnEntry WorkTable::entry(int row) const {
    const Row& r = rows_[row];
    return ItnEntry{r.cells[ColumnName].str(), r.cells[ColumnLng].str(), r.cells[ColumnLat].str(), r.mark};
}

int WorkTable::findRow(RowId id) const {
    for (int i = 0; i < rowCount(); ++i)
        if (rows_[i].id == id) return i;
    return -1;
}

int WorkTable::nextSelected(int after) const {
    if (selectedCount_ == 0) return -1;
    for (int i = std::max(after + 1, 0); i < rowCount(); ++i)
        if (rows_[i].selected) return i;
    return -1;
}

int WorkTable::focusedRow() const {
    for (int i = 0; i < rowCount(); ++i)
        if (rows_[i].focused) return i;
    return -1;
}

int WorkTable::insert(const RowItem& item) {
    const int row = std::clamp(item.row, 0, rowCount());
    if (item.focused) setFocused(focusedRow(), false);
    notify([&](TableObserver& o) { o.rowsAboutToBeInserted(row, row); });
    Row r;
    r.cells[ColumnName].assign(item.name);
    r.cells[ColumnLng].assign(item.lng);
    r.cells[ColumnLat].assign(item.lat);
    r.mark = static_cast<std::uint8_t>(item.mark);
    r.selected = item.selected;
    r.focused = item.focused;
    r.id = nextId_++;
    selectedCount_ += r.selected ? 1 : 0;
    rows_.insert(static_cast<std::size_t>(row), std::move(r));
    notify([&](TableObserver& o) { o.rowsInserted(row, row); });
    return row;
}

void WorkTable::remove(int row) {
    if (!isValidRow(row)) return;
    notify([&](TableObserver& o) { o.rowsAboutToBeRemoved(row, row); });
    Row r = rows_.erase(static_cast<std::size_t>(row));
    selectedCount_ -= r.selected ? 1 : 0;
    notify([&](TableObserver& o) { o.rowsRemoved(row, row); });
}

void WorkTable::clear() {
    notify([](TableObserver& o) { o.layoutAboutToBeChanged(); });
    rows_.clear();
    selectedCount_ = 0;
    notify([](TableObserver& o) { o.layoutChanged(); });
}

void WorkTable::setText(int row, int column, std::u16string_view text) {
    if (rows_[row].cells[column].equals(text)) return;
    rows_[row].cells[column].assign(text);
    notify([&](TableObserver& o) { o.rowChanged(row); });
}

void WorkTable::setMark(int row, ItnMark mark) {
    if (rows_[row].mark == mark) return;
    rows_[row].mark = static_cast<std::uint8_t>(mark);
    notify([&](TableObserver& o) { o.rowChanged(row); });
}

void WorkTable::setItemData(int row, std::int32_t value) {
    if (rows_[row].itemData == value) return;
    rows_[row].itemData = value;
    notify([&](TableObserver& o) { o.rowChanged(row); });
}

void WorkTable::setSelected(int row, bool selected) {
    if (!isValidRow(row) || rows_[row].selected == selected) return;
    rows_[row].selected = selected;
    selectedCount_ += selected ? 1 : -1;
    notify([&](TableObserver& o) { o.selectionChanged(row); });
}

void WorkTable::setFocused(int row, bool focused) {
    if (!isValidRow(row) || rows_[row].focused == focused) return;
    if (focused) setFocused(focusedRow(), false);
    rows_[row].focused = focused;
    notify([&](TableObserver& o) { o.selectionChanged(row); });
}

void WorkTable::selectAll(bool selected) {
    if (selected ? selectedCount_ == rowCount() : selectedCount_ == 0) return;
    for (int i = 0; i < rowCount(); ++i) setSelected(i, selected);
}

void WorkTable::sortRows(const std::function<bool(int, int)>& before) {
    std::vector<int> order(static_cast<std::size_t>(rowCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), before);
    permute(order);
}

void WorkTable::permute(const std::vector<int>& order) {
    notify([](TableObserver& o) { o.layoutAboutToBeChanged(); });
    Row* data = rows_.contiguous();
    std::vector<Row> sorted;
    sorted.reserve(order.size());
    for (int from : order) sorted.push_back(std::move(data[from]));
    std::move(sorted.begin(), sorted.end(), data);
    notify([](TableObserver& o) { o.layoutChanged(); });
}

void WorkTable::addObserver(TableObserver* observer) { observers_.push_back(observer); }

void WorkTable::removeObserver(TableObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace wayloom
