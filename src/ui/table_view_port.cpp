#include "ui/table_view_port.h"

#include <QScrollBar>
#include <algorithm>
#include <array>

#include "app/string_table.h"
#include "ui/qt_text.h"
#include "ui/table_header.h"
#include "table/column_order.h"
#include "ui/text_widths.h"
#include "ui/work_table_delegate.h"
#include "ui/work_table_model.h"
#include "ui/work_table_view.h"

namespace wayloom {

QtTableViewPort::QtTableViewPort(Session& session, WorkTableView& view, TableHeader& header)
    : session_(session), view_(view), header_(header) {}

void QtTableViewPort::setColumnWidth(int column, int width) {
    header_.resizeSection(column, width);
    view_.setColumnWidth(column, width);
}

void QtTableViewPort::setDefaultWidths() {
    static constexpr int defaults[ColumnCount] = {200, 90, 90, 50, 80};
    for (int column = 0; column < ColumnCount; ++column) setColumnWidth(column, defaults[column]);
    applyDistanceVisibility();
    setSortMark(-1, -1);
    view_.horizontalScrollBar()->setValue(0);
}

void QtTableViewPort::applyDistanceVisibility() {
    const bool shown = session_.showDistance();
    header_.setSectionHidden(ColumnDistancia, !shown);
    view_.setColumnHidden(ColumnDistancia, !shown);
}

int QtTableViewPort::fittedWidth(int column) const {
    const QFontMetrics metrics(view_.font());
    TextWidths widths(view_.font());
    const WorkTable& table = session_.table;
    const bool metric = session_.metric();
    int widest = 0;
    CellText::Scratch scratch;
    if (column == ColumnDistancia) {
        const int metresOffset = DistanceUnitOffset(metrics, false, metric);
        for (int row = 0; row < table.rowCount(); ++row) {
            const std::u16string_view text = table.cell(row, column).view(scratch);
            if (text.empty()) continue;
            const bool decimal = text.find(u'.') != std::u16string_view::npos;
            widest = std::max(widest, DistanceFitWidth(widths.width(DistanceShownText(text)), decimal ? 0 : metresOffset));
        }
        if (session_.baseRow >= 0) {
            // Room for the base glyph where the unit starts.
            const QString unit = metric ? QStringLiteral("km") : QStringLiteral("mi");
            widest = std::max(widest, CellTextPadding + metrics.horizontalAdvance(unit) + DistanceRightMargin +
                                          metrics.height() * 6 / 5);
        }
    } else {
        for (int row = 0; row < table.rowCount(); ++row)
            widest = std::max(widest, widths.width(table.cell(row, column).view(scratch)));
        widest += 2 * CellTextPadding;
        if (column == ColumnName) widest += view_.delegate().markAreaWidth() + 2 - CellTextPadding + 4;
    }
    return std::max(widest, header_.titleWidth(column));
}

void QtTableViewPort::fitColumnWidths(int column, bool forced, bool withStatus) {
    if (!forced && !session_.options[Option::AutoColumn]) return;
    if (withStatus && showStatus) showStatus(Text(TextId::StatusFitColumns));
    const std::array<int, 5> order = ColumnOrder(session_.options[Option::LngFirst]);
    for (int position = 0; position < ColumnCount; ++position) {
        const int logical = order[position];
        if (column != AllColumns && column != logical) continue;
        if (logical == ColumnDistancia && !session_.showDistance()) {
            applyDistanceVisibility();
        } else {
            if (logical == ColumnDistancia) applyDistanceVisibility();
            setColumnWidth(logical, fittedWidth(logical));
        }
        if (pumpMessages) pumpMessages();
    }
    header_.setOffset(view_.horizontalScrollBar()->value());
    if (withStatus) session_.statusReset = 1;
}

void QtTableViewPort::ensureRowVisible(int row) { view_.ensureRowVisible(row); }

void QtTableViewPort::setRedraw(bool enabled) { view_.workModel().setRedraw(enabled); }

void QtTableViewPort::repaint() {
    view_.viewport()->update();
    header_.viewport()->update();
}

void QtTableViewPort::setSortMark(int column, int direction) {
    if (column < 0 || direction < 0) header_.setSortIndicator(-1, Qt::AscendingOrder);
    else header_.setSortIndicator(column, direction ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void QtTableViewPort::applyColumnOrder() {
    const std::array<int, 5> order = ColumnOrder(session_.options[Option::LngFirst]);
    for (QHeaderView* header : {static_cast<QHeaderView*>(&header_), view_.horizontalHeader()}) {
        for (int visual = 0; visual < ColumnCount; ++visual) {
            const int from = header->visualIndex(order[visual]);
            if (from != visual) header->moveSection(from, visual);
        }
    }
    repaint();
    fitColumnWidths(ColumnLng, false, false);
    fitColumnWidths(ColumnLat, false, false);
}

}  // namespace wayloom
