#include "app/progress_reporter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace wayloom {
namespace {

class RecordingUi : public UiPort {
public:
    std::vector<std::pair<std::string, int>> shown;
    void showProgress(std::u16string_view text, int percent) override { shown.emplace_back(ToUtf8(text), percent); }
};

TEST(ProgressReporter, ShowsEachNewPercentageOnce) {
    RecordingUi ui;
    ProgressReporter progress(ui, TextId::ProgressReading);
    progress.Report(0, 0);  // no total: nothing
    progress.Report(7, 3);
    progress.Report(7, 3);  // the same percentage: nothing more
    progress.Report(700, 300);
    progress.Report(7, 7);
    progress.Report(7, 9);  // never above 100
    const std::vector<std::pair<std::string, int>> expected{
        {"Leyendo datos del archivo...  42%", 42}, {"Leyendo datos del archivo...  100%", 100}};
    EXPECT_EQ(ui.shown, expected);
}

TEST(ProgressReporter, EveryPercentageOnceWhateverTheTotalsAndTheOrder) {
    RecordingUi ui;
    ProgressReporter progress(ui, TextId::ProgressReading);
    std::vector<int> expected;
    auto report = [&](std::uint64_t total, std::uint64_t done) {
        progress.Report(total, done);
        const int percent = static_cast<int>(std::min<std::uint64_t>(done * 100 / total, 100));
        if (expected.empty() || expected.back() != percent) expected.push_back(percent);
    };
    for (std::uint64_t done = 0; done <= 9; ++done) report(7, done);
    for (std::uint64_t done = 0; done <= 12345; done += 7) report(12345, done);
    for (std::uint64_t done = 300; done-- > 0;) report(299, done);  // backwards
    for (std::uint64_t done = 0; done <= 1000000; done += 999) report(1000001, done);
    std::vector<int> shown;
    for (const auto& [text, percent] : ui.shown) shown.push_back(percent);
    EXPECT_EQ(shown, expected);
}

TEST(ProgressReporter, SilentReporterShowsNothingAndNeverCancels) {
    ProgressReporter silent;
    silent.Report(10, 5);
    EXPECT_EQ(silent.lastPercent(), -1);
    EXPECT_FALSE(silent.PumpMessages(true));
}

TEST(ProgressReporter, FileTextsByOperationAndKind) {
    const struct {
        int operation;
        FileKind kind;
        const char* text;
    } cases[] = {
        {0, FileKind::Itn, "Leyendo datos del archivo...  %d%%"},
        {1, FileKind::Gpx, "Escribiendo datos en archivo...  %d%%"},
        {2, FileKind::Csv, "Importando datos del archivo...  %d%%"},
        {3, FileKind::TxtUtf8, "Exportando datos del archivo...  %d%%"},
        {0, FileKind::Favorites, "Leyendo datos de Favoritos...  %d%%"},
        {2, FileKind::Favorites, "Leyendo datos de Favoritos...  %d%%"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToUtf8(Text(FileProgressText(c.operation, c.kind))), c.text);
}

}  // namespace
}  // namespace wayloom
