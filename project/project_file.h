// The project data file: a header line, then entries of a label line and a value line,
// read by position. Both programs read it; only the front end writes it.
#pragma once

#include <cstdio>
#include <string>
#include <system_error>

#include "project/record.h"

namespace velmar {

// Layout codes, decided from the header's version token.
enum LayoutVersion { kLayoutUnknown = 0, kLayoutV10 = 1, kLayoutV20 = 2, kLayoutV21 = 21, kLayoutV22 = 22 };

// Header words are kept to 19 characters.
constexpr std::size_t kHeaderWordSize = 20;

struct ProjectFileHeader {
    char product[kHeaderWordSize] = "";
    char version[kHeaderWordSize] = "";
    int layout = kLayoutUnknown;
};

int LayoutFromToken(const char* token);

// Whether a file of the layout holds entry n (1-based, of the current layout's 600).
bool LayoutHasEntry(int layout, std::size_t n);

// Label lines and the header's tail are read as lines of at most this many characters; a
// longer line is read in pieces, which puts the rest of the file out of step.
constexpr std::size_t kLongestLabelLine = 79;

// Reads the header and the entries of its layout from an open file over the record.
// Nothing is checked: a missing entry leaves its field as it was, and a value that does
// not convert leaves its field and the reading position where the conversion stopped.
ProjectFileHeader ReadProjectEntries(std::FILE* file, ProjectRecord& r);

// The front end's reader: 0, or -1 (nothing read) when the file cannot be opened for
// reading; a write-protected project opens. A v1.0 or unrecognised file is upgraded after reading.
int ReadProjectFile(const std::string& path, ProjectRecord& r);

// Writes the whole record in the current layout to the file a path names, following
// symbolic links to the file itself. The new content reaches the disk beside the file
// before it replaces it, and the file keeps its owner, group, mode and hard links; a
// failed save leaves the previous file as it was. A file without write permission, even
// one the superuser could write, is refused. Returns 0, or -1 on any failure with the
// system's reason in *reason when given.
int WriteProjectFile(const std::string& path, const ProjectRecord& r, std::error_code* reason = nullptr);

// Replaces the file a path names with the text, as WriteProjectFile replaces a project file;
// the system's reason when it could not.
std::error_code WriteTextFile(const std::string& path, const std::string& text);

}  // namespace velmar
