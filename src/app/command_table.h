#pragma once
// CommandTable: the toolbar's 60 entries (51 buttons and 9 separators), which also hold every
// button command's enabled, check-marked and pressed state whether or not its button is currently on
// the toolbar. The toolbar and the menus only mirror these states, so a command removed from the
// toolbar keeps its state.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wayloom {

inline constexpr int CommandTableSize = 60;
inline constexpr int ToolbarImageCount = 51;
// In a toolbar button list, this image index stands for a separator.
inline constexpr int ToolbarSeparator = 51;

enum CommandStateBit : std::uint8_t { StateEnabled = 1, StateChecked = 2, StatePressed = 4 };

struct CommandEntry {
    int image = ToolbarSeparator;  // 0..50, or ToolbarSeparator
    int command = 0;               // 0 for a separator
    std::uint8_t state = StateEnabled;
    bool isSeparator() const { return image == ToolbarSeparator; }
};

class CommandTable {
public:
    CommandTable();

    const std::array<CommandEntry, CommandTableSize>& entries() const { return entries_; }
    // The button with image index 0..50, or null.
    const CommandEntry* entryForImage(int image) const;
    // The toolbar image of a command, or -1 for a command without button.
    int imageOf(int command) const;

    // Commands without a button have no stored state: setting it does nothing, and they read as
    // enabled, not checked and not pressed.
    void enable(int command, bool on) { setBit(command, StateEnabled, on); }
    void check(int command, bool on) { setBit(command, StateChecked, on); }
    void press(int command, bool on) { setBit(command, StatePressed, on); }
    bool isEnabled(int command) const { return bit(command, StateEnabled, true); }
    bool isChecked(int command) const { return bit(command, StateChecked, false); }
    bool isPressed(int command) const { return bit(command, StatePressed, false); }

    // Told of every change of a command's state, so that its button and menu item follow.
    std::function<void(int command)> changed;

private:
    CommandEntry* find(int command);
    const CommandEntry* find(int command) const;
    void setBit(int command, std::uint8_t mask, bool on);
    bool bit(int command, std::uint8_t mask, bool absent) const;

    std::array<CommandEntry, CommandTableSize> entries_;
};

// The toolbar's buttons, in order, as image indexes (ToolbarSeparator for a separator); this is also
// the form of the profile key "Toolbar Button".
using ToolbarButtons = std::vector<int>;

// All 60 entries in table order.
ToolbarButtons DefaultToolbarButtons();
// Space-separated decimal numbers, read as far as they go: numbers outside 0..51 are skipped, a
// button listed twice is added once, every 51 adds a separator.
ToolbarButtons ParseToolbarButtons(std::u16string_view text);
std::u16string FormatToolbarButtons(const ToolbarButtons& buttons);
// True when the list holds at least one button besides separators.
bool HasAnyButton(const ToolbarButtons& buttons);

}  // namespace wayloom
