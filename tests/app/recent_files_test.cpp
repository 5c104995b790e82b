#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/string_table.h"
#include "formats/temp_folder.h"

namespace wayloom {
namespace {

TEST(RecentFilesTest, OrderExamples) {
    RecentFiles list{u"A", u"B", u"C"};
    EXPECT_EQ(AddRecentFile(list, u"D", 3), 3);
    EXPECT_EQ(list, (RecentFiles{u"D", u"A", u"B"}));
    EXPECT_EQ(AddRecentFile(list, u"B", 3), 3);
    EXPECT_EQ(list, (RecentFiles{u"B", u"D", u"A"}));
    EXPECT_EQ(AddRecentFile(list, u"B", 3), 1);
    EXPECT_EQ(list, (RecentFiles{u"B", u"D", u"A"}));
    EXPECT_EQ(AddRecentFile(list, u"D", 3), 2);
    EXPECT_EQ(list, (RecentFiles{u"D", u"B", u"A"}));
}

TEST(RecentFilesTest, GrowsUpToTheCountAndObeysALowerCount) {
    RecentFiles list;
    EXPECT_EQ(AddRecentFile(list, u"/a", 7), 1);
    EXPECT_EQ(AddRecentFile(list, u"/b", 7), 2);
    EXPECT_EQ(list, (RecentFiles{u"/b", u"/a"}));
    RecentFiles seven{u"1", u"2", u"3", u"4", u"5", u"6", u"7"};
    AddRecentFile(seven, u"8", 2);
    EXPECT_EQ(seven, (RecentFiles{u"8", u"1"}));
}

TEST(RecentFilesTest, NamesDifferingInCaseAreTwoFiles) {
    RecentFiles list{u"/x/B", u"/x/D"};
    AddRecentFile(list, u"/x/b", 3);
    EXPECT_EQ(list, (RecentFiles{u"/x/b", u"/x/B", u"/x/D"}));
}

TEST(DisplayPathTest, Examples) {
    const DisplayPathFolders folders{u"/home/ana", u"/home/ana/Escritorio", u"/home/ana/Documentos"};
    const struct {
        std::u16string_view path;
        std::u16string_view shown;
    } cases[] = {
        {u"/home/ana/Escritorio/rutas/sur.itn", u"Escritorio/rutas/sur.itn"},
        {u"/home/ana/Escritorio", u"Escritorio"},
        {u"/home/ana/Documentos/a.itn", u"Mis Documentos/a.itn"},
        {u"/home/ana/viajes/norte.itn", u"viajes/norte.itn"},
        {u"/home/ana/EscritorioViejo/a.itn", u"EscritorioViejo/a.itn"},  // a name must end at a slash
        {u"/home/ana/escritorio/a.itn", u"escritorio/a.itn"},            // folders compare exactly
        {u"/home/ana/", u"/home/ana/"},                                  // nothing after the prefix
        {u"/home/ana", u"/home/ana"},
        {u"/home/anabel/a.itn", u"/home/anabel/a.itn"},
        {u"/media/TOMTOM/itn/a.itn", u"/media/TOMTOM/itn/a.itn"},        // the system drive: in full
    };
    for (const auto& c : cases) EXPECT_EQ(DisplayPath(c.path, folders), c.shown) << ToUtf8(c.path);
}

TEST(DisplayPathTest, FoldersThatAreNotBelowHomeAreNotNamed) {
    const DisplayPathFolders folders{u"/home/ana", u"/home/ana", u"/data/Documents"};
    EXPECT_EQ(DisplayPath(u"/home/ana/a.itn", folders), u"a.itn");
    EXPECT_EQ(DisplayPath(u"/data/Documents/a.itn", folders), u"/data/Documents/a.itn");
    EXPECT_EQ(DisplayPath(u"/x.itn", DisplayPathFolders{}), u"/x.itn");
}

TEST(DisplayPathTest, FoldersFromTheEnvironment) {
    test::TempFolder folder;
    const std::string home = (folder.path() / "home").string();
    const std::string config = (folder.path() / "config").string();
    std::filesystem::create_directories(config);
    folder.write("config/user-dirs.dirs",
                            "# written by xdg-user-dirs-update\n"
                            "XDG_DESKTOP_DIR=\"$HOME/Escritorio\"\n"
                            "XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n");
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const DisplayPathFolders found = DisplayPathFolders::FromEnvironment();
    unsetenv("XDG_CONFIG_HOME");
    const DisplayPathFolders defaults = DisplayPathFolders::FromEnvironment();
    setenv("HOME", oldHome.c_str(), 1);
    if (oldConfig) setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);

    EXPECT_EQ(found.home, FromUtf8(home));
    EXPECT_EQ(found.desktop, FromUtf8(home + "/Escritorio"));
    EXPECT_EQ(found.documents, u"/srv/docs");
    EXPECT_EQ(defaults.desktop, FromUtf8(home + "/Desktop"));
    EXPECT_EQ(defaults.documents, FromUtf8(home + "/Documents"));
}

}  // namespace
}  // namespace wayloom
