// The P-k-C* design method beside the model over a range of wetland areas: for each
// constituent the design method has constants for, the outflow the model gives with plug
// flow and fully mixed, and the outflow the design method gives at its k50, k30 and k70. A
// library function apart from any printing, for the command and the front end alike.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "study/compare.h"
#include "study/grid_range.h"
#include "study/row_writer.h"

namespace velmar::study {

// Refuses with a StudyError what the areas cannot go with: more than one project, targets;
// and geometric steps (`log`) without areas.
void CheckCurvesRequest(bool areas, bool log, std::size_t projects, const CompareSettings& settings);

// The areas "FROM:TO:STEPS" asks for (m^2): STEPS values from FROM to TO, both included,
// spaced geometrically when `log`; every one greater than 0.
GridRange ParseCompareAreas(const std::string& areas, bool log);

// The most areas whose outflows are held at once: for a table for people, a window or Python.
// Rows for programs stream any number.
constexpr std::size_t kMaxHeldAreas = 100000;

// The outflows at one area, in the constituent's units.
struct CurvePoint {
    double area;                    // m^2
    double plug_flow, fully_mixed;  // the model's: not a number where it gave none
    double pkc;                     // the design method's, at k (k50 unless the user's k replaces it);
                                    // not a number where it gives none
    std::optional<double> pkc_k30, pkc_k70;  // none when the user's constants replace the table's
};

struct CompareCurve {
    std::string constituent;  // "BOD"
    std::string unit;         // "mg/L", or "mpn/100mL" for TCB
    double inflow;
    std::vector<CurvePoint> points;  // in the order of the areas
};

struct ComparedCurves {
    double present_area;  // m^2, the project's own
    // A curve for each constituent the design method has constants for, whatever the area.
    std::vector<CompareCurve> curves;
    // The modelled constituents left out, at the first area: their notes say why.
    std::vector<PkcComparisonRow> left_out;
    // For each curve with areas where the model or the design method gave no outflow, how
    // many and why: "BOD: the model gave no outflow at 2 of 3 areas (...)".
    std::vector<std::string> notes;
    // All the areas unless interrupted: then the curves hold the first ones only.
    std::size_t areas_done = 0;
};

// Each area's points, one per curve and in the curves' order, as the areas finish.
using CurvePointSink = std::function<void(const std::vector<CompareCurve>&, std::span<const CurvePoint>)>;

// Runs the project at every area with the depth and length-to-width ratio kept (the volume,
// length, width and the values the system screens derive follow, as `sweep --vary area=...`
// has them), once with plug flow and once fully mixed, on settings.threads threads, telling
// settings.watch of the progress, and hands each area's points to `sink` in order. The curves returned hold no points.
ComparedCurves StreamCompareCurves(const std::string& name, const ModelState& project, const GridRange& areas,
                                   const CompareSettings& settings, const CurvePointSink& sink);

// The same with the points held in the curves: no more than kMaxHeldAreas areas, refused with
// a StudyError otherwise, as is an unreadable project.
ComparedCurves CompareCurves(const std::string& path, const GridRange& areas,
                             const CompareSettings& settings);
// The same for a project already read (and perhaps changed since), named in messages.
ComparedCurves CompareCurves(const std::string& name, const ModelState& project, const GridRange& areas,
                             const CompareSettings& settings);

// The columns of the table for programs: the constituent, the area, the outflows.
std::vector<std::string> CompareCurveColumns();

// The row of one curve's point: an empty cell where the user's constants leave no k30 or k70.
std::vector<Cell> CompareCurveRow(const CompareCurve& curve, const CurvePoint& point);

// Every curve's rows, area after area, each area's constituents one after another.
std::vector<std::vector<Cell>> CompareCurveRows(const ComparedCurves& curves);

// Those rows to `writer`.
void WriteCurveRows(RowWriter& writer, const ComparedCurves& curves);

}  // namespace velmar::study
