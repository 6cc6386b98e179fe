#include "interface/shell/run_model.h"

#include <filesystem>

#include "interface/platform/run_program.h"
#include "interface/resources/run_templates.h"
#include "interface/resources/templates.h"
#include "interface/results/results_screen.h"
#include "interface/session/program_files.h"
#include "interface/shell/options.h"
#include "model/results_writer.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

class RunModelCommand : public ShellTest {
protected:
    RunModelCommand() {
        // The results file the engine would leave, so that the screen has something to read.
        ui.OnRun([this](const ScriptedUi::ProgramRun& run) {
            runs_seen_data_file_ = std::filesystem::exists(run.arguments.at(0));
            EXPECT_TRUE(WriteResultsFile(File("Results.txt"), EngineResults()));
            return ProgramExit{};
        });
    }

    // What the engine would compute for the project: its inputs, and a few results.
    ModelState EngineResults() const {
        ModelState s{};
        static_cast<ProjectRecord&>(s) = Project();
        s.TSS_removal_rate = 0.75;
        s.Vn = 0.25;
        s.RE_TSS = 40;
        return s;
    }

    void UseOptions(int auto_save, int temp_save, int prompt_me) {
        Shell().options = ProgramOptions{auto_save, temp_save, prompt_me};
    }

    const ScriptedUi::ProgramRun& OnlyRun() {
        EXPECT_EQ(ui.ProgramRuns().size(), 1u);
        return ui.ProgramRuns().front();
    }

    bool runs_seen_data_file_ = false;
};

TEST_F(RunModelCommand, TemporaryFileRunsAtOnceAndKeepsTheChanges) {
    ChangeProject();
    ui.Expect(kResultsDialog).PressOk();
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    const ScriptedUi::ProgramRun& run = OnlyRun();
    EXPECT_EQ(run.program, TextFromPath(std::filesystem::current_path() / kEngineFile));
    EXPECT_EQ(run.arguments, std::vector<std::string>{"data.tmp"});
    EXPECT_TRUE(runs_seen_data_file_);
    EXPECT_TRUE(Shell().changes);
    EXPECT_FALSE(std::filesystem::exists(File("data.tmp")));
    EXPECT_FALSE(std::filesystem::exists(File("Results.txt")));
    EXPECT_EQ(Project().RE_Viewed_By_User, 1);
}

TEST_F(RunModelCommand, AutoSaveOnAnUnnamedProjectAsksForANameAndCancelRunsNothing) {
    UseOptions(1, 0, 0);
    ui.ExpectMessage("You must save the current settings before running the model.", "Must Save Settings")
        .ExpectSaveFile(std::nullopt);
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(ui.ProgramRuns().empty());
}

TEST_F(RunModelCommand, AutoSaveOnANamedProjectSavesThenRunsOnItAndClearsDataTmp) {
    UseOptions(1, 0, 0);
    ChangeProject();
    Shell().current_file = File("site.inp");
    WriteText(File("data.tmp"), "left from another run");
    ui.Expect(kResultsDialog).PressOk();
    RunModel(ui);
    EXPECT_EQ(OnlyRun().arguments, std::vector<std::string>{File("site.inp")});
    EXPECT_FALSE(Shell().changes);
    EXPECT_TRUE(std::filesystem::exists(File("site.inp")));
    EXPECT_FALSE(std::filesystem::exists(File("data.tmp")));
}

TEST_F(RunModelCommand, AutoSaveThatCannotWriteSaysSoOnceAndRunsNothing) {
    UseOptions(1, 0, 0);
    Shell().current_file = File("missing-folder/site.inp");
    ui.ExpectMessage("The inp file could not be updated!", "File I/O Error");
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_TRUE(ui.ProgramRuns().empty());
}

TEST_F(RunModelCommand, PromptChoosingToSaveTheNamedFileNeedsNoDialog) {
    UseOptions(0, 0, 1);
    ChangeProject();
    Shell().current_file = File("site.inp");
    ui.Expect(kSaveDataDialog)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.Checked(kSaveDataTemporary));
            EXPECT_FALSE(d.Checked(kSaveDataToFile));
        })
        .Click(kSaveDataToFile)
        .PressOk()
        .Expect(kResultsDialog)
        .PressOk();
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(ui.FileDialogs().empty());
    EXPECT_EQ(OnlyRun().arguments, std::vector<std::string>{File("site.inp")});
    EXPECT_FALSE(Shell().changes);
}

