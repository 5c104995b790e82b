#include "formats/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>

namespace wayloom {

namespace {

constexpr std::size_t BufferSize = 1 << 18;
constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// The file a path finally names, so that saving through a symbolic link replaces the file it
// points at rather than the link.
std::string ResolvedPath(const std::string& path) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved)) return resolved;
    return path;
}

mode_t CurrentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

bool IsReadOnlyFile(const std::u16string& path) {
    struct stat info;
    return stat(ToUtf8(path).c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & AnyWrite) == 0;
}

bool ClearReadOnly(const std::u16string& path) {
    const std::string name = ToUtf8(path);
    struct stat info;
    return stat(name.c_str(), &info) == 0 && chmod(name.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
}

bool FileExists(const std::u16string& path) {
    struct stat info;
    return stat(ToUtf8(path).c_str(), &info) == 0;
}

std::optional<TextId> ReadWholeFile(const std::u16string& path, FileKind kind, GuardedBytes& bytes) {
    const int fd = ::open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return TextId::FileCannotOpen;
    struct stat info;
    std::optional<TextId> failure;
    GuardedBytes data;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        failure = TextId::FileCannotRead;
    } else {
        try {
            data = GuardedBytes(static_cast<std::size_t>(info.st_size), kind);
        } catch (const std::bad_alloc&) {
            failure = TextId::FileNoMemory;
        }
    }
    std::size_t done = 0;
    const auto size = static_cast<std::size_t>(info.st_size);
    while (!failure && done < size) {
        const ssize_t got = ::read(fd, data.buffer() + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) failure = TextId::FileCannotRead;  // an error, or the file shrank meanwhile
        else done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (failure) return failure;
    bytes = std::move(data);
    return std::nullopt;
}

SaveFile::~SaveFile() { discard(); }

bool SaveFile::open(const std::u16string& target) {
    discard();
    target_ = ResolvedPath(ToUtf8(target));
    struct stat info;
    const bool exists = stat(target_.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) return false;
    const std::size_t slash = target_.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    std::string pattern = folder + "." + name + ".XXXXXX";
    fd_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) return false;
    temporary_ = pattern;
    // The new file keeps the old one's permissions, or gets a new file's.
    fchmod(fd_, exists ? (info.st_mode & 07777) : (0666 & ~CurrentUmask()));
    failed_ = false;
    buffer_.clear();
    buffer_.reserve(BufferSize);
    return true;
}

bool SaveFile::write(std::string_view bytes) {
    if (failed_ || fd_ < 0) return false;
    if (buffer_.size() + bytes.size() > BufferSize && !flush()) return false;
    // Large pieces (a writer's own buffer) go straight to the file rather than through ours.
    if (bytes.size() >= BufferSize) return writeAll(bytes);
    buffer_.append(bytes);
    return true;
}

bool SaveFile::flush() {
    const bool written = writeAll(buffer_);
    buffer_.clear();
    return written;
}

bool SaveFile::writeAll(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failed_ = true;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::optional<TextId> SaveFile::commit() {
    if (fd_ < 0) return TextId::FileCannotSave;
    const bool written = !failed_ && flush() && fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!written || !closed) {
        discard();
        return TextId::DiskWriteDenied;
    }
    if (rename(temporary_.c_str(), target_.c_str()) != 0) {
        discard();
        return TextId::FileCannotSave;
    }
    temporary_.clear();
    return std::nullopt;
}

void SaveFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace wayloom
