// velmar.run_many, velmar.sweep, velmar.uncertainty, velmar.size, velmar.compare and velmar.series: the
// studies of velmar-study, their arguments given as Python values or in the command's own text
// forms.
#include <cmath>
#include <limits>
#include <memory>
#include <sstream>

#include "model/driver.h"
#include "project/csv_text.h"
#include "python/binding_support.h"
#include "study/command_support.h"
#include "study/compare.h"
#include "study/compare_curves.h"
#include "study/ordered_parallel.h"
#include "study/series.h"
#include "study/sizing.h"
#include "study/sweep.h"
#include "study/uncertainty.h"

namespace velmar::python {
namespace {

using study::Cell;
using study::InputField;
using study::kResultCount;
using study::ResultName;

// Projects run in blocks of this many, as velmar-study run does.
constexpr std::size_t kRunBlock = 8;

bool IsMapping(py::handle h) {
    return py::isinstance(h, py::module_::import("collections.abc").attr("Mapping"));
}

// Arguments of the form "FIELD=TEXT": a str is one; a mapping {FIELD: value} gives one per
// entry, its value as text or as numbers that `value_text` writes as the command's text; any
// other iterable holds texts.
template <typename ValueText>
std::vector<std::string> FieldArguments(py::handle given, ValueText value_text) {
    std::vector<std::string> arguments;
    if (py::isinstance<py::str>(given)) {
        arguments.push_back(given.cast<std::string>());
    } else if (IsMapping(given)) {
        for (const py::handle item : given.attr("items")()) {
            const py::handle field = item[py::int_(0)], value = item[py::int_(1)];
            const std::string text =
                py::isinstance<py::str>(value) ? std::string(py::str(value)) : value_text(value);
            arguments.push_back(std::string(py::str(field)) + "=" + text);
        }
    } else {
        for (const py::handle item : py::iter(given)) arguments.push_back(py::str(item));
    }
    return arguments;
}

std::string Joined(py::handle numbers, const char* separator, const char* what) {
    std::string text;
    for (const py::handle x : py::iter(numbers))
        text += (text.empty() ? "" : separator) + NumberArgument(x, what);
    return text;
}

// "FROM:TO:STEPS" from (FROM, TO, STEPS).
std::vector<std::string> VaryArguments(py::handle vary) {
    return FieldArguments(vary, [](py::handle v) { return Joined(v, ":", "vary"); });
}

// "KIND(p1,p2)" from ("KIND", p1, p2).
std::vector<std::string> DistributionArguments(py::handle dist) {
    return FieldArguments(dist, [](py::handle v) {
        const py::tuple t(py::reinterpret_borrow<py::object>(v));
        if (t.empty() || !py::isinstance<py::str>(t[0])) {
            throw py::type_error(
                "dist: a distribution is given as text, 'lognormal(0.2,2)', or as a tuple, "
                "('lognormal', 0.2, 2)");
        }
        return t[0].cast<std::string>() + "(" + Joined(t[py::slice(1, t.size(), 1)], ",", "dist") + ")";
    });
}

std::vector<std::string> FieldNames(const study::Study& s) {
    std::vector<std::string> names;
    for (const InputField& f : s.inputs().fields()) names.push_back(f.name);
    return names;
}

py::list RunMany(py::iterable projects, py::handle threads) {
    // A text is iterable too, and would be taken for the paths of its characters.
    if (py::isinstance<py::str>(projects))
        throw py::type_error("run_many takes a list of projects or paths, not one path; give [path]");
    std::vector<std::unique_ptr<Project>> read;
    for (const py::handle p : projects) read.push_back(std::make_unique<Project>(ProjectFrom(p)));
    const int workers = ThreadsFrom(threads);
    std::vector<Results> results(read.size());
    std::vector<study::ResultFlaws> flaws(read.size());
    WithoutGil([&] {
        study::Progress progress("", 0, SignalWatch());
        const auto produce = [&](int, std::size_t begin, std::size_t end) {
            auto s = std::make_unique<ModelState>();
            for (std::size_t i = begin; i < end; ++i) {
                *s = read[i]->state;
                ComputeModel(*s);
                flaws[i] = study::CollectResults(*s, results[i].values);
            }
            return 0;
        };
        study::RunBlocksInOrder(
            read.size(), kRunBlock, workers, produce, [](int) {}, progress);
    });
    py::list list;
    for (std::size_t i = 0; i < read.size(); ++i) {
        WarnAll(study::ProjectRunNotes(flaws[i], read[i]->path));
        list.append(py::cast(results[i]));
    }
    return list;
}

py::dict Sweep(py::handle project, py::handle vary, bool log, py::handle threads) {
    const study::SweepGrid grid = study::ParseSweepGrid(VaryArguments(vary), log);
    const Project p = ProjectFrom(project);
    const int workers = ThreadsFrom(threads);
    const study::Study study(p.path, p.state, grid.fields);
    const std::size_t points = grid.Points(), dimensions = grid.fields.size();
    ColumnTable table(study::WithResultColumns(FieldNames(study)), points);
    study::FlawTally flaws;
    WithoutGil([&] {
        study::Progress progress("", 0, SignalWatch());
        study::RunSweep(study, grid, workers, false, progress, [&](study::SweepBlock&& block) {
            flaws.Merge(block.flaws);
            for (std::size_t i = 0; i < block.results.size(); ++i) {
                const std::size_t point = block.first + i;
                for (std::size_t d = 0; d < dimensions; ++d)
                    table.At(d, point) = block.values[i * dimensions + d];
                for (std::size_t j = 0; j < kResultCount; ++j)
                    table.At(dimensions + j, point) = block.results[i][j];
            }
        });
    });
    WarnAll(study::SweepNotes(flaws, points));
    return table.Columns();
}

// "NAME=VALUE" arguments from {NAME: value}, "NAME=VALUE" or texts; none from None.
std::vector<std::string> NamedArguments(py::handle given, const char* what) {
    if (given.is_none()) return {};
    return FieldArguments(given, [what](py::handle v) { return NumberArgument(v, what); });
}

py::object Uncertainty(py::handle project, py::handle dist, py::handle samples_wanted, py::handle seed,
                       bool lhs, bool samples, py::handle targets, py::handle threads) {
    const study::UncertainInputs inputs = study::ParseUncertainInputs(DistributionArguments(dist));
    study::UncertaintyOutcome outcome;
    outcome.targets = study::ParseResultTargets(NamedArguments(targets, "target"));
    const auto n = static_cast<std::int64_t>(
        WholeNumberFrom(samples_wanted, "n", 1, std::numeric_limits<std::int64_t>::max()));
    const study::Sampling sampling{
        n, WholeNumberFrom(seed, "seed", 0, std::numeric_limits<std::uint64_t>::max()), lhs};
    study::CheckSampling(sampling);
    const Project p = ProjectFrom(project);
    const int workers = ThreadsFrom(threads);
    const study::Study study(p.path, p.state, inputs.fields);
    const std::size_t dimensions = inputs.fields.size();

    std::vector<std::string> sample_columns = {"sample"};
    for (const std::string& name : FieldNames(study)) sample_columns.push_back(name);
    std::unique_ptr<ColumnTable> table;
    study::SampleKeeper keeper;
    if (samples) {
        table = std::make_unique<ColumnTable>(study::WithResultColumns(sample_columns),
                                              static_cast<std::size_t>(n));
        // Each sample fills a row of its own, so workers write apart.
        keeper.keep = [&](std::size_t i, std::span<const double> values, const study::ResultValues& v,
                          std::vector<std::string>&) {
            table->At(0, i) = static_cast<double>(i);
            for (std::size_t d = 0; d < dimensions; ++d) table->At(1 + d, i) = values[d];
            for (std::size_t j = 0; j < kResultCount; ++j) table->At(1 + dimensions + j, i) = v[j];
        };
        keeper.write = [](const std::string&) {};
    }
    WithoutGil([&] {
        study::Progress progress("", 0, SignalWatch());
        study::RunUncertainty(study, inputs.distributions, sampling, workers, keeper, progress, outcome);
    });
    WarnAll(outcome.Notes());
    py::dict statistics;
    for (std::size_t j = 0; j < kResultCount; ++j) {
        const std::vector<double> values = outcome.Statistics(j);
        py::dict row;
        row["n"] = py::int_(static_cast<long long>(values[0]));
        for (std::size_t k = 1; k < values.size(); ++k) row[py::str(study::kStatisticNames[k])] = values[k];
        statistics[ResultName(j)] = row;
    }
    for (std::size_t t = 0; t < outcome.targets.size(); ++t) {
        const study::TargetChance& c = outcome.chances[t];
        py::dict chance;
        chance["value"] = outcome.targets[t].value;
        chance["met"] = c.met;
        chance["n"] = c.n;
        chance["share"] = c.Share();
        chance["low95"] = c.Low();
        chance["high95"] = c.High();
        statistics[ResultName(outcome.targets[t].result)]["target"] = chance;
    }
    if (!table) return statistics;
    return py::make_tuple(statistics, table->Columns());
}

std::string TargetArgument(py::handle target) {
    if (py::isinstance<py::str>(target)) return target.cast<std::string>();
    const py::tuple t(py::reinterpret_borrow<py::object>(target));
    if (t.size() != 2) throw py::type_error("target is given as 'RESULT=VALUE' or as (RESULT, VALUE)");
    return std::string(py::str(t[0])) + "=" + NumberArgument(t[1], "target");
}

std::string RangeArgument(py::handle range) {
    if (range.is_none()) return "";
    if (py::isinstance<py::str>(range)) return range.cast<std::string>();
    return Joined(range, ":", "range");
}

py::dict Size(py::handle project, py::handle target, const std::string& vary, py::handle range,
              py::handle threads) {
    const study::SizeTarget goal = study::ParseSizeTarget(TargetArgument(target));
    const InputField field = study::FindInputField(vary);
    const Project p = ProjectFrom(project);
    const int workers = ThreadsFrom(threads);
    const study::Study study(p.path, p.state, {field});
    const auto [low, high] = study::ParseSearchRange(RangeArgument(range), study);
    const auto found = WithoutGil([&] {
        study::Progress progress("", 0, SignalWatch());
        std::size_t scanned = 0;
        return study::FindSize(study, goal, low, high, workers, progress, scanned);
    });
    if (!found) {  // stopped by the study's own interrupt
        PyErr_SetNone(PyExc_KeyboardInterrupt);
        throw py::error_already_set();
    }
    py::dict row;
    row[py::str(vary)] = found->value;
    row[ResultName(goal.result)] = found->reached;
    return row;
}

// The projects of a comparison: one Project or path, or an iterable of them.
std::vector<Project> ProjectsFrom(py::handle projects) {
    const bool one = py::isinstance<Project>(projects) || py::isinstance<py::str>(projects) ||
                     py::isinstance(projects, py::module_::import("os").attr("PathLike"));
    if (one) return {ProjectFrom(projects)};
    std::vector<Project> read;
    for (const py::handle p : py::iter(projects)) read.push_back(ProjectFrom(p));
    return read;
}

// The outflows over a range of areas as columns: the constituent as text, numbers for the
// rest, not a number where the command leaves a cell empty.
py::dict CompareCurves(const Project& p, py::handle areas, bool log, const study::CompareSettings& settings) {
    const std::string text =
        py::isinstance<py::str>(areas) ? areas.cast<std::string>() : Joined(areas, ":", "areas");
    const study::GridRange values = study::ParseCompareAreas(text, log);
    study::ComparedCurves curves;
    WithoutGil([&] { curves = study::CompareCurves(p.path, p.state, values, settings); });
    WarnAll(curves.notes);
    const std::vector<std::vector<Cell>> rows = study::CompareCurveRows(curves);
    const std::vector<std::string> names = study::CompareCurveColumns();
    ColumnTable numbers({names.begin() + 1, names.end()}, rows.size());
    py::list constituents;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        constituents.append(std::get<std::string>(rows[r][0]));
        for (std::size_t c = 1; c < names.size(); ++c) {
            const double* x = std::get_if<double>(&rows[r][c]);
            numbers.At(c - 1, r) = x ? *x : std::numeric_limits<double>::quiet_NaN();
        }
    }
    py::dict columns;
    columns[py::str(names[0])] = constituents;
    for (const auto item : numbers.Columns()) columns[item.first] = item.second;
    return columns;
}

// Rows of cells as columns: lists of text where `text(c)` says so, numbers otherwise, each
// cell's number given by `number`.
template <typename IsText, typename NumberOf>
py::dict ColumnsOfCells(const std::vector<std::string>& names, const std::vector<std::vector<Cell>>& rows,
                        IsText text, NumberOf number) {
    std::vector<std::string> numeric;
    for (std::size_t c = 0; c < names.size(); ++c)
        if (!text(c)) numeric.push_back(names[c]);
    ColumnTable numbers(numeric, rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0, n = 0; c < names.size(); ++c)
            if (!text(c)) numbers.At(n++, r) = number(rows[r][c]);
    }
    const py::dict number_columns = numbers.Columns();
    py::dict columns;
    for (std::size_t c = 0; c < names.size(); ++c) {
        if (!text(c)) {
            columns[py::str(names[c])] = number_columns[py::str(names[c])];
            continue;
        }
        py::list column;
        for (const std::vector<Cell>& row : rows) column.append(std::get<std::string>(row[c]));
        columns[py::str(names[c])] = column;
    }
    return columns;
}

