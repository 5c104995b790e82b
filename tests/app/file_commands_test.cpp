#include "app/file_commands.h"

#include <gtest/gtest.h>

#include "formats/scripted_ui.h"
#include "table/table_wrappers.h"

namespace wayloom {
namespace {

using test::ScriptedUi;

void AddRows(Session& session, int count) {
    for (int i = 0; i < count; ++i) InsertRow(session, {session.table.rowCount(), u"ITN", u"1.00000", u"2.00000"});
}

TEST(FileFilters, LabelsAndCounts) {
    ASSERT_EQ(OpenFilterEntries().size(), 8u);
    ASSERT_EQ(SaveFilterEntries().size(), 15u);
    EXPECT_EQ(ToUtf8(FilterLabel(OpenFilterEntries()[0])), "Fichero TomTom ITN (*.itn)");
    EXPECT_EQ(ToUtf8(FilterLabel(OpenFilterEntries()[5])), "Fichero Texto, Separado por Coma (*.asc)");
    EXPECT_EQ(ToUtf8(FilterLabel(SaveFilterEntries()[5])), "Fichero Texto, UTF-8 Separado por Coma (*.csv)");
    EXPECT_EQ(ToUtf8(FilterLabel(SaveFilterEntries()[10])), "Fichero Opel Navi, Unicode Separado por Coma (*.poi)");
    EXPECT_EQ(ToUtf8(FilterLabel(SaveFilterEntries()[14])), "Fichero Texto, UTF-8 Separado por Tab (*.txt)");
}

TEST(FileFilters, PreselectedEntryForTheDocumentKind) {
    struct Case {
        FileDialogOperation operation;
        FileKind kind;
        int entry;
    };
    const Case cases[] = {
        {FileDialogOperation::Open, FileKind::Itn, 1},        {FileDialogOperation::Open, FileKind::Gpi, 4},
        {FileDialogOperation::Open, FileKind::CsvUtf8, 5},    {FileDialogOperation::Import, FileKind::AscAnsi, 6},
        {FileDialogOperation::Open, FileKind::TxtUnicode, 8}, {FileDialogOperation::SaveAs, FileKind::Gpi, 1},
        {FileDialogOperation::SaveAs, FileKind::Gpx, 3},      {FileDialogOperation::SaveAs, FileKind::CsvAnsi, 4},
        {FileDialogOperation::Export, FileKind::TxtUtf8, 15}, {FileDialogOperation::Export, FileKind::PoiUnicode, 11},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreselectedFilterEntry(c.operation, c.kind), c.entry) << static_cast<int>(c.kind);
}

TEST(ChooseFile, KindFromTheTypedExtensionAndTheChosenEntry) {
    struct Case {
        FileDialogOperation operation;
        std::u16string_view path;
        int entry;
        std::u16string_view expectedPath;
        FileKind kind;
    };
    const Case cases[] = {
        // Open takes the extension alone; any other extension is tab text.
        {FileDialogOperation::Open, u"/r/ROUTE.TXT", 1, u"/r/ROUTE.TXT", FileKind::Txt},
        {FileDialogOperation::Open, u"/r/ROUTE.DAT", 2, u"/r/ROUTE.DAT", FileKind::Txt},
        {FileDialogOperation::Import, u"/r/a.KML", 1, u"/r/a.KML", FileKind::Kml},
        // Save As: "Fichero Texto, UTF-8 Separado por Coma" (entry 6) with ruta.asc typed: asc in UTF-8.
        {FileDialogOperation::SaveAs, u"/r/ruta.asc", 6, u"/r/ruta.asc", FileKind::AscUtf8},
        {FileDialogOperation::SaveAs, u"/r/ruta.kml", 6, u"/r/ruta.kml", FileKind::Kml},
        {FileDialogOperation::SaveAs, u"/r/ruta.gpi", 1, u"/r/ruta.itn", FileKind::Itn},
        {FileDialogOperation::Export, u"/r/ruta.dat", 14, u"/r/ruta.dat", FileKind::TxtUnicode},
        {FileDialogOperation::Export, u"/r/ruta.poi", 2, u"/r/ruta.poi", FileKind::PoiAnsi},
    };
    for (const Case& c : cases) {
        const FileChoice choice = ChooseFile(c.operation, {std::u16string(c.path), c.entry});
        EXPECT_EQ(choice.path, c.expectedPath) << ToUtf8(c.path);
        EXPECT_EQ(choice.kind, c.kind) << ToUtf8(c.path);
    }
}

TEST(SavePrompt, EmptyTableAsksToDiscard) {
    Session session;
    session.fileTitle = u"Sin titulo";
    ScriptedUi ui;
    bool saved = false;
    ui.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(SavePrompt(session, ui, [&] { saved = true; }));
    ui.messageAnswers = {MessageAnswer::Ok};
    EXPECT_TRUE(SavePrompt(session, ui, [&] { saved = true; }));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Cancelar el archivo ITN actual?\n\nSin titulo");
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);
    EXPECT_FALSE(saved);

