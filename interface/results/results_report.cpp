#include "interface/results/results_report.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>

#include "interface/resources/strings.h"
#include "interface/results/results_print.h"
#include "interface/results/results_screen.h"
#include "interface/session/state.h"
#include "project/project_file.h"

namespace velmar {
namespace {

const FileFilter kTextFilter{"Text Files (*.txt)", "*.txt"};
const FileFilter kPdfFilter{"PDF Files (*.pdf)", "*.pdf"};
constexpr char kReportNotWritten[] = "The report could not be written to ";
constexpr char kReportNotWrittenEnd[] =
    ". Check that the folder exists and is writable and that the disk is not full.";

bool EndsWithNoCase(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char e, char c) { return std::tolower(static_cast<unsigned char>(c)) == e; });
}

std::string Padded(const std::string& label, int width) {
    std::string text = label;
    if (static_cast<int>(text.size()) < width) text.resize(static_cast<std::size_t>(width), ' ');
    return text;
}

std::string Scientific(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%10.3e", value);
    return text;
}

}  // namespace

std::string DefaultReportName(const std::string& project_file) {
    if (project_file.empty()) return "re_out.txt";
    if (EndsWithNoCase(project_file, ".inp")) return project_file.substr(0, project_file.size() - 3) + "txt";
    return project_file + ".txt";
}

std::string ReportText(const std::vector<ReportLine>& lines) {
    std::string text;
    for (const ReportLine& line : lines) {
        if (line.printed_only) continue;
        switch (line.kind) {
            case ReportLineKind::Heading: text += "\n" + line.text + "\n"; break;
            case ReportLineKind::Plain: text += line.text + "\n"; break;
            case ReportLineKind::Value:
                text += Padded(line.text, line.width) + Scientific(line.value) + line.unit + "\n";
                break;
            case ReportLineKind::Name: text += "\n" + Padded(line.text, line.width) + line.name + "\n"; break;
        }
    }
    return text;
}

void SaveReport(Ui& ui, Owner owner) {
    const auto path =
        ui.AskSaveFileName(owner, {kTextFilter, kPdfFilter}, DefaultReportName(Shell().current_file));
    if (!path) return;
    const std::vector<ReportLine> lines = ReportLines(Project(), KeptResults());
    std::string message = kReportNotWritten + *path + kReportNotWrittenEnd;
    if (EndsWithNoCase(*path, ".pdf")) {
        if (WriteReportPdf(ui, *path, lines)) return;
    } else {
        const std::error_code reason = WriteTextFile(*path, ReportText(lines));
        if (!reason) return;
        message += kSaveFailedReason + reason.message() + ".";
    }
    ui.MessageBox(owner, message, kFileErrorCaption, Buttons::Ok);
}

}  // namespace velmar
