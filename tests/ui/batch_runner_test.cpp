// The batch mode, and through it the file commands as the window runs them.
#include "ui/batch_runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "formats/temp_folder.h"

namespace wayloom {
namespace {

struct Entry {
    std::string name;
    int lng;  // 1e-5 degree
    int lat;
    int mark;
};

std::string Itn(const std::vector<Entry>& entries) {
    std::string bytes;
    for (const Entry& e : entries)
        bytes += std::to_string(e.lng) + "|" + std::to_string(e.lat) + "|" + e.name + "|" + std::to_string(e.mark) + "|\r\n";
    return bytes;
}

const std::vector<Entry> ThreeCities = {
    {"Casa", 412345, 4012345, 2}, {"Madrid", -370000, 4041000, 2}, {"Barcelona", 200000, 4100000, 0}};

class BatchTest : public ::testing::Test {
protected:
    // Runs the script in the test's folder (relative paths are taken from there).
    std::string Run(const std::string& script, int* exitCode = nullptr) {
        folder.write("script.txt", script);
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        std::ostringstream out;
        const int code = RunBatch(folder.file("script.txt"), nullptr, out);
        std::filesystem::current_path(previous);
        if (exitCode) *exitCode = code;
        return out.str();
    }

    test::TempFolder folder;
};

TEST_F(BatchTest, TitleAndStateFollowTheDocument) {
    folder.write("ruta.itn", Itn(ThreeCities));
    int code = -1;
    EXPECT_EQ(Run("# a new document, then a file\n"
                  "\n"
                  "state\n"
                  "open ruta.itn\n"
                  "state\n"
                  "import ruta.itn\n"
                  "state\n",
                  &code),
              "modified=0 title=Sin titulo - Wayloom baseRow=-1 baseRowInserted=0 undo=0 redo=0 rows=0\n"
              "dialog: Abrir\n"
              "modified=0 title=ruta - Wayloom baseRow=0 baseRowInserted=0 undo=0 redo=0 rows=3\n"
              "dialog: Importar\n"
              "modified=1 title=ruta* - Wayloom baseRow=0 baseRowInserted=0 undo=1 redo=0 rows=6\n");
    EXPECT_EQ(code, 0);
}

TEST_F(BatchTest, DumpShowsTheCellsAndTheSelection) {
    folder.write("ruta.itn", Itn(ThreeCities));
    EXPECT_EQ(Run("open ruta.itn\nselect 2,1\ndump\nselect none\ndump\n"),
              "dialog: Abrir\n"
              "0\tCasa\t4.12345\t40.12345\t2\t1\t\t-\n"
              "1\tMadrid\t-3.70000\t40.41000\t2\t2\t665.1  km\t*\n"
              "2\tBarcelona\t2.00000\t41.00000\t0\t3\t485.4  km\t*\n"
              "0\tCasa\t4.12345\t40.12345\t2\t1\t\t-\n"
              "1\tMadrid\t-3.70000\t40.41000\t2\t2\t665.1  km\t-\n"
              "2\tBarcelona\t2.00000\t41.00000\t0\t3\t485.4  km\t-\n");
}

TEST_F(BatchTest, AFailedOpenLeavesAnUntitledDocument) {
    folder.write("ruta.itn", Itn(ThreeCities));
    const std::string missing = folder.file("falta.itn");
    // From a modified document: the save prompt (answered No), the failure, then a new document.
    EXPECT_EQ(Run("import ruta.itn\nanswer 7\nopen falta.itn\nstate\n"),
              "dialog: Importar\n"
              "message: Guarda el archivo actual?\\n\\nSin titulo\n"
              "dialog: Abrir\n"
              "message: No se puede abrir el archivo\\n\\nfalta.itn\n"
              "note: no answer queued, default 1\n"
              "modified=0 title=Sin titulo - Wayloom baseRow=-1 baseRowInserted=0 undo=0 redo=0 rows=0\n");
}

TEST_F(BatchTest, CancelInTheSavePromptKeepsTheDocument) {
    folder.write("ruta.itn", Itn(ThreeCities));
    EXPECT_EQ(Run("import ruta.itn\nanswer 2\nnew\nstate\n"),
              "dialog: Importar\n"
              "message: Guarda el archivo actual?\\n\\nSin titulo\n"
              "modified=1 title=Sin titulo* - Wayloom baseRow=-1 baseRowInserted=0 undo=1 redo=0 rows=3\n");
}

TEST_F(BatchTest, AnyOtherExtensionOpensAsTabText) {
    folder.write("ROUTE.DAT", "Casa\t4.5\t40.25\r\nFaro\t-8.1\t43.75\r\n");
    EXPECT_EQ(Run("open ROUTE.DAT\ndump\nstate\n"),
              "dialog: Abrir\n"
              "0\tCasa\t4.50000\t40.25000\t2\t1\t\t*\n"
              "1\tFaro\t-8.10000\t43.75000\t2\t2\t1111.4  km\t-\n"
              "modified=0 title=ROUTE - Wayloom baseRow=0 baseRowInserted=0 undo=0 redo=0 rows=2\n");
}

TEST_F(BatchTest, GpiTypedInSaveAsWritesItn) {
    folder.write("ruta.itn", Itn(ThreeCities));
    EXPECT_EQ(Run("open ruta.itn\nsave-as copia.gpi\nstate\n"),
              "dialog: Abrir\n"
              "dialog: Guardar Como\n"
              "modified=0 title=copia - Wayloom baseRow=0 baseRowInserted=0 undo=0 redo=0 rows=3\n");
    EXPECT_TRUE(folder.exists("copia.itn"));
    EXPECT_FALSE(folder.exists("copia.gpi"));
    EXPECT_EQ(folder.read("copia.itn"),
              "412345|4012345|Casa|2\r\n-370000|4041000|Madrid|2\r\n200000|4100000|Barcelona|0\r\n");
}

TEST_F(BatchTest, SaveAsAndExportTakeTheEncoding) {
    folder.write("ruta.itn", Itn(ThreeCities));
    Run("open ruta.itn\nsave-as ruta.csv utf8\nselect 1\nexport uno.txt unicode\n");
    const std::string csv = folder.read("ruta.csv");
    EXPECT_NE(csv.find("Madrid"), std::string::npos);
    const std::string txt = folder.read("uno.txt");
    ASSERT_GE(txt.size(), 2u);
    EXPECT_EQ(txt.substr(0, 2), "\xFF\xFE");  // UTF-16 little-endian
    EXPECT_EQ(txt.find("C\0a\0s\0a", 0), std::string::npos);  // only the selected row
}

TEST_F(BatchTest, SaveAfterOpeningAGpiAsksForAName) {
    // GPSBabel writes the GPI file; without it the case cannot be built.
    folder.write("puntos.csv", "Name,Latitude,Longitude\nFaro,43.75,-8.1\nCasa,40.25,4.5\n");
    const std::string command = "gpsbabel -i unicsv -f '" + folder.file("puntos.csv") + "' -o garmin_gpi -F '" +
                                folder.file("puntos.gpi") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 || !folder.exists("puntos.gpi")) GTEST_SKIP() << "gpsbabel cannot write GPI";
    EXPECT_EQ(Run("open puntos.gpi\nstate\nsave\nsave-as puntos.itn\nstate\n"),
              "dialog: Abrir\n"
              "modified=0 title=puntos - Wayloom baseRow=0 baseRowInserted=0 undo=0 redo=0 rows=2\n"
              "dialog: Guardar Como\n"
              "note: no path for this dialog, cancelled\n"
              "dialog: Guardar Como\n"
              "modified=0 title=puntos - Wayloom baseRow=0 baseRowInserted=0 undo=0 redo=0 rows=2\n");
    EXPECT_TRUE(folder.exists("puntos.itn"));
}

TEST_F(BatchTest, DropAllDuplicatesCountsTwo) {
    folder.write("dup.itn", Itn({{"Casa", 100000, 4000000, 2},
                                 {"Casa", 200000, 4000000, 2},
                                 {"Faro", 300000, 4000000, 2},
                                 {"Casa", 400000, 4000000, 2}}));
    EXPECT_EQ(Run("option \"Check Name\" 1\nanswer 5003\nopen dup.itn\nstate\ndump\n"),
              "dialog: Abrir\n"
              "dialog: Duplicados de Nombre ITNs: Casa\n"
              "message: Eliminados 2 ITNs duplicados\n"
              "note: no answer queued, default 1\n"
              "modified=1 title=dup* - Wayloom baseRow=0 baseRowInserted=0 undo=0 redo=0 rows=2\n"
              "0\tCasa\t1.00000\t40.00000\t2\t1\t\t*\n"
              "1\tFaro\t3.00000\t40.00000\t2\t2\t170.5  km\t-\n");
}

TEST_F(BatchTest, FailedLinesAreReportedAndTheRunGoesOn) {
    int code = -1;
    EXPECT_EQ(Run("frobnicate\n"
                  "edit 0 0 Casa\n"
                  "edit-escape 0 1\n"
                  "select 3\n"
                  "select 1-\n"
                  "option \"No Such Option\" 1\n"
                  "save-as x.csv latin9\n"
                  "command uno\n"
                  "open \"unclosed\n"
                  "state\n",
                  &code),
              "error: unknown command: frobnicate\n"
              "error: not available yet\n"
              "error: not available yet\n"
              "error: no row 3\n"
              "error: not a list of rows: 1-\n"
              "error: unknown option: No Such Option\n"
              "error: unknown encoding: latin9 (ansi, unicode or utf8)\n"
              "error: command takes one command number\n"
              "error: a quote is not closed\n"
              "modified=0 title=Sin titulo - Wayloom baseRow=-1 baseRowInserted=0 undo=0 redo=0 rows=0\n");
    EXPECT_EQ(code, 1);
}

TEST_F(BatchTest, AnAnswerThatFitsNoButtonFailsItsLine) {
    folder.write("ruta.itn", Itn(ThreeCities));
    int code = -1;
    EXPECT_EQ(Run("import ruta.itn\nanswer 5003\nnew\nstate\n", &code),
              "dialog: Importar\n"
              "message: Guarda el archivo actual?\\n\\nSin titulo\n"
              "error: answer 5003 is not a button of this box, default 6\n"
              "dialog: Guardar Como\n"
              "note: no path for this dialog, cancelled\n"
              "error: an answer did not fit its box\n"
              "modified=1 title=Sin titulo* - Wayloom baseRow=-1 baseRowInserted=0 undo=1 redo=0 rows=3\n");
    EXPECT_EQ(code, 1);
}

TEST_F(BatchTest, LngFirstThroughTheOptionLine) {
    folder.write("ruta.itn", Itn({{"Casa", 412345, 4012345, 2}}));
    EXPECT_EQ(Run("option \"Lng First\" 1\noption \"Show Distance\" 0\nopen ruta.itn\ndump\n"),
              "dialog: Abrir\n"
              "0\tCasa\t4.12345\t40.12345\t2\t1\t\t*\n");
}

// The executable itself: the command line and the exit codes.
TEST(BatchExecutable, ExitCodes) {
    test::TempFolder folder;
    folder.write("ok.txt", "state\n");
    folder.write("bad.txt", "state\nfrobnicate\n");
    auto exitCode = [&](const std::string& arguments) {
        const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + WAYLOOM_EXE + "' " + arguments +
                                    " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(exitCode("--batch '" + folder.file("ok.txt") + "'"), 0);
    EXPECT_EQ(exitCode("--batch '" + folder.file("bad.txt") + "'"), 1);
    EXPECT_EQ(exitCode("--batch '" + folder.file("missing.txt") + "'"), 1);
    EXPECT_EQ(exitCode("--batch"), 2);
    EXPECT_EQ(exitCode("--batch '" + folder.file("ok.txt") + "' --profile"), 2);
}

TEST(BatchExecutable, ReadsTheProfileButNeverWritesIt) {
    test::TempFolder folder;
    folder.write("p.ini", "[Options]\nLng First=1\nCheck Name=1\n");
    folder.write("dup.itn", Itn({{"Casa", 100000, 4000000, 2}, {"Casa", 200000, 4000000, 2}}));
    folder.write("s.txt", "answer 5002\nopen " + folder.file("dup.itn") + "\nstate\n");
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + WAYLOOM_EXE + "' --batch '" +
                                folder.file("s.txt") + "' --profile '" + folder.file("p.ini") + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_NE(out.find("dialog: Duplicados de Nombre ITNs: Casa\n"), std::string::npos) << out;
    EXPECT_NE(out.find("rows=1\n"), std::string::npos) << out;
    EXPECT_EQ(folder.read("p.ini"), "[Options]\nLng First=1\nCheck Name=1\n");
}

}  // namespace
}  // namespace wayloom

namespace wayloom {
namespace {

TEST_F(BatchTest, CoreCommandsRunFromTheirNumbersAndDialogCommandsFailTheirLine) {
    folder.write("ruta.itn", Itn(ThreeCities));
    int code = -1;
    const std::string out = Run("open ruta.itn\n"
                                "import ruta.itn\n"
                                "command 1009\n"  // undo the import
                                "state\n"
                                "command 1209\n"  // hide the distances
                                "state\n"
                                "command 1009\n"  // and show them again
                                "state\n"
                                "command 1057\n",
                                &code);
    EXPECT_NE(out.find("undo=0 redo=1 rows=3\n"), std::string::npos) << out;
    EXPECT_NE(out.find("baseRow=-1 baseRowInserted=0 undo=1 redo=0 rows=3\n"), std::string::npos) << out;
    EXPECT_NE(out.find("baseRow=0 baseRowInserted=0 undo=0 redo=1 rows=3\n"), std::string::npos) << out;
    EXPECT_NE(out.find("error: command 1057 opens a dialog"), std::string::npos) << out;
    EXPECT_EQ(code, 1);
}

}  // namespace
}  // namespace wayloom
