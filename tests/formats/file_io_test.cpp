#include "formats/file_io.h"
#include "formats/format_dispatch.h"

#include <gtest/gtest.h>

#include "format_test_support.h"

namespace wayloom {
namespace {

using test::AddRow;
using test::ScriptedUi;

struct DuplicateCase {
    const char* title;
    std::vector<DuplicateAnswer> answers;
    int questions;
    std::vector<std::string> names;
    int dropped;
};

// Reads Casa, Casa, Casa, Otra, Otra with "Check Name" on, answering the dialog from the script.
TEST(DuplicateNameCheck, FollowsTheDialogsAnswers) {
    using A = DuplicateAnswer;
    const DuplicateCase cases[] = {
        {"drop all", {A::DropAll}, 1, {"Casa", "Otra"}, 3},
        {"drop each", {A::Drop, A::Drop, A::Drop}, 3, {"Casa", "Otra"}, 3},
        {"keep, then keep all", {A::Keep, A::KeepAll}, 2, {"Casa", "Casa", "Casa", "Otra", "Otra"}, 0},
        {"keep, drop, keep", {A::Keep, A::Drop, A::Keep}, 3, {"Casa", "Casa", "Otra", "Otra"}, 1},
        {"closing the dialog keeps all", {}, 1, {"Casa", "Casa", "Casa", "Otra", "Otra"}, 0},
        {"drop all after a keep", {A::Keep, A::DropAll}, 2, {"Casa", "Casa", "Otra"}, 2},
    };
    for (const DuplicateCase& c : cases) {
        Session session;
        session.options.set(Option::CheckName, true);
        ScriptedUi ui;
        ui.duplicateAnswers.assign(c.answers.begin(), c.answers.end());
        ProgressReporter progress;
        ReadContext context(session, ui, progress);
        const GuardedBytes bytes("1|1|Casa|2\r\n1|1|Casa|2\r\n1|1|Casa|2\r\n1|1|Otra|2\r\n1|1|Otra|2\r\n", FileKind::Itn);
        ASSERT_EQ(ReadByKind(context, bytes.data()), std::nullopt);
        std::vector<std::string> names;
        for (int row = 0; row < session.table.rowCount(); ++row) names.push_back(ToUtf8(session.table.text(row, 0)));
        EXPECT_EQ(names, c.names) << c.title;
        EXPECT_EQ(static_cast<int>(ui.duplicateQuestions.size()), c.questions) << c.title;
        EXPECT_EQ(context.duplicatesDropped, c.dropped) << c.title;
    }
}

TEST(DuplicateNameCheck, ComparesWithRowsAlreadyInTheTableCaseIncluded) {
    Session session;
    session.options.set(Option::CheckName, true);
    AddRow(session, u"Casa", u"1.00000", u"1.00000");
    ScriptedUi ui;
    ui.duplicateAnswers = {DuplicateAnswer::Drop};
    ASSERT_EQ(test::ReadInto(session, FileKind::Itn, "1|1|casa|2\r\n1|1| Casa |2\r\n", true, &ui), std::nullopt);
    EXPECT_EQ(ui.duplicateQuestions, std::vector<std::string>{"Casa"});
    EXPECT_EQ(session.table.rowCount(), 2);
}

TEST(DuplicateNameCheck, NotAskedWithTheOptionOff) {
    Session session;
    ScriptedUi ui;
    ASSERT_EQ(test::ReadInto(session, FileKind::Csv, "1,1,A\n1,1,A\n", false, &ui), std::nullopt);
    EXPECT_TRUE(ui.duplicateQuestions.empty());
    EXPECT_EQ(session.table.rowCount(), 2);
}

TEST(ReadContext, MakesRoomOnceForTheRowsTheWholeInputWillLikelyGive) {
    Session session;
    UiPort ui;
    ProgressReporter progress;
    ReadContext context(session, ui, progress);
    for (int i = 0; i < 100; ++i) AppendEntry(context, u"A", MarkWaypoint);
    context.Advance(1600, 99);  // less than a sixteenth read: too early to tell
    const std::size_t grown = session.table.memoryBytes();
    context.Advance(1600, 100);  // 100 rows from a sixteenth: room for 1600, and an eighth more
    const std::size_t reserved = session.table.memoryBytes();
    EXPECT_GT(reserved, grown);
    for (int i = 100; i < 1800; ++i) AppendEntry(context, u"A", MarkWaypoint);
    context.Advance(1600, 1600);
    EXPECT_EQ(session.table.memoryBytes(), reserved);
    EXPECT_EQ(session.table.rowCount(), 1800);
}

TEST(FileIo, ReadGuards) {
    using namespace std::string_view_literals;
    EXPECT_EQ(ReadGuard(FileKind::Itn), "\0\r\n||||\r\n\0"sv);
    EXPECT_EQ(ReadGuard(FileKind::Kml), "\0\0"sv);
    EXPECT_EQ(ReadGuard(FileKind::Gpx), "\0\0"sv);
    EXPECT_EQ(ReadGuard(FileKind::Poi), "\n\0"sv);
    EXPECT_EQ(ReadGuard(FileKind::Txt), "\r\0"sv);
    EXPECT_EQ(ReadGuard(FileKind::Gpi), ""sv);
    EXPECT_EQ(ReadGuard(FileKind::Favorites), ""sv);
    const GuardedBytes bytes("ab", FileKind::Txt);
    EXPECT_EQ(bytes.data(), "ab");
    EXPECT_EQ(bytes.data().data()[2], '\r');
}

// A disk that refuses every write.
class FullDisk final : public ByteSink {
public:
    bool write(std::string_view) override { return false; }
};

TEST(Writers, AFailedWriteGivesTheDiskMessage) {
    Session session;
    AddRow(session, u"A", u"2.00000", u"2.00000");
    const struct {
        FileKind kind;
        const char16_t* fileName;
    } cases[] = {{FileKind::Gpx, u"ruta.gpx"}, {FileKind::Kml, u"ruta.kml"}};
    for (const auto& c : cases) {
        FullDisk sink;
        ProgressReporter progress;
        WriteContext context(session, sink, progress);
        context.fileName = c.fileName;
        context.rows = RowsToWrite(session, false);
        EXPECT_EQ(WriteByKind(context, c.kind), (FileMessage{TextId::DiskWriteDenied, c.fileName}))
            << static_cast<int>(c.kind);
    }
}

}  // namespace
}  // namespace wayloom
