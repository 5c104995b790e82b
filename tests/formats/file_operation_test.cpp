#include "formats/file_operation.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
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

class FileOperationTest : public testing::Test {
protected:
    bool Run(FileOperation operation, const std::string& name, FileKind kind) {
        return RunFileOperation(session, ui, {operation, folder.file16(name), kind});
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : ui.messages) texts.push_back(message.text);
        return texts;
    }

    TempFolder folder;
    Session session;
    ScriptedUi ui;
};

TEST_F(FileOperationTest, OpenMakesTheFileTheDocument) {
    folder.write("Ruta.itn", "100000|200000|A|2\r\n300000|400000|B|0\r\n");
    session.modified = 1;
    ASSERT_TRUE(Run(FileOperation::Open, "Ruta.itn", FileKind::Itn));
    EXPECT_EQ(Rows(session), (Lines{"A|1.00000|2.00000|2", "B|3.00000|4.00000|0"}));
    EXPECT_EQ(session.filePath, folder.file16("Ruta.itn"));
    EXPECT_EQ(session.fileTitle, u"Ruta");
    EXPECT_EQ(session.fileKind, FileKind::Itn);
    EXPECT_EQ(session.modified, 0);
    EXPECT_EQ(session.titleDirty, 1);
    EXPECT_TRUE(session.table.isSelected(0));
    EXPECT_EQ(session.table.focusedRow(), 0);
    EXPECT_EQ(session.table.text(0, ColumnOrden), u"1");  // order numbers and distances are filled
    EXPECT_FALSE(session.journal.CanUndo());               // loading records nothing
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.progressTexts.back(), "Leyendo datos del archivo...  100%");
}

TEST_F(FileOperationTest, OpenTakesTheDetectedEncodingSoSaveWritesItAgain) {
    folder.write("u.csv", "\xFF\xFE" + std::string("1\0,\0" "2\0,\0" "A\0", 10));
    ASSERT_TRUE(Run(FileOperation::Open, "u.csv", FileKind::Csv));
    EXPECT_EQ(session.fileKind, FileKind::CsvUnicode);
    ASSERT_TRUE(RunFileOperation(session, ui, {FileOperation::Save, session.filePath, session.fileKind}));
    EXPECT_EQ(folder.read("u.csv").substr(0, 4), std::string("\xFF\xFE" "1\0", 4));
}

TEST_F(FileOperationTest, FailedOpenShowsTheMessageAndLeavesAnUnmodifiedDocument) {
    const struct {
        const char* name;
        const char* bytes;  // nullptr: no such file
        std::string message;
    } cases[] = {
        {"missing.itn", nullptr, "No se puede abrir el archivo\n\n"},
        {"bad.itn", "1|1|A|2\r\n1|1", "El contenido del archivo es incorrecto\n\n"},
    };
    for (const auto& c : cases) {
        if (c.bytes) folder.write(c.name, c.bytes);
        session.modified = 1;
        ui.messages.clear();
        EXPECT_FALSE(Run(FileOperation::Open, c.name, FileKind::Itn));
        EXPECT_EQ(session.modified, 0);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, c.message + folder.file(c.name));
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    }
}

TEST_F(FileOperationTest, FailedImportKeepsTheRowsReadAndMarksModified) {
    AddRow(session, u"Old", u"1.00000", u"1.00000");
    session.journal.BeginStep();
    folder.write("part.itn", "200000|200000|New|2\r\n1|1");
    EXPECT_FALSE(Run(FileOperation::Import, "part.itn", FileKind::Itn));
    EXPECT_EQ(Rows(session), (Lines{"Old|1.00000|1.00000|2", "New|2.00000|2.00000|2"}));
    EXPECT_EQ(session.modified, 1);
    EXPECT_EQ(session.table.text(1, ColumnOrden), u"2");
    EXPECT_EQ(MessageTexts(), Lines{"El contenido del archivo es incorrecto\n\n" + folder.file("part.itn")});
}

