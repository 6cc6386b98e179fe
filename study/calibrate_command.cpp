// velmar-study calibrate: fits input fields, or the P-k-C* k and C*, to observations; the
// estimates with their statistics, and on request the residuals and the fitted project.
#include <string>

#include "study/calibration.h"
#include "study/command_support.h"
#include "study/commands.h"
#include "study/output_target.h"
#include "study/project_input.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {

std::vector<std::string> CalibrationColumns(const Calibration& c) {
    std::vector<std::string> columns = {"kind",  "name",   "estimate", "standard_error",
                                        "low95", "high95", "bound"};
    for (const FittedParameter& p : c.fit.parameters) columns.push_back("corr_" + p.name);
    for (const char* s : {"n", "rmse", "bias", "nse", "evaluations", "runs", "stop"}) columns.emplace_back(s);
    return columns;
}

std::vector<std::vector<Cell>> CalibrationRows(const Calibration& c) {
    const std::size_t p = c.fit.parameters.size();
    const std::vector<Cell> blank(p, std::string());
    std::vector<std::vector<Cell>> rows;
    for (std::size_t k = 0; k < p; ++k) {
        const FittedParameter& f = c.fit.parameters[k];
        std::vector<Cell> row = {"field", f.name, f.estimate, f.standard_error, f.low95, f.high95, f.bound};
        for (std::size_t l = 0; l < p; ++l)
            row.push_back(c.fit.correlation.empty() ? Cell(std::string())
                                                    : Cell(c.fit.correlation[k * p + l]));
        for (int i = 0; i < 7; ++i) row.emplace_back(std::string());
        rows.push_back(std::move(row));
    }
    for (const ObservedAgreement& a : c.agreement) {
        std::vector<Cell> row = {"result", a.result, "", "", "", "", ""};
        row.insert(row.end(), blank.begin(), blank.end());
        for (Cell x : {Cell(static_cast<double>(a.n)), Cell(a.rmse), Cell(a.bias), Cell(a.nse)})
            row.push_back(x);
        for (int i = 0; i < 3; ++i) row.emplace_back(std::string());
        rows.push_back(std::move(row));
    }
    std::vector<Cell> search = {"search", c.fit.converged ? "converged" : "not converged", "", "", "", "",
                                ""};
    search.insert(search.end(), blank.begin(), blank.end());
    for (Cell x :
         {Cell(static_cast<double>(c.residuals.size())), Cell(""), Cell(""), Cell(""),
          Cell(static_cast<double>(c.fit.evaluations)), Cell(static_cast<double>(c.runs)), Cell(c.fit.stop)})
        search.push_back(x);
    rows.push_back(std::move(search));
    return rows;
}

void WriteCalibrationTable(std::ostream& out, const std::string& heading, const Calibration& c) {
    out << heading << "\n\n";
    std::vector<std::vector<std::string>> fields = {
        {"Field", "Estimate", "Std. error", "95 % low", "95 % high", "Bound"}};
    for (const FittedParameter& f : c.fit.parameters)
        fields.push_back({f.name, ShortNumber(f.estimate), ShortNumber(f.standard_error),
                          ShortNumber(f.low95), ShortNumber(f.high95), f.bound});
    WriteAligned(out, fields);
    const std::size_t p = c.fit.parameters.size();
    if (p > 1 && !c.fit.correlation.empty()) {
        out << "\nCorrelation of the estimates\n\n";
        std::vector<std::vector<std::string>> matrix(1, std::vector<std::string>{""});
        for (const FittedParameter& f : c.fit.parameters) matrix[0].push_back(f.name);
        for (std::size_t k = 0; k < p; ++k) {
            matrix.push_back({c.fit.parameters[k].name});
            for (std::size_t l = 0; l < p; ++l)
                matrix.back().push_back(ShortNumber(c.fit.correlation[k * p + l]));
        }
        WriteAligned(out, matrix);
    }
    out << "\n";
    std::vector<std::vector<std::string>> results = {{"Result", "n", "RMSE", "Bias", "NSE"}};
    for (const ObservedAgreement& a : c.agreement)
        results.push_back(
            {a.result, std::to_string(a.n), ShortNumber(a.rmse), ShortNumber(a.bias), ShortNumber(a.nse)});
    WriteAligned(out, results);
    out << "\n" << c.fit.evaluations << " evaluations";
    if (c.runs > 0) out << " (" << c.runs << " model runs)";
    out << "; " << (c.fit.converged ? "converged: " : "not converged: ") << c.fit.stop << "\n";
}

namespace {

void WriteResiduals(const CalibrateOptions& o, const Calibration& c) {
    OutputTarget target(o.residuals);
    std::unique_ptr<RowWriter> writer =
        MakeRowWriter(o.format == Format::Json ? Format::Json : Format::Csv, target.Open(),
                      {"row", "date", "result", "observed", "modelled", "residual"});
    for (const CalibrationResidual& r : c.residuals)
        writer->Row({static_cast<double>(r.row), r.date, r.result, r.observed, r.modelled, r.residual});
    writer->Finish();
    target.Close();
}

}  // namespace

int Calibrate(const CalibrateOptions& o) {
    if (!o.save_project.empty() && !o.arguments.pkc.empty())
        throw StudyError("--save-project: a P-k-C* fit gives no value of the project's own fields to save");
    const std::unique_ptr<std::istream> in = OpenRecordFile(o.observed);
    const Observations observations = ReadObservations(*in, o.arguments.scale);
    ModelState project;
    ReadStudyProject(o.project, project);
    Progress progress("calibrate", MostEvaluations(o.arguments.pkc.empty() ? o.arguments.fit.size() : 2),
                      o.watch);
    CalibrationArguments arguments = o.arguments;
    arguments.threads = o.threads;
    const Calibration c = Calibrate(o.project, project, observations, arguments, progress);

    OutputTarget target(o.output);
    if (o.format == Format::Table) {
        WriteCalibrationTable(
            target.Open(),
            (o.arguments.pkc.empty() ? "Fit of " + o.project : "P-k-C* fit of " + o.arguments.pkc) + " to " +
                o.observed,
            c);
    } else {
        std::unique_ptr<RowWriter> writer = MakeRowWriter(o.format, target.Open(), CalibrationColumns(c));
        for (const std::vector<Cell>& row : CalibrationRows(c)) writer->Row(row);
        writer->Finish();
    }
    target.Close();
    if (!o.residuals.empty()) WriteResiduals(o, c);
    if (!o.save_project.empty() && c.fit.converged) SaveFittedProject(o.project, c, o.save_project);
    NoteAll(o, c.notes);
    if (!o.save_project.empty() && !c.fit.converged)
        Note(o, o.save_project + " was not written: the fit did not settle");
    return EndStatus(o, c.fit.evaluations, c.fit.evaluations, "evaluations", c.fit.converged ? 0 : 1);
}

}  // namespace velmar::study
