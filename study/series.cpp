#include "study/series.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <limits>
#include <mutex>
#include <optional>
#include <utility>

#include "project/results_layout.h"
#include "project/slots.h"
#include "project/units.h"
#include "study/command_support.h"
#include "study/constituents.h"
#include "study/nearest_names.h"
#include "study/ordered_parallel.h"
#include "study/parse_number.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

constexpr std::size_t kBlock = 64;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// The outflows a period holds for exact percentiles, per constituent (a century of days); a
// longer period counts them in a quantile sketch.
constexpr std::size_t kHeldOutflows = 40000;
// Rows of unsolved phosphorus named in a note; the rest are counted.
constexpr std::size_t kNamedRows = 20;

// The columns of a record's header: a date first, then input fields, each once.
SeriesRecord HeaderOf(const RecordTable& table) {
    const std::vector<RecordColumn>& columns = table.columns();
    if (columns.front().name != "date" || !columns.front().unit.empty())
        throw StudyError(table.Where(0) + ": the first column must be the date, headed 'date'");
    SeriesRecord record;
    for (std::size_t c = 1; c < columns.size(); ++c) {
        const std::string where = table.Where(c);
        try {
            record.fields.push_back(FindInputField(columns[c].name));
        } catch (const StudyError& e) {
            throw StudyError(where + ": " + e.what(), e.kind);
        }
        for (std::size_t earlier = 0; earlier + 1 < record.fields.size(); ++earlier) {
            if (record.fields[earlier].value == record.fields.back().value)
                throw StudyError(where + ": the field is also column " + std::to_string(earlier + 2));
        }
        record.units.push_back(FieldUnit(record.fields.back(), columns[c].unit, where));
        record.columns.push_back(columns[c]);
    }
    return record;
}

struct RecordRow {
    std::string date;
    RecordDate start;
    std::size_t row = 0;
    std::vector<double> values;
};

// The rows of a record, each checked: its date after the one before, its cells numbers its
// fields can take, in their units.
class RowReader {
public:
    explicit RowReader(std::istream& in) : table_(in), record_(HeaderOf(table_)) {}

    const SeriesRecord& record() const { return record_; }

    bool Next(RecordRow& row) {
        if (!table_.Next(cells_)) return false;
        row.row = table_.row();
        row.date = cells_[0];
        row.start = ParseRecordDate(cells_[0], table_.Where(0));
        if (previous_ && row.start.seconds <= *previous_) {
            throw StudyError(table_.Where(0) + ": " + row.date + " does not follow " + previous_text_ +
                             " on the row before: dates must increase");
        }
        previous_ = row.start.seconds;
        previous_text_ = row.date;
        row.values.resize(record_.fields.size());
        for (std::size_t i = 0; i < row.values.size(); ++i) row.values[i] = Value(i);
        return true;
    }

private:
    // Cell i + 1 in its field's unit; the cell's place is worked out for a message only.
    double Value(std::size_t i) const {
        const auto where = [&] { return table_.Where(i + 1); };
        const std::string& cell = cells_[i + 1];
        if (cell.empty()) throw StudyError(where() + ": the cell is empty");
        double number = 0;
        try {
            number = ParseNumber(cell, "");
        } catch (const StudyError& e) {
            throw StudyError(where() + e.what());
        }
        const InputField& field = record_.fields[i];
        const double value = record_.units[i].ToField(number);
        if (!std::isfinite(value)) throw StudyError(where() + ": '" + cell + "' is past the largest number");
        if (field.value->label == std::string_view("flow") && value <= 0)
            throw StudyError(where() + ": the flow must be greater than 0");
        if (!Admits(field, value)) CheckFieldRange(field, value, value, where());
        return value;
    }

    RecordTable table_;
    SeriesRecord record_;
    std::vector<std::string> cells_;
    std::optional<std::int64_t> previous_;  // the row before's date, in seconds
    std::string previous_text_;
};

// The record read a block of steps at a time, in order, by whichever worker runs the block.
// A step lasts until the next row's date, so one row is read ahead; the last lasts as long
// as the one before it.
class StepFeed {
public:
    explicit StepFeed(std::istream& in) : reader_(in) { more_ = reader_.Next(ahead_); }

