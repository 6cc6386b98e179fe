#include "project/file_names.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace velmar {

#ifdef _WIN32

std::filesystem::path PathFromText(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string TextFromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::FILE* OpenFile(const std::string& name, const char* mode) {
    const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(PathFromText(name).c_str(), wide_mode.c_str());
}

std::FILE* CreateNewFile(const std::string& name) {
    const int descriptor =
        ::_wopen(PathFromText(name).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_TEXT, _S_IREAD | _S_IWRITE);
    if (descriptor < 0) return nullptr;
    std::FILE* file = ::_fdopen(descriptor, "w");
    if (file == nullptr) ::_close(descriptor);
    return file;
}

#else

std::filesystem::path PathFromText(const std::string& name) {
    return name;
}

std::string TextFromPath(const std::filesystem::path& path) {
    return path.string();
}

std::FILE* OpenFile(const std::string& name, const char* mode) {
    return std::fopen(name.c_str(), mode);
}

std::FILE* CreateNewFile(const std::string& name) {
    return std::fopen(name.c_str(), "wx");
}

#endif

}  // namespace velmar
