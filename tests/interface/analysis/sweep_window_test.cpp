// The Sweep window against velmar-study sweep on the same saved project: the chart's lines,
// the exported CSV and the copied command; bad entries, and Cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "interface/analysis/sweep_study.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/templates.h"
#include "interface/shell/menu_commands.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"
#include "tests/study/study_runner.h"

namespace velmar::testing {
namespace {

constexpr char kArea[] = "Avg. Annual Area (m^2)";

class SweepWindow : public ShellTest {
protected:
    SweepWindow() {
        ReadProjectFile(Example("typical.inp"), Project());
        WriteProjectFile(saved, Project());
        Shell().current_file = saved;
    }

    // The input of that label chosen in list k, and its range typed.
    ScriptedUi& Vary(int k, const std::string& label, const std::string& from, const std::string& to,
                     const std::string& steps) {
        const SweepInputControls& c = kSweepInputs[k];
        return ui.Type(c.search, label)
            .ChooseItem(c.list, 0)
            .Type(c.from, from)
            .Type(c.to, to)
            .Type(c.steps, steps);
    }

    // What the window charted, once the script has run.
    std::vector<ChartSeries> charted;
    ScriptedUi& KeepChart() {
        return ui.Inspect(
            [this](Dialog& d) { charted = static_cast<ScriptedDialog&>(d).ShownChart(kSweepChart).series; });
    }

