#include "ui/application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/session.h"
#include "app/settings_io.h"
#include "app/settings_profile.h"
#include "app/startup_values.h"
#include "app/string_table.h"
#include "ui/batch_runner.h"
#include "ui/command_bars.h"
#include "ui/dialog_effects.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace wayloom {

namespace {

constexpr char16_t Company[] = u"Wayloom developers";

constexpr char UsageText[] =
    "usage: wayloom [PATH]\n"
    "       wayloom --batch SCRIPT [--profile INI]\n";

int Usage() {
    std::cerr << UsageText;
    return 2;
}

// Beside the executable when that folder is writable, else in the user's configuration folder.
std::string ProfilePath() {
    const QString executable = QCoreApplication::applicationFilePath();
    const bool writable = QFileInfo(QFileInfo(executable).absolutePath()).isWritable();
    const std::string path = ChooseProfilePath(executable.toStdString(), writable, std::getenv("XDG_CONFIG_HOME"),
                                               std::getenv("HOME"));
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    return path;
}

int RunBatchMode(int argc, char** argv) {
    std::string script;
    std::string profilePath;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--profile" && i + 1 < argc) profilePath = argv[++i];
        else if (script.empty() && arg.rfind("--", 0) != 0) script = arg;
        else return Usage();
    }
    if (script.empty()) return Usage();
    // No display is needed: the window is built but never shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::unique_ptr<SettingsProfile> profile;
    if (!profilePath.empty()) profile = std::make_unique<SettingsProfile>(profilePath);
    return RunBatch(script, profile.get(), std::cout);
}

// Without a display no window can be made; Qt would abort with its own words, so say ours.
bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int RunWindow(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::cerr << ToUtf8(Text(TextId::StartupFailWindows)) << '\n';
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(ToQString(Text(TextId::ProductName)));
    QApplication::setApplicationVersion(QStringLiteral(WAYLOOM_VERSION));

    SettingsProfile profile(ProfilePath());
    WriteProfileSection(profile, FromUtf8(WAYLOOM_VERSION), Company, Text(TextId::CreditWrittenBy),
                        Text(TextId::CreditTranslatedBy));

    // The command line as one text: the arguments joined by blanks, quotes as the shell left them.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const std::u16string startupPath = StartupPathFromCommandLine(ToU16(arguments.join(QLatin1Char(' '))));

    const QRect area = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                         : QRect(0, 0, 1024, 768);
    const WindowPlacement placement = RestorePlacement(
        ReadStoredPlacement(profile), {area.left(), area.top(), area.right() + 1, area.bottom() + 1}, ShowNormal);

    Session session;
    MainWindow window(session, &profile, {}, startupPath);
    new CommandBars(window, &profile);  // menus, toolbar, keys, settings dialogs; the window owns it
    window.setGeometry(placement.x, placement.y, placement.width, placement.height);
    FadeIn(window, WindowAlpha, session.options[Option::FadeWindow]);
    window.setWindowOpacity(1.0);
    if (placement.show == ShowMaximized) window.showMaximized();
    else window.show();
    return QApplication::exec();
}

}  // namespace

int RunWayloom(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--batch") return RunBatchMode(argc, argv);
    if (argc > 1 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << UsageText;
        return 0;
    }
    return RunWindow(argc, argv);
}

}  // namespace wayloom
