// The engine's run: read the project data file, compute, write "Results.txt".
#pragma once

#include "model/model_state.h"
#include "model/results_writer.h"

namespace velmar {

// The computations of one run, in their fixed order, over a state already read.
void ComputeModel(ModelState& s);

// The whole program: returns the exit status, 0 or -1. It fails with nothing written when
// there is no data-file argument or the data file cannot be opened for reading and update,
// and with no results file left when the results cannot be written in full (an earlier
// one is then left as it was). Only the first argument is used.
int RunEngine(int argc, const char* const* argv, ModelState& s, ResultsFiles& files);

}  // namespace velmar
