#include "study/compare.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "model/driver.h"
#include "study/evaluation.h"
#include "study/parse_number.h"
#include "study/project_input.h"
#include "study/sizing.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

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

// The record field the model's sizing varies: the plan area, the depth and shape kept, as `size` does.
constexpr char kAreaField[] = "area";

AreaForTarget DesignArea(const ProjectRecord& r, const PkcComparisonRow& row, double target) {
    if (!row.pkc) return {std::nullopt, "no P-k-C* constants"};
    const PkcValues& v = *row.pkc;
    const std::optional<double> area =
        pkc::AreaForTarget(row.inflow, target, FlowPerYear(r), v.k, v.cstar, v.tanks);
    if (area) return {area, ""};
    return {std::nullopt, "the target " + NumberText(target) + " is not above C* = " + NumberText(v.cstar) +
                              ": no area reaches it"};
}

// The model's outflow is inflow x (1 - RE/100), so a target outflow is a target removal efficiency.
AreaForTarget ModelArea(const Study& study, const PkcComparisonRow& row, double target,
                        const CompareSettings& settings) {
    if (target >= row.inflow) return {0.0, ""};
    const double removal = 100 * (1 - target / row.inflow);
    try {
        const auto [low, high] = ParseSearchRange("", study);
        Progress progress("size", kSizeGridPoints, settings.watch);
        std::size_t scanned = 0;
        const std::optional<Sizing> sized =
            FindSize(study, {row.efficiency_entry, removal}, low, high, settings.threads, progress, scanned);
        if (sized) return {sized->value, ""};
        return {std::nullopt, "interrupted"};
    } catch (const StudyError& e) {
        return {std::nullopt, e.what()};
    }
}

}  // namespace

const std::map<std::string, pkc::WetlandType>& WetlandTypesByName() {
    static const std::map<std::string, pkc::WetlandType> types = {
        {"fws", pkc::WetlandType::FreeWaterSurface}, {"hssf", pkc::WetlandType::HorizontalSubsurface}};
    return types;
}

CompareSettings ParseCompareSettings(const CompareArguments& a, int threads) {
    CompareSettings s;
    s.pkc.type = a.type;
    s.threads = threads;
    const auto positive = [](double x) { return x > 0; };
    const auto not_negative = [](double x) { return x >= 0; };
    const auto overriding = [&s](std::optional<double> PkcOverride::*member) {
        return [&s, member](const std::string& name, double value) { s.pkc.overrides[name].*member = value; };
    };
    const NamedOption options[] = {
        {&a.k, "--k", positive, "greater than 0 (m/yr)", overriding(&PkcOverride::k)},
        {&a.cstar, "--cstar", not_negative, "0 or more", overriding(&PkcOverride::cstar)},
        {&a.tanks, "--tanks", positive, "greater than 0", overriding(&PkcOverride::tanks)},
        {&a.theta, "--theta", positive, "greater than 0", overriding(&PkcOverride::theta)},
        {&a.targets, "--target", not_negative, "0 or more",
         [&s](const std::string& name, double value) { s.targets[name] = value; }},
    };
    for (const NamedOption& option : options) ParseNamed(option);
    return s;
}

ComparedProject CompareProject(const std::string& path, const CompareSettings& settings) {
    ModelState project;
    ReadStudyProject(path, project);
    return CompareProject(path, project, settings);
}

ComparedProject CompareProject(const std::string& name, const ModelState& project,
                               const CompareSettings& settings) {
    auto run = std::make_unique<ModelState>(project);
    ModelState& s = *run;
    ComputeModel(s);
    ComparedProject compared_project{HydraulicLoading(s), {}};
    std::optional<Study> sizing;
    for (PkcComparisonRow& row : CompareWithPkc(s, s, settings.pkc)) {
        ComparedRow compared{std::move(row), std::nullopt, {}, {}};
        const auto target = settings.targets.find(compared.row.constituent);
        if (target != settings.targets.end()) {
            if (!sizing) sizing.emplace(name, project, std::vector<InputField>{FindInputField(kAreaField)});
            compared.target = target->second;
            compared.pkc_area = DesignArea(s, compared.row, target->second);
            compared.velmar_area = ModelArea(*sizing, compared.row, target->second, settings);
        }
        compared_project.rows.push_back(std::move(compared));
    }
    return compared_project;
}

std::vector<std::string> CompareColumns(bool targets) {
    std::vector<std::string> columns = {"file", "constituent"};
    columns.insert(columns.end(), std::begin(kPkcComparisonColumns), std::end(kPkcComparisonColumns));
    if (targets) columns.insert(columns.end(), {"pkc_area_for_target", "velmar_area_for_target"});
    columns.emplace_back("note");
    return columns;
}

std::vector<Cell> CompareRow(const std::string& name, const ComparedRow& c, bool targets) {
    const auto optional = [](std::optional<double> x) -> Cell {
        if (x) return *x;
        return std::string();
    };
    const PkcComparisonRow& r = c.row;
    std::vector<Cell> cells = {name, r.constituent, r.inflow, r.velmar_outflow, r.velmar_removal};
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
    cells.emplace_back(r.note);
    return cells;
}

std::vector<std::string> TargetsNotReached(const std::string& name, const ComparedProject& compared) {
    std::vector<std::string> messages;
    for (const ComparedRow& c : compared.rows) {
        for (const AreaForTarget* area : {&c.pkc_area, &c.velmar_area}) {
            if (!c.target || area->area || area->reason.empty()) continue;
            messages.push_back(name + ": " + c.row.constituent + " target " + NumberText(*c.target) +
                               " not reached (" + (area == &c.pkc_area ? "P-k-C*" : "Velmar") +
                               "): " + area->reason);
        }
    }
    return messages;
}

}  // namespace velmar::study
