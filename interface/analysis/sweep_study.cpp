#include "interface/analysis/sweep_study.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "project/number_text.h"
#include "study/commands.h"
#include "study/constituents.h"
#include "study/evaluation.h"
#include "study/input_effects.h"
#include "study/row_writer.h"

namespace velmar {
namespace {

// More curves than a chart's legend can tell apart. It also bounds the study: two inputs of a
// thousand steps each would be a million runs and a CSV file of gigabytes in the temporary folder.
constexpr int kMostCurves = 20;

// Why a range cannot run, the steps of its input at most `most_steps`.
std::optional<std::string> RangeError(const SweepRange& range, bool log, int most_steps,
                                      const char* steps_are) {
    const std::string& label = range.input.label;
    const std::optional<double> from = TypedNumber(range.from);
    const std::optional<double> to = TypedNumber(range.to);
    if (!from) return "From of " + label + " must be a number.";
    if (!to) return "To of " + label + " must be a number.";
    if (!(*from < *to)) return "From must be less than To for " + label + ".";
    if (log && !(*from > 0)) return "Logarithmic steps need From and To greater than 0 for " + label + ".";
    const std::optional<int> steps = TypedWholeNumber<int>(range.steps);
    if (!steps || *steps < 2 || *steps > most_steps) {
        return "Steps of " + label + " must be a whole number from 2 to " + std::to_string(most_steps) +
               " (" + steps_are + ").";
    }
    return std::nullopt;
}

std::string VaryArgument(const SweepRange& range) {
    return range.input.name + "=" + TrimmedText(range.from) + ":" + TrimmedText(range.to) + ":" +
           TrimmedText(range.steps);
}

std::vector<double> RowNumbers(const std::string& line) {
    std::vector<double> numbers;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(',', start);
        if (end == std::string::npos) end = line.size();
        double value = std::nan("");
        ReadNumber(line.data() + start, line.data() + end, value);
        numbers.push_back(value);
        start = end + 1;
    }
    return numbers;
}

SweepTable ReadTable(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    SweepTable table{text.str(), {}};
    std::istringstream lines(table.csv);
    std::string line;
    std::getline(lines, line);  // the column names
    while (std::getline(lines, line)) table.rows.push_back(RowNumbers(line));
    return table;
}

}  // namespace

