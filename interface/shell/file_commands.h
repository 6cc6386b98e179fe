// The File menu's project commands and the save prompts around them.
#pragma once

#include <string>

#include "interface/platform/ui.h"

namespace velmar {

// Save (as_new false) and Save As (as_new true); also the save step of the close request
// and of Run Model. True when the caller may go on: the project was written, or the user
// chose not to save at the exit prompt. False when the user cancelled or the file could not
// be written; a write failure has been reported to the user with the system's reason.
// When the ".inp" added to a typed name names an existing file, the user is asked before it
// is replaced; answering No shows the save dialog again.
bool SaveProject(Ui& ui, bool as_new);

void NewProject(Ui& ui);

// Reads a project chosen by the user. A file that cannot be read is reported and leaves the
// current project and its file name as they were.
void OpenProject(Ui& ui);

// The name a project is saved under: the chosen name, with ".inp" appended unless it ends
// in ".inp" in any case.
std::string WithProjectExtension(const std::string& chosen);

}  // namespace velmar
