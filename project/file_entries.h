// The project data file's entry table: 600 entries of the record, in file order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "project/record.h"

namespace velmar {

struct FileEntry {
    FieldKind kind;
    const char* label;   // as the file spells it: "TSS removal rate", "Kds[0]"
    std::size_t offset;  // of the field within ProjectRecord
};

constexpr std::size_t kFileEntryCount = 600;

// Entries 1 to 600 of the current layout (index 0 holds entry 1).
extern const std::array<FileEntry, kFileEntryCount> kFileEntries;

// The first entry with this label, or nullptr.
const FileEntry* FindEntry(const char* label);

inline std::int32_t& IntAt(ProjectRecord& r, const FileEntry& e) {
    return *reinterpret_cast<std::int32_t*>(reinterpret_cast<char*>(&r) + e.offset);
}
inline double& RealAt(ProjectRecord& r, const FileEntry& e) {
    return *reinterpret_cast<double*>(reinterpret_cast<char*>(&r) + e.offset);
}
inline NameText& NameAt(ProjectRecord& r, const FileEntry& e) {
    return *reinterpret_cast<NameText*>(reinterpret_cast<char*>(&r) + e.offset);
}
inline std::int32_t IntAt(const ProjectRecord& r, const FileEntry& e) {
    return IntAt(const_cast<ProjectRecord&>(r), e);
}
inline double RealAt(const ProjectRecord& r, const FileEntry& e) {
    return RealAt(const_cast<ProjectRecord&>(r), e);
}
inline const NameText& NameAt(const ProjectRecord& r, const FileEntry& e) {
    return NameAt(const_cast<ProjectRecord&>(r), e);
}

}  // namespace velmar
