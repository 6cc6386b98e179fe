#include "interface/session/program_files.h"

#include <cstdlib>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace velmar {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path>& ProgramFolder() {
    static std::optional<fs::path> folder;
    return folder;
}

bool IsFile(const fs::path& path) {
    std::error_code ignored;
    return fs::is_regular_file(path, ignored);
}

bool Writable(const fs::path& folder) {
#ifdef _WIN32
    return _waccess(folder.c_str(), 2) == 0;
#else
    return access(folder.c_str(), W_OK) == 0;
#endif
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ignored;
    return fs::equivalent(a, b, ignored);
}

// An environment variable that names an absolute path. Windows gives it in full only as
// wide characters.
std::optional<fs::path> AbsoluteFromEnvironment(const char* name) {
#ifdef _WIN32
    const wchar_t* value = _wgetenv(fs::path(name).c_str());
#else
    const char* value = std::getenv(name);
#endif
    if (value == nullptr || *value == 0 || !fs::path(value).is_absolute()) return std::nullopt;
    return fs::path(value);
}

std::optional<fs::path> UserRunFolder() {
#ifdef _WIN32
    if (auto local = AbsoluteFromEnvironment("LOCALAPPDATA")) return *local / "Velmar";
#else
    if (auto cache = AbsoluteFromEnvironment("XDG_CACHE_HOME")) return *cache / "velmar";
    if (auto home = AbsoluteFromEnvironment("HOME")) return *home / ".cache" / "velmar";
#endif
    return std::nullopt;
}

}  // namespace

void SetProgramFolder(const fs::path& folder) {
    ProgramFolder() = fs::absolute(folder);
}

fs::path ProgramFile(const std::string& name) {
    if (IsFile(name) || !ProgramFolder()) return name;
    for (const fs::path& candidate :
         {*ProgramFolder() / name, ProgramFolder()->parent_path() / "share" / "velmar" / name}) {
        if (IsFile(candidate)) return candidate;
    }
    return name;
}

fs::path RunFolder() {
    const fs::path here = fs::current_path();
    const bool own_folder = !ProgramFolder() || SameFolder(here, *ProgramFolder());
    if (own_folder && Writable(here)) return here;
    const std::optional<fs::path> user = UserRunFolder();
    std::error_code failed;
    if (user) fs::create_directories(*user, failed);
    if (!user || failed) return here;
    return *user;
}

}  // namespace velmar
