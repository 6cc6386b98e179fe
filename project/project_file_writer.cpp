#include "project/project_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "project/file_entries.h"
#include "project/file_names.h"
#include "project/project_file.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <string>
#else
#include <unistd.h>

#include <random>
#endif

namespace velmar {
namespace {

namespace fs = std::filesystem;

constexpr char kHeaderLine[] = "Velmar v2.2 release 1 data file.";

// Entries 1 to 444 end their label with ": ", later ones with a single space.
constexpr std::size_t kLastColonEntry = 444;

template <typename Value>
void AppendFormatted(std::string& text, const char* format, Value value) {
    char field[64];
    std::snprintf(field, sizeof field, format, value);
    text += field;
}

// A name is stored as one word, or every later entry would be read out of step: white
// space within it becomes '_', and an empty name is stored as "-".
void AppendName(std::string& text, const NameText& name) {
    std::size_t n = 0;
    for (; n < kNameSize - 1 && name[n] != '\0'; ++n)
        text += std::isspace(static_cast<unsigned char>(name[n])) ? '_' : name[n];
    if (n == 0) text += '-';
    text += '\n';
}

void AppendEntry(std::string& text, const ProjectRecord& r, std::size_t index) {
    const FileEntry& e = kFileEntries[index];
    text += e.label;
    text += index < kLastColonEntry ? ": \n" : " \n";
    switch (e.kind) {
        case FieldKind::Int: AppendFormatted(text, "%d\n", IntAt(r, e)); break;
        case FieldKind::Real: AppendFormatted(text, "%10.3e\n", RealAt(r, e)); break;
        case FieldKind::Name: AppendName(text, NameAt(r, e)); break;
    }
}

std::string ProjectText(const ProjectRecord& r) {
    std::string text = std::string(kHeaderLine) + "\n";
    for (std::size_t i = 0; i < kFileEntryCount; ++i) AppendEntry(text, r, i);
    return text;
}

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
std::error_code WriteText(int descriptor, const std::string& text) {
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

#ifdef _WIN32

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

// The text is written and flushed to disk beside the target, then moved over it in one
// step, so that the target is at every moment either the old or the new complete file.
std::error_code ReplaceFile(const fs::path& target, const std::string& text) {
    if (std::error_code ec = CheckWritable(target)) return ec;
    fs::path partial;
    int descriptor = -1;
    if (std::error_code ec = CreateUnique(target, partial, descriptor)) return ec;
    std::error_code ec = WriteText(descriptor, text);
    if (!ec && _commit(descriptor) != 0) ec = LastError();
    if (_close(descriptor) != 0 && !ec) ec = LastError();
    if (!ec) ec = MoveOver(partial, target);
    if (ec) _wunlink(partial.c_str());
    return ec;
}

#else

// Links are followed as far as the system follows them in one path.
constexpr int kMostLinksFollowed = 40;

class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }

    int get() const { return descriptor_; }
    bool open() const { return descriptor_ >= 0; }
    // Closing reports write errors some file systems keep until then.
    std::error_code Close() {
        return ::close(std::exchange(descriptor_, -1)) == 0 ? std::error_code{} : LastError();
    }

private:
    int descriptor_;
};

// The file a path names once symbolic links are followed, so that saving through a link
// replaces the linked file and keeps the link. A link to a missing file names the file
// the save will create.
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

// Opens the file being replaced for writing, which is the system's decision whether the
// user may write it. A file without any write permission is write-protected even for the
// superuser, whom the system would let through.
std::error_code OpenExisting(const fs::path& target, const struct stat& st, Descriptor& file) {
    if (S_ISDIR(st.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(st.st_mode)) return std::make_error_code(std::errc::invalid_argument);
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return std::make_error_code(std::errc::permission_denied);
    file = Descriptor(::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    return file.open() ? std::error_code{} : LastError();
}

// Creates a file beside the target under a name no file has, as mkstemp does, but with
// the mode any new file gets (0666 less the user's umask) rather than mkstemp's 0600.
std::error_code CreateUnique(const fs::path& target, std::string& name, Descriptor& file) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device pick;  // fresh in every process, unlike a seeded generator copied by fork
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        name = target.string() + ".saving-";
        for (int i = 0; i < 6; ++i) name += kLetters[letter(pick)];
        file = Descriptor(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
        if (file.open()) return {};
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
    Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!handle.open()) return LastError();
    // Some file systems cannot sync a folder, and say so with EINVAL.
    if (::fsync(handle.get()) != 0 && errno != EINVAL) return LastError();
    return handle.Close();
}

std::error_code Overwrite(Descriptor& file, const std::string& text) {
    if (std::error_code ec = WriteText(file.get(), text)) return ec;
    if (::ftruncate(file.get(), static_cast<off_t>(text.size())) != 0 || ::fsync(file.get()) != 0)
        return LastError();
    return file.Close();
}

// The text is written and flushed to disk beside the target, then renamed over it, so
// that the target is at every moment either the old or the new complete file. When the
// new file cannot take the old one's place with its owner, group, mode and links, the old
// file is overwritten in place instead once the new content is safely beside it; should
// that fail part way, the copy beside it is kept.
std::error_code ReplaceFile(fs::path target, const std::string& text) {
    if (std::error_code ec = FollowLinks(target)) return ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return LastError();
    Descriptor existing;
    if (exists) {
        if (std::error_code ec = OpenExisting(target, old, existing)) return ec;
    }

    std::string partial;
    Descriptor file;
    if (std::error_code ec = CreateUnique(target, partial, file)) return ec;
    const bool takes_place = !exists || TakeOverAttributes(file.get(), old);
    std::error_code ec = WriteText(file.get(), text);
    if (!ec && ::fsync(file.get()) != 0) ec = LastError();
    if (!ec) ec = file.Close();
    if (!ec && takes_place && ::rename(partial.c_str(), target.c_str()) != 0) ec = LastError();
    if (ec) {
        ::unlink(partial.c_str());
        return ec;
    }
    if (!takes_place) {
        if ((ec = Overwrite(existing, text))) return ec;
        ::unlink(partial.c_str());
    }
    return SyncFolder(folder);
}

#endif

}  // namespace

WriteBytesFunction SetProjectFileWriteBytes(WriteBytesFunction replacement) {
    return std::exchange(write_bytes, replacement != nullptr ? replacement : SystemWrite);
}

std::error_code WriteTextFile(const std::string& path, const std::string& text) {
    return ReplaceFile(PathFromText(path), text);
}

int WriteProjectFile(const std::string& path, const ProjectRecord& r, std::error_code* reason) {
    const std::error_code ec = WriteTextFile(path, ProjectText(r));
    if (reason != nullptr) *reason = ec;
    return ec ? -1 : 0;
}

}  // namespace velmar
