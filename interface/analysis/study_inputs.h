// The project inputs a study can vary, as the screens show them: a label with its units
// beside the record name that velmar-study takes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "interface/platform/chart.h"
#include "project/record.h"

namespace velmar {

struct StudyInput {
    std::string label;  // as its screen shows it, units included: "Avg. Annual Area (m^2)"
    std::string name;   // its record name with blanks as underscores: "area", "TSS_removal_rate"
};

// A list item: the label, then the record name in brackets.
std::string InputItemText(const StudyInput& input);

// The inputs whose label or record name holds the search text, ignoring case; all of them
// for an empty search.
std::vector<std::size_t> MatchingInputs(const std::vector<StudyInput>& inputs, const std::string& search);

// An axis for the input: its label as the title, the units in its last brackets as the unit.
ChartAxis InputAxis(const StudyInput& input, AxisScale scale);

// The text without the blanks around it, as a number typed into a field is read.
std::string TrimmedText(const std::string& text);

// A value as a field or label shows it: up to ten digits, without an exponent where one is not
// needed ("200000", not "2e+05").
std::string PlainNumber(double value);

// A value a study found, in the four significant digits the results show, as PlainNumber
// writes it ("138700", not "1.387e+05").
std::string RoundedNumber(double value);

// The input's value in the project as it stands.
double CurrentValue(const ProjectRecord& r, const std::string& name);

}  // namespace velmar
