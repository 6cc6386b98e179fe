// The program options kept in the options store from one run to the next: how Run Model
// puts the project on disk.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

// The Options command.
void ShowProgramOptions(Ui& ui);

// Reads AutoSave, TempSave and PromptMe; each one missing or not stored as a 4-byte integer
// takes its default (0, 1, 0).
void LoadProgramOptions(Ui& ui);

// Writes the three options.
void SaveProgramOptions(Ui& ui);

}  // namespace velmar
