#include "ui/text_widths.h"

#include <cmath>

#include "ui/qt_text.h"

namespace wayloom {

namespace {
// Below the Hebrew block no script joins or reorders its characters.
constexpr char16_t SummedLimit = 0x0590;
}  // namespace

TextWidths::TextWidths(const QFont& font) : metrics_(TableDrawingFont(font)), advances_(SummedLimit, -1.0) {}

int TextWidths::width(std::u16string_view text) {
    double sum = 0;
    for (const char16_t c : text) {
        if (c >= SummedLimit) return static_cast<int>(std::ceil(metrics_.horizontalAdvance(ToQString(text))));
        double& advance = advances_[c];
        if (advance < 0) advance = metrics_.horizontalAdvance(QChar(c));
        sum += advance;
    }
    return static_cast<int>(std::ceil(sum - 1e-6));
}

QFont TableDrawingFont(QFont font) {
    font.setKerning(false);
    return font;
}

}  // namespace wayloom
