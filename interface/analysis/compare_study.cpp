#include "interface/analysis/compare_study.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <thread>

#include "interface/analysis/study_inputs.h"
#include "interface/analysis/sweep_study.h"
#include "project/pkc_comparison.h"
#include "study/row_writer.h"

namespace velmar {
namespace {

// The default range spans this factor each way from the present area.
constexpr double kDefaultSpan = 10;

std::string AreasArgument(const CompareRequest& request) {
    return TrimmedText(request.from) + ":" + TrimmedText(request.to) + ":" + TrimmedText(request.steps);
}

std::optional<std::string> RangeError(const CompareRequest& request) {
    const std::optional<double> from = TypedNumber(request.from), to = TypedNumber(request.to);
    if (!from || !to) return "From and To must be numbers: the smallest and largest wetland area (m^2).";
    if (!(*from > 0)) return "The areas must be greater than 0 m^2.";
    if (!(*from < *to)) return "From must be less than To.";
    const std::optional<int> steps = TypedWholeNumber<int>(request.steps);
    if (!steps || *steps < 2 || *steps > kMostSteps) {
        return "Steps must be a whole number from 2 to " + std::to_string(kMostSteps) +
               " (the areas from From to To, both included).";
    }
    return std::nullopt;
}

// The modelled constituents the design method has constants for, with the notes of the others.
std::optional<std::string> ConstituentError(const CompareRequest& request, const ProjectRecord& r) {
    ModelState s;
    static_cast<ProjectRecord&>(s) = r;
    s.area = *TypedNumber(request.from);  // the range's, so that q = Q/A does not hang on the project's
    const std::vector<PkcComparisonRow> rows = CompareWithPkc(s, s, {request.type, {}});
    if (std::any_of(rows.begin(), rows.end(),
                    [](const PkcComparisonRow& row) { return row.pkc.has_value(); }))
        return std::nullopt;
    std::string notes;
    for (const std::string& line : PkcNotes(rows)) notes += (notes.empty() ? "" : "; ") + line;
    const std::string none = std::string("No modelled constituent has P-k-C* constants for ") +
                             pkc::WetlandTypeAbbreviation(request.type) + " wetlands";
    if (notes.empty()) return none + ": model TCB, BOD, TN or TP to compare.";
    return none + " (" + notes + ").";
}

// The area a method needs, or why it has none.
std::string AreaText(const study::AreaForTarget& area) {
    if (area.area) return RoundedNumber(*area.area) + " m^2";
    return area.reason.empty() ? "no area in reach" : "no area (" + area.reason + ")";
}

std::string TargetAreasText(const study::ComparedRow& t) {
    return "For a " + t.row.constituent + " outflow of " + PlainNumber(*t.target) + " " + t.row.unit +
           ": P-k-C* needs " + AreaText(t.pkc_area) + "; this model, in its own flow pattern, " +
           AreaText(t.velmar_area) + ".";
}

std::string TypeName(pkc::WetlandType type) {
    for (const auto& [name, t] : study::WetlandTypesByName()) {
        if (t == type) return name;
    }
    return {};
}

}  // namespace

CompareRequest DefaultCompareRequest(const ProjectRecord& r) {
    CompareRequest request{{}, {}, "41", pkc::WetlandType::FreeWaterSurface};
    if (r.area > 0) {
        request.from = PlainNumber(r.area / kDefaultSpan);
        request.to = PlainNumber(r.area * kDefaultSpan);
    }
    return request;
}

bool GeometricAreas(const CompareRequest& request) {
    const std::optional<double> from = TypedNumber(request.from), to = TypedNumber(request.to);
    return from && to && *from > 0 && *to >= kGeometricSpan * *from;
}

std::optional<std::string> CompareRequestError(const CompareRequest& request, const ProjectRecord& r) {
    if (auto error = RangeError(request)) return error;
    const std::optional<double> target = TypedNumber(request.target);
    if (!TrimmedText(request.target).empty() && !(target && *target >= 0))
        return "The target outflow must be a number, 0 or more, or empty.";
    return ConstituentError(request, r);
}

std::string CompareCommand(const CompareRequest& request, const std::string& project_file) {
    std::string command = "velmar-study compare " + ShellWord(project_file) + " --type " +
                          TypeName(request.type) + " --areas " + ShellWord(AreasArgument(request));
    if (GeometricAreas(request)) command += " --log";
    return command;
}

std::optional<CompareOutcome> RunCompareStudy(const CompareRequest& request, const std::string& project_file,
                                              const std::string& charted, const study::ProgressWatch& watch) {
    study::CompareSettings settings;
    settings.pkc.type = request.type;
    settings.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    settings.watch = watch;
    const study::GridRange areas = study::ParseCompareAreas(AreasArgument(request), GeometricAreas(request));
    CompareOutcome outcome{study::CompareCurves(project_file, areas, settings), {}};
    if (outcome.curves.areas_done < areas.steps) return std::nullopt;
    std::ostringstream csv;
    const auto writer = study::MakeRowWriter(study::Format::Csv, csv, study::CompareCurveColumns());
    study::WriteCurveRows(*writer, outcome.curves);
    writer->Finish();
    outcome.csv = csv.str();
    const std::optional<double> target = TypedNumber(request.target);
    if (!target || outcome.curves.curves.empty()) return outcome;
    const auto& curves = outcome.curves.curves;
    const bool shown = std::any_of(curves.begin(), curves.end(), [&charted](const study::CompareCurve& c) {
        return c.constituent == charted;
    });
    const std::string constituent = shown ? charted : curves.front().constituent;
    settings.targets[constituent] = *target;
    for (study::ComparedRow& row : study::CompareProject(project_file, settings).rows) {
        if (row.target) outcome.target = std::move(row);
    }
    return outcome;
}

Chart CompareChart(const CompareRequest& request, const study::ComparedCurves& curves, std::size_t curve) {
    const study::CompareCurve& c = curves.curves.at(curve);
    const AxisScale scale = GeometricAreas(request) ? AxisScale::Log : AxisScale::Linear;
    Chart chart{.title = c.constituent +
                         " outflow against wetland area: this model (plug flow, fully mixed) and P-k-C* (" +
                         pkc::WetlandTypeAbbreviation(request.type) + " constants)",
                .x = {"Wetland area", "m^2", scale},
                .y = {c.constituent + " outflow", c.unit, AxisScale::Linear}};
    // A line per column of the study, in the order of its columns; the band between k30 and k70.
    const struct {
        const char* name;
        std::optional<double> (*value)(const study::CurvePoint&);
    } kLines[] = {
        {"Plug flow", [](const study::CurvePoint& p) -> std::optional<double> { return p.plug_flow; }},
        {"Fully mixed", [](const study::CurvePoint& p) -> std::optional<double> { return p.fully_mixed; }},
        {"P-k-C* k50", [](const study::CurvePoint& p) -> std::optional<double> { return p.pkc; }},
        {"P-k-C* k30", [](const study::CurvePoint& p) { return p.pkc_k30; }},
        {"P-k-C* k70", [](const study::CurvePoint& p) { return p.pkc_k70; }},
    };
    for (const auto& line : kLines) {
        ChartSeries series{line.name, {}};
        for (const study::CurvePoint& p : c.points) {
            // A run whose phosphorus solution did not converge has no outflow to draw.
            const std::optional<double> y = line.value(p);
            if (y && std::isfinite(*y)) series.points.push_back({p.area, *y});
        }
        if (!series.points.empty()) chart.series.push_back(std::move(series));
    }
    if (chart.series.size() == std::size(kLines)) chart.bands.push_back({"P-k-C* k30-k70", 3, 4});
    chart.markers.push_back({ChartMarker::Vertical, curves.present_area,
                             "Present area (" + PlainNumber(curves.present_area) + ")"});
    return chart;
}

Chart CompareChart(const CompareRequest& request, const CompareOutcome& outcome, std::size_t curve) {
    Chart chart = CompareChart(request, outcome.curves, curve);
    const std::optional<study::ComparedRow>& t = outcome.target;
    if (!t || t->row.constituent != outcome.curves.curves.at(curve).constituent) return chart;
    // Short names: the legend holds the lines, the band and the present area already; the notes
    // below the chart give the figures.
    chart.markers.push_back({ChartMarker::Horizontal, *t->target, "Target"});
    const auto& points = outcome.curves.curves.at(curve).points;
    const std::pair<const study::AreaForTarget*, const char*> areas[] = {{&t->pkc_area, "P-k-C* area"},
                                                                         {&t->velmar_area, "Model's area"}};
    for (const auto& [area, name] : areas) {
        if (area->area && *area->area >= points.front().area && *area->area <= points.back().area)
            chart.markers.push_back({ChartMarker::Vertical, *area->area, name});
    }
    return chart;
}

std::string CompareNotes(const CompareOutcome* outcome, const ProjectRecord& r) {
    std::string text;
    if (outcome && outcome->target) text += TargetAreasText(*outcome->target) + "\n";
    if (outcome) {
        for (const std::string& line : PkcNotes(outcome->curves.left_out)) text += line + "\n";
        for (const std::string& line : outcome->curves.notes) text += line + "\n";
    }
    for (std::size_t i = 0; i < std::size(kPkcCaveat); ++i) {
        if (i != kPkcColiformCaveat || r.model_tcb) text += std::string(kPkcCaveat[i]) + "\n";
    }
    text.pop_back();
    return text;
}

}  // namespace velmar
