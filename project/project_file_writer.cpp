#include <cctype>
#include <cstdio>
#include <string>

#include "project/file_entries.h"
#include "project/file_replacement.h"
#include "project/project_file.h"

namespace velmar {
namespace {

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

}  // namespace

std::error_code WriteTextFile(const std::string& path, const std::string& text) {
    FileReplacement file;
    std::error_code ec = file.Begin(path);
    if (!ec) ec = file.Write(text);
    if (!ec) ec = file.Finish();
    return ec;
}

int WriteProjectFile(const std::string& path, const ProjectRecord& r, std::error_code* reason) {
    const std::error_code ec = WriteTextFile(path, ProjectText(r));
    if (reason != nullptr) *reason = ec;
    return ec ? -1 : 0;
}

}  // namespace velmar