    // Only the automatic base entry counts as empty too.
    AddRows(session, 1);
    session.baseRowInserted = true;
    ui.messageAnswers = {MessageAnswer::Ok};
    EXPECT_TRUE(SavePrompt(session, ui, [] {}));
    EXPECT_EQ(ui.messages.back().buttons, MessageButtons::OkCancel);
}

TEST(SavePrompt, YesSavesAndProceedsOnlyWhenTheSaveSucceeded) {
    Session session;
    session.fileTitle = u"ruta";
    session.modified = 1;
    AddRows(session, 2);
    ScriptedUi ui;
    ui.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    EXPECT_FALSE(SavePrompt(session, ui, [] {}));  // the save failed: still modified
    EXPECT_TRUE(SavePrompt(session, ui, [&] { session.modified = 0; }));
    session.modified = 1;
    EXPECT_TRUE(SavePrompt(session, ui, [] { FAIL() << "No must not save"; }));
    EXPECT_FALSE(SavePrompt(session, ui, [] { FAIL() << "Cancel must not save"; }));
    EXPECT_EQ(ui.messages[0].text, "Guarda el archivo actual?\n\nruta");
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
}

TEST(ComposeTitle, UntitledAndModified) {
    Session session;
    ResetToUntitled(session);
    EXPECT_EQ(ToUtf8(ComposeTitle(session)), "Sin titulo - Wayloom");
    session.modified = 1;
    EXPECT_EQ(ToUtf8(ComposeTitle(session)), "Sin titulo* - Wayloom");
}

TEST(AcceptDroppedFiles, OneFileOfAKnownExtension) {
    ScriptedUi ui;
    EXPECT_EQ(AcceptDroppedFiles(ui, {u"/r/ruta.ITN"}), std::u16string(u"/r/ruta.ITN"));
    EXPECT_EQ(AcceptDroppedFiles(ui, {u"/r/ruta.txt"}), std::u16string(u"/r/ruta.txt"));
    EXPECT_TRUE(ui.messages.empty());

    // ROUTE.DAT opens as tab text, but is not accepted when dropped.
    EXPECT_EQ(AcceptDroppedFiles(ui, {u"/r/ROUTE.DAT"}), std::nullopt);
    EXPECT_EQ(AcceptDroppedFiles(ui, {u"/r/sin_extension"}), std::nullopt);
    EXPECT_EQ(AcceptDroppedFiles(ui, {u"/r/a.itn", u"/r/b.itn"}), std::nullopt);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, "La extensión de archivo no es compatible\n\nROUTE.DAT");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[1].text, "La extensión de archivo no es compatible\n\nsin_extension");
    EXPECT_EQ(ui.messages[2].text, "Sólo puede abrir un archivo de ITN");
    EXPECT_EQ(ui.messages[2].icon, MessageIcon::Information);
}

}  // namespace
}  // namespace wayloom
