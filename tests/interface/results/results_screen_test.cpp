#include "interface/results/results_screen.h"

#include <sys/stat.h>

#include <filesystem>

#include "interface/platform/run_program.h"
#include "interface/resources/run_templates.h"
#include "interface/resources/templates.h"
#include "interface/results/report_lines.h"
#include "interface/results/results_reading.h"
#include "interface/results/results_report.h"
#include "interface/session/program_files.h"
#include "interface/shell/run_model.h"
#include "model/results_writer.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

class ResultsScreen : public ShellTest {
protected:
    ResultsScreen() { KeptResults() = ModelResults{}; }

    // Results.txt as the engine writes it for the project, with some results set.
    void WriteResultsFor(const std::function<void(ModelState&)>& results) {
        ModelState s{};
        static_cast<ProjectRecord&>(s) = Project();
        results(s);
        ASSERT_TRUE(WriteResultsFile(File("Results.txt"), s));
    }
};

// An established wetland whose phosphorus solution did not converge: the efficiency shows
// the engine's -999, and the rate and outflow worked from the failed solution are shown, and
// reported, as not computed, under the note that explains -999.
TEST_F(ResultsScreen, NonConvergedPhosphorusShowsMinus999AndNoRateOrOutflow) {
    ProjectRecord& r = Project();
    r.model_p = r.checked_phos_estab = r.checked_TPGenOutConc = 1;
    r.PhosRemSpec = r.checked_phos_new = 0;
    r.TPinConc = 2;
    WriteResultsFor([](ModelState& s) {
        s.RE_TP = -999;
        s.tp_removal_rate = 0.3;  // left from an earlier step
        s.TPoutConc = 2 * (1 - -999 / 100.0);
    });
    ui.Expect(kResultsDialog)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(ResultsLabelId(10)), "RE TP (%): ");
            EXPECT_EQ(d.Text(ResultsValueId(10)), "-999");
            EXPECT_EQ(d.Text(ResultsValueId(5)), "not computed");
            EXPECT_EQ(d.Text(ResultsValueId(27)), "not computed");
            EXPECT_TRUE(d.IsShown(kResultsTpNote));
            EXPECT_EQ(d.Text(kResultsTpNote),
                      " Note: -999 indicates that the maximum number of iterations was exceeded!");
        })
        .PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(KeptResults().RE_TP, -999);
    EXPECT_EQ(Project().RE_Viewed_By_User, 1);
    const std::string report = ReportText(ReportLines(Project(), KeptResults()));
    EXPECT_NE(report.find("TP Removal Efficiency:                                       -9.990e+02%\n"
                          " Note: -999 indicates that the maximum number of iterations was exceeded!\n"),
              std::string::npos);
    EXPECT_NE(report.find("\nOutflow Concentrations:\nTP outflow concentration: not computed\n"), std::string::npos);

    // A converged run shows and reports its numbers.
    KeptResults().RE_TP = 40;
    EXPECT_NE(ReportText(ReportLines(Project(), KeptResults())).find("TP outflow concentration:  2.198e+01(mg/L)"),
              std::string::npos);
}

