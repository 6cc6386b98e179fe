// The printed report of the last run: the report's lines in label, value and unit columns
// on pages with a title, the date and a footer, on a printer or in a PDF file.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "interface/platform/print_surface.h"
#include "interface/platform/ui.h"
#include "interface/results/report_lines.h"

namespace velmar {

// The report's title, also the name of the print job.
inline constexpr char kReportTitle[] = "Velmar Model Results";

// The date under the title, as "07-March-2024": English month names whatever the user's
// language, so that a report reads the same wherever it is printed. Empty when the local
// time is not known.
std::optional<std::string> ReportDate(std::time_t now);

// A unit as the printed report shows it, spaced around its slash: "(mg / L)", "(/day)".
std::string PrintedUnit(const std::string& unit);

// Prints the report, or another document of report lines under its own title, on the
// surface and finishes the document; the footer of every page
// names the project file. False when the document could not be completed.
bool PrintReportOn(PrintSurface& surface, const std::vector<ReportLine>& lines,
                   const std::string& project_file, const std::optional<std::string>& date,
                   const std::string& title = kReportTitle);

// Asks for a printer and prints the report of the last run.
void PrintReport(Ui& ui, Owner owner);

// Writes the printed pages of the report to a PDF file; false when it could not be written.
bool WriteReportPdf(Ui& ui, const std::string& path, const std::vector<ReportLine>& lines);

}  // namespace velmar
