// The project inputs a study can vary, as the screens show them: a label with its units
// beside the record name that velmar-study takes.
#pragma once

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "interface/platform/chart.h"
#include "project/record.h"

namespace velmar {

struct StudyInput {
    std::string label;  // as its screen shows it, units included: "Avg. Annual Area (m^2)"
    std::string name;   // its record name with blanks as underscores: "area", "TSS_removal_rate"
};

// A result a window can size for or chart the spread of: "RE TSS (%)" and its value name
// "RE_TSS".
struct StudyResult {
    std::string label;
    std::string name;
};

// The removal efficiency of each modelled constituent, and its outflow where it is computed.
std::vector<StudyResult> ModelledResults(const ProjectRecord& r);

// A list item: the label, then the record name in brackets.
std::string InputItemText(const StudyInput& input);

// The inputs whose label or record name holds the search text, ignoring case; all of them
// for an empty search.
std::vector<std::size_t> MatchingInputs(const std::vector<StudyInput>& inputs, const std::string& search);

// An axis for the input: its label as the title, the units in its last brackets as the unit.
ChartAxis InputAxis(const StudyInput& input, AxisScale scale);

// The text without the blanks around it, as a number typed into a field is read.
std::string TrimmedText(const std::string& text);

// A number as typed into a field, read as velmar-study reads the numbers of its arguments;
// nothing when the text is not one.
std::optional<double> TypedNumber(const std::string& text);

// A whole number as typed into a field; nothing when the text is not one, or not one of `Whole`.
template <typename Whole>
std::optional<Whole> TypedWholeNumber(const std::string& text) {
    const std::string t = TrimmedText(text);
    Whole value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}

// More steps than a chart can show apart, or than a window should wait for.
inline constexpr int kMostSteps = 1000;

// A range spanning this factor or more is stepped geometrically and drawn on a logarithmic axis.
inline constexpr double kGeometricSpan = 10;

// A value as a field or label shows it: up to ten digits, without an exponent where one is not
// needed ("200000", not "2e+05").
std::string PlainNumber(double value);

// A value a study found, in the four significant digits the results show, as PlainNumber
// writes it ("138700", not "1.387e+05").
std::string RoundedNumber(double value);

// The input's value in the project as it stands.
double CurrentValue(const ProjectRecord& r, const std::string& name);

}  // namespace velmar
