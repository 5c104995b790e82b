// The command bars on a main window: menus and their states, the toolbar and its customisation,
// keys, the options command, the table font and the toolbar colour.
#include "ui/command_bars.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "app/command_ids.h"
#include "app/settings_profile.h"
#include "formats/temp_folder.h"
#include "ui/command_actions.h"
#include "ui/command_menus.h"
#include "ui/command_toolbar.h"
#include "ui/customize_dialog.h"
#include "ui/main_area.h"
#include "ui/table_font.h"
#include "ui/table_header.h"
#include "ui/ui_fixture.h"
#include "ui/work_table_delegate.h"
#include "ui/work_table_model.h"
#include "ui/work_table_view.h"

namespace wayloom {
namespace {

class MapRecorder final : public MapPagePort {
public:
    void sendCommand(int command) override { commands.push_back(command); }
    std::vector<int> commands;
};

class CommandBarsTest : public ::testing::Test {
protected:
    void SetUp() override { bars = new CommandBars(*f.window, &profile); }

    // A menu as it is about to open: its items take their states.
    QMenu& Open(MenuId id) {
        QMenu& menu = *bars->menus().menu(id);
        emit menu.aboutToShow();
        return menu;
    }
    QAction* Item(MenuId id, int command) {
        for (QAction* action : Open(id).actions())
            if (CommandOf(action) == command) return action;
        return nullptr;
    }
    // Runs `work` on the modal dialog that `command` opens.
    template <class Dialog>
    void WithDialog(int command, std::function<void(Dialog&)> work) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            work(*dialog);
        });
        f.window->runCommand(command);
        EXPECT_TRUE(seen);
    }
    void Drain() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }

    test::TempFolder folder;
    SettingsProfile profile{folder.path() / "wayloom.ini"};
    test::WindowFixture f;
    CommandBars* bars = nullptr;
};

TEST_F(CommandBarsTest, MenusHoldEveryCommandWithItsKeys) {
    QMenuBar* bar = bars->menus().menuBar();
    ASSERT_EQ(bar->actions().size(), 5);
    EXPECT_EQ(bar->actions()[3]->text(), QStringLiteral("Herramientas"));
    QAction* save = Item(MenuId::File, ToInt(CommandId::Save));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QStringLiteral("Guardar\tCtrl+S"));
    EXPECT_FALSE(save->icon().isNull());
    EXPECT_EQ(Item(MenuId::ToolbarPopup, 1050)->text(), QStringLiteral("Iconos Grandes"));
    EXPECT_EQ(Item(MenuId::HeaderPopup, 1204)->text(), QString::fromUtf8("Coordenadas Formato g°m's\""));
}

TEST_F(CommandBarsTest, ToolbarPopupIsDisabledWhileTheToolbarIsHidden) {
    for (const int command : {1050, 1051, 1052, 1053}) EXPECT_TRUE(Item(MenuId::ToolbarPopup, command)->isEnabled());
    f.window->runCommand(ToInt(CommandId::ShowToolbar));
    EXPECT_TRUE(bars->toolbar().isHidden());
    for (const int command : {1050, 1051, 1052, 1053}) EXPECT_FALSE(Item(MenuId::ToolbarPopup, command)->isEnabled());
    EXPECT_FALSE(Item(MenuId::Tools, ToInt(CommandId::ShowToolbar))->isChecked());
    f.window->runCommand(ToInt(CommandId::ShowToolbar));
    EXPECT_TRUE(Item(MenuId::ToolbarPopup, 1053)->isEnabled());
}

TEST_F(CommandBarsTest, SaveFollowsTheTableAfterItsButtonWasRemoved) {
    WithDialog<CustomizeDialog>(ToInt(CommandId::CustomizeToolbar), [](CustomizeDialog& dialog) {
        QListWidget* current = dialog.currentList();
        for (int row = 0; row < current->count(); ++row)
            if (current->item(row)->data(Qt::UserRole).toInt() == 3) current->setCurrentRow(row);
        dialog.removeSelected();
        dialog.reject();
    });
    EXPECT_EQ(bars->toolbar().buttonOf(ToInt(CommandId::Save)), nullptr);
    // The change is in the profile at once.
    const ToolbarButtons stored = ParseToolbarButtons(profile.readString("Options", "Toolbar Button"));
    EXPECT_EQ(stored.size(), 59u);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), 3), 0);

    EXPECT_FALSE(Item(MenuId::File, ToInt(CommandId::Save))->isEnabled());
    f.addRow(u"A", u"1", u"2");
    f.session.modified = 1;
    EXPECT_TRUE(Item(MenuId::File, ToInt(CommandId::Save))->isEnabled());
    f.session.table.clear();
    EXPECT_FALSE(Item(MenuId::File, ToInt(CommandId::Save))->isEnabled());
}

