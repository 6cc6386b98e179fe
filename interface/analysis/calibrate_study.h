// Fitting the project as the front end holds it to monitoring data, by the same study as
// `velmar-study calibrate`: the estimates with their statistics as the command writes them, and
// each observation against its modelled value for the charts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "interface/analysis/study_inputs.h"
#include "interface/platform/chart.h"
#include "study/calibration.h"
#include "study/progress.h"

namespace velmar {

// A field to fit, with its bounds as typed: both empty for the field's own (above 0 for a
// field with a sign).
struct FittedInput {
    StudyInput input;
    std::string low, high;
};

// A list item: "BOD Decay Rate (/day) (bod_decay_rate20): 0.1 to 1".
std::string FittedInputText(const FittedInput& fitted);

// The fitted input the bounds typed make, or why they make none, in words for the user: no
// input chosen, one bound without the other, a bound that is not a number, Low not below High,
// an input already among the `added`.
struct FittedInputOrError {
    std::optional<FittedInput> input;
    std::string error;
};
FittedInputOrError MakeFittedInput(const std::vector<FittedInput>& added, const StudyInput* input,
                                   const std::string& low, const std::string& high);

// What a fit finds: the fields of the list, or the P-k-C* k of a constituent, with its C*.
struct CalibrationMethod {
    std::string label;  // "P-k-C* k and C* of BOD"
    std::string pkc;    // empty: the fields of the list
    bool fit_cstar = false;
};
std::vector<CalibrationMethod> CalibrationMethods();

struct CalibrationRequest {
    std::string observed;  // the observations file
    std::vector<FittedInput> fits;
    bool linear = false;  // residuals of the values rather than of their logarithms
    CalibrationMethod method;
    bool subsurface = false;  // P-k-C*: the constants of HSSF wetlands rather than FWS
    std::string tanks;        // P-k-C*: P as typed, "plug", or empty for the published P
};

// Why the request cannot run, in words for the user, or nothing when it can.
std::optional<std::string> CalibrationRequestError(const CalibrationRequest& request);

// The command that writes the same CSV from a saved project.
std::string CalibrationCommand(const CalibrationRequest& request, const std::string& project_file);

// What a fit found: the command's CSV and its table for people, and for the charts each
// observation's conditions, by the observations' condition columns.
struct CalibrationOutcome {
    study::Calibration calibration;
    std::string csv, summary;
    std::vector<StudyInput> conditions;   // the condition columns
    std::vector<std::vector<double>> at;  // per condition, per residual: its value
    std::vector<std::string> units;       // per observed result, of its concentrations
    bool linear = false;
};

// Fits on a project file, telling `watch` how far it has come; nothing when it was cancelled.
// Observations or arguments the command refuses throw with its message. The condition columns
// are labelled as `inputs` label them.
std::optional<CalibrationOutcome> RunCalibrationStudy(const CalibrationRequest& request,
                                                      const std::vector<StudyInput>& inputs,
                                                      const std::string& project_file,
                                                      const study::ProgressWatch& watch);

// Observed against modelled values of observed result k, with the line where they are equal.
Chart CalibrationFitChart(const CalibrationOutcome& outcome, std::size_t k);

// The residuals of observed result k against condition c, or against the row when there is none.
Chart CalibrationResidualChart(const CalibrationOutcome& outcome, std::size_t k,
                               std::optional<std::size_t> c);

}  // namespace velmar
