// The P-k-C* design method beside the model over a range of wetland areas, for the project as
// the front end holds it: the same study as `velmar-study compare --areas`, and its charts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "interface/platform/chart.h"
#include "project/pkc.h"
#include "project/record.h"
#include "study/compare.h"
#include "study/compare_curves.h"

namespace velmar {

// The areas as typed (m^2), the wetland type whose constants to use, and a target outflow
// for the constituent charted (empty: none).
struct CompareRequest {
    std::string from, to, steps;
    pkc::WetlandType type = pkc::WetlandType::FreeWaterSurface;
    std::string target;
};

// A tenth to ten times the project's area, where it has one: the range a new window offers.
CompareRequest DefaultCompareRequest(const ProjectRecord& r);

// Areas spanning this factor or more are spaced geometrically and drawn on a logarithmic axis.
bool GeometricAreas(const CompareRequest& request);

// Why the request cannot run on the project, in words for the user, or nothing when it can:
// a bad range, or no modelled constituent with published constants for the type.
std::optional<std::string> CompareRequestError(const CompareRequest& request, const ProjectRecord& r);

// The command that writes the same CSV from a saved project.
std::string CompareCommand(const CompareRequest& request, const std::string& project_file);

struct CompareOutcome {
    study::ComparedCurves curves;
    std::string csv;  // as velmar-study writes it
    // With a target: the comparison of its constituent, with the area each method needs.
    std::optional<study::ComparedRow> target;
};

// Runs the study on a project file on every core, telling `watch` how far it has come;
// nothing when it was cancelled. A target is for the constituent `charted`, or when the study
// has no curve of that name, for the first it has.
std::optional<CompareOutcome> RunCompareStudy(const CompareRequest& request, const std::string& project_file,
                                              const std::string& charted, const study::ProgressWatch& watch);

// One constituent's outflow against the area: P-k-C* at k with its band from k30 to k70, the
// model with plug flow and fully mixed, the present area marked.
Chart CompareChart(const CompareRequest& request, const study::ComparedCurves& curves, std::size_t curve);

// One constituent's chart, with the target and the area each method needs for it marked when
// the target is that constituent's.
Chart CompareChart(const CompareRequest& request, const CompareOutcome& outcome, std::size_t curve);

// What the reader must know beside the charts: the area each method needs for the target, the
// constituents left out and why, and the caveat said wherever the design method stands
// beside the model (its line on coliforms when coliforms are modelled).
std::string CompareNotes(const CompareOutcome* outcome, const ProjectRecord& r);

}  // namespace velmar
