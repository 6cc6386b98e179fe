// The engine's run: read the project data file, compute, write "Results.txt".
#pragma once

#include "model/model_state.h"

namespace velmar {

// The computations of one run, in their fixed order, over a state already read.
void ComputeModel(ModelState& s);

// The whole program: returns the exit status (0, or -1 with nothing written when there
// is no data-file argument, the data file cannot be opened for reading and update, or
// the results file cannot be written). Only the first argument is used.
int RunEngine(int argc, const char* const* argv, ModelState& s);

}  // namespace velmar
