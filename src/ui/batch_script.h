#pragma once
// The words of a batch script's lines, and the row lists of its "select" lines.
#include <optional>
#include <string>
#include <vector>

namespace wayloom {

// Splits a line at blanks; a word in double quotes may hold blanks (a backslash before a quote
// keeps the quote). nullopt when a quote is not closed.
std::optional<std::vector<std::string>> SplitScriptLine(const std::string& line);

// "0,2-4" -> {0, 2, 3, 4}, in the order written. nullopt for anything else.
std::optional<std::vector<int>> ParseRowList(const std::string& text);

// A whole decimal number (an optional minus sign and digits), else nullopt.
std::optional<int> ParseInteger(const std::string& text);

// A text for one output line: line breaks as "\n", tabs as "\t", backslashes doubled.
std::string EscapeLine(const std::string& text);

}  // namespace wayloom
