// Writing "Results.txt".
#pragma once

#include <cstdio>

#include "model/model_state.h"

namespace velmar {

// Writes the 95 results entries; false when a write fails.
bool WriteResults(std::FILE* file, const ModelState& s);

}  // namespace velmar
