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

// A level a result is to meet: an outflow concentration at or below it, a removal efficiency
// at or above it.
struct ResultTarget {
    std::size_t result;
    double value;
    bool at_most;

    bool MetBy(double x) const { return at_most ? x <= value : x >= value; }
    // "TPoutConc<=0.1"
    std::string Text() const;
};

// "RESULT=VALUE" arguments. A result that is neither an outflow concentration nor a removal
// efficiency, or one given twice, is refused.
std::vector<ResultTarget> ParseResultTargets(const std::vector<std::string>& arguments);

// The share of the samples with a value that met a target, and its 95 % Wilson score
// interval: unlike the normal approximation it stays within 0 to 1 and holds up for few
// samples and for shares near 0 or 1.
struct TargetChance {
    std::size_t met = 0;
    std::size_t n = 0;

    double Share() const;
    double Low() const;
    double High() const;
};

// The names of a target's columns, in order: the target, met, n, share, low95, high95.
extern const std::vector<std::string> kTargetColumnNames;

struct UncertaintyOutcome {
    std::size_t done = 0;      // samples run: all unless interrupted
    FlawTally flaws;           // of which some results are no value
    ResultMoments moments;
    ResultSketches quantiles;
    std::vector<ResultTarget> targets;  // set before the run
    std::vector<TargetChance> chances;  // of meeting each target, counted by the run

    // Result j's n, mean, sd and percentiles, as kStatisticNames names them.
    std::vector<double> Statistics(std::size_t j) const;

    // The notes of the samples whose results are left out of the statistics.
    std::vector<std::string> Notes() const;
};

// Refuses a number of samples below 1.
void CheckSampling(const Sampling& sampling);

// Runs the samples on `threads` threads. The same seed gives the same samples and statistics
// on any number of threads.
void RunUncertainty(const Study& study, const std::vector<Distribution>& distributions,
                    const Sampling& sampling, int threads, const SampleKeeper& keeper, Progress& progress,
                    UncertaintyOutcome& outcome);

// The statistics as velmar-study uncertainty writes them: for people (Format::Table) the
// modelled constituents' quantities under a heading, else one row per result; then, when
// there are targets, the chance of meeting each (CSV: a second table after an empty line;
// JSON: an object of the two arrays, "results" and "targets").
void WriteUncertaintySummary(std::ostream& out, Format format, const Study& study, const Sampling& sampling,
                             const UncertaintyOutcome& outcome);

}  // namespace velmar::study