TEST_F(CommandBarsTest, CustomizeCannotCloseAnEmptyToolbarAndResetRestoresIt) {
    WithDialog<CustomizeDialog>(ToInt(CommandId::CustomizeToolbar), [this](CustomizeDialog& dialog) {
        EXPECT_FALSE(dialog.resetButton()->isEnabled());
        dialog.currentList()->setCurrentRow(0);
        while (dialog.currentList()->count() > 0) dialog.removeSelected();
        EXPECT_FALSE(dialog.closeButton()->isEnabled());
        dialog.reject();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(profile.readString("Options", "Toolbar Button"), u"");
        EXPECT_TRUE(dialog.resetButton()->isEnabled());
        dialog.resetButtons();
        EXPECT_FALSE(profile.hasKey("Options", "Toolbar Button"));
        EXPECT_TRUE(dialog.closeButton()->isEnabled());
        EXPECT_FALSE(dialog.resetButton()->isEnabled());
        dialog.spacingBox()->setValue(7);
        dialog.reject();
    });
    EXPECT_EQ(bars->toolbar().buttons(), DefaultToolbarButtons());
    EXPECT_EQ(bars->toolbar().spacing(), 7);
    EXPECT_EQ(f.session.options.toolbarSpacing, 7);
}

TEST_F(CommandBarsTest, LngFirstThroughTheOptionsDialogActsAsTheHeaderCommand) {
    MapRecorder map;
    f.session.mapPage = &map;
    bars->askOptions = [](Options options) -> std::optional<Options> {
        options.set(Option::LngFirst, true);
        return options;
    };
    f.window->runCommand(ToInt(CommandId::Options));
    Drain();
    EXPECT_TRUE(f.session.options[Option::LngFirst]);
    const QHeaderView& header = f.window->header();
    EXPECT_LT(header.visualIndex(ColumnLng), header.visualIndex(ColumnLat));
    EXPECT_EQ(f.window->tableView().horizontalHeader()->visualIndex(ColumnLng), header.visualIndex(ColumnLng));
    EXPECT_EQ(map.commands, std::vector<int>{4});
    f.session.mapPage = nullptr;
}

TEST_F(CommandBarsTest, LoweringTheCountRemovesRecentItemsAtOnce) {
    for (int i = 0; i < 7; ++i) f.session.recentFiles.push_back(u"/tmp/ruta" + NumberText(i) + u".itn");
    bars->menus().rebuildRecentItems();
    const auto recentItems = [&] {
        int count = 0;
        for (QAction* action : bars->menus().menu(MenuId::File)->actions())
            count += CommandOf(action) >= 1100 && CommandOf(action) <= 1108;
        return count;
    };
    EXPECT_EQ(recentItems(), 7);
    QList<QAction*> items = bars->menus().menu(MenuId::File)->actions();
    EXPECT_EQ(CommandOf(items[RecentMenuPosition]), 1100);
    EXPECT_TRUE(items[RecentMenuPosition]->text().startsWith(QStringLiteral("&1 ")));
    EXPECT_TRUE(items[RecentMenuPosition + 7]->isSeparator());
    EXPECT_FALSE(Item(MenuId::File, 1100)->isEnabled());  // no such file

    Options after = f.session.options;
    after.fileCount = 2;
    bars->applyOptions(f.session.options, after);
    EXPECT_EQ(recentItems(), 2);
    after.set(Option::RecentFile, false);
    bars->applyOptions(f.session.options, after);
    EXPECT_EQ(recentItems(), 0);
    EXPECT_TRUE(f.session.recentFiles.empty());
}

TEST_F(CommandBarsTest, FontHeightSixteenSwitchesTheMarks) {
    QFont font = f.window->tableView().font();
    font.setPixelSize(15);
    bars->applyTableFont(font, Rgb(128, 0, 0));
    EXPECT_FALSE(f.window->tableView().delegate().largeMarks());
    EXPECT_EQ(bars->fontSettings().height, -15);
    font.setPixelSize(16);
    bars->applyTableFont(font, Rgb(128, 0, 0));
    EXPECT_TRUE(f.window->tableView().delegate().largeMarks());
    EXPECT_EQ(bars->fontSettings().height, -16);
    EXPECT_EQ(bars->fontSettings().colour, Rgb(128, 0, 0));
    EXPECT_EQ(f.window->tableView().palette().color(QPalette::Text), QColor(128, 0, 0));
}

