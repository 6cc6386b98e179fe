// Summaries for people (--format table): the modelled constituents only, aligned, with units.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "project/record.h"
#include "study/results.h"

namespace velmar::study {

// One line per modelled constituent with its removal rate, removal efficiency and outflow
// concentration, and for contaminants the fractions and the sediment concentration, under
// a heading line (the project, or the values of a sweep point).
void WriteRunSummary(std::ostream& out, const std::string& heading, const ProjectRecord& r,
                     const ResultValues& v);

// One line per quantity of the modelled constituents ("TSS RE (%)"), with the cells that
// `cells` gives for its result under the given column names.
void WriteQuantitySummary(std::ostream& out, const std::string& heading, const ProjectRecord& r,
                          const std::vector<std::string>& columns,
                          const std::function<std::vector<std::string>(std::size_t result)>& cells);

// A number as the results screen shows it: four significant digits.
std::string ShortNumber(double x);

// Rows of text in aligned columns: the first to the left, the others to the right.
void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

}  // namespace velmar::study