TEST_F(RunModelCommand, NoOptionSetPromptsAndTheOptionsDialogSelectsNothing) {
    UseOptions(0, 0, 0);
    ui.Expect(kSaveDataDialog).PressCancel();
    RunModel(ui);
    EXPECT_TRUE(ui.ProgramRuns().empty());

    ui.Expect(kProgramOptionsDialog)
        .Inspect([](Dialog& d) {
            for (int id : {kOptionAutoSave, kOptionTempSave, kOptionPromptMe}) EXPECT_FALSE(d.Checked(id));
        })
        .PressCancel();
    ShowProgramOptions(ui);
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_F(RunModelCommand, ProgramOptionsShowTheLastSetOptionAndOkStoresTheChoice) {
    UseOptions(1, 1, 0);
    ui.Expect(kProgramOptionsDialog)
        .Inspect([](Dialog& d) {
            EXPECT_FALSE(d.Checked(kOptionAutoSave));
            EXPECT_TRUE(d.Checked(kOptionTempSave));
        })
        .Click(kOptionPromptMe)
        .PressOk();
    ShowProgramOptions(ui);
    EXPECT_EQ(Shell().options.AutoSave, 0);
    EXPECT_EQ(Shell().options.TempSave, 0);
    EXPECT_EQ(Shell().options.PromptMe, 1);
}

TEST_F(RunModelCommand, TemporaryFileThatCannotBeWrittenStopsTheRun) {
    std::filesystem::create_directory(File("data.tmp"));  // the name is taken by a folder
    ui.ExpectMessage("The temporary data file could not be written!", "File I/O Error");
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(ui.ProgramRuns().empty());
}

constexpr char kNoResultsMessage[] =
    "The model produced no results: \"Results.txt\" could not be read. Check that the model "
    "program is present and that the current folder is writable, then run the model again.";

TEST_F(RunModelCommand, AStaleResultsFileIsRemovedBeforeTheEngineStarts) {
    Project().model_tss = 1;
    Project().TSS_removal_rate = 0.5;
    // A whole results file from an earlier run; the engine then fails without writing.
    ASSERT_TRUE(WriteResultsFile(File("Results.txt"), EngineResults()));
    bool stale_file_seen = true;
    ui.OnRun([&](const ScriptedUi::ProgramRun&) {
        stale_file_seen = std::filesystem::exists(File("Results.txt"));
        return ProgramExit{0, 255};
    });
    ui.Expect(kResultsDialog).ExpectMessage(kNoResultsMessage, "No Results").PressOk();
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_FALSE(stale_file_seen);
    EXPECT_EQ(Project().TSS_removal_rate, 0.5);
}

// An engine that fails after writing a whole file (its last close failed, say) produced
// nothing this project may keep; nor does one that succeeds but leaves an empty file.
TEST_F(RunModelCommand, AFailedOrEmptyRunKeepsNothing) {
    for (const bool whole_file : {true, false}) {
        SCOPED_TRACE(whole_file ? "exit status 255" : "empty file");
        KeptResults() = ModelResults{};
        Project().model_tss = 1;
        Project().TSS_removal_rate = 0.5;
        Project().Vn = Project().Vn_temp = 0.1;
        ui.OnRun([&](const ScriptedUi::ProgramRun&) {
            if (whole_file) {
                EXPECT_TRUE(WriteResultsFile(File("Results.txt"), EngineResults()));
            } else {
                WriteText(File("Results.txt"), "");
            }
            return ProgramExit{0, whole_file ? 255 : 0};
        });
        ui.Expect(kResultsDialog)
            .ExpectMessage(kNoResultsMessage, "No Results")
            .Inspect([](Dialog& d) {
                EXPECT_FALSE(d.IsEnabled(ResultsValueId(1)));
                EXPECT_EQ(d.Text(ResultsValueId(6)), "");
            })
            .PressOk();
        RunModel(ui);
        EXPECT_TRUE(ui.ScriptDone());
        EXPECT_EQ(Project().TSS_removal_rate, 0.5);
        EXPECT_EQ(Project().Vn, 0.1);
        EXPECT_EQ(Project().Vn_temp, 0.1);
        EXPECT_EQ(KeptResults().RE_TSS, 0);
        EXPECT_FALSE(std::filesystem::exists(File("Results.txt")));
        EXPECT_FALSE(std::filesystem::exists(File("data.tmp")));
    }
}

TEST_F(RunModelCommand, ASuccessfulRunKeepsWhatTheEngineComputed) {
    Project().model_tss = 1;
    ui.Expect(kResultsDialog)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(ResultsValueId(1)), "0.75"); })
        .PressOk();
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(Project().TSS_removal_rate, 0.75);
    EXPECT_EQ(Project().Vn, 0.25);
    EXPECT_EQ(KeptResults().RE_TSS, 40);
}

TEST_F(RunModelCommand, MissingEngineReportsTheSystemErrorNumber) {
    ui.OnRun(
        [](const ScriptedUi::ProgramRun& run) { return RunProgramAndWaitFor(run.program, run.arguments); });
    ui.ExpectMessage("Error 2 occured while attempting to run the model!", "Error Executing Model");
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
}

// The real engine, in a folder whose name has an accent and a space, on a project saved
// there: its path, its folder and the project's name reach it whole.
TEST_F(RunModelCommand, AProjectInAFolderNamedWithAccentsAndSpacesRunsOnTheRealEngine) {
    const std::string folder = File("Users/Zo\xC3\xAB/Wet lands");
    std::filesystem::create_directories(PathFromText(folder));
    std::filesystem::current_path(PathFromText(folder));
    std::filesystem::copy_file(PathFromText(std::string(VELMAR_DIST "/") + kEngineFile),
                               PathFromText(folder) / kEngineFile);
    ASSERT_EQ(ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project()), 0);
    Shell().current_file = folder + "/site one.inp";
    UseOptions(1, 0, 0);
    ui.OnRun([](const ScriptedUi::ProgramRun& run) {
        return RunProgramAndWaitFor(run.program, run.arguments, run.folder);
    });
    ui.Expect(kResultsDialog)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(ResultsValueId(6)), "68.65"); })
        .PressOk();
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(OnlyRun().arguments, std::vector<std::string>{Shell().current_file});
    EXPECT_NEAR(KeptResults().RE_TSS, 68.6514, 1e-4);
    EXPECT_TRUE(std::filesystem::is_regular_file(PathFromText(Shell().current_file)));
    EXPECT_FALSE(std::filesystem::exists(PathFromText(folder + "/Results.txt")));
}

}  // namespace
}  // namespace velmar::testing
