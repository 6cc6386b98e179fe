// velmar-study uncertainty: Monte Carlo over uncertain inputs, the spread of every result.
#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/distributions.h"
#include "study/evaluation.h"
#include "study/latin_hypercube.h"
#include "study/ordered_parallel.h"
#include "study/output_target.h"
#include "study/random_stream.h"
#include "study/result_statistics.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

constexpr std::size_t kBlock = 512;
constexpr const char* kForm = "FIELD=KIND(parameters)";
constexpr double kPercentiles[] = {5, 25, 50, 75, 95};
const std::vector<std::string> kStatisticColumns = {"n", "mean", "sd", "p5", "p25", "p50", "p75", "p95"};

// What a worker thread writes sample after sample, on cache lines of its own: two workers
// writing into one line would hand it back and forth between their cores.
struct alignas(64) Worker {
    ModelState state;
    ResultSketches sketches;
};

struct Block {
    ResultMoments moments;
    std::size_t unsolved = 0;          // samples whose phosphorus solution did not converge
    std::vector<std::string> samples;  // rows of the samples file, when asked for
};

// The statistics of one result as cells: n, mean, sd and the percentiles.
std::vector<double> Statistics(const Moments& m, const QuantileSketch& q) {
    if (m.Count() == 0) return {0, NAN, NAN, NAN, NAN, NAN, NAN, NAN};
    std::vector<double> cells = {static_cast<double>(m.Count()), m.Mean(), m.StandardDeviation()};
    for (double p : kPercentiles) cells.push_back(q.Quantile(p / 100));
    return cells;
}

}  // namespace

int Uncertainty(const UncertaintyOptions& o) {
    std::vector<std::string> texts;
    std::vector<InputField> fields = FieldsOf(o.distributions, texts, kForm);
    std::vector<Distribution> distributions;
    for (const std::string& text : texts) distributions.push_back(ParseDistribution(text));
    if (o.samples < 1) throw StudyError("-n: the number of samples must be at least 1");
    const Study study(o.project, std::move(fields));
    const auto n = static_cast<std::size_t>(o.samples);
    const LatinHypercube hypercube(o.seed, n);

    OutputTarget samples_target(o.samples_file);
    std::unique_ptr<RowWriter> samples_writer;
    if (!o.samples_file.empty()) {
        std::vector<std::string> leading = {"sample"};
        for (const InputField& f : study.inputs().fields()) leading.push_back(f.name);
        samples_writer = MakeRowWriter(o.format == Format::Json ? Format::Json : Format::Csv,
                                       samples_target.Open(), WithResultColumns(leading));
    }

    std::vector<Worker> workers(static_cast<std::size_t>(o.threads));
    const std::size_t dimensions = distributions.size();
    const auto produce = [&](int w, std::size_t begin, std::size_t end) {
        Worker& worker = workers[static_cast<std::size_t>(w)];
        Block block;
        BlockStatistics statistics(worker.sketches);
        ModelState& s = worker.state;
        std::vector<double> inputs(dimensions);
        for (std::size_t i = begin; i < end; ++i) {
            SampleStream stream(o.seed, i);
            for (std::size_t d = 0; d < dimensions; ++d) {
                double u = stream.Uniform();
                if (o.latin_hypercube) u = hypercube.Uniform(static_cast<int>(d), i, u);
                inputs[d] = distributions[d].Quantile(u);
            }
            ResultValues& v = statistics.Next();
            study.Evaluate(inputs, s, v);
            block.unsolved += PhosphorusUnsolved(v);
            if (samples_writer) {
                std::vector<Cell> row = {static_cast<double>(i)};
                row.insert(row.end(), inputs.begin(), inputs.end());
                AppendResults(row, v);
                block.samples.push_back(samples_writer->RowText(row));
            }
        }
        block.moments = statistics.Finish();
        return block;
    };
    ResultMoments moments;
    std::size_t unsolved = 0;
    const auto consume = [&](Block&& block) {
        unsolved += block.unsolved;
        for (std::size_t j = 0; j < kResultCount; ++j) moments[j].Merge(block.moments[j]);
        for (const std::string& row : block.samples) samples_writer->Write(row);
    };
    Progress progress("uncertainty", n);
    const std::size_t done = RunBlocksInOrder(n, kBlock, o.threads, produce, consume, progress);
    if (samples_writer) {
        samples_writer->Finish();
        samples_target.Close();
    }
    if (unsolved > 0) {
        NoteUnsolvedPhosphorus("in " + std::to_string(unsolved) + " of " + std::to_string(done) + " samples",
                               "their TP results are left out of the statistics");
    }

    ResultSketches& quantiles = workers[0].sketches;
    for (std::size_t w = 1; w < workers.size(); ++w) {
        for (std::size_t j = 0; j < kResultCount; ++j) quantiles[j].Merge(workers[w].sketches[j]);
    }
    OutputTarget target(o.output);
    std::ostream& out = target.Open();
    if (o.format == Format::Table) {
        const std::string heading = study.project() + ": " + std::to_string(done) + " samples" +
                                    (o.latin_hypercube ? " (Latin hypercube)" : "") + ", seed " +
                                    std::to_string(o.seed);
        WriteQuantitySummary(out, heading, study.base(), {"mean", "sd", "p5", "p25", "p50", "p75", "p95"},
                             [&](std::size_t j) {
                                 std::vector<std::string> cells;
                                 const std::vector<double> stats = Statistics(moments[j], quantiles[j]);
                                 for (std::size_t k = 1; k < stats.size(); ++k)
                                     cells.push_back(ShortNumber(stats[k]));
                                 return cells;
                             });
    } else {
        std::vector<std::string> columns = {"result"};
        columns.insert(columns.end(), kStatisticColumns.begin(), kStatisticColumns.end());
        const std::unique_ptr<RowWriter> writer = MakeRowWriter(o.format, out, columns);
        for (std::size_t j = 0; j < kResultCount; ++j) {
            std::vector<Cell> row = {std::string(ResultName(j))};
            for (double x : Statistics(moments[j], quantiles[j])) row.emplace_back(x);
            writer->Row(row);
        }
        writer->Finish();
    }
    target.Close();
    return EndStatus(done, n, "samples", 0);
}

}  // namespace velmar::study
