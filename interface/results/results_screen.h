// The results screen shown after a model run.
#pragma once

#include "interface/platform/ui.h"
#include "project/results_layout.h"

namespace velmar {

// The results read back after the last run that the project record has no field for; the
// reports read them. They live as long as the program runs.
ModelResults& KeptResults();

// Reads "Results.txt" from the current directory into the screen and the kept values, and
// shows it until the user closes it.
void ShowResultsScreen(Ui& ui, Owner owner);

}  // namespace velmar