    const std::string saved = File("typical.inp");
};

struct SweepCase {
    const char* second_label;  // none for a single input
    bool log;
    const char* arguments;  // velmar-study's, after the project
    std::size_t lines;      // TSS and TP, times the second input's steps
};

TEST_F(SweepWindow, LinesCsvAndCommandAreThoseOfTheStudyProgram) {
    const SweepCase cases[] = {
        {nullptr, false, "--vary area=50000:200000:7", 2},
        {"Avg. Annual Depth (m)", true, "--vary area=50000:200000:7 --vary depth=0.3:1.2:3 --log", 6},
    };
    for (const SweepCase& c : cases) {
        SCOPED_TRACE(c.arguments);
        ui = ScriptedUi{};
        const std::string csv_file = File("exported.csv");
        ui.Expect(kSweepWindow);
        Vary(0, kArea, "50000", "200000", "7");
        if (c.second_label) ui.Click(kSweepFamily);
        if (c.second_label) Vary(1, c.second_label, "0.3", "1.2", "3");
        if (c.log) ui.Click(kSweepLog);
        ui.Click(kSweepRun);
        KeepChart().Click(kSweepExportCsv).ExpectSaveFile(csv_file).Click(kSweepCopyCommand).PressEscape();
        ASSERT_TRUE(RunMenuCommand(ui, kCommandSweep));
        ASSERT_TRUE(ui.ScriptDone());

        const Outcome study = RunStudy("sweep '" + saved + "' " + c.arguments);
        ASSERT_EQ(study.status, 0) << study.err;
        EXPECT_EQ(ReadText(csv_file), study.out);
        EXPECT_EQ(ui.Clipboard(), "velmar-study sweep " + saved + " " + c.arguments);
        const Outcome copied = RunStudy(ui.Clipboard().substr(std::string("velmar-study ").size()));
        EXPECT_EQ(copied.out, study.out);

        // Each line is one column of the program's rows: every steps-th row when a second
        // input makes a family (it varies fastest).
        const auto rows = ReadCsv(study.out);
        const auto& header = rows.front();
        ASSERT_EQ(charted.size(), c.lines);
        const std::size_t curves = c.lines / 2;
        for (std::size_t line = 0; line < charted.size(); ++line) {
            const std::string column = line < curves ? "RE_TSS" : "RE_TP";
            const auto at = std::find(header.begin(), header.end(), column) - header.begin();
            const ChartSeries& s = charted[line];
            ASSERT_EQ(s.points.size(), 7u);
            for (std::size_t i = 0; i < s.points.size(); ++i) {
                const auto& row = rows[1 + line % curves + i * curves];
                EXPECT_EQ(s.points[i].x, std::stod(row[0]));
                EXPECT_EQ(s.points[i].y, std::stod(row[static_cast<std::size_t>(at)])) << s.name;
            }
        }
    }
}

TEST_F(SweepWindow, EveryBadEntryIsRefusedWithAMessageAndNothingRuns) {
    struct Bad {
        const char* from;
        const char* to;
        const char* steps;
        bool log;
        std::string message;
    };
    const std::string area = kArea;
    const Bad cases[] = {
        {"200000", "50000", "7", false, "From must be less than To for " + area + "."},
        {"50000", "50000", "7", false, "From must be less than To for " + area + "."},
        {"5e4x", "200000", "7", false, "From of " + area + " must be a number."},
        {"50000", "", "7", false, "To of " + area + " must be a number."},
        {"50000", "200000", "0", false,
         "Steps of " + area +
             " must be a whole number from 2 to 1000 (the values from From to To, both included)."},
        {"50000", "200000", "2.5", false,
         "Steps of " + area +
             " must be a whole number from 2 to 1000 (the values from From to To, both included)."},
        {"0", "200000", "7", true, "Logarithmic steps need From and To greater than 0 for " + area + "."},
    };
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.message);
        ui = ScriptedUi{};
        ui.Expect(kSweepWindow);
        Vary(0, kArea, bad.from, bad.to, bad.steps);
        if (bad.log) ui.Click(kSweepLog);
        ui.Click(kSweepRun).ExpectMessage(bad.message, "Sweep");
        KeepChart().Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kSweepExportCsv)); }).PressEscape();
        RunMenuCommand(ui, kCommandSweep);
        EXPECT_TRUE(ui.ScriptDone());
        EXPECT_TRUE(charted.empty());
    }
    ui = ScriptedUi{};
    ui.Expect(kSweepWindow)
        .Click(kSweepRun)
        .ExpectMessage("Choose the input to vary from the list.", "Sweep");
    // A family of more curves than a legend tells apart (and, at a thousand steps of each input,
    // a million runs) is refused.
    Vary(0, kArea, "50000", "200000", "1000").Click(kSweepFamily);
    Vary(1, "Avg. Annual Depth (m)", "0.3", "1.2", "21")
        .Click(kSweepRun)
        .ExpectMessage(
            "Steps of Avg. Annual Depth (m) must be a whole number from 2 to 20 (a curve for each "
            "value from From to To).",
            "Sweep");
    ui.PressEscape();
    RunMenuCommand(ui, kCommandSweep);
    EXPECT_TRUE(ui.ScriptDone());
}

// Near a settling velocity of 2 the phosphorus solution of two of these points does not
// converge: the window says so, and the TP lines have no value there.
TEST_F(SweepWindow, PointsWithoutATpResultAreSaidAndLeftOutOfTheChart) {
    ui.Expect(kSweepWindow);
    Vary(0, "Vs (m/day)", "1.9", "2.1", "5").Click(kSweepFamily);
    Vary(1, "Avg. Annual Depth (m)", "0.4", "0.47", "2").Click(kSweepRun);
    ui.ExpectMessage(
        "The phosphorus solution did not converge at 2 of 10 points; their TP results are given as "
        "nan. The chart leaves them out.",
        "Sweep");
    KeepChart().PressEscape();
    RunMenuCommand(ui, kCommandSweep);
    ASSERT_TRUE(ui.ScriptDone());
    int missing = 0;
    for (const ChartSeries& line : charted) {
        for (const ChartPoint& p : line.points) missing += std::isnan(p.y) && line.name.rfind("TP", 0) == 0;
    }
    EXPECT_EQ(missing, 2);
}

