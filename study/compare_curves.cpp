#include "study/compare_curves.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

#include "study/evaluation.h"
#include "study/ordered_parallel.h"
#include "study/project_input.h"
#include "study/study_error.h"
#include "study/sweep.h"

namespace velmar::study {
namespace {

// An even number of points, so that a block holds both regimes of each of its areas.
constexpr std::size_t kBlock = 16;

// The model's two flow regimes, as chosen under Spatial Gradients on the system screen: the
// removal follows e^(-kt) with longitudinal gradients and kt / (1 + kt) fully mixed, and the
// suggested detention time follows the choice. Plug flow first.
struct Regime {
    std::int32_t longitudinal, mixed;
};
constexpr Regime kRegimes[] = {{1, 0}, {0, 1}};
constexpr std::size_t kRegimeCount = std::size(kRegimes);

Study RegimeStudy(const std::string& name, const ModelState& project, const Regime& regime) {
    ModelState chosen = project;
    chosen.longitudinal_calc_re = regime.longitudinal;
    chosen.mixed_clac_re = regime.mixed;
    // The plan area, the depth and shape kept: as `size` and compare's sizing vary it.
    return Study(name, chosen, {FindInputField("area")});
}

// The rows of each point of a block, points one after another.
struct CurveBlock {
    std::size_t first = 0;
    std::vector<std::vector<PkcComparisonRow>> rows;
};

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Which rows feed which curve, decided before any area is run: the rows are the modelled
// constituents, and whether the design method has constants for one does not depend on the area.
struct CurveLayout {
    std::vector<std::optional<std::size_t>> curve_of_row;
    std::vector<std::size_t> model_missing, method_missing;  // areas without an outflow, per curve
};

CurveLayout StartCurves(ComparedCurves& c, const ModelState& project, const PkcSettings& settings) {
    CurveLayout layout;
    for (const PkcComparisonRow& row : CompareWithPkc(project, project, settings)) {
        if (!DesignMethodApplies(project, row.constituent, settings)) {
            layout.curve_of_row.emplace_back();
            continue;
        }
        layout.curve_of_row.emplace_back(c.curves.size());
        c.curves.push_back({row.constituent, row.unit, row.inflow, {}});
    }
    layout.model_missing.assign(c.curves.size(), 0);
    layout.method_missing.assign(c.curves.size(), 0);
    return layout;
}

// An area's points from its plug-flow and fully mixed rows, counting what is missing.
void FillPoints(CurveLayout& layout, double area, const std::vector<PkcComparisonRow>& plug,
                const std::vector<PkcComparisonRow>& mixed, std::vector<CurvePoint>& points) {
    for (std::size_t r = 0; r < plug.size(); ++r) {
        if (!layout.curve_of_row[r]) continue;
        const std::size_t c = *layout.curve_of_row[r];
        const std::optional<PkcValues>& pkc = plug[r].pkc;
        CurvePoint& point = points[c];
        point = {area,
                 plug[r].velmar_outflow,
                 mixed[r].velmar_outflow,
                 pkc ? pkc->outflow : kNone,
                 pkc ? pkc->outflow_k30 : std::nullopt,
                 pkc ? pkc->outflow_k70 : std::nullopt};
        layout.model_missing[c] += std::isnan(point.plug_flow) || std::isnan(point.fully_mixed);
        layout.method_missing[c] += std::isnan(point.pkc);
    }
}

// A note per reason and count, after the names of the constituents it concerns:
// "TCB, BOD: P-k-C* gave no outflow at 1 of 3 areas (...)".
void NoteMissing(ComparedCurves& c, const CurveLayout& layout) {
    const std::string of = " of " + std::to_string(c.areas_done) + " areas";
    std::vector<std::pair<std::string, std::string>> notes;  // names, what they lack
    const auto add = [&notes](const std::string& name, const std::string& lack) {
        const auto same =
            std::find_if(notes.begin(), notes.end(), [&lack](const auto& n) { return n.second == lack; });
        if (same == notes.end())
            notes.emplace_back(name, lack);
        else
            same->first += ", " + name;
    };
    constexpr char kModelWhy[] =
        " (a phosphorus solution that did not converge, or a removal efficiency past the limits of its "
        "arithmetic); their cells are nan";
    constexpr char kMethodWhy[] =
        " (q = Q/A is past the largest number at so small an area); their cells are nan";
    for (std::size_t i = 0; i < c.curves.size(); ++i) {
        const std::string& name = c.curves[i].constituent;
        if (layout.model_missing[i] > 0)
            add(name,
                "the model gave no outflow at " + std::to_string(layout.model_missing[i]) + of + kModelWhy);
        if (layout.method_missing[i] > 0)
            add(name,
                "P-k-C* gave no outflow at " + std::to_string(layout.method_missing[i]) + of + kMethodWhy);
    }
    for (const auto& [names, lack] : notes) c.notes.push_back(names + ": " + lack);
}

Cell Optional(std::optional<double> x) {
    if (x) return *x;
    return std::string();
}

}  // namespace

void CheckCurvesRequest(bool areas, bool log, std::size_t projects, const CompareSettings& settings) {
    if (!areas) {
        if (log) throw StudyError("--log spaces the areas of --areas: give --areas with it");
        return;
    }
    if (projects != 1) throw StudyError("--areas takes one project");
    if (!settings.targets.empty()) throw StudyError("--areas and --target cannot be given together");
}

GridRange ParseCompareAreas(const std::string& areas, bool log) {
    const std::string what = "--areas " + areas;
    const GridRange range = ParseRange(what, areas, log, "FROM:TO:STEPS");
    // Every area lies between the two ends.
    if (!(range.from > 0 && range.to > 0))
        throw StudyError(what + ": the areas must be greater than 0 (m^2)");
    return range;
}

ComparedCurves StreamCompareCurves(const std::string& name, const ModelState& project, const GridRange& areas,
                                   const CompareSettings& settings, const CurvePointSink& sink) {
    const Study studies[] = {RegimeStudy(name, project, kRegimes[0]),
                             RegimeStudy(name, project, kRegimes[1])};
    ComparedCurves compared{project.area, {}, {}, {}, 0};
    CurveLayout layout = StartCurves(compared, studies[0].base(), settings.pkc);
    // Point p is the area p / 2 in the regime p % 2, so that the areas finish in order.
    const std::size_t points = areas.steps * kRegimeCount;
    const auto produce = [&](int, std::size_t begin, std::size_t end) {
        CurveBlock block{begin, {}};
        ModelState s;
        ResultValues results;
        for (std::size_t p = begin; p < end; ++p) {
            const double area = areas.Value(p / kRegimeCount);
            studies[p % kRegimeCount].Evaluate({&area, 1}, s, results);
            block.rows.push_back(CompareWithPkc(s, s, settings.pkc));
        }
        return block;
    };
    std::vector<CurvePoint> area_points(compared.curves.size());
    const auto consume = [&](CurveBlock&& block) {
        // A block holds both regimes of each of its areas.
        for (std::size_t i = 0; i < block.rows.size(); i += kRegimeCount) {
            const std::size_t a = (block.first + i) / kRegimeCount;
            const std::vector<PkcComparisonRow>& plug = block.rows[i];
            if (a == 0) {
                for (std::size_t r = 0; r < plug.size(); ++r)
                    if (!layout.curve_of_row[r]) compared.left_out.push_back(plug[r]);
            }
            FillPoints(layout, areas.Value(a), plug, block.rows[i + 1], area_points);
            sink(compared.curves, area_points);
        }
    };
    Progress progress("compare", points, settings.watch);
    compared.areas_done =
        RunBlocksInOrder(points, kBlock, settings.threads, produce, consume, progress) / kRegimeCount;
    NoteMissing(compared, layout);
    return compared;
}

ComparedCurves CompareCurves(const std::string& path, const GridRange& areas,
                             const CompareSettings& settings) {
    ModelState project;
    ReadStudyProject(path, project);
    return CompareCurves(path, project, areas, settings);
}

ComparedCurves CompareCurves(const std::string& name, const ModelState& project, const GridRange& areas,
                             const CompareSettings& settings) {
    if (areas.steps > kMaxHeldAreas) {
        throw StudyError(
            "--areas: at most " + std::to_string(kMaxHeldAreas) +
            " areas are held for a table or a chart; velmar-study compare writes any number as CSV "
            "or JSON");
    }
    std::vector<std::vector<CurvePoint>> points;
    ComparedCurves compared =
        StreamCompareCurves(name, project, areas, settings,
                            [&points](const std::vector<CompareCurve>&, std::span<const CurvePoint> at) {
                                points.resize(at.size());
                                for (std::size_t c = 0; c < at.size(); ++c) points[c].push_back(at[c]);
                            });
    for (std::size_t c = 0; c < points.size(); ++c) compared.curves[c].points = std::move(points[c]);
    return compared;
}

std::vector<std::string> CompareCurveColumns() {
    return {"constituent",
            "area",
            "velmar_plug_flow_outflow",
            "velmar_fully_mixed_outflow",
            "pkc_outflow",
            "pkc_outflow_k30",
            "pkc_outflow_k70"};
}

std::vector<Cell> CompareCurveRow(const CompareCurve& curve, const CurvePoint& p) {
    return {curve.constituent,  p.area, p.plug_flow, p.fully_mixed, p.pkc, Optional(p.pkc_k30),
            Optional(p.pkc_k70)};
}

std::vector<std::vector<Cell>> CompareCurveRows(const ComparedCurves& curves) {
    std::vector<std::vector<Cell>> rows;
    const std::size_t areas = curves.curves.empty() ? 0 : curves.curves.front().points.size();
    for (std::size_t a = 0; a < areas; ++a) {
        for (const CompareCurve& curve : curves.curves)
            rows.push_back(CompareCurveRow(curve, curve.points[a]));
    }
    return rows;
}

void WriteCurveRows(RowWriter& writer, const ComparedCurves& curves) {
    for (const std::vector<Cell>& row : CompareCurveRows(curves)) writer.Row(row);
}

}  // namespace velmar::study
