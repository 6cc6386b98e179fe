// The Compare with P-k-C* window against velmar-study compare --areas on the same saved
// project: each constituent's chart, the exported CSV and the copied command, for both wetland
// types; bad entries, a project with nothing to compare, and Cancel.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "interface/resources/analysis_templates.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/templates.h"
#include "interface/shell/menu_commands.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"
#include "tests/study/study_runner.h"

namespace velmar::testing {
namespace {

class CompareWindow : public ShellTest {
protected:
    // conventional.inp models TCB, BOD and TN, each with constants for both wetland types.
    void Open(const std::string& example) {
        ReadProjectFile(Example(example), Project());
        WriteProjectFile(saved, Project());
        Shell().current_file = saved;
        ui = ScriptedUi{};
        ui.Expect(kCompareWindow);
    }

    ScriptedUi& Ask(const std::string& from, const std::string& to, const std::string& steps) {
        return ui.Type(kCompareFrom, from).Type(kCompareTo, to).Type(kCompareSteps, steps);
    }

    // The chart of each constituent in the list, once the script has run.
    std::vector<Chart> charted;
    ScriptedUi& KeepChart() {
        return ui.Inspect([this](Dialog& d) {
            charted.push_back(static_cast<ScriptedDialog&>(d).ShownChart(kCompareChart));
        });
    }

