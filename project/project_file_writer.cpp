#include <cctype>
#include <filesystem>
#include <system_error>

#include "project/file_entries.h"
#include "project/project_file.h"

namespace velmar {
namespace {

constexpr char kHeaderLine[] = "Velmar v2.2 release 1 data file.";

// Entries 1 to 444 end their label with ": ", later ones with a single space.
constexpr std::size_t kLastColonEntry = 444;

// A name is stored as one word, or every later entry would be read out of step: white
// space within it becomes '_', and an empty name is stored as "-".
bool WriteName(std::FILE* file, const NameText& name) {
    char word[kNameSize];
    std::size_t n = 0;
    for (; n < kNameSize - 1 && name[n] != '\0'; ++n)
        word[n] = std::isspace(static_cast<unsigned char>(name[n])) ? '_' : name[n];
    if (n == 0) word[n++] = '-';
    word[n] = '\0';
    return std::fprintf(file, "%s\n", word) >= 0;
}

bool WriteEntry(std::FILE* file, const ProjectRecord& r, std::size_t index) {
    const FileEntry& e = kFileEntries[index];
    const char* label_end = index < kLastColonEntry ? ": " : " ";
    if (std::fprintf(file, "%s%s\n", e.label, label_end) < 0) return false;
    switch (e.kind) {
        case FieldKind::Int: return std::fprintf(file, "%d\n", IntAt(r, e)) >= 0;
        case FieldKind::Real: return std::fprintf(file, "%10.3e\n", RealAt(r, e)) >= 0;
        case FieldKind::Name: return WriteName(file, NameAt(r, e));
    }
    return false;
}

bool WriteAll(std::FILE* file, const ProjectRecord& r) {
    if (std::fprintf(file, "%s\n", kHeaderLine) < 0) return false;
    for (std::size_t i = 0; i < kFileEntryCount; ++i) {
        if (!WriteEntry(file, r, i)) return false;
    }
    return std::fflush(file) == 0 && std::ferror(file) == 0;
}

}  // namespace

int WriteProjectFile(const std::string& path, const ProjectRecord& r) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path partial = target;
    partial += ".saving";

    std::FILE* file = std::fopen(partial.string().c_str(), "w");
    if (file == nullptr) return -1;
    const bool written = WriteAll(file, r);
    const bool closed = std::fclose(file) == 0;

    std::error_code ec;
    if (written && closed) {
        // Keep the permissions of the file being replaced.
        const fs::file_status old = fs::status(target, ec);
        if (!ec && fs::is_regular_file(old)) fs::permissions(partial, old.permissions(), ec);
        fs::rename(partial, target, ec);
        if (!ec) return 0;
    }
    fs::remove(partial, ec);
    return -1;
}

}  // namespace velmar
