#include "formats/folder_conversion.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "format_test_support.h"
#include "temp_folder.h"

namespace wayloom {
namespace {

using test::AddRow;
using test::Rows;
using test::ScriptedUi;
using test::TempFolder;
using Lines = std::vector<std::string>;

constexpr int CsvUtf8Target = 4;

class FolderConversionTest : public testing::Test {
protected:
    void SetUp() override {
        folder.write("a.csv", "4.89355,52.37187,Amsterdam,2\r\n");
        folder.write("b.gpx",
                     "<?xml version=\"1.0\"?><gpx version=\"1.1\"><wpt lat=\"40.4168\" lon=\"-3.7038\">"
                     "<name>Madrid</name></wpt></gpx>");
        folder.write("c.itn", "100000|200000|C|2\r\n");
        folder.write("d.doc", "not an itinerary");
    }
    FolderConversionResult Convert(bool toItn, int target = DefaultConversionTarget) {
        return ConvertFolder(session, ui, {FromUtf8(folder.path().string()), toItn, target});
    }
    std::string LastMessage() const { return ui.messages.empty() ? "" : ui.messages.back().text; }

    TempFolder folder;
    Session session;
    ScriptedUi ui;
};

TEST_F(FolderConversionTest, ToItnConvertsEverySourceKind) {
    const FolderConversionResult result = Convert(true);
    EXPECT_EQ(result.converted, 2);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(folder.names(), (Lines{"a.csv", "a.itn", "b.gpx", "b.itn", "c.itn", "d.doc"}));
    EXPECT_EQ(folder.read("a.itn"), "489355|5237187|Amsterdam|2\r\n");
    EXPECT_EQ(folder.read("b.itn"), "-370380|4041680|Madrid|0\r\n");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(LastMessage(), "Convertidos 2 ficheros");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.statusTexts.front(), "Convertir ficheros...");
    EXPECT_EQ(ui.statusTexts[1], "Convertidos 0 ficheros, convertir: a.csv, presione Esc para detener...");
}

TEST_F(FolderConversionTest, FromItnWritesTheChosenTarget) {
    EXPECT_EQ(Convert(false, CsvUtf8Target).converted, 1);
    EXPECT_EQ(folder.read("c.csv"), "\xEF\xBB\xBF" "1.00000,2.00000,C,2\r\n");
    EXPECT_FALSE(folder.exists("a.itn"));
    EXPECT_EQ(LastMessage(), "Convertidos 1 ficheros");
}

TEST_F(FolderConversionTest, ExistingOutputsAskTheSameFileQuestion) {
    folder.write("a.itn", "old a");
    folder.write("b.itn", "old b");
    const struct {
        const char* title;
        std::vector<SameFileAnswer> answers;
        int questions;
        int converted;
        bool aOverwritten, bOverwritten;
    } cases[] = {
        {"yes to all", {SameFileAnswer::YesToAll}, 1, 2, true, true},
        {"no, then yes", {SameFileAnswer::No, SameFileAnswer::Yes}, 2, 1, false, true},
        {"no to all", {SameFileAnswer::NoToAll}, 1, 0, false, false},
        {"cancel at the first", {SameFileAnswer::Cancel}, 1, 0, false, false},
        {"yes, then cancel", {SameFileAnswer::Yes, SameFileAnswer::Cancel}, 2, 1, true, false},
    };
    for (const auto& c : cases) {
        folder.write("a.itn", "old a");
        folder.write("b.itn", "old b");
        ui = ScriptedUi();
        ui.sameFileAnswers.assign(c.answers.begin(), c.answers.end());
        const FolderConversionResult result = Convert(true);
        EXPECT_EQ(static_cast<int>(ui.sameFileQuestions.size()), c.questions) << c.title;
        EXPECT_EQ(result.converted, c.converted) << c.title;
        EXPECT_EQ(result.cancelled, c.answers.back() == SameFileAnswer::Cancel) << c.title;
        EXPECT_EQ(folder.read("a.itn") != "old a", c.aOverwritten) << c.title;
        EXPECT_EQ(folder.read("b.itn") != "old b", c.bOverwritten) << c.title;
        EXPECT_EQ(LastMessage(), "Convertidos " + std::to_string(c.converted) + " ficheros") << c.title;
    }
    EXPECT_EQ(ui.sameFileQuestions.front(), "a.itn");
}

TEST_F(FolderConversionTest, ReadOnlyOutputIsOverwritten) {
    folder.write("c.txt", "old");
    chmod(folder.file("c.txt").c_str(), 0444);
    ui.sameFileAnswers = {SameFileAnswer::Yes};
    EXPECT_EQ(Convert(false, 11).converted, 1);
    EXPECT_EQ(folder.read("c.txt"), "C\t1.00000\t2.00000\t2\r\n");
}

TEST_F(FolderConversionTest, SourceWithoutEntriesIsNeitherWrittenNorCounted) {
    folder.write("e.txt", "; only a comment\r\n");
    EXPECT_EQ(Convert(true).converted, 2);
    EXPECT_FALSE(folder.exists("e.itn"));
}

TEST_F(FolderConversionTest, ARejectedFileStopsTheRunWithItsMessage) {
    folder.write("bb.itn", "100000|200000");  // sorts after b.gpx and before c.itn
    const FolderConversionResult result = Convert(false, 0);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.converted, 0);
    EXPECT_EQ(LastMessage(), "El contenido del archivo es incorrecto\n\nbb.itn");
    EXPECT_EQ(ui.messages.back().icon, MessageIcon::Information);
    EXPECT_FALSE(folder.exists("c.kml"));
}

