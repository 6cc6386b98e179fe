// The P-k-C* design method beside the model over a range of wetland areas: for each
// constituent the design method has constants for, the outflow the model gives with plug
// flow and fully mixed, and the outflow the design method gives at its k50, k30 and k70. A
// library function apart from any printing, for the command and the front end alike.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "study/compare.h"
#include "study/row_writer.h"

namespace velmar::study {

// Refuses with a StudyError what the areas cannot go with: more than one project, targets;
// and geometric steps (`log`) without areas.
void CheckCurvesRequest(bool areas, bool log, std::size_t projects, const CompareSettings& settings);

// The areas "FROM:TO:STEPS" asks for (m^2): STEPS values from FROM to TO, both included,
// spaced geometrically when `log`; every one greater than 0.
std::vector<double> ParseCompareAreas(const std::string& areas, bool log);

// The outflows at one area, in the constituent's units.
struct CurvePoint {
    double area;                    // m^2
    double plug_flow, fully_mixed;  // the model's: not a number where it gave none
    double pkc;                     // the design method's, at k (k50 unless the user's k replaces it)
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
    std::vector<CompareCurve> curves;
    // The modelled constituents left out, at the first area: their notes say why.
    std::vector<PkcComparisonRow> left_out;
    // All the areas unless interrupted: then the curves hold the first ones only.
    std::size_t areas_done = 0;
};

// Runs the project at every area with the depth and length-to-width ratio kept (the volume,
// length, width and the values the system screens derive follow, as `sweep --vary area=...`
// has them), once with plug flow and once fully mixed, on settings.threads threads, telling settings.watch of the progress. An
// unreadable project is refused with a StudyError.
ComparedCurves CompareCurves(const std::string& path, const std::vector<double>& areas,
                             const CompareSettings& settings);
// The same for a project already read (and perhaps changed since), named in messages.
ComparedCurves CompareCurves(const std::string& name, const ModelState& project,
                             const std::vector<double>& areas, const CompareSettings& settings);

// The columns of the table for programs: the constituent, the area, the outflows.
std::vector<std::string> CompareCurveColumns();

// Every curve's rows, a constituent's areas one after another: an empty cell where the user's
// constants leave no k30 or k70.
std::vector<std::vector<Cell>> CompareCurveRows(const ComparedCurves& curves);

// Those rows to `writer`.
void WriteCurveRows(RowWriter& writer, const ComparedCurves& curves);

}  // namespace velmar::study
