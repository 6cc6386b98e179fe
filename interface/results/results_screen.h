// The results screen shown after a model run.
#pragma once

#include <string>

#include "interface/platform/ui.h"
#include "project/results_layout.h"

namespace velmar {

// The results read back after the last run that the project record has no field for; the
// reports read them. They live as long as the program runs.
ModelResults& KeptResults();

// Shows the results of a model run until the user closes it. After a run that succeeded it
// reads the engine's results file (by default "Results.txt" in the current directory) into
// the screen and the kept values; after one that failed, or when the file is missing or
// incomplete, it tells the user that the model produced no results and keeps nothing.
void ShowResultsScreen(Ui& ui, Owner owner, bool run_succeeded,
                       const std::string& results_file = kResultsFileName);

}  // namespace velmar
