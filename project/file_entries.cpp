#include "project/file_entries.h"

#include <cstring>

namespace velmar {

#define VELMAR_KIND_INT FieldKind::Int
#define VELMAR_KIND_REAL FieldKind::Real
#define VELMAR_KIND_NAME FieldKind::Name
#define VELMAR_ENTRY(kind, member, label) \
    FileEntry{VELMAR_KIND_##kind, label, offsetof(ProjectRecord, member)},
#define VELMAR_FIELD(kind, member, label, value, group) VELMAR_ENTRY(kind, member, label)
#define VELMAR_ARRAY3(kind, id, value, group) \
    VELMAR_ENTRY(kind, id[0], #id "[0]")      \
    VELMAR_ENTRY(kind, id[1], #id "[1]") VELMAR_ENTRY(kind, id[2], #id "[2]")
#define VELMAR_ARRAY7(kind, id, value, group) \
    VELMAR_ARRAY3(kind, id, value, group)     \
    VELMAR_ENTRY(kind, id[3], #id "[3]")      \
    VELMAR_ENTRY(kind, id[4], #id "[4]")      \
    VELMAR_ENTRY(kind, id[5], #id "[5]") VELMAR_ENTRY(kind, id[6], #id "[6]")

const std::array<FileEntry, kFileEntryCount> kFileEntries = {
    VELMAR_PROJECT_ENTRIES(VELMAR_FIELD, VELMAR_ARRAY3, VELMAR_ARRAY7, VELMAR_ENTRY)};

const FileEntry* FindEntry(const char* label) {
    for (const FileEntry& e : kFileEntries) {
        if (std::strcmp(e.label, label) == 0) return &e;
    }
    return nullptr;
}

}  // namespace velmar
