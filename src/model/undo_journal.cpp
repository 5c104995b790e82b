#include "model/undo_journal.h"

#include <algorithm>

namespace wayloom {

namespace {

int BaseFlag(int row, const RecordContext& context) {
    if (row != context.baseRow) return BaseFlagNone;
    return context.baseRowInserted ? BaseFlagAutomaticBase : BaseFlagBaseRow;
}

}  // namespace

UndoRecord* UndoJournal::AddRecord(int row, RecordKind kind, RecordContext context) {
    if (state == Replaying) return nullptr;
    if (state == NewStep) {
        ++current_;
        // A new step discards the redo history.
        for (int i = current_; i < StepCount && !steps_[i].empty(); ++i) std::vector<UndoRecord>().swap(steps_[i]);
        if (current_ == StepCount) {
            std::vector<UndoRecord>().swap(steps_[0]);
            std::rotate(steps_.begin(), steps_.begin() + 1, steps_.end());
            current_ = StepCount - 1;
        }
        state = Recording;
        if (pending_) {
            steps_[current_].push_back(std::move(*pending_));
            pending_.reset();
            return nullptr;
        }
    }
    UndoRecord record;
    record.kind = kind;
    record.row = row;
    record.modifiedBefore = context.modified;
    switch (kind) {
    case RecordKind::TextChange:
        record.detail = BaseFlag(row, context);
        break;
    case RecordKind::Insert:
        record.detail = (row == 0 && context.baseRowInserted) ? BaseFlagAutomaticBase : 0;
        break;
    case RecordKind::Delete:
        record.detail = BaseFlag(row, context);
        if (row == context.baseRow)
            context.baseRow = -1;
        else if (row < context.baseRow)
            --context.baseRow;
        break;
    default:
        break;
    }
    if (state == Deferring) {
        pending_ = std::move(record);
        return &*pending_;
    }
    return &steps_[current_].emplace_back(std::move(record));
}

const UndoRecord* UndoJournal::newestRecord() const {
    if (current_ < 0 || steps_[current_].empty()) return nullptr;
    return &steps_[current_].back();
}

void UndoJournal::Reset() {
    for (auto& step : steps_) std::vector<UndoRecord>().swap(step);
    pending_.reset();
    current_ = -1;
}

}  // namespace wayloom
