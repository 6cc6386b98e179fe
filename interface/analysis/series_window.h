// The Time Series window: the project run over a dated record of its inputs, step by step at
// steady state, with a modelled constituent's concentrations and flow over the record, its
// outflow duration curve and the loads by year and month, on the study library.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

// Shows the window over the main window, for the project as it stands.
void ShowSeriesWindow(Ui& ui);

}  // namespace velmar
