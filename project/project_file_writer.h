// The file writer's one contact with a file's bytes (projects, reports, study outputs),
// replaceable so that a test can make a write fail part way, as a full disk does, without
// filling a disk.
#pragma once

#include <cstddef>

namespace velmar {

// Writes up to size bytes to an open file descriptor, as the system's write does: the
// number written, or -1 with errno set.
using WriteBytesFunction = std::ptrdiff_t (*)(int descriptor, const void* data, std::size_t size);

// Makes the writer use write_bytes (nullptr: the system's own); returns the one it replaces.
WriteBytesFunction SetProjectFileWriteBytes(WriteBytesFunction write_bytes);

}  // namespace velmar
