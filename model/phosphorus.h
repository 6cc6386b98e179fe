// Total phosphorus: a user-specified rate, the steady-state sorption model of an
// established wetland, or the partition estimate of a new wetland.
#pragma once

#include "model/model_state.h"

namespace velmar {

// Returns false when the computation must end here (an established or new wetland
// whose TSS data are missing): the contaminants are then not modelled.
bool ComputePhosphorus(ModelState& s);

// Residuals F[1..5] and matrix J = -dF/dY of the established-wetland equations at Y.
void EvaluatePhosphorusSystem(ModelState& s);

}  // namespace velmar
