// The Sweep window: one input (or two, for a family of curves) varied over a range, the
// project run at every step on the study library, and removal efficiency or outflow charted.
#pragma once

#include <vector>

#include "interface/analysis/study_inputs.h"
#include "interface/platform/ui.h"

namespace velmar {

// Shows the window over the main window, for the project as it stands (what a save would
// write now), with the inputs it may vary.
void ShowSweepWindow(Ui& ui, std::vector<StudyInput> inputs);

}  // namespace velmar
