// The front end's one project record and the shell's state around it.
#pragma once

#include <cstdint>
#include <string>

#include "project/record.h"

namespace velmar {

// How Run Model puts the project on disk; loaded at start-up, stored at every close request.
struct ProgramOptions {
    std::int32_t AutoSave = 0;
    std::int32_t TempSave = 1;
    std::int32_t PromptMe = 0;
};

struct ShellState {
    std::string current_file;  // full path of the project file; empty until saved or opened
    bool file_open = false;    // set by Open, cleared by New
    bool changes = false;      // set by every accepted screen, cleared by a save, New and Open
    bool exiting = false;      // set while the close request asks to save, or the disclaimer was declined
    ProgramOptions options;
};

ProjectRecord& Project();
ShellState& Shell();

// Clears the entry state and gives every field its default, as start-up, New and Open do.
void ClearProject();

}  // namespace velmar
