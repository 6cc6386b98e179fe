// A project run over a dated record of its inputs: one run per row, steady within the step
// (quasi-steady: no storage, no lag between inflow and outflow), and the loads, flow-weighted
// means and duration-weighted percentiles of each period.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "study/evaluation.h"
#include "study/progress.h"
#include "study/quantile_sketch.h"
#include "study/record_table.h"
#include "study/row_writer.h"

namespace velmar::study {

// Opens the record afresh: it is read twice, once to check it whole before anything is
// written, and once to run it, so that no more than a few blocks of rows are ever held.
using RecordSource = std::function<std::unique_ptr<std::istream>()>;

// A record checked whole: a date column first, then input fields by record name, each with
// its conversion to the field's own unit.
struct SeriesRecord {
    std::vector<RecordColumn> columns;  // after the date
    std::vector<InputField> fields;
    std::vector<UnitConversion> units;
    std::size_t steps = 0;
};

// Reads the whole record and refuses, naming the row and column, what it cannot run: an
// unknown column or unit, an empty or non-numeric cell, a value its field cannot take (a flow
// of 0 or less), a bad date, dates that do not increase, fewer than two rows. Messages begin
// with `name`, the record's name.
SeriesRecord CheckSeriesRecord(const RecordSource& source, const std::string& name);

// A modelled constituent as the series follows it: its inflow concentration and the results
// of its removal efficiency and outflow.
struct SeriesConstituent {
    std::string name;
    double ProjectRecord::*inflow;
    std::size_t efficiency;
    std::string outflow_name;  // the results name of its outflow concentration
    bool coliform;             // counted per 100 mL: loads in MPN, not kg
};

struct SeriesPlan {
    SeriesRecord record;
    std::vector<SeriesConstituent> constituents;
    std::vector<double> limits;  // per constituent: an outflow limit, or not-a-number
    int year_start = 1;          // month a year begins: 1 for calendar years, else water years
};

// The plan for a project: its modelled constituents, and the limits given as "NAME=VALUE" by
// the results name of an outflow. `year_start` is the month's number as typed, 1 to 12.
SeriesPlan PlanSeries(SeriesRecord record, const ProjectRecord& project, const std::string& year_start,
                      const std::vector<std::string>& limits);

// Steps `first` on, in order.
struct SeriesBlock {
    std::size_t first = 0;
    std::vector<std::string> dates;  // as written in the record
    std::vector<RecordDate> starts;
    std::vector<std::int64_t> seconds;  // each step's duration: until the next row's date
    std::vector<std::size_t> rows;      // in the record, as a spreadsheet numbers them
    std::vector<double> values;         // the columns' values in the fields' units, step by step
    // Per step and constituent, the model's values (not-a-number where it gives none): flow in
    // m3/s, then for each constituent inflow, removal efficiency and outflow concentration.
    std::vector<double> outcomes;
    std::vector<bool> phosphorus_unsolved;
    FlawTally flaws;
};

// Values per step in SeriesBlock::outcomes for `constituents` constituents.
constexpr std::size_t OutcomeWidth(std::size_t constituents) {
    return 1 + 3 * constituents;
}

// Runs every row of the record on `threads` threads and hands the blocks of steps to `consume`
// in order. Returns the number of steps done: all unless interrupted.
std::size_t RunSeries(const Study& study, const SeriesPlan& plan, const RecordSource& source, int threads,
                      Progress& progress, const std::function<void(SeriesBlock&&)>& consume);

// The per-step columns: date, the record's columns, each constituent's efficiency and outflow.
std::vector<std::string> SeriesStepColumns(const SeriesPlan& plan);
// Step i of a block as cells under those columns.
std::vector<Cell> SeriesStepCells(const SeriesPlan& plan, const SeriesBlock& block, std::size_t i);

// One period's figures for one constituent.
struct SeriesSummaryRow {
    std::string period, constituent, load_unit;
    std::size_t steps = 0;
    std::size_t steps_above_limit = 0;
    // inflow_volume_m3, inflow_load, outflow_load, load_removed, load_removal_pct, fwm_inflow,
    // fwm_outflow, outflow_p50, outflow_p90, outflow_p95, outflow_max, steady_RE,
    // steady_outflow, limit: in the order of SeriesSummaryColumns.
    std::vector<double> figures;
};

std::vector<std::string> SeriesSummaryColumns();
std::vector<Cell> SeriesSummaryCells(const SeriesSummaryRow& row);

// The summary, gathered step by step in memory that does not grow with the number of steps:
// a period is closed when the record passes it; its percentiles, weighted by the steps'
// durations in seconds, are exact up to a century of daily steps and come from a quantile
// sketch beyond.
class SeriesSummary {
public:
    SeriesSummary(const Study& study, const SeriesPlan& plan);
    ~SeriesSummary();

    void Add(const SeriesBlock& block);

    // The rows of every period: all, then each year, then each month.
    std::vector<SeriesSummaryRow> Finish();

    // The notes of the steps whose results are no value, of `steps` done.
    std::vector<std::string> Notes(std::size_t steps) const;

private:
    struct Period;
    void Close(Period& period, std::vector<SeriesSummaryRow>& rows) const;

    const Study& study_;
    const SeriesPlan& plan_;
    std::unique_ptr<Period> all_, year_, month_;
    std::vector<SeriesSummaryRow> years_, months_;
    FlawTally flaws_;
    std::vector<std::size_t> unsolved_rows_;  // the first few
    std::size_t unsolved_ = 0;
};

}  // namespace velmar::study
