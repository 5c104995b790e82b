// The command bars' widgets on their own: toolbar layout and painting, the options dialog's rules,
// dialog placement and fading.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "app/command_ids.h"
#include "formats/scripted_ui.h"
#include "ui/about_box.h"
#include "ui/accelerator_filter.h"
#include "ui/command_actions.h"
#include "ui/command_toolbar.h"
#include "ui/dialog_effects.h"
#include "ui/number_field.h"
#include "ui/options_dialog.h"
#include "ui/toolbar_images.h"

namespace wayloom {
namespace {

class ToolbarFixture : public ::testing::Test {
protected:
    Session session;
    CommandActions actions{session, nullptr};
    CommandToolbar toolbar{session, actions};
};

TEST_F(ToolbarFixture, ButtonListFromTheProfileText) {
    toolbar.setButtons(ParseToolbarButtons(u"0 51 51 0 3"));
    EXPECT_EQ(toolbar.buttons(), (ToolbarButtons{0, ToolbarSeparator, ToolbarSeparator, 3}));
    EXPECT_NE(toolbar.buttonOf(ToInt(CommandId::New)), nullptr);
    EXPECT_NE(toolbar.buttonOf(ToInt(CommandId::Save)), nullptr);
    EXPECT_EQ(toolbar.buttonOf(ToInt(CommandId::Open)), nullptr);
    EXPECT_EQ(toolbar.buttonOf(ToInt(CommandId::Save))->toolTip(), QStringLiteral("Guardar (Ctrl+S)"));
}

TEST_F(ToolbarFixture, NarrowToolbarCutsOffButtonsBehindTheChevron) {
    toolbar.setButtons(DefaultToolbarButtons());
    toolbar.setWrapping(false);
    toolbar.resize(300, toolbar.bandHeight());
    toolbar.show();
    const std::vector<int> hidden = toolbar.cutOffEntries();
    ASSERT_FALSE(hidden.empty());
    const auto& rects = toolbar.entryRects();
    // Everything before the first hidden button shows, everything from it on is hidden, and no shown
    // button reaches into the chevron's 8 pixels.
    for (int i = 0; i < hidden.front(); ++i) {
        if (toolbar.buttons()[i] == ToolbarSeparator) continue;
        EXPECT_FALSE(rects[i].isEmpty()) << i;
        EXPECT_LE(rects[i].right(), 300 - ChevronWidth) << i;
    }
    EXPECT_EQ(hidden.back(), static_cast<int>(toolbar.buttons().size()) - 1);
    for (const int entry : hidden) EXPECT_TRUE(rects[entry].isEmpty());
    EXPECT_NE(toolbar.buttons()[hidden.front()], ToolbarSeparator);
    EXPECT_TRUE(toolbar.inChevronZone({297, 10}));
    EXPECT_FALSE(toolbar.inChevronZone({280, 10}));

    toolbar.resize(4000, toolbar.bandHeight());
    EXPECT_TRUE(toolbar.cutOffEntries().empty());
    EXPECT_FALSE(toolbar.inChevronZone({3997, 10}));
}

TEST_F(ToolbarFixture, WrappingAddsBandsAndSpacingMovesButtonsApart) {
    toolbar.setButtons(DefaultToolbarButtons());
    const int band = toolbar.bandHeight();
    EXPECT_EQ(band, LargeImageSize + 6 + 8);
    EXPECT_EQ(toolbar.heightForWidth(4000), band - 2);
    EXPECT_GT(toolbar.heightForWidth(300), 3 * band);
    toolbar.setWrapping(false);
    EXPECT_EQ(toolbar.heightForWidth(300), band - 2);

    toolbar.resize(4000, band);
    const int before = toolbar.entryRects()[1].left();
    toolbar.setSpacing(7);
    EXPECT_EQ(toolbar.entryRects()[1].left(), before + 7);
    toolbar.setLarge(false);
    EXPECT_EQ(toolbar.buttonSize(), QSize(SmallImageSize + 7, SmallImageSize + 6));
}

TEST_F(ToolbarFixture, PressedStateFollowsTheCommandTable) {
    toolbar.setButtons(DefaultToolbarButtons());
    QToolButton* options = toolbar.buttonOf(ToInt(CommandId::Options));
    {
        ModalCommand running(session, ToInt(CommandId::Options));
        EXPECT_TRUE(options->isDown());
    }
    EXPECT_FALSE(options->isDown());
    session.commands.enable(ToInt(CommandId::Save), false);
    EXPECT_FALSE(toolbar.buttonOf(ToInt(CommandId::Save))->isEnabled());
}

TEST(Accelerators, KeysOfBothTables) {
    const struct {
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        int main;
        int map;
    } cases[] = {
        {Qt::NoModifier, Qt::Key_Insert, 1012, 1012},
        {Qt::ShiftModifier, Qt::Key_Delete, 1017, 0},
        {Qt::NoModifier, Qt::Key_Delete, 1015, 0},
        {Qt::ControlModifier, Qt::Key_C, 1018, 0},
        {Qt::NoModifier, Qt::Key_Menu, 1215, 0},
        {Qt::ControlModifier | Qt::AltModifier, Qt::Key_M, 1048, 1048},
        {Qt::AltModifier, Qt::Key_M, 1027, 1027},
        {Qt::NoModifier, Qt::Key_F12, 1057, 1057},
        {Qt::NoModifier, Qt::Key_Return, 0, 0},
    };
    for (const auto& c : cases) {
        const QKeyCombination key(c.modifiers, c.key);
        EXPECT_EQ(AcceleratorFilter::CommandOfKey(AcceleratorTableId::Main, key), c.main) << c.key;
        EXPECT_EQ(AcceleratorFilter::CommandOfKey(AcceleratorTableId::MapPane, key), c.map) << c.key;
    }
}

TEST(ToolbarImages, HotImageLiftsEveryChannel) {
    const std::pair<int, int> cases[] = {{0, 0}, {100, 110}, {200, 220}, {231, 254}, {232, 255}, {255, 255}};
    for (const auto& [in, out] : cases) {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(in, in, in, 77));
        const QRgb hot = HotImage(image).pixel(0, 0);
        EXPECT_EQ(qRed(hot), out) << in;
        EXPECT_EQ(qBlue(hot), out) << in;
        EXPECT_EQ(qAlpha(hot), 77);
    }
}

TEST(ToolbarImages, AllImagesRenderInBothSizes) {
    for (int image = 0; image < ToolbarImageCount; ++image) {
        for (const int size : {SmallImageSize, LargeImageSize}) {
            const QImage picture = ToolbarImage(image, size);
            ASSERT_EQ(picture.size(), QSize(size, size)) << image;
            int opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) opaque += qAlpha(picture.pixel(x, y)) > 0;
            EXPECT_GT(opaque, size * size / 10) << "image " << image << " is nearly empty";
        }
    }
    EXPECT_TRUE(ToolbarImage(51, 16).isNull());
    EXPECT_EQ(ChevronImage().size(), QSize(ChevronWidth, ChevronHeight));
}

