#include "app/accelerator_tables.h"

#include <iterator>

namespace wayloom {

namespace {

// Table 500; its first 47 entries form table 2000, the last 8 (clipboard, deletion and the
// Applications key) stay with the map page while it has the keyboard.
constexpr Accelerator MainTable[] = {
    {"Ctrl+A", 1031},     {"Alt+A", 1022},  {"Ctrl+B", 1032},     {"Alt+B", 1007},     {"Alt+C", 1020},
    {"Ctrl+D", 1039},     {"Ctrl+E", 1006}, {"Alt+E", 1037},      {"Ctrl+F", 1023},    {"Ctrl+G", 1028},
    {"Ctrl+H", 1025},     {"Ctrl+I", 1005}, {"Ctrl+J", 1043},     {"Ctrl+K", 1044},    {"Ctrl+L", 1016},
    {"Ctrl+M", 1042},     {"Alt+M", 1027},  {"Ctrl+Alt+M", 1048}, {"Ctrl+N", 1000},    {"Alt+N", 1040},
    {"Ctrl+O", 1001},     {"Ctrl+P", 1041}, {"Ctrl+Q", 1047},     {"Ctrl+R", 1029},    {"Alt+R", 1002},
    {"Ctrl+S", 1003},     {"Alt+S", 1004},  {"Ctrl+U", 1038},     {"Alt+V", 1021},     {"F1", 1062},
    {"F10", 1036},        {"F12", 1057},    {"F2", 1014},         {"F3", 1024},        {"F4", 1026},
    {"F5", 1045},         {"F6", 1046},     {"F7", 1033},         {"F8", 1034},        {"F9", 1035},
    {"Ins", 1012},        {"Ctrl+W", 1013}, {"Alt+X", 1030},      {"Ctrl+Y", 1010},    {"Ctrl+Z", 1009},
    {"Ctrl+Alt+T", 1049}, {"Ctrl+Alt+S", 1056},
    // Table 2000 ends here; the rest belongs to table 500 only.
    {"Ctrl+C", 1018}, {"Ctrl+V", 1019}, {"Ctrl+X", 1017}, {"Del", 1015}, {"Shift+Del", 1017},
    {"Ctrl+Ins", 1018}, {"Shift+Ins", 1019}, {"Menu", 1215},
};

constexpr std::size_t MapPaneCount = 47;
static_assert(std::size(MainTable) == 55);

}  // namespace

std::span<const Accelerator> AcceleratorTable(AcceleratorTableId table) {
    const std::span<const Accelerator> all(MainTable);
    return table == AcceleratorTableId::Main ? all : all.first(MapPaneCount);
}

}  // namespace wayloom
