// The Time Series window against velmar-study series on the same saved project and record: the
// two exported CSVs and the copied command, the charts of a small record worked by hand, and
// entries refused before anything runs.
#include <gtest/gtest.h>

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

class SeriesWindow : public ShellTest {
protected:
    // typical.inp models TSS and TP, both with outflow concentrations asked for.
    void Open(bool tss_outflow_asked = true) {
        ReadProjectFile(Example("typical.inp"), Project());
        Project().checked_TSSGenOutConc = tss_outflow_asked;
        WriteProjectFile(saved, Project());
        Shell().current_file = saved;
        ui = ScriptedUi{};
        ui.Expect(kSeriesWindow);
    }

    std::vector<Chart> charted;
    ScriptedUi& KeepChart() {
        return ui.Inspect([this](Dialog& d) {
            charted.push_back(static_cast<ScriptedDialog&>(d).ShownChart(kSeriesChart));
        });
    }

    const std::string saved = File("project.inp");
};

TEST_F(SeriesWindow, ExportedFilesAndCommandAreThoseOfTheStudyProgram) {
    struct Case {
        const char* year_start;
        int constituent;        // in the list: TSS, TP
        const char* limit;      // typed
        const char* arguments;  // velmar-study's, after the project and record
        bool tss_outflow_asked;
    };
    const Case cases[] = {
        {"1", 0, "", "", true},
        // The series computes an outflow the screens did not ask for, and a limit applies to it.
        {"1", 0, "30", " --limit TSSoutConc=30", false},
        {"10", 1, "0.1", " --year-start 10 --limit TPoutConc=0.1", true},
    };
    const std::string record = Example("series/record.csv");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        Open(c.tss_outflow_asked);
        const std::string steps_file = File("steps.csv"), summary_file = File("summary.csv");
        ui.Click(kSeriesBrowse)
            .ExpectOpenFile(record)
            .Type(kSeriesYearStart, c.year_start)
            .ChooseItem(kSeriesConstituents, c.constituent)
            .Type(kSeriesLimit, c.limit)
            .Click(kSeriesRun)
            .Click(kSeriesExportCsv)
            .ExpectSaveFile(steps_file)
            .ExpectSaveFile(summary_file)
            .Click(kSeriesCopyCommand)
            .PressEscape();
        ASSERT_TRUE(RunMenuCommand(ui, kCommandSeries));
        ASSERT_TRUE(ui.ScriptDone());

        const std::string arguments = "'" + saved + "' '" + record + "'" + c.arguments;
        const Outcome study =
            RunStudy("series " + arguments + " --summary '" + File("study_summary.csv") + "'");
        ASSERT_EQ(study.status, 0) << study.err;
        EXPECT_EQ(ReadText(steps_file), study.out);
        EXPECT_EQ(ReadText(summary_file), ReadText(File("study_summary.csv")));
        EXPECT_EQ(ui.Clipboard(), "velmar-study series " + saved + " " + record + c.arguments);

        // The first record is looked for in the project's folder, the next where the last was.
        const std::vector<ScriptedUi::FileDialogRecord>& dialogs = ui.FileDialogs();
        ASSERT_EQ(dialogs.size(), 3u);
        EXPECT_EQ(dialogs[0].initial_name, &c == cases ? File("") : record);
        EXPECT_EQ(dialogs[1].initial_name, File("project_series.csv"));
        EXPECT_EQ(dialogs[2].initial_name, File("steps_summary.csv"));
    }
}