TEST_F(FileOperationTest, ImportSelectsTheNewRowsAndKeepsTheDocument) {
    AddRow(session, u"Old", u"1.00000", u"1.00000", MarkDestination, true);
    session.filePath = u"/x/doc.itn";
    session.fileKind = FileKind::Itn;
    folder.write("more.txt", "New\t2\t2\t1\r\n");
    ASSERT_TRUE(Run(FileOperation::Import, "more.txt", FileKind::Txt));
    EXPECT_FALSE(session.table.isSelected(0));
    EXPECT_TRUE(session.table.isSelected(1));
    EXPECT_EQ(session.fileKind, FileKind::Itn);
    EXPECT_EQ(session.filePath, u"/x/doc.itn");
    EXPECT_EQ(session.modified, 1);
    EXPECT_EQ(ui.progressTexts.back(), "Importando datos del archivo...  100%");
}

TEST_F(FileOperationTest, DroppedDuplicatesAreCountedAndMakeTheDocumentModified) {
    session.options.set(Option::CheckName, true);
    folder.write("casas.itn", "1|1|Casa|2\r\n2|2|Casa|2\r\n3|3|Casa|2\r\n");
    ui.duplicateAnswers = {DuplicateAnswer::DropAll};
    ASSERT_TRUE(Run(FileOperation::Open, "casas.itn", FileKind::Itn));
    EXPECT_EQ(ui.duplicateQuestions, Lines{"Casa"});
    EXPECT_EQ(session.table.rowCount(), 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Eliminados 2 ITNs duplicados");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(session.modified, 1);
}

TEST_F(FileOperationTest, SaveWritesTheFileAndClearsModified) {
    AddRow(session, u"A", u"1.00000", u"2.00000");
    session.modified = 1;
    ASSERT_TRUE(Run(FileOperation::Save, "out.kml.itn", FileKind::Itn));
    EXPECT_EQ(folder.read("out.kml.itn"), "100000|200000|A|2\r\n");
    EXPECT_EQ(session.modified, 0);
    EXPECT_EQ(session.fileTitle, u"out.kml");
    EXPECT_EQ(folder.names(), Lines{"out.kml.itn"});  // no temporary file left
    EXPECT_EQ(ui.progressTexts.back(), "Escribiendo datos en archivo...  100%");
}

TEST_F(FileOperationTest, ExportWritesTheSelectionAndLeavesTheDocument) {
    AddRow(session, u"A", u"1.00000", u"2.00000");
    AddRow(session, u"B", u"3.00000", u"4.00000", MarkDestination, true);
    session.modified = 1;
    session.filePath = u"/x/doc.itn";
    ASSERT_TRUE(Run(FileOperation::Export, "sel.csv", FileKind::CsvAnsi));
    EXPECT_EQ(folder.read("sel.csv"), "3.00000,4.00000,B,2\r\n");
    EXPECT_EQ(session.modified, 1);
    EXPECT_EQ(session.filePath, u"/x/doc.itn");
}

TEST_F(FileOperationTest, TheDeviceLimitQuestion) {
    for (int i = 0; i < 49; ++i) AddRow(session, u"R", u"1.00000", u"1.00000");
    ui.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(Run(FileOperation::Save, "big.itn", FileKind::Itn));
    EXPECT_FALSE(folder.exists("big.itn"));
    ASSERT_EQ(ui.messages.size(), 1u);  // the question only, no further message
    EXPECT_EQ(ui.messages[0].text,
              "Sólo el primer 48 ITNs puede ser accesible por el dispositivo GPS\n"
              "¿Desea guardar el archivo de todos modos?");
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);

    ui.messageAnswers = {MessageAnswer::Ok};
    EXPECT_TRUE(Run(FileOperation::Save, "big.itn", FileKind::Itn));
    EXPECT_TRUE(folder.exists("big.itn"));
    ui.messages.clear();
    EXPECT_TRUE(Run(FileOperation::Save, "big.gpx", FileKind::Gpx));  // only ITN asks
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileOperationTest, ReadOnlyTargetAsksToRetry) {
    AddRow(session, u"A", u"1.00000", u"2.00000");
    folder.write("ro.itn", "old");
    chmod(folder.file("ro.itn").c_str(), 0444);
    ui.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(Run(FileOperation::Save, "ro.itn", FileKind::Itn));
    EXPECT_EQ(MessageTexts(), Lines{"Archivo de sólo lectura\n\n" + folder.file("ro.itn") +
                                    "\n\nVuelva a intentar guardar el archivo?"});
    EXPECT_EQ(folder.read("ro.itn"), "old");

    ui.messageAnswers = {MessageAnswer::Ok};
    EXPECT_TRUE(Run(FileOperation::Save, "ro.itn", FileKind::Itn));
    EXPECT_EQ(folder.read("ro.itn"), "100000|200000|A|2\r\n");
}

