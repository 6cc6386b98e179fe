// The Size window: the value of one input at which a result reaches a target, found on the
// study library, with the curve of the result against the input.
#pragma once

#include <vector>

#include "interface/analysis/study_inputs.h"
#include "interface/platform/ui.h"

namespace velmar {

// Shows the window over the main window, for the project as it stands, with the inputs it
// may vary.
void ShowSizeWindow(Ui& ui, std::vector<StudyInput> inputs);

}  // namespace velmar
