// The printed report on a recording surface: columns, page breaks and footers.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "interface/results/report_lines.h"
#include "interface/results/results_print.h"
#include "tests/support/default_project.h"

namespace velmar::testing {
namespace {

// A page whose every character is 10 pixels wide and 20 high, of any size.
class RecordingSurface : public PrintSurface {
public:
    struct Text {
        int page;
        int x;
        int y;
        std::string text;
    };

    explicit RecordingSurface(PageMetrics metrics) : metrics_(metrics) {}

    PageMetrics Metrics() const override { return metrics_; }
    void SetFont(const std::string& family, int points) override {
        fonts.push_back(family + " " + std::to_string(points));
    }
    int TextWidth(const std::string& text) const override { return 10 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) const override { return 20; }
    void DrawText(int x, int y, const std::string& text) override { texts.push_back({page_, x, y, text}); }
    void NewPage() override { ++page_; }
    bool Finish() override {
        finished = true;
        return true;
    }

    const Text& Find(const std::string& text) const {
        auto found = std::find_if(texts.begin(), texts.end(), [&](const Text& t) { return t.text == text; });
        if (found == texts.end()) throw std::runtime_error("not printed: " + text);
        return *found;
    }
    bool Printed(const std::string& text) const {
        return std::any_of(texts.begin(), texts.end(), [&](const Text& t) { return t.text == text; });
    }

