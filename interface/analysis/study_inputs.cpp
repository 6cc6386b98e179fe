#include "interface/analysis/study_inputs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "project/csv_text.h"
#include "study/constituents.h"
#include "study/fields.h"
#include "study/parse_number.h"
#include "study/results.h"
#include "study/study_error.h"

namespace velmar {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::vector<StudyResult> ModelledResults(const ProjectRecord& r) {
    std::vector<StudyResult> results;
    for (const study::ConstituentResults& c : study::ModelledConstituents(r)) {
        results.push_back({"RE " + c.name + " (%)", study::ResultName(c.efficiency)});
        if (c.outflow)
            results.push_back({c.name + " outflow (" + c.unit + ")", study::ResultName(*c.outflow)});
    }
    return results;
}

std::string InputItemText(const StudyInput& input) {
    return input.label + "  [" + input.name + "]";
}

std::vector<std::size_t> MatchingInputs(const std::vector<StudyInput>& inputs, const std::string& search) {
    const std::string wanted = Lower(search);
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (Lower(inputs[i].label).find(wanted) != std::string::npos ||
            Lower(inputs[i].name).find(wanted) != std::string::npos) {
            found.push_back(i);
        }
    }
    return found;
}

ChartAxis InputAxis(const StudyInput& input, AxisScale scale) {
    const std::string& label = input.label;
    const auto open = label.rfind(" (");
    if (open == std::string::npos || label.back() != ')') return {label, {}, scale};
    return {label.substr(0, open), label.substr(open + 2, label.size() - open - 3), scale};
}

std::string TrimmedText(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> TypedNumber(const std::string& text) {
    try {
        return study::ParseNumber(TrimmedText(text), "");
    } catch (const study::StudyError&) {
        return std::nullopt;
    }
}

std::string PlainNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string RoundedNumber(double value) {
    return PlainNumber(std::strtod(ShownNumber(value).c_str(), nullptr));
}

double CurrentValue(const ProjectRecord& r, const std::string& name) {
    const study::InputField field = study::FindInputField(name);
    return field.value->kind == FieldKind::Int ? IntAt(r, *field.value) : RealAt(r, *field.value);
}

}  // namespace velmar
