#include "interface/results/comparison_screen.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "interface/resources/comparison_template.h"
#include "interface/resources/strings.h"
#include "interface/resources/templates.h"
#include "interface/results/results_print.h"
#include "interface/results/results_report.h"
#include "interface/results/results_screen.h"
#include "interface/session/help.h"
#include "interface/session/state.h"
#include "project/csv_text.h"
#include "project/project_file.h"

namespace velmar {
namespace {

const FileFilter kTextFilter{"Text Files (*.txt)", "*.txt"};
const FileFilter kCsvFilter{"CSV Files (*.csv)", "*.csv"};
constexpr char kHelpCaption[] = "Help for the comparison with the P-k-C* design method";
constexpr char kHelpFile[] = "compare.txt";
constexpr char kNotWritten[] = "The comparison could not be written to ";
constexpr char kNotWrittenEnd[] =
    ". Check that the folder exists and is writable and that the disk is not full.";
constexpr char kNotPrinted[] = "The comparison could not be printed.";
constexpr char kPrintErrorCaption[] = "Print Error";

std::optional<double> Value(double x) {
    if (std::isnan(x)) return std::nullopt;
    return x;
}

// The row's values in the order of the table's columns.
std::vector<std::optional<double>> RowValues(const PkcComparisonRow& r) {
    std::vector<std::optional<double>> v = {Value(r.inflow), Value(r.velmar_outflow),
                                            Value(r.velmar_removal)};
    if (!r.pkc) {
        v.resize(kComparisonColumnCount);
        return v;
    }
    const PkcValues& p = *r.pkc;
    v.insert(v.end(), {p.k, p.cstar, p.tanks, p.outflow, p.removal, p.outflow_k30, p.outflow_k70});
    return v;
}

// What the screen shows and saves: the project as it was run, with the type chosen.
struct Comparison {
    pkc::WetlandType type = pkc::WetlandType::FreeWaterSurface;
    std::vector<PkcComparisonRow> rows;

