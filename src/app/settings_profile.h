#pragma once
// SettingsProfile: the program's .ini file, read and written key by key with the semantics of the
// Windows profile functions, so that a profile edited by hand or carried over from Windows behaves the
// same: section and key names ignore case (ASCII letters), keys may contain blanks, values are trimmed
// and lose one pair of enclosing double quotes, an integer read takes the value's leading number, and
// every write goes to disk at once. The file is written as UTF-8; reading also accepts UTF-16 with a
// little-endian byte order mark and, for files that are not valid UTF-8, Windows-1252.
// Use one instance per thread; instances on the same file see each other's writes.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace wayloom {

class SettingsProfile {
public:
    explicit SettingsProfile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // The value's leading number (blanks, an optional sign, decimal digits); a value with no digits
    // reads as 0, a missing or empty value gives `defaultValue`. Saturates at the int range.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;
    // The value cut to `maxLength` UTF-16 units; a missing key gives `defaultValue`.
    std::u16string readString(std::string_view section, std::string_view key, std::u16string_view defaultValue = {},
                              std::size_t maxLength = 259) const;
    bool hasKey(std::string_view section, std::string_view key) const;

    // Sets the key, adding the section and the key as needed, and writes the file. Failures are silent.
    void writeString(std::string_view section, std::string_view key, std::u16string_view value);
    void writeInt(std::string_view section, std::string_view key, long long value);
    // Writing a key with no value: the key leaves the profile.
    void deleteKey(std::string_view section, std::string_view key);

private:
    struct Found {
        std::size_t sectionLine = 0;  // index of the "[section]" line
        std::size_t end = 0;          // one past the section's last key line
        std::size_t keyLine = 0;      // the key's line, or npos
    };

    void refresh() const;
    void save();
    bool findSection(std::string_view section, Found& found) const;
    std::size_t findKey(const Found& found, std::string_view key) const;
    // Null when the key is missing.
    const std::string* rawValue(std::string_view section, std::string_view key, std::string& storage) const;

    std::filesystem::path path_;
    // The file's lines as UTF-8, kept verbatim so that comments and unknown keys survive a write.
    mutable std::vector<std::string> lines_;
    // The file's state when it was last read or written: another instance may have written it since.
    mutable std::filesystem::file_time_type stamp_{};
    mutable std::uintmax_t size_ = 0;
    mutable bool loaded_ = false;
};

}  // namespace wayloom
