#include "app/status_texts.h"

#include "app/string_table.h"

namespace wayloom {

std::u16string NormaliseStatusText(std::u16string_view text) {
    if (text.empty() || text.front() == u' ') return std::u16string(text);
    std::u16string shown = u" ";
    shown += text.substr(0, StatusTextLimit);
    const std::size_t n = shown.size();
    if (shown[n - 1] == u'\u3002' || (shown[n - 1] == u'.' && shown[n - 2] != u'.')) shown.pop_back();
    return shown;
}

std::u16string InfoPaneText(int currentRow, int selectedCount, int rowCount) {
    return FormatText(TextId::InfoPanePattern, {Text(TextId::InfoPaneLabel), NumberText(currentRow + 1),
                                                NumberText(selectedCount), NumberText(rowCount)});
}

std::u16string ClockText(int hour24, int minute, bool blankSeparator) {
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    std::u16string text = u"  ";
    text += hour24 < 12 ? u'A' : u'P';
    text += u"M ";
    text += NumberText(hour12);
    text += blankSeparator ? u' ' : u':';
    text += static_cast<char16_t>(u'0' + minute / 10);
    text += static_cast<char16_t>(u'0' + minute % 10);
    text += u"  ";
    return text;
}

}  // namespace wayloom
