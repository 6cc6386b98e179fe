#include "study/calibration.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <thread>

#include "project/pkc_comparison.h"
#include "project/project_file.h"
#include "project/results_layout.h"
#include "project/slots.h"
#include "study/evaluation.h"
#include "study/parse_number.h"
#include "study/results.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// The field of the project file that a member of the record is.
InputField FieldOf(double ProjectRecord::*member) {
    static const ProjectRecord record{};
    const auto offset = static_cast<std::size_t>(reinterpret_cast<const char*>(&(record.*member)) -
                                                 reinterpret_cast<const char*>(&record));
    const auto entry = std::find_if(kFileEntries.begin(), kFileEntries.end(),
                                    [&](const FileEntry& e) { return e.offset == offset; });
    return FindInputField(entry->label);
}

// The observed column a results name heads, or none when the name is no result.
std::optional<ObservedColumn> ObservedColumnOf(const std::string& name, const std::string& where) {
    const auto entry = std::find_if(kResultsEntries.begin(), kResultsEntries.end(),
                                    [&](const ResultsEntry& e) { return name == e.value; });
    if (entry == kResultsEntries.end()) return std::nullopt;
    if (entry->kind != ResultsKind::Outflow || entry->of == ResultsOf::Workings)
        throw StudyError(where + ": " + name +
                         " is a result but not an outflow concentration: only outflows can "
                         "be observed");
    double ProjectRecord::*inflow = entry->of == ResultsOf::Conventional ? kConventional[entry->index].inflow
                                    : entry->of == ResultsOf::Organic    ? kOrganicSlots[entry->index].inflow
                                                                         : kMetalSlots[entry->index].inflow;
    return ObservedColumn{name, *FindResultsEntry(entry->of, entry->index, ResultsKind::Efficiency), inflow};
}

// What each column of the header is: the date, a condition or an observation.
enum class ColumnRole { Date, Condition, Observation };

struct Header {
    std::vector<ColumnRole> roles;
    std::vector<UnitConversion> units;  // per column
};

Header ReadHeader(const RecordTable& table, Observations& o) {
    Header header;
    const std::vector<RecordColumn>& columns = table.columns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::string where = table.Where(c);
        const RecordColumn& column = columns[c];
        if (column.name == "date" && column.unit.empty() && !o.dated) {
            o.dated = true;
            header.roles.push_back(ColumnRole::Date);
            header.units.emplace_back();
            continue;
        }
        if (std::optional<ObservedColumn> observed = ObservedColumnOf(column.name, where)) {
            header.units.push_back(FieldUnit(FieldOf(observed->inflow), column.unit, where));
            header.roles.push_back(ColumnRole::Observation);
            o.columns.push_back(std::move(*observed));
            continue;
        }
        try {
            o.conditions.push_back(FindInputField(column.name));
        } catch (const StudyError& e) {
            throw StudyError(where + ": " + e.what(), e.kind);
        }
        for (std::size_t earlier = 0; earlier + 1 < o.conditions.size(); ++earlier) {
            if (o.conditions[earlier].value == o.conditions.back().value)
                throw StudyError(where + ": " + column.name + " is given by an earlier column too");
        }
        header.units.push_back(FieldUnit(o.conditions.back(), column.unit, where));
        header.roles.push_back(ColumnRole::Condition);
    }
    if (o.columns.empty())
        throw StudyError(table.Where(0) +
                         ": no column holds an observed outflow (TSSoutConc, TPoutConc, "
                         "ContamOutConc[0], ...)");
    return header;
}

double ConditionValue(const RecordTable& table, std::size_t c, const std::string& cell,
                      const InputField& field, const UnitConversion& unit) {
    const std::string where = table.Where(c);
    if (cell.empty()) throw StudyError(where + ": the cell is empty");
    const double value = unit.ToField(ParseNumber(cell, where));
    if (!std::isfinite(value)) throw StudyError(where + ": '" + cell + "' is past the largest number");
    if (field.value->label == std::string_view("flow") && value <= 0)
        throw StudyError(where + ": the flow must be greater than 0");
    CheckFieldRange(field, value, value, where);
    return value;
}

