// The results report as a list of lines, shared by the text report and the printed pages:
// what each line says, and where the two forms word or lay it out differently.
#pragma once

#include <string>
#include <vector>

#include "project/record.h"
#include "project/results_layout.h"

namespace velmar {

enum class ReportLineKind {
    Heading,  // a section's title, after an empty line
    Plain,    // words on a line of their own
    Value,    // a label, a number and its unit
    Name,     // a chemical's or metal's name, opening its block after an empty line
};

// The text report's labels are padded with blanks to this width, so that values line up.
constexpr int kReportLabelWidth = 61;

struct ReportLine {
    ReportLineKind kind = ReportLineKind::Plain;
    std::string text;     // the text report's words: a heading, a plain line or a label
    std::string printed;  // the printed report's words where they differ from the text's
    double value = 0;
    std::string name;               // a name line's name
    std::string unit;               // as the text report writes it: "(m/day)", "%" or nothing
    int width = kReportLabelWidth;  // the text report pads the label with blanks to this width
    bool printed_only = false;

    const std::string& PrintedText() const { return printed.empty() ? text : printed; }
};

// The report of the last run: the inputs that mattered for the project as it was run, then
// the removal efficiencies and concentrations the results screen kept.
std::vector<ReportLine> ReportLines(const ProjectRecord& r, const ModelResults& kept);

}  // namespace velmar
