#include "interface/analysis/uncertainty_study.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <set>
#include <sstream>
#include <thread>

#include "interface/analysis/sweep_study.h"
#include "project/csv_text.h"
#include "study/distributions.h"
#include "study/evaluation.h"
#include "study/input_effects.h"
#include "study/study_error.h"
#include "study/uncertainty.h"

namespace velmar {
namespace {

// More samples than a window should keep the values of, or wait for.
constexpr std::int64_t kMostSamples = 1000000;
// A histogram has about the square root of the number of samples as bars, at most this many.
constexpr std::size_t kMostBars = 40;
// A result with no more values than this gets a bar for each.
constexpr std::size_t kMostValueBars = 2 * kMostBars;
// The spread suggested about the present value.
constexpr double kUniformSpread = 0.2;
constexpr double kRelativeSd = 0.1;
constexpr double kGeometricSd = 2;

std::string Parameters(const std::array<std::string, 3>& parameters, std::size_t count,
                       const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += (i ? separator : "") + TrimmedText(parameters[i]);
    return text;
}

std::string DistArgument(const UncertainInput& u) {
    return u.input.name + "=" + u.distribution;
}

std::vector<std::string> DistArguments(const UncertaintyRequest& request) {
    std::vector<std::string> arguments;
    for (const UncertainInput& u : request.inputs) arguments.push_back(DistArgument(u));
    return arguments;
}

// A result that takes only a few values (the model rounds some of its workings, so a result can
// step rather than vary smoothly) gets a bar for each value, reaching halfway to its neighbours:
// bars of equal width would hold one value or two by chance, and draw a comb.
std::vector<double> BarsAboutValues(const std::set<double>& distinct) {
    const std::vector<double> values(distinct.begin(), distinct.end());
    std::vector<double> edges = {values[0] - (values[1] - values[0]) / 2};
    for (std::size_t i = 1; i < values.size(); ++i) edges.push_back((values[i - 1] + values[i]) / 2);
    edges.push_back(values.back() + (values.back() - values[values.size() - 2]) / 2);
    return edges;
}

// The edges of the histogram's bars over the values: a bar about each value when they are few,
// else equal widths from the least to the greatest.
std::vector<double> BarEdges(const SampleColumn& values) {
    double low = std::numeric_limits<double>::infinity(), high = -low;
    std::size_t count = 0;
    std::set<double> distinct;
    for (double x : values) {
        if (std::isnan(x)) continue;
        low = std::min(low, x);
        high = std::max(high, x);
        ++count;
        if (distinct.size() <= kMostValueBars) distinct.insert(x);
    }
    if (count == 0) return {};
    if (distinct.size() > 1 && distinct.size() <= kMostValueBars) return BarsAboutValues(distinct);
    if (low == high) {  // a result the inputs do not move: one bar about its value
        low -= 0.5;
        high += 0.5;
    }
    const auto bars = std::clamp<std::size_t>(static_cast<std::size_t>(std::sqrt(count)), 1, kMostBars);
    std::vector<double> edges;
    for (std::size_t k = 0; k <= bars; ++k)
        edges.push_back(low + (high - low) * static_cast<double>(k) / bars);
    edges.back() = high;
    return edges;
}

std::string Statistics(const StudyResult& result, const std::vector<double>& s) {
    if (s[0] == 0) return result.label + "\n  no value: no sample gave one\n";
    return result.label + "\n  mean " + ShownNumber(s[1]) + ", sd " + ShownNumber(s[2]) + "\n  p5 " +
           ShownNumber(s[3]) + ", p25 " + ShownNumber(s[4]) + ", p50 " + ShownNumber(s[5]) + "\n  p75 " +
           ShownNumber(s[6]) + ", p95 " + ShownNumber(s[7]) + "\n";
}

}  // namespace

const std::array<DistributionChoice, 4> kDistributionChoices = {{
    {"uniform", 2, {"Low:", "High:", ""}},
    {"triangular", 3, {"Low:", "Mode:", "High:"}},
    {"normal", 2, {"Mean:", "SD:", ""}},
    {"lognormal", 2, {"GM:", "GSD:", ""}},
}};

std::array<std::string, 3> SuggestedParameters(std::size_t kind, double present) {
    const double x = std::isfinite(present) ? present : 0;
    const double low = x == 0 ? 0 : std::min(x * (1 - kUniformSpread), x * (1 + kUniformSpread));
    const double high = x == 0 ? 1 : std::max(x * (1 - kUniformSpread), x * (1 + kUniformSpread));
    switch (kind) {
        case 0: return {PlainNumber(low), PlainNumber(high), ""};
        case 1: return {PlainNumber(low), PlainNumber(x == 0 ? 0.5 : x), PlainNumber(high)};
        case 2: return {PlainNumber(x), PlainNumber(x == 0 ? 1 : std::abs(x) * kRelativeSd), ""};
        default: return {x > 0 ? PlainNumber(x) : "", PlainNumber(kGeometricSd), ""};
    }
}

UncertainInputOrError MakeUncertainInput(const std::vector<UncertainInput>& added, const StudyInput* input,
                                         std::size_t kind, const std::array<std::string, 3>& parameters) {
    if (input == nullptr) return {std::nullopt, "Choose the uncertain input from the list."};
    for (const UncertainInput& u : added) {
        if (u.input.name == input->name) {
            return {std::nullopt,
                    input->label +
                        " is already an uncertain input: remove it first to give it another distribution."};
        }
    }
    const DistributionChoice& choice = kDistributionChoices.at(kind);
    for (std::size_t i = 0; i < choice.count; ++i) {
        if (!TypedNumber(parameters[i])) {
            const std::string label = choice.labels[i];
            return {std::nullopt, label.substr(0, label.size() - 1) + " must be a number."};
        }
    }
    const std::string text = std::string(choice.name) + "(" + Parameters(parameters, choice.count, ",") + ")";
    try {
        study::ParseDistribution(text);
    } catch (const study::StudyError& e) {
        // "distribution 'uniform(2,1)': low must be below high": the reason, after the quoted text.
        const std::string message = e.what();
        const auto reason = message.find("': ");
        return {std::nullopt, input->label + ": " +
                                  (reason == std::string::npos ? message : message.substr(reason + 3)) + "."};
    }
    return {UncertainInput{*input, text}, {}};
}

std::string UncertainInputText(const UncertainInput& input) {
    std::string shown;
    for (char c : input.distribution) shown += c == ',' ? std::string(", ") : std::string(1, c);
    return input.input.label + ": " + shown;
}

std::optional<std::string> UncertaintyRequestError(const UncertaintyRequest& request) {
    if (request.inputs.empty())
        return "Add at least one uncertain input: choose it, give its distribution and press Add.";
    const std::optional<std::int64_t> samples = TypedWholeNumber<std::int64_t>(request.samples);
    if (!samples || *samples < 1 || *samples > kMostSamples)
        return "Samples must be a whole number from 1 to " + std::to_string(kMostSamples) + ".";
    if (!TypedWholeNumber<std::uint64_t>(request.seed)) return "The seed must be a whole number, 0 or more.";
    return std::nullopt;
}

std::string UncertaintyCommand(const UncertaintyRequest& request, const std::string& project_file) {
    std::string command = "velmar-study uncertainty " + ShellWord(project_file);
    for (const std::string& argument : DistArguments(request)) command += " --dist " + ShellWord(argument);
    // The numbers as read, so that the command cannot read "010" otherwise than the window did.
    command += " -n " + std::to_string(*TypedWholeNumber<std::int64_t>(request.samples)) + " --seed " +
               std::to_string(*TypedWholeNumber<std::uint64_t>(request.seed));
    if (request.latin_hypercube) command += " --lhs";
    if (!request.target.empty()) command += " --target " + ShellWord(request.target);
    return command;
}

std::optional<UncertaintyTable> RunUncertaintyStudy(const UncertaintyRequest& request,
                                                    const std::vector<StudyResult>& results,
                                                    const std::string& project_file,
                                                    const study::ProgressWatch& watch) {
    const study::UncertainInputs inputs = study::ParseUncertainInputs(DistArguments(request));
    const study::Sampling sampling{*TypedWholeNumber<std::int64_t>(request.samples),
                                   *TypedWholeNumber<std::uint64_t>(request.seed), request.latin_hypercube};
    const study::Study study(project_file, inputs.fields);
    UncertaintyTable table{.results = results};
    study::CommonOptions notes;
    notes.note = [&table](const std::string& note) { table.notes.push_back(note); };
    study::NoteInputsWithoutEffect(notes, study, study::Spreads(inputs));
    const auto n = static_cast<std::size_t>(sampling.samples);
    std::vector<std::size_t> kept;
    for (const StudyResult& r : results) kept.push_back(study::FindResult(r.name));

    for (std::size_t k = 0; k < kept.size(); ++k) table.samples.emplace_back(n);
    // Each sample is run once, on one thread: its slot in every column is its own.
    study::SampleKeeper keeper;
    keeper.keep = [&](std::size_t i, std::span<const double>, const study::ResultValues& v,
                      std::vector<std::string>&) {
        for (std::size_t k = 0; k < kept.size(); ++k) table.samples[k][i] = v[kept[k]];
    };
    study::UncertaintyOutcome outcome;
    if (!request.target.empty()) outcome.targets = study::ParseResultTargets({request.target});
    study::Progress progress("uncertainty", n, watch);
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    study::RunUncertainty(study, inputs.distributions, sampling, threads, keeper, progress, outcome);
    if (outcome.done < n) return std::nullopt;

    std::ostringstream csv;
    study::WriteUncertaintySummary(csv, study::Format::Csv, study, sampling, outcome);
    table.csv = csv.str();
    for (std::size_t j : kept) table.statistics.push_back(outcome.Statistics(j));
    for (std::string& note : outcome.Notes()) table.notes.push_back(std::move(note));
    return table;
}

std::string UncertaintySummary(const UncertaintyTable& table) {
    std::string text;
    for (std::size_t k = 0; k < table.results.size(); ++k)
        text += Statistics(table.results[k], table.statistics[k]);
    // The command's notes on the samples, as sentences (a note on an input is told apart).
    for (std::string note : table.notes) {
        if (note.ends_with(study::kChangesNoResult)) continue;
        note[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(note[0])));
        text += note + ".\n";
    }
    return text;
}

