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

int WorkTable::insert(const RowItem& item) {
    return insert(item.row, CellText(item.name), CellText(item.lng), CellText(item.lat), item.mark, item.selected,
                  item.focused);
}

int WorkTable::insert(int position, CellText name, CellText lng, CellText lat, ItnMark mark, bool selected,
                      bool focused) {
    const int row = std::clamp(position, 0, rowCount());
    if (focused) setFocused(focused_, false);
    notify([&](TableObserver& o) { o.rowsAboutToBeInserted(row, row); });
    Row r;
    r.cells[ColumnName] = std::move(name);
    r.cells[ColumnLng] = std::move(lng);
    r.cells[ColumnLat] = std::move(lat);
    r.mark = static_cast<std::uint8_t>(mark);
    r.selected = selected;
    r.focused = focused;
    r.id = nextId_++;
    selectedCount_ += selected ? 1 : 0;
    if (focused_ >= row) ++focused_;
    if (focused) focused_ = row;
    rows_.insert(static_cast<std::size_t>(row), std::move(r));
    notify([&](TableObserver& o) { o.rowsInserted(row, row); });
    return row;
}

void WorkTable::remove(int row) {
    if (!isValidRow(row)) return;
    notify([&](TableObserver& o) { o.rowsAboutToBeRemoved(row, row); });
    Row r = rows_.erase(static_cast<std::size_t>(row));
    selectedCount_ -= r.selected ? 1 : 0;
    if (focused_ == row)
        focused_ = -1;
    else if (focused_ > row)
        --focused_;
    notify([&](TableObserver& o) { o.rowsRemoved(row, row); });
}

void WorkTable::clear() {
    notify([](TableObserver& o) { o.layoutAboutToBeChanged(); });
    rows_.clear();
    selectedCount_ = 0;
    focused_ = -1;
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
    if (focused) setFocused(focused_, false);
    rows_[row].focused = focused;
    focused_ = focused ? row : -1;
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
    focused_ = -1;
    for (int i = 0; i < rowCount() && focused_ < 0; ++i)
        if (data[i].focused) focused_ = i;
    notify([](TableObserver& o) { o.layoutChanged(); });
}

void WorkTable::addObserver(TableObserver* observer) { observers_.push_back(observer); }

void WorkTable::removeObserver(TableObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace wayloom
