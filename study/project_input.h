// A project as the engine reads it, for a study to start from.
#pragma once

#include <string>

#include "model/model_state.h"

namespace velmar::study {

// Reads the project file into the engine's start state. A file that cannot be opened, a
// folder, or a file whose first line names no project file version is refused, naming
// the file and the reason.
void ReadStudyProject(const std::string& path, ModelState& s);

}  // namespace velmar::study
