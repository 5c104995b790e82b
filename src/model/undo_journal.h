#pragma once
// The 64-step undo and redo history of the work table. Records are made by the table wrappers;
// replaying them lives in table/undo_replay.h. Each replay swaps what a record holds with what the
// table holds, so one record serves both directions.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "table/cell_text.h"

namespace wayloom {

enum class RecordKind : std::uint8_t {
    TextChange = 2,
    MarkChange = 3,
    Insert = 4,
    Delete = 5,
    MoveUp = 6,
    MoveDown = 7,
    Sort = 8,
    BaseChange = 9,
    DistanceToggle = 10,
};

// Base flag of text-change and delete records.
inline constexpr int BaseFlagNone = 0;
inline constexpr int BaseFlagBaseRow = 1;
inline constexpr int BaseFlagAutomaticBase = 2;

struct SortPair {
    int after;  // the row's position after the sort (a RowId until the sort has run)
    int mark;   // the row's mark before the sort
};

struct UndoRecord {
    RecordKind kind = RecordKind::TextChange;
    int row = 0;             // kind 8: the row count
    int modifiedBefore = 0;  // kinds 9 and 10: the base row after the command
    int detail = 0;          // base flag (2, 4, 5); new mark (3); sort column (8)
    int column = 0;          // kind 2
    int mark = 0;            // old mark (3); the row's mark (4, 5)
    int baseRowBefore = -1;  // kind 4
    bool ascending = true;   // kind 8
    // Kind 2: one text, the one to write back at the next replay. Kinds 4 and 5: name, Lng, Lat
    // (for an insert: empty until the first undo captures them).
    std::unique_ptr<CellText[]> texts;
    std::unique_ptr<std::vector<SortPair>> pairs;  // kind 8
};

// What AddRecord needs to know of the document (and may change: a delete adjusts the base row).
struct RecordContext {
    int modified;
    int& baseRow;
    bool baseRowInserted;
};

class UndoJournal {
public:
    enum State { NewStep = 0, Recording = 1, Deferring = 4, Replaying = 5 };
    static constexpr int StepCount = 64;

    State state = NewStep;

    void BeginStep() { state = NewStep; }
    void DeferInsert() { state = Deferring; }
    void DropPending() { pending_.reset(); }
    bool HasPending() const { return pending_.has_value(); }

    // Returns the new record for the caller to fill, or nullptr while replaying, or when a pending
    // insert became the new step's first record instead.
    UndoRecord* AddRecord(int row, RecordKind kind, RecordContext context);

    bool CanUndo() const { return current_ != -1; }
    bool CanRedo() const { return current_ + 1 < StepCount && !steps_[current_ + 1].empty(); }
    void Reset();

    int current() const { return current_; }
    void setCurrent(int step) { current_ = step; }
    // Records of a step, oldest first.
    std::vector<UndoRecord>& step(int index) { return steps_[index]; }
    // The current step's newest record, or nullptr.
    const UndoRecord* newestRecord() const;

private:
    std::array<std::vector<UndoRecord>, StepCount> steps_;
    std::optional<UndoRecord> pending_;
    int current_ = -1;
};

}  // namespace wayloom
