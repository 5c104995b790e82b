#include "app/settings_profile.h"

#include <gtest/gtest.h>

#include <climits>

#include "formats/temp_folder.h"

namespace wayloom {
namespace {

using test::TempFolder;

class SettingsProfileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder.path() / "wayloom.ini";
};

TEST_F(SettingsProfileTest, IntegerReadTakesTheLeadingNumber) {
    folder.write("wayloom.ini",
                      "[Options]\n"
                      "Plain=42\n"
                      "Padded =   17   \n"
                      "Signed=-250\n"
                      "Plus=+8\n"
                      "Trailing=12 minutes\n"
                      "Text=abc\n"
                      "Empty=\n"
                      "Quoted=\"5\"\n"
                      "Huge=99999999999999999999\n"
                      "HugeNegative=-99999999999999\n");
    const SettingsProfile profile(file);
    const struct {
        const char* key;
        int expected;
    } cases[] = {
        {"Plain", 42},   {"Padded", 17},       {"Signed", -250}, {"Plus", 8},
        {"Trailing", 12}, {"Text", 0},          {"Empty", 99},    {"Quoted", 5},
        {"Huge", INT_MAX}, {"HugeNegative", INT_MIN}, {"Missing", 99},
    };
    for (const auto& c : cases) EXPECT_EQ(profile.readInt("Options", c.key, 99), c.expected) << c.key;
}

TEST_F(SettingsProfileTest, NamesIgnoreCaseAndKeysHoldBlanks) {
    folder.write("wayloom.ini",
                      "; a comment line\r\n"
                      "[ options ]\r\n"
                      "show menu BAR = 0\r\n"
                      "Recent List 1=  \"/tmp/a b.itn\"  \r\n");
    const SettingsProfile profile(file);
    EXPECT_EQ(profile.readInt("OPTIONS", "Show Menu Bar", 1), 0);
    EXPECT_EQ(profile.readString("Options", "recent list 1"), u"/tmp/a b.itn");
    EXPECT_FALSE(profile.hasKey("Options", "Recent List 2"));
    EXPECT_FALSE(profile.hasKey("Window", "Show Menu Bar"));
}

TEST_F(SettingsProfileTest, ReadStringCutsAtTheGivenLength) {
    folder.write("wayloom.ini", "[Font]\nName=Liberation Sans Narrow Condensed Extra Long\n");
    const SettingsProfile profile(file);
    EXPECT_EQ(profile.readString("Font", "Name", {}, 10), u"Liberation");
    EXPECT_EQ(profile.readString("Font", "Missing", u"fallback"), u"fallback");
}

TEST_F(SettingsProfileTest, WritesAddReplaceAndDeleteKeepingOtherLines) {
    folder.write("wayloom.ini",
                      "; kept\n"
                      "[Options]\n"
                      "Show Toolbar=1\n"
                      "Unknown Key=x\n"
                      "\n"
                      "[Window]\n"
                      "Left=10\n");
    SettingsProfile profile(file);
    profile.writeInt("options", "show toolbar", 0);      // replaced, spelling of the file kept
    profile.writeString("Options", "Toolbar Button", u"0 51 3");  // added at the section's end
    profile.writeInt("Window", "Top", -20);
    profile.writeString("Font", "Name", u"Sans");         // new section at the end
    profile.deleteKey("Options", "Unknown Key");
    profile.deleteKey("Options", "Not There");
    EXPECT_EQ(folder.read("wayloom.ini"),
              "; kept\n"
              "[Options]\n"
              "Show Toolbar=0\n"
              "Toolbar Button=0 51 3\n"
              "\n"
              "[Window]\n"
              "Left=10\n"
              "Top=-20\n"
              "\n"
              "[Font]\n"
              "Name=Sans\n");
}

TEST_F(SettingsProfileTest, ValuesReadBackExactlyAsWritten) {
    SettingsProfile profile(file);
    const std::u16string values[] = {u"/home/ana/Escritorio/ruta ñandú.itn", u" leading blank", u"trailing blank ",
                                     u"\"quoted\"", u"a=b", u""};
    int i = 0;
    for (const auto& value : values) profile.writeString("Options", "Key " + std::to_string(i++), value);
    const SettingsProfile other(file);
    i = 0;
    for (const auto& value : values) EXPECT_EQ(other.readString("Options", "Key " + std::to_string(i++)), value);
    // Written as UTF-8.
    EXPECT_NE(folder.read("wayloom.ini").find("ruta \xC3\xB1" "and\xC3\xBA.itn"), std::string::npos);
}

TEST_F(SettingsProfileTest, ValueWithLineBreakIsNotWritten) {
    SettingsProfile profile(file);
    profile.writeString("Options", "Recent List 1", u"/tmp/a.itn");
    profile.writeString("Options", "Recent List 1", u"/tmp/evil\n[Options]\nShow Menu Bar=0");
    EXPECT_EQ(profile.readString("Options", "Recent List 1"), u"/tmp/a.itn");
    EXPECT_EQ(profile.readInt("Options", "Show Menu Bar", 1), 1);
}

TEST_F(SettingsProfileTest, ReadsUtf16AndWindows1252Files) {
    const std::u16string text = u"[Font]\r\nName=Señal\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char16_t c : text) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    folder.write("wayloom.ini", utf16);
    EXPECT_EQ(SettingsProfile(file).readString("Font", "Name"), u"Señal");

    const auto ansi = folder.path() / "ansi.ini";
    folder.write("ansi.ini", "[Font]\nName=Se\xF1" "al \x80\n");
    EXPECT_EQ(SettingsProfile(ansi).readString("Font", "Name"), u"Señal €");

    const auto bom = folder.path() / "bom.ini";
    folder.write("bom.ini", "\xEF\xBB\xBF[Font]\nName=Se\xC3\xB1" "al\n");
    EXPECT_EQ(SettingsProfile(bom).readString("Font", "Name"), u"Señal");
}

TEST_F(SettingsProfileTest, MissingFileGivesDefaultsAndWriteCreatesFolders) {
    const auto nested = folder.path() / "config" / "wayloom" / "wayloom.ini";
    SettingsProfile profile(nested);
    EXPECT_EQ(profile.readInt("Options", "File Count", 7), 7);
    profile.writeInt("Options", "File Count", 3);
    EXPECT_EQ(SettingsProfile(nested).readInt("Options", "File Count", 7), 3);
}

TEST_F(SettingsProfileTest, SeesWritesOfAnotherInstance) {
    SettingsProfile first(file);
    SettingsProfile second(file);
    first.writeInt("Options", "File Count", 3);
    EXPECT_EQ(second.readInt("Options", "File Count", 7), 3);
    second.writeInt("Options", "Backup Interval", 5);
    first.writeInt("Options", "Google Maps Lang", 2);
    const SettingsProfile third(file);
    EXPECT_EQ(third.readInt("Options", "File Count", 0), 3);
    EXPECT_EQ(third.readInt("Options", "Backup Interval", 0), 5);
    EXPECT_EQ(third.readInt("Options", "Google Maps Lang", 0), 2);
}

TEST_F(SettingsProfileTest, UnwritableLocationIsSilent) {
    SettingsProfile profile(folder.path() / "file-as-folder" / "x.ini");
    folder.write("file-as-folder", "not a folder");
    profile.writeInt("Options", "File Count", 3);
    EXPECT_EQ(profile.readInt("Options", "File Count", 7), 7);
}

}  // namespace
}  // namespace wayloom