    void Compute() { rows = CompareWithPkc(Project(), KeptResults(), {type, {}}); }
};

std::string Notes(const std::vector<PkcComparisonRow>& rows) {
    if (rows.empty()) return "No constituent was modelled.";
    std::string text;
    for (const std::string& line : PkcNotes(rows)) text += (text.empty() ? "" : "\n") + line;
    return text;
}

void Fill(Dialog& d, const Comparison& c) {
    d.SetChecked(kComparisonFreeWaterSurface, c.type == pkc::WetlandType::FreeWaterSurface);
    d.SetChecked(kComparisonSubsurface, c.type == pkc::WetlandType::HorizontalSubsurface);
    d.SetText(kComparisonLoading,
              "Hydraulic loading rate q = Q/A: " + ComparisonCell(HydraulicLoading(Project())) +
                  " m/yr. Concentrations in mg/L; TCB in mpn/100mL.");
    for (int r = 0; r < kComparisonRows; ++r) {
        const bool shown = r < static_cast<int>(c.rows.size());
        d.Show(ComparisonNameId(r), shown);
        for (int col = 0; col < kComparisonColumnCount; ++col) d.Show(ComparisonValueId(r, col), shown);
        if (!shown) continue;
        const PkcComparisonRow& row = c.rows[static_cast<std::size_t>(r)];
        d.SetText(ComparisonNameId(r), row.constituent);
        const auto values = RowValues(row);
        for (int col = 0; col < kComparisonColumnCount; ++col) {
            d.SetText(ComparisonValueId(r, col), ComparisonCell(values[static_cast<std::size_t>(col)]));
        }
    }
    d.SetText(kComparisonNotes, Notes(c.rows));
}

std::string DefaultName() {
    std::string name = DefaultReportName(Shell().current_file);
    return name.substr(0, name.size() - 4) + "_pkc.txt";
}

bool EndsWithCsv(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ending = path.substr(path.size() - 4);
    for (char& ch : ending) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return ending == ".csv";
}

void Save(Ui& ui, Owner owner, const Comparison& c) {
    const auto path = ui.AskSaveFileName(owner, {kTextFilter, kCsvFilter}, DefaultName());
    if (!path) return;
    const std::string text =
        EndsWithCsv(*path) ? ComparisonCsv(Shell().current_file, c.rows)
                           : kComparisonTitle + std::string("\n\n") +
                                 ReportText(ComparisonLines(c.rows, c.type, HydraulicLoading(Project())));
    const std::error_code reason = WriteTextFile(*path, text);
    if (!reason) return;
    ui.MessageBox(owner, kNotWritten + *path + kNotWrittenEnd + kSaveFailedReason + reason.message() + ".",
                  kFileErrorCaption, Buttons::Ok);
}

void Print(Ui& ui, Owner owner, const Comparison& c) {
    const auto surface = ui.BeginPrint(owner, kComparisonTitle);
    if (!surface) return;
    if (!PrintReportOn(*surface, ComparisonLines(c.rows, c.type, HydraulicLoading(Project())),
                       Shell().current_file, ReportDate(std::time(nullptr)), kComparisonTitle)) {
        ui.MessageBox(owner, kNotPrinted, kPrintErrorCaption, Buttons::Ok);
    }
}

void ComparisonProc(Dialog& d, const DialogEvent& e, Comparison& c) {
    switch (e.kind) {
        case DialogEvent::Opened:
            c.Compute();
            Fill(d, c);
            break;
        case DialogEvent::Ok:
        case DialogEvent::Cancel: d.End(e.kind == DialogEvent::Ok ? kOkId : kCancelId); break;
        case DialogEvent::Clicked:
            if (e.id == kComparisonFreeWaterSurface || e.id == kComparisonSubsurface) {
                c.type = e.id == kComparisonFreeWaterSurface ? pkc::WetlandType::FreeWaterSurface
                                                             : pkc::WetlandType::HorizontalSubsurface;
                c.Compute();
                Fill(d, c);
            } else if (e.id == kComparisonSave) {
                Save(d.ui(), d, c);
            } else if (e.id == kComparisonPrint) {
                Print(d.ui(), d, c);
            } else if (e.id == kComparisonHelp) {
                ShowHelpText(d.ui(), d, kHelpCaption, kHelpFile);
            }
            break;
        default: break;
    }
}

ReportLine Value(const std::string& label, double value, const std::string& unit) {
    return {.kind = ReportLineKind::Value, .text = label, .value = value, .unit = unit};
}

ReportLine Plain(const std::string& text) {
    return {.kind = ReportLineKind::Plain, .text = text};
}

// A missing value is an empty cell; the rest are written as the studies write them.
std::string CsvNumber(std::optional<double> x) {
    return x ? NumberText(*x) : std::string();
}

}  // namespace

std::string ComparisonCell(std::optional<double> value) {
    if (!value || std::isnan(*value)) return "";
    return ShownNumber(*value);
}

std::vector<ReportLine> ComparisonLines(const std::vector<PkcComparisonRow>& rows, pkc::WetlandType type,
                                        double hydraulic_loading) {
    std::vector<ReportLine> lines = {
        Plain(std::string("P-k-C* constants for ") + pkc::WetlandTypeName(type) + " wetlands"),
        Value("Hydraulic loading rate q = Q/A:", hydraulic_loading, "(m/yr)"),
    };
    for (const PkcComparisonRow& r : rows) {
        const std::string unit = "(" + r.unit + ")";
        lines.push_back({.kind = ReportLineKind::Heading, .text = r.constituent + ":"});
        lines.push_back(Value("Inflow concentration:", r.inflow, unit));
        if (!std::isnan(r.velmar_removal)) {
            lines.push_back(Value("Velmar outflow concentration:", r.velmar_outflow, unit));
            lines.push_back(Value("Velmar removal efficiency:", r.velmar_removal, "%"));
        }
        if (r.pkc) {
            const PkcValues& p = *r.pkc;
            lines.push_back(Value("P-k-C* rate constant k:", p.k, "(m/yr)"));
            lines.push_back(Value("Background concentration C*:", p.cstar, unit));
            lines.push_back(Value("Apparent number of tanks P:", p.tanks, ""));
            lines.push_back(Value("P-k-C* outflow concentration:", p.outflow, unit));
            lines.push_back(Value("P-k-C* removal efficiency:", p.removal, "%"));
            if (p.outflow_k30)
                lines.push_back(Value("P-k-C* outflow with k at the 30th percentile:", *p.outflow_k30, unit));
            if (p.outflow_k70)
                lines.push_back(Value("P-k-C* outflow with k at the 70th percentile:", *p.outflow_k70, unit));
        }
        if (!r.note.empty()) lines.push_back(Plain("Note: " + r.note + "."));
    }
    lines.push_back({.kind = ReportLineKind::Heading, .text = "Caveat:"});
    for (const char* line : kPkcCaveat) lines.push_back(Plain(line));
    return lines;
}

std::string ComparisonCsv(const std::string& project_file, const std::vector<PkcComparisonRow>& rows) {
    std::string csv = "file,constituent";
    for (const char* column : kPkcComparisonColumns) csv += std::string(",") + column;
    csv += ",note\n";
    for (const PkcComparisonRow& r : rows) {
        csv += CsvField(project_file) + "," + CsvField(r.constituent);
        std::vector<std::optional<double>> values = RowValues(r);
        values[1] = r.velmar_outflow;  // the model's missing values are not-a-number, as in the studies
        values[2] = r.velmar_removal;
        for (const std::optional<double>& v : values) csv += "," + CsvNumber(v);
        csv += "," + CsvField(r.note) + "\n";
    }
    return csv;
}

void ShowComparisonScreen(Ui& ui, Owner owner) {
    Comparison comparison;
    ui.ShowModal(owner, Template(kComparisonDialog),
                 [&comparison](Dialog& d, const DialogEvent& e) { ComparisonProc(d, e, comparison); });
}

}  // namespace velmar
