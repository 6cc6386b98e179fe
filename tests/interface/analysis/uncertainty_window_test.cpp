// The Uncertainty window against velmar-study uncertainty on the same saved project: the
// histogram against the samples the program writes, the statistics, the exported CSV and the
// copied command; bad entries, and Cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "interface/resources/analysis_templates.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/templates.h"
#include "interface/shell/menu_commands.h"
#include "project/csv_text.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"
#include "tests/study/study_runner.h"

namespace velmar::testing {
namespace {

constexpr char kArea[] = "Avg. Annual Area (m^2)";
constexpr char kDepth[] = "Avg. Annual Depth (m)";

class UncertaintyWindow : public ShellTest {
protected:
    UncertaintyWindow() {
        ReadProjectFile(Example("typical.inp"), Project());
        WriteProjectFile(saved, Project());
        Shell().current_file = saved;
    }

    // The input of that label chosen, the distribution of that radio button given, and Add.
    ScriptedUi& AddInput(const std::string& label, int kind, std::vector<std::string> parameters) {
        ui.Type(kUncertaintySearch, label).ChooseItem(kUncertaintyInputs, 0).Click(kind);
        for (std::size_t p = 0; p < parameters.size(); ++p)
            ui.Type(kUncertaintyFirstParameter + static_cast<int>(p), parameters[p]);
        return ui.Click(kUncertaintyAdd);
    }

    // What the window shows, once the script has run.
    Chart charted;
    std::string summary;
    std::vector<std::string> added;
    ScriptedUi& Keep() {
        return ui.Inspect([this](Dialog& d) {
            charted = static_cast<ScriptedDialog&>(d).ShownChart(kUncertaintyChart);
            summary = d.Text(kUncertaintySummary);
            added.clear();
            for (int i = 0; i < d.ItemCount(kUncertaintyAdded); ++i)
                added.push_back(static_cast<ScriptedDialog&>(d).ItemText(kUncertaintyAdded, i));
        });
    }

    const std::string saved = File("typical.inp");
};

struct SamplingCase {
    const char* samples;
    const char* seed;
    bool lhs;
};

TEST_F(UncertaintyWindow, HistogramStatisticsCsvAndCommandAreThoseOfTheStudyProgram) {
    for (const SamplingCase& c : {SamplingCase{"2000", "7", false}, SamplingCase{"300", "1", true}}) {
        SCOPED_TRACE(c.lhs);
        ui = ScriptedUi{};
        const std::string csv_file = File("exported.csv");
        ui.Expect(kUncertaintyWindow);
        // A distribution added by mistake is removed before the study is run.
        AddInput(kArea, kUncertaintyNormal, {"100000", "5000"}).Click(kUncertaintyRemove);
        AddInput(kArea, kUncertaintyUniform, {"80000", "120000"});
        AddInput(kDepth, kUncertaintyTriangular, {"0.4", "0.5", "0.6"});
        ui.Type(kUncertaintySamples, c.samples).Type(kUncertaintySeed, c.seed);
        if (c.lhs) ui.Click(kUncertaintyLatinHypercube);
        ui.Click(kUncertaintyRun);
        Keep()
            .Click(kUncertaintyExportCsv)
            .ExpectSaveFile(csv_file)
            .Click(kUncertaintyCopyCommand)
            .PressEscape();
        ASSERT_TRUE(RunMenuCommand(ui, kCommandUncertainty));
        ASSERT_TRUE(ui.ScriptDone());

        EXPECT_EQ(added, (std::vector<std::string>{std::string(kArea) + ": uniform(80000, 120000)",
                                                   std::string(kDepth) + ": triangular(0.4, 0.5, 0.6)"}));
        const std::string arguments = std::string(
                                          "--dist 'area=uniform(80000,120000)' --dist "
                                          "'depth=triangular(0.4,0.5,0.6)' -n ") +
                                      c.samples + " --seed " + c.seed + (c.lhs ? " --lhs" : "");
        const std::string samples_file = File("samples.csv");
        const Outcome study =
            RunStudy("uncertainty '" + saved + "' " + arguments + " --samples '" + samples_file + "'");
        ASSERT_EQ(study.status, 0) << study.err;
        EXPECT_EQ(ReadText(csv_file), study.out);
        EXPECT_EQ(ui.Clipboard(), "velmar-study uncertainty " + saved + " " + arguments);
        EXPECT_EQ(RunStudy(ui.Clipboard().substr(std::string("velmar-study ").size())).out, study.out);

        // The statistics of RE_TSS: the percentiles marked, the mean and sd in the summary.
        const auto rows = ReadCsv(study.out);
        const auto re_tss =
            *std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r[0] == "RE_TSS"; });
        ASSERT_EQ(charted.markers.size(), 3u);
        EXPECT_EQ(charted.markers[0].at, std::stod(re_tss[4]));  // p5
        EXPECT_EQ(charted.markers[1].at, std::stod(re_tss[6]));  // p50
        EXPECT_EQ(charted.markers[2].at, std::stod(re_tss[8]));  // p95
        const std::string tss = "RE TSS (%)\n  mean " + ShownNumber(std::stod(re_tss[2])) + ", sd " +
                                ShownNumber(std::stod(re_tss[3])) + "\n";
        EXPECT_NE(summary.find(tss), std::string::npos) << summary;

