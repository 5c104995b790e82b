#include "app/progress_reporter.h"

#include <algorithm>

namespace wayloom {

void ProgressReporter::Report(std::uint64_t total, std::uint64_t done) {
    if (!ui_ || total == 0) return;
    const int percent = static_cast<int>(std::min<std::uint64_t>(done / total * 100 + done % total * 100 / total, 100));
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
