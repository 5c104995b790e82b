#pragma once
// The command bars and what hangs on them, attached to the main window: the menus and popups, the
// toolbar with its customisation, the accelerator keys, the recent-file items, the options dialog,
// the automatic save, and the appearance commands (table font, background picture, toolbar colour,
// help and about). It reads its settings when it is built and writes them with the window's.
#include <QFont>
#include <QObject>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "app/command_states.h"
#include "app/settings_io.h"

namespace wayloom {

class MainWindow;
class SettingsProfile;
class CommandActions;
class CommandMenus;
class CommandToolbar;
class AcceleratorFilter;
class OptionsDialog;

// The addresses of the Help menu's commands 1058-1061.
QUrl HelpAddress(int command);

class CommandBars final : public QObject {
    Q_OBJECT
public:
    // profile may be null: nothing is read or written.
    CommandBars(MainWindow& window, SettingsProfile* profile);
    ~CommandBars() override;

    CommandActions& actions() const { return *actions_; }
    CommandMenus& menus() const { return *menus_; }
    CommandToolbar& toolbar() const { return *toolbar_; }

    // What the enabling rules ask of other parts of the program; unset ones answer no (the map page
    // has its temporary file from the start, so it answers yes).
    std::function<bool()> searchTextSet;
    std::function<bool()> homeServicePresent;
    std::function<bool()> siblingRunning;
    std::function<bool()> mapPageAvailable;
    std::function<bool()> earthAvailable;
    CommandContext commandContext() const;

    // Opens a web address or a mail link; false when nothing could take it. Tests replace it.
    std::function<bool(const QUrl&)> openUrl;
    // Runs the options dialog; tests replace it to script the user's choices. Returns the dialog's
    // options after OK, nothing after Cancel.
    std::function<std::optional<Options>(const Options& current)> askOptions;

    // The table font as it stands (written at exit), the background picture and its state.
    const FontSettings& fontSettings() const { return font_; }
    // Command 1054's work after OK and by the dialog's apply button: the font and the text colour
    // go to the table, header and editor; the mark images follow the font's height.
    void applyTableFont(const QFont& font, Colour colour);
    // Shows the picture tiled behind the table; false (and no picture) when it cannot be loaded.
    bool setBackgroundPicture(const QString& path);
    void removeBackgroundPicture();

    // The options command's second half: what changed between the two sets of options goes through
    // the same path as its menu command.
    void applyOptions(Options before, const Options& after);

private:
    void readClipboard();
    void readSettings();
    void writeSettings(SettingsProfile& profile);
    void buildToolbar();
    void wireWindow();
    void registerCommands();
    void toggleView(int command);
    void runOptions();
    void runCustomize();
    void recentListChanged();
    void cutRecentList();
    void popupToolbar(const QPoint& globalPos, bool chevron);
    void contextMenuKey();
    bool keyMayRun(int command);
    // Appearance commands.
    void setTableFont(const QFont& font, Colour colour);
    void runTableFont();
    void runBackgroundPicture();
    void runToolbarColour();
    void runHelp(int command);
    void runAbout();

    MainWindow& window_;
    SettingsProfile* profile_;
    CommandActions* actions_;
    CommandMenus* menus_;
    CommandToolbar* toolbar_;
    AcceleratorFilter* accelerators_;
    bool clipboardHasEntries_ = false;
    bool clipboardHasText_ = false;
    FontSettings font_;
    std::array<Colour, CustomColourCount> customColours_{};
};

}  // namespace wayloom