// Rows of cells as columns: text where the first row holds text, numbers otherwise, not a number
// where the command leaves a cell empty.
py::dict CellColumns(const std::vector<std::string>& names, const std::vector<std::vector<Cell>>& rows) {
    const auto text = [&rows](std::size_t c) {
        return !rows.empty() && std::holds_alternative<std::string>(rows.front()[c]) &&
               !std::get<std::string>(rows.front()[c]).empty();
    };
    return ColumnsOfCells(names, rows, text, [](const Cell& cell) {
        const double* x = std::get_if<double>(&cell);
        return x ? *x : std::numeric_limits<double>::quiet_NaN();
    });
}

// The comparison as columns: text for the file, constituent and note, numbers for the rest,
// not a number where the command leaves a cell empty and infinity where it says no area
// reaches the target. With areas, the outflows over them instead.
py::dict Compare(py::handle projects, const std::string& type, py::handle k, py::handle cstar,
                 py::handle tanks, py::handle theta, py::handle target, py::handle areas, bool log,
                 py::handle threads) {
    study::CompareArguments arguments;
    arguments.type = WetlandTypeFrom(type);
    arguments.k = NamedArguments(k, "k");
    arguments.cstar = NamedArguments(cstar, "cstar");
    arguments.tanks = NamedArguments(tanks, "tanks");
    arguments.theta = NamedArguments(theta, "theta");
    arguments.targets = NamedArguments(target, "target");
    study::CompareSettings settings = study::ParseCompareSettings(arguments, ThreadsFrom(threads));
    settings.watch = SignalWatch();
    const std::vector<Project> read = ProjectsFrom(projects);
    study::CheckCurvesRequest(!areas.is_none(), log, read.size(), settings);
    if (!areas.is_none()) return CompareCurves(read.front(), areas, log, settings);
    const bool targets = !settings.targets.empty();

    std::vector<std::vector<Cell>> rows;
    std::vector<std::string> not_reached;
    WithoutGil([&] {
        for (const Project& p : read) {
            const study::ComparedProject compared = study::CompareProject(p.path, p.state, settings);
            for (const study::ComparedRow& c : compared.rows)
                rows.push_back(study::CompareRow(p.path, c, targets));
            for (std::string& message : study::TargetsNotReached(p.path, compared))
                not_reached.push_back(std::move(message));
        }
    });
    for (const std::string& message : not_reached) Warn(message);

    const std::vector<std::string> names = study::CompareColumns(targets);
    const auto text = [&names](std::size_t c) { return c < 2 || c + 1 == names.size(); };
    return ColumnsOfCells(names, rows, text, [](const Cell& cell) {
        if (const double* x = std::get_if<double>(&cell)) return *x;
        return std::get<std::string>(cell) == study::kUnreachable ? std::numeric_limits<double>::infinity()
                                                                  : std::numeric_limits<double>::quiet_NaN();
    });
}