    const std::string saved = File("project.inp");
};

struct CompareCase {
    int type_button;
    const char *from, *to, *steps;  // empty: the window's defaults kept
    const char* arguments;          // velmar-study's, after the project
    AxisScale scale;
};

TEST_F(CompareWindow, ChartsCsvAndCommandAreThoseOfTheStudyProgram) {
    const CompareCase cases[] = {
        {kCompareFreeWaterSurface, "50000", "200000", "4", "--type fws --areas 50000:200000:4",
         AxisScale::Linear},
        // The defaults: a tenth to ten times the area, 41 steps, so geometric.
        {kCompareSubsurface, "", "", "", "--type hssf --areas 10000:1000000:41 --log", AxisScale::Log},
    };
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(c.arguments);
        Open("conventional.inp");
        charted.clear();
        const std::string csv_file = File("exported.csv");
        ui.Click(c.type_button);
        if (*c.from) Ask(c.from, c.to, c.steps);
        ui.Click(kCompareRun);
        for (int item = 0; item < 3; ++item) {
            ui.ChooseItem(kCompareConstituents, item);
            KeepChart();
        }
        ui.Click(kCompareExportCsv).ExpectSaveFile(csv_file).Click(kCompareCopyCommand).PressEscape();
        ASSERT_TRUE(RunMenuCommand(ui, kCommandCompare));
        ASSERT_TRUE(ui.ScriptDone());

        const Outcome study = RunStudy("compare '" + saved + "' " + c.arguments);
        ASSERT_EQ(study.status, 0) << study.err;
        EXPECT_EQ(ReadText(csv_file), study.out);
        EXPECT_EQ(ui.Clipboard(), "velmar-study compare " + saved + " " + c.arguments);
        EXPECT_EQ(RunStudy(ui.Clipboard().substr(std::string("velmar-study ").size())).out, study.out);

        // Each chart's lines are the columns of its constituent's rows, which come area after
        // area: plug flow, fully mixed, k50, k30 and k70, the band between the last two; the
        // present area marked.
        const auto rows = ReadCsv(study.out);
        ASSERT_EQ(charted.size(), 3u);
        for (std::size_t k = 0; k < charted.size(); ++k) {
            const Chart& chart = charted[k];
            ASSERT_EQ(chart.series.size(), 5u);
            SCOPED_TRACE(rows.at(1 + k)[0]);
            EXPECT_NE(chart.y.title.find(rows.at(1 + k)[0]), std::string::npos) << chart.y.title;
            EXPECT_EQ(chart.x.scale, c.scale);
            ASSERT_EQ(chart.bands.size(), 1u);
            EXPECT_EQ(chart.bands[0].lower, 3);
            EXPECT_EQ(chart.bands[0].upper, 4);
            ASSERT_EQ(chart.markers.size(), 1u);
            EXPECT_EQ(chart.markers[0].at, 100000);
            for (std::size_t i = 0; i < chart.series[0].points.size(); ++i) {
                const std::vector<std::string>& row = rows.at(1 + i * charted.size() + k);
                for (std::size_t line = 0; line < 5; ++line) {
                    EXPECT_EQ(chart.series[line].points.at(i).x, std::stod(row[1]));
                    EXPECT_EQ(chart.series[line].points.at(i).y, std::stod(row[2 + line]));
                }
            }
        }
        EXPECT_EQ(rows.size(), 1 + charted.size() * charted[0].series[0].points.size());
    }
}

TEST_F(CompareWindow, EveryBadEntryIsRefusedWithAMessageAndNothingRuns) {
    struct Bad {
        const char* example;
        int type_button;
        const char *from, *to, *steps;
        std::string message;
    };
    const Bad cases[] = {
        {"conventional.inp", kCompareFreeWaterSurface, "60000", "50000", "5", "From must be less than To."},
        {"conventional.inp", kCompareFreeWaterSurface, "50000", "50000", "5", "From must be less than To."},
        {"conventional.inp", kCompareFreeWaterSurface, "0", "50000", "5",
         "The areas must be greater than 0 m^2."},
        {"conventional.inp", kCompareFreeWaterSurface, "big", "50000", "5",
         "From and To must be numbers: the smallest and largest wetland area (m^2)."},
        {"conventional.inp", kCompareSubsurface, "1000", "50000", "2.5",
         "Steps must be a whole number from 2 to 1000 (the areas from From to To, both included)."},
        {"conventional.inp", kCompareSubsurface, "1000", "50000", "1",
         "Steps must be a whole number from 2 to 1000 (the areas from From to To, both included)."},
        // The typical example models TSS and TP: nothing has HSSF constants.
        {"typical.inp", kCompareSubsurface, "1000", "50000", "5",
         "No modelled constituent has P-k-C* constants for HSSF wetlands (TSS: no P-k-C* constants are "
         "published for TSS; TP: no P-k-C* constants are published for TP in HSSF wetlands)."},
        {"organics_metals.inp", kCompareFreeWaterSurface, "1000", "50000", "5",
         "No modelled constituent has P-k-C* constants for FWS wetlands (TSS: no P-k-C* constants are "
         "published for TSS; Dieldrin, Naphthalene, Toluene, Cadmium, Lead, Zinc: no P-k-C* constants are "
         "published for contaminants)."},
    };
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.message);
        Open(bad.example);
        charted.clear();
        ui.Click(bad.type_button);
        Ask(bad.from, bad.to, bad.steps).Click(kCompareRun).ExpectMessage(bad.message, "Compare with P-k-C*");
        ui.Click(kCompareCopyCommand).ExpectMessage(bad.message, "Compare with P-k-C*");
        KeepChart().Inspect([](Dialog& d) {
            EXPECT_FALSE(d.IsEnabled(kCompareExportCsv));
            EXPECT_FALSE(d.IsEnabled(kCompareSaveChart));
        });
        ui.PressEscape();
        RunMenuCommand(ui, kCommandCompare);
        EXPECT_TRUE(ui.ScriptDone());
        ASSERT_EQ(charted.size(), 1u);
        EXPECT_TRUE(charted[0].series.empty());
        EXPECT_EQ(ui.Clipboard(), "");
    }
}

TEST_F(CompareWindow, CancelLeavesTheWindowUsableAndTheProjectUntouched) {
    Open("conventional.inp");
    const std::string before = SavedText("before.inp");
    bool cancelled = false;
    ui.WhileWorking([&cancelled](ScriptedDialog& d) {
        if (!std::exchange(cancelled, true)) d.UserClick(kCompareStop);
    });
    ui.Click(kCompareRun);
    KeepChart().Inspect([](Dialog& d) {
        EXPECT_TRUE(d.IsEnabled(kCompareRun));
        EXPECT_FALSE(d.IsEnabled(kCompareStop));
        EXPECT_FALSE(d.IsEnabled(kCompareExportCsv));
    });
    ui.Click(kCompareRun);
    KeepChart().PressEscape();
    RunMenuCommand(ui, kCommandCompare);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(cancelled);
    ASSERT_EQ(charted.size(), 2u);
    EXPECT_TRUE(charted[0].series.empty());
    EXPECT_EQ(charted[1].series.size(), 5u);
    EXPECT_EQ(SavedText("after.inp"), before);
    EXPECT_FALSE(Shell().changes);
}

}  // namespace
}  // namespace velmar::testing