TEST_F(FolderConversionTest, EscapeStopsWithTheCount) {
    ui.escapeAfterPumps = 1;  // Escape at the second entry, after a.csv
    const FolderConversionResult result = Convert(true);
    EXPECT_EQ(result.converted, 1);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(folder.exists("a.itn"));
    EXPECT_FALSE(folder.exists("b.itn"));
    EXPECT_EQ(LastMessage(), "Convertidos 1 ficheros");
}

TEST_F(FolderConversionTest, MissingFolder) {
    const FolderConversionResult result =
        ConvertFolder(session, ui, {FromUtf8(folder.file("none")), true, DefaultConversionTarget});
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(LastMessage(), "Estructura del disco es incorrecto\nNo se puede finalizar la operación de archivo");
}

TEST_F(FolderConversionTest, TheOpenDocumentIsUntouched) {
    session.options.set(Option::DmsFormat, true);
    session.options.set(Option::CheckName, true);
    AddRow(session, u"Doc", u"1\u00B0 00' 00.00\"", u"2\u00B0 00' 00.00\"");
    session.modified = 1;
    session.fileTitle = u"Doc";
    const Lines before = Rows(session);
    folder.write("dup.csv", "1,1,Same\n2,2,Same\n");
    EXPECT_EQ(Convert(true).converted, 3);
    EXPECT_TRUE(ui.duplicateQuestions.empty());
    EXPECT_EQ(folder.read("dup.itn"), "100000|100000|Same|2\r\n200000|200000|Same|2\r\n");
    EXPECT_EQ(folder.read("a.itn"), "489355|5237187|Amsterdam|2\r\n");
    EXPECT_EQ(Rows(session), before);
    EXPECT_TRUE(session.options[Option::DmsFormat]);
    EXPECT_EQ(session.modified, 1);
    EXPECT_EQ(session.fileTitle, u"Doc");
    EXPECT_FALSE(session.autoSaving);
}

TEST_F(FolderConversionTest, DecimalCoordinatesWithDmsDisplay) {
    session.options.set(Option::DmsFormat, true);
    EXPECT_EQ(Convert(false, 2).converted, 1);
    EXPECT_EQ(folder.read("c.csv"), "1.00000,2.00000,C,2\r\n");
}

}  // namespace
}  // namespace wayloom
