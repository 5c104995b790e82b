#include "app/settings_profile.h"

#include <unistd.h>

#include <atomic>
#include <charconv>
#include <climits>
#include <fstream>
#include <iterator>
#include <system_error>

#include "app/string_table.h"
#include "formats/text_codec.h"

namespace wayloom {

namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

// True for a "[name]" line, with its name.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return false;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    name = Trim(close == npos ? line : line.substr(0, close));
    return true;
}

// Splits a key line; false for blank lines and ";" comments.
bool KeyAndValue(std::string_view line, std::string_view& key, std::string_view& value) {
    line = Trim(line);
    if (line.empty() || line.front() == ';') return false;
    const std::size_t equals = line.find('=');
    key = Trim(line.substr(0, equals));
    value = equals == npos ? std::string_view{} : Trim(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return true;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= bytes.size()) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// The file's bytes as UTF-8 text.
std::string DecodeProfile(std::string bytes) {
    const auto starts = [&](std::string_view mark) { return std::string_view(bytes).substr(0, mark.size()) == mark; };
    if (starts("\xEF\xBB\xBF")) return bytes.substr(3);
    if (starts("\xFF\xFE")) return ToUtf8(DecodeUtf16Le(std::string_view(bytes).substr(2)));
    if (IsValidUtf8(bytes)) return bytes;
    return ToUtf8(DecodeAnsi(bytes));
}

// A value that would not read back as written (outer blanks, enclosing quotes) is written in quotes,
// which the reader removes again.
std::string EncodeValue(std::u16string_view value) {
    std::string text = ToUtf8(value);
    const bool needsQuotes = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()) ||
                                               (text.size() >= 2 && text.front() == '"' && text.back() == '"'));
    return needsQuotes ? '"' + text + '"' : text;
}

}  // namespace

SettingsProfile::SettingsProfile(std::filesystem::path path) : path_(std::move(path)) {}

void SettingsProfile::refresh() const {
    std::error_code error;
    const auto stamp = std::filesystem::last_write_time(path_, error);
    const std::uintmax_t size = error ? 0 : std::filesystem::file_size(path_, error);
    if (error) {
        lines_.clear();
        stamp_ = {};
        size_ = 0;
        loaded_ = true;
        return;
    }
    if (loaded_ && stamp == stamp_ && size == size_) return;
    std::ifstream in(path_, std::ios::binary);
    std::string text = DecodeProfile(std::string(std::istreambuf_iterator<char>(in), {}));
    lines_.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        start = end + 1;
    }
    stamp_ = stamp;
    size_ = size;
    loaded_ = true;
}

void SettingsProfile::save() {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += '\n';
    }
    std::error_code error;
    if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), error);
    // A unique temporary name: several instances and threads may write the same profile.
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = path_;
    temporary += "." + std::to_string(getpid()) + "." + std::to_string(counter++) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            loaded_ = false;  // read the file again rather than trust the unsaved lines
            return;
        }
    }
    std::filesystem::rename(temporary, path_, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        loaded_ = false;
        return;
    }
    stamp_ = std::filesystem::last_write_time(path_, error);
    size_ = text.size();
}

bool SettingsProfile::findSection(std::string_view section, Found& found) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (!SectionName(lines_[i], name) || !SameName(name, section)) continue;
        found.sectionLine = i;
        found.end = i + 1;
        for (std::size_t j = i + 1; j < lines_.size(); ++j) {
            if (SectionName(lines_[j], name)) break;
            if (!Trim(lines_[j]).empty()) found.end = j + 1;
        }
        found.keyLine = npos;
        return true;
    }
    return false;
}

std::size_t SettingsProfile::findKey(const Found& found, std::string_view key) const {
    for (std::size_t i = found.sectionLine + 1; i < found.end; ++i) {
        std::string_view name, value;
        if (KeyAndValue(lines_[i], name, value) && SameName(name, key)) return i;
    }
    return npos;
}

const std::string* SettingsProfile::rawValue(std::string_view section, std::string_view key,
                                             std::string& storage) const {
    refresh();
    Found found;
    if (!findSection(section, found)) return nullptr;
    const std::size_t line = findKey(found, key);
    if (line == npos) return nullptr;
    std::string_view name, value;
    KeyAndValue(lines_[line], name, value);
    storage.assign(value);
    return &storage;
}

bool SettingsProfile::hasKey(std::string_view section, std::string_view key) const {
    std::string storage;
    return rawValue(section, key, storage) != nullptr;
}

int SettingsProfile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    std::string storage;
    const std::string* value = rawValue(section, key, storage);
    if (!value || value->empty()) return defaultValue;
    std::string_view text = *value;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (end == text.data()) return 0;
    if (error == std::errc::result_out_of_range) return negative ? INT_MIN : INT_MAX;
    if (negative) number = -number;
    return number < INT_MIN ? INT_MIN : number > INT_MAX ? INT_MAX : static_cast<int>(number);
}

std::u16string SettingsProfile::readString(std::string_view section, std::string_view key,
                                           std::u16string_view defaultValue, std::size_t maxLength) const {
    std::string storage;
    const std::string* value = rawValue(section, key, storage);
    std::u16string text = value ? FromUtf8(*value) : std::u16string(defaultValue);
    if (text.size() > maxLength) text.resize(maxLength);
    return text;
}

void SettingsProfile::writeString(std::string_view section, std::string_view key, std::u16string_view value) {
    // A line break would split the line and corrupt the profile; such a value cannot be stored.
    if (value.find_first_of(u"\r\n") != std::u16string_view::npos) return;
    refresh();
    std::string line = std::string(key) + '=' + EncodeValue(value);
    Found found;
    if (!findSection(section, found)) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back('[' + std::string(section) + ']');
        lines_.push_back(std::move(line));
    } else if (const std::size_t existing = findKey(found, key); existing != npos) {
        // Keep the key's spelling from the file, as Windows does.
        std::string_view name, old;
        KeyAndValue(lines_[existing], name, old);
        lines_[existing] = std::string(name) + '=' + EncodeValue(value);
    } else {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(found.end), std::move(line));
    }
    save();
}

void SettingsProfile::writeInt(std::string_view section, std::string_view key, long long value) {
    writeString(section, key, NumberText(value));
}

void SettingsProfile::deleteKey(std::string_view section, std::string_view key) {
    refresh();
    Found found;
    if (!findSection(section, found)) return;
    const std::size_t line = findKey(found, key);
    if (line == npos) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
    save();
}

}  // namespace wayloom
