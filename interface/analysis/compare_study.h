// The P-k-C* design method beside the model over a range of wetland areas, for the project as
// the front end holds it: the same study as `velmar-study compare --areas`, and its charts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "interface/platform/chart.h"
#include "project/pkc.h"
#include "project/record.h"
#include "study/compare_curves.h"

namespace velmar {

// The areas as typed (m^2), and the wetland type whose constants to use.
struct CompareRequest {
    std::string from, to, steps;
    pkc::WetlandType type = pkc::WetlandType::FreeWaterSurface;
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
};

// Runs the study on a project file on every core, telling `watch` how far it has come;
// nothing when it was cancelled.
std::optional<CompareOutcome> RunCompareStudy(const CompareRequest& request, const std::string& project_file,
                                              const study::ProgressWatch& watch);

// One constituent's outflow against the area: P-k-C* at k with its band from k30 to k70, the
// model with plug flow and fully mixed, the present area marked.
Chart CompareChart(const CompareRequest& request, const study::ComparedCurves& curves, std::size_t curve);

// What the reader must know beside the charts: the constituents left out and why, and the
// caveat said wherever the design method stands beside the model.
std::string CompareNotes(const study::ComparedCurves* curves);

}  // namespace velmar
