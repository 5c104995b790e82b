#pragma once
// Texts of the status bar's panes, computed without widgets.
#include <string>
#include <string_view>

namespace wayloom {

// Longest message-pane text shown, in UTF-16 units after the leading space.
inline constexpr std::size_t StatusTextLimit = 254;

// The message pane's normalisation: a text that is empty or begins with a space passes unchanged;
// any other text gets one leading space, loses a single final full stop ("..." stays) or a final
// ideographic full stop, and is cut to its first 254 characters.
std::u16string NormaliseStatusText(std::u16string_view text);

// "  ITN  row+1 - selected / rows  "; currentRow is -1 when no row is current.
std::u16string InfoPaneText(int currentRow, int selectedCount, int rowCount);

// "  AM 12:05  ": 12-hour clock, "A" before noon and "P" from noon; the separator is a colon, or a
// blank during the first half of each second when the caller asks for the blink.
std::u16string ClockText(int hour24, int minute, bool blankSeparator);

}  // namespace wayloom
