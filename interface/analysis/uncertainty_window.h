// The Uncertainty window: uncertain inputs with their distributions, sampled on the study
// library; the statistics of the results and the histogram of one.
#pragma once

#include <vector>

#include "interface/analysis/study_inputs.h"
#include "interface/platform/ui.h"

namespace velmar {

// Shows the window over the main window, for the project as it stands, with the inputs it
// may make uncertain.
void ShowUncertaintyWindow(Ui& ui, std::vector<StudyInput> inputs);

}  // namespace velmar
