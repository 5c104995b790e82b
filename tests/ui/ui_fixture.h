#pragma once
// A main window over a session, with the user played by a ScriptedUi, for the offscreen tests.
#include <QApplication>
#include <memory>

#include "formats/scripted_ui.h"
#include "table/table_wrappers.h"
#include "ui/main_window.h"

namespace wayloom::test {

class NoFileDialogs final : public FileDialogPort {
public:
    std::optional<FileDialogAnswer> askFilePath(const FileDialogRequest&) override { return std::nullopt; }
};

class WindowFixture {
public:
    WindowFixture() {
        MainWindowPorts ports;
        ports.ui = &ui;
        ports.fileDialogs = &dialogs;
        window = std::make_unique<MainWindow>(session, nullptr, ports, std::u16string());
        window->resize(800, 600);
    }

    void addRow(std::u16string name, std::u16string lng, std::u16string lat, bool selected = false) {
        RowItem item;
        item.row = session.table.rowCount();
        item.name = std::move(name);
        item.lng = std::move(lng);
        item.lat = std::move(lat);
        item.selected = selected;
        InsertRow(session, item);
    }

    Session session;
    ScriptedUi ui;
    NoFileDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

}  // namespace wayloom::test
