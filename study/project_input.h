// A project as the engine reads it, for a study to start from.
#pragma once

#include <string>

#include "model/model_state.h"

namespace velmar::study {

// Reads the project file into the engine's start state. A file that cannot be opened, a
// folder, a device or pipe, a file larger than any project file can be, or a file whose
// first line names no project file version is refused, naming the file and the reason. So
// is a file the engine would read other than meant, though the engine itself runs it: one
// that ends before the last entry of its version, or holds where a value belongs something
// that is not one (not a number, not finite, a whole number out of range, a name of two
// words), naming the line (from 1) and what belongs there.
void ReadStudyProject(const std::string& path, ModelState& s);

}  // namespace velmar::study