TEST(ToolbarBands, LinesOfABand) {
    const Colour colour = Rgb(224, 248, 255);
    const int band = 38;
    EXPECT_EQ(ToolbarBandColour(colour, 0, band), QColor(160, 160, 160));
    EXPECT_EQ(ToolbarBandColour(colour, 1, band), QColor(Qt::white));
    EXPECT_EQ(ToolbarBandColour(colour, 2, band), QColor(224, 248, 255));
    EXPECT_EQ(ToolbarBandColour(colour, 18, band), QColor(224, 248, 255));
    EXPECT_EQ(ToolbarBandColour(colour, 19, band), QColor(200, 240, 239));
    EXPECT_EQ(ToolbarBandColour(colour, 20, band), QColor(199, 240, 238));
    EXPECT_EQ(ToolbarBandColour(colour, 21, band), QColor(198, 239, 237));
    EXPECT_EQ(ToolbarBandColour(Rgb(10, 10, 30), 37, band), QColor(0, 0, 0));
}

class OptionsDialogTest : public ::testing::Test {
protected:
    test::ScriptedUi ui;
    Options options;
};

TEST_F(OptionsDialogTest, CountOutOfRangeIsRefused) {
    OptionsDialog dialog(options, ui, false, nullptr);
    dialog.fileCountField()->edit()->setText(QStringLiteral("0"));
    dialog.accept();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, ToUtf8(Text(TextId::BadFileCount)));
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fileCountField()->edit()->selectedText(), QStringLiteral("0"));

    dialog.fileCountField()->edit()->setText(QStringLiteral("3"));
    dialog.backupIntervalField()->edit()->setText(QStringLiteral("0"));
    dialog.accept();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, ToUtf8(Text(TextId::BadBackupInterval)));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.options().fileCount, 7);  // nothing stored until both are valid
}

