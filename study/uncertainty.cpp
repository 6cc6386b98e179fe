#include "study/uncertainty.h"

#include <cmath>
#include <memory>

#include "study/latin_hypercube.h"
#include "study/ordered_parallel.h"
#include "study/random_stream.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

constexpr std::size_t kBlock = 512;
constexpr const char* kForm = "FIELD=KIND(parameters)";
constexpr double kPercentiles[] = {5, 25, 50, 75, 95};

// What a worker thread writes sample after sample, on cache lines of its own: two workers
// writing into one line would hand it back and forth between their cores.
struct alignas(64) Worker {
    ModelState state;
    ResultSketches sketches;
};

struct Block {
    ResultMoments moments;
    std::size_t unsolved = 0;       // samples whose phosphorus solution did not converge
    std::vector<std::string> kept;  // rows the keeper made
};

}  // namespace

const std::vector<std::string> kStatisticNames = {"n", "mean", "sd", "p5", "p25", "p50", "p75", "p95"};

UncertainInputs ParseUncertainInputs(const std::vector<std::string>& arguments) {
    std::vector<std::string> texts;
    UncertainInputs inputs{FieldsOf(arguments, texts, kForm), {}};
    for (const std::string& text : texts) inputs.distributions.push_back(ParseDistribution(text));
    return inputs;
}

std::vector<std::vector<double>> Spreads(const UncertainInputs& inputs) {
    std::vector<std::vector<double>> spreads;
    for (const Distribution& d : inputs.distributions) spreads.push_back({d.Quantile(0.05), d.Quantile(0.95)});
    return spreads;
}

void CheckSampling(const Sampling& sampling) {
    if (sampling.samples < 1) throw StudyError("-n: the number of samples must be at least 1");
}

std::vector<double> UncertaintyOutcome::Statistics(std::size_t j) const {
    const Moments& m = moments[j];
    if (m.Count() == 0) return {0, NAN, NAN, NAN, NAN, NAN, NAN, NAN};
    std::vector<double> cells = {static_cast<double>(m.Count()), m.Mean(), m.StandardDeviation()};
    for (double p : kPercentiles) cells.push_back(quantiles[j].Quantile(p / 100));
    return cells;
}

void RunUncertainty(const Study& study, const std::vector<Distribution>& distributions,
                    const Sampling& sampling, int threads, const SampleKeeper& keeper, Progress& progress,
                    UncertaintyOutcome& outcome) {
    CheckSampling(sampling);
    const auto n = static_cast<std::size_t>(sampling.samples);
    const LatinHypercube hypercube(sampling.seed, n);
    std::vector<Worker> workers(static_cast<std::size_t>(threads));
    const std::size_t dimensions = distributions.size();
    const auto produce = [&](int w, std::size_t begin, std::size_t end) {
        Worker& worker = workers[static_cast<std::size_t>(w)];
        Block block;
        BlockStatistics statistics(worker.sketches);
        ModelState& s = worker.state;
        std::vector<double> inputs(dimensions);
        for (std::size_t i = begin; i < end; ++i) {
            SampleStream stream(sampling.seed, i);
            for (std::size_t d = 0; d < dimensions; ++d) {
                double u = stream.Uniform();
                if (sampling.latin_hypercube) u = hypercube.Uniform(static_cast<int>(d), i, u);
                inputs[d] = distributions[d].Quantile(u);
            }
            ResultValues& v = statistics.Next();
            study.Evaluate(inputs, s, v);
            block.unsolved += PhosphorusUnsolved(v);
            if (keeper.keep) keeper.keep(i, inputs, v, block.kept);
        }
        block.moments = statistics.Finish();
        return block;
    };
    const auto consume = [&](Block&& block) {
        outcome.unsolved += block.unsolved;
        for (std::size_t j = 0; j < kResultCount; ++j) outcome.moments[j].Merge(block.moments[j]);
        for (const std::string& row : block.kept) keeper.write(row);
    };
    outcome.done = RunBlocksInOrder(n, kBlock, threads, produce, consume, progress);
    outcome.quantiles = std::move(workers[0].sketches);
    for (std::size_t w = 1; w < workers.size(); ++w) {
        for (std::size_t j = 0; j < kResultCount; ++j) outcome.quantiles[j].Merge(workers[w].sketches[j]);
    }
}

void WriteUncertaintySummary(std::ostream& out, Format format, const Study& study, const Sampling& sampling,
                             const UncertaintyOutcome& outcome) {
    if (format == Format::Table) {
        const std::string heading = study.project() + ": " + std::to_string(outcome.done) + " samples" +
                                    (sampling.latin_hypercube ? " (Latin hypercube)" : "") + ", seed " +
                                    std::to_string(sampling.seed);
        WriteQuantitySummary(out, heading, study.base(), {"mean", "sd", "p5", "p25", "p50", "p75", "p95"},
                             [&](std::size_t j) {
                                 std::vector<std::string> cells;
                                 const std::vector<double> stats = outcome.Statistics(j);
                                 for (std::size_t k = 1; k < stats.size(); ++k)
                                     cells.push_back(ShortNumber(stats[k]));
                                 return cells;
                             });
        return;
    }
    std::vector<std::string> columns = {"result"};
    columns.insert(columns.end(), kStatisticNames.begin(), kStatisticNames.end());
    const std::unique_ptr<RowWriter> writer = MakeRowWriter(format, out, columns);
    for (std::size_t j = 0; j < kResultCount; ++j) {
        std::vector<Cell> row = {std::string(ResultName(j))};
        for (double x : outcome.Statistics(j)) row.emplace_back(x);
        writer->Row(row);
    }
    writer->Finish();
}

}  // namespace velmar::study
