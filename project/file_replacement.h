// A file written beside the file it replaces and put in its place only when complete, so
// that the file a path names is at every moment either the old or the new file, whole: a
// full disk, an error or an interrupted program part way leaves the old one as it was.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace velmar {

// What to do with a path that names a device or a pipe, which cannot be replaced.
enum class SpecialFiles { Refuse, WriteInPlace };

class FileReplacement {
public:
    FileReplacement();
    // A new file not finished is removed, and the old one kept.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Starts the new file beside the file a path names, following symbolic links to the file
    // itself. A folder, or a file without write permission (even one the superuser could
    // write), is refused.
    std::error_code Begin(const std::string& path, SpecialFiles special = SpecialFiles::Refuse);
    // Appends to the new file.
    std::error_code Write(std::string_view text);
    // Flushes the new file to disk and puts it in the old one's place, keeping the old one's
    // owner, group, mode and hard links.
    std::error_code Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace velmar
