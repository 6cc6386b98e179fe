// The 95 results of a run under their value names ("RE_TN", "ContamRemovalRate[3]").
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/model_state.h"

namespace velmar::study {

constexpr std::size_t kResultCount = kResultsEntryCount;
using ResultValues = std::array<double, kResultCount>;

inline const char* ResultName(std::size_t i) {
    return kResultsEntries[i].value;
}

// The position of the result of that name; an unknown name is refused with the nearest ones.
std::size_t FindResult(std::string_view name);

// The results of a run, in the results file's order. When the phosphorus solution did not
// converge, the results that follow from it (TP removal rate, efficiency and outflow, KtpH and
// the solution's concentrations and fractions) are not a number: the engine's removal
// efficiency of -999, its zero rate and the outflow worked from them are no values to average,
// plot or search.
void CollectResults(const ModelState& s, ResultValues& out);

// Whether these results come from a run whose phosphorus solution did not converge.
bool PhosphorusUnsolved(const ResultValues& v);

}  // namespace velmar::study
