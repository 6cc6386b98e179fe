// A sweep of the project as the front end holds it, run in process by the same study as
// `velmar-study sweep`, and the chart of its results.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "interface/analysis/study_inputs.h"
#include "interface/platform/chart.h"
#include "study/progress.h"

namespace velmar {

// One input's range, as typed.
struct SweepRange {
    StudyInput input;
    std::string from, to, steps;
};

struct SweepRequest {
    std::vector<SweepRange> ranges;  // one, or two for a family of curves
    bool log = false;                // steps spaced geometrically
};

// Why the request cannot run, in words for the user, or nothing when it can.
std::optional<std::string> SweepRequestError(const SweepRequest& request);

// A word for a shell command line, quoted where a shell would read it otherwise.
std::string ShellWord(const std::string& word);

// The command that writes the same CSV from a saved project.
std::string SweepCommand(const SweepRequest& request, const std::string& project_file);

// What a sweep wrote: its CSV, and the numbers of each row.
struct SweepTable {
    std::string csv;
    std::vector<std::vector<double>> rows;
    std::vector<std::string> notes;  // results the study could not give, in its words
    // Of a sweep of one input on a project with longitudinal gradients: the value at which the
    // plan's length-to-width ratio passes 10, where the suggested detention time changes form.
    std::optional<double> whole_volume_ratio;
};

// Runs the sweep on a project file, on every core, telling `watch` how far it has come; the
// table, or nothing when it was cancelled. A study that refuses the request throws StudyError.
std::optional<SweepTable> RunSweepStudy(const SweepRequest& request, const std::string& project_file,
                                        const study::ProgressWatch& watch);

// What the chart shows of each constituent.
enum class SweepMeasure { Efficiency, Outflow };

// Where the curve bends as the plan's length-to-width ratio passes 10, and why, for the user;
// nothing when it does not pass it.
std::optional<std::string> WholeVolumeRatioNote(const StudyInput& input, const SweepTable& table);

// Marks the input's value at which the length-to-width ratio passes 10, when it does.
void MarkWholeVolumeRatio(Chart& chart, const SweepTable& table);

// One line per chosen constituent (each of the modelled constituents in `r`, by position),
// and per value of the second input; the project's present value of the first marked, and
// where the length-to-width ratio passes 10.
Chart SweepChart(const SweepRequest& request, const SweepTable& table, const ProjectRecord& r,
                 const std::vector<std::size_t>& constituents, SweepMeasure measure);

}  // namespace velmar
