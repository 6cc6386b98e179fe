// The Size window against velmar-study size on the same saved project: the value found, the
// exported CSV, the copied command and the curve; a target out of reach, and bad entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
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

// The typical example models TSS and TP: their efficiencies and outflows, in that order.
constexpr int kReTss = 0;

class SizeWindow : public ShellTest {
protected:
    SizeWindow() {
        ReadProjectFile(Example("typical.inp"), Project());
        WriteProjectFile(saved, Project());
        Shell().current_file = saved;
    }

    ScriptedUi& Ask(int result, const std::string& target, const std::string& from, const std::string& to) {
        ui.Expect(kSizeWindow).ChooseItem(kSizeResults, result).Type(kSizeTarget, target);
        ui.Type(kSizeSearch, "Avg. Annual Area").ChooseItem(kSizeInputs, 0);
        return ui.Type(kSizeFrom, from).Type(kSizeTo, to);
    }

    Chart charted;
    std::string answer;
    ScriptedUi& Keep() {
        return ui.Inspect([this](Dialog& d) {
            charted = static_cast<ScriptedDialog&>(d).ShownChart(kSizeChart);
            answer = d.Text(kSizeAnswer);
        });
    }

    const std::string saved = File("typical.inp");
};

TEST_F(SizeWindow, ValueCsvCommandAndCurveAreThoseOfTheStudyProgram) {
    const std::string csv_file = File("size.csv");
    Ask(kReTss, "80", "", "").Click(kSizeRun);
    Keep().Click(kSizeExportCsv).ExpectSaveFile(csv_file).Click(kSizeCopyCommand).PressEscape();
    ASSERT_TRUE(RunMenuCommand(ui, kCommandSize));
    ASSERT_TRUE(ui.ScriptDone());

    const std::string arguments = "--target RE_TSS=80 --vary area";
    const Outcome size = RunStudy("size '" + saved + "' " + arguments);
    ASSERT_EQ(size.status, 0) << size.err;
    EXPECT_EQ(ReadText(csv_file), size.out);
    EXPECT_EQ(ui.Clipboard(), "velmar-study size " + saved + " " + arguments);
    EXPECT_EQ(RunStudy(ui.Clipboard().substr(std::string("velmar-study ").size())).out, size.out);

    const auto found = ReadCsv(size.out).at(1);
    EXPECT_NE(answer.find("gives RE TSS (%) = "), std::string::npos) << answer;
    ASSERT_EQ(charted.markers.size(), 3u);
    EXPECT_EQ(charted.markers[0].direction, ChartMarker::Horizontal);
    EXPECT_EQ(charted.markers[0].at, 80);
    EXPECT_EQ(charted.markers[1].at, std::stod(found[0]));
    EXPECT_EQ(charted.markers[2].at, 100000);  // the example's area

    // The curve spans the default range, a hundredth to a hundred times the area, geometrically.
    const auto rows = ReadCsv(RunStudy("sweep '" + saved + "' --vary area=1000:10000000:33 --log").out);
    const auto column = std::find(rows[0].begin(), rows[0].end(), "RE_TSS") - rows[0].begin();
    ASSERT_EQ(charted.series.size(), 1u);
    ASSERT_EQ(charted.series[0].points.size(), 33u);
    EXPECT_EQ(charted.x.scale, AxisScale::Log);
    for (std::size_t i = 0; i < 33; ++i) {
        EXPECT_EQ(charted.series[0].points[i].x, std::stod(rows[1 + i][0]));
        EXPECT_EQ(charted.series[0].points[i].y, std::stod(rows[1 + i][static_cast<std::size_t>(column)]));
    }
}

// The refusal names the result and the input as the screens do, in the results' four digits;
// the curve searched can still be exported.
TEST_F(SizeWindow, ATargetOutOfReachIsSaidPlainlyWithTheBestValue) {
    const std::string csv_file = File("curve.csv");
    Ask(kReTss, "99", "50000", "60000").Click(kSizeRun);
    Keep().Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kSizeApply)); });
    ui.Click(kSizeExportCsv).ExpectSaveFile(csv_file).PressEscape();
    RunMenuCommand(ui, kCommandSize);
    ASSERT_TRUE(ui.ScriptDone());
    const Outcome size = RunStudy("size '" + saved + "' --target RE_TSS=99 --vary area --range 50000:60000");
    ASSERT_EQ(size.status, 1);
    EXPECT_NE(size.err.find("the closest is 49.842"), std::string::npos) << size.err;
    EXPECT_NE(size.err.find("at area = 59375"), std::string::npos) << size.err;
    EXPECT_EQ(answer,
              "The target cannot be reached: RE TSS (%) does not reach 99 for Avg. Annual Area (m^2) from "
              "50000 to 60000; the closest is 49.84, at 59380.");
    EXPECT_EQ(charted.markers.size(), 2u);  // the target and the present value; nothing found
    EXPECT_EQ(charted.series.at(0).points.size(), 33u);
    EXPECT_EQ(ReadText(csv_file), RunStudy("sweep '" + saved + "' --vary area=50000:60000:33").out);
}

TEST_F(SizeWindow, EveryBadEntryIsRefusedWithAMessageAndNothingRuns) {
    struct Bad {
        const char* target;
        const char* from;
        const char* to;
        std::string message;
    };
    const Bad cases[] = {
        {"", "", "", "The target must be a number."},
        {"eighty", "", "", "The target must be a number."},
        {"80", "60000", "50000", "From must be less than To for Avg. Annual Area (m^2)."},
        {"80", "50000", "",
         "From and To must be numbers, or both empty to search a hundredth to a hundred times the present "
         "value."},
    };
    ui.Expect(kSizeWindow)
        .Click(kSizeRun)
        .ExpectMessage("Choose the result to size for from the list.", "Size");
    ui.PressEscape();
    RunMenuCommand(ui, kCommandSize);
    EXPECT_TRUE(ui.ScriptDone());
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.message);
        ui = ScriptedUi{};
        Ask(kReTss, bad.target, bad.from, bad.to).Click(kSizeRun).ExpectMessage(bad.message, "Size");
        Keep().PressEscape();
        RunMenuCommand(ui, kCommandSize);
        EXPECT_TRUE(ui.ScriptDone());
        EXPECT_TRUE(charted.series.empty());
        EXPECT_TRUE(answer.empty());
    }
}

}  // namespace
}  // namespace velmar::testing
