// The 95 results of a run under their value names ("RE_TN", "ContamRemovalRate[3]").
#pragma once

#include <array>
#include <bitset>
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

// What a run gave that is no value: the results that came out not a number or infinite, and
// those past a physical limit (a removal efficiency above 100 %, a negative concentration), which
// the engine's arithmetic reaches at extreme inputs. The results of a phosphorus solution that
// did not converge are told apart and are in neither.
struct ResultFlaws {
    bool phosphorus_unsolved = false;
    std::bitset<kResultCount> not_finite, past_limit;
};

// The runs of a study with results that are no value: how many of each kind, and which results.
struct FlawTally {
    std::size_t outside = 0;                     // runs not made: an input its field cannot take
    std::size_t unsolved = 0;                    // runs whose phosphorus solution did not converge
    std::size_t not_finite = 0, past_limit = 0;  // runs with such results
    std::bitset<kResultCount> not_finite_results, past_limit_results;

    void Add(const ResultFlaws& f);
    void Merge(const FlawTally& t);
};

// The results of a run, in the results file's order, with every flawed one not a number, so that
// statistics, plots and searches leave it out. When the phosphorus solution did not converge,
// the results that follow from it (TP removal rate, efficiency and outflow, KtpH and the
// solution's concentrations and fractions) are not a number either: the engine's removal
// efficiency of -999, its zero rate and the outflow worked from them are no values to average,
// plot or search.
ResultFlaws CollectResults(const ModelState& s, ResultValues& out);

}  // namespace velmar::study