TEST_F(FileOperationTest, FileThatCannotBeCreated) {
    AddRow(session, u"A", u"1.00000", u"2.00000");
    EXPECT_FALSE(Run(FileOperation::Save, "no/such/folder.itn", FileKind::Itn));
    EXPECT_EQ(MessageTexts(), Lines{"No se puede guardar el archivo\n\n" + folder.file("no/such/folder.itn")});
}

// A write that fails half-way (the file size limit stands for a full disk) leaves the old file.
TEST_F(FileOperationTest, FailedWriteLeavesTheOldFileIntact) {
    for (int i = 0; i < 20000; ++i) AddRow(session, u"Entry", u"1.00000", u"2.00000");
    folder.write("keep.txt", "old contents");
    session.modified = 1;
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = Run(FileOperation::Save, "keep.txt", FileKind::TxtAnsi);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_FALSE(ok);
    EXPECT_EQ(MessageTexts(), Lines{"Acceso denegado al disco\nNo se puede guardar el archivo\n\n" + folder.file("keep.txt")});
    EXPECT_EQ(folder.read("keep.txt"), "old contents");
    EXPECT_EQ(folder.names(), Lines{"keep.txt"});
    EXPECT_EQ(session.modified, 1);
}

TEST_F(FileOperationTest, SaveKeepsThePermissionsAndFollowsASymbolicLink) {
    AddRow(session, u"A", u"1.00000", u"2.00000");
    folder.write("real.itn", "old");
    chmod(folder.file("real.itn").c_str(), 0640);
    std::filesystem::create_symlink(folder.file("real.itn"), folder.file("link.itn"));
    ASSERT_TRUE(Run(FileOperation::Save, "link.itn", FileKind::Itn));
    EXPECT_EQ(folder.read("real.itn"), "100000|200000|A|2\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.itn")));
    struct stat info;
    stat(folder.file("real.itn").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(FileOperationTest, AutomaticSaveShowsNoProgress) {
    AddRow(session, u"A", u"1.00000", u"2.00000");
    session.autoSaving = true;
    ASSERT_TRUE(Run(FileOperation::Save, "auto.itn", FileKind::Itn));
    EXPECT_TRUE(ui.progressTexts.empty());
}

TEST_F(FileOperationTest, OpenWithDistancesCallsTheAutomaticBasePointHook) {
    folder.write("r.itn", "100000|200000|A|2\r\n");
    session.baseRowInserted = true;
    bool called = false;
    ASSERT_TRUE(RunFileOperation(session, ui, {FileOperation::Open, folder.file16("r.itn"), FileKind::Itn},
                                 [&](Session& s) {
                                     called = true;
                                     EXPECT_FALSE(s.baseRowInserted);
                                 }));
    EXPECT_TRUE(called);
    EXPECT_EQ(session.baseRow, 0);
}

}  // namespace
}  // namespace wayloom
