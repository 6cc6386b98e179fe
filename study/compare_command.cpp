// velmar-study compare: the P-k-C* design method beside the model, a row per project and
// modelled constituent; or, over a range of areas, a row per constituent and area.
#include <memory>
#include <span>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/compare.h"
#include "study/compare_curves.h"
#include "study/interrupt.h"
#include "study/output_target.h"
#include "study/project_input.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

void WriteTable(std::ostream& out, const std::string& path, pkc::WetlandType type, const ComparedProject& p,
                bool targets) {
    out << path << ": P-k-C* constants for " << pkc::WetlandTypeName(type)
        << " wetlands, q = Q/A = " << ShortNumber(p.hydraulic_loading) << " m/yr\n";
    std::vector<std::vector<std::string>> table = {
        {"Constituent", "Inflow", "Velmar", "Velmar RE", "k", "C*", "P", "P-k-C*", "P-k-C* RE", "Outflow",
         "Outflow"},
        {"", "", "outflow", "(%)", "(m/yr)", "", "", "outflow", "(%)", "at k30", "at k70"}};
    if (targets) {
        table[0].insert(table[0].end(), {"Target", "P-k-C* area", "Velmar area"});
        table[1].insert(table[1].end(), {"outflow", "(m^2)", "(m^2)"});
    }
    std::vector<std::string> notes;
    for (const ComparedRow& c : p.rows) {
        const std::vector<Cell> row = CompareRow(path, c, targets);
        std::vector<std::string> line;
        // The constituent and the values, without the file and the note.
        for (const Cell& cell : std::span(row).subspan(1, row.size() - 2)) {
            const double* x = std::get_if<double>(&cell);
            const std::string* text = std::get_if<std::string>(&cell);
            line.push_back(x ? ShortNumber(*x) : text->empty() ? "-" : *text);
        }
        if (targets) line.insert(line.begin() + 11, c.target ? ShortNumber(*c.target) : "-");
        table.push_back(std::move(line));
        if (!c.row.note.empty()) notes.push_back(c.row.constituent + ": " + c.row.note);
    }
    WriteAligned(out, table);
    out << "Concentrations in mg/L; TCB in mpn/100mL.\n";
    for (const std::string& note : notes) out << note << '\n';
    out << '\n';
}

void WriteCaveat(std::ostream& out) {
    for (const char* line : kPkcCaveat) out << line << '\n';
}

void WriteCurvesTable(std::ostream& out, const std::string& path, pkc::WetlandType type,
                      const ComparedCurves& c) {
    out << path << ": P-k-C* constants for " << pkc::WetlandTypeName(type) << " wetlands, present area "
        << ShortNumber(c.present_area) << " m^2\n";
    for (const CompareCurve& curve : c.curves) {
        out << '\n'
            << curve.constituent << " outflow (" << curve.unit << "), inflow " << ShortNumber(curve.inflow)
            << ":\n";
        std::vector<std::vector<std::string>> table = {
            {"Area", "Velmar", "Velmar", "P-k-C*", "P-k-C*", "P-k-C*"},
            {"(m^2)", "plug flow", "fully mixed", "at k", "at k30", "at k70"}};
        const auto optional = [](std::optional<double> x) { return x ? ShortNumber(*x) : std::string("-"); };
        for (const CurvePoint& p : curve.points) {
            table.push_back({ShortNumber(p.area), ShortNumber(p.plug_flow), ShortNumber(p.fully_mixed),
                             ShortNumber(p.pkc), optional(p.pkc_k30), optional(p.pkc_k70)});
        }
        WriteAligned(out, table);
    }
    out << '\n';
    for (const std::string& line : PkcNotes(c.left_out)) out << line << '\n';
    WriteCaveat(out);
}

// The outflows of one project over a range of areas: rows for programs as each area finishes,
// a table for people when all have.
int CompareCurvesOf(const CompareOptions& o, const CompareSettings& settings) {
    const GridRange areas = ParseCompareAreas(o.areas, o.log);
    const std::string& path = o.projects.front();
    ModelState project;
    ReadStudyProject(path, project);
    OutputTarget target(o.output);
    ComparedCurves curves;
    if (o.format == Format::Table) {
        curves = CompareCurves(path, project, areas, settings);
        WriteCurvesTable(target.Open(), path, o.type, curves);
    } else {
        const std::unique_ptr<RowWriter> writer =
            MakeRowWriter(o.format, target.Open(), CompareCurveColumns());
        const auto write = [&writer](const std::vector<CompareCurve>& heads,
                                     std::span<const CurvePoint> points) {
            for (std::size_t c = 0; c < points.size(); ++c) writer->Row(CompareCurveRow(heads[c], points[c]));
        };
        curves = StreamCompareCurves(path, project, areas, settings, write);
        writer->Finish();
    }
    target.Close();
    for (const std::string& note : curves.notes) Note(o, note);
    return EndStatus(o, curves.areas_done, areas.steps, "areas", 0);
}

}  // namespace

int Compare(const CompareOptions& o) {
    const CompareSettings settings = ParseCompareSettings(o, o.threads);
    CheckCurvesRequest(!o.areas.empty(), o.log, o.projects.size(), settings);
    if (!o.areas.empty()) return CompareCurvesOf(o, settings);
    const bool targets = !settings.targets.empty();
    OutputTarget target(o.output);
    std::unique_ptr<RowWriter> writer;
    bool opened = false;
    const auto open = [&]() -> std::ostream& {
        std::ostream& out = target.Open();
        if (!opened && o.format != Format::Table)
            writer = MakeRowWriter(o.format, out, CompareColumns(targets));
        opened = true;
        return out;
    };

    bool all_done = true;
    std::size_t done = 0;
    for (const std::string& path : o.projects) {
        if (Interrupted()) break;
        ComparedProject compared;
        try {
            compared = CompareProject(path, settings);
        } catch (const StudyError& e) {
            Note(o, e.what());
            all_done = false;
            continue;
        }
        for (const std::string& message : TargetsNotReached(path, compared)) {
            Note(o, message);
            all_done = false;
        }
        std::ostream& out = open();
        ++done;
        if (!writer) {
            WriteTable(out, path, o.type, compared, targets);
            continue;
        }
        for (const ComparedRow& c : compared.rows) writer->Row(CompareRow(path, c, targets));
    }
    if (writer) writer->Finish();
    if (opened) {
        if (o.format == Format::Table) {
            WriteCaveat(target.Open());
        }
        target.Close();
    }
    return EndStatus(o, done, o.projects.size(), "projects", all_done ? 0 : 1);
}

}  // namespace velmar::study
