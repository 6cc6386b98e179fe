// The engine's state for one run: the project's inputs (under the record's names), the
// computed results, and the phosphorus solver's working arrays.
#pragma once

#include <cstdint>

#include "project/record.h"
#include "project/results_layout.h"

namespace velmar {

constexpr int kSystemSize = 5;        // unknowns of the established-wetland phosphorus model
constexpr int kIterationLimit = 150;  // Newton passes allowed beyond the first

// Arrays indexed from 1 like the equations; element 0 of F is a spare that the
// substitution may address through a zero in the permutation record.
struct SolverState {
    double F[kSystemSize + 1];
    double J[kSystemSize + 1][kSystemSize + 1];
    int P[kSystemSize + 1];  // row interchanged with each row; kept between passes
    std::int32_t iter;
};

struct ModelState : ProjectRecord, ModelResults {
    SolverState solver;
};

}  // namespace velmar
