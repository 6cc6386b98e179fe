// Monte Carlo uncertainty: the project run with its uncertain inputs drawn from their
// distributions, and the spread of every result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "study/distributions.h"
#include "study/evaluation.h"
#include "study/progress.h"
#include "study/result_statistics.h"
#include "study/row_writer.h"

namespace velmar::study {

// The fields and distributions that "FIELD=KIND(parameters)" arguments give.
struct UncertainInputs {
    std::vector<InputField> fields;
    std::vector<Distribution> distributions;
};
UncertainInputs ParseUncertainInputs(const std::vector<std::string>& arguments);

// Each input's 5th and 95th percentiles: far enough apart to show whether the input matters.
std::vector<std::vector<double>> Spreads(const UncertainInputs& inputs);

struct Sampling {
    std::int64_t samples = 0;
    std::uint64_t seed = 1;
    bool latin_hypercube = false;
};

// What is kept of every sample besides the statistics, when anything is: `keep` runs on a
// worker thread for each sample of a block in turn (its number, inputs and results) and may
// add rows to the block's; `write` runs on the calling thread for each row, in order.
struct SampleKeeper {
    std::function<void(std::size_t, std::span<const double>, const ResultValues&, std::vector<std::string>&)>
        keep;
    std::function<void(const std::string&)> write;
};

// The names of the statistics of a result, in order.
extern const std::vector<std::string> kStatisticNames;

struct UncertaintyOutcome {
    std::size_t done = 0;      // samples run: all unless interrupted
    std::size_t unsolved = 0;  // of which the phosphorus solution did not converge
    ResultMoments moments;
    ResultSketches quantiles;

    // Result j's n, mean, sd and percentiles, as kStatisticNames names them.
    std::vector<double> Statistics(std::size_t j) const;
};

// Refuses a number of samples below 1.
void CheckSampling(const Sampling& sampling);

// Runs the samples on `threads` threads. The same seed gives the same samples and statistics
// on any number of threads.
void RunUncertainty(const Study& study, const std::vector<Distribution>& distributions,
                    const Sampling& sampling, int threads, const SampleKeeper& keeper, Progress& progress,
                    UncertaintyOutcome& outcome);

// The statistics as velmar-study uncertainty writes them: for people (Format::Table) the
// modelled constituents' quantities under a heading, else one row per result.
void WriteUncertaintySummary(std::ostream& out, Format format, const Study& study, const Sampling& sampling,
                             const UncertaintyOutcome& outcome);

}  // namespace velmar::study
