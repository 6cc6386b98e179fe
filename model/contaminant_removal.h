// Organic chemicals (or short-lived radionuclides) and heavy metals (or long-lived
// radionuclides): partitioning, removal rates and efficiencies, outflow and sediment
// concentrations.
#pragma once

#include "model/model_state.h"

namespace velmar {

void ComputeContaminants(ModelState& s);
void ComputeContaminantConcentrations(ModelState& s);

}  // namespace velmar
