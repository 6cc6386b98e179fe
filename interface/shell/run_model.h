// Running the model: putting the project on disk, starting the engine, showing its results.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

// The Run Model command.
void RunModel(Ui& ui);

// The Save Data prompt: 1 for the temporary data file, 2 to save the current file, -1 when
// cancelled.
int AskSaveData(Ui& ui);

}  // namespace velmar