// A cell of a record as the command reads it: text as it stands, a date or time (a datetime,
// a pandas Timestamp) in ISO 8601, a number in the shortest form that reads back exactly.
std::string RecordCell(py::handle value, const std::string& column) {
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    if (py::hasattr(value, "isoformat")) return value.attr("isoformat")().cast<std::string>();
    return NumberArgument(value, column.c_str());
}

// The record's CSV text from {column: values} or a pandas DataFrame, its columns of equal length.
std::string RecordText(py::handle table) {
    py::object columns = py::reinterpret_borrow<py::object>(table);
    if (!IsMapping(table) && py::hasattr(table, "to_dict")) columns = table.attr("to_dict")("list");
    if (!IsMapping(columns)) throw py::type_error("table is a dict of columns or a pandas DataFrame");
    std::vector<std::string> names;
    std::vector<py::list> values;
    for (const py::handle item : columns.attr("items")()) {
        names.emplace_back(py::str(item[py::int_(0)]));
        values.emplace_back(py::list(item[py::int_(1)]));
        if (values.back().size() != values.front().size()) {
            throw py::value_error("table: column '" + names.back() + "' has " +
                                  std::to_string(values.back().size()) + " values where '" + names.front() +
                                  "' has " + std::to_string(values.front().size()));
        }
    }
    std::string text;
    for (std::size_t c = 0; c < names.size(); ++c) text += (c ? "," : "") + CsvField(names[c]);
    text += "\n";
    for (std::size_t r = 0; !values.empty() && r < values.front().size(); ++r) {
        for (std::size_t c = 0; c < names.size(); ++c)
            text += (c ? "," : "") + CsvField(RecordCell(values[c][r], names[c]));
        text += "\n";
    }
    return text;
}


