// The Compare with P-k-C* window: for each modelled constituent the design method has
// constants for, the outflow against wetland area of the model (plug flow and fully mixed)
// and of P-k-C* with its 30th to 70th percentile band, on the study library.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

// Shows the window over the main window, for the project as it stands.
void ShowCompareWindow(Ui& ui);

}  // namespace velmar
