#pragma once
// Builds small tables for tests: rows are written directly, without undo records.
#include <initializer_list>
#include <string>

#include "app/session.h"

namespace wayloom::testing {

struct FixtureRow {
    std::u16string name;
    std::u16string lng;
    std::u16string lat;
    ItnMark mark = MarkDestination;
};

inline void AddRows(Session& session, std::initializer_list<FixtureRow> rows) {
    for (const FixtureRow& r : rows) {
        RowItem item;
        item.row = session.table.rowCount();
        item.name = r.name;
        item.lng = r.lng;
        item.lat = r.lat;
        item.mark = r.mark;
        session.table.insert(item);
    }
}

inline std::u16string Names(const WorkTable& table) {
    std::u16string names;
    for (int row = 0; row < table.rowCount(); ++row) names += (row ? u"," : u"") + table.text(row, ColumnName);
    return names;
}

inline std::u16string Marks(const WorkTable& table) {
    std::u16string marks;
    for (int row = 0; row < table.rowCount(); ++row) marks += static_cast<char16_t>(u'0' + table.mark(row));
    return marks;
}

inline void SelectOnly(WorkTable& table, int row) {
    table.selectAll(false);
    table.setSelected(row, true);
    table.setFocused(row, true);
}

}  // namespace wayloom::testing
