#pragma once
// The Qt side of what commands ask of the user: message boxes, dialog 6000, the file dialogs, and
// progress in the status bar with the message pump.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/file_commands.h"
#include "app/session.h"
#include "app/ui_port.h"

namespace wayloom {

class StatusBar;
class MessagePump;

class QtUiPort final : public UiPort {
public:
    QtUiPort(Session& session, QWidget& window, StatusBar& status, MessagePump& pump);

    // The housekeeping tick, run at once by each progress report.
    std::function<void()> runTick;

    MessageAnswer showMessage(std::u16string_view text, MessageIcon icon, MessageButtons buttons,
                              MessageAnswer defaultButton) override;
    DuplicateAnswer askDuplicateName(std::u16string_view name) override;

    void beginProgress() override;
    void endProgress() override;
    void showProgress(std::u16string_view text, int percent) override;
    void showStatus(std::u16string_view text) override;
    bool pumpMessages(bool allowEscape) override;

private:
    Session& session_;
    QWidget& window_;
    StatusBar& status_;
    MessagePump& pump_;
};

// A message box with the product name as caption and the program's Spanish button texts.
MessageAnswer ShowMessageBox(QWidget* parent, const QString& text, MessageIcon icon, MessageButtons buttons,
                             MessageAnswer defaultButton);

class QtFileDialogs final : public FileDialogPort {
public:
    QtFileDialogs(const Session& session, QWidget& window) : session_(session), window_(window) {}
    std::optional<FileDialogAnswer> askFilePath(const FileDialogRequest& request) override;

private:
    const Session& session_;
    QWidget& window_;
};

}  // namespace wayloom
