// The inputs the analysis windows may vary: every number the data-entry screens take.
#pragma once

#include <vector>

#include "interface/analysis/study_inputs.h"

namespace velmar {

// Each number field of the screens once, by its label (a contaminant slot's prefixed with the
// slot), in the screens' order.
std::vector<StudyInput> ScreenInputs();

}  // namespace velmar
