#include "study/input_effects.h"

#include <algorithm>
#include <cmath>

#include "study/command_support.h"

namespace velmar::study {
namespace {

// The project's own values of the study's inputs.
std::vector<double> ProjectValues(const Study& study) {
    std::vector<double> values;
    for (const InputField& f : study.inputs().fields()) {
        const FileEntry& e = *f.value;
        values.push_back(e.kind == FieldKind::Int ? IntAt(study.base(), e) : RealAt(study.base(), e));
    }
    return values;
}

bool SameResult(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

double LengthToWidthAt(const Study& study, double value) {
    ModelState s = study.base();
    study.inputs().Apply(s, std::span<const double>(&value, 1));
    return s.RatioLoW;
}

}  // namespace

bool ChangesAnyResult(const Study& study, std::size_t input, std::span<const double> values) {
    std::vector<double> point = ProjectValues(study);
    ModelState s{};
    ResultValues base{}, varied{};
    study.Evaluate(point, s, base);
    for (double value : values) {
        point[input] = value;
        study.Evaluate(point, s, varied);
        for (std::size_t i = 0; i < base.size(); ++i) {
            if (!SameResult(base[i], varied[i])) return true;
        }
    }
    return false;
}

void NoteInputsWithoutEffect(const CommonOptions& o, const Study& study,
                             const std::vector<std::vector<double>>& values) {
    const std::vector<double> project = ProjectValues(study);
    for (std::size_t i = 0; i < values.size(); ++i) {
        // Values that are all the project's own tell nothing of the input.
        const bool tried = std::any_of(values[i].begin(), values[i].end(),
                                       [&](double value) { return value != project[i]; });
        if (tried && !ChangesAnyResult(study, i, values[i])) {
            Note(o, study.inputs().fields()[i].name + kChangesNoResult);
        }
    }
}

std::optional<double> WholeVolumeRatioCrossing(const Study& study, double from, double to) {
    if (study.base().longitudinal_calc_re == 0 || study.inputs().fields().size() != 1) return std::nullopt;
    const auto beyond = [&study](double value) { return LengthToWidthAt(study, value) > kWholeVolumeRatio; };
    const bool from_beyond = beyond(from);
    if (beyond(to) == from_beyond) return std::nullopt;
    // The ratio moves one way with any one dimension: halve the bracket to well below a
    // pixel of any chart.
    for (int i = 0; i < 60; ++i) {
        const double middle = from + (to - from) / 2;
        (beyond(middle) == from_beyond ? from : to) = middle;
    }
    return from + (to - from) / 2;
}

}  // namespace velmar::study
