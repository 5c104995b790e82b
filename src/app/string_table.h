#pragma once
// The program's texts, by id. The window, the batch mode and the converter show the same words.
#include <initializer_list>
#include <string>
#include <string_view>

namespace wayloom {

// Grouped by area; each group adds its ids before its own end marker (and its texts in the
// matching switch in string_table.cpp), so that areas never edit the same lines.
enum class TextId : int {
    // -- general
    ProductName,
    Untitled,
    StatusReady,
    // -- table and model
    StatusFitColumns,
    StatusUndo,
    StatusRedo,
    ColumnNameTitle,
    ColumnLngTitle,
    ColumnLatTitle,
    ColumnOrdenTitle,
    ColumnDistanciaTitle,
    BadLongitude,
    BadLatitude,
    EmptyName,
    // -- table and model: end
    // -- files and formats
    // -- files and formats: end
    // -- window, status bar, file commands
    // -- window, status bar, file commands: end
    // -- settings, menus, toolbar, recent files, appearance
    // -- settings, menus, toolbar, recent files, appearance: end
};

std::u16string_view Text(TextId id);

// Replaces each "%s" or "%d" of the pattern by the next argument, in order; "%%" is a percent sign.
std::u16string FormatText(std::u16string_view pattern, std::initializer_list<std::u16string_view> args);
std::u16string FormatText(TextId id, std::initializer_list<std::u16string_view> args);

std::u16string NumberText(long long value);

// Conversions at the edges of the program (terminal output, file names).
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace wayloom
