// Writing "Results.txt".
#pragma once

#include <cstdio>
#include <string>

#include "model/model_state.h"

namespace velmar {

// The text of the 95 results entries, as the file holds it.
std::string ResultsText(const ModelState& s);

// The file operations behind writing the results. The engine uses these; tests override
// them to fail the way a full disk, a read-only folder or a vanished folder does. A failing
// operation leaves errno set.
class ResultsFiles {
public:
    virtual ~ResultsFiles() = default;
    // Creates a new file for writing; fails, with EEXIST, when the name is taken.
    virtual std::FILE* CreateNew(const std::string& path);
    // Writes all of the text, or fails.
    virtual bool Write(std::FILE* file, const std::string& text);
    // Flushes and closes the file; fails when anything written earlier did not reach it.
    virtual bool Close(std::FILE* file);
    // Moves a file over another, replacing it in one step.
    virtual bool Replace(const std::string& from, const std::string& to);
    virtual void Remove(const std::string& path);
};

// Writes the results to a new, uniquely named file beside `path` and moves it to `path`
// only once every byte is written and the file closed, so a reader never finds a partial
// file there. On failure the new file is removed, `path` is left as it was, and the result
// is false.
bool WriteResultsFile(const std::string& path, const ModelState& s, ResultsFiles& files);
bool WriteResultsFile(const std::string& path, const ModelState& s);

}  // namespace velmar
