#include "app/progress_reporter.h"

#include <algorithm>

namespace wayloom {

void ProgressReporter::Report(std::uint64_t total, std::uint64_t done) {
    if (!ui_ || total == 0) return;
    if (total == total_ && done >= from_ && done < until_) return;
    const int percent = static_cast<int>(std::min<std::uint64_t>(done / total * 100 + done % total * 100 / total, 100));
    // The first `done` of this percentage and of the next one: ceil(p * total / 100).
    const auto first = [total](unsigned p) {
        return total / 100 * p + (total % 100 * p + 99) / 100;
    };
    total_ = total;
    from_ = first(static_cast<unsigned>(percent));
    until_ = percent >= 100 ? UINT64_MAX : first(static_cast<unsigned>(percent) + 1);
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    ui_->showProgress(FormatText(text_, {NumberText(percent)}), percent);
}

TextId FileProgressText(int fileOperation, FileKind kind) {
    if (kind == FileKind::Favorites) return TextId::ProgressFavorites;
    switch (fileOperation) {
    case 1: return TextId::ProgressWriting;
    case 2: return TextId::ProgressImporting;
    case 3: return TextId::ProgressExporting;
    default: return TextId::ProgressReading;
    }
}

}  // namespace wayloom