TEST_F(ResultsScreen, OnlyTssGreysTheOtherConstituentsAndHidesContaminants) {
    Project().model_tss = 1;
    Project().checked_TSSGenOutConc = 1;
    Project().checked_TCBGenOutConc = 1;  // requested, not modelled
    WriteResultsFor([](ModelState& s) {
        s.TSS_removal_rate = 1.23456;
        s.RE_TSS = 68.6514;
        s.TSSoutConc = 18.8;
        s.RE_TCB = 40;
        s.TCBoutConc = 12;
    });
    ui.Expect(kResultsDialog)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(ResultsValueId(1)), "1.235");
            EXPECT_EQ(d.Text(ResultsValueId(6)), "68.65");
            EXPECT_EQ(d.Text(ResultsValueId(23)), "18.8");
            for (int entry : {2, 7, 24}) {
                EXPECT_FALSE(d.IsEnabled(ResultsLabelId(entry)));
                EXPECT_FALSE(d.IsEnabled(ResultsValueId(entry)));
                EXPECT_EQ(d.Text(ResultsValueId(entry)), "");
            }
            EXPECT_EQ(d.Text(ResultsLabelId(2)), "TCB Removal Rate (/day): ");
            for (int entry : {11, 14, 17, 20, 28, 31, 90, 93}) {
                EXPECT_FALSE(d.IsShown(ResultsLabelId(entry)));
                EXPECT_FALSE(d.IsShown(ResultsValueId(entry)));
            }
        })
        .PressEscape();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(Project().TSS_removal_rate, 1.23456);
    EXPECT_EQ(KeptResults().TSSoutConc, 18.8);
    EXPECT_EQ(KeptResults().RE_TCB, 0);  // greyed rows keep nothing
    EXPECT_EQ(KeptResults().TCBoutConc, 0);
    EXPECT_EQ(Project().RE_Viewed_By_User, 1);
}

TEST_F(ResultsScreen, ReadBackValuesReachTheNextSave) {
    WriteResultsFor([](ModelState& s) {
        s.Vn = 0.4321;
        s.Vr = -2e-6;
        s.KtpH = 0.0123;
        s.Qi = 0.5;
        s.Ci = 0.19;
        s.Vb_entered = 1;
        s.ContamFd[1] = 0.75;
    });
    ui.Expect(kResultsDialog).PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_EQ(KeptResults().ContamFd[1], 0.75);
    ASSERT_EQ(WriteProjectFile(File("after.inp"), Project()), 0);
    ProjectRecord saved = ProgramStartRecord();
    ASSERT_EQ(ReadProjectFile(File("after.inp"), saved), 0);
    EXPECT_EQ(saved.Vn, 0.4321);
    EXPECT_EQ(saved.Vn_temp, 0.4321);
    EXPECT_EQ(saved.Vr, -2e-6);
    EXPECT_EQ(saved.KtpH, 0.0123);
    EXPECT_EQ(saved.Qi, 0.5);
    EXPECT_EQ(saved.Ci, 0.19);
    EXPECT_EQ(saved.Vb_entered_temp, 1);
}

TEST_F(ResultsScreen, WithoutAResultsFileNothingIsKeptAndTheUserIsTold) {
    Project().model_tss = 1;
    Project().TSS_removal_rate = 0.5;
    Project().Vn = 0.1;
    ui.Expect(kResultsDialog)
        .ExpectMessage(
            "The model produced no results: \"Results.txt\" could not be read. Check that the model "
            "program is present and that the current folder is writable, then run the model again.",
            "No Results")
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(ResultsLabelId(1)), "TSS Removal Rate (/day): ");
            EXPECT_FALSE(d.IsEnabled(ResultsValueId(1)));
            EXPECT_FALSE(d.IsShown(ResultsValueId(11)));
        })
        .PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(Project().TSS_removal_rate, 0.5);
    EXPECT_EQ(Project().Vn, 0.1);
}

// The active-layer bulk density's entered mark has no row; it is kept whatever the screen
// shows, as an integer.
TEST_F(ResultsScreen, EnteredBulkDensityMarkIsKeptWithoutItsRow) {
    Project().ARhoB_entered = 0;
    WriteResultsFor([](ModelState& s) { s.ARhoB_entered = 1; });
    ASSERT_EQ(ResultsRowState(Project(), 89), RowState::NoRow);
    ui.Expect(kResultsDialog).PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_EQ(Project().ARhoB_entered, 1);

    // The engine writes the mark as read; a value line of "0" clears it again.
    WriteResultsFor([](ModelState& s) { s.ARhoB_entered = 0; });
    ui.Expect(kResultsDialog).PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_EQ(Project().ARhoB_entered, 0);
}

