#include "study/compare.h"

#include "model/driver.h"
#include "study/evaluation.h"
#include "study/project_input.h"
#include "study/row_writer.h"
#include "study/sizing.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

// The record field the model's sizing varies: the plan area, the depth kept, as `size` does.
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
AreaForTarget ModelArea(const Study& study, const PkcComparisonRow& row, double target, int threads) {
    if (target >= row.inflow) return {0.0, ""};
    const double removal = 100 * (1 - target / row.inflow);
    try {
        const auto [low, high] = ParseSearchRange("", study);
        Progress progress("size", kSizeGridPoints);
        std::size_t scanned = 0;
        const std::optional<Sizing> sized =
            FindSize(study, {row.efficiency_entry, removal}, low, high, threads, progress, scanned);
        if (sized) return {sized->value, ""};
        return {std::nullopt, "interrupted"};
    } catch (const StudyError& e) {
        return {std::nullopt, e.what()};
    }
}

}  // namespace

ComparedProject CompareProject(const std::string& path, const CompareSettings& settings) {
    ModelState s;
    ReadStudyProject(path, s);
    ComputeModel(s);
    ComparedProject compared_project{HydraulicLoading(s), {}};
    std::optional<Study> sizing;
    for (PkcComparisonRow& row : CompareWithPkc(s, s, settings.pkc)) {
        ComparedRow compared{std::move(row), std::nullopt, {}, {}};
        const auto target = settings.targets.find(compared.row.constituent);
        if (target != settings.targets.end()) {
            if (!sizing) sizing.emplace(path, std::vector<InputField>{FindInputField(kAreaField)});
            compared.target = target->second;
            compared.pkc_area = DesignArea(s, compared.row, target->second);
            compared.velmar_area = ModelArea(*sizing, compared.row, target->second, settings.threads);
        }
        compared_project.rows.push_back(std::move(compared));
    }
    return compared_project;
}

}  // namespace velmar::study