TEST_F(CommandBarsTest, ToolbarColourApplyRepaintsAtOnceAndOkWritesIt) {
    const auto clickApply = [](QColorDialog& dialog, const QColor& colour) {
        dialog.setCurrentColor(colour);
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("&Aplicar")) button->click();
    };
    WithDialog<QColorDialog>(ToInt(CommandId::ToolbarColour), [&](QColorDialog& dialog) {
        clickApply(dialog, QColor(255, 0, 0));
        EXPECT_EQ(bars->toolbar().colour(), Rgb(255, 0, 0));
        dialog.reject();
    });
    EXPECT_EQ(bars->toolbar().colour(), Rgb(255, 0, 0));  // stays for the run
    EXPECT_FALSE(profile.hasKey("Options", "Toolbar Bkgnd"));
    EXPECT_FALSE(profile.hasKey("Options", "Toolbar Bkgnd 0"));

    WithDialog<QColorDialog>(ToInt(CommandId::ToolbarColour), [&](QColorDialog& dialog) {
        clickApply(dialog, QColor(0, 0, 255));
        dialog.accept();
    });
    EXPECT_EQ(profile.readInt("Options", "Toolbar Bkgnd", 0), static_cast<int>(Rgb(0, 0, 255)));
    EXPECT_TRUE(profile.hasKey("Options", "Toolbar Bkgnd 15"));
}

TEST_F(CommandBarsTest, KeysRunEnabledCommandsOnly) {
    std::vector<int> ran;
    f.window->setCommandHandler(ToInt(CommandId::Save), [&](int) { ran.push_back(1003); });
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(f.window->tableView().viewport(), &event);
    };
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ran.empty());  // nothing to save
    f.addRow(u"A", u"1", u"2");
    f.session.modified = 1;
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ran, std::vector<int>{1003});

    press(Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(f.session.options[Option::ShowToolbar]);
    f.window->editing = [] { return true; };  // the cell editor has every key
    press(Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(f.session.options[Option::ShowToolbar]);
    f.window->editing = nullptr;
}

TEST_F(CommandBarsTest, HelpCommandsOpenTheirAddresses) {
    std::vector<QUrl> opened;
    bool mailWorks = true;
    bars->openUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return url.scheme() != QStringLiteral("mailto") || mailWorks;
    };
    for (const int command : {1058, 1059, 1060, 1061}) f.window->runCommand(command);
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[0].path(), QStringLiteral("/es_es/"));
    EXPECT_EQ(opened[1].path(), QStringLiteral("/forum.php"));
    EXPECT_EQ(opened[3].toString(), QStringLiteral("mailto:wayloom@example.org"));
    EXPECT_TRUE(f.ui.messages.empty());
    mailWorks = false;
    f.window->runCommand(1061);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, ToUtf8(Text(TextId::MailFailed)));
}

TEST_F(CommandBarsTest, BackgroundPictureShowsThroughTheRows) {
    f.addRow(u"Casa", u"1.00000", u"40.00000");
    f.addRow(u"Faro", u"2.00000", u"41.00000", true);
    f.window->show();
    const QColor green(0, 200, 0);
    const QString picture = QString::fromStdString((folder.path() / "verde.png").string());
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(green);
    image.save(picture);
    ASSERT_TRUE(bars->setBackgroundPicture(picture));
    WorkTableView& view = f.window->tableView();
    view.syncSelectionFromCore();
    const QImage shot = view.viewport()->grab().toImage();
    // The blank right end of each Orden cell: the picture on a plain row, the selection on a selected one.
    auto blankOf = [&](int row) {
        const QRect cell = view.visualRect(view.workModel().index(row, ColumnOrden));
        return shot.pixelColor(cell.right() - 2, cell.center().y());
    };
    EXPECT_EQ(blankOf(0), green);
    EXPECT_NE(blankOf(1), green);
    bars->removeBackgroundPicture();
    EXPECT_FALSE(f.session.backgroundInUse);
}

TEST_F(CommandBarsTest, SettingsWrittenAtExitComeBack) {
    QFont font = f.window->tableView().font();
    font.setPixelSize(17);
    font.setItalic(true);
    bars->applyTableFont(font, Rgb(0, 128, 0));
    const auto picture = folder.path() / "tapiz.png";
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.save(QString::fromStdString(picture.string()));
    ASSERT_TRUE(bars->setBackgroundPicture(QString::fromStdString(picture.string())));
    emit f.window->writingSettings(profile);

    test::WindowFixture second;
    CommandBars again(*second.window, &profile);
    EXPECT_EQ(again.fontSettings().height, -17);
    EXPECT_TRUE(again.fontSettings().italic);
    EXPECT_EQ(again.fontSettings().colour, Rgb(0, 128, 0));
    EXPECT_TRUE(second.session.backgroundInUse);
    EXPECT_TRUE(second.window->tableView().delegate().largeMarks());
}

}  // namespace
}  // namespace wayloom
