// The printed report as a PDF file, through the Qt host's printer and through the program's own
// writer (which the web page uses), read back as text.
#include <gtest/gtest.h>

#include <QSettings>
#include <cstdlib>
#include <functional>
#include <regex>

#include "interface/platform/pdf_surface.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/results/report_lines.h"
#include "interface/results/results_print.h"
#include "tests/interface/platform/qt/qt_test_main.h"
#include "tests/support/default_project.h"
#include "tests/support/temp_dir.h"

namespace velmar::testing {
namespace {

class ReportPdf : public QtTest {
protected:
    ReportPdf()
        : ui(std::make_unique<QSettings>(QString::fromStdString(folder.File("options.ini")),
                                         QSettings::IniFormat)) {}

    // The text of each page, as the PDF text extractor lays it out.
    std::vector<std::string> Pages(const std::string& pdf) {
        const std::string text_file = folder.File("report.text");
        const std::string command = "pdftotext -layout '" + pdf + "' '" + text_file + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::vector<std::string> pages;
        const std::string text = ReadText(text_file);
        for (std::size_t start = 0, end; (end = text.find('\f', start)) != std::string::npos;
             start = end + 1) {
            pages.push_back(text.substr(start, end - start));
        }
        return pages;
    }

    TempDir folder;
    QtUi ui;
};

// Everything at once: every conventional constituent and three of each contaminant.
ProjectRecord LongProject() {
    ProjectRecord r = DefaultProject();
    r.model_tss = r.model_tcb = r.model_bod = r.model_n = r.model_p = r.model_contaminant = 1;
    r.temperature = 12.345678;
    r.checked_AVb = r.checked_ARhoB = r.checked_APhi = r.checked_SAcc = r.checked_SRhoB = r.checked_SPhi = 1;
    r.PhosRemSpec = 0;
    r.checked_phos_new = 1;
    r.checked_fo1 = 1;
    r.checked_contam_tau = 0;
    r.checked_contam_removal = r.checked_kvCalc = r.checked_KdwCalc = r.checked_KdsCalc = 1;
    r.NumOC_SLR = r.NumHM_LLR = 3;
    SetName(r.HMName1, "Chromium");
    r.checked_TSSGenOutConc = r.checked_HM1OutConc = 1;
    return r;
}

// The long report's pages as the text extractor reads them: the footer on each, and values of
// every kind where they belong.
void CheckLongReport(const std::vector<std::string>& pages) {
    ASSERT_GE(pages.size(), 3u);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        SCOPED_TRACE(n + 1);
        // The footer's line: the file name at the left, the page number at the right.
        EXPECT_TRUE(
            std::regex_search(pages[n], std::regex("/data/site\\.inp +Page: " + std::to_string(n + 1))));
    }
    EXPECT_NE(pages[0].find("Velmar Model Results"), std::string::npos);
    EXPECT_NE(pages[0].find("07-March-2024"), std::string::npos);
    EXPECT_TRUE(std::regex_search(pages[0], std::regex("Temperature: +12\\.35 +\\(Deg\\. C\\)")));
    EXPECT_TRUE(
        std::regex_search(pages[0], std::regex("Fraction total organic phos\\. to total phos\\.: +0\\.5")));
    std::string whole;
    for (const std::string& page : pages) whole += page;
    EXPECT_TRUE(std::regex_search(whole, std::regex("TSS Removal Efficiency: +68\\.65 +%")));
    EXPECT_TRUE(
        std::regex_search(whole, std::regex("Chromium sediment concentration: +42\\.5 +\\(mg / kg\\)")));
    EXPECT_TRUE(std::regex_search(whole, std::regex("Henry's Constant: +5\\.8e-05 +\\(atm m\\^3 / mole\\)")));
}

TEST_F(ReportPdf, AMultiPageReportReadsBack) {
    ModelResults m{};
    m.RE_TSS = 68.6514;
    m.HMSedConc[0] = 42.5;
    using Begin = std::function<std::unique_ptr<PrintSurface>(const std::string&)>;
    const std::pair<const char*, Begin> writers[] = {
        {"qt", [this](const std::string& pdf) { return ui.BeginPdf(pdf, kReportTitle); }},
        {"own", [](const std::string& pdf) { return std::make_unique<PdfSurface>(pdf, kReportTitle); }}};
    for (const auto& [writer, begin] : writers) {
        SCOPED_TRACE(writer);
        const std::string pdf = folder.File(std::string(writer) + ".pdf");
        auto surface = begin(pdf);
        ASSERT_NE(surface, nullptr);
        ASSERT_TRUE(PrintReportOn(*surface, ReportLines(LongProject(), m), "/data/site.inp", "07-March-2024"));
        surface.reset();
        CheckLongReport(Pages(pdf));
    }
}

TEST_F(ReportPdf, AFileThatCannotBeCreatedIsNotReportedWritten) {
    EXPECT_EQ(ui.BeginPdf(folder.File("gone/report.pdf"), kReportTitle), nullptr);
    EXPECT_FALSE(PdfSurface(folder.File("gone/report.pdf"), kReportTitle).Finish());
}

}  // namespace
}  // namespace velmar::testing