double ObservedValue(const RecordTable& table, std::size_t c, const std::string& cell,
                     const UnitConversion& unit, ResidualScale scale) {
    const std::string where = table.Where(c);
    const double value = unit.ToField(ParseNumber(cell, where));
    if (!std::isfinite(value)) throw StudyError(where + ": '" + cell + "' is past the largest number");
    if (value < 0) throw StudyError(where + ": an outflow concentration cannot be below 0");
    if (scale == ResidualScale::Log && value <= 0)
        throw StudyError(where + ": " + cell +
                         " has no logarithm: observations must be above 0 in the log "
                         "scale (--scale linear takes 0)");
    return value;
}

// A bounded value's bounds from "LOW:HIGH", or the field's sign alone.
FitParameter ParameterOf(const InputField& field, const std::string& bounds, double start,
                         const std::string& what) {
    FitParameter p{field.name, start, field.not_negative ? 0 : -kInfinity, kInfinity};
    if (!bounds.empty()) {
        const std::size_t colon = bounds.find(':');
        if (colon == std::string::npos) throw StudyError(what + ": the bounds are not of the form LOW:HIGH");
        p.low = ParseNumber(bounds.substr(0, colon), what);
        p.high = ParseNumber(bounds.substr(colon + 1), what);
        if (!(p.low < p.high)) throw StudyError(what + ": LOW must be below HIGH");
        CheckFieldRange(field, p.low, p.high, what);
        if (!(start > p.low && start < p.high)) p.start = (p.low + p.high) / 2;
    }
    if (!(p.start > p.low && p.start < p.high))
        throw StudyError(what + ": the project's value " + ShortNumber(start) +
                         " is on the field's bound 0: give bounds, " + field.name +
                         "=LOW:HIGH, to start between");
    return p;
}

// The fitted project fields from "FIELD[=LOW:HIGH]" arguments.
std::vector<FitParameter> ModelParameters(const ModelState& project, const Observations& o,
                                          const CalibrationArguments& a, std::vector<InputField>& fields) {
    if (a.fit.empty()) throw StudyError("give the fields to fit with --fit FIELD[=LOW:HIGH], or --pkc");
    std::vector<FitParameter> parameters;
    for (const std::string& argument : a.fit) {
        const std::string what = "--fit " + argument;
        const std::size_t equals = argument.find('=');
        InputField field = FindInputField(argument.substr(0, equals));
        if (field.whole)
            throw StudyError(what + ": " + field.name + " takes whole numbers: it cannot be fitted");
        for (const InputField& other : o.conditions) {
            if (other.value == field.value)
                throw StudyError(what + ": " + field.name + " is a column of the observations");
        }
        for (const InputField& other : fields) {
            if (other.value == field.value)
                throw StudyError(what + ": " + field.name + " is fitted more than once");
        }
        const std::string bounds = equals == std::string::npos ? "" : argument.substr(equals + 1);
        parameters.push_back(ParameterOf(field, bounds, RealAt(project, *field.value), what));
        fields.push_back(std::move(field));
    }
    return parameters;
}

// The rows that hold observations, each with its cells' range in Observations::observed.
struct ObservedRow {
    std::size_t row, first, end;
};

std::vector<ObservedRow> ObservedRows(const Observations& o) {
    std::vector<ObservedRow> rows;
    for (std::size_t i = 0; i < o.observed.size(); ++i) {
        if (rows.empty() || rows.back().row != o.observed[i].row) rows.push_back({o.observed[i].row, i, i});
        rows.back().end = i + 1;
    }
    return rows;
}

// The model at trial values of the fitted fields, row by row at the row's conditions. The
// outflow is inflow × (1 − RE/100) whether or not the project asks the engine for it.
class ModelAtRows {
public:
    ModelAtRows(const std::string& name, const ModelState& project, const Observations& o,
                const std::vector<InputField>& fitted, int threads)
        : o_(o),
          rows_(ObservedRows(o)),
          study_(name, project, Fields(o, fitted)),
          threads_(std::clamp<std::size_t>(static_cast<std::size_t>(threads), 1,
                                           std::max<std::size_t>(1, rows_.size() / kRowsPerThread))) {}

