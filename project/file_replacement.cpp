#include "project/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "project/file_names.h"
#include "project/project_file_writer.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>

#include <random>
#endif

namespace velmar {
namespace {

namespace fs = std::filesystem;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

#ifdef _WIN32
std::ptrdiff_t SystemWrite(int descriptor, const void* data, std::size_t size) {
    return _write(descriptor, data, static_cast<unsigned>(size));
}
#else
std::ptrdiff_t SystemWrite(int descriptor, const void* data, std::size_t size) {
    return ::write(descriptor, data, size);
}
#endif

WriteBytesFunction write_bytes = SystemWrite;

// Writes all of the text, going on after a write that took only part of it.
std::error_code WriteText(int descriptor, std::string_view text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const std::ptrdiff_t n = write_bytes(descriptor, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return LastError();
        if (n == 0) return std::make_error_code(std::errc::io_error);
        done += static_cast<std::size_t>(n);
    }
    return {};
}

}  // namespace

WriteBytesFunction SetProjectFileWriteBytes(WriteBytesFunction replacement) {
    return std::exchange(write_bytes, replacement != nullptr ? replacement : SystemWrite);
}

#ifdef _WIN32

namespace {

// Creates a file beside the target under a name no file has, opened in text mode, so that
// every line ends in CR LF as Windows programs expect.
std::error_code CreateUnique(const fs::path& target, fs::path& name, int& descriptor) {
    const auto ticks = static_cast<unsigned long long>(GetTickCount64());
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        name = target;
        name += ".saving-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(ticks + attempt);
        descriptor = _wopen(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_TEXT, _S_IREAD | _S_IWRITE);
        if (descriptor >= 0) return {};
        if (errno != EEXIST) return LastError();
    }
    return std::make_error_code(std::errc::file_exists);
}

// Refuses a target that is a folder or write-protected, as opening it for writing would.
std::error_code CheckWritable(const fs::path& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return {};
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return std::make_error_code(std::errc::is_a_directory);
    if (attributes & FILE_ATTRIBUTE_READONLY) return std::make_error_code(std::errc::permission_denied);
    return {};
}

std::error_code MoveOver(const fs::path& from, const fs::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
    const DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED) return std::make_error_code(std::errc::permission_denied);
    return {static_cast<int>(error), std::system_category()};
}

}  // namespace

struct FileReplacement::State {
    fs::path target, partial;
    int file = -1;
};

FileReplacement::FileReplacement() : state_(std::make_unique<State>()) {}

FileReplacement::~FileReplacement() {
    if (state_->file < 0) return;
    _close(state_->file);
    _wunlink(state_->partial.c_str());
}

std::error_code FileReplacement::Begin(const std::string& path, SpecialFiles) {
    state_->target = PathFromText(path);
    if (std::error_code ec = CheckWritable(state_->target)) return ec;
    return CreateUnique(state_->target, state_->partial, state_->file);
}

std::error_code FileReplacement::Write(std::string_view text) {
    return WriteText(state_->file, text);
}

std::error_code FileReplacement::Finish() {
    std::error_code ec;
    if (_commit(state_->file) != 0) ec = LastError();
    if (_close(std::exchange(state_->file, -1)) != 0 && !ec) ec = LastError();
    if (!ec) ec = MoveOver(state_->partial, state_->target);
    if (ec) _wunlink(state_->partial.c_str());
    return ec;
}

#else

namespace {

// Links are followed as far as the system follows them in one path.
constexpr int kMostLinksFollowed = 40;
// Bytes copied at a time when the old file is overwritten in place.
constexpr std::size_t kCopyChunk = 1 << 16;

// The file a path names once symbolic links are followed, so that writing through a link
// replaces the linked file and keeps the link. A link to a missing file names the file
// that will be created.
std::error_code FollowLinks(fs::path& path) {
    for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? std::error_code{} : LastError();
        if (!S_ISLNK(st.st_mode)) return {};
        std::error_code ec;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) return ec;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

std::error_code Close(int& descriptor) {
    return ::close(std::exchange(descriptor, -1)) == 0 ? std::error_code{} : LastError();
}

// Opens the file being replaced for writing, which is the system's decision whether the
// user may write it. A file without any write permission is write-protected even for the
// superuser, whom the system would let through.
std::error_code OpenExisting(const fs::path& target, const struct stat& st, int& file) {
    if (S_ISDIR(st.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(st.st_mode)) return std::make_error_code(std::errc::invalid_argument);
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return std::make_error_code(std::errc::permission_denied);
    file = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    return file >= 0 ? std::error_code{} : LastError();
}

// Creates a file beside the target under a name no file has, as mkstemp does, but with
// the mode any new file gets (0666 less the user's umask) rather than mkstemp's 0600.
std::error_code CreateUnique(const fs::path& target, std::string& name, int& file) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device pick;  // fresh in every process, unlike a seeded generator copied by fork
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        name = target.string() + ".saving-";
        for (int i = 0; i < 6; ++i) name += kLetters[letter(pick)];
        file = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (file >= 0) return {};
        if (errno != EEXIST) return LastError();
    }
    return std::make_error_code(std::errc::file_exists);
}

