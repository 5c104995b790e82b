#include "app/settings_io.h"

#include <algorithm>
#include <string>

#include "app/string_table.h"

namespace wayloom {

namespace {

constexpr std::string_view OptionsSection = "Options";
constexpr std::string_view WindowSection = "Window";
constexpr std::string_view FontSection = "Font";

// Flags and one-digit numbers are written as one digit.
void WriteDigit(SettingsProfile& profile, std::string_view section, std::string_view key, int value) {
    profile.writeString(section, key, std::u16string(1, static_cast<char16_t>(u'0' + value)));
}

bool ReadFlag(const SettingsProfile& profile, std::string_view section, std::string_view key, bool defaultValue) {
    return profile.readInt(section, key, defaultValue ? 1 : 0) != 0;
}

int InRangeOr(int value, int low, int high, int fallback) { return value >= low && value <= high ? value : fallback; }

std::string RecentKey(int number) { return "Recent List " + std::to_string(number); }
std::string CustomColourKey(int index) { return "Toolbar Bkgnd " + std::to_string(index); }

Colour ReadColour(const SettingsProfile& profile, std::string_view section, std::string_view key, Colour fallback) {
    // The top byte has no meaning in the stored layout; a hand-edited value keeps its colour bytes.
    return static_cast<Colour>(profile.readInt(section, key, static_cast<int>(fallback))) & 0xFFFFFF;
}

}  // namespace

void ReadSettings(const SettingsProfile& profile, Session& session) {
    Options& options = session.options;
    for (int i = 0; i < OptionCount; ++i)
        options.flags[static_cast<std::size_t>(i)] = ReadFlag(profile, OptionsSection, OptionKeys[i].key,
                                                              OptionKeys[i].defaultValue);
    options.fileCount = InRangeOr(profile.readInt(OptionsSection, "File Count", 7), 1, MaxRecentFiles, 7);
    options.backupInterval = InRangeOr(profile.readInt(OptionsSection, "Backup Interval", 10), 1, 99, 10);
    options.mapLanguage = std::clamp(profile.readInt(OptionsSection, "Google Maps Lang", 0), 0, 8);
    options.toolbarSpacing = std::clamp(profile.readInt(OptionsSection, "Toolbar Spacing", 0), 0, 9);
    session.adjacentDistance = ReadFlag(profile, OptionsSection, "Adjacent Distance", true) ? 1 : 0;
    session.recentFiles.clear();
    if (options[Option::RecentFile]) session.recentFiles = ReadRecentFiles(profile, options.fileCount);
}

RecentFiles ReadRecentFiles(const SettingsProfile& profile, int fileCount) {
    RecentFiles list;
    for (int i = 0; i < fileCount; ++i) {
        std::u16string path = profile.readString(OptionsSection, RecentKey(i + 1), {}, MaxProfilePath);
        if (path.empty()) break;
        list.push_back(std::move(path));
    }
    return list;
}

void WriteSettings(SettingsProfile& profile, const Session& session) {
    const Options& options = session.options;
    for (int i = 0; i < OptionCount; ++i)
        WriteDigit(profile, OptionsSection, OptionKeys[i].key, options.flags[static_cast<std::size_t>(i)] ? 1 : 0);
    WriteDigit(profile, OptionsSection, "Adjacent Distance", session.adjacentDistance ? 1 : 0);
    if (options[Option::RecentFile]) {
        WriteDigit(profile, OptionsSection, "File Count", options.fileCount);
        for (std::size_t i = 0; i < session.recentFiles.size(); ++i)
            profile.writeString(OptionsSection, RecentKey(static_cast<int>(i) + 1), session.recentFiles[i]);
    }
    if (options[Option::BackupFile]) profile.writeInt(OptionsSection, "Backup Interval", options.backupInterval);
    WriteDigit(profile, OptionsSection, "Google Maps Lang", options.mapLanguage);
    WriteDigit(profile, OptionsSection, "Toolbar Spacing", options.toolbarSpacing);
}

ToolbarColours ReadToolbarColours(const SettingsProfile& profile) {
    ToolbarColours colours;
    colours.toolbar = ReadColour(profile, OptionsSection, "Toolbar Bkgnd", DefaultToolbarColour);
    for (int i = 0; i < CustomColourCount; ++i)
        colours.custom[static_cast<std::size_t>(i)] =
            ReadColour(profile, OptionsSection, CustomColourKey(i), DefaultToolbarColour);
    return colours;
}

void WriteToolbarColour(SettingsProfile& profile, Colour colour) {
    profile.writeInt(OptionsSection, "Toolbar Bkgnd", colour);
}

void WriteCustomColours(SettingsProfile& profile, const std::array<Colour, CustomColourCount>& custom) {
    for (int i = 0; i < CustomColourCount; ++i)
        profile.writeInt(OptionsSection, CustomColourKey(i), custom[static_cast<std::size_t>(i)]);
}

std::optional<ToolbarButtons> ReadToolbarButtons(const SettingsProfile& profile) {
    const std::u16string text = profile.readString(OptionsSection, "Toolbar Button", {}, 256);
    if (text.empty()) return std::nullopt;
    return ParseToolbarButtons(text);
}

void WriteToolbarButtons(SettingsProfile& profile, const ToolbarButtons& buttons) {
    profile.writeString(OptionsSection, "Toolbar Button", FormatToolbarButtons(buttons));
}

void DeleteToolbarButtons(SettingsProfile& profile) { profile.deleteKey(OptionsSection, "Toolbar Button"); }

FontSettings ReadFontSettings(const SettingsProfile& profile) {
    FontSettings font;
    font.name = profile.readString(FontSection, "Name", {}, 31);
    if (!font.name.empty()) {
        font.height = profile.readInt(FontSection, "Height", 0);
        font.weight = profile.readInt(FontSection, "Weight", 400);
        font.italic = ReadFlag(profile, FontSection, "Italic", false);
        font.colour = ReadColour(profile, FontSection, "Color", 0);
    }
    font.picture = profile.readString(FontSection, "Bkgnd", {}, MaxProfilePath);
    font.usePicture = ReadFlag(profile, FontSection, "Use Bkgnd", false);
    return font;
}

void WriteFontSettings(SettingsProfile& profile, const FontSettings& font) {
    profile.writeString(FontSection, "Name", font.name);
    profile.writeInt(FontSection, "Height", font.height);
    profile.writeInt(FontSection, "Weight", font.weight);
    WriteDigit(profile, FontSection, "Italic", font.italic ? 1 : 0);
    profile.writeInt(FontSection, "Color", font.colour);
    if (IsExistingFile(font.picture)) profile.writeString(FontSection, "Bkgnd", font.picture);
    WriteDigit(profile, FontSection, "Use Bkgnd", font.usePicture ? 1 : 0);
}

StoredPlacement ReadStoredPlacement(const SettingsProfile& profile) {
    const auto read = [&](std::string_view key) -> std::optional<int> {
        // An empty value reads as absent, as the profile's integer read gives the default for it.
        if (profile.readString(WindowSection, key, {}, 32).empty()) return std::nullopt;
        return profile.readInt(WindowSection, key, 0);
    };
    return {read("Left"), read("Top"), read("Width"), read("Height"), read("Show")};
}

void WriteWindowPlacement(SettingsProfile& profile, const WindowPlacement& placement) {
    profile.writeInt(WindowSection, "Left", placement.x);
    profile.writeInt(WindowSection, "Top", placement.y);
    profile.writeInt(WindowSection, "Width", placement.width);
    profile.writeInt(WindowSection, "Height", placement.height);
    WriteDigit(profile, WindowSection, "Show", std::clamp(placement.show, 0, 9));
}

int ReadMapPaneWidth(const SettingsProfile& profile, int defaultWidth) {
    return profile.readInt(WindowSection, "IE Pane", defaultWidth);
}

void WriteMapPaneWidth(SettingsProfile& profile, int width) {
    if (width != 0) profile.writeInt(WindowSection, "IE Pane", width);
}

void WriteProfileSection(SettingsProfile& profile, std::u16string_view version, std::u16string_view company,
                         std::u16string_view writtenBy, std::u16string_view translatedBy) {
    constexpr std::string_view section = "Profile";
    profile.writeString(section, "Product", Text(TextId::ProductName));
    profile.writeString(section, "Version", version);
    profile.writeString(section, "Company", company);
    profile.writeString(section, "Written by", writtenBy);
    profile.writeString(section, "Translated by", translatedBy);
}

int ReadInsertListIndex(const SettingsProfile& profile) {
    return std::clamp(profile.readInt("Base Points", "Insert List", 1), 1, 100) - 1;
}

}  // namespace wayloom
