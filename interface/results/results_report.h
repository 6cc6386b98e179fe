// The text report of the last run, saved from the results screen; the save dialog also
// offers the printed pages as a PDF file.
#pragma once

#include <string>
#include <vector>

#include "interface/platform/ui.h"
#include "interface/results/report_lines.h"

namespace velmar {

// The report file the save dialog proposes for a project file: its name with ".txt" in
// place of ".inp", or with ".txt" added; "re_out.txt" for a project without a file.
std::string DefaultReportName(const std::string& project_file);

// The text report: labels padded so that the values, written "%10.3e", line up.
std::string ReportText(const std::vector<ReportLine>& lines);

// Asks for a file and writes the report of the last run to it: a PDF of the printed pages
// when its name ends in ".pdf", the text report otherwise. A file that cannot be written
// is reported and nothing else changes.
void SaveReport(Ui& ui, Owner owner);

}  // namespace velmar
