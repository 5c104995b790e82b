// The appearance commands of the command bars: table font (1054), background picture (1055), toolbar
// colour (1052), the Help menu's addresses (1058-1061) and the about box (1062).
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

#include "app/command_ids.h"
#include "app/settings_profile.h"
#include "app/string_table.h"
#include "ui/about_box.h"
#include "ui/command_bars.h"
#include "ui/command_toolbar.h"
#include "ui/dialog_effects.h"
#include "ui/main_area.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/status_bar.h"
#include "ui/table_font.h"
#include "ui/table_view_port.h"
#include "ui/work_table_view.h"

namespace wayloom {

namespace {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }
Colour FromQColor(const QColor& colour) { return Rgb(colour.red(), colour.green(), colour.blue()); }

// The colour dialog's apply button takes Alt+A: the add-to-custom-colours button gives up its "&A".
void FreeMnemonicA(QColorDialog& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        QString text = button->text();
        if (text.startsWith(QStringLiteral("&A"))) {
            text.remove(0, 1);
        } else if (text.endsWith(QStringLiteral("(&A)"))) {
            text.chop(4);
            text = text.trimmed();
        } else {
            continue;
        }
        button->setText(text);
    }
}

}  // namespace

QUrl HelpAddress(int command) {
    switch (static_cast<CommandId>(command)) {
    case CommandId::HelpTomTom: return QUrl(QStringLiteral("https://www.tomtom.com/es_es/"));
    case CommandId::HelpForum: return QUrl(QStringLiteral("https://wayloom.example.org/forum.php"));
    case CommandId::HelpProduct: return QUrl(QStringLiteral("https://wayloom.example.org"));
    case CommandId::HelpMail: return QUrl(QStringLiteral("mailto:wayloom@example.org"));
    default: return {};
    }
}

void CommandBars::setTableFont(const QFont& font, Colour colour) {
    WorkTableView& view = window_.tableView();
    window_.applyTableFont(font);
    QPalette palette = view.palette();
    palette.setColor(QPalette::Text, ToQColor(colour));
    view.setPalette(palette);
    view.viewport()->update();
}

void CommandBars::applyTableFont(const QFont& font, Colour colour) {
    Session& session = window_.session();
    window_.statusPanes().setMessage(ToQString(Text(TextId::FontApplying)));
    setTableFont(font, colour);
    StoreFont(font_, font, colour);
    window_.area().layoutChildren(true);
    window_.tableViewPort().fitColumnWidths(AllColumns, false, false);
    session.statusReset = 1;
}

void CommandBars::runTableFont() {
    Session& session = window_.session();
    ModalCommand modal(session, ToInt(CommandId::TableFont));
    TableFontDialog dialog(window_.tableView().font(), font_.colour, session.options[Option::FadeWindow], &window_);
    dialog.apply = [this](const QFont& font, Colour colour) { applyTableFont(font, colour); };
    // Cancel leaves the font as it stands, including one applied with the apply button.
    if (dialog.exec() == QDialog::Accepted) applyTableFont(dialog.currentFont(), dialog.colour());
}

bool CommandBars::setBackgroundPicture(const QString& path) {
    const QPixmap picture(path);
    if (picture.isNull()) {
        removeBackgroundPicture();
        return false;
    }
    WorkTableView& view = window_.tableView();
    QPalette palette = view.palette();
    palette.setBrush(QPalette::Base, QBrush(picture));  // a pixmap brush is tiled
    view.setPalette(palette);
    window_.session().backgroundInUse = true;
    font_.picture = ToU16(path);
    view.viewport()->update();
    return true;
}

void CommandBars::removeBackgroundPicture() {
    WorkTableView& view = window_.tableView();
    QPalette palette = view.palette();
    palette.setBrush(QPalette::Base, QApplication::palette(&view).base());
    view.setPalette(palette);
    window_.session().backgroundInUse = false;
    view.viewport()->update();
}

void CommandBars::runBackgroundPicture() {
    Session& session = window_.session();
    ModalCommand modal(session, ToInt(CommandId::BackgroundPicture));
    if (session.backgroundInUse) {
        removeBackgroundPicture();
        return;
    }
    const bool fade = session.options[Option::FadeWindow];
    WithFadeOut<QFileDialog> dialog(fade, &window_, ToQString(Text(TextId::PictureTitle)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQString(Text(TextId::PictureFilter)) + QStringLiteral(" (*.*)"));
    const QFileInfo current(ToQString(font_.picture));
    if (current.isFile()) dialog.setDirectory(current.absolutePath());
    if (!font_.picture.empty()) dialog.selectFile(current.fileName());
    AttachDialogEffects(dialog, ToInt(CommandId::BackgroundPicture), fade);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString chosen = dialog.selectedFiles().constFirst();
    if (QFileInfo(chosen).isFile()) setBackgroundPicture(chosen);
}

void CommandBars::runToolbarColour() {
    Session& session = window_.session();
    ModalCommand modal(session, ToInt(CommandId::ToolbarColour));
    if (profile_) customColours_ = ReadToolbarColours(*profile_).custom;
    for (int i = 0; i < CustomColourCount; ++i)
        QColorDialog::setCustomColor(i, ToQColor(customColours_[static_cast<std::size_t>(i)]));
    // Compared with the colour at opening, so that a colour applied with "&Aplicar" and then
    // confirmed with OK is written too.
    const Colour before = toolbar_->colour();
    const bool fade = session.options[Option::FadeWindow];
    WithFadeOut<QColorDialog> dialog(fade, ToQColor(before), &window_);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    AttachDialogEffects(dialog, ToInt(CommandId::ToolbarColour), fade);
    FreeMnemonicA(dialog);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* apply = buttons->addButton(ToQString(Text(TextId::ApplyButton)), QDialogButtonBox::ApplyRole);
        connect(apply, &QPushButton::clicked, this,
                [this, &dialog] { toolbar_->setColour(FromQColor(dialog.currentColor())); });
    }
    if (dialog.exec() != QDialog::Accepted) return;
    const Colour chosen = FromQColor(dialog.selectedColor());
    toolbar_->setColour(chosen);
    for (int i = 0; i < CustomColourCount; ++i)
        customColours_[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    if (!profile_) return;
    if (chosen != before) WriteToolbarColour(*profile_, chosen);
    WriteCustomColours(*profile_, customColours_);
}

void CommandBars::runHelp(int command) {
    Session& session = window_.session();
    session.commands.press(command, true);
    const QUrl address = HelpAddress(command);
    const bool opened = openUrl ? openUrl(address) : QDesktopServices::openUrl(address);
    if (!opened && command == ToInt(CommandId::HelpMail))
        window_.ui().showMessage(Text(TextId::MailFailed), MessageIcon::Information, MessageButtons::Ok,
                                 MessageAnswer::Ok);
    session.commands.press(command, false);
}

void CommandBars::runAbout() {
    Session& session = window_.session();
    ModalCommand modal(session, ToInt(CommandId::About));
    AboutBox box(session.options[Option::FadeWindow], &window_);
    box.exec();
}

}  // namespace wayloom
