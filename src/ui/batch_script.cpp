#include "ui/batch_script.h"

#include <charconv>

namespace wayloom {

std::optional<std::vector<std::string>> SplitScriptLine(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= n) break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == '\\' && i + 1 < n && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    word += line[i + 1];
                    i += 2;
                } else if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                } else {
                    word += line[i++];
                }
            }
            if (!closed) return std::nullopt;
        } else {
            while (i < n && line[i] != ' ' && line[i] != '\t') word += line[i++];
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<int> ParseInteger(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<std::vector<int>> ParseRowList(const std::string& text) {
    std::vector<int> rows;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::size_t dash = item.find('-', 1);
        if (dash == std::string::npos) {
            const std::optional<int> row = ParseInteger(item);
            if (!row || *row < 0) return std::nullopt;
            rows.push_back(*row);
        } else {
            const std::optional<int> first = ParseInteger(item.substr(0, dash));
            const std::optional<int> last = ParseInteger(item.substr(dash + 1));
            if (!first || !last || *first < 0 || *last < *first) return std::nullopt;
            for (int row = *first; row <= *last; ++row) rows.push_back(row);
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return rows;
}

std::string EscapeLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace wayloom
