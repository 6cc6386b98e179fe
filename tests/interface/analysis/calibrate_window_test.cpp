// The Calibrate window against velmar-study calibrate on the same saved project and
// observations: the exported CSV and the copied command, the estimates applied to the project,
// the charts of the example's samples, and entries refused before anything runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "interface/analysis/calibrate_study.h"
#include "interface/analysis/study_inputs.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/templates.h"
#include "interface/shell/menu_commands.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"
#include "tests/study/study_runner.h"

namespace velmar::testing {
namespace {

// The position of the fit of that label in the window's Fit list.
int MethodItem(const std::string& label) {
    const std::vector<CalibrationMethod> methods = CalibrationMethods();
    const auto found = std::find_if(methods.begin(), methods.end(),
                                    [&](const CalibrationMethod& m) { return m.label == label; });
    return static_cast<int>(found - methods.begin());
}

// conventional.inp models BOD; the example's observations are its BOD outflow over a year.
class CalibrateWindow : public ShellTest {
protected:
    CalibrateWindow() {
        ReadProjectFile(Example("conventional.inp"), Project());
        WriteProjectFile(saved, Project());
        Shell().current_file = saved;
        ui.Expect(kCalibrateWindow).Click(kCalibrateBrowse).ExpectOpenFile(observed);
    }

    // The example's two fields: the BOD rate from the project's value, its temperature factor
    // between 1 and 1.2.
    ScriptedUi& AddExampleFields() {
        ui.Type(kCalibrateSearch, "bod_decay_rate20").ChooseItem(kCalibrateInputs, 0).Click(kCalibrateAdd);
        ui.Type(kCalibrateSearch, "theta_bod").ChooseItem(kCalibrateInputs, 0);
        return ui.Type(kCalibrateLow, "1").Type(kCalibrateHigh, "1.2").Click(kCalibrateAdd);
    }

    std::vector<Chart> charted;
    ScriptedUi& KeepChart() {
        return ui.Inspect([this](Dialog& d) {
            charted.push_back(static_cast<ScriptedDialog&>(d).ShownChart(kCalibrateChart));
        });
    }

    const std::string saved = File("conventional.inp");
    const std::string observed = Example("calibration/observed.csv");
    const std::string example_fields = " --fit bod_decay_rate20 --fit theta_bod=1:1.2";
};

TEST_F(CalibrateWindow, ExportedCsvAndCommandAreThoseOfTheStudyProgram) {
    struct Case {
        const char* method;  // in the Fit list
        bool linear, subsurface;
        const char* tanks;
        const char* arguments;  // velmar-study's, after the project and observations
    };
    const Case cases[] = {
        {"The fields in the list", false, false, "", " --fit bod_decay_rate20 --fit theta_bod=1:1.2"},
        // The fields of the list are not P-k-C*'s, and are left out of its command.
        {"P-k-C* k and C* of BOD", true, true, "2",
         " --scale linear --pkc BOD --fit-cstar --type hssf --tanks 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        AddExampleFields().ChooseItem(kCalibrateMethods, MethodItem(c.method));
        if (c.linear) ui.Click(kCalibrateLinear);
        if (c.subsurface) ui.Click(kCalibrateSubsurface);
        if (*c.tanks) ui.Type(kCalibrateTanks, c.tanks);
        const std::string csv = File("fit.csv");
        ui.Click(kCalibrateRun)
            .Click(kCalibrateExportCsv)
            .ExpectSaveFile(csv)
            .Click(kCalibrateCopyCommand)
            .PressEscape();
        ASSERT_TRUE(RunMenuCommand(ui, kCommandCalibrate));
        ASSERT_TRUE(ui.ScriptDone());

        const Outcome study = RunStudy("calibrate '" + saved + "' '" + observed + "'" + c.arguments);
        ASSERT_EQ(study.status, 0) << study.err;
        EXPECT_EQ(ReadText(csv), study.out);
        EXPECT_EQ(ui.Clipboard(), "velmar-study calibrate " + saved + " " + observed + c.arguments);
        ui = ScriptedUi{};
        ui.Expect(kCalibrateWindow).Click(kCalibrateBrowse).ExpectOpenFile(observed);
    }
}

// Apply gives the project the values the command saves with --save-project, as an edit: the
// project written now is the file the command writes.
TEST_F(CalibrateWindow, ApplyWritesTheEstimatesTheCommandSavesAndMarksTheProjectChanged) {
    const std::string fitted = File("fitted.inp");
    const Outcome study = RunStudy("calibrate '" + saved + "' '" + observed + "'" + example_fields +
                                   " --save-project '" + fitted + "'");
    ASSERT_EQ(study.status, 0) << study.err;
    ProjectRecord expected{};
    ASSERT_EQ(ReadProjectFile(fitted, expected), 0);
    const std::string question =
        "Set Biochemical Oxygen Demand Decay Rate (/day @ 20 Deg. C) [bod_decay_rate20] to " +
        RoundedNumber(expected.bod_decay_rate20) + ", Temperature Corr. Factor [theta_bod] to " +
        RoundedNumber(expected.theta_bod) +
        " in the project? The values the system screens derive from them follow.";
    AddExampleFields()
        .Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kCalibrateApply)); })
        .Click(kCalibrateRun)
        .Click(kCalibrateApply)
        .ExpectMessage(question, "Apply to Project", Answer::Yes)
        .Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kCalibrateApply)); })  // already applied
        .PressEscape();
    ASSERT_FALSE(Shell().changes);
    ASSERT_TRUE(RunMenuCommand(ui, kCommandCalibrate));
    ASSERT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(Shell().changes);
    EXPECT_EQ(SavedText("applied.inp"), ReadText(fitted));
}