    // The rows in as many consecutive parts as there are threads: each observation's value is
    // the same on any number of them.
    void operator()(std::span<const double> parameters, std::span<double> modelled) {
        std::vector<std::exception_ptr> failures(threads_);
        std::vector<std::thread> workers;
        for (std::size_t t = 1; t < threads_; ++t)
            workers.emplace_back([&, t] { RunPart(t, parameters, modelled, failures[t]); });
        RunPart(0, parameters, modelled, failures[0]);
        for (std::thread& worker : workers) worker.join();
        for (const std::exception_ptr& failure : failures) {
            if (failure) std::rethrow_exception(failure);
        }
        runs_ += rows_.size();
    }

    std::size_t runs() const { return runs_; }

private:
    // Rows a thread is given at the least: fewer are quicker run than a thread is started.
    static constexpr std::size_t kRowsPerThread = 16;

    static std::vector<InputField> Fields(const Observations& o, const std::vector<InputField>& fitted) {
        std::vector<InputField> fields = o.conditions;
        fields.insert(fields.end(), fitted.begin(), fitted.end());
        return fields;
    }

    void RunPart(std::size_t part, std::span<const double> parameters, std::span<double> modelled,
                 std::exception_ptr& failure) const {
        try {
            const std::size_t conditions = o_.conditions.size();
            std::vector<double> values(conditions);
            values.insert(values.end(), parameters.begin(), parameters.end());
            ModelState state;
            ResultValues results;
            const std::size_t first = rows_.size() * part / threads_,
                              end = rows_.size() * (part + 1) / threads_;
            for (std::size_t k = first; k < end; ++k) {
                const ObservedRow& r = rows_[k];
                std::copy_n(o_.values.begin() + static_cast<std::ptrdiff_t>(r.row * conditions), conditions,
                            values.begin());
                const bool admitted = study_.inputs().Admit(values);
                if (admitted) study_.Evaluate(values, state, results);
                for (std::size_t i = r.first; i < r.end; ++i) {
                    const ObservedColumn& c = o_.columns[o_.observed[i].column];
                    modelled[i] = admitted ? state.*c.inflow * (1 - results[c.efficiency] / 100) : kNoValue;
                }
            }
        } catch (...) {
            failure = std::current_exception();
        }
    }

    const Observations& o_;
    std::vector<ObservedRow> rows_;
    Study study_;
    std::size_t threads_;
    std::size_t runs_ = 0;
};

// The P-k-C* method at each observation: its row's inflow and hydraulic loading from the
// project at the row's conditions (with the derived values following, no model run), k and C*
// fitted, P fixed.
struct PkcAtRows {
    std::vector<double> inflow, loading;  // per observation
    double cstar, tanks;
    bool fit_cstar;

    void operator()(std::span<const double> parameters, std::span<double> modelled) const {
        const double k = parameters[0], c = fit_cstar ? parameters[1] : cstar;
        for (std::size_t i = 0; i < modelled.size(); ++i)
            modelled[i] = pkc::Outflow(inflow[i], loading[i], k, c, tanks);
    }
};

double Tanks(const std::string& text, const pkc::Constants& published) {
    if (text.empty()) return published.tanks;
    if (text == "plug") return kInfinity;
    const double p = ParseNumber(text, "--tanks");
    if (!(p > 0)) throw StudyError("--tanks: P must be greater than 0");
    return p;
}

