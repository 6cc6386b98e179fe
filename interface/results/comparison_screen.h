// The comparison with the P-k-C* design method for the run just made: a read-only screen
// opened from the results screen, and its text, CSV and printed forms.
#pragma once

#include <string>
#include <vector>

#include "interface/platform/ui.h"
#include "interface/results/report_lines.h"
#include "project/pkc_comparison.h"

namespace velmar {

inline constexpr char kComparisonTitle[] = "Comparison with the P-k-C* Design Method";

// A value as the screen shows it ("%.4g"); empty when there is none.
std::string ComparisonCell(std::optional<double> value);

// The comparison as report lines, for the text file and the printed pages: the wetland type
// and hydraulic loading, a block per constituent, its notes, and the caveat.
std::vector<ReportLine> ComparisonLines(const std::vector<PkcComparisonRow>& rows, pkc::WetlandType type,
                                        double hydraulic_loading);

// The comparison as CSV, in the columns velmar-study compare writes for the project file.
std::string ComparisonCsv(const std::string& project_file, const std::vector<PkcComparisonRow>& rows);

// Shows the comparison for the project as it was run and the results the results screen kept.
void ShowComparisonScreen(Ui& ui, Owner owner);

}  // namespace velmar
