#pragma once
// Widths of many cell texts in the table font, fast enough for column fitting over 100,000 rows.
// The table draws without kerning, so a text of the Latin, Greek or Cyrillic blocks is as wide as
// the sum of its characters' advances (a ligature can only make it narrower); those are summed from
// a table, and any other text is measured whole.
#include <QFont>
#include <QFontMetricsF>
#include <string_view>
#include <vector>

namespace wayloom {

class TextWidths {
public:
    explicit TextWidths(const QFont& font);

    // Whole pixels, rounded up.
    int width(std::u16string_view text);

private:
    QFontMetricsF metrics_;
    std::vector<double> advances_;  // by character code below SummedLimit; negative: not measured yet
};

// The table's font: as chosen, drawn without kerning (as the list controls of the platform the
// program comes from draw it).
QFont TableDrawingFont(QFont font);

}  // namespace wayloom