TEST_F(OptionsDialogTest, UntickedListLeavesTheCountAlone) {
    OptionsDialog dialog(options, ui, false, nullptr);
    dialog.box(Option::RecentFile)->setChecked(false);
    dialog.box(Option::BackupFile)->setChecked(false);
    dialog.fileCountField()->edit()->setText(QStringLiteral("0"));
    dialog.backupIntervalField()->edit()->setText(QString());
    dialog.languageList()->setCurrentIndex(8);
    dialog.accept();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.options()[Option::RecentFile]);
    EXPECT_EQ(dialog.options().fileCount, 7);
    EXPECT_EQ(dialog.options().backupInterval, 10);
    EXPECT_EQ(dialog.options().mapLanguage, 8);
}

TEST_F(OptionsDialogTest, DependantsFollowTheirBoxes) {
    OptionsDialog dialog(options, ui, false, nullptr);
    EXPECT_FALSE(dialog.box(Option::ShadeTable)->isEnabled());
    const struct {
        Option box;
        std::vector<QWidget*> dependants;
    } cases[] = {
        {Option::ShowToolbar, {dialog.box(Option::LargeToolbar), dialog.box(Option::WrapToolbar)}},
        {Option::ShowDistance, {dialog.box(Option::AutoBP)}},
        {Option::RecentFile, {dialog.fileCountField(), dialog.box(Option::OpenLast)}},
        {Option::BackupFile, {dialog.backupIntervalField()}},
    };
    for (const auto& c : cases) {
        for (QWidget* dependant : c.dependants) EXPECT_TRUE(dependant->isEnabled());
        dialog.box(c.box)->setChecked(false);
        for (QWidget* dependant : c.dependants) EXPECT_FALSE(dependant->isEnabled());
        dialog.box(c.box)->setChecked(true);
        for (QWidget* dependant : c.dependants) EXPECT_TRUE(dependant->isEnabled());
    }
}

TEST_F(OptionsDialogTest, UpDownStepsWithinItsRange) {
    OptionsDialog dialog(options, ui, false, nullptr);
    NumberField* count = dialog.fileCountField();
    count->setValue(9);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(count->edit(), &up);
    EXPECT_EQ(count->value(), 9);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(count->edit(), &down);
    EXPECT_EQ(count->value(), 8);
}

TEST(DialogEffects, FadeOffMeansNoTranslucency) {
    QWidget window;
    window.setWindowOpacity(0.5);
    FadeIn(window, DialogAlpha, false);
    EXPECT_EQ(window.windowOpacity(), 1.0);
    test::ScriptedUi ui;
    OptionsDialog dialog(Options{}, ui, false, nullptr);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowOpacity(), 1.0);
    dialog.reject();
}

TEST(DialogEffects, FadeInStopsAtItsTarget) {
    QWidget window;
    FadeIn(window, DialogAlpha, true);
    EXPECT_TRUE(window.isVisible());
    EXPECT_NEAR(window.windowOpacity(), DialogAlpha / 255.0, 0.01);
    FadeOut(window, true);
    EXPECT_NEAR(window.windowOpacity(), 0.0, 0.01);
}

TEST(DialogEffects, PlacementKeepsSevenPixelsInsideTheWorkArea) {
    const QRect area(0, 0, 1024, 768);
    const struct {
        QRect owner;
        QPoint expected;
    } cases[] = {
        {QRect(100, 100, 400, 300), QPoint(200, 200)},   // centred over the owner
        {QRect(900, 650, 400, 300), QPoint(817, 661)},   // near the bottom-right corner
        {QRect(-300, -200, 200, 100), QPoint(7, 7)},     // past the top-left corner
        {QRect(), QPoint(412, 334)},                      // no owner: over the work area
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacedDialogRect(QRect(0, 0, 200, 100), c.owner, area).topLeft(), c.expected) << c.owner.x();
}

TEST(DialogEffects, DialogGetsItsCommandIcon) {
    AboutBox box(false, nullptr);
    box.show();
    QApplication::processEvents();
    EXPECT_FALSE(box.windowIcon().isNull());
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Acerca de Wayloom"));
    box.reject();
}

}  // namespace
}  // namespace wayloom