py::dict Series(py::handle project, py::handle table, py::handle year_start, py::handle limits,
                py::handle threads) {
    const std::string text = RecordText(table);
    const study::RecordSource source = [&text] { return std::make_unique<std::istringstream>(text); };
    study::SeriesRecord record = study::CheckSeriesRecord(source, "table");
    const std::string first_month = std::to_string(WholeNumberFrom(year_start, "year_start", 1, 12));
    const Project p = ProjectFrom(project);
    const int workers = ThreadsFrom(threads);
    const study::Study study(p.path, p.state, record.fields);
    const study::SeriesPlan plan =
        study::PlanSeries(std::move(record), study.base(), first_month, NamedArguments(limits, "limits"));
    std::vector<std::vector<Cell>> steps, summary;
    std::vector<std::string> notes;
    WithoutGil([&] {
        study::Progress progress("", 0, SignalWatch());
        study::SeriesSummary totals(study, plan);
        const std::size_t done =
            study::RunSeries(study, plan, source, workers, progress, [&](study::SeriesBlock&& block) {
                totals.Add(block);
                for (std::size_t i = 0; i < block.dates.size(); ++i)
                    steps.push_back(study::SeriesStepCells(plan, block, i));
            });
        for (const study::SeriesSummaryRow& row : totals.Finish())
            summary.push_back(study::SeriesSummaryCells(row));
        notes = totals.Notes(done);
    });
    WarnAll(notes);
    py::dict result;
    result["steps"] = CellColumns(study::SeriesStepColumns(plan), steps);
    result["summary"] = CellColumns(study::SeriesSummaryColumns(), summary);
    return result;
}

}  // namespace

