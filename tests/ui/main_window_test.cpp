// The main window offscreen: title, closing, the splitter, dropped files, column order and fitting.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "app/command_ids.h"
#include "app/recent_files.h"
#include "app/settings_profile.h"
#include "formats/temp_folder.h"
#include "ui/main_area.h"
#include "ui/status_bar.h"
#include "ui/table_header.h"
#include "ui/ui_fixture.h"
#include "ui/work_table_view.h"

namespace wayloom {
namespace {

using test::WindowFixture;

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class MapRecorder final : public MapPagePort {
public:
    void sendCommand(int command) override { commands.push_back(command); }
    std::vector<int> commands;
};

TEST(MainWindow, TitleOfTheUntitledDocument) {
    WindowFixture f;
    f.window->tick();
    EXPECT_EQ(f.window->windowTitle(), QString::fromUtf8("Sin titulo - Wayloom"));
    f.session.modified = 1;
    f.session.titleDirty = 1;
    f.window->tick();
    EXPECT_EQ(f.window->windowTitle(), QString::fromUtf8("Sin titulo* - Wayloom"));
    EXPECT_EQ(f.session.titleDirty, 0);
}

TEST(MainWindow, StartsWithTheCommandLinePathOrTheLastFile) {
    test::TempFolder folder;
    folder.write("arg.txt", "Casa\t4.5\t40.25\r\n");
    folder.write("last.txt", "Faro\t-8.1\t43.75\r\nCabo\t-9.3\t42.88\r\n");
    test::ScriptedUi ui;
    test::NoFileDialogs dialogs;
    auto start = [&](const std::u16string& path) {
        auto session = std::make_unique<Session>();
        session->options.set(Option::OpenLast, true);
        session->recentFiles = {folder.file16("last.txt")};
        {
            MainWindow window(*session, nullptr, {&ui, &dialogs, false}, path);
            QCoreApplication::processEvents();
        }
        return session;
    };
    EXPECT_EQ(start(folder.file16("arg.txt"))->fileTitle, u"arg");
    // A folder on the command line is not opened: the last file is.
    EXPECT_EQ(start(FromUtf8(folder.path().string()))->fileTitle, u"last");
    EXPECT_EQ(start(folder.file16("missing.itn"))->table.rowCount(), 2);
}

TEST(MainWindow, MinimumSize) {
    WindowFixture f;
    f.window->resize(100, 100);
    EXPECT_GE(f.window->width(), 480);
    EXPECT_GE(f.window->height(), 320);
}

TEST(MainWindow, CloseWithARejectedCellEditStaysOpen) {
    WindowFixture f;
    f.window->show();
    f.window->commitEdit = [] { return false; };
    EXPECT_FALSE(f.window->close());
    EXPECT_TRUE(f.window->isVisible());
    f.window->commitEdit = [] { return true; };
    EXPECT_TRUE(f.window->close());
}

TEST(MainWindow, CancelInTheSavePromptKeepsTheWindowAndTheMapPane) {
    WindowFixture f;
    f.addRow(u"Casa", u"1.00000", u"2.00000");
    f.session.modified = 1;
    f.window->show();
    f.window->area().showMapPane(300);
    f.ui.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(f.window->close());
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_TRUE(f.window->area().mapPaneShown());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "Guarda el archivo actual?\n\nSin titulo");
}

TEST(MainWindow, ClosingWithTheMapPaneHidesAtOnceAndEndsTwoSecondsLater) {
    test::TempFolder folder;
    Session session;
    test::ScriptedUi ui;
    test::NoFileDialogs dialogs;
    SettingsProfile profile(folder.file("w.ini"));
    MainWindow window(session, &profile, {&ui, &dialogs, true}, {});
    window.resize(800, 600);
    window.show();
    window.area().showMapPane(250);
    window.close();
    EXPECT_TRUE(window.isHidden());
    EXPECT_FALSE(profile.hasKey("Window", "IE Pane"));  // not destroyed yet
    Wait(2300);
    EXPECT_EQ(profile.readInt("Window", "IE Pane", 0), 250);
}

TEST(MainWindow, SplitterLimits) {
    WindowFixture f;
    f.window->show();
    MainArea& area = f.window->area();
    area.showMapPane(300);
    const int width = area.width();
    EXPECT_EQ(area.mapPane()->x(), width - 300);
    EXPECT_EQ(area.tableRight(), width - 306);
    area.dragSplitterTo(0);
    EXPECT_EQ(area.mapPane()->x(), 100);
    area.dragSplitterTo(width + 50);
    EXPECT_EQ(area.mapPaneWidth(), 100);
    // A double click on the band closes the pane.
    area.hideMapPane();
    EXPECT_FALSE(area.mapPaneShown());
    EXPECT_EQ(area.tableRight(), width);
}

TEST(MainWindow, DroppedFiles) {
    test::TempFolder folder;
    folder.write("ROUTE.DAT", "Casa\t4.5\t40.25\r\n");
    folder.write("ruta.txt", "Casa\t4.5\t40.25\r\n");
    WindowFixture f;
    f.window->show();
    f.window->dropFiles({folder.file16("ROUTE.DAT")}, {10, 100});
    f.window->dropFiles({folder.file16("ruta.txt"), folder.file16("ROUTE.DAT")}, {10, 100});
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[0].text, "La extensión de archivo no es compatible\n\nROUTE.DAT");
    EXPECT_EQ(f.ui.messages[1].text, "Sólo puede abrir un archivo de ITN");
    EXPECT_EQ(f.session.table.rowCount(), 0);