std::optional<study::ResultTarget> UncertaintyTarget(const UncertaintyTable& table, std::size_t k,
                                                     const std::string& typed) {
    const std::optional<double> value = TypedNumber(typed);
    if (!value) return std::nullopt;
    const std::vector<study::ResultTarget> targets =
        study::ParseResultTargets({table.results.at(k).name + "=" + NumberText(*value)});
    return targets.front();
}

std::string ChanceText(const UncertaintyTable& table, std::size_t k, const study::ResultTarget& target) {
    study::TargetChance chance;
    for (double v : table.samples.at(k)) {
        if (std::isnan(v)) continue;
        ++chance.n;
        chance.met += target.MetBy(v);
    }
    if (chance.n == 0) return "No sample has a value to meet the target.";
    const auto percent = [](double share) { return ShownNumber(100 * share); };
    return std::string(target.at_most ? "At or below" : "At or above") + " the target in " +
           percent(chance.Share()) + " % of samples (95 % interval " + percent(chance.Low()) + " to " +
           percent(chance.High()) + " %).";
}

Chart UncertaintyChart(const UncertaintyTable& table, std::size_t k,
                       const std::optional<study::ResultTarget>& target) {
    const StudyResult& result = table.results.at(k);
    const ChartAxis x = InputAxis({result.label, {}}, AxisScale::Linear);
    Chart chart{.title = "Histogram of " + x.title, .x = x, .y = {"Samples", ""}};
    const std::vector<double> edges = BarEdges(table.samples[k]);
    if (edges.empty()) return chart;
    std::vector<std::size_t> counts(edges.size() - 1);
    for (double v : table.samples[k]) {
        if (std::isnan(v)) continue;
        const auto above = std::upper_bound(edges.begin(), edges.end(), v) - edges.begin();
        ++counts[std::min(counts.size(), static_cast<std::size_t>(above)) - 1];
    }
    // The outline of the bars, from the axis up and back down.
    ChartSeries bars{"Samples", {{edges[0], 0}}};
    for (std::size_t b = 0; b < counts.size(); ++b) {
        const auto count = static_cast<double>(counts[b]);
        bars.points.push_back({edges[b], count});
        bars.points.push_back({edges[b + 1], count});
    }
    bars.points.push_back({edges.back(), 0});
    chart.series.push_back(std::move(bars));
    const std::vector<double>& s = table.statistics[k];
    chart.markers.push_back({ChartMarker::Vertical, s[3], "5th percentile (" + ShownNumber(s[3]) + ")"});
    chart.markers.push_back({ChartMarker::Vertical, s[5], "Median (" + ShownNumber(s[5]) + ")"});
    chart.markers.push_back({ChartMarker::Vertical, s[7], "95th percentile (" + ShownNumber(s[7]) + ")"});
    if (target) {
        chart.markers.push_back(
            {ChartMarker::Vertical, target->value, "Target (" + ShownNumber(target->value) + ")"});
    }
    return chart;
}

}  // namespace velmar
