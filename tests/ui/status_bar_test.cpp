// The status bar's panes and the progress display through the Qt side of the reporter.
#include "ui/status_bar.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>

#include "app/auto_save.h"
#include "app/command_ids.h"
#include "app/progress_reporter.h"
#include "formats/temp_folder.h"
#include "ui/message_pump.h"
#include "ui/qt_ui_port.h"
#include "ui/ui_fixture.h"

namespace wayloom {
namespace {

TEST(StatusBar, MessagesAreNormalised) {
    QWidget parent;
    StatusBar bar(&parent);
    EXPECT_EQ(bar.message(), QStringLiteral(" Listo"));
    bar.setStatusText(u"Guardado.");
    EXPECT_EQ(bar.message(), QStringLiteral(" Guardado"));
    bar.setStatusText(u"Ajustar ancho de columnas...");
    EXPECT_EQ(bar.message(), QStringLiteral(" Ajustar ancho de columnas..."));
    bar.setStatusText(u" ya con espacio.");
    EXPECT_EQ(bar.message(), QStringLiteral(" ya con espacio."));
}

TEST(StatusBar, ResetShowsListoAndTheInformationPaneCounts) {
    QWidget parent;
    StatusBar bar(&parent);
    bar.setStatusText(u"Leyendo");
    int statusReset = 1;
    bar.refresh(statusReset, -1, -1, 0, 12);
    EXPECT_EQ(statusReset, 0);
    EXPECT_EQ(bar.message(), QStringLiteral(" Listo"));
    EXPECT_EQ(bar.infoText(), QStringLiteral("  ITN  0 - 0 / 12  "));
    bar.refresh(statusReset, -1, 4, 2, 12);
    EXPECT_EQ(bar.infoText(), QStringLiteral("  ITN  5 - 2 / 12  "));
    // While a cell is edited its row is the current one.
    bar.refresh(statusReset, 7, 4, 2, 12);
    EXPECT_EQ(bar.infoText(), QStringLiteral("  ITN  8 - 2 / 12  "));
    EXPECT_TRUE(bar.clockText().startsWith(QStringLiteral("  ")));
}

TEST(StatusBar, SimpleModeIsLeftAloneByTheTick) {
    QWidget parent;
    StatusBar bar(&parent);
    bar.enterSimpleMode(QStringLiteral("Crear archivo nuevo ITN"));
    int statusReset = 1;
    bar.refresh(statusReset, -1, -1, 0, 3);
    EXPECT_EQ(statusReset, 1);
    EXPECT_EQ(bar.message(), QStringLiteral(" Listo"));  // kept for when the menu closes
    bar.leaveSimpleMode();
    EXPECT_EQ(bar.message(), QStringLiteral(" Listo"));
}

TEST(ProgressDisplay, ThreeOfSevenIsFortyTwoPercent) {
    test::WindowFixture f;
    f.window->show();
    StatusBar& bar = f.window->statusPanes();
    QtUiPort ui(f.session, *f.window, bar, f.window->messagePump());
    int ticks = 0;
    ui.runTick = [&] {
        ++ticks;
        f.window->tick();
    };
    ProgressReporter progress(ui, FileProgressText(0, FileKind::Itn));
    ui.beginProgress();
    progress.Report(7, 3);
    EXPECT_EQ(bar.message(), QStringLiteral(" Leyendo datos del archivo...  42%"));
    ASSERT_TRUE(bar.progressShown());
    const QProgressBar* progressBar = bar.findChild<QProgressBar*>(QStringLiteral("ProgressBar"));
    ASSERT_NE(progressBar, nullptr);
    EXPECT_EQ(progressBar->value(), 42);
    // The bar starts after the text, 4 pixels from the top.
    const QLabel* pane = bar.findChild<QLabel*>(QStringLiteral("MessagePane"));
    EXPECT_GE(bar.progressGeometry().left(), pane->x() + pane->fontMetrics().horizontalAdvance(bar.message()) + 12);
    EXPECT_EQ(bar.progressGeometry().top(), 4);
    EXPECT_EQ(ticks, 1);

    progress.Report(7, 3);  // the same percentage: nothing happens
    EXPECT_EQ(ticks, 1);
    progress.Report(0, 0);
    EXPECT_EQ(ticks, 1);
    progress.Report(7, 7);
    EXPECT_EQ(bar.message(), QStringLiteral(" Leyendo datos del archivo...  100%"));

    f.session.statusReset = 0;
    ui.endProgress();
    EXPECT_FALSE(bar.progressShown());
    EXPECT_EQ(f.session.statusReset, 1);
    f.window->tick();
    EXPECT_EQ(bar.message(), QStringLiteral(" Listo"));
}

// The window's own progress display, through a save by hand and an automatic one.
TEST(ProgressDisplay, AutomaticSaveIsSilent) {
    test::TempFolder folder;
    Session session;
    test::NoFileDialogs dialogs;
    MainWindow window(session, nullptr, {nullptr, &dialogs, true}, {});
    window.show();
    RowItem item;
    item.name = u"Casa";
    item.lng = u"1.00000";
    item.lat = u"2.00000";
    InsertRow(session, item);
    session.filePath = folder.file16("auto.itn");
    session.fileKind = FileKind::Itn;
    session.modified = 1;
    window.tick();
    ASSERT_EQ(window.statusPanes().message(), QStringLiteral(" Listo"));

    ASSERT_TRUE(RunAutoSave(session, [&] { window.runCommand(ToInt(CommandId::Save)); }));
    EXPECT_TRUE(folder.exists("auto.itn"));
    EXPECT_EQ(session.modified, 0);
    EXPECT_EQ(window.statusPanes().message(), QStringLiteral(" Listo"));

    session.modified = 1;
    window.runCommand(ToInt(CommandId::Save));
    EXPECT_EQ(window.statusPanes().message(), QStringLiteral(" Escribiendo datos en archivo...  100%"));
}

TEST(ProgressDisplay, EscapeStopsAndOtherKeysAreLost) {
    QWidget window;
    window.show();
    MessagePump pump;
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    // Keys arriving while the operation pumps are taken by the pump.
    QCoreApplication::postEvent(&window, letter.clone());
    EXPECT_FALSE(pump.pump(true));
    QCoreApplication::postEvent(&window, escape.clone());
    EXPECT_FALSE(pump.pump(false));  // noted, not reported without allowEscape
    EXPECT_TRUE(pump.pump(true));
    EXPECT_FALSE(pump.pump(true));
}

}  // namespace
}  // namespace wayloom