// A run cut short by a full disk leaves part of the file: nothing of it is shown or kept,
// not even the entries that are kept without a row.
TEST_F(ResultsScreen, ATruncatedFileShowsNoResultsAndKeepsNothing) {
    ASSERT_EQ(ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project()), 0);
    const ProjectRecord before = Project();
    WriteResultsFor([](ModelState& s) {
        s.TSS_removal_rate = 9;
        s.RE_TSS = 9;
        s.Vn = s.Vb = s.ActiveRhoB = s.SurfRhoB = s.fpw_l = s.KtpH = s.Qi = s.Ci = s.Vr = 9;
    });
    const std::string whole = ReadText(File("Results.txt"));
    for (const std::size_t size : {std::size_t{0}, whole.size() / 2, whole.size() - 3}) {
        SCOPED_TRACE(size);
        WriteText(File("Results.txt"), whole.substr(0, size));
        ui.Expect(kResultsDialog)
            .ExpectMessage(
                "The model produced no results: \"Results.txt\" could not be read. Check that the model "
                "program is present and that the current folder is writable, then run the model again.",
                "No Results")
            .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(ResultsValueId(1)), ""); })
            .PressOk();
        ShowResultsScreen(ui, kMainWindow, true);
        EXPECT_TRUE(ui.ScriptDone());
        // Saved, the project is the one that was run.
        Project().RE_Viewed_By_User = before.RE_Viewed_By_User;
        ASSERT_EQ(WriteProjectFile(File("before.inp"), before), 0);
        ASSERT_EQ(WriteProjectFile(File("after.inp"), Project()), 0);
        EXPECT_EQ(ReadText(File("after.inp")), ReadText(File("before.inp")));
        EXPECT_EQ(KeptResults().RE_TSS, 0);
    }
}

TEST_F(ResultsScreen, HelpShowsItsTopic) {
    WriteHelpFile("results.txt", "How to read the results.\n");
    WriteResultsFor([](ModelState&) {});
    ui.Expect(kResultsDialog).Click(kResultsHelp).Expect(kHelpTextDialog).PressOk().PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_TRUE(ui.ScriptDone());
}

// The report of what the screen shows, to the file the user picks.
TEST_F(ResultsScreen, SaveWritesTheTextReport) {
    Shell().current_file = File("site.INP");
    Project().model_tss = 1;
    WriteResultsFor([](ModelState& s) { s.RE_TSS = 68.65; });
    ui.Expect(kResultsDialog).Click(kResultsSave).ExpectSaveFile(File("report.txt")).PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_TRUE(ui.ScriptDone());
    const auto& dialog = ui.FileDialogs().back();
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.owner, Owner::OfDialog);
    EXPECT_EQ(dialog.initial_name, File("site.txt"));
    ASSERT_EQ(dialog.filters.size(), 2u);
    EXPECT_EQ(dialog.filters[0].description, "Text Files (*.txt)");
    EXPECT_EQ(dialog.filters[1].pattern, "*.pdf");
    const std::string text = ReadText(File("report.txt"));
    EXPECT_EQ(text, ReportText(ReportLines(Project(), KeptResults())));
    EXPECT_NE(text.find("TSS Removal Efficiency:                                       6.865e+01%\n"),
              std::string::npos);
}

// A report that cannot be written is said so, and the screen stays open with its results;
// an existing file that may not be written keeps its content.
TEST_F(ResultsScreen, AnUnwritableReportFileIsReported) {
    WriteResultsFor([](ModelState&) {});
    WriteText(File("kept.txt"), "earlier report\n");
    ::chmod(File("kept.txt").c_str(), 0444);
    const std::string missing_folder = File("gone/report.txt");
    const std::string advice =
        ". Check that the folder exists and is writable and that the disk is not full.\n\n"
        "The system reported: ";
    ui.Expect(kResultsDialog)
        .Click(kResultsSave)
        .ExpectSaveFile(missing_folder)
        .ExpectMessage("The report could not be written to " + missing_folder + advice +
                           std::make_error_code(std::errc::no_such_file_or_directory).message() + ".",
                       "File I/O Error")
        .Click(kResultsSave)
        .ExpectSaveFile(File("kept.txt"))
        .ExpectMessage("The report could not be written to " + File("kept.txt") + advice +
                           std::make_error_code(std::errc::permission_denied).message() + ".",
                       "File I/O Error")
        .Click(kResultsSave)
        .ExpectSaveFile(std::nullopt)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(ResultsValueId(1)), ""); })
        .PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_FALSE(std::filesystem::exists(File("gone")));
    EXPECT_EQ(ReadText(File("kept.txt")), "earlier report\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(File("")), {}), 2);  // kept.txt, Results.txt
}

