#include "interface/analysis/calibrate_study.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <sstream>
#include <thread>

#include "interface/analysis/sweep_study.h"
#include "project/pkc_comparison.h"
#include "study/constituents.h"
#include "study/interrupt.h"
#include "study/project_input.h"
#include "study/summary_table.h"

namespace velmar {
namespace {

// "bod_decay_rate20" or "theta_bod=1:1.2", as --fit takes it.
std::string FitArgument(const FittedInput& fitted) {
    if (fitted.low.empty()) return fitted.input.name;
    return fitted.input.name + "=" + fitted.low + ":" + fitted.high;
}

study::CalibrationArguments ArgumentsOf(const CalibrationRequest& request) {
    study::CalibrationArguments a;
    if (request.method.pkc.empty()) {
        for (const FittedInput& f : request.fits) a.fit.push_back(FitArgument(f));
    }
    a.scale = request.linear ? study::ResidualScale::Linear : study::ResidualScale::Log;
    a.pkc = request.method.pkc;
    a.fit_cstar = request.method.fit_cstar;
    a.type = request.subsurface ? pkc::WetlandType::HorizontalSubsurface : pkc::WetlandType::FreeWaterSurface;
    a.tanks = TrimmedText(request.tanks);
    a.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return a;
}

std::string CsvOf(const study::Calibration& c) {
    std::ostringstream out;
    const std::unique_ptr<study::RowWriter> writer =
        study::MakeRowWriter(study::Format::Csv, out, study::CalibrationColumns(c));
    for (const std::vector<study::Cell>& row : study::CalibrationRows(c)) writer->Row(row);
    writer->Finish();
    return out.str();
}

std::string SummaryOf(const CalibrationRequest& request, const study::Calibration& c) {
    const std::string file = std::filesystem::path(request.observed).filename().string();
    std::ostringstream text;
    study::WriteCalibrationTable(
        text,
        (request.method.pkc.empty() ? "Fit to " : "P-k-C* fit of " + request.method.pkc + " to ") + file, c);
    for (const std::string& note : c.notes) text << "\nNote: " << note << "\n";
    return text.str();
}

// Each residual's conditions, by the observations' condition columns, each named as `inputs`
// label it.
void KeepConditions(const study::Observations& o, const std::vector<StudyInput>& inputs,
                    CalibrationOutcome& outcome) {
    const std::size_t n = o.conditions.size();
    outcome.at.assign(n, {});
    for (const study::CalibrationResidual& r : outcome.calibration.residuals) {
        const auto row =
            static_cast<std::size_t>(std::lower_bound(o.rows.begin(), o.rows.end(), r.row) - o.rows.begin());
        for (std::size_t c = 0; c < n; ++c) outcome.at[c].push_back(o.values[row * n + c]);
    }
    for (const study::InputField& field : o.conditions) {
        const auto input = std::find_if(inputs.begin(), inputs.end(),
                                        [&](const StudyInput& i) { return i.name == field.name; });
        outcome.conditions.push_back(input == inputs.end() ? StudyInput{field.name, field.name} : *input);
    }
}

// The unit of each observed result: its constituent's inflow's.
void KeepUnits(const study::Observations& o, const ProjectRecord& r, CalibrationOutcome& outcome) {
    const std::vector<study::ConstituentResults> modelled = study::ModelledConstituents(r);
    for (const study::ObservedAgreement& a : outcome.calibration.agreement) {
        const auto column =
            std::find_if(o.columns.begin(), o.columns.end(),
                         [&](const study::ObservedColumn& c) { return c.result == a.result; });
        const auto constituent =
            std::find_if(modelled.begin(), modelled.end(), [&](const study::ConstituentResults& m) {
                return column != o.columns.end() && m.efficiency == column->efficiency;
            });
        outcome.units.push_back(constituent == modelled.end() ? "" : constituent->unit);
    }
}

// The residuals of observed result k, each as the point `at` makes of it.
template <typename At>
std::vector<ChartPoint> PointsOf(const CalibrationOutcome& outcome, std::size_t k, const At& at) {
    const std::vector<study::CalibrationResidual>& residuals = outcome.calibration.residuals;
    std::vector<ChartPoint> points;
    for (std::size_t i = 0; i < residuals.size(); ++i) {
        if (residuals[i].result == outcome.calibration.agreement[k].result) points.push_back(at(i));
    }
    return points;
}

}  // namespace

std::string FittedInputText(const FittedInput& fitted) {
    const std::string item = InputItemText(fitted.input);
    if (fitted.low.empty()) return item + ": no bounds";
    return item + ": " + fitted.low + " to " + fitted.high;
}

FittedInputOrError MakeFittedInput(const std::vector<FittedInput>& added, const StudyInput* input,
                                   const std::string& low, const std::string& high) {
    if (input == nullptr) return {std::nullopt, "Choose the input to fit from the list."};
    for (const FittedInput& f : added) {
        if (f.input.name == input->name)
            return {std::nullopt,
                    input->label + " is already in the list: remove it first to give it other bounds."};
    }
    const std::string l = TrimmedText(low), h = TrimmedText(high);
    if (l.empty() && h.empty()) return {FittedInput{*input, "", ""}, {}};
    const std::optional<double> from = TypedNumber(l), to = TypedNumber(h);
    if (!from || !to)
        return {std::nullopt, "Low and High must be numbers, or both empty to keep the field's own bounds."};
    if (!(*from < *to)) return {std::nullopt, "Low must be less than High for " + input->label + "."};
    return {FittedInput{*input, l, h}, {}};
}

std::vector<CalibrationMethod> CalibrationMethods() {
    std::vector<CalibrationMethod> methods = {{"The fields in the list", "", false}};
    for (std::string_view name : PkcConstituentNames()) {
        const std::string n(name);
        methods.push_back({"P-k-C* k of " + n, n, false});
        methods.push_back({"P-k-C* k and C* of " + n, n, true});
    }
    return methods;
}

std::optional<std::string> CalibrationRequestError(const CalibrationRequest& request) {
    if (request.observed.empty())
        return "Choose the observations: a CSV file of sampled conditions and observed outflows.";
    if (request.method.pkc.empty() && request.fits.empty())
        return "Add the fields to fit to the list, or choose a P-k-C* fit.";
    const std::string tanks = TrimmedText(request.tanks);
    if (!request.method.pkc.empty() && !tanks.empty() && tanks != "plug") {
        const std::optional<double> p = TypedNumber(tanks);
        if (!p || !(*p > 0))
            return "Tanks P must be a number above 0, plug for plug flow, or empty for the published P.";
    }
    return std::nullopt;
}

std::string CalibrationCommand(const CalibrationRequest& request, const std::string& project_file) {
    const study::CalibrationArguments a = ArgumentsOf(request);
    std::string command =
        "velmar-study calibrate " + ShellWord(project_file) + " " + ShellWord(request.observed);
    for (const std::string& fit : a.fit) command += " --fit " + ShellWord(fit);
    if (request.linear) command += " --scale linear";
    if (a.pkc.empty()) return command;
    command += " --pkc " + a.pkc;
    if (a.fit_cstar) command += " --fit-cstar";
    if (request.subsurface) command += " --type hssf";
    if (!a.tanks.empty()) command += " --tanks " + ShellWord(a.tanks);
    return command;
}

std::optional<CalibrationOutcome> RunCalibrationStudy(const CalibrationRequest& request,
                                                      const std::vector<StudyInput>& inputs,
                                                      const std::string& project_file,
                                                      const study::ProgressWatch& watch) {
    const study::CalibrationArguments a = ArgumentsOf(request);
    const std::unique_ptr<std::istream> in = study::OpenRecordFile(request.observed);
    const study::Observations observations = study::ReadObservations(*in, a.scale);
    ModelState project;
    study::ReadStudyProject(project_file, project);
    study::Progress progress("calibrate", study::MostEvaluations(a.pkc.empty() ? a.fit.size() : 2), watch);
    CalibrationOutcome outcome{
        .calibration = study::Calibrate(project_file, project, observations, a, progress),
        .linear = request.linear};
    if (study::Interrupted()) return std::nullopt;
    outcome.csv = CsvOf(outcome.calibration);
    outcome.summary = SummaryOf(request, outcome.calibration);
    KeepConditions(observations, inputs, outcome);
    KeepUnits(observations, project, outcome);
    return outcome;
}

Chart CalibrationFitChart(const CalibrationOutcome& outcome, std::size_t k) {
    const std::vector<study::CalibrationResidual>& residuals = outcome.calibration.residuals;
    const std::string& result = outcome.calibration.agreement[k].result;
    const std::string& unit = outcome.units[k];
    ChartSeries samples{"Samples", PointsOf(outcome, k, [&](std::size_t i) {
                            return ChartPoint{residuals[i].observed, residuals[i].modelled};
                        })};
    samples.marks = true;
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (const ChartPoint& p : samples.points) {
        for (double v : {p.x, p.y}) {
            if (!std::isfinite(v)) continue;
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    Chart chart{.title = result + " at the fitted values: a sample on the line is modelled as observed.",
                .x = {"Observed " + result, unit},
                .y = {"Modelled " + result, unit}};
    chart.series.push_back(std::move(samples));
    if (low <= high) chart.series.push_back({"Modelled = observed", {{low, low}, {high, high}}});
    return chart;
}

Chart CalibrationResidualChart(const CalibrationOutcome& outcome, std::size_t k,
                               std::optional<std::size_t> c) {
    const std::vector<study::CalibrationResidual>& residuals = outcome.calibration.residuals;
    const std::string& result = outcome.calibration.agreement[k].result;
    ChartSeries samples{"Residuals", PointsOf(outcome, k, [&](std::size_t i) {
                            const double x = c ? outcome.at[*c][i] : static_cast<double>(residuals[i].row);
                            return ChartPoint{x, residuals[i].residual};
                        })};
    samples.marks = true;
    Chart chart{.title = result + ": residuals at the fitted values.",
                .x = c ? InputAxis(outcome.conditions[*c], AxisScale::Linear)
                       : ChartAxis{"Row of the observations file", ""},
                .y = outcome.linear ? ChartAxis{"Modelled - observed", outcome.units[k]}
                                    : ChartAxis{"ln(modelled / observed)", ""}};
    chart.series.push_back(std::move(samples));
    chart.markers.push_back({ChartMarker::Horizontal, 0, "No residual"});
    return chart;
}

}  // namespace velmar