// Keeps only the observations of the constituent's outflow, and gives each its row's inflow
// and hydraulic loading.
PkcAtRows PreparePkc(const std::string& name, const ModelState& project, Observations& o,
                     const CalibrationArguments& a, pkc::Constants& published,
                     std::vector<std::string>& notes) {
    const auto constituent = PkcConstituentOf(a.pkc);
    if (!constituent) {
        std::string names;
        for (std::string_view n : PkcConstituentNames())
            names += (names.empty() ? "" : ", ") + std::string(n);
        throw StudyError("--pkc " + a.pkc + ": the design method's constituents are " + names,
                         StudyErrorKind::UnknownName);
    }
    const std::string outflow =
        ResultName(*FindResultsEntry(ResultsOf::Conventional, constituent->second, ResultsKind::Outflow));
    const auto column = std::find_if(o.columns.begin(), o.columns.end(),
                                     [&](const ObservedColumn& c) { return c.result == outflow; });
    if (column == o.columns.end())
        throw StudyError("--pkc " + a.pkc + ": the observations have no " + outflow + " column");
    const std::size_t kept = static_cast<std::size_t>(column - o.columns.begin());
    if (o.columns.size() > 1) notes.push_back("the P-k-C* fit of " + a.pkc + " uses " + outflow + " alone");
    std::erase_if(o.observed, [&](const Observations::Cell& c) { return c.column != kept; });
    const auto table = pkc::PublishedConstants(a.type, constituent->first,
                                               project.*kConventional[constituent->second].inflow);
    if (!table)
        throw StudyError("--pkc " + a.pkc + ": no P-k-C* constants are published for " + a.pkc + " in " +
                         pkc::WetlandTypeAbbreviation(a.type) + " wetlands, to start from");
    published = *table;
    PkcAtRows m{{}, {}, published.cstar, Tanks(a.tanks, published), a.fit_cstar};
    const Study study(name, project, o.conditions);
    ModelState s;
    for (const Observations::Cell& cell : o.observed) {
        const std::span<const double> values(o.values.data() + cell.row * o.conditions.size(),
                                             o.conditions.size());
        s = study.base();
        study.inputs().Apply(s, values);
        m.inflow.push_back(s.*column->inflow);
        m.loading.push_back(HydraulicLoading(s));
    }
    return m;
}

// The published C*, or where the table gives 0 (the fit's lower bound, where its search cannot
// start) a thousandth of the smallest observation above 0.
double CstarStart(const pkc::Constants& published, const Observations& o) {
    if (published.cstar > 0) return published.cstar;
    double smallest = kInfinity;
    for (const Observations::Cell& cell : o.observed) {
        if (cell.value > 0) smallest = std::min(smallest, cell.value);
    }
    return std::isfinite(smallest) ? smallest / 1000 : 1e-3;
}

void AddAgreement(const Observations& o, ResidualScale scale, Calibration& c) {
    const std::vector<double>& modelled = c.fit.modelled;
    for (std::size_t column = 0; column < o.columns.size(); ++column) {
        ObservedAgreement a{o.columns[column].result};
        double sum = 0, squares = 0, misses = 0, spread = 0;
        double first = kNoValue;
        bool constant = true;
        for (std::size_t i = 0; i < o.observed.size(); ++i) {
            const Observations::Cell& cell = o.observed[i];
            if (cell.column != column) continue;
            ++a.n;
            sum += cell.value;
            if (a.n == 1) first = cell.value;
            constant = constant && cell.value == first;
            misses += modelled[i] - cell.value;
            squares += (modelled[i] - cell.value) * (modelled[i] - cell.value);
        }
        if (a.n == 0) continue;
        const double mean = sum / static_cast<double>(a.n);
        for (const Observations::Cell& cell : o.observed) {
            if (cell.column == column) spread += (cell.value - mean) * (cell.value - mean);
        }
        a.rmse = std::sqrt(squares / static_cast<double>(a.n));
        a.bias = misses / static_cast<double>(a.n);
        a.nse = constant ? kNoValue : 1 - squares / spread;
        if (constant)
            c.notes.push_back(a.result + ": every observation is " + ShortNumber(first) +
                              ": its Nash-Sutcliffe efficiency is not defined");
        c.agreement.push_back(std::move(a));
    }
    for (std::size_t i = 0; i < o.observed.size(); ++i) {
        const Observations::Cell& cell = o.observed[i];
        c.residuals.push_back({o.rows[cell.row], o.dated ? o.dates[cell.row] : "",
                               o.columns[cell.column].result, cell.value, modelled[i],
                               Residual(modelled[i], cell.value, scale)});
    }
}

void AddNotes(const std::vector<FitParameter>& parameters, Calibration& c) {
    const LeastSquaresFit& fit = c.fit;
    if (!fit.converged) c.notes.push_back("the fit did not settle: " + fit.stop);
    for (std::size_t k = 0; k < fit.parameters.size(); ++k) {
        const FittedParameter& p = fit.parameters[k];
        if (!p.bound.empty()) {
            const double bound = p.bound == "low" ? parameters[k].low : parameters[k].high;
            c.notes.push_back(p.name + ": the estimate lies on its " + p.bound + " bound " +
                              ShortNumber(bound) + ": the observations would take it further");
        }
    }
    const bool determined = std::all_of(
        fit.parameters.begin(), fit.parameters.end(),
        [](const FittedParameter& p) { return std::isfinite(p.standard_error) || !p.bound.empty(); });
    if (fit.degrees_of_freedom == 0)
        c.notes.push_back(
            "there are as many observations as fitted values: the estimates fit them exactly and "
            "their standard errors are not defined");
    else if (!determined && fit.converged)
        c.notes.push_back(
            "the observations do not determine the fitted values apart: their standard errors "
            "are not defined");
}

}  // namespace