    // Dropped on the map pane: ignored.
    f.window->area().showMapPane(300);
    const QPoint onMap = f.window->area().mapTo(f.window.get(), f.window->area().mapPane()->geometry().center());
    f.window->dropFiles({folder.file16("ruta.txt")}, onMap);
    EXPECT_EQ(f.session.table.rowCount(), 0);
    f.window->dropFiles({folder.file16("ruta.txt")}, {10, 100});
    EXPECT_EQ(f.session.table.rowCount(), 1);
    EXPECT_EQ(f.session.fileTitle, u"ruta");
}

// Answers every file dialog with one path, in the first filter entry.
class OnePathDialogs final : public FileDialogPort {
public:
    std::optional<FileDialogAnswer> askFilePath(const FileDialogRequest&) override { return FileDialogAnswer{path, 1}; }
    std::u16string path;
};

TEST(MainWindow, PlainSaveLeavesTheRecentListAlone) {
    test::TempFolder folder;
    folder.write("a.itn", "100000|200000|A|2|\r\n");
    const std::u16string a = folder.file16("a.itn");
    const std::u16string b = folder.file16("b.itn");
    Session session;
    test::ScriptedUi ui;
    OnePathDialogs dialogs;
    MainWindow window(session, nullptr, {&ui, &dialogs, true}, {});
    window.openPath(a);
    EXPECT_EQ(session.recentFiles, RecentFiles{a});
    dialogs.path = b;
    window.runCommand(ToInt(CommandId::SaveAs));
    EXPECT_EQ(session.recentFiles, (RecentFiles{b, a}));
    // The document is b, below the top of the list: saving it back moves nothing.
    session.recentFiles = {a, b};
    session.modified = 1;
    window.runCommand(ToInt(CommandId::Save));
    EXPECT_EQ(session.modified, 0);
    EXPECT_EQ(session.recentFiles, (RecentFiles{a, b}));
}

TEST(MainWindow, ColumnOrderFollowsLngFirst) {
    WindowFixture f;
    MapRecorder map;
    f.session.mapPage = &map;
    const QHeaderView& header = f.window->header();
    auto order = [&] {
        std::vector<int> logical;
        for (int visual = 0; visual < header.count(); ++visual) logical.push_back(header.logicalIndex(visual));
        return logical;
    };
    EXPECT_EQ(order(), (std::vector<int>{ColumnOrden, ColumnDistancia, ColumnName, ColumnLat, ColumnLng}));
    f.window->runCommand(ToInt(CommandId::LngFirst));
    EXPECT_EQ(order(), (std::vector<int>{ColumnOrden, ColumnDistancia, ColumnName, ColumnLng, ColumnLat}));
    EXPECT_EQ(map.commands, std::vector<int>{4});
    // The list follows its header.
    EXPECT_EQ(f.window->tableView().horizontalHeader()->visualIndex(ColumnLng), 3);
    f.window->runCommand(ToInt(CommandId::LngFirst));
    EXPECT_EQ(map.commands, (std::vector<int>{4, 5}));
    f.session.mapPage = nullptr;
}

TEST(MainWindow, FitColumnsAndTheHiddenDistancia) {
    WindowFixture f;
    f.addRow(u"Un nombre bastante largo para la columna", u"-123.45678", u"45.00000");
    f.window->runCommand(ToInt(CommandId::FitColumns));
    const QFontMetrics metrics(f.window->tableView().font());
    EXPECT_GT(f.window->header().sectionSize(ColumnName),
              metrics.horizontalAdvance(QStringLiteral("Un nombre bastante largo para la columna")));
    EXPECT_EQ(f.window->tableView().columnWidth(ColumnName), f.window->header().sectionSize(ColumnName));
    EXPECT_FALSE(f.window->header().isSectionHidden(ColumnDistancia));
    f.session.options.set(Option::ShowDistance, false);
    f.window->runCommand(ToInt(CommandId::FitColumns));
    EXPECT_TRUE(f.window->header().isSectionHidden(ColumnDistancia));
    EXPECT_TRUE(f.window->tableView().isColumnHidden(ColumnDistancia));
}

TEST(MainWindow, SelectRowIfNoneIsSelected) {
    WindowFixture f;
    for (int i = 0; i < 3; ++i) f.addRow(u"ITN", u"1.00000", u"2.00000");
    f.window->runCommand(ToInt(CommandId::SelectRowIfNone), 7);
    EXPECT_TRUE(f.session.table.isSelected(2));
    EXPECT_EQ(f.session.table.focusedRow(), 2);
    f.window->runCommand(ToInt(CommandId::SelectRowIfNone), 0);
    EXPECT_FALSE(f.session.table.isSelected(0));  // a row is selected already
}

TEST(MainWindow, WheelAnywhereScrollsTheTable) {
    WindowFixture f;
    for (int i = 0; i < 300; ++i) f.addRow(u"ITN", u"1.00000", u"2.00000");
    f.window->show();
    QScrollBar* bar = f.window->tableView().verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    QWidget* target = &f.window->statusPanes();
    QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    EXPECT_GT(bar->value(), 0);
}

}  // namespace
}  // namespace wayloom