void BindStudies(py::module_& m) {
    m.def("run_many", &RunMany, py::arg("projects"), py::kw_only(), py::arg("threads") = py::none(),
          R"doc(Runs every project (a Project or a project file's path) on all cores, or on `threads`;
returns their Results in order.)doc");
    m.def("sweep", &Sweep, py::arg("project"), py::arg("vary"), py::kw_only(), py::arg("log") = false,
          py::arg("threads") = py::none(),
          R"doc(Runs the project at every point of a grid of one or two inputs, as velmar-study sweep.

vary: {"depth": (0.3, 0.9, 3), "Vs": (0.25, 1, 4)}, each field over STEPS values from FROM
to TO, both included (the first field outermost), or the command's "depth=0.3:0.9:3". With
log=True the values are spaced geometrically. Returns {column: values}: the varied fields,
then the 95 results, as NumPy arrays when NumPy is installed and lists otherwise.)doc");
    m.def("uncertainty", &Uncertainty, py::arg("project"), py::arg("dist"), py::arg("n"), py::kw_only(),
          py::arg("seed") = 1, py::arg("lhs") = false, py::arg("samples") = false,
          py::arg("targets") = py::none(), py::arg("threads") = py::none(),
          R"doc(Monte Carlo over uncertain inputs, as velmar-study uncertainty; the same seed gives the
same numbers as the command, on any number of threads.

dist: {"Kdn": "lognormal(0.2,2)", "temperature": ("normal", 15, 2)}: uniform(low,high),
triangular(low,mode,high), normal(mean,sd), lognormal(gm,gsd). lhs=True draws a Latin
hypercube. Returns {result: {"n", "mean", "sd", "p5", "p25", "p50", "p75", "p95"}}; with
samples=True also every sample's inputs and results, as (statistics, {column: values}).
targets: {"TPoutConc": 0.1, "RE_TN": 60}, levels an outflow is to meet at or below and a
removal efficiency at or above: each such result's statistics gain "target": {"value", "met",
"n", "share", "low95", "high95"}, the share of samples that met it with its 95 % Wilson score
interval.)doc");
    m.def("size", &Size, py::arg("project"), py::arg("target"), py::arg("vary"), py::kw_only(),
          py::arg("range") = py::none(), py::arg("threads") = py::none(),
          R"doc(The value of one input at which a result reaches a target, as velmar-study size.

target: ("RE_TN", 80) or "RE_TN=80"; vary: the input field, e.g. "area"; range: (A, B) or
"A:B", by default a hundredth to a hundred times the project's value. Returns
{vary: value, result: the result there}.)doc");
    m.def("compare", &Compare, py::arg("projects"), py::kw_only(), py::arg("type") = "fws",
          py::arg("k") = py::none(), py::arg("cstar") = py::none(), py::arg("tanks") = py::none(),
          py::arg("theta") = py::none(), py::arg("target") = py::none(), py::arg("areas") = py::none(),
          py::arg("log") = false, py::arg("threads") = py::none(),
          R"doc(The P-k-C* design method beside the model, as velmar-study compare: a row per project
(a Project, a path, or a list of them) and modelled constituent.

type: "fws" or "hssf", whose published constants to use. k (m/yr), cstar (in the
constituent's units), tanks (P), theta and target (an outflow, for the area each method needs):
{"TN": 20} or "TN=20", NAME one of BOD, TN, TP, TCB. Returns {column: values} in the command's
columns: file, constituent and note as text, the others as numbers, nan where the command
leaves a cell empty and inf where no area reaches a target. A target a method does not reach
issues a RuntimeWarning with the command's message.

areas: (FROM, TO, STEPS) or "FROM:TO:STEPS" (m^2), for one project and no target: instead, as
velmar-study compare --areas, a row per constituent with P-k-C* constants and area, the model's
outflow with plug flow and fully mixed (the area varied at the project's depth) and P-k-C*'s at
k, k30 and k70. log=True spaces the areas geometrically.)doc");
    m.def("series", &Series, py::arg("project"), py::arg("table"), py::kw_only(), py::arg("year_start") = 1,
          py::arg("limits") = py::none(), py::arg("threads") = py::none(),
          R"doc(Runs the project over a dated record, as velmar-study series: each row steady at its
inputs (quasi-steady: no storage, no lag between inflow and outflow).

table: {column: values} or a pandas DataFrame; the first column "date" (text such as
"2024-03-01" or "2024-03-01T06:00", or dates and datetimes), the others input fields by record
name, a unit in brackets where wanted ("flow [cfs]"). year_start: the month a year begins, 1 to
12; a water year is named by the year it ends in. limits: {"TPoutConc": 0.1}, outflow limits by
results name. Returns {"steps": {column: values}, "summary": {column: values}} in the command's
columns: the date, period, constituent and load unit as text, the others as numbers, nan where
the command leaves a cell empty.)doc");
}

}  // namespace velmar::python
