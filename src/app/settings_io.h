#pragma once
// Every setting the program keeps in its profile: the keys, their defaults, the corrections of
// out-of-range values, and the moments at which they are written.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/command_table.h"
#include "app/session.h"
#include "app/settings_profile.h"
#include "app/startup_values.h"

namespace wayloom {

// A colour as the profile stores it: red in the lowest byte, then green, then blue.
using Colour = std::uint32_t;
constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
           static_cast<Colour>(blue & 0xFF) << 16;
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>(c >> 16 & 0xFF); }

// The themed look's toolbar background, the one this program draws.
inline constexpr Colour DefaultToolbarColour = Rgb(224, 248, 255);
inline constexpr int CustomColourCount = 16;

// Paths are not cut to the 260 characters of Windows: Linux paths may be far longer.
inline constexpr std::size_t MaxProfilePath = 4095;

// Section "Options" at main window creation: the 21 flags (any non-zero value is 1), "File Count"
// (1..9, else 7), "Backup Interval" (1..99, else 10), "Google Maps Lang" (0..8, clamped),
// "Toolbar Spacing" (0..9, clamped), "Adjacent Distance", and the recent list when "Recent File" is on.
void ReadSettings(const SettingsProfile& profile, Session& session);
// At main window destruction: the flags, "Adjacent Distance", "Google Maps Lang", "Toolbar Spacing";
// "File Count" and the recent list only when "Recent File" is on; "Backup Interval" only when
// "Backup File" is on. Recent keys beyond the list stay: reading stops at the first gap or the count.
void WriteSettings(SettingsProfile& profile, const Session& session);

// "Recent List 1" ... until the first missing or empty key, at most `fileCount` entries.
RecentFiles ReadRecentFiles(const SettingsProfile& profile, int fileCount);

struct ToolbarColours {
    Colour toolbar = DefaultToolbarColour;
    std::array<Colour, CustomColourCount> custom{};  // "Toolbar Bkgnd 0" ... "Toolbar Bkgnd 15"
};
ToolbarColours ReadToolbarColours(const SettingsProfile& profile);
// When the colour dialog closes with OK: the colour only when it changed, the 16 custom colours always.
void WriteToolbarColour(SettingsProfile& profile, Colour colour);
void WriteCustomColours(SettingsProfile& profile, const std::array<Colour, CustomColourCount>& custom);

// "Toolbar Button": nullopt when absent (or empty), meaning the default set.
std::optional<ToolbarButtons> ReadToolbarButtons(const SettingsProfile& profile);
// After every change of the toolbar's buttons.
void WriteToolbarButtons(SettingsProfile& profile, const ToolbarButtons& buttons);
// The customise dialog's reset.
void DeleteToolbarButtons(SettingsProfile& profile);

// Section "Font": the table font, its text colour and the background picture.
struct FontSettings {
    std::u16string name;  // face name, at most 31 characters; empty: the table's own font
    int height = 0;       // negative: character height in pixels
    int weight = 400;
    bool italic = false;
    Colour colour = 0;
    std::u16string picture;  // "Bkgnd"
    bool usePicture = false;  // "Use Bkgnd"
    bool operator==(const FontSettings&) const = default;
};
FontSettings ReadFontSettings(const SettingsProfile& profile);
// At destruction; "Bkgnd" only when the picture path names an existing file.
void WriteFontSettings(SettingsProfile& profile, const FontSettings& font);

// Section "Window".
StoredPlacement ReadStoredPlacement(const SettingsProfile& profile);
// The normal (not maximised) position and the show state (ShowNormal or ShowMaximized).
void WriteWindowPlacement(SettingsProfile& profile, const WindowPlacement& placement);
// "IE Pane", the map pane's width.
int ReadMapPaneWidth(const SettingsProfile& profile, int defaultWidth);
// Not written when 0.
void WriteMapPaneWidth(SettingsProfile& profile, int width);

// Section "Profile", written at every start and never read.
void WriteProfileSection(SettingsProfile& profile, std::u16string_view version, std::u16string_view company,
                         std::u16string_view writtenBy, std::u16string_view translatedBy);

// "Base Points" "Insert List" (1..100, default 1), kept minus one.
int ReadInsertListIndex(const SettingsProfile& profile);

}  // namespace wayloom
