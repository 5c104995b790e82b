#include "table/sort_rows.h"

#include <cmath>
#include <numeric>

#include "model/base_point.h"
#include "model/coordinate_text.h"
#include "table/table_helpers.h"

namespace wayloom {

namespace {

// Primary letter of a Latin-1 character: lower case, accents dropped.
char16_t FoldLetter(char16_t c) {
    if (c >= u'A' && c <= u'Z') return c + 32;
    if (c < 0xC0 || c > 0xFF || c == 0xD7 || c == 0xF7) return c;
    static constexpr char16_t Base[] = u"aaaaaaaceeeeiiiidnooooo\u00d7ouuuuyts"   // U+00C0..U+00DF
                                       u"aaaaaaaceeeeiiiidnooooo\u00f7ouuuuyty";  // U+00E0..U+00FF
    return Base[c - 0xC0];
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int CompareDigitRuns(std::u16string_view a, std::size_t& i, std::u16string_view b, std::size_t& j) {
    while (i < a.size() && a[i] == u'0' && i + 1 < a.size() && IsDigit(a[i + 1])) ++i;
    while (j < b.size() && b[j] == u'0' && j + 1 < b.size() && IsDigit(b[j + 1])) ++j;
    std::size_t endA = i, endB = j;
    while (endA < a.size() && IsDigit(a[endA])) ++endA;
    while (endB < b.size() && IsDigit(b[endB])) ++endB;
    if (endA - i != endB - j) return endA - i < endB - j ? -1 : 1;
    for (; i < endA; ++i, ++j)
        if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
    return 0;
}

}  // namespace

int CompareNamesNaturally(std::u16string_view a, std::u16string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (int order = CompareDigitRuns(a, i, b, j)) return order;
            continue;
        }
        const char16_t x = FoldLetter(a[i++]);
        const char16_t y = FoldLetter(b[j++]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    return a == b ? 0 : (a < b ? -1 : 1);
}

namespace {

// Ordering of rows by one column; keys are read once, not at every comparison.
std::vector<int> SortedOrder(const Session& session, int column, bool ascending) {
    const WorkTable& table = session.table;
    const int count = table.rowCount();
    const int first = session.baseRowInserted ? 1 : 0;  // the automatic base entry stays first
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    const int sign = ascending ? 1 : -1;
    auto sortRange = [&](auto&& compare) {
        std::stable_sort(order.begin() + first, order.end(),
                         [&](int p, int q) { return sign * compare(p, q) < 0; });
    };
    if (column == ColumnName) {
        std::vector<std::u16string> names(static_cast<std::size_t>(count));
        for (int row = 0; row < count; ++row) names[row] = table.text(row, ColumnName);
        sortRange([&](int p, int q) { return CompareNamesNaturally(names[p], names[q]); });
    } else if (column == ColumnLng || column == ColumnLat) {
        const CoordinateDisplay display = session.display();
        std::vector<double> values(static_cast<std::size_t>(count), NAN);
        for (int row = 0; row < count; ++row)
            if (!table.isCellEmpty(row, column)) values[row] = ReadDisplayedCoordinate(table.text(row, column), display);
        // Empty cells come first (last when descending); two empty cells tie.
        sortRange([&](int p, int q) {
            if (std::isnan(values[p]) || std::isnan(values[q]))
                return std::isnan(values[p]) == std::isnan(values[q]) ? 0 : std::isnan(values[p]) ? -1 : 1;
            return values[p] < values[q] ? -1 : values[p] > values[q] ? 1 : 0;
        });
    } else if (column == ColumnDistancia) {
        sortRange([&](int p, int q) {
            const std::int32_t a = table.itemData(p), b = table.itemData(q);
            return a < b ? -1 : a > b ? 1 : 0;
        });
    }
    return order;
}

}  // namespace

void SortRows(Session& session, int column, bool ascending, SortMode mode, const std::vector<SortPair>* undoPairs) {
    WorkTable& table = session.table;
    const int count = table.rowCount();
    session.view->setSortMark(column, mode == SortMode::Undo ? -1 : (ascending ? 1 : 0));
    session.currentColumn = column;
    session.sortAscending = ascending;
    const bool hadBase = session.baseRow >= 0;

    if (mode == SortMode::Undo) {
        std::vector<int> order(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) order[i] = (*undoPairs)[i].after;
        table.permute(order);
        for (int i = 0; i < count; ++i) table.setMark(i, (*undoPairs)[i].mark);
    } else {
        UndoRecord* record = nullptr;
        if (mode == SortMode::Command) {
            session.journal.BeginStep();
            record = session.journal.AddRecord(count, RecordKind::Sort,
                                               {session.modified, session.baseRow, session.baseRowInserted});
        }
        if (record) {
            record->detail = column;
            record->ascending = ascending;
            record->pairs = std::make_unique<std::vector<SortPair>>(static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i) (*record->pairs)[i].mark = table.mark(i);
        }
        for (int i = 0; i < count; ++i) table.setMark(i, table.mark(i) & ~VisitedBit);
        const std::vector<int> order = SortedOrder(session, column, ascending);
        // Where each row lands, so that undo can put it back.
        if (record) {
            std::vector<int> positionOf(static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i) positionOf[order[i]] = i;
            for (int i = 0; i < count; ++i) (*record->pairs)[i].after = positionOf[i];
        }
        table.permute(order);
    }

    RenumberOrder(session, true);
    if (hadBase) {
        session.baseRow = FindBaseRow(table);
        if (session.adjacentDistance) RecomputeDistances(session, -1);
    }
    if (mode == SortMode::Command) session.mapPage->refresh();
    session.modified = 1;
}

}  // namespace wayloom