std::string ShellWord(const std::string& word) {
    const bool plain = !word.empty() && word.find_first_not_of(
                                            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "0123456789_-+=.,:/[]@%") == std::string::npos;
    if (plain) return word;
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::optional<std::string> SweepRequestError(const SweepRequest& request) {
    for (const SweepRange& range : request.ranges) {
        if (range.input.name.empty()) return "Choose the input to vary from the list.";
    }
    if (request.ranges.size() == 2 && request.ranges[0].input.name == request.ranges[1].input.name)
        return "The second input must be another input than the first.";
    if (auto error = RangeError(request.ranges[0], request.log, kMostSteps,
                                "the values from From to To, both included"))
        return error;
    if (request.ranges.size() == 2) {
        return RangeError(request.ranges[1], request.log, kMostCurves,
                          "a curve for each value from From to To");
    }
    return std::nullopt;
}

std::string SweepCommand(const SweepRequest& request, const std::string& project_file) {
    std::string command = "velmar-study sweep " + ShellWord(project_file);
    for (const SweepRange& range : request.ranges) command += " --vary " + ShellWord(VaryArgument(range));
    if (request.log) command += " --log";
    return command;
}

std::optional<SweepTable> RunSweepStudy(const SweepRequest& request, const std::string& project_file,
                                        const study::ProgressWatch& watch) {
    study::SweepOptions options;
    options.watch = watch;
    options.project = project_file;
    for (const SweepRange& range : request.ranges) options.vary.push_back(VaryArgument(range));
    options.log = request.log;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::filesystem::path csv = project_file + ".csv";
    options.output = csv.string();
    std::vector<std::string> notes;
    options.note = [&notes](const std::string& note) { notes.push_back(note); };
    const int status = study::Sweep(options);
    std::optional<SweepTable> table;
    if (status != study::kInterruptedStatus) {
        table = ReadTable(csv);
        table->notes = std::move(notes);
        if (request.ranges.size() == 1) {
            const study::Study study(project_file, {study::FindInputField(request.ranges[0].input.name)});
            table->whole_volume_ratio = study::WholeVolumeRatioCrossing(
                study, *TypedNumber(request.ranges[0].from), *TypedNumber(request.ranges[0].to));
        }
    }
    std::error_code ignored;
    std::filesystem::remove(csv, ignored);
    return table;
}

Chart SweepChart(const SweepRequest& request, const SweepTable& table, const ProjectRecord& r,
                 const std::vector<std::size_t>& constituents, SweepMeasure measure) {
    const bool efficiency = measure == SweepMeasure::Efficiency;
    const StudyInput& first = request.ranges[0].input;
    const AxisScale scale = request.log ? AxisScale::Log : AxisScale::Linear;
    const std::vector<study::ConstituentResults> modelled = study::ModelledConstituents(r);
    // Outflows in more than one unit (coliforms are counted per 100 mL) share the axis, and
    // each line names its own.
    std::set<std::string> units;
    for (std::size_t k : constituents) units.insert(modelled.at(k).unit);
    const bool own_units = !efficiency && units.size() > 1;
    const std::size_t inputs = request.ranges.size();
    // A family's lines are named by the second input's value alone, the input itself in the
    // title: names that repeat its label do not fit the legend.
    const std::optional<ChartAxis> second =
        inputs == 2 ? std::optional(InputAxis(request.ranges[1].input, scale)) : std::nullopt;
    Chart chart{.title = (efficiency ? "Removal efficiency against " : "Outflow concentration against ") +
                         InputAxis(first, scale).title + (second ? ", a line for each " + second->title : ""),
                .x = InputAxis(first, scale),
                .y = efficiency  ? ChartAxis{"RE", "%"}
                     : own_units ? ChartAxis{"Outflow", ""}
                                 : ChartAxis{"Outflow", units.empty() ? "" : *units.begin()}};
    const std::size_t curves =
        inputs == 2 ? static_cast<std::size_t>(*TypedWholeNumber<int>(request.ranges[1].steps)) : 1;
    for (std::size_t k : constituents) {
        const study::ConstituentResults& c = modelled.at(k);
        const std::optional<std::size_t> result = efficiency ? c.efficiency : c.outflow;
        if (!result) continue;
        const std::size_t column = inputs + *result;
        // The grid runs the second input innermost: curve j is every curves-th row from j.
        for (std::size_t j = 0; j < curves; ++j) {
            ChartSeries line{own_units ? c.name + " (" + c.unit + ")" : c.name, {}};
            if (second && j < table.rows.size()) {
                line.name +=
                    ", " + PlainNumber(table.rows[j][1]) + (second->unit.empty() ? "" : " " + second->unit);
            }
            for (std::size_t i = j; i < table.rows.size(); i += curves)
                line.points.push_back({table.rows[i][0], table.rows[i].at(column)});
            chart.series.push_back(std::move(line));
        }
    }
    const double present = CurrentValue(r, first.name);
    chart.markers.push_back({ChartMarker::Vertical, present, "Present value (" + PlainNumber(present) + ")"});
    MarkWholeVolumeRatio(chart, table);
    return chart;
}

std::optional<std::string> WholeVolumeRatioNote(const StudyInput& input, const SweepTable& table) {
    if (!table.whole_volume_ratio) return std::nullopt;
    return "The curve bends where " + input.label + " is " + RoundedNumber(*table.whole_volume_ratio) +
           ": there the length-to-width ratio passes 10, and the detention time suggested for "
           "longitudinal gradients changes from 0.84 (1 - e^(-0.59 L/W)) of V/Q to the whole of V/Q.";
}

void MarkWholeVolumeRatio(Chart& chart, const SweepTable& table) {
    if (!table.whole_volume_ratio) return;
    chart.markers.push_back({ChartMarker::Vertical, *table.whole_volume_ratio,
                             "L/W = 10 (" + RoundedNumber(*table.whole_volume_ratio) + ")"});
}

}  // namespace velmar