    std::vector<Text> texts;
    std::vector<std::string> fonts;
    bool finished = false;

private:
    PageMetrics metrics_;
    int page_ = 1;
};

// Letter paper at 300 dots per inch with a sixth of an inch that the printer cannot reach.
constexpr PageMetrics kLetter{50, 50, 2550, 3300, 2450, 3200, 300};

ProjectRecord ContaminantProject() {
    ProjectRecord r = DefaultProject();
    r.model_contaminant = 1;
    r.checked_contam_tau = 1;
    r.NumOC_SLR = 2;
    r.NumHM_LLR = 1;
    SetName(r.TauCompName1, "Dieldrin");
    SetName(r.TauCompName2, "Atrazine");
    SetName(r.HMName1, "Chromium");
    r.checked_Contam2OutConc = 1;
    r.checked_HM1OutConc = 1;
    return r;
}

TEST(ReportPrint, HeaderAndColumns) {
    ProjectRecord r = ContaminantProject();
    r.temperature = 12.345678;
    ModelResults m{};
    m.ContamFdp[0] = 0.25;
    m.HMFdp[0] = 0.125;
    m.ContamSedConc[1] = 3.5;
    m.ContamSedConc[0] = 9;  // not asked for, so not computed
    RecordingSurface page(kLetter);
    ASSERT_TRUE(PrintReportOn(page, ReportLines(r, m), "/data/site.inp", "07-March-2024"));
    EXPECT_TRUE(page.finished);
    EXPECT_EQ(page.fonts.front(), "Arial 10");

    // Title and date centred in the printable area, then the body from the left margin.
    EXPECT_EQ(page.texts[0].text, "Velmar Model Results");
    EXPECT_EQ(page.texts[0].x, (2450 - 200) / 2);
    EXPECT_EQ(page.texts[0].y, 50);
    EXPECT_EQ(page.texts[1].text, "07-March-2024");
    EXPECT_EQ(page.texts[1].y, 70);

    // Label at the margin, "%.4g" value and spaced unit in columns that end inside the
    // printable area: the unit column leaves room for 14 digits, the value column for 10.
    const auto& label = page.Find("Temperature:");
    const auto& value = page.Find("12.35");
    const auto& unit = page.Find("(Deg. C)");
    EXPECT_EQ(label.x, 50);
    EXPECT_EQ(unit.x, 2450 - 50 - 140);
    EXPECT_EQ(value.x, unit.x - 100);
    EXPECT_EQ(value.y, label.y);
    EXPECT_EQ(unit.y, label.y);
    EXPECT_EQ(page.Find("(m^3 / sec)").y, page.Find("Flow:").y);
    EXPECT_EQ(page.Find("Mean Velocity:").y + 20, page.Find("Detention Time:").y);

    // Headings stand after a blank line; the printed-only fractions and sediment lines.
    const auto& heading = page.Find("The system parameters were:");
    EXPECT_TRUE(std::any_of(page.texts.begin(), page.texts.end(),
                            [&](const auto& t) { return t.text == " " && t.y + 20 == heading.y; }));
    EXPECT_EQ(page.Find("Fraction dissolved organic chem. to total organic chem. in pore water (Fdp):").y,
              page.Find("0.25").y);
    EXPECT_EQ(page.Find("Fraction dissolved heavy metal to total heavy metal in pore water (Fdp):").y,
              page.Find("0.125").y);
    EXPECT_EQ(page.Find("Outflow Concentrations (Total):").x, 50);
    const auto& sediment = page.Find("Atrazine sediment concentration:");
    EXPECT_GT(sediment.y, page.Find("Sediment Concentrations (Total):").y);
    EXPECT_EQ(page.Find("3.5").y, sediment.y);
    EXPECT_EQ(page.Find("(mg / kg)").y, sediment.y);
    EXPECT_FALSE(page.Printed("Dieldrin sediment concentration:"));
    EXPECT_TRUE(page.Printed("Chromium sediment concentration:"));
    EXPECT_FALSE(page.Printed("Active Layer Thickness:"));  // half-lives need none
}

// The footer on every page, and no line of the body reaching it.
void ExpectPagesAndFooters(const RecordingSurface& page, const PageMetrics& m, int pages) {
    const int footer_y = m.printable_height - m.top - 20;
    for (int n = 1; n <= pages; ++n) {
        SCOPED_TRACE(n);
        std::vector<RecordingSurface::Text> on_page;
        std::copy_if(page.texts.begin(), page.texts.end(), std::back_inserter(on_page),
                     [n](const auto& t) { return t.page == n; });
        ASSERT_GE(on_page.size(), 3u);
        const auto& name = on_page[on_page.size() - 2];
        const auto& number = on_page.back();
        EXPECT_EQ(name.text, "/data/site.inp");
        EXPECT_EQ(name.x, m.left);
        EXPECT_EQ(name.y, footer_y);
        EXPECT_EQ(number.text, "Page: " + std::to_string(n));
        EXPECT_EQ(number.x + 10 * static_cast<int>(number.text.size()), m.printable_width - m.left);
        EXPECT_EQ(number.y, footer_y);
        EXPECT_EQ(on_page.front().y, m.top);
        for (std::size_t i = 0; i + 2 < on_page.size(); ++i) EXPECT_LE(on_page[i].y + 20, footer_y);
        // No page ends with a blank line, a heading or a label parted from its value.
        const std::string& last = on_page[on_page.size() - 3].text;
        EXPECT_NE(last, " ");
        EXPECT_NE(last.back(), ':') << last;
    }
    EXPECT_EQ(page.texts.back().page, pages);
}

TEST(ReportPrint, PagesBreakBeforeTheFooter) {
    ProjectRecord r = ContaminantProject();
    r.model_tss = r.model_tcb = r.model_bod = r.model_n = r.model_p = 1;
    const auto lines = ReportLines(r, ModelResults{});

    // A short page: the body breaks where the old rule "y > H - 5 y0" says.
    const PageMetrics short_page{20, 20, 2550, 600, 2510, 560, 300};
    RecordingSurface page(short_page);
    ASSERT_TRUE(PrintReportOn(page, lines, "/data/site.inp", std::nullopt));
    const int pages = page.texts.back().page;
    EXPECT_GT(pages, 3);
    ExpectPagesAndFooters(page, short_page, pages);
    EXPECT_EQ(page.fonts.size(), static_cast<std::size_t>(pages));  // the font again on every page

    // A printable area that starts at the paper's edge, as a PDF's may: the old rule would
    // never break before the paper's end; the footer's line still bounds the body.
    const PageMetrics edge_page{0, 0, 2550, 600, 2550, 600, 300};
    RecordingSurface edge(edge_page);
    ASSERT_TRUE(PrintReportOn(edge, lines, "/data/site.inp", std::nullopt));
    ExpectPagesAndFooters(edge, edge_page, edge.texts.back().page);
}

// A label too long to stand beside the values gets a line of its own.
TEST(ReportPrint, LongLabelsStandAboveTheirValues) {
    ProjectRecord r = DefaultProject();
    r.model_p = 1;
    r.PhosRemSpec = r.checked_phos_new = 0;
    r.checked_phos_estab = 1;
    r.f_dp = 0.45;
    const PageMetrics narrow{50, 50, 1100, 3300, 1000, 3200, 300};
    RecordingSurface page(narrow);
    ASSERT_TRUE(PrintReportOn(page, ReportLines(r, ModelResults{}), "", std::nullopt));
    const auto& label =
        page.Find("Fraction total dissolved phos. in sed. pore water to total phos. in bed layer(f_dp):");
    EXPECT_EQ(page.Find("0.45").y, label.y + 20);
    EXPECT_EQ(page.Find("0.45").x, 1000 - 50 - 140 - 100);
    const auto& short_label = page.Find("Bonding Energy Constant:");
    EXPECT_EQ(page.Find("(L / mg)").y, short_label.y);
    EXPECT_FALSE(page.Printed(""));  // no file name: the footer has only the page number
}

TEST(ReportPrint, DateAndUnits) {
    std::tm day{};
    day.tm_year = 2024 - 1900;
    day.tm_mon = 8;
    day.tm_mday = 5;
    day.tm_hour = 12;
    EXPECT_EQ(ReportDate(std::mktime(&day)), "05-September-2024");
    EXPECT_EQ(PrintedUnit("(m^3/sec)"), "(m^3 / sec)");
    EXPECT_EQ(PrintedUnit("(atm m^3/mole)"), "(atm m^3 / mole)");
    EXPECT_EQ(PrintedUnit("(mpn/100mL)"), "(mpn / 100mL)");
    EXPECT_EQ(PrintedUnit("(/day)"), "(/day)");
    EXPECT_EQ(PrintedUnit("(Deg. C)"), "(Deg. C)");
}

}  // namespace
}  // namespace velmar::testing
