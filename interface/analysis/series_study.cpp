#include "interface/analysis/series_study.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <sstream>
#include <thread>

#include "interface/analysis/study_inputs.h"
#include "interface/analysis/sweep_study.h"
#include "study/constituents.h"
#include "study/row_writer.h"
#include "study/summary_table.h"

namespace velmar {
namespace {

// The summary's columns the window shows, with their headings: the record's removal beside the
// steady run's first, as a reader compares them; Export CSV writes every column.
struct ShownColumn {
    const char* heading;
    std::size_t column;  // in study::SeriesSummaryColumns
};
constexpr ShownColumn kShownColumns[] = {
    {"Period", 0},   {"Constituent", 1}, {"Removed (%)", 8},  {"Steady RE (%)", 15},
    {"FWM in", 9},   {"FWM out", 10},    {"Steady out", 16},  {"Out p90", 12},
    {"Out max", 14}, {"Limit", 17},      {"Steps above", 18}, {"Steps", 2},
};

std::string CellText(const study::Cell& cell) {
    if (const auto* text = std::get_if<std::string>(&cell)) return *text;
    return study::ShortNumber(std::get<double>(cell));
}

std::string SummaryCsv(const std::vector<study::SeriesSummaryRow>& rows) {
    std::ostringstream out;
    const std::unique_ptr<study::RowWriter> writer =
        study::MakeRowWriter(study::Format::Csv, out, study::SeriesSummaryColumns());
    for (const study::SeriesSummaryRow& row : rows) writer->Row(study::SeriesSummaryCells(row));
    writer->Finish();
    return out.str();
}

// Keeps what the charts draw of each step of a block.
void Keep(SeriesOutcome& outcome, const study::SeriesBlock& block) {
    const std::size_t n = outcome.constituents.size();
    const std::size_t width = study::OutcomeWidth(n);
    for (std::size_t i = 0; i < block.dates.size(); ++i) {
        const double* values = block.outcomes.data() + i * width;
        outcome.starts.push_back(static_cast<double>(block.starts[i].seconds));
        outcome.durations.push_back(static_cast<double>(block.seconds[i]));
        outcome.flows.push_back(values[0]);
        for (std::size_t k = 0; k < n; ++k) {
            outcome.inflows[k].push_back(values[1 + 3 * k]);
            outcome.outflows[k].push_back(values[3 + 3 * k]);
        }
    }
}

std::vector<ChartPoint> Points(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<ChartPoint> points;
    for (std::size_t i = 0; i < x.size(); ++i) points.push_back({x[i], y[i]});
    return points;
}

}  // namespace

// The series computes every outflow, asked for on the screens or not, under the names the plan
// gives them; the constituents come in the same order from both.
std::vector<SeriesChoice> SeriesChoices(const ProjectRecord& r) {
    const std::vector<study::ConstituentResults> modelled = study::ModelledConstituents(r);
    const study::SeriesPlan plan = study::PlanSeries({}, r, "1", {});
    std::vector<SeriesChoice> choices;
    for (std::size_t k = 0; k < modelled.size(); ++k)
        choices.push_back({modelled[k].name, modelled[k].unit, plan.constituents.at(k).outflow_name});
    return choices;
}

std::string SeriesLimit(const SeriesChoice& choice, const std::string& typed) {
    if (TrimmedText(typed).empty()) return "";
    return choice.outflow + "=" + TrimmedText(typed);
}

std::optional<std::string> SeriesRequestError(const SeriesRequest& request, const std::string& typed_limit) {
    if (request.record.empty()) return "Choose the record to run: a CSV file of dates and inputs.";
    const std::optional<int> month = TypedWholeNumber<int>(request.year_start);
    if (!month || *month < 1 || *month > 12)
        return "The year start must be the number of the month a year begins: 1 for calendar years, "
               "10 for water years from October.";
    if (!TrimmedText(typed_limit).empty()) {
        const std::optional<double> limit = TypedNumber(typed_limit);
        if (!limit || !(*limit >= 0)) return "The outflow limit must be a number of 0 or more, or empty.";
    }
    return std::nullopt;
}

std::string SeriesCommand(const SeriesRequest& request, const std::string& project_file) {
    std::string command = "velmar-study series " + ShellWord(project_file) + " " + ShellWord(request.record);
    if (TrimmedText(request.year_start) != "1") command += " --year-start " + TrimmedText(request.year_start);
    if (!request.limit.empty()) command += " --limit " + ShellWord(request.limit);
    return command;
}

std::optional<SeriesOutcome> RunSeriesStudy(const SeriesRequest& request, const std::string& project_file,
                                            const study::ProgressWatch& watch) {
    const study::RecordSource source = [&request] { return study::OpenRecordFile(request.record); };
    study::SeriesRecord record = study::CheckSeriesRecord(source, request.record);
    const study::Study study(project_file, record.fields);
    std::vector<std::string> limits;
    if (!request.limit.empty()) limits.push_back(request.limit);
    const study::SeriesPlan plan =
        study::PlanSeries(std::move(record), study.base(), request.year_start, limits);
    const std::size_t steps = plan.record.steps;

    SeriesOutcome outcome{.constituents = SeriesChoices(study.base()), .limits = plan.limits};
    outcome.inflows.resize(plan.constituents.size());
    outcome.outflows.resize(plan.constituents.size());
    // Written as the blocks arrive: a long record's cells are never all held at once.
    std::ostringstream steps_csv;
    const std::unique_ptr<study::RowWriter> writer =
        study::MakeRowWriter(study::Format::Csv, steps_csv, study::SeriesStepColumns(plan));
    study::SeriesSummary summary(study, plan);
    study::Progress progress("series", steps, watch);
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::size_t done =
        study::RunSeries(study, plan, source, threads, progress, [&](study::SeriesBlock&& block) {
            summary.Add(block);
            Keep(outcome, block);
            for (std::size_t i = 0; i < block.dates.size(); ++i)
                writer->Row(study::SeriesStepCells(plan, block, i));
        });
    if (done < steps) return std::nullopt;

    writer->Finish();
    outcome.steps_csv = steps_csv.str();
    outcome.summary = summary.Finish();
    outcome.summary_csv = SummaryCsv(outcome.summary);
    outcome.notes = summary.Notes(done);
    return outcome;
}

Chart SeriesTimeChart(const SeriesOutcome& outcome, std::size_t k) {
    const SeriesChoice& c = outcome.constituents[k];
    Chart chart{.title = c.name + " over the record. " + kQuasiSteadyNote + ".",
                .x = {"Date", "", AxisScale::Dates},
                .y = {c.name + " concentration", c.unit},
                .y2 = {"Flow", "m^3/s"}};
    // The flow first, so that the concentrations are drawn over its storm peaks.
    chart.series.push_back({"Flow", Points(outcome.starts, outcome.flows), true});
    chart.series.push_back({"Inflow " + c.name, Points(outcome.starts, outcome.inflows[k])});
    chart.series.push_back({"Outflow " + c.name, Points(outcome.starts, outcome.outflows[k])});
    return chart;
}

Chart SeriesDurationChart(const SeriesOutcome& outcome, std::size_t k) {
    const SeriesChoice& c = outcome.constituents[k];
    const std::vector<double>& outflow = outcome.outflows[k];
    // Highest first; a step without an outflow takes no share of the time.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < outflow.size(); ++i) {
        if (std::isfinite(outflow[i])) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return outflow[a] > outflow[b]; });
    const double total = std::accumulate(order.begin(), order.end(), 0.0, [&](double sum, std::size_t i) {
        return sum + outcome.durations[i];
    });
    // Each step holds its concentration over its share of the time: a level at the left edge of
    // its share is exceeded for none of it, at the right edge for all of the share before.
    ChartSeries curve{"Outflow " + c.name, {}};
    double before = 0;
    for (std::size_t i : order) {
        curve.points.push_back({100 * before / total, outflow[i]});
        before += outcome.durations[i];
        curve.points.push_back({100 * before / total, outflow[i]});
    }
    Chart chart{.title = c.name + " outflow duration curve. " + kQuasiSteadyNote + ".",
                .x = {"Time the concentration is reached or exceeded", "%"},
                .y = {c.name + " outflow", c.unit}};
    chart.series.push_back(std::move(curve));
    if (std::isfinite(outcome.limits[k]))
        chart.markers.push_back(
            {ChartMarker::Horizontal, outcome.limits[k], "Limit " + PlainNumber(outcome.limits[k])});
    return chart;
}

std::string SeriesSummaryText(const SeriesOutcome& outcome) {
    std::vector<std::vector<std::string>> lines(1);
    for (const ShownColumn& c : kShownColumns) lines[0].emplace_back(c.heading);
    for (const study::SeriesSummaryRow& row : outcome.summary) {
        const std::vector<study::Cell> cells = study::SeriesSummaryCells(row);
        lines.emplace_back();
        for (const ShownColumn& c : kShownColumns) lines.back().push_back(CellText(cells[c.column]));
    }
    std::ostringstream text;
    study::WriteAligned(text, lines);
    for (const std::string& note : outcome.notes) text << "\nNote: " << note << "\n";
    return text.str();
}

}  // namespace velmar
