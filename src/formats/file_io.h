#pragma once
// The context every reader and writer works in; RunFileOperation and folder conversion build it.
//
// A reader is `FileResult ReadX(ReadContext& context, std::string_view data)`. `data` is the whole
// file (data.size() is the file's length) and the kind's read guard (ReadGuard) follows it in memory,
// so data.data()[data.size()] is the guard's first byte. For each entry the reader:
//   1. calls AcceptName(context, name): cleans the name in place and runs the duplicate-name check;
//      false drops the entry (no row, its coordinates ignored);
//   2. calls AppendEntry(context, name, mark, lng, lat), which inserts the row through InsertRow
//      (selected and focused on Import) and returns its index; lng and lat are display texts or
//      empty: FormatCoordinate with context.display(), or, where its rules take a plain number as
//      SetCoordinateCell does, CoordinateCellText (table/coordinate_cells.h);
//   3. reports progress with context.Advance(total, done).
// It returns std::nullopt, or context.Failure(TextId::FileContentWrong) and the like. Files may hold
// a million entries: readers keep their texts in buffers reused from entry to entry.
//
// A writer is `FileResult WriteX(WriteContext& context)`. It writes context.rows (table indexes, in
// order) of context.session.table, taking coordinates with PlainCoordinate, into context.out
// (usually through a BufferedOutput); a false return of out.write is a failed write, answered with
// context.Failure(TextId::DiskWriteDenied). It reports context.progress.Report(rows to write, rows
// done).
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "app/progress_reporter.h"
#include "app/session.h"
#include "app/string_table.h"
#include "app/ui_port.h"
#include "formats/file_kind.h"

namespace wayloom {

// "Nothing or the message to show": a text whose %s (or %d) is the argument, usually a file name.
struct FileMessage {
    TextId text = TextId::FileContentWrong;
    std::u16string argument;
    MessageIcon icon = MessageIcon::Warning;

    std::u16string str() const { return FormatText(text, {argument}); }
    bool operator==(const FileMessage&) const = default;
};
using FileResult = std::optional<FileMessage>;

struct ReadContext {
    ReadContext(Session& s, UiPort& u, ProgressReporter& p)
        : session(s), ui(u), progress(p), firstRow_(s.table.rowCount()) {}

    Session& session;
    UiPort& ui;  // the duplicate-name dialog
    ProgressReporter& progress;
    std::u16string fileName;  // the %s of the reader's messages
    // The kind being read. The delimited-text readers replace 5..8 by the detected encoding's kind.
    FileKind kind = FileKind::Itn;
    bool importing = false;  // Import: new rows are selected and focused, no entry stays visited
    // The duplicate-name dialog's remembered answer and the entries it dropped during this read.
    DuplicateAnswer duplicateAnswer = DuplicateAnswer::Keep;
    int duplicatesDropped = 0;

    CoordinateDisplay display() const { return session.display(); }
    FileMessage Failure(TextId text) const { return {text, fileName}; }
    // Reports progress (done of total input units). Once a sixteenth of the input is read, it also
    // makes room in the table for the rows the whole input will likely give, so that a large file
    // does not make the table grow, and copy its rows, step after step.
    void Advance(std::uint64_t total, std::uint64_t done);

private:
    friend bool DuplicateNameCheck(ReadContext& context, std::u16string_view name);
    friend int AppendEntry(ReadContext& context, std::u16string_view name, ItnMark mark, std::u16string_view lng,
                           std::u16string_view lat);
    // Names in the table, built at the first duplicate check so that the check is not quadratic.
    std::unordered_set<std::u16string> names_;
    bool namesBuilt_ = false;
    RowItem item_;  // AppendEntry's row, reused so that its texts keep their storage
    int firstRow_;  // the row count when the read began
    bool reserved_ = false;
};

// CleanEntryName, then, with the option "Check Name" on, DuplicateNameCheck. False: drop the entry.
bool AcceptName(ReadContext& context, std::u16string& name);
// True when the entry is to be dropped: a row has exactly this name and the dialog (or its remembered
// answer) says drop. Counts drops in duplicatesDropped.
bool DuplicateNameCheck(ReadContext& context, std::u16string_view name);
// Appends a row through InsertRow; returns its index.
int AppendEntry(ReadContext& context, std::u16string_view name, ItnMark mark, std::u16string_view lng = {},
                std::u16string_view lat = {});

// Where a writer's bytes go. write returns false when the bytes could not be written.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool write(std::string_view bytes) = 0;
};

// Collects the bytes in memory (tests, the converter's dump).
class StringSink final : public ByteSink {
public:
    bool write(std::string_view bytes) override {
        bytes_.append(bytes);
        return true;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Collects a writer's bytes and hands them to the sink in large pieces.
class BufferedOutput {
public:
    explicit BufferedOutput(ByteSink& sink) : sink_(sink) {}
    std::string& buffer() { return buffer_; }
    // Passes the buffer on once it is large; false when a write failed.
    bool flushIfFull() { return buffer_.size() < FlushSize || flush(); }
    bool flush();

private:
    static constexpr std::size_t FlushSize = 1 << 20;
    ByteSink& sink_;
    std::string buffer_;
};

struct WriteContext {
    WriteContext(const Session& s, ByteSink& o, ProgressReporter& p) : session(s), out(o), progress(p) {}

    const Session& session;
    ByteSink& out;
    ProgressReporter& progress;
    std::u16string fileName;  // the %s of the writer's messages
    std::vector<int> rows;    // rows to write, in table order (RowsToWrite)

    FileMessage Failure(TextId text) const { return {text, fileName}; }
};

// Save and conversion: every row except row 0 while baseRowInserted is set. Export: the selected rows.
std::vector<int> RowsToWrite(const Session& session, bool exporting);
// A coordinate cell as a plain "%.5f" decimal (ToPlainDecimal); an empty cell gives an empty text.
std::u16string PlainCoordinate(const Session& session, int row, int column);
// The same in `buffer`, whose storage writers reuse from row to row.
std::u16string_view PlainCoordinate(const Session& session, int row, int column, std::u16string& buffer);

// The bytes a reader of the kind expects right after the file's bytes.
std::string_view ReadGuard(FileKind kind);

// A file's bytes followed by its read guard.
class GuardedBytes {
public:
    GuardedBytes() = default;
    GuardedBytes(std::string_view bytes, FileKind kind) : GuardedBytes(bytes.size(), kind) {
        std::copy(bytes.begin(), bytes.end(), bytes_.get());
    }
    // Room for `size` bytes, left for the caller to fill through buffer() (a file being read is not
    // cleared first), and the guard after them. Throws std::bad_alloc.
    GuardedBytes(std::size_t size, FileKind kind) : size_(size) {
        const std::string_view guard = ReadGuard(kind);
        bytes_ = std::make_unique_for_overwrite<char[]>(size + guard.size());
        std::copy(guard.begin(), guard.end(), bytes_.get() + size);
    }
    char* buffer() { return bytes_.get(); }
    std::string_view data() const { return {bytes_.get(), size_}; }

private:
    std::size_t size_ = 0;
    std::unique_ptr<char[]> bytes_;
};

}  // namespace wayloom
