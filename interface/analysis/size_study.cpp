#include "interface/analysis/size_study.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "study/commands.h"
#include "study/constituents.h"
#include "study/results.h"
#include "study/row_writer.h"
#include "study/study_error.h"

namespace velmar {
namespace {

// Without a range the search spans a hundredth to a hundred times the present value, as the
// command's does; the curve is drawn at as many points as the search first tries.
constexpr double kDefaultSpan = 100;
constexpr int kCurvePoints = 33;

bool DefaultRange(const SizeRequest& request) {
    return request.from.empty() && request.to.empty();
}

std::pair<double, double> Range(const SizeRequest& request, double present) {
    if (DefaultRange(request)) return {present / kDefaultSpan, present * kDefaultSpan};
    return {*TypedNumber(request.from), *TypedNumber(request.to)};
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The point of the curve searched whose result lies nearest the target; nothing when the model
// gave no value anywhere.
std::optional<ChartPoint> Closest(const SizeRequest& request, const SizeOutcome& outcome) {
    const std::size_t column = 1 + study::FindResult(request.result.name);
    const double target = *TypedNumber(request.target);
    std::optional<ChartPoint> closest;
    for (const std::vector<double>& row : outcome.curve.rows) {
        const double y = row.at(column);
        if (std::isnan(y)) continue;
        if (!closest || std::abs(y - target) < std::abs(closest->y - target)) closest = ChartPoint{row[0], y};
    }
    return closest;
}

}  // namespace

std::optional<std::string> SizeRequestError(const SizeRequest& request, double present) {
    if (request.result.name.empty()) return "Choose the result to size for from the list.";
    if (!TypedNumber(request.target)) return "The target must be a number.";
    if (request.input.name.empty()) return "Choose the input to vary from the list.";
    if (DefaultRange(request)) {
        if (!(present > 0)) {
            return request.input.label + " is " + PlainNumber(present) +
                   " in the project: give From and To, the range to search.";
        }
        return std::nullopt;
    }
    const std::optional<double> from = TypedNumber(request.from), to = TypedNumber(request.to);
    if (!from || !to)
        return "From and To must be numbers, or both empty to search a hundredth to a hundred times the "
               "present value.";
    if (!(*from < *to)) return "From must be less than To for " + request.input.label + ".";
    return std::nullopt;
}

std::string SizeCommand(const SizeRequest& request, const std::string& project_file) {
    std::string command = "velmar-study size " + ShellWord(project_file) + " --target " +
                          ShellWord(request.result.name + "=" + request.target) + " --vary " +
                          ShellWord(request.input.name);
    if (!DefaultRange(request)) command += " --range " + ShellWord(request.from + ":" + request.to);
    return command;
}

std::optional<SizeOutcome> RunSizeStudy(const SizeRequest& request, const std::string& project_file,
                                        double present, const study::ProgressWatch& watch) {
    study::SizeOptions options;
    options.watch = watch;
    // What the search notes of the input the curve below notes too.
    options.note = [](const std::string&) {};
    options.project = project_file;
    options.target = request.result.name + "=" + request.target;
    options.vary = request.input.name;
    if (!DefaultRange(request)) options.range = request.from + ":" + request.to;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::string csv = project_file + ".csv";
    options.output = csv;
    SizeOutcome outcome;
    try {
        const int status = study::Size(options);
        if (status == study::kInterruptedStatus) return std::nullopt;
        outcome.csv = ReadFile(csv);
        std::remove(csv.c_str());
        const std::string row = outcome.csv.substr(outcome.csv.find('\n') + 1);
        const auto comma = row.find(',');
        outcome.value = std::stod(row.substr(0, comma));
        outcome.reached = std::stod(row.substr(comma + 1));
    } catch (const study::StudyError& e) {
        outcome.statement = e.what();
    }
    const auto [low, high] = Range(request, present);
    outcome.curve_request = {
        {{request.input, PlainNumber(low), PlainNumber(high), std::to_string(kCurvePoints)}},
        high >= kGeometricSpan * low && low > 0};
    // The ends as typed, so that the curve spans exactly the range searched.
    if (!DefaultRange(request)) {
        outcome.curve_request.ranges[0].from = request.from;
        outcome.curve_request.ranges[0].to = request.to;
    }
    std::optional<SweepTable> curve = RunSweepStudy(outcome.curve_request, project_file, watch);
    if (!curve) return std::nullopt;
    outcome.curve = std::move(*curve);
    return outcome;
}

std::string SizeAnswer(const SizeRequest& request, const SizeOutcome& outcome) {
    if (outcome.value) {
        return request.input.label + " = " + RoundedNumber(*outcome.value) + " gives " +
               request.result.label + " = " + RoundedNumber(outcome.reached) + " (target " + request.target +
               ").";
    }
    const std::optional<ChartPoint> closest = Closest(request, outcome);
    if (!closest) return "The target cannot be reached: " + outcome.statement + ".";
    const auto& ranges = outcome.curve_request.ranges[0];
    return "The target cannot be reached: " + request.result.label + " does not reach " + request.target +
           " for " + request.input.label + " from " + RoundedNumber(*TypedNumber(ranges.from)) + " to " +
           RoundedNumber(*TypedNumber(ranges.to)) + "; the closest is " + RoundedNumber(closest->y) +
           ", at " + RoundedNumber(closest->x) + ".";
}

const std::string& SizeCsv(const SizeOutcome& outcome) {
    return outcome.value ? outcome.csv : outcome.curve.csv;
}

Chart SizeChart(const SizeRequest& request, const SizeOutcome& outcome, const ProjectRecord& r) {
    const AxisScale scale = outcome.curve_request.log ? AxisScale::Log : AxisScale::Linear;
    const ChartAxis x = InputAxis(request.input, scale);
    ChartAxis y = InputAxis({request.result.label, {}}, AxisScale::Linear);
    Chart chart{.title = y.title + " against " + x.title, .x = x, .y = y};
    const std::size_t column = 1 + study::FindResult(request.result.name);
    ChartSeries line{request.result.label, {}};
    for (const std::vector<double>& row : outcome.curve.rows) line.points.push_back({row[0], row.at(column)});
    chart.series.push_back(std::move(line));
    chart.markers.push_back(
        {ChartMarker::Horizontal, *TypedNumber(request.target), "Target (" + request.target + ")"});
    MarkWholeVolumeRatio(chart, outcome.curve);
    if (outcome.value) {
        chart.markers.push_back(
            {ChartMarker::Vertical, *outcome.value, "Found (" + RoundedNumber(*outcome.value) + ")"});
    }
    const double present = CurrentValue(r, request.input.name);
    chart.markers.push_back({ChartMarker::Vertical, present, "Present value (" + PlainNumber(present) + ")"});
    return chart;
}

}  // namespace velmar
