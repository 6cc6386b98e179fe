// Monte Carlo uncertainty of the project as the front end holds it, run in process by the same
// study as `velmar-study uncertainty`: the statistics of every result, the samples of the
// results a histogram may show, and the histogram.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "interface/analysis/size_study.h"
#include "interface/analysis/study_inputs.h"
#include "interface/platform/chart.h"
#include "study/progress.h"
#include "study/uncertainty.h"

namespace velmar {

// A kind of distribution as the window offers it: its name as velmar-study takes it and the
// labels of its parameters (two, or three). The window offers uniform, triangular, normal and
// lognormal, in that order.
struct DistributionChoice {
    const char* name;
    std::size_t count;
    std::array<const char*, 3> labels;
};
extern const std::array<DistributionChoice, 4> kDistributionChoices;

// The parameters suggested for an input at its present value: 20 % either side for uniform and
// triangular, a tenth of it as the standard deviation, a factor of two as the geometric one.
std::array<std::string, 3> SuggestedParameters(std::size_t kind, double present);

// An input with its distribution, as velmar-study reads it: "uniform(40000,60000)".
struct UncertainInput {
    StudyInput input;
    std::string distribution;
};

// The uncertain input the parameters typed make, or why they make none, in words for the user:
// no input chosen, a parameter that is not a number, parameters that describe no distribution,
// an input already among the `added`.
struct UncertainInputOrError {
    std::optional<UncertainInput> input;
    std::string error;
};
UncertainInputOrError MakeUncertainInput(const std::vector<UncertainInput>& added, const StudyInput* input,
                                         std::size_t kind, const std::array<std::string, 3>& parameters);

// A list item: "Avg. Annual Area (m^2): uniform(40000, 60000)".
std::string UncertainInputText(const UncertainInput& input);

struct UncertaintyRequest {
    std::vector<UncertainInput> inputs;
    std::string samples, seed;  // as typed
    bool latin_hypercube = false;
    std::string target;  // "RESULT=VALUE" for the result charted, or empty
};

// Why the request cannot run, in words for the user, or nothing when it can.
std::optional<std::string> UncertaintyRequestError(const UncertaintyRequest& request);

// The command that writes the same CSV from a saved project, for a request that can run.
std::string UncertaintyCommand(const UncertaintyRequest& request, const std::string& project_file);

// Allocates without setting the values: a column of a million samples is written once, by the
// threads that compute them, rather than cleared first on the window's (which held the progress
// bar still for a tenth of a second while the memory was handed over).
template <typename T>
struct UnsetAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UnsetAllocator<U>;
    };
    template <typename U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// Every sample's value of one result.
using SampleColumn = std::vector<double, UnsetAllocator<double>>;

// What a study found: the CSV velmar-study writes, and for each of the results asked for its
// statistics (n, mean, sd, p5, p25, p50, p75, p95) and every sample's value.
struct UncertaintyTable {
    std::string csv;
    std::vector<StudyResult> results;
    std::vector<std::vector<double>> statistics;
    std::vector<SampleColumn> samples;
    std::vector<std::string> notes;  // of samples whose results are left out, and of inputs that
                                     // change no result, as the command gives them
};

// Runs the samples on a project file on every core, keeping the values of `results` only,
// telling `watch` how far it has come; nothing when it was cancelled.
std::optional<UncertaintyTable> RunUncertaintyStudy(const UncertaintyRequest& request,
                                                    const std::vector<StudyResult>& results,
                                                    const std::string& project_file,
                                                    const study::ProgressWatch& watch);

// The statistics of every result, a few lines each, for the window's summary.
std::string UncertaintySummary(const UncertaintyTable& table);

// The level typed for result k to meet (an outflow at or below it, a removal efficiency at or
// above), or nothing when the text is not a number.
std::optional<study::ResultTarget> UncertaintyTarget(const UncertaintyTable& table, std::size_t k,
                                                     const std::string& typed);

// The chance that result k meets the target, in words: the share of the samples with its 95 %
// interval.
std::string ChanceText(const UncertaintyTable& table, std::size_t k, const study::ResultTarget& target);

// The histogram of result k (by position in the table's results), its 5th, 50th and 95th
// percentiles marked, and the target when there is one.
Chart UncertaintyChart(const UncertaintyTable& table, std::size_t k,
                       const std::optional<study::ResultTarget>& target);

}  // namespace velmar
