#include "interface/results/results_print.h"

#include <cstdio>

#include "interface/resources/strings.h"
#include "interface/results/results_screen.h"
#include "interface/session/state.h"
#include "project/csv_text.h"

namespace velmar {
namespace {

constexpr char kReportFont[] = "Arial";
constexpr int kReportPoints = 10;
constexpr char kReportNotPrinted[] = "The report could not be printed.";
constexpr char kPrintErrorCaption[] = "Print Error";

struct Cell {
    int x;
    std::string text;
};

// One print job: the pen's position, the page number and the columns, all in the device
// pixels of the printable area. The text keeps an inner margin of the printable area's
// offsets on every side, so that it stands clear of the paper's edge even where the
// printable area reaches it.
class Pages {
public:
    Pages(PrintSurface& surface, const std::string& project_file)
        : surface_(surface), m_(surface.Metrics()), project_file_(project_file) {
        surface_.SetFont(kReportFont, kReportPoints);
        unit_x_ = m_.printable_width - m_.left - surface_.TextWidth("00000000000000");
        value_x_ = unit_x_ - surface_.TextWidth("0000000000");
        y_ = m_.top;
    }

    int left() const { return m_.left; }
    int value_x() const { return value_x_; }
    int unit_x() const { return unit_x_; }
    bool Fits(const std::string& label) const {
        return m_.left + surface_.TextWidth(label + " ") <= value_x_;
    }

    // Draws one line's texts at the pen's height and moves the pen down by the line's height,
    // starting a new page first when the line would reach the footer.
    void Line(const std::vector<Cell>& cells) {
        const int height = surface_.TextHeight(cells.front().text);
        if (y_ > m_.page_height - 5 * m_.top || y_ + height > FooterY()) NextPage();
        for (const Cell& cell : cells) {
            if (!cell.text.empty()) surface_.DrawText(cell.x, y_, cell.text);
        }
        y_ += height;
    }
    // Starts a new page unless the next lines fit above the footer, so that a heading is not
    // left at the foot of a page and a label not parted from its value.
    void KeepTogether(int lines) {
        if (y_ + lines * surface_.TextHeight(" ") > FooterY()) NextPage();
    }
    void Blank() { Line({{m_.left, " "}}); }
    void Centred(const std::string& text) {
        Line({{(m_.printable_width - surface_.TextWidth(text)) / 2, text}});
    }

    bool Finish() {
        Footer();
        return surface_.Finish();
    }

private:
    int FooterY() const { return m_.printable_height - m_.top - surface_.TextHeight(project_file_); }

    void Footer() {
        const int y = FooterY();
        if (!project_file_.empty()) surface_.DrawText(m_.left, y, project_file_);
        const std::string page = "Page: " + std::to_string(page_);
        surface_.DrawText(m_.printable_width - m_.left - surface_.TextWidth(page), y, page);
    }

    void NextPage() {
        Footer();
        surface_.NewPage();
        surface_.SetFont(kReportFont, kReportPoints);
        y_ = m_.top;
        ++page_;
    }

    PrintSurface& surface_;
    const PageMetrics m_;
    const std::string project_file_;
    int value_x_ = 0;
    int unit_x_ = 0;
    int y_ = 0;
    int page_ = 1;
};

void PrintLine(Pages& pages, const ReportLine& line) {
    const std::string& words = line.PrintedText();
    switch (line.kind) {
        case ReportLineKind::Heading:
            pages.KeepTogether(3);
            pages.Blank();
            pages.Line({{pages.left(), words}});
            break;
        case ReportLineKind::Plain: pages.Line({{pages.left(), words}}); break;
        case ReportLineKind::Value: {
            std::vector<Cell> cells = {{pages.value_x(), ShownNumber(line.value)},
                                       {pages.unit_x(), PrintedUnit(line.unit)}};
            // A label that would run into the values stands on a line of its own above them.
            if (pages.Fits(words)) {
                cells.insert(cells.begin(), Cell{pages.left(), words});
            } else {
                pages.KeepTogether(2);
                pages.Line({{pages.left(), words}});
            }
            pages.Line(cells);
            break;
        }
        case ReportLineKind::Name:
            pages.KeepTogether(3);
            pages.Blank();
            pages.Line({{pages.left(), words}, {pages.value_x(), line.name}});
            break;
    }
}

}  // namespace

std::optional<std::string> ReportDate(std::time_t now) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) return std::nullopt;
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%s-%04d", local->tm_mday, kMonths[local->tm_mon],
                  local->tm_year + 1900);
    return text;
}

std::string PrintedUnit(const std::string& unit) {
    std::string printed;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const bool spaced = unit[i] == '/' && i > 0 && unit[i - 1] != '(';
        printed += spaced ? std::string(" / ") : std::string(1, unit[i]);
    }
    return printed;
}

bool PrintReportOn(PrintSurface& surface, const std::vector<ReportLine>& lines,
                   const std::string& project_file, const std::optional<std::string>& date,
                   const std::string& title) {
    Pages pages(surface, project_file);
    pages.Centred(title);
    if (date) pages.Centred(*date);
    for (const ReportLine& line : lines) PrintLine(pages, line);
    return pages.Finish();
}

void PrintReport(Ui& ui, Owner owner) {
    const auto surface = ui.BeginPrint(owner, kReportTitle);
    if (!surface) return;
    if (!PrintReportOn(*surface, ReportLines(Project(), KeptResults()), Shell().current_file,
                       ReportDate(std::time(nullptr)))) {
        ui.MessageBox(owner, kReportNotPrinted, kPrintErrorCaption, Buttons::Ok);
    }
}

bool WriteReportPdf(Ui& ui, const std::string& path, const std::vector<ReportLine>& lines) {
    const auto surface = ui.BeginPdf(path, kReportTitle);
    return surface && PrintReportOn(*surface, lines, Shell().current_file, ReportDate(std::time(nullptr)));
}

}  // namespace velmar
