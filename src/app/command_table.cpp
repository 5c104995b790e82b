#include "app/command_table.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "app/string_table.h"

namespace wayloom {

namespace {

constexpr int Separator = 0;

// The entries in table order; buttons take image indexes 0, 1, 2 ... in this order.
const std::initializer_list<int> TableOrder = {
    1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, Separator,
    1009, 1010, 1011, 1012, 1013, 1014, 1015, 1016, Separator,
    1017, 1018, 1019, 1022, Separator,
    1023, 1024, 1025, 1026, Separator,
    1027, 1028, 1029, 1030, Separator,
    1033, 1034, 1035, 1036, Separator,
    1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, Separator,
    1045, 1046, Separator,
    1047, 1054, 1055, 1057, Separator,
    1058, 1059, 1060, 1061, 1062,
};

}  // namespace

CommandTable::CommandTable() {
    static_assert(CommandTableSize == 60);
    std::size_t i = 0;
    int image = 0;
    for (const int command : TableOrder) {
        CommandEntry& entry = entries_[i++];
        entry.command = command;
        entry.image = command == Separator ? ToolbarSeparator : image++;
        entry.state = StateEnabled;
    }
}

const CommandEntry* CommandTable::entryForImage(int image) const {
    if (image < 0 || image >= ToolbarImageCount) return nullptr;
    for (const CommandEntry& entry : entries_)
        if (entry.image == image) return &entry;
    return nullptr;
}

const CommandEntry* CommandTable::find(int command) const {
    if (command == Separator) return nullptr;
    for (const CommandEntry& entry : entries_)
        if (entry.command == command) return &entry;
    return nullptr;
}

CommandEntry* CommandTable::find(int command) {
    return const_cast<CommandEntry*>(std::as_const(*this).find(command));
}

int CommandTable::imageOf(int command) const {
    const CommandEntry* entry = find(command);
    return entry ? entry->image : -1;
}

void CommandTable::setBit(int command, std::uint8_t mask, bool on) {
    CommandEntry* entry = find(command);
    if (!entry) return;
    const std::uint8_t state = on ? entry->state | mask : entry->state & ~mask;
    if (state == entry->state) return;
    entry->state = state;
    if (changed) changed(command);
}

bool CommandTable::bit(int command, std::uint8_t mask, bool absent) const {
    const CommandEntry* entry = find(command);
    return entry ? (entry->state & mask) != 0 : absent;
}

ToolbarButtons DefaultToolbarButtons() {
    const CommandTable table;
    ToolbarButtons buttons;
    for (const CommandEntry& entry : table.entries()) buttons.push_back(entry.image);
    return buttons;
}

ToolbarButtons ParseToolbarButtons(std::u16string_view text) {
    const std::string ascii = ToUtf8(text);
    const char* p = ascii.data();
    const char* const end = p + ascii.size();
    ToolbarButtons buttons;
    for (;;) {
        while (p < end && (*p == ' ' || *p == '\t')) ++p;
        if (p < end && *p == '+') ++p;
        long number = 0;
        const auto [next, error] = std::from_chars(p, end, number);
        if (next == p) break;
        p = next;
        if (error != std::errc() || number < 0 || number > ToolbarSeparator) continue;
        const int image = static_cast<int>(number);
        if (image != ToolbarSeparator && std::find(buttons.begin(), buttons.end(), image) != buttons.end()) continue;
        buttons.push_back(image);
    }
    return buttons;
}

std::u16string FormatToolbarButtons(const ToolbarButtons& buttons) {
    std::u16string text;
    for (const int image : buttons) {
        if (!text.empty()) text += u' ';
        text += NumberText(image);
    }
    return text;
}

bool HasAnyButton(const ToolbarButtons& buttons) {
    return std::any_of(buttons.begin(), buttons.end(), [](int image) { return image != ToolbarSeparator; });
}

}  // namespace wayloom
