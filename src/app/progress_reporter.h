#pragma once
// Progress of a long operation as a percentage and its status text, and the Escape query.
// A default-constructed reporter is silent and never cancels (tests, automatic save, conversion).
#include <cstdint>

#include "app/string_table.h"
#include "app/ui_port.h"
#include "formats/file_kind.h"

namespace wayloom {

class ProgressReporter {
public:
    ProgressReporter() = default;
    // `text` holds one "%d" for the percentage, e.g. FileProgressText(...).
    ProgressReporter(UiPort& ui, TextId text) : ui_(&ui), text_(text) {}

    // Shows done * 100 / total percent (at most 100) unless total is 0 or the percentage is the one
    // shown last.
    void Report(std::uint64_t total, std::uint64_t done);
    // PumpMessages: true when Escape was pressed and allowEscape is set.
    bool PumpMessages(bool allowEscape) { return ui_ && ui_->pumpMessages(allowEscape); }

    int lastPercent() const { return lastPercent_; }

private:
    UiPort* ui_ = nullptr;
    TextId text_ = TextId::ProgressReading;
    int lastPercent_ = -1;
    // The `done` values of `total_` that give lastPercent_: readers report every entry, and most
    // reports return here without dividing.
    std::uint64_t total_ = 0;
    std::uint64_t from_ = 0;
    std::uint64_t until_ = 0;
};

// The progress text of a file operation (0 open, 1 save, 2 import, 3 export) on a kind.
TextId FileProgressText(int fileOperation, FileKind kind);

}  // namespace wayloom