// Coliforms are counted per 100 mL: beside constituents in mg/L their outflow line names its
// unit, and the axis claims none.
TEST(SweepChart, OutflowsInTwoUnitsNameTheirUnitsOnTheLines) {
    ProjectRecord r{};
    ReadProjectFile(Example("typical.inp"), r);
    r.model_tss = r.model_tcb = r.checked_TSSGenOutConc = r.checked_TCBGenOutConc = 1;
    r.model_p = 0;
    const SweepRequest request{{{{kArea, "area"}, "1", "2", "2"}}};
    const SweepTable table{"", {std::vector<double>(96, 1.0), std::vector<double>(96, 2.0)}, {}};
    struct Case {
        std::vector<std::size_t> chosen;
        std::string unit;
        std::vector<std::string> names;
    };
    for (const Case& c : {Case{{0, 1}, "", {"TSS (mg/L)", "TCB (mpn/100mL)"}},
                          Case{{1}, "mpn/100mL", {"TCB"}}, Case{{0}, "mg/L", {"TSS"}}}) {
        const Chart chart = SweepChart(request, table, r, c.chosen, SweepMeasure::Outflow);
        EXPECT_EQ(chart.y.unit, c.unit);
        std::vector<std::string> names;
        for (const ChartSeries& line : chart.series) names.push_back(line.name);
        EXPECT_EQ(names, c.names);
    }
}

// The new wetland, 10 ha in plug flow: a sweep of its width keeps the area, so L/W = A / W^2
// passes 10 at W = sqrt(100000 / 10) = 100 m. The chart marks it and a message says why it bends.
TEST_F(SweepWindow, TheCurveIsMarkedWhereTheLengthToWidthRatioPassesTen) {
    ReadProjectFile(Example("tp_new_wetland.inp"), Project());
    Chart chart;
    ui.Expect(kSweepWindow);
    Vary(0, "Avg. Annual Width (m)", "50", "200", "7").Click(kSweepRun);
    ui.ExpectMessage(
        "The curve bends where Avg. Annual Width (m) is 100: there the length-to-width ratio passes 10, and "
        "the "
        "detention time suggested for longitudinal gradients changes from 0.84 (1 - e^(-0.59 L/W)) of V/Q to "
        "the whole of V/Q.",
        "Sweep");
    ui.Inspect([&chart](Dialog& d) { chart = static_cast<ScriptedDialog&>(d).ShownChart(kSweepChart); });
    ui.PressEscape();
    ASSERT_TRUE(RunMenuCommand(ui, kCommandSweep));
    ASSERT_TRUE(ui.ScriptDone());
    ASSERT_EQ(chart.markers.size(), 2u);
    EXPECT_EQ(chart.markers[1].label, "L/W = 10 (100)");
    EXPECT_NEAR(chart.markers[1].at, 100, 1e-6);
}

TEST_F(SweepWindow, CancelLeavesTheWindowUsableAndTheProjectUntouched) {
    const std::string before = SavedText("before.inp");
    bool cancelled = false;
    ui.WhileWorking([&cancelled](ScriptedDialog& d) {
        if (!std::exchange(cancelled, true)) d.UserClick(kSweepStop);
    });
    ui.Expect(kSweepWindow);
    Vary(0, kArea, "50000", "200000", "7").Click(kSweepRun);
    KeepChart().Inspect([this](Dialog& d) {
        EXPECT_TRUE(charted.empty());
        EXPECT_TRUE(d.IsEnabled(kSweepRun));
        EXPECT_FALSE(d.IsEnabled(kSweepStop));
        EXPECT_FALSE(d.IsEnabled(kSweepExportCsv));
    });
    ui.Click(kSweepRun);
    KeepChart().PressEscape();
    RunMenuCommand(ui, kCommandSweep);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(charted.size(), 2u);
    EXPECT_EQ(SavedText("after.inp"), before);
    EXPECT_FALSE(Shell().changes);
}

}  // namespace
}  // namespace velmar::testing
