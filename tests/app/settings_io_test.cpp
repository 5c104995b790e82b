#include "app/settings_io.h"

#include <gtest/gtest.h>

#include "app/string_table.h"
#include "formats/temp_folder.h"

namespace wayloom {
namespace {

using test::TempFolder;

class SettingsIoTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder.path() / "wayloom.ini";
};

TEST_F(SettingsIoTest, MissingProfileGivesDefaults) {
    Session session;
    session.options.set(Option::LngFirst, true);
    ReadSettings(SettingsProfile(file), session);
    const Options defaults;
    EXPECT_EQ(session.options.flags, defaults.flags);
    EXPECT_EQ(session.options.fileCount, 7);
    EXPECT_EQ(session.options.backupInterval, 10);
    EXPECT_EQ(session.options.mapLanguage, 0);
    EXPECT_EQ(session.options.toolbarSpacing, 0);
    EXPECT_EQ(session.adjacentDistance, 1);
    EXPECT_TRUE(session.recentFiles.empty());
}

TEST_F(SettingsIoTest, OutOfRangeNumbersAreCorrected) {
    const struct {
        const char* key;
        int stored;
        int expected;
        int Options::*field;
    } cases[] = {
        {"File Count", 0, 7, &Options::fileCount},          {"File Count", 10, 7, &Options::fileCount},
        {"File Count", 1, 1, &Options::fileCount},          {"File Count", 9, 9, &Options::fileCount},
        {"Backup Interval", 100, 10, &Options::backupInterval}, {"Backup Interval", 0, 10, &Options::backupInterval},
        {"Backup Interval", 99, 99, &Options::backupInterval},  {"Google Maps Lang", -3, 0, &Options::mapLanguage},
        {"Google Maps Lang", 12, 8, &Options::mapLanguage},     {"Google Maps Lang", 4, 4, &Options::mapLanguage},
        {"Toolbar Spacing", -1, 0, &Options::toolbarSpacing},   {"Toolbar Spacing", 12, 9, &Options::toolbarSpacing},
        {"Toolbar Spacing", 7, 7, &Options::toolbarSpacing},
    };
    for (const auto& c : cases) {
        folder.write("wayloom.ini", "[Options]\n" + std::string(c.key) + "=" + std::to_string(c.stored) + "\n");
        Session session;
        ReadSettings(SettingsProfile(file), session);
        EXPECT_EQ(session.options.*c.field, c.expected) << c.key << "=" << c.stored;
    }
}

TEST_F(SettingsIoTest, FlagWrittenAsFiveReadsAsOneAndIsWrittenBackAsOne) {
    folder.write("wayloom.ini", "[Options]\nShow Toolbar=5\nLng First=5\nAdjacent Distance=7\n");
    SettingsProfile profile(file);
    Session session;
    ReadSettings(profile, session);
    EXPECT_TRUE(session.options[Option::LngFirst]);
    EXPECT_EQ(session.adjacentDistance, 1);
    WriteSettings(profile, session);
    const std::string text = folder.read("wayloom.ini");
    EXPECT_NE(text.find("Show Toolbar=1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Lng First=1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Adjacent Distance=1\n"), std::string::npos) << text;
}

TEST_F(SettingsIoTest, WrittenSettingsReadBackTheSame) {
    Session written;
    for (int i = 0; i < OptionCount; ++i) written.options.flags[i] = !OptionKeys[i].defaultValue;
    // Keep the two flags on whose values decide whether the numbers are written.
    written.options.set(Option::RecentFile, true);
    written.options.set(Option::BackupFile, true);
    written.options.fileCount = 3;
    written.options.backupInterval = 45;
    written.options.mapLanguage = 6;
    written.options.toolbarSpacing = 4;
    written.adjacentDistance = 0;
    written.recentFiles = {u"/home/ana/Escritorio/Ruta Sur.itn", u"/media/TOMTOM/itn/b.ITN", u"/tmp/c.gpx"};
    SettingsProfile profile(file);
    WriteSettings(profile, written);

    Session read;
    ReadSettings(SettingsProfile(file), read);
    EXPECT_EQ(read.options.flags, written.options.flags);
    EXPECT_EQ(read.options.fileCount, 3);
    EXPECT_EQ(read.options.backupInterval, 45);
    EXPECT_EQ(read.options.mapLanguage, 6);
    EXPECT_EQ(read.options.toolbarSpacing, 4);
    EXPECT_EQ(read.adjacentDistance, 0);
    EXPECT_EQ(read.recentFiles, written.recentFiles);
}

TEST_F(SettingsIoTest, HandEditedProfileWithTheKeyNames) {
    folder.write("wayloom.ini",
                      "[OPTIONS]\r\n"
                      "Show Menu Bar = 0\r\n"
                      "wrap toolbar=0\r\n"
                      "DMS Format=1\r\n"
                      "Compass Direction=1\r\n"
                      "Metric Unit=0\r\n"
                      "Open Last=1\r\n"
                      "File Count=2\r\n"
                      "Backup Interval=25\r\n"
                      "Google Maps Lang=3\r\n"
                      "Toolbar Bkgnd=255\r\n"
                      "Toolbar Bkgnd 15=65280\r\n"
                      "Toolbar Button=0 51 51 0 3\r\n"
                      "Adjacent Distance=0\r\n"
                      "Recent List 1=/data/one.itn\r\n"
                      "Recent List 2=/data/two.itn\r\n"
                      "Recent List 3=/data/three.itn\r\n"
                      "[Font]\r\n"
                      "Name=DejaVu Sans\r\n"
                      "Height=-16\r\n"
                      "Weight=700\r\n"
                      "Italic=1\r\n"
                      "Color=16711680\r\n"
                      "[Window]\r\n"
                      "Left=-5000\r\n"
                      "Width=100000\r\n"
                      "Show=3\r\n");
    const SettingsProfile profile(file);
    Session session;
    ReadSettings(profile, session);
    EXPECT_FALSE(session.options[Option::ShowMenuBar]);
    EXPECT_TRUE(session.options[Option::ShowToolbar]);
    EXPECT_FALSE(session.options[Option::WrapToolbar]);
    EXPECT_TRUE(session.options[Option::DmsFormat]);
    EXPECT_TRUE(session.options[Option::CompassDirection]);
    EXPECT_FALSE(session.options[Option::MetricUnit]);
    EXPECT_TRUE(session.options[Option::OpenLast]);
    EXPECT_EQ(session.options.fileCount, 2);
    EXPECT_EQ(session.options.backupInterval, 25);
    EXPECT_EQ(session.options.mapLanguage, 3);
    EXPECT_EQ(session.adjacentDistance, 0);
    // Reading stops at File Count.
    EXPECT_EQ(session.recentFiles, (RecentFiles{u"/data/one.itn", u"/data/two.itn"}));

    const ToolbarColours colours = ReadToolbarColours(profile);
    EXPECT_EQ(colours.toolbar, Rgb(255, 0, 0));
    EXPECT_EQ(colours.custom[15], Rgb(0, 255, 0));
    EXPECT_EQ(colours.custom[0], DefaultToolbarColour);
    EXPECT_EQ(ReadToolbarButtons(profile), (ToolbarButtons{0, 51, 51, 3}));

    const FontSettings font = ReadFontSettings(profile);
    EXPECT_EQ(font, (FontSettings{u"DejaVu Sans", -16, 700, true, Rgb(0, 0, 255), u"", false}));

    const StoredPlacement placement = ReadStoredPlacement(profile);
    EXPECT_EQ(placement.left, -5000);
    EXPECT_EQ(placement.width, 100000);
    EXPECT_EQ(placement.show, 3);
    EXPECT_FALSE(placement.top.has_value());
}

TEST_F(SettingsIoTest, NumbersAreWrittenOnlyWithTheirOption) {
    SettingsProfile profile(file);
    folder.write("wayloom.ini",
                      "[Options]\n"
                      "Recent List 1=/old/1.itn\n"
                      "Recent List 2=/old/2.itn\n"
                      "Recent List 3=/old/3.itn\n");
    Session session;
    session.options.set(Option::RecentFile, false);
    session.options.set(Option::BackupFile, false);
    session.options.fileCount = 2;
    session.options.backupInterval = 30;
    WriteSettings(profile, session);
    EXPECT_FALSE(profile.hasKey("Options", "File Count"));
    EXPECT_FALSE(profile.hasKey("Options", "Backup Interval"));
    EXPECT_EQ(profile.readString("Options", "Recent List 1"), u"/old/1.itn");

    session.options.set(Option::RecentFile, true);
    session.options.set(Option::BackupFile, true);
    session.recentFiles = {u"/new/a.itn"};
    WriteSettings(profile, session);
    EXPECT_EQ(profile.readInt("Options", "File Count", 0), 2);
    EXPECT_EQ(profile.readInt("Options", "Backup Interval", 0), 30);
    // Keys beyond the list stay and are never read: reading stops at File Count.
    EXPECT_EQ(profile.readString("Options", "Recent List 3"), u"/old/3.itn");
    Session read;
    ReadSettings(profile, read);
    EXPECT_EQ(read.recentFiles, (RecentFiles{u"/new/a.itn", u"/old/2.itn"}));
}

TEST_F(SettingsIoTest, RecentListStopsAtTheFirstGapAndIsSkippedWhenOff) {
    folder.write("wayloom.ini",
                      "[Options]\n"
                      "Recent List 1=/a.itn\n"
                      "Recent List 2=\n"
                      "Recent List 3=/c.itn\n");
    Session session;
    ReadSettings(SettingsProfile(file), session);
    EXPECT_EQ(session.recentFiles, (RecentFiles{u"/a.itn"}));

    folder.write("wayloom.ini", "[Options]\nRecent File=0\nRecent List 1=/a.itn\n");
    ReadSettings(SettingsProfile(file), session);
    EXPECT_TRUE(session.recentFiles.empty());
}

TEST_F(SettingsIoTest, ToolbarButtonsKeyIsWrittenAndDeleted) {
    SettingsProfile profile(file);
    EXPECT_FALSE(ReadToolbarButtons(profile).has_value());
    WriteToolbarButtons(profile, {0, 51, 3, 50});
    EXPECT_EQ(profile.readString("Options", "Toolbar Button"), u"0 51 3 50");
    EXPECT_EQ(ReadToolbarButtons(profile), (ToolbarButtons{0, 51, 3, 50}));
    DeleteToolbarButtons(profile);
    EXPECT_FALSE(profile.hasKey("Options", "Toolbar Button"));
}

TEST_F(SettingsIoTest, ColoursAndFontRoundTrip) {
    SettingsProfile profile(file);
    std::array<Colour, CustomColourCount> custom{};
    for (int i = 0; i < CustomColourCount; ++i) custom[i] = Rgb(i, 2 * i, 3 * i);
    WriteToolbarColour(profile, Rgb(10, 20, 30));
    WriteCustomColours(profile, custom);
    const ToolbarColours colours = ReadToolbarColours(profile);
    EXPECT_EQ(colours.toolbar, Rgb(10, 20, 30));
    EXPECT_EQ(colours.custom, custom);

    const auto picture = folder.path() / "tapiz.png";
    folder.write("tapiz.png", "png");
    const FontSettings font{u"Noto Serif", -13, 400, false, Rgb(128, 0, 0), FromUtf8(picture.string()), true};
    WriteFontSettings(profile, font);
    EXPECT_EQ(ReadFontSettings(profile), font);
}

TEST_F(SettingsIoTest, PicturePathIsWrittenOnlyWhenTheFileExists) {
    SettingsProfile profile(file);
    folder.write("wayloom.ini", "[Font]\nBkgnd=/kept/earlier.png\n");
    WriteFontSettings(profile, FontSettings{u"Sans", 0, 400, false, 0, u"/no/such/picture.png", true});
    EXPECT_EQ(profile.readString("Font", "Bkgnd"), u"/kept/earlier.png");
    EXPECT_EQ(profile.readInt("Font", "Use Bkgnd", 0), 1);
    // Without a face name the rest of the font is not taken from the profile.
    folder.write("wayloom.ini", "[Font]\nHeight=-20\nColor=255\n");
    EXPECT_EQ(ReadFontSettings(profile), FontSettings{});
}

TEST_F(SettingsIoTest, WindowSectionAndInsertList) {
    SettingsProfile profile(file);
    WriteWindowPlacement(profile, {12, -3, 800, 600, ShowMaximized});
    WriteMapPaneWidth(profile, 0);
    EXPECT_FALSE(profile.hasKey("Window", "IE Pane"));
    WriteMapPaneWidth(profile, 420);
    EXPECT_EQ(ReadMapPaneWidth(profile, 1), 420);
    const StoredPlacement placement = ReadStoredPlacement(profile);
    EXPECT_EQ(placement.left, 12);
    EXPECT_EQ(placement.top, -3);
    EXPECT_EQ(placement.width, 800);
    EXPECT_EQ(placement.height, 600);
    EXPECT_EQ(placement.show, ShowMaximized);

    EXPECT_EQ(ReadInsertListIndex(profile), 0);
    for (const auto& [stored, index] : {std::pair{0, 0}, {250, 99}, {7, 6}}) {
        profile.writeInt("Base Points", "Insert List", stored);
        EXPECT_EQ(ReadInsertListIndex(profile), index) << stored;
    }
}

TEST_F(SettingsIoTest, ProfileSectionIsWrittenAtStart) {
    SettingsProfile profile(file);
    WriteProfileSection(profile, u"0.1.0", u"(c) Wayloom", u"A", u"B");
    EXPECT_EQ(profile.readString("Profile", "Product"), u"Wayloom");
    EXPECT_EQ(profile.readString("Profile", "Version"), u"0.1.0");
    EXPECT_EQ(profile.readString("Profile", "Written by"), u"A");
    EXPECT_EQ(profile.readString("Profile", "Translated by"), u"B");
}

}  // namespace
}  // namespace wayloom