        // The histogram's bars count the program's samples between their edges, the last edge
        // included, from the least sample to the greatest.
        const auto samples = ReadCsv(ReadText(samples_file));
        const auto column = static_cast<std::size_t>(
            std::find(samples[0].begin(), samples[0].end(), "RE_TSS") - samples[0].begin());
        std::vector<double> values;
        for (std::size_t i = 1; i < samples.size(); ++i) values.push_back(std::stod(samples[i][column]));
        const std::vector<ChartPoint>& outline = charted.series.at(0).points;
        ASSERT_GE(outline.size(), 4u);
        EXPECT_EQ(outline.front().x, *std::min_element(values.begin(), values.end()));
        EXPECT_EQ(outline.back().x, *std::max_element(values.begin(), values.end()));
        double counted = 0;
        for (std::size_t p = 1; p + 2 < outline.size(); p += 2) {
            const double low = outline[p].x, high = outline[p + 1].x;
            const bool last = p + 3 == outline.size();
            const auto inside = std::count_if(values.begin(), values.end(), [&](double v) {
                return v >= low && (v < high || (last && v == high));
            });
            EXPECT_EQ(outline[p].y, static_cast<double>(inside)) << "bar from " << low;
            EXPECT_EQ(outline[p + 1].y, outline[p].y);
            counted += outline[p].y;
        }
        EXPECT_EQ(counted, std::stod(c.samples));
    }
}

// Near a settling velocity of 2 the phosphorus solution of the typical example does not always
// converge: those samples have no TP results, to count in a bar or in the statistics.
TEST_F(UncertaintyWindow, SamplesWithoutTpResultsAreLeftOutAndSaidSo) {
    const int kReTp = 2;  // TSS's efficiency and outflow come first
    ui.Expect(kUncertaintyWindow);
    AddInput("Vs (m/day)", kUncertaintyUniform, {"1.9", "2.1"});
    AddInput(kDepth, kUncertaintyUniform, {"0.4", "0.47"});
    ui.Type(kUncertaintySamples, "2000").ChooseItem(kUncertaintyResults, kReTp).Click(kUncertaintyRun);
    Keep().PressEscape();
    ASSERT_TRUE(RunMenuCommand(ui, kCommandUncertainty));
    ASSERT_TRUE(ui.ScriptDone());

    const Outcome study = RunStudy("uncertainty '" + saved +
                                   "' --dist 'Vs=uniform(1.9,2.1)' --dist 'depth=uniform(0.4,0.47)' -n 2000");
    const std::string note = "velmar-study: the phosphorus solution did not converge in ";
    ASSERT_EQ(study.err.rfind(note, 0), 0u) << study.err;
    const int left_out = std::stoi(study.err.substr(note.size()));
    EXPECT_NE(summary.find("The phosphorus solution did not converge in " + std::to_string(left_out) +
                           " of 2000 samples; their TP results are left out of the statistics.\n"),
              std::string::npos)
        << summary;
    EXPECT_EQ(charted.x.title, "RE TP");
    double counted = 0;
    const std::vector<ChartPoint>& outline = charted.series.at(0).points;
    for (std::size_t p = 1; p + 2 < outline.size(); p += 2) counted += outline[p].y;
    EXPECT_EQ(counted, 2000 - left_out);
}

// With the area alone uncertain, the typical example's TSS removal steps through a few dozen
// values (the model rounds some of its workings): each value gets a bar of its own holding its
// samples, where bars of equal width would hold one value or two by chance.
TEST_F(UncertaintyWindow, AResultOfFewValuesHasABarForEachValue) {
    ui.Expect(kUncertaintyWindow);
    AddInput(kArea, kUncertaintyUniform, {"80000", "120000"});
    ui.Type(kUncertaintySamples, "2000").Click(kUncertaintyRun);
    Keep().PressEscape();
    ASSERT_TRUE(RunMenuCommand(ui, kCommandUncertainty));
    ASSERT_TRUE(ui.ScriptDone());

    const std::string samples_file = File("samples.csv");
    RunStudy("uncertainty '" + saved + "' --dist 'area=uniform(80000,120000)' -n 2000 --samples '" +
             samples_file + "'");
    const auto samples = ReadCsv(ReadText(samples_file));
    const auto column = static_cast<std::size_t>(std::find(samples[0].begin(), samples[0].end(), "RE_TSS") -
                                                 samples[0].begin());
    std::map<double, int> occurrences;
    for (std::size_t i = 1; i < samples.size(); ++i) ++occurrences[std::stod(samples[i][column])];
    ASSERT_GT(occurrences.size(), 10u);
    ASSERT_LT(occurrences.size(), 80u);
    const std::vector<ChartPoint>& outline = charted.series.at(0).points;
    ASSERT_EQ(outline.size(), 2 * occurrences.size() + 2);
    std::size_t p = 1;
    for (const auto& [value, count] : occurrences) {
        EXPECT_LT(outline[p].x, value);
        EXPECT_GT(outline[p + 1].x, value);
        EXPECT_EQ(outline[p].y, count) << "bar about " << value;
        p += 2;
    }
}

