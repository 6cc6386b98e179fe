// velmar-study compare: the P-k-C* design method beside the model, a row per project and
// modelled constituent.
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/compare.h"
#include "study/interrupt.h"
#include "study/output_target.h"
#include "study/parse_number.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

constexpr char kUnreachable[] = "unreachable";

std::string ConstituentList() {
    std::string list;
    for (std::string_view name : PkcConstituentNames())
        list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

// An option of "NAME=VALUE" arguments: the values it takes, and where each one goes.
struct NamedOption {
    const std::vector<std::string>* arguments;
    const char* option;
    std::function<bool(double)> valid;
    const char* must_be;  // what a valid value is
    std::function<void(const std::string&, double)> into;
};

void ParseNamed(const NamedOption& o) {
    std::vector<std::string> seen;
    for (const std::string& argument : *o.arguments) {
        const auto equals = argument.find('=');
        const std::string what = std::string(o.option) + " " + argument;
        if (equals == std::string::npos) throw StudyError(what + ": not of the form NAME=VALUE");
        const std::string name = argument.substr(0, equals);
        const auto& names = PkcConstituentNames();
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            throw StudyError(what + ": '" + name + "' has no P-k-C* constants; NAME is one of " +
                             ConstituentList());
        }
        if (std::find(seen.begin(), seen.end(), name) != seen.end())
            throw StudyError(std::string(o.option) + " " + name + " is given more than once");
        seen.push_back(name);
        const double value = ParseNumber(argument.substr(equals + 1), what);
        if (!o.valid(value)) throw StudyError(what + ": the value must be " + o.must_be);
        o.into(name, value);
    }
}

CompareSettings Settings(const CompareOptions& o) {
    CompareSettings s;
    s.pkc.type = o.type;
    s.threads = o.threads;
    const auto positive = [](double x) { return x > 0; };
    const auto not_negative = [](double x) { return x >= 0; };
    const auto overriding = [&s](std::optional<double> PkcOverride::*member) {
        return [&s, member](const std::string& name, double value) { s.pkc.overrides[name].*member = value; };
    };
    const NamedOption options[] = {
        {&o.k, "--k", positive, "greater than 0 (m/yr)", overriding(&PkcOverride::k)},
        {&o.cstar, "--cstar", not_negative, "0 or more", overriding(&PkcOverride::cstar)},
        {&o.tanks, "--tanks", positive, "greater than 0", overriding(&PkcOverride::tanks)},
        {&o.theta, "--theta", positive, "greater than 0", overriding(&PkcOverride::theta)},
        {&o.targets, "--target", not_negative, "0 or more",
         [&s](const std::string& name, double value) { s.targets[name] = value; }},
    };
    for (const NamedOption& option : options) ParseNamed(option);
    return s;
}

std::vector<std::string> Columns(bool targets) {
    std::vector<std::string> columns = {"file", "constituent"};
    columns.insert(columns.end(), std::begin(kPkcComparisonColumns), std::end(kPkcComparisonColumns));
    if (targets) columns.insert(columns.end(), {"pkc_area_for_target", "velmar_area_for_target"});
    columns.emplace_back("note");
    return columns;
}

// A row's values after the file and constituent, as cells: empty where there is no value,
// "unreachable" for a target no area reaches.
std::vector<Cell> Values(const ComparedRow& c, bool targets) {
    const auto optional = [](std::optional<double> x) -> Cell {
        if (x) return *x;
        return std::string();
    };
    const PkcComparisonRow& r = c.row;
    std::vector<Cell> cells = {r.inflow, r.velmar_outflow, r.velmar_removal};
    const auto pkc = [&r](double PkcValues::*member) -> std::optional<double> {
        if (r.pkc) return (*r.pkc).*member;
        return std::nullopt;
    };
    for (double PkcValues::*member :
         {&PkcValues::k, &PkcValues::cstar, &PkcValues::tanks, &PkcValues::outflow, &PkcValues::removal}) {
        cells.push_back(optional(pkc(member)));
    }
    cells.push_back(optional(r.pkc ? r.pkc->outflow_k30 : std::nullopt));
    cells.push_back(optional(r.pkc ? r.pkc->outflow_k70 : std::nullopt));
    if (targets) {
        const bool design_unreachable = c.target && r.pkc && !c.pkc_area.area;
        cells.push_back(design_unreachable ? Cell(std::string(kUnreachable)) : optional(c.pkc_area.area));
        cells.push_back(optional(c.velmar_area.area));
    }
    return cells;
}

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
        std::vector<std::string> line = {c.row.constituent};
        for (const Cell& cell : Values(c, targets)) {
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

}  // namespace

int Compare(const CompareOptions& o) {
    const CompareSettings settings = Settings(o);
    const bool targets = !settings.targets.empty();
    OutputTarget target(o.output);
    std::unique_ptr<RowWriter> writer;
    bool opened = false;
    const auto open = [&]() -> std::ostream& {
        std::ostream& out = target.Open();
        if (!opened && o.format != Format::Table) writer = MakeRowWriter(o.format, out, Columns(targets));
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
            Complain(e.what());
            all_done = false;
            continue;
        }
        for (const ComparedRow& c : compared.rows) {
            for (const AreaForTarget* area : {&c.pkc_area, &c.velmar_area}) {
                if (!c.target || area->area || area->reason.empty()) continue;
                Complain(path + ": " + c.row.constituent + " target " + NumberText(*c.target) +
                         " not reached (" + (area == &c.pkc_area ? "P-k-C*" : "Velmar") +
                         "): " + area->reason);
                all_done = false;
            }
        }
        std::ostream& out = open();
        ++done;
        if (!writer) {
            WriteTable(out, path, o.type, compared, targets);
            continue;
        }
        for (const ComparedRow& c : compared.rows) {
            std::vector<Cell> row = {path, c.row.constituent};
            for (Cell& cell : Values(c, targets)) row.push_back(std::move(cell));
            row.emplace_back(c.row.note);
            writer->Row(row);
        }
    }
    if (writer) writer->Finish();
    if (opened) {
        if (o.format == Format::Table) {
            std::ostream& out = target.Open();
            for (const char* line : kPkcCaveat) out << line << '\n';
        }
        target.Close();
    }
    return EndStatus(done, o.projects.size(), "projects", all_done ? 0 : 1);
}

}  // namespace velmar::study
