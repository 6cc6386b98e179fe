// Reading the project data file into the engine's state.
#pragma once

#include <cstdio>

#include "model/model_state.h"

namespace velmar {

// Every input zero (names empty) except the few the engine starts at other values.
void SetEngineStartValues(ModelState& s);

// Reads an open project data file over the state's inputs, by position.
void ReadModelInput(std::FILE* file, ModelState& s);

}  // namespace velmar