TEST_F(UncertaintyWindow, EveryBadEntryIsRefusedWithAMessageAndNothingRuns) {
    const std::string area = kArea;
    struct Bad {
        std::function<void()> entry;
        std::string message;
    };
    const auto area_as = [&](int kind, std::vector<std::string> parameters) {
        return [=, this] { AddInput(kArea, kind, parameters); };
    };
    const auto sampled = [&](const char* samples, const char* seed) {
        return [=, this] {
            AddInput(kArea, kUncertaintyUniform, {"80000", "120000"});
            ui.Type(kUncertaintySamples, samples).Type(kUncertaintySeed, seed).Click(kUncertaintyRun);
        };
    };
    const std::string samples_message = "Samples must be a whole number from 1 to 1000000.";
    const Bad cases[] = {
        {[this] { ui.Click(kUncertaintyAdd); }, "Choose the uncertain input from the list."},
        {area_as(kUncertaintyUniform, {"8e4x", "120000"}), "Low must be a number."},
        {area_as(kUncertaintyUniform, {"120000", "80000"}), area + ": low must be below high."},
        {area_as(kUncertaintyTriangular, {"80000", "130000", "120000"}),
         area + ": the mode must lie between low and high."},
        {area_as(kUncertaintyNormal, {"100000", "0"}), area + ": sd must be greater than 0."},
        {area_as(kUncertaintyLognormal, {"100000", "1"}), area + ": gsd must be greater than 1."},
        {[this] {
             AddInput(kArea, kUncertaintyUniform, {"80000", "120000"});
             AddInput(kArea, kUncertaintyNormal, {"100000", "5000"});
         },
         area + " is already an uncertain input: remove it first to give it another distribution."},
        {[this] { ui.Click(kUncertaintyRun); },
         "Add at least one uncertain input: choose it, give its distribution and press Add."},
        {[this] { ui.Click(kUncertaintyRemove); }, "Choose the uncertain input to remove from the list."},
        {sampled("0", "1"), samples_message},
        {sampled("2.5", "1"), samples_message},
        {sampled("", "1"), samples_message},
        {sampled("100", "-1"), "The seed must be a whole number, 0 or more."},
        {sampled("100", "one"), "The seed must be a whole number, 0 or more."},
    };
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.message);
        ui = ScriptedUi{};
        ui.Expect(kUncertaintyWindow);
        bad.entry();
        ui.ExpectMessage(bad.message, "Uncertainty");
        Keep().Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kUncertaintyExportCsv)); }).PressEscape();
        RunMenuCommand(ui, kCommandUncertainty);
        EXPECT_TRUE(ui.ScriptDone());
        EXPECT_TRUE(charted.series.empty());
        EXPECT_TRUE(summary.empty());
    }
}

TEST_F(UncertaintyWindow, CancelLeavesTheWindowUsableAndTheProjectUntouched) {
    const std::string before = SavedText("before.inp");
    bool cancelled = false;
    ui.WhileWorking([&cancelled](ScriptedDialog& d) {
        if (!std::exchange(cancelled, true)) d.UserClick(kUncertaintyStop);
    });
    ui.Expect(kUncertaintyWindow);
    AddInput(kArea, kUncertaintyUniform, {"80000", "120000"})
        .Type(kUncertaintySamples, "1000")
        .Click(kUncertaintyRun);
    Keep().Inspect([this](Dialog& d) {
        EXPECT_TRUE(charted.series.empty());
        EXPECT_TRUE(d.IsEnabled(kUncertaintyRun));
        EXPECT_FALSE(d.IsEnabled(kUncertaintyStop));
        EXPECT_FALSE(d.IsEnabled(kUncertaintyExportCsv));
    });
    ui.Click(kUncertaintyRun);
    Keep().PressEscape();
    RunMenuCommand(ui, kCommandUncertainty);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(charted.series.size(), 1u);
    EXPECT_EQ(SavedText("after.inp"), before);
    EXPECT_FALSE(Shell().changes);
}

}  // namespace
}  // namespace velmar::testing