// Three days of a small record, the second step two days long: flows of 0.2, 1.0 and 0.5 m3/s.
// A higher flow has a shorter detention time and a higher outflow, so the duration curve holds
// the second step's outflow over the first 40 % of the five days, the third's to 80 %, the
// first's to 100 %.
TEST_F(SeriesWindow, ChartsDrawTheStepsOverTheirDatesAndTheirShareOfTheTime) {
    const std::string record = File("record.csv");
    ASSERT_FALSE(WriteTextFile(record,
                               "date,flow,TSSinConc\n2024-01-01,0.2,30\n2024-01-02,1.0,60\n"
                               "2024-01-04,0.5,40\n"));
    Open();
    ui.Click(kSeriesBrowse).ExpectOpenFile(record).Type(kSeriesLimit, "5").Click(kSeriesRun);
    KeepChart().Click(kSeriesDuration);
    KeepChart().PressEscape();
    ASSERT_TRUE(RunMenuCommand(ui, kCommandSeries));
    ASSERT_TRUE(ui.ScriptDone());

    const auto rows = ReadCsv(RunStudy("series '" + saved + "' '" + record + "'").out);
    ASSERT_EQ(rows.size(), 4u);
    const std::size_t outflow = 4;  // date, flow, TSSinConc, RE_TSS, TSSoutConc
    ASSERT_EQ(rows[0][outflow], "TSSoutConc");
    const auto out = [&](std::size_t row) { return std::stod(rows[row][outflow]); };

    ASSERT_EQ(charted.size(), 2u);
    const Chart& time = charted[0];
    EXPECT_EQ(time.x.scale, AxisScale::Dates);
    EXPECT_EQ(time.y2.Caption(), "Flow (m^3/s)");
    ASSERT_EQ(time.series.size(), 3u);
    const double day = 86400, first = 19723 * day;  // 2024-01-01: 19723 days after 1970-01-01
    const double starts[] = {first, first + day, first + 3 * day};
    const double flows[] = {0.2, 1.0, 0.5}, inflows[] = {30, 60, 40};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(time.series[0].points.at(i).x, starts[i]);
        EXPECT_EQ(time.series[0].points.at(i).y, flows[i]);
        EXPECT_EQ(time.series[1].points.at(i).y, inflows[i]);
        EXPECT_NEAR(time.series[2].points.at(i).y, out(1 + i), 1e-6 * out(1 + i));
    }
    EXPECT_TRUE(time.series[0].second_axis);
    EXPECT_FALSE(time.series[1].second_axis || time.series[2].second_axis);

    const Chart& duration = charted[1];
    ASSERT_EQ(duration.series.size(), 1u);
    const std::vector<ChartPoint>& curve = duration.series[0].points;
    const double x[] = {0, 40, 40, 80, 80, 100};
    const std::size_t step[] = {2, 2, 3, 3, 1, 1};
    ASSERT_EQ(curve.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(curve[i].x, x[i], 1e-9);
        EXPECT_NEAR(curve[i].y, out(step[i]), 1e-6 * out(step[i]));
    }
    ASSERT_EQ(duration.markers.size(), 1u);
    EXPECT_EQ(duration.markers[0].at, 5);
}

TEST_F(SeriesWindow, BadEntriesAreRefusedWithAMessageAndNothingRuns) {
    struct Bad {
        bool record;
        const char *year_start, *limit;
        std::string message;
    };
    const Bad cases[] = {
        {false, "1", "", "Choose the record to run: a CSV file of dates and inputs."},
        {true, "13", "",
         "The year start must be the number of the month a year begins: 1 for calendar years, "
         "10 for water years from October."},
        {true, "1", "-1", "The outflow limit must be a number of 0 or more, or empty."},
    };
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.message);
        Open();
        charted.clear();
        if (bad.record) ui.Click(kSeriesBrowse).ExpectOpenFile(Example("series/record.csv"));
        ui.Type(kSeriesYearStart, bad.year_start).Type(kSeriesLimit, bad.limit);
        ui.Click(kSeriesRun).ExpectMessage(bad.message, "Time Series");
        ui.Click(kSeriesCopyCommand).ExpectMessage(bad.message, "Time Series");
        KeepChart().Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kSeriesExportCsv)); });
        ui.PressEscape();
        RunMenuCommand(ui, kCommandSeries);
        EXPECT_TRUE(ui.ScriptDone());
        ASSERT_EQ(charted.size(), 1u);
        EXPECT_TRUE(charted[0].series.empty());
        EXPECT_EQ(ui.Clipboard(), "");
    }
}

// A record the command refuses is refused with its message, and nothing is charted or exported.
TEST_F(SeriesWindow, ARecordTheCommandRefusesIsToldWithItsMessage) {
    const std::string record = File("record.csv");
    ASSERT_FALSE(WriteTextFile(record, "date,flow\n2024-01-01,0.5\n2024-01-01,0.6\n"));
    const Outcome study = RunStudy("series '" + saved + "' '" + record + "'");
    ASSERT_EQ(study.status, 1);
    const std::string prefix = "velmar-study: ";
    ASSERT_EQ(study.err.substr(0, prefix.size()), prefix);
    std::string message = study.err.substr(prefix.size());
    if (message.ends_with("\n")) message.pop_back();
    Open();
    ui.Click(kSeriesBrowse)
        .ExpectOpenFile(record)
        .Click(kSeriesRun)
        .ExpectMessage("The record could not be run: " + message, "Time Series");
    KeepChart().Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kSeriesExportCsv)); }).PressEscape();
    RunMenuCommand(ui, kCommandSeries);
    EXPECT_TRUE(ui.ScriptDone());
    ASSERT_EQ(charted.size(), 1u);
    EXPECT_TRUE(charted[0].series.empty());
}

}  // namespace
}  // namespace velmar::testing
