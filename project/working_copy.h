// A field of the record and its working copy (`x` and `x_temp`): a screen edits the copy,
// commits it to the field on OK, and loads it from the field to begin again.
#pragma once

#include <cstdint>

#include "project/record.h"

namespace velmar {

template <typename T>
struct WorkingCopy {
    T ProjectRecord::*value;
    T ProjectRecord::*copy;

    void Commit(ProjectRecord& r) const { r.*value = r.*copy; }
    void Load(ProjectRecord& r) const { r.*copy = r.*value; }
};

using FlagCopy = WorkingCopy<std::int32_t>;

template <typename T, std::size_t N>
void CommitAll(ProjectRecord& r, const WorkingCopy<T> (&pairs)[N]) {
    for (const WorkingCopy<T>& p : pairs) p.Commit(r);
}

template <typename T, std::size_t N>
void LoadAll(ProjectRecord& r, const WorkingCopy<T> (&pairs)[N]) {
    for (const WorkingCopy<T>& p : pairs) p.Load(r);
}

}  // namespace velmar