// The samples against the command's residuals file: observed against modelled with the line of
// equality over their range, and the residuals against the temperature column of the file.
TEST_F(CalibrateWindow, ChartsDrawEachSampleAsTheResidualsFileGivesIt) {
    AddExampleFields().Click(kCalibrateRun);
    KeepChart().Click(kCalibrateResiduals).ChooseItem(kCalibrateAgainst, 1);  // date, flow, temperature
    KeepChart().ChooseItem(kCalibrateAgainst, 2);                             // Row order
    KeepChart().PressEscape();
    ASSERT_TRUE(RunMenuCommand(ui, kCommandCalibrate));
    ASSERT_TRUE(ui.ScriptDone());

    const std::string residuals = File("residuals.csv");
    ASSERT_EQ(RunStudy("calibrate '" + saved + "' '" + observed + "'" + example_fields + " --residuals '" +
                       residuals + "'")
                  .status,
              0);
    const auto rows = ReadCsv(ReadText(residuals));    // row, date, result, observed, modelled, residual
    const auto samples = ReadCsv(ReadText(observed));  // date, flow [m3/d], temperature [C], BODoutConc
    ASSERT_EQ(rows.size(), 27u);
    ASSERT_EQ(samples.size(), 27u);
    ASSERT_EQ(charted.size(), 3u);
    const auto near = [](double value, const std::string& cell) {
        EXPECT_NEAR(value, std::stod(cell), 1e-5 * std::abs(std::stod(cell)) + 1e-12) << cell;
    };
    double low = 1e300, high = -1e300;
    for (std::size_t i = 0; i < 26; ++i) {
        const std::vector<std::string>& r = rows[i + 1];
        near(charted[0].series.at(0).points.at(i).x, r[3]);
        near(charted[0].series[0].points[i].y, r[4]);
        near(charted[1].series.at(0).points.at(i).x, samples[i + 1][2]);
        near(charted[1].series[0].points[i].y, r[5]);
        near(charted[2].series.at(0).points.at(i).x, r[0]);
        for (const std::string& cell : {r[3], r[4]}) {
            low = std::min(low, std::stod(cell));
            high = std::max(high, std::stod(cell));
        }
    }
    EXPECT_TRUE(charted[0].series[0].marks);
    ASSERT_EQ(charted[0].series.size(), 2u);
    near(charted[0].series[1].points.at(0).x, std::to_string(low));
    near(charted[0].series[1].points.at(1).y, std::to_string(high));
    EXPECT_EQ(charted[1].x.Caption(), "Avg. Annual Temp (Deg. C)");
}

TEST_F(CalibrateWindow, BadEntriesAreRefusedWithAMessageAndNothingRuns) {
    struct Bad {
        bool observations;
        const char* method;
        const char* tanks;
        std::string message;
    };
    const Bad cases[] = {
        {false, "The fields in the list", "",
         "Choose the observations: a CSV file of sampled conditions and observed outflows."},
        {true, "The fields in the list", "", "Add the fields to fit to the list, or choose a P-k-C* fit."},
        {true, "P-k-C* k of BOD", "0",
         "Tanks P must be a number above 0, plug for plug flow, or empty for the published P."},
    };
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.message);
        ui = ScriptedUi{};
        ui.Expect(kCalibrateWindow);
        if (bad.observations) ui.Click(kCalibrateBrowse).ExpectOpenFile(observed);
        ui.ChooseItem(kCalibrateMethods, MethodItem(bad.method));
        if (*bad.tanks) ui.Type(kCalibrateTanks, bad.tanks);
        ui.Click(kCalibrateRun).ExpectMessage(bad.message, "Calibrate");
        ui.Click(kCalibrateCopyCommand).ExpectMessage(bad.message, "Calibrate");
        ui.Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kCalibrateExportCsv)); }).PressEscape();
        RunMenuCommand(ui, kCommandCalibrate);
        EXPECT_TRUE(ui.ScriptDone());
        EXPECT_EQ(ui.Clipboard(), "");
    }
}

}  // namespace
}  // namespace velmar::testing
