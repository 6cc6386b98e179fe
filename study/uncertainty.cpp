#include "study/uncertainty.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include "study/command_support.h"
#include "study/latin_hypercube.h"
#include "study/ordered_parallel.h"
#include "study/parse_number.h"
#include "study/random_stream.h"
#include "study/sizing.h"
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
    FlawTally flaws;                    // samples with results that are no value
    std::vector<std::string> kept;      // rows the keeper made
    std::vector<TargetChance> chances;  // of the targets, over the block's samples
};

void Count(const std::vector<ResultTarget>& targets, const ResultValues& v,
           std::vector<TargetChance>& chances) {
    for (std::size_t t = 0; t < targets.size(); ++t) {
        const double x = v[targets[t].result];
        if (std::isnan(x)) continue;
        ++chances[t].n;
        chances[t].met += targets[t].MetBy(x);
    }
}

// The half-width of the 95 % interval in standard deviations, and the interval's centre
// and half-width for a share.
double Z95() {
    static const double z = NormalQuantile(0.975);
    return z;
}

std::pair<double, double> WilsonInterval(const TargetChance& c) {
    const double n = static_cast<double>(c.n), p = c.Share(), z2 = Z95() * Z95();
    const double scale = 1 / (1 + z2 / n);
    const double centre = scale * (p + z2 / (2 * n));
    const double half = scale * Z95() * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    // With none or all met, the end at 0 or 1 is exact; rounding would leave a trace of it.
    return {c.met == 0 ? 0 : std::max(0.0, centre - half), c.met == c.n ? 1 : std::min(1.0, centre + half)};
}

std::string Percent(double share) {
    return ShortNumber(100 * share) + " %";
}

void WriteTargetLines(std::ostream& out, const UncertaintyOutcome& outcome) {
    out << "\nChance of meeting each target (share of the samples, with its 95 % Wilson score interval):\n";
    for (std::size_t t = 0; t < outcome.targets.size(); ++t) {
        const TargetChance& c = outcome.chances[t];
        out << "  " << outcome.targets[t].Text() << ": " << Percent(c.Share()) << " (" << Percent(c.Low())
            << " to " << Percent(c.High()) << "), " << c.met << " of " << c.n << " samples\n";
    }
}

void WriteTargetRows(std::ostream& out, Format format, const UncertaintyOutcome& outcome) {
    const std::unique_ptr<RowWriter> writer = MakeRowWriter(format, out, kTargetColumnNames);
    for (std::size_t t = 0; t < outcome.targets.size(); ++t) {
        const TargetChance& c = outcome.chances[t];
        writer->Row({outcome.targets[t].Text(), static_cast<double>(c.met), static_cast<double>(c.n),
                     c.Share(), c.Low(), c.High()});
    }
    writer->Finish();
}

// A distribution is continuous: over a whole-number field it would stand for a discrete one
// the user never stated, so it is refused there. One whose support is given (uniform,
// triangular) may not reach below 0 for a field with a sign; the normal distribution's tail
// always does, and its rare draws below 0 are not run but counted.
void CheckDistribution(const InputField& f, const Distribution& d, const std::string& text) {
    const std::string what = "distribution '" + text + "' for " + f.name;
    if (f.whole)
        throw StudyError(what + ": " + f.name +
                         " takes whole numbers only, and distributions give fractions");
    if (d.kind != DistributionKind::Normal) CheckFieldRange(f, d.Lowest(), d.Lowest(), what);
}

}  // namespace

const std::vector<std::string> kStatisticNames = {"n", "mean", "sd", "p5", "p25", "p50", "p75", "p95"};
const std::vector<std::string> kTargetColumnNames = {"target", "met", "n", "share", "low95", "high95"};

std::string ResultTarget::Text() const {
    return std::string(ResultName(result)) + (at_most ? "<=" : ">=") + NumberText(value);
}

std::vector<ResultTarget> ParseResultTargets(const std::vector<std::string>& arguments) {
    std::vector<ResultTarget> targets;
    for (const std::string& argument : arguments) {
        const SizeTarget t = ParseSizeTarget(argument);
        const ResultsKind kind = kResultsEntries[t.result].kind;
        if (kind != ResultsKind::Outflow && kind != ResultsKind::Efficiency) {
            throw StudyError("--target '" + argument +
                             "': a target is an outflow concentration or a removal efficiency");
        }
        for (const ResultTarget& earlier : targets) {
            if (earlier.result == t.result) {
                throw StudyError("--target: " + std::string(ResultName(t.result)) +
                                 " is given more than once");
            }
        }
        targets.push_back({t.result, t.value, kind == ResultsKind::Outflow});
    }
    return targets;
}

double TargetChance::Share() const {
    return n == 0 ? NAN : static_cast<double>(met) / static_cast<double>(n);
}

double TargetChance::Low() const {
    return n == 0 ? NAN : WilsonInterval(*this).first;
}

double TargetChance::High() const {
    return n == 0 ? NAN : WilsonInterval(*this).second;
}

UncertainInputs ParseUncertainInputs(const std::vector<std::string>& arguments) {
    std::vector<std::string> texts;
    UncertainInputs inputs{FieldsOf(arguments, texts, kForm), {}};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        inputs.distributions.push_back(ParseDistribution(texts[i]));
        CheckDistribution(inputs.fields[i], inputs.distributions.back(), texts[i]);
    }
    return inputs;
}

std::vector<std::vector<double>> Spreads(const UncertainInputs& inputs) {
    std::vector<std::vector<double>> spreads;
    for (const Distribution& d : inputs.distributions)
        spreads.push_back({d.Quantile(0.05), d.Quantile(0.95)});
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

std::vector<std::string> UncertaintyOutcome::Notes() const {
    return FlawNotes(flaws, OfTotal("in", done, "samples"), "their TP results are left out of the statistics",
                     "they are left out of the statistics");
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
        block.chances.resize(outcome.targets.size());
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
            if (study.inputs().Admit(inputs)) {
                block.flaws.Add(study.Evaluate(inputs, s, v));
                Count(outcome.targets, v, block.chances);
            } else {
                v.fill(std::numeric_limits<double>::quiet_NaN());
                ++block.flaws.outside;
            }
            if (keeper.keep) keeper.keep(i, inputs, v, block.kept);
        }
        block.moments = statistics.Finish();
        return block;
    };
    outcome.chances.assign(outcome.targets.size(), {});
    const auto consume = [&](Block&& block) {
        outcome.flaws.Merge(block.flaws);
        for (std::size_t t = 0; t < block.chances.size(); ++t) {
            outcome.chances[t].met += block.chances[t].met;
            outcome.chances[t].n += block.chances[t].n;
        }
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
        if (!outcome.targets.empty()) WriteTargetLines(out, outcome);
        return;
    }
    const bool targets = !outcome.targets.empty();
    const bool json = format == Format::Json;
    if (targets && json) out << "{\"results\": ";
    std::vector<std::string> columns = {"result"};
    columns.insert(columns.end(), kStatisticNames.begin(), kStatisticNames.end());
    const std::unique_ptr<RowWriter> writer = MakeRowWriter(format, out, columns);
    for (std::size_t j = 0; j < kResultCount; ++j) {
        std::vector<Cell> row = {std::string(ResultName(j))};
        for (double x : outcome.Statistics(j)) row.emplace_back(x);
        writer->Row(row);
    }
    writer->Finish();
    if (!targets) return;
    out << (json ? ", \"targets\": " : "\n");
    WriteTargetRows(out, format, outcome);
    if (json) out << "}\n";
}

}  // namespace velmar::study
