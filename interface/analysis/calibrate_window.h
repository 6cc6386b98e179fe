// The Calibrate window: chosen fields of the project, or the P-k-C* k and C* of a constituent,
// fitted to monitoring data, with the estimates, their intervals and the agreement with the
// observations, on the study library; the estimates can be written into the project.
#pragma once

#include <vector>

#include "interface/analysis/study_inputs.h"
#include "interface/platform/ui.h"

namespace velmar {

// Shows the window over the main window, for the project as it stands; `inputs` are offered to fit.
void ShowCalibrateWindow(Ui& ui, std::vector<StudyInput> inputs);

}  // namespace velmar