    void Read(std::size_t begin, std::size_t end, SeriesBlock& block) {
        std::unique_lock lock(mutex_);
        turn_.wait(lock, [&] { return next_ == begin || failure_; });
        if (failure_) std::rethrow_exception(failure_);
        try {
            for (std::size_t step = begin; step < end; ++step) Take(block);
        } catch (...) {
            failure_ = std::current_exception();
            turn_.notify_all();
            throw;
        }
        next_ = end;
        turn_.notify_all();
    }

private:
    void Take(SeriesBlock& block) {
        if (!more_) throw StudyError("the record changed while it was run: it has fewer rows than before");
        RecordRow row = std::move(ahead_);
        more_ = reader_.Next(ahead_);
        if (more_) last_seconds_ = ahead_.start.seconds - row.start.seconds;
        block.dates.push_back(std::move(row.date));
        block.starts.push_back(row.start);
        block.seconds.push_back(last_seconds_);
        block.rows.push_back(row.row);
        block.values.insert(block.values.end(), row.values.begin(), row.values.end());
    }

    RowReader reader_;
    RecordRow ahead_;
    bool more_ = false;
    std::int64_t last_seconds_ = 0;
    std::mutex mutex_;
    std::condition_variable turn_;
    std::size_t next_ = 0;
    std::exception_ptr failure_;
};

// The flow, then each constituent's inflow, removal efficiency and outflow concentration of a
// run. The outflow is inflow × (1 − RE/100) whether or not the project asks the engine for it.
void Outcomes(const SeriesPlan& plan, const ModelState& s, const ResultValues& results, double* out) {
    *out++ = s.flow;
    for (const SeriesConstituent& c : plan.constituents) {
        const double inflow = s.*c.inflow;
        const double efficiency = results[c.efficiency];
        *out++ = inflow;
        *out++ = efficiency;
        *out++ = inflow * (1 - efficiency / 100);
    }
}

SeriesConstituent ConstituentOf(const ConstituentResults& modelled) {
    const ResultsEntry& entry = kResultsEntries[modelled.efficiency];
    const std::size_t outflow = *FindResultsEntry(entry.of, entry.index, ResultsKind::Outflow);
    double ProjectRecord::*inflow = entry.of == ResultsOf::Conventional ? kConventional[entry.index].inflow
                                    : entry.of == ResultsOf::Organic    ? kOrganicSlots[entry.index].inflow
                                                                        : kMetalSlots[entry.index].inflow;
    return {modelled.name, inflow, modelled.efficiency, ResultName(outflow),
            entry.of == ResultsOf::Conventional && entry.index == kTCB};
}

