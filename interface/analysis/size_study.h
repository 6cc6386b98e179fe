// Sizing the project as the front end holds it: the value of one input at which a result
// reaches a target, found by the same study as `velmar-study size`, and the curve around it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "interface/analysis/study_inputs.h"
#include "interface/analysis/sweep_study.h"
#include "interface/platform/chart.h"

namespace velmar {

struct SizeRequest {
    StudyResult result;
    std::string target;  // as typed
    StudyInput input;
    std::string from, to;  // both empty: a hundredth to a hundred times the present value
};

// Why the request cannot run, in words for the user, or nothing when it can.
std::optional<std::string> SizeRequestError(const SizeRequest& request, double present);

// The command that writes the same CSV from a saved project.
std::string SizeCommand(const SizeRequest& request, const std::string& project_file);

struct SizeOutcome {
    std::optional<double> value;  // of the input where the target is reached
    double reached = 0;           // the result there
    std::string csv;              // as velmar-study writes it, when a value was found
    std::string statement;        // otherwise, why none was: the best value found included
    SweepRequest curve_request;   // the result over the range searched
    SweepTable curve;
};

// Runs the search, then the curve, on a project file on every core, telling `watch` how far
// each has come; nothing when cancelled.
std::optional<SizeOutcome> RunSizeStudy(const SizeRequest& request, const std::string& project_file,
                                        double present, const study::ProgressWatch& watch);

// A sentence for the user: the value found, or why there is none, the result named by its
// label and numbers in the results' four digits.
std::string SizeAnswer(const SizeRequest& request, const SizeOutcome& outcome);

// What Export CSV writes: the value found as velmar-study size writes it, or when there is
// none, the curve searched.
const std::string& SizeCsv(const SizeOutcome& outcome);

// The curve of the result against the input, the target line and the crossing marked.
Chart SizeChart(const SizeRequest& request, const SizeOutcome& outcome, const ProjectRecord& r);

}  // namespace velmar