Observations ReadObservations(std::istream& in, ResidualScale scale) {
    Observations o;
    RecordTable table(in);
    const Header header = ReadHeader(table, o);
    std::vector<std::string> cells;
    std::vector<std::size_t> counts(o.columns.size());
    while (table.Next(cells)) {
        const std::size_t row = o.rows.size();
        o.rows.push_back(table.row());
        std::size_t condition = 0, observed = 0;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            switch (header.roles[c]) {
                case ColumnRole::Date:
                    ParseRecordDate(cells[c], table.Where(c));
                    o.dates.push_back(cells[c]);
                    break;
                case ColumnRole::Condition:
                    o.values.push_back(
                        ConditionValue(table, c, cells[c], o.conditions[condition++], header.units[c]));
                    break;
                case ColumnRole::Observation:
                    if (!cells[c].empty()) {
                        o.observed.push_back(
                            {row, observed, ObservedValue(table, c, cells[c], header.units[c], scale)});
                        ++counts[observed];
                    }
                    ++observed;
                    break;
            }
        }
    }
    for (std::size_t c = 0; c < o.columns.size(); ++c) {
        if (counts[c] == 0) throw StudyError(o.columns[c].result + ": no row holds an observation");
    }
    return o;
}

Calibration Calibrate(const std::string& name, const ModelState& project, const Observations& observations,
                      const CalibrationArguments& arguments, Progress& progress) {
    Calibration c;
    Observations o = observations;
    std::vector<FitParameter> parameters;
    std::function<void(std::span<const double>, std::span<double>)> model;
    std::unique_ptr<ModelAtRows> at_rows;
    if (arguments.pkc.empty()) {
        parameters = ModelParameters(project, o, arguments, c.fields);
        at_rows = std::make_unique<ModelAtRows>(name, project, o, c.fields, arguments.threads);
        model = [&](std::span<const double> p, std::span<double> m) { (*at_rows)(p, m); };
    } else {
        if (!arguments.fit.empty())
            throw StudyError("--fit: a P-k-C* fit (--pkc) fits k and C*, not project fields");
        pkc::Constants published{};
        const PkcAtRows pkc_rows = PreparePkc(name, project, o, arguments, published, c.notes);
        parameters.push_back({"k", published.k50, 0, kInfinity});
        if (arguments.fit_cstar) parameters.push_back({"cstar", CstarStart(published, o), 0, kInfinity});
        model = pkc_rows;
    }
    if (o.observed.size() < parameters.size())
        throw StudyError("there are " + std::to_string(o.observed.size()) + " observations for " +
                         std::to_string(parameters.size()) + " fitted values: a fit needs at least as many");
    std::vector<double> observed;
    for (const Observations::Cell& cell : o.observed) observed.push_back(cell.value);
    c.fit = FitLeastSquares(parameters, observed, arguments.scale, model, progress);
    if (at_rows) c.runs = at_rows->runs();
    if (!c.fit.modelled.empty()) AddAgreement(o, arguments.scale, c);
    AddNotes(parameters, c);
    return c;
}

void SaveFittedProject(const std::string& project, const Calibration& calibration,
                       const std::string& output) {
    if (calibration.fields.empty())
        throw StudyError("--save-project: a P-k-C* fit gives no value of the project's own fields to save");
    ProjectRecord r{};
    if (ReadProjectFile(project, r) != 0)
        throw StudyError(project + ": the project cannot be read", StudyErrorKind::File);
    for (std::size_t k = 0; k < calibration.fields.size(); ++k)
        SetInput(r, calibration.fields[k], calibration.fit.parameters[k].estimate);
    std::error_code reason;
    if (WriteProjectFile(output, r, &reason) != 0)
        throw StudyError(output + ": the project was not saved: " + reason.message(), StudyErrorKind::File);
}

}  // namespace velmar::study
