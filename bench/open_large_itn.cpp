// Opens a 100,000-entry ITN file in the window (offscreen) as the Open command does, then scrolls
// to the last row, and prints how long each step took until the table was painted.
//   open_large_itn [ENTRIES]
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/command_ids.h"
#include "app/file_commands.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/work_table_view.h"

namespace {

// The Open dialog answers with the bench's file at once.
class FixedFileDialog final : public wayloom::FileDialogPort {
public:
    explicit FixedFileDialog(std::u16string path) : path_(std::move(path)) {}
    std::optional<wayloom::FileDialogAnswer> askFilePath(const wayloom::FileDialogRequest&) override {
        return wayloom::FileDialogAnswer{path_, 1};
    }

private:
    std::u16string path_;
};

std::string WriteItn(int entries) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "wayloom-bench-100k.itn";
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < entries; ++i) {
        const int lng = -900000 + (i * 37) % 1800000;
        const int lat = 3600000 + (i * 53) % 800000;
        out << lng << '|' << lat << "|Punto de ruta " << i << '|' << (i % 4) << "\r\n";
    }
    return path.string();
}

// Paints the table now, as the screen would show it.
void Paint(wayloom::MainWindow& window) {
    QCoreApplication::processEvents();
    window.tableView().viewport()->repaint();
}

}  // namespace

int main(int argc, char** argv) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string path = WriteItn(entries);

    wayloom::Session session;
    FixedFileDialog dialog(wayloom::FromUtf8(path));
    wayloom::MainWindowPorts ports;
    ports.fileDialogs = &dialog;  // the rest is the window's own: status bar progress, message pump
    wayloom::MainWindow window(session, nullptr, ports, {});
    window.resize(1024, 768);
    window.show();
    Paint(window);

    QElapsedTimer timer;
    timer.start();
    window.runCommand(wayloom::ToInt(wayloom::CommandId::Open));
    const qint64 read = timer.elapsed();
    Paint(window);
    const qint64 shown = timer.elapsed();

    timer.restart();
    window.tableView().scrollToBottom();
    Paint(window);
    const qint64 scrolled = timer.elapsed();
    const int lastVisible = window.tableView().rowAt(window.tableView().viewport()->height() - 1);

    std::printf("entries:                 %d (rows in the table: %d)\n", entries, session.table.rowCount());
    std::printf("open command returned:   %lld ms\n", static_cast<long long>(read));
    std::printf("command to table shown:  %lld ms\n", static_cast<long long>(shown));
    std::printf("scroll to the end shown: %lld ms (last visible row %d)\n", static_cast<long long>(scrolled),
                lastVisible);
    std::filesystem::remove(path);
    return session.table.rowCount() == entries ? 0 : 1;
}
