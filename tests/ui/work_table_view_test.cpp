// The work table's view: the model adapter, the selection kept in step with the core, the keyboard
// and mouse rules, the header's refusals and the Distancia cell.
#include "ui/work_table_view.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "app/command_ids.h"
#include "model/base_point.h"
#include "ui/qt_text.h"
#include "ui/table_header.h"
#include "ui/text_widths.h"
#include "ui/ui_fixture.h"
#include "ui/work_table_delegate.h"
#include "ui/work_table_model.h"

namespace wayloom {
namespace {

using test::WindowFixture;

class ViewTest : public ::testing::Test {
protected:
    ViewTest() {
        f.window->resize(800, 600);
        f.window->show();
    }
    WorkTableView& view() { return f.window->tableView(); }
    WorkTableModel& model() { return view().workModel(); }

    void Click(Qt::MouseButton button, int row, int column, QEvent::Type type = QEvent::MouseButtonPress) {
        const QRect cell = view().visualRect(model().index(row, column));
        const QPointF at = cell.center() - QPoint(cell.width() / 2 - 3, 0);  // near the cell's left edge
        QMouseEvent event(type, at, view().viewport()->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(view().viewport(), &event);
    }
    void Key(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view(), &event);
    }

    WindowFixture f;
};

TEST_F(ViewTest, ModelFollowsTheTableWithoutCopies) {
    f.addRow(u"Casa", u"1.00000", u"40.00000");
    f.addRow(u"Solo latitud", u"", u"41.00000");
    EXPECT_EQ(model().rowCount(), 2);
    EXPECT_EQ(model().data(model().index(1, ColumnName), Qt::DisplayRole).toString(), QStringLiteral("Solo latitud"));
    f.session.table.setText(0, ColumnName, u"Hogar");
    EXPECT_EQ(model().data(model().index(0, ColumnName), Qt::DisplayRole).toString(), QStringLiteral("Hogar"));

    // Red for a missing coordinate, blue on the base row while distances are shown.
    SetBaseRow(f.session, 0);
    EXPECT_EQ(model().data(model().index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    EXPECT_EQ(model().data(model().index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    f.session.options.set(Option::ShowDistance, false);
    EXPECT_FALSE(model().data(model().index(0, 0), Qt::ForegroundRole).isValid());  // the table's own colour

    // With the redraw flag off no rows are shown, and rows added meanwhile appear after.
    model().setRedraw(false);
    EXPECT_EQ(model().rowCount(), 0);
    f.addRow(u"Tercero", u"2.00000", u"42.00000");
    model().setRedraw(true);
    EXPECT_EQ(model().rowCount(), 3);
    f.session.table.remove(0);
    EXPECT_EQ(model().rowCount(), 2);
    f.session.table.clear();
    EXPECT_EQ(model().rowCount(), 0);
}

TEST_F(ViewTest, SelectionInStepBothWays) {
    for (int i = 0; i < 5; ++i) f.addRow(u"ITN", u"1.00000", u"2.00000");
    // Core to Qt.
    f.session.table.setSelected(1, true);
    f.session.table.setSelected(3, true);
    f.session.table.setFocused(3, true);
    view().syncSelectionFromCore();
    QModelIndexList rows = view().selectionModel()->selectedRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(view().currentIndex().row(), 3);
    // Qt to core: a click selects that row alone and focuses it.
    Click(Qt::LeftButton, 4, ColumnName);
    Click(Qt::LeftButton, 4, ColumnName, QEvent::MouseButtonRelease);
    EXPECT_EQ(f.session.table.selectedCount(), 1);
    EXPECT_TRUE(f.session.table.isSelected(4));
    EXPECT_EQ(f.session.table.focusedRow(), 4);
    // A row inserted inside the selection does not inherit it.
    f.session.table.selectAll(true);
    RowItem item;
    item.row = 2;
    item.name = u"Nuevo";
    InsertRow(f.session, item);
    view().syncSelectionFromCore();
    EXPECT_FALSE(view().selectionModel()->isRowSelected(2, {}));
    EXPECT_TRUE(view().selectionModel()->isRowSelected(3, {}));
}

TEST_F(ViewTest, EnterAddsAndEscapeClears) {
    f.addRow(u"Casa", u"1.00000", u"40.00000", true);
    std::vector<int> commands;
    QObject::connect(&view(), &WorkTableView::commandRequested, [&](int command) { commands.push_back(command); });
    Key(Qt::Key_Return);
    EXPECT_EQ(commands, std::vector<int>{ToInt(CommandId::Add)});
    Key(Qt::Key_Escape);
    EXPECT_EQ(f.session.table.selectedCount(), 0);
}

TEST_F(ViewTest, MiddleClickSelectsWithoutMovingTheMap) {
    for (int i = 0; i < 3; ++i) f.addRow(u"ITN", u"1.00000", u"2.00000");
    int syncs = 0;
    QObject::connect(&view(), &WorkTableView::mapSyncRequested, [&](bool) { ++syncs; });
    Click(Qt::MiddleButton, 1, ColumnName);
    Click(Qt::MiddleButton, 1, ColumnName, QEvent::MouseButtonRelease);
    EXPECT_TRUE(f.session.table.isSelected(1));
    EXPECT_EQ(syncs, 0);
    Click(Qt::LeftButton, 2, ColumnName);
    Click(Qt::LeftButton, 2, ColumnName, QEvent::MouseButtonRelease);
    EXPECT_TRUE(f.session.table.isSelected(2));
    EXPECT_EQ(syncs, 1);
}

TEST_F(ViewTest, DoubleClicks) {
    f.addRow(u"Casa", u"1.00000", u"40.00000");
    std::vector<int> commands;
    std::vector<std::pair<int, int>> edits;
    QObject::connect(&view(), &WorkTableView::commandRequested, [&](int command) { commands.push_back(command); });
    QObject::connect(&view(), &WorkTableView::editRequested, [&](int row, int column) { edits.emplace_back(row, column); });
    // Near the left edge of Nombre lies the mark icon: a destination becomes a waypoint.
    Click(Qt::LeftButton, 0, ColumnName, QEvent::MouseButtonDblClick);
    EXPECT_EQ(commands, std::vector<int>{ToInt(CommandId::MarkWaypoints)});
    Click(Qt::LeftButton, 0, ColumnLat, QEvent::MouseButtonDblClick);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0], std::make_pair(0, int(ColumnLat)));
    EXPECT_EQ(f.session.currentColumn, ColumnLat);
    Click(Qt::LeftButton, 0, ColumnOrden, QEvent::MouseButtonDblClick);
    EXPECT_EQ(edits.size(), 1u);
    EXPECT_EQ(commands.size(), 1u);
}

TEST_F(ViewTest, EnsureRowVisibleCentresAFarRow) {
    for (int i = 0; i < 1000; ++i) f.addRow(u"ITN", u"1.00000", u"2.00000");
    const int perPage = view().rowsPerPage();
    view().ensureRowVisible(500);
    EXPECT_EQ(view().verticalScrollBar()->value(), 500 - perPage / 2);
    view().ensureRowVisible(502);  // already in the page: nothing moves
    EXPECT_EQ(view().verticalScrollBar()->value(), 500 - perPage / 2);
    view().ensureRowVisible(5000);  // past the end: the last row
    EXPECT_GE(view().verticalScrollBar()->value() + perPage, 1000);
}

TEST_F(ViewTest, HeaderRefusesWhatTheTableCannotSort) {
    TableHeader& header = f.window->header();
    auto titleX = [&](int column) { return header.sectionViewportPosition(column) + header.sectionSize(column) / 2; };
    f.addRow(u"B", u"1.00000", u"40.00000");
    // One entry: no title sorts.
    EXPECT_TRUE(header.refusesPress(titleX(ColumnName)));
    f.addRow(u"A", u"2.00000", u"41.00000");
    EXPECT_FALSE(header.refusesPress(titleX(ColumnName)));
    EXPECT_TRUE(header.refusesPress(titleX(ColumnOrden)));
    EXPECT_TRUE(header.refusesPress(titleX(ColumnDistancia)));  // no base row
    SetBaseRow(f.session, 0);
    EXPECT_FALSE(header.refusesPress(titleX(ColumnDistancia)));
    // An automatic base entry and one more row: nothing sorts.
    f.session.table.remove(1);
    f.session.baseRowInserted = true;
    f.addRow(u"C", u"3.00000", u"42.00000");
    EXPECT_TRUE(header.refusesPress(titleX(ColumnName)));
}

TEST_F(ViewTest, ClickOnATitleSorts) {
    f.addRow(u"Zeta", u"1.00000", u"40.00000");
    f.addRow(u"Alfa", u"2.00000", u"41.00000");
    TableHeader& header = f.window->header();
    const QPointF at(header.sectionViewportPosition(ColumnName) + header.sectionSize(ColumnName) / 2, 5);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, header.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(header.viewport(), &event);
    }
    EXPECT_EQ(f.session.table.text(0, ColumnName), u"Alfa");
    EXPECT_EQ(f.session.currentColumn, ColumnName);
    EXPECT_EQ(header.sortIndicatorSection(), ColumnName);
}

TEST(DistanceCell, UnitsStartAtTheSameX) {
    EXPECT_EQ(DistanceShownText(u"850    m"), u"850  m");
    EXPECT_EQ(DistanceShownText(u"1.5  km"), u"1.5  km");
    EXPECT_EQ(DistanceShownText(u"2790    pi"), u"2790  pi");
    EXPECT_EQ(DistanceShownText(u"12  m"), u"12  m");
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 10));
    const int right = 200;
    // Where the unit starts when the text is drawn right-aligned at right - (t + margin).
    auto unitStart = [&](std::u16string_view text, const QString& unit, bool metric) {
        const QString shown = ToQString(DistanceShownText(text));
        const int textRight = right - (DistanceUnitOffset(metrics, shown.contains(u'.'), metric) + DistanceRightMargin);
        return textRight - metrics.horizontalAdvance(unit);
    };
    EXPECT_EQ(unitStart(u"850    m", QStringLiteral("m"), true), unitStart(u"1.5  km", QStringLiteral("km"), true));
    EXPECT_EQ(unitStart(u"2790    pi", QStringLiteral("pi"), false), unitStart(u"0.9  mi", QStringLiteral("mi"), false));
}

TEST(TextWidths, SumOfAdvancesMatchesTheDrawnWidth) {
    const QFont font = TableDrawingFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    TextWidths widths(font);
    const QFontMetricsF metrics(font);
    for (const char16_t* text : {u"Punto de ruta 12345", u"AVWAY Tórshavn", u"-123.45678", u"Ελλάδα Москва",
                                 u"مرحبا", u"東京タワー"}) {
        const double drawn = metrics.horizontalAdvance(ToQString(text));
        EXPECT_GE(widths.width(text), drawn - 0.01) << ToUtf8(text);
        EXPECT_LE(widths.width(text), drawn + 1) << ToUtf8(text);
    }
}

}  // namespace
}  // namespace wayloom