// Gives the new file the old one's owner, group and mode. False when the new file cannot
// take the old one's place without changing any of them, or without leaving the old
// content under another name (a hard link).
bool TakeOverAttributes(int file, const struct stat& old) {
    return old.st_nlink == 1 && ::fchown(file, old.st_uid, old.st_gid) == 0 &&
           ::fchmod(file, old.st_mode & 07777) == 0;
}

std::error_code SyncFolder(const fs::path& folder) {
    int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return LastError();
    // Some file systems cannot sync a folder, and say so with EINVAL.
    if (::fsync(handle) != 0 && errno != EINVAL) {
        const std::error_code ec = LastError();
        ::close(handle);
        return ec;
    }
    return Close(handle);
}

// Copies the new file's content over the old file, which keeps its own owner, mode and links.
std::error_code CopyOver(int from, int& to) {
    if (::lseek(from, 0, SEEK_SET) != 0) return LastError();
    std::string chunk(kCopyChunk, '\0');
    off_t size = 0;
    while (true) {
        const ssize_t n = ::read(from, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return LastError();
        if (n == 0) break;
        if (std::error_code ec = WriteText(to, std::string_view(chunk.data(), static_cast<std::size_t>(n))))
            return ec;
        size += n;
    }
    if (::ftruncate(to, size) != 0 || ::fsync(to) != 0) return LastError();
    return Close(to);
}

}  // namespace

struct FileReplacement::State {
    fs::path target;
    std::string partial;  // the new file's name beside the target; empty when written in place
    int file = -1;        // the new file, or the device or pipe written in place
    int existing = -1;    // the old file, open for writing
    bool takes_place = true;

    ~State() {
        if (existing >= 0) ::close(existing);
        if (file >= 0) ::close(file);
        if (!partial.empty()) ::unlink(partial.c_str());
    }
};

FileReplacement::FileReplacement() : state_(std::make_unique<State>()) {}

FileReplacement::~FileReplacement() = default;

std::error_code FileReplacement::Begin(const std::string& path, SpecialFiles special) {
    State& s = *state_;
    s.target = PathFromText(path);
    if (std::error_code ec = FollowLinks(s.target)) return ec;
    struct stat old;
    const bool exists = ::stat(s.target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return LastError();
    if (exists && special == SpecialFiles::WriteInPlace && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)) {
        s.file = ::open(s.target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        return s.file >= 0 ? std::error_code{} : LastError();
    }
    if (exists) {
        if (std::error_code ec = OpenExisting(s.target, old, s.existing)) return ec;
    }
    if (std::error_code ec = CreateUnique(s.target, s.partial, s.file)) return ec;
    s.takes_place = !exists || TakeOverAttributes(s.file, old);
    return {};
}

std::error_code FileReplacement::Write(std::string_view text) {
    return WriteText(state_->file, text);
}

// The new file reaches the disk beside the target before it is renamed over it. When it
// cannot take the old one's place with its owner, group, mode and links, the old file is
// overwritten in place instead once the new content is safely beside it; should that fail
// part way, the copy beside it is kept.
std::error_code FileReplacement::Finish() {
    State& s = *state_;
    if (s.partial.empty()) return Close(s.file);
    if (::fsync(s.file) != 0) return LastError();
    if (s.takes_place) {
        if (std::error_code ec = Close(s.file)) return ec;
        if (::rename(s.partial.c_str(), s.target.c_str()) != 0) return LastError();
    } else {
        if (std::error_code ec = CopyOver(s.file, s.existing)) {
            s.partial.clear();
            return ec;
        }
        if (std::error_code ec = Close(s.file)) return ec;
        ::unlink(s.partial.c_str());
    }
    s.partial.clear();
    return SyncFolder(s.target.has_parent_path() ? s.target.parent_path() : fs::path("."));
}

#endif

}  // namespace velmar
