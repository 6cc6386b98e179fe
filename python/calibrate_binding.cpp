// velmar.calibrate: input fields, or the P-k-C* k and C*, fitted to observations given as a
// file, a dict of columns or a DataFrame, as velmar-study calibrate fits them.
#include <cmath>
#include <memory>
#include <sstream>

#include "python/binding_support.h"
#include "study/calibration.h"
#include "study/study_error.h"

namespace velmar::python {
namespace {

bool IsPath(py::handle h) {
    return py::isinstance<py::str>(h) || py::isinstance(h, py::module_::import("os").attr("PathLike"));
}

// A cell of a column given in Python: text as it stands, a number in its shortest exact form,
// None or not-a-number as an empty cell (not sampled).
std::string CellText(py::handle value, const std::string& column) {
    if (value.is_none()) return "";
    if (py::isinstance<py::str>(value)) {
        const std::string text = value.cast<std::string>();
        if (text.find_first_of(",\"\r\n") != std::string::npos)
            throw py::value_error("observed: column '" + column + "' holds " + std::string(py::repr(value)) +
                                  ": a cell cannot hold a comma, quote or line break");
        return text;
    }
    if (PyFloat_Check(value.ptr()) && std::isnan(value.cast<double>())) return "";
    return NumberArgument(value, "observed");
}

// The observations as the command reads them from a file: columns (a dict or a DataFrame) are
// written as the CSV text they stand for.
std::unique_ptr<std::istream> ObservationText(py::handle observed) {
    if (IsPath(observed)) return study::OpenRecordFile(PathText(observed));
    py::object columns = py::reinterpret_borrow<py::object>(observed);
    if (py::hasattr(observed, "to_dict") && py::hasattr(observed, "columns"))
        columns = observed.attr("to_dict")("list");
    if (!py::isinstance<py::dict>(columns))
        throw py::type_error("observed is a path, a dict of columns or a DataFrame, not " +
                             std::string(py::repr(observed)));
    std::vector<std::string> names;
    std::vector<py::list> values;
    for (const auto item : py::cast<py::dict>(columns)) {
        names.push_back(py::str(item.first));
        values.push_back(py::list(py::reinterpret_borrow<py::object>(item.second)));
        if (values.back().size() != values.front().size())
            throw py::value_error("observed: column '" + names.back() + "' has " +
                                  std::to_string(values.back().size()) + " values and '" + names.front() +
                                  "' " + std::to_string(values.front().size()));
    }
    std::ostringstream text;
    for (std::size_t c = 0; c < names.size(); ++c) text << (c ? "," : "") << CellText(py::str(names[c]), "");
    text << "\n";
    for (std::size_t r = 0; !values.empty() && r < values.front().size(); ++r) {
        for (std::size_t c = 0; c < names.size(); ++c)
            text << (c ? "," : "") << CellText(values[c][r], names[c]);
        text << "\n";
    }
    return std::make_unique<std::istringstream>(text.str());
}

// "FIELD" and "FIELD=LOW:HIGH" from {FIELD: (LOW, HIGH) or None}, a list of such texts or one.
std::vector<std::string> FitArguments(py::handle fit) {
    std::vector<std::string> arguments;
    if (fit.is_none()) return arguments;
    if (py::isinstance<py::str>(fit)) return {fit.cast<std::string>()};
    if (!py::isinstance<py::dict>(fit)) {
        for (const py::handle item : py::iter(fit)) arguments.push_back(py::str(item));
        return arguments;
    }
    for (const auto item : py::cast<py::dict>(fit)) {
        std::string argument = py::str(item.first);
        if (py::isinstance<py::str>(item.second)) {
            argument += "=" + item.second.cast<std::string>();
        } else if (!item.second.is_none()) {
            const py::tuple bounds(py::reinterpret_borrow<py::object>(item.second));
            if (bounds.size() != 2)
                throw py::type_error("fit: bounds are given as (LOW, HIGH), 'LOW:HIGH' or None");
            argument += "=" + NumberArgument(bounds[0], "fit") + ":" + NumberArgument(bounds[1], "fit");
        }
        arguments.push_back(argument);
    }
    return arguments;
}

py::dict CalibrationDict(const study::Calibration& c, const Project& p) {
    py::dict estimates, errors, intervals, bounds, statistics;
    py::list names, correlation;
    const std::size_t n = c.fit.parameters.size();
    for (std::size_t k = 0; k < n; ++k) {
        const study::FittedParameter& f = c.fit.parameters[k];
        names.append(f.name);
        estimates[py::str(f.name)] = f.estimate;
        errors[py::str(f.name)] = f.standard_error;
        intervals[py::str(f.name)] = py::make_tuple(f.low95, f.high95);
        bounds[py::str(f.name)] = f.bound;
        py::list row;
        for (std::size_t l = 0; l < n; ++l)
            row.append(c.fit.correlation.empty() ? std::nan("") : c.fit.correlation[k * n + l]);
        correlation.append(row);
    }
    for (const study::ObservedAgreement& a : c.agreement) {
        py::dict s;
        s["n"] = a.n;
        s["rmse"] = a.rmse;
        s["bias"] = a.bias;
        s["nse"] = a.nse;
        statistics[py::str(a.result)] = s;
    }
    py::list rows, dates, results, observed, modelled, residual;
    for (const study::CalibrationResidual& r : c.residuals) {
        rows.append(r.row);
        dates.append(r.date);
        results.append(r.result);
        observed.append(r.observed);
        modelled.append(r.modelled);
        residual.append(r.residual);
    }
    py::dict residuals;
    for (const auto& [name, column] : {std::pair<const char*, py::list>{"row", rows},
                                       {"date", dates},
                                       {"result", results},
                                       {"observed", observed},
                                       {"modelled", modelled},
                                       {"residual", residual}})
        residuals[name] = column;
    py::dict out;
    out["fields"] = names;
    out["estimates"] = estimates;
    out["standard_errors"] = errors;
    out["intervals"] = intervals;
    out["bounds"] = bounds;
    out["correlation"] = correlation;
    out["statistics"] = statistics;
    out["residuals"] = residuals;
    out["evaluations"] = c.fit.evaluations;
    out["runs"] = c.runs;
    out["converged"] = c.fit.converged;
    out["stop"] = c.fit.stop;
    if (c.fields.empty()) {
        out["project"] = py::none();
    } else {
        Project fitted = p;
        for (std::size_t k = 0; k < n; ++k)
            study::SetInput(fitted.state, c.fields[k], c.fit.parameters[k].estimate);
        out["project"] = fitted;
    }
    return out;
}

py::dict Calibrate(py::handle project, py::handle observed, py::handle fit, py::handle pkc,
                   const std::string& scale, bool fit_cstar, const std::string& type, py::handle tanks,
                   py::handle threads) {
    study::CalibrationArguments arguments;
    arguments.fit = FitArguments(fit);
    if (!pkc.is_none()) arguments.pkc = py::str(pkc);
    if (scale != "log" && scale != "linear")
        throw py::value_error("scale is 'log' or 'linear', not '" + scale + "'");
    arguments.scale = scale == "log" ? study::ResidualScale::Log : study::ResidualScale::Linear;
    arguments.fit_cstar = fit_cstar;
    arguments.type = WetlandTypeFrom(type);
    arguments.threads = ThreadsFrom(threads);
    if (!tanks.is_none())
        arguments.tanks =
            py::isinstance<py::str>(tanks) ? tanks.cast<std::string>() : NumberArgument(tanks, "tanks");
    const std::unique_ptr<std::istream> in = ObservationText(observed);
    const study::Observations observations = study::ReadObservations(*in, arguments.scale);
    const Project p = ProjectFrom(project);
    const study::Calibration c = WithoutGil([&] {
        study::Progress progress("", 0, SignalWatch());
        return study::Calibrate(p.path, p.state, observations, arguments, progress);
    });
    WarnAll(c.notes);
    return CalibrationDict(c, p);
}

}  // namespace

void BindCalibrate(py::module_& m) {
    m.def("calibrate", &Calibrate, py::arg("project"), py::arg("observed"), py::arg("fit") = py::none(),
          py::arg("pkc") = py::none(), py::kw_only(), py::arg("scale") = "log", py::arg("fit_cstar") = false,
          py::arg("type") = "fws", py::arg("tanks") = py::none(), py::arg("threads") = py::none(),
          R"doc(Input fields fitted to observations by least squares, as velmar-study calibrate.

observed: the path of a CSV file, or its columns as a dict or a pandas DataFrame: input fields
by record name (with a unit in brackets, "flow [cfs]") set each row's conditions, outflow
results ("TPoutConc") are the observations (None or nan: not sampled), "date" is carried along.
fit: {"Ktn": (0.01, 1), "theta_bod": None} (None: bounded by the field's sign alone), or
["Ktn=0.01:1"]. pkc: "BOD", "TN", "TP" or "TCB" to fit the P-k-C* k instead (fit_cstar=True: C*
too), with type "fws" or "hssf" and tanks (P, or "plug"). scale: "log" or "linear" residuals.
threads: the rows are run on this many (all cores for None); the numbers do not depend on it.

Returns a dict: fields, estimates, standard_errors, intervals (95 %), bounds ("low"/"high" for
an estimate on a bound), correlation (a list of rows), statistics {result: {n, rmse, bias,
nse}}, residuals {row, date, result, observed, modelled, residual}, evaluations, runs,
converged, stop, and project: a copy with the fitted values (None for P-k-C*). The notes of the
command are RuntimeWarnings.)doc");
}

}  // namespace velmar::python
