#include "study/compare_curves.h"

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
// suggested detention time follows the choice.
struct Regime {
    std::int32_t longitudinal, mixed;
    double CurvePoint::*outflow;
};
constexpr Regime kRegimes[] = {{1, 0, &CurvePoint::plug_flow}, {0, 1, &CurvePoint::fully_mixed}};
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

// The first point's rows decide which constituents have curves: whether the design method
// has constants does not depend on the area.
void StartCurves(ComparedCurves& c, const std::vector<PkcComparisonRow>& rows) {
    for (const PkcComparisonRow& row : rows) {
        if (row.pkc)
            c.curves.push_back({row.constituent, row.unit, row.inflow, {}});
        else
            c.left_out.push_back(row);
    }
}

// The rows of point p: the first regime at an area starts its point on each curve, with the
// design method's outflows, which do not depend on the regime.
void AddPoint(ComparedCurves& c, const std::vector<double>& areas, std::size_t p,
              const std::vector<PkcComparisonRow>& rows) {
    const Regime& regime = kRegimes[p % kRegimeCount];
    auto curve = c.curves.begin();
    for (const PkcComparisonRow& row : rows) {
        if (!row.pkc) continue;
        if (p % kRegimeCount == 0) {
            constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
            curve->points.push_back({areas[p / kRegimeCount], kNone, kNone, row.pkc->outflow,
                                     row.pkc->outflow_k30, row.pkc->outflow_k70});
        }
        curve->points.back().*regime.outflow = row.velmar_outflow;
        ++curve;
    }
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

std::vector<double> ParseCompareAreas(const std::string& areas, bool log) {
    const std::string what = "--areas " + areas;
    std::vector<double> values = RangeValues(what, areas, log, "FROM:TO:STEPS");
    for (double area : values) {
        if (!(area > 0)) throw StudyError(what + ": the areas must be greater than 0 (m^2)");
    }
    return values;
}

ComparedCurves CompareCurves(const std::string& path, const std::vector<double>& areas,
                             const CompareSettings& settings) {
    ModelState project;
    ReadStudyProject(path, project);
    return CompareCurves(path, project, areas, settings);
}

ComparedCurves CompareCurves(const std::string& name, const ModelState& project,
                             const std::vector<double>& areas, const CompareSettings& settings) {
    const Study studies[] = {RegimeStudy(name, project, kRegimes[0]),
                             RegimeStudy(name, project, kRegimes[1])};
    ComparedCurves compared{project.area, {}, {}, 0};
    // Point p is the area p / 2 in the regime p % 2, so that the areas finish in order.
    const std::size_t points = areas.size() * kRegimeCount;
    const auto produce = [&](int, std::size_t begin, std::size_t end) {
        CurveBlock block{begin, {}};
        ModelState s;
        ResultValues results;
        for (std::size_t p = begin; p < end; ++p) {
            const double area = areas[p / kRegimeCount];
            studies[p % kRegimeCount].Evaluate({&area, 1}, s, results);
            block.rows.push_back(CompareWithPkc(s, s, settings.pkc));
        }
        return block;
    };
    const auto consume = [&](CurveBlock&& block) {
        for (std::size_t i = 0; i < block.rows.size(); ++i) {
            const std::size_t p = block.first + i;
            if (p == 0) StartCurves(compared, block.rows[i]);
            AddPoint(compared, areas, p, block.rows[i]);
        }
    };
    Progress progress("compare", points, settings.watch);
    compared.areas_done =
        RunBlocksInOrder(points, kBlock, settings.threads, produce, consume, progress) / kRegimeCount;
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

std::vector<std::vector<Cell>> CompareCurveRows(const ComparedCurves& curves) {
    std::vector<std::vector<Cell>> rows;
    for (const CompareCurve& curve : curves.curves) {
        for (const CurvePoint& p : curve.points) {
            rows.push_back({curve.constituent, p.area, p.plug_flow, p.fully_mixed, p.pkc, Optional(p.pkc_k30),
                            Optional(p.pkc_k70)});
        }
    }
    return rows;
}

void WriteCurveRows(RowWriter& writer, const ComparedCurves& curves) {
    for (const std::vector<Cell>& row : CompareCurveRows(curves)) writer.Row(row);
}

}  // namespace velmar::study
