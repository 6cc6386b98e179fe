#include <cstring>

#include "project/file_entries.h"
#include "project/file_names.h"
#include "project/project_file.h"

namespace velmar {
namespace {

// The entries a layout holds, as two runs of 1-based entry numbers.
struct EntryRuns {
    std::size_t first_end;    // entries 1 .. first_end
    std::size_t second_from;  // then second_from .. 600
};

EntryRuns RunsOf(int layout) {
    switch (layout) {
        case kLayoutV22: return {600, 601};
        case kLayoutV21: return {546, 591};
        case kLayoutV20: return {541, 591};
        default: return {528, 592};
    }
}

// Reads one white-space-delimited word, keeping the leading characters that fit and
// consuming the rest of the word so that the next read starts after it.
bool ReadWord(std::FILE* file, char* out, std::size_t size) {
    char format[16];
    std::snprintf(format, sizeof format, "%%%zus", size - 1);
    if (std::fscanf(file, format, out) != 1) return false;
    std::fscanf(file, "%*[^ \t\n\v\f\r]");
    return true;
}

void SkipLine(std::FILE* file) {
    char line[kLongestLabelLine + 1];
    if (std::fgets(line, sizeof line, file) == nullptr) return;
}

// Reads one value; after a value that converts, the line end and any blank lines that
// follow it are consumed too, as the "\n" of the value formats does.
void ReadValue(std::FILE* file, ProjectRecord& r, const FileEntry& e) {
    switch (e.kind) {
        case FieldKind::Int: {
            std::int32_t v;
            if (std::fscanf(file, "%d\n", &v) == 1) IntAt(r, e) = v;
            break;
        }
        case FieldKind::Real: {
            double v;
            if (std::fscanf(file, "%le\n", &v) == 1) RealAt(r, e) = v;
            break;
        }
        case FieldKind::Name: {
            NameText v{};  // zero-filled after the terminator, so the whole field is defined
            if (ReadWord(file, v, sizeof v)) {
                std::memcpy(NameAt(r, e), v, sizeof v);
                std::fscanf(file, "\n");
            }
            break;
        }
    }
}

}  // namespace

bool LayoutHasEntry(int layout, std::size_t n) {
    const EntryRuns runs = RunsOf(layout);
    return n <= runs.first_end || n >= runs.second_from;
}

int LayoutFromToken(const char* token) {
    if (std::strcmp(token, "v1.0") == 0) return kLayoutV10;
    if (std::strcmp(token, "v2.0") == 0) return kLayoutV20;
    if (std::strcmp(token, "v2.1") == 0) return kLayoutV21;
    if (std::strcmp(token, "v2.2") == 0) return kLayoutV22;
    return kLayoutUnknown;
}

ProjectFileHeader ReadProjectEntries(std::FILE* file, ProjectRecord& r) {
    ProjectFileHeader header;
    ReadWord(file, header.product, sizeof header.product);
    ReadWord(file, header.version, sizeof header.version);
    SkipLine(file);
    header.layout = LayoutFromToken(header.version);

    for (std::size_t n = 1; n <= kFileEntryCount; ++n) {
        if (!LayoutHasEntry(header.layout, n)) continue;
        SkipLine(file);
        ReadValue(file, r, kFileEntries[n - 1]);
    }
    return header;
}

int ReadProjectFile(const std::string& path, ProjectRecord& r) {
    std::FILE* file = OpenFile(path, "r");
    if (file == nullptr) return -1;
    const ProjectFileHeader header = ReadProjectEntries(file, r);
    std::fclose(file);
    if (header.layout == kLayoutV10 || header.layout == kLayoutUnknown) UpgradeV1Project(r);
    return 0;
}

}  // namespace velmar
