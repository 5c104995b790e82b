#include "ui/qt_ui_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app/string_table.h"
#include "app/command_ids.h"
#include "ui/dialog_effects.h"
#include "ui/duplicate_name_dialog.h"
#include "ui/message_pump.h"
#include "ui/qt_text.h"
#include "ui/status_bar.h"

namespace wayloom {

MessageAnswer ShowMessageBox(QWidget* parent, const QString& text, MessageIcon icon, MessageButtons buttons,
                             MessageAnswer defaultButton) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(ToQString(Text(TextId::ProductName)));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    struct Choice {
        MessageAnswer answer;
        TextId text;
        QMessageBox::ButtonRole role;
    };
    std::vector<Choice> choices;
    switch (buttons) {
    case MessageButtons::Ok: choices = {{MessageAnswer::Ok, TextId::ButtonOk, QMessageBox::AcceptRole}}; break;
    case MessageButtons::OkCancel:
        choices = {{MessageAnswer::Ok, TextId::ButtonOk, QMessageBox::AcceptRole},
                   {MessageAnswer::Cancel, TextId::ButtonCancel, QMessageBox::RejectRole}};
        break;
    case MessageButtons::YesNoCancel:
        choices = {{MessageAnswer::Yes, TextId::ButtonYes, QMessageBox::YesRole},
                   {MessageAnswer::No, TextId::ButtonNo, QMessageBox::NoRole},
                   {MessageAnswer::Cancel, TextId::ButtonCancel, QMessageBox::RejectRole}};
        break;
    }
    std::vector<std::pair<QAbstractButton*, MessageAnswer>> made;
    for (const Choice& choice : choices) {
        QPushButton* button = box.addButton(ToQString(Text(choice.text)), choice.role);
        made.emplace_back(button, choice.answer);
        if (choice.answer == defaultButton) box.setDefaultButton(button);
    }
    // Escape and the close button answer Cancel where there is one, else OK.
    box.setEscapeButton(made.back().first);
    box.exec();
    for (const auto& [button, answer] : made)
        if (box.clickedButton() == button) return answer;
    return made.back().second;
}

QtUiPort::QtUiPort(Session& session, QWidget& window, StatusBar& status, MessagePump& pump)
    : session_(session), window_(window), status_(status), pump_(pump) {}

MessageAnswer QtUiPort::showMessage(std::u16string_view text, MessageIcon icon, MessageButtons buttons,
                                    MessageAnswer defaultButton) {
    return ShowMessageBox(&window_, ToQString(text), icon, buttons, defaultButton);
}

DuplicateAnswer QtUiPort::askDuplicateName(std::u16string_view name) {
    return AskDuplicateName(ToQString(name), session_.options[Option::FadeWindow], &window_);
}

void QtUiPort::beginProgress() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtUiPort::endProgress() {
    status_.endProgress();
    pump_.reset();
    QApplication::restoreOverrideCursor();
    session_.statusReset = 1;
}

void QtUiPort::showProgress(std::u16string_view text, int percent) {
    if (runTick) runTick();
    status_.showProgress(ToQString(text), percent);
    pump_.pump(false);
}

void QtUiPort::showStatus(std::u16string_view text) { status_.setStatusText(text); }

bool QtUiPort::pumpMessages(bool allowEscape) { return pump_.pump(allowEscape); }

std::optional<FileDialogAnswer> QtFileDialogs::askFilePath(const FileDialogRequest& request) {
    const bool saving =
        request.operation == FileDialogOperation::SaveAs || request.operation == FileDialogOperation::Export;
    QStringList filters;
    QStringList extensions;
    for (const FileFilterEntry& entry : FilterEntries(request.operation)) {
        filters << ToQString(FilterLabel(entry));
        extensions << ToQString(entry.extension);
    }

    static constexpr CommandId commands[] = {CommandId::Open, CommandId::SaveAs, CommandId::Import, CommandId::Export};
    const bool fade = session_.options[Option::FadeWindow];
    WithFadeOut<QFileDialog> dialog(fade, &window_, ToQString(Text(DialogTitle(request.operation))));
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);  // the program's own look, fade and icon
    AttachDialogEffects(dialog, ToInt(commands[static_cast<int>(request.operation)]), fade);
    dialog.setNameFilters(filters);
    // A name typed without extension takes the chosen entry's ("itn" at first).
    dialog.selectNameFilter(filters.value(request.filterEntry - 1));
    dialog.setDefaultSuffix(extensions.value(request.filterEntry - 1, QStringLiteral("itn")));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(extensions.value(filters.indexOf(filter), QStringLiteral("itn")));
    });
    if (!request.initialFolder.empty()) dialog.setDirectory(ToQString(request.initialFolder));
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.selectFile(ToQString(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FileDialogAnswer{ToU16(dialog.selectedFiles().front()),
                            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace wayloom