std::vector<double> ParseLimits(const std::vector<SeriesConstituent>& constituents,
                                const std::vector<std::string>& limits) {
    std::vector<double> values(constituents.size(), kNoValue);
    std::vector<std::string_view> names;
    for (const SeriesConstituent& c : constituents) names.emplace_back(c.outflow_name);
    for (const std::string& limit : limits) {
        const std::string what = "--limit " + limit;
        const std::size_t equals = limit.find('=');
        if (equals == std::string::npos) throw StudyError(what + ": not of the form NAME=VALUE");
        const std::string name = limit.substr(0, equals);
        std::size_t c = 0;
        while (c < names.size() && names[c] != name) ++c;
        if (c == names.size())
            throw StudyError(
                what + ": " + UnknownNameMessage("outflow of a modelled constituent", name, names),
                StudyErrorKind::UnknownName);
        if (!std::isnan(values[c])) throw StudyError(what + ": " + name + " is given a limit more than once");
        values[c] = ParseNumber(limit.substr(equals + 1), what);
    }
    return values;
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

SeriesRecord CheckSeriesRecord(const RecordSource& source, const std::string& name) {
    const std::unique_ptr<std::istream> in = source();
    try {
        RowReader reader(*in);
        RecordRow row;
        std::size_t steps = 0;
        while (reader.Next(row)) ++steps;
        if (steps < 2) {
            throw StudyError(
                "the record has fewer than two rows: a step lasts until the next row's date, so it takes "
                "two");
        }
        SeriesRecord record = reader.record();
        record.steps = steps;
        return record;
    } catch (const StudyError& e) {
        throw StudyError(name + ": " + e.what(), e.kind);
    }
}

SeriesPlan PlanSeries(SeriesRecord record, const ProjectRecord& project, const std::string& year_start,
                      const std::vector<std::string>& limits) {
    SeriesPlan plan{std::move(record), {}, {}, 1};
    for (const ConstituentResults& modelled : ModelledConstituents(project))
        plan.constituents.push_back(ConstituentOf(modelled));
    plan.limits = ParseLimits(plan.constituents, limits);
    plan.year_start = static_cast<int>(ParseWholeNumber(year_start, "--year-start", 1, 12));
    return plan;
}

std::size_t RunSeries(const Study& study, const SeriesPlan& plan, const RecordSource& source, int threads,
                      Progress& progress, const std::function<void(SeriesBlock&&)>& consume) {
    const std::unique_ptr<std::istream> in = source();
    StepFeed feed(*in);
    const std::size_t columns = plan.record.fields.size();
    const std::size_t width = OutcomeWidth(plan.constituents.size());
    const auto produce = [&](int, std::size_t begin, std::size_t end) {
        SeriesBlock block;
        block.first = begin;
        feed.Read(begin, end, block);
        block.outcomes.resize((end - begin) * width);
        ModelState s;
        ResultValues results;
        for (std::size_t i = 0; i < end - begin; ++i) {
            const ResultFlaws flaws = study.Evaluate(
                std::span<const double>(block.values.data() + i * columns, columns), s, results);
            block.flaws.Add(flaws);
            block.phosphorus_unsolved.push_back(flaws.phosphorus_unsolved);
            Outcomes(plan, s, results, block.outcomes.data() + i * width);
        }
        return block;
    };
    return RunBlocksInOrder(plan.record.steps, kBlock, threads, produce, consume, progress);
}

std::vector<std::string> SeriesStepColumns(const SeriesPlan& plan) {
    std::vector<std::string> columns{"date"};
    for (const RecordColumn& c : plan.record.columns) columns.push_back(c.name);
    for (const SeriesConstituent& c : plan.constituents) {
        columns.emplace_back(ResultName(c.efficiency));
        columns.push_back(c.outflow_name);
    }
    return columns;
}

std::vector<Cell> SeriesStepCells(const SeriesPlan& plan, const SeriesBlock& block, std::size_t i) {
    const std::size_t columns = plan.record.fields.size();
    const std::size_t width = OutcomeWidth(plan.constituents.size());
    std::vector<Cell> cells{block.dates[i]};
    cells.insert(cells.end(), block.values.begin() + static_cast<std::ptrdiff_t>(i * columns),
                 block.values.begin() + static_cast<std::ptrdiff_t>((i + 1) * columns));
    const double* outcome = block.outcomes.data() + i * width + 1;
    for (std::size_t c = 0; c < plan.constituents.size(); ++c, outcome += 3) {
        cells.emplace_back(outcome[1]);
        cells.emplace_back(outcome[2]);
    }
    return cells;
}

std::vector<std::string> SeriesSummaryColumns() {
    return {"period",      "constituent",    "steps",        "inflow_volume_m3", "load_unit",
            "inflow_load", "outflow_load",   "load_removed", "load_removal_pct", "fwm_inflow",
            "fwm_outflow", "outflow_p50",    "outflow_p90",  "outflow_p95",      "outflow_max",
            "steady_RE",   "steady_outflow", "limit",        "steps_above_limit"};
}

std::vector<Cell> SeriesSummaryCells(const SeriesSummaryRow& row) {
    std::vector<Cell> cells{row.period, row.constituent, static_cast<double>(row.steps), row.figures[0],
                            row.load_unit};
    cells.insert(cells.end(), row.figures.begin() + 1, row.figures.end());
    if (std::isnan(row.figures.back())) cells.back() = std::string();  // no limit given
    cells.emplace_back(std::isnan(row.figures.back()) ? Cell(std::string())
                                                      : Cell(static_cast<double>(row.steps_above_limit)));
    return cells;
}

// One period's sums: of durations, and of each column's values weighted by time and by flow
// (for the run at the period's average conditions), and each constituent's tally.
struct SeriesSummary::Period {
    struct Tally {
        std::size_t steps = 0, above = 0;
        double volume = 0, inflow = 0, outflow = 0;  // sums of Q dt, Q Cin dt and Q Cout dt
        // The outflows with their durations in seconds: held while they are few, then in a
        // quantile sketch, so that a period of any length fits in bounded memory.
        std::vector<std::pair<double, std::int64_t>> outflows;
        std::unique_ptr<QuantileSketch> sketch;

        void Add(double outflow, std::int64_t seconds) {
            if (!sketch && outflows.size() == kHeldOutflows) {
                sketch = std::make_unique<QuantileSketch>();
                for (const auto& [value, duration] : outflows)
                    sketch->AddRepeated(value, static_cast<std::uint64_t>(duration));
                outflows = {};
            }
            if (sketch)
                sketch->AddRepeated(outflow, static_cast<std::uint64_t>(seconds));
            else
                outflows.emplace_back(outflow, seconds);
        }

        // The outflow at rank ceil(p T) (at least 1) of the T seconds counted.
        double Percentile(double p) {
            if (steps == 0) return kNoValue;
            if (sketch) return sketch->Quantile(p);
            std::sort(outflows.begin(), outflows.end());
            std::int64_t total = 0;
            for (const auto& [_, seconds] : outflows) total += seconds;
            const auto rank = std::max<std::int64_t>(
                1, static_cast<std::int64_t>(std::ceil(p * static_cast<double>(total))));
            std::int64_t below = 0;
            for (const auto& [outflow, seconds] : outflows) {
                below += seconds;
                if (below >= rank) return outflow;
            }
            return outflows.back().first;
        }
    };

    Period(std::string name, std::int64_t key, std::size_t columns, std::size_t constituents)
        : name(std::move(name)), key(key), by_time(columns), by_flow(columns), tallies(constituents) {}

    std::string name;
    std::int64_t key;
    double seconds = 0, flow_seconds = 0;
    std::vector<double> by_time, by_flow;
    std::vector<Tally> tallies;
};

SeriesSummary::SeriesSummary(const Study& study, const SeriesPlan& plan) : study_(study), plan_(plan) {
    all_ = std::make_unique<Period>("all", 0, plan.record.fields.size(), plan.constituents.size());
}

SeriesSummary::~SeriesSummary() = default;

void SeriesSummary::Add(const SeriesBlock& block) {
    flaws_.Merge(block.flaws);
    const std::size_t columns = plan_.record.fields.size();
    const std::size_t width = OutcomeWidth(plan_.constituents.size());
    for (std::size_t i = 0; i < block.dates.size(); ++i) {
        const RecordDate& d = block.starts[i];
        const int year = d.year + (plan_.year_start > 1 && d.month >= plan_.year_start);
        const std::int64_t month = std::int64_t{d.year} * 12 + d.month;
        if (year_ && year_->key != year) Close(*std::exchange(year_, nullptr), years_);
        if (month_ && month_->key != month) Close(*std::exchange(month_, nullptr), months_);
        if (!year_)
            year_ = std::make_unique<Period>(std::to_string(year), year, columns, plan_.constituents.size());
        if (!month_) {
            month_ = std::make_unique<Period>(std::to_string(d.year) + "-" + TwoDigits(d.month), month,
                                              columns, plan_.constituents.size());
        }
        if (block.phosphorus_unsolved[i] && unsolved_++ < kNamedRows) unsolved_rows_.push_back(block.rows[i]);

        const auto seconds = static_cast<double>(block.seconds[i]);
        const double* values = block.values.data() + i * columns;
        const double* outcome = block.outcomes.data() + i * width;
        const double flow = outcome[0];
        for (Period* p : {all_.get(), year_.get(), month_.get()}) {
            p->seconds += seconds;
            p->flow_seconds += flow * seconds;
            for (std::size_t c = 0; c < columns; ++c) {
                p->by_time[c] += values[c] * seconds;
                p->by_flow[c] += values[c] * flow * seconds;
            }
            for (std::size_t c = 0; c < plan_.constituents.size(); ++c) {
                const double inflow = outcome[1 + 3 * c], outflow = outcome[3 + 3 * c];
                if (std::isnan(outflow)) continue;  // no value: left out of this constituent's figures
                Period::Tally& t = p->tallies[c];
                ++t.steps;
                t.volume += flow * seconds;
                t.inflow += flow * inflow * seconds;
                t.outflow += flow * outflow * seconds;
                t.Add(outflow, block.seconds[i]);
                t.above += outflow > plan_.limits[c];
            }
        }
    }
}

void SeriesSummary::Close(Period& period, std::vector<SeriesSummaryRow>& rows) const {
    // The run at the period's average conditions: flow, temperature and any other input by
    // time, inflow concentrations by flow.
    std::vector<double> means(plan_.record.fields.size());
    for (std::size_t c = 0; c < means.size(); ++c) {
        means[c] = IsInflowConcentration(plan_.record.fields[c]) ? period.by_flow[c] / period.flow_seconds
                                                                 : period.by_time[c] / period.seconds;
    }
    std::vector<double> steady(OutcomeWidth(plan_.constituents.size()), kNoValue);
    if (study_.inputs().Admit(means)) {
        ModelState s;
        ResultValues results;
        study_.Evaluate(means, s, results);
        Outcomes(plan_, s, results, steady.data());
    }
    for (std::size_t c = 0; c < plan_.constituents.size(); ++c) {
        const SeriesConstituent& constituent = plan_.constituents[c];
        Period::Tally& t = period.tallies[c];
        const double load_factor =
            constituent.coliform ? units::kHundredMillilitresPerCubicMetre : units::kKilogramsPerGram;
        const double inflow_load = t.inflow * load_factor, outflow_load = t.outflow * load_factor;
        SeriesSummaryRow row{period.name, constituent.name, constituent.coliform ? "MPN" : "kg",
                             t.steps,     t.above,          {}};
        row.figures = {t.volume,
                       inflow_load,
                       outflow_load,
                       inflow_load - outflow_load,
                       100 * (inflow_load - outflow_load) / inflow_load,
                       t.inflow / t.volume,
                       t.outflow / t.volume,
                       t.Percentile(0.5),
                       t.Percentile(0.9),
                       t.Percentile(0.95),
                       t.Percentile(1),
                       steady[2 + 3 * c],
                       steady[3 + 3 * c],
                       plan_.limits[c]};
        rows.push_back(std::move(row));
    }
}

std::vector<SeriesSummaryRow> SeriesSummary::Finish() {
    std::vector<SeriesSummaryRow> rows;
    Close(*all_, rows);
    if (year_) Close(*std::exchange(year_, nullptr), years_);
    if (month_) Close(*std::exchange(month_, nullptr), months_);
    rows.insert(rows.end(), years_.begin(), years_.end());
    rows.insert(rows.end(), months_.begin(), months_.end());
    return rows;
}

std::vector<std::string> SeriesSummary::Notes(std::size_t steps) const {
    std::vector<std::string> notes =
        FlawNotes(flaws_, OfTotal("in", steps, "steps"),
                  "their TP results are given as nan and left out of the TP figures of the summary",
                  "they are given as nan and left out of their constituent's figures in the summary");
    if (unsolved_ > 0) {
        std::string rows;
        for (std::size_t row : unsolved_rows_) rows += (rows.empty() ? "" : ", ") + std::to_string(row);
        if (unsolved_ > unsolved_rows_.size())
            rows += " and " + std::to_string(unsolved_ - kNamedRows) + " more";
        notes.push_back("rows whose phosphorus solution did not converge: " + rows);
    }
    return notes;
}

}  // namespace velmar::study
