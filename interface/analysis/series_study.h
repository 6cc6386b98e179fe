// The project as the front end holds it, run over a dated record of its inputs by the same study
// as `velmar-study series`: the per-step and summary CSVs, the concentrations and flow of every
// step for the charts, and the summary as a table to read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "interface/platform/chart.h"
#include "project/record.h"
#include "study/progress.h"
#include "study/series.h"

namespace velmar {

// Each step is run steady: said wherever the results are shown.
inline constexpr char kQuasiSteadyNote[] = "Each step is run steady: no storage, no lag";

// A modelled constituent as the window offers it: its name, the unit of its concentrations and
// the results name of its outflow, by which a limit is given.
struct SeriesChoice {
    std::string name, unit, outflow;
};
std::vector<SeriesChoice> SeriesChoices(const ProjectRecord& r);

// The record file, the month a year begins (as typed: 1 for calendar years) and a limit on
// one constituent's outflow ("TPoutConc=0.1", or empty).
struct SeriesRequest {
    std::string record;
    std::string year_start = "1";
    std::string limit;
};

// The limit argument for a constituent's outflow and the level typed: empty when none is typed.
std::string SeriesLimit(const SeriesChoice& choice, const std::string& typed);

// Why the request cannot run, in words for the user, or nothing when it can: no record chosen,
// a year start that is not a month's number, a limit that is not a number of 0 or more.
std::optional<std::string> SeriesRequestError(const SeriesRequest& request, const std::string& typed_limit);

// The command that writes the same per-step CSV from a saved project.
std::string SeriesCommand(const SeriesRequest& request, const std::string& project_file);

// What a run found: the command's two CSVs, each step's start, flow and concentrations, the
// summary's rows and the notes on steps without results.
struct SeriesOutcome {
    std::string steps_csv, summary_csv;
    std::vector<SeriesChoice> constituents;
    std::vector<double> limits;                          // per constituent, or not-a-number
    std::vector<double> starts;                          // seconds since 1970-01-01T00:00
    std::vector<double> durations;                       // seconds
    std::vector<double> flows;                           // m3/s
    std::vector<std::vector<double>> inflows, outflows;  // per constituent, per step
    std::vector<study::SeriesSummaryRow> summary;
    std::vector<std::string> notes;
};

// Runs the record on a project file on every core, telling `watch` how far it has come;
// nothing when it was cancelled. A record it cannot run throws with the command's message.
std::optional<SeriesOutcome> RunSeriesStudy(const SeriesRequest& request, const std::string& project_file,
                                            const study::ProgressWatch& watch);

// The flow against a second axis, and inflow and outflow concentration of constituent k, against
// the date.
Chart SeriesTimeChart(const SeriesOutcome& outcome, std::size_t k);

// The outflow duration curve of constituent k: the concentration against the percent of time it
// is reached or exceeded, weighted by the steps' durations, with its limit marked.
Chart SeriesDurationChart(const SeriesOutcome& outcome, std::size_t k);

// The summary by period as an aligned table, and the notes on steps without results.
std::string SeriesSummaryText(const SeriesOutcome& outcome);

}  // namespace velmar
