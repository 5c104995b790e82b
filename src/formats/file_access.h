#pragma once
// Files on disk: reading one whole, and writing one so that a failure never destroys the file on
// disk (the bytes go to a temporary file beside the target, which replaces the target only when
// everything was written).
#include <optional>
#include <string>
#include <string_view>

#include "app/string_table.h"
#include "formats/file_io.h"

namespace wayloom {

// A file that exists and that nobody may write (no write permission bit): Windows' read-only.
bool IsReadOnlyFile(const std::u16string& path);
// Gives the owner write permission; false when that fails.
bool ClearReadOnly(const std::u16string& path);
bool FileExists(const std::u16string& path);

// The whole file followed by the read guard of `kind`. On failure the message to show:
// FileCannotOpen, FileNoMemory or FileCannotRead.
std::optional<TextId> ReadWholeFile(const std::u16string& path, FileKind kind, GuardedBytes& bytes);

class SaveFile final : public ByteSink {
public:
    SaveFile() = default;
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;
    ~SaveFile() override;  // a file not committed is removed, the target left as it was

    // Creates the temporary file beside `target`; false when it cannot be created.
    bool open(const std::u16string& target);
    // Buffered; false once any write failed.
    bool write(std::string_view bytes) override;
    // Writes out, closes and replaces the target. On failure the message to show (DiskWriteDenied
    // when the bytes could not be written, FileCannotSave when the target could not be replaced);
    // the target is then unchanged.
    std::optional<TextId> commit();

private:
    bool flush();
    bool writeAll(std::string_view bytes);
    void discard();

    int fd_ = -1;
    bool failed_ = false;
    std::string target_;  // resolved through symbolic links
    std::string temporary_;
    std::string buffer_;
};

}  // namespace wayloom