TEST_F(ResultsScreen, SaveOffersPdfAndPrintPrints) {
    Project().model_p = 1;
    WriteResultsFor([](ModelState& s) { s.RE_TP = 12.5; });
    ui.Expect(kResultsDialog)
        .Click(kResultsSave)
        .ExpectSaveFile(File("report.PDF"))
        .Click(kResultsPrint)
        .ExpectPrint(false)
        .Click(kResultsPrint)
        .ExpectPrint(true)
        .PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(ui.PdfFiles(), std::vector<std::string>{File("report.PDF")});
    EXPECT_FALSE(std::filesystem::exists(File("report.PDF")));  // the scripted host only records
    // The PDF and the one accepted print job: each begins with the title.
    EXPECT_EQ(std::count_if(ui.Printed().begin(), ui.Printed().end(),
                            [](const auto& t) { return t.text == "Velmar Model Results"; }),
              2);
    EXPECT_TRUE(std::any_of(ui.Printed().begin(), ui.Printed().end(),
                            [](const auto& t) { return t.text == "12.5"; }));
}

// Headings stand only above rows: without contaminants only the outflow heading remains.
TEST_F(ResultsScreen, HeadingsWithoutRowsAreHidden) {
    Project().model_tss = 1;
    WriteResultsFor([](ModelState&) {});
    ui.Expect(kResultsDialog)
        .Inspect([](Dialog& d) {
            EXPECT_FALSE(d.IsShown(kResultsHeadingRates));
            EXPECT_FALSE(d.IsShown(kResultsHeadingEfficiencies));
            EXPECT_TRUE(d.IsShown(kResultsHeadingOutflow));
            EXPECT_FALSE(d.IsShown(kResultsHeadingSediment));
        })
        .PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    Project().model_contaminant = 1;
    Project().NumHM_LLR = 1;
    Project().checked_HM1OutConc = 1;
    ui.Expect(kResultsDialog)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.IsShown(kResultsHeadingRates));
            EXPECT_TRUE(d.IsShown(kResultsHeadingSediment));
        })
        .PressOk();
    ShowResultsScreen(ui, kMainWindow, true);
    EXPECT_TRUE(ui.ScriptDone());
}

// The front end and the engine together: the real velmar runs on the project in the
// current folder, and the screen shows what it computed.
TEST_F(ResultsScreen, RealEngineRunOnTheTypicalProject) {
    std::filesystem::copy_file(VELMAR_ENGINE, File(kEngineFile));
    ASSERT_EQ(ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project()), 0);
    ui.OnRun(
        [](const ScriptedUi::ProgramRun& run) { return RunProgramAndWaitFor(run.program, run.arguments); });
    ui.Expect(kResultsDialog)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(ResultsValueId(1)), "1");
            EXPECT_EQ(d.Text(ResultsValueId(6)), "68.65");
            EXPECT_EQ(d.Text(ResultsValueId(23)), "18.81");
            EXPECT_FALSE(d.IsEnabled(ResultsValueId(2)));
            EXPECT_NE(d.Text(ResultsValueId(10)), "");
            EXPECT_NE(d.Text(ResultsValueId(10)), "-999");
            EXPECT_FALSE(d.IsShown(kResultsTpNote));
        })
        .PressOk();
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_NEAR(KeptResults().RE_TSS, 68.6514, 1e-4);
    EXPECT_EQ(Project().Vn, 0.5);
    EXPECT_FALSE(std::filesystem::exists(File("data.tmp")));
    EXPECT_FALSE(std::filesystem::exists(File("Results.txt")));
}

}  // namespace
}  // namespace velmar::testing
