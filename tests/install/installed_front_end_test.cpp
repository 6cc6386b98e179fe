// The installed front end, started from the desktop menu with the user's home as its
// current folder: it finds its help, pictures, documents and engine in the install, runs
// the model in a folder of the user's own and reads the results back. The install is made
// from the built tree into a scratch root, as a package would lay it out.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "interface/platform/run_program.h"
#include "interface/platform/scripted/scripted_ui.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/strings.h"
#include "interface/resources/templates.h"
#include "interface/results/results_screen.h"
#include "interface/session/help.h"
#include "interface/session/program_files.h"
#include "interface/session/state.h"
#include "interface/shell/menu_commands.h"
#include "interface/shell/run_model.h"
#include "interface/shell/startup.h"
#include "project/project_file.h"
#include "tests/support/temp_dir.h"

namespace velmar::testing {
namespace {

namespace fs = std::filesystem;

class InstalledFrontEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = new TempDir;
        const std::string install = "DESTDIR='" + root_->path().string() +
                                    "' '" CMAKE_COMMAND "' --install '" + std::string(VELMAR_BINARY_DIR) +
                                    "' --prefix /usr > /dev/null";
        ASSERT_EQ(std::system(install.c_str()), 0) << install;
    }
    static void TearDownTestSuite() { delete root_; }

    InstalledFrontEnd() : previous_directory_(fs::current_path()) {
        fs::create_directories(Home());
        fs::current_path(Home());
        setenv("XDG_CACHE_HOME", (user_.path() / "cache").c_str(), 1);
        SetProgramFolder(Installed("usr/bin"));
        Project() = ProgramStartRecord();
        Shell() = ShellState{};
        ClearProject();
    }
    ~InstalledFrontEnd() override { fs::current_path(previous_directory_); }

    static fs::path Installed(const std::string& path) { return root_->path() / path; }
    fs::path Home() const { return user_.path() / "home"; }
    fs::path Cache() const { return user_.path() / "cache" / "velmar"; }
    static bool Empty(const fs::path& folder) { return !fs::exists(folder) || fs::is_empty(folder); }

    ScriptedUi ui;

private:
    static TempDir* root_;
    TempDir user_;
    fs::path previous_directory_;
};

TempDir* InstalledFrontEnd::root_ = nullptr;

TEST_F(InstalledFrontEnd, FindsItsDisclaimerHelpPicturesAndDocumentsFromTheHomeFolder) {
    const std::string disclaimer = ReadText(Installed("usr/share/velmar/Help/Disclaimer.txt").string());
    ASSERT_FALSE(disclaimer.empty());
    EXPECT_EQ(ReadHelpFile("Disclaimer.txt"), disclaimer);
    ui.Expect(kDisclaimerDialog)
        .Inspect([](Dialog& d) { EXPECT_NE(d.Text(1204), kNoDisclaimerFile); })
        .PressOk();
    EXPECT_TRUE(ShowDisclaimer(ui));
    EXPECT_TRUE(ReadHelpFile("tcb.txt").has_value());
    EXPECT_EQ(ProgramFile("back.bmp"), Installed("usr/share/velmar/back.bmp"));
    EXPECT_EQ(ProgramFile(kEngineFile), Installed("usr/bin/velmar"));

    RunMenuCommand(ui, kCommandModelOverview);
    RunMenuCommand(ui, kCommandGeneralInstructions);
    EXPECT_EQ(ui.OpenedDocuments(),
              (std::vector<std::string>{Installed("usr/share/velmar/info.doc").string(),
                                        Installed("usr/share/velmar/readme.doc").string()}));
}

TEST_F(InstalledFrontEnd, RunsTheInstalledEngineInTheUsersOwnFolderAndReadsTheResultsBack) {
    ASSERT_EQ(ReadProjectFile(Installed("usr/share/doc/velmar/examples/typical.inp").string(), Project()), 0);
    ui.OnRun([](const ScriptedUi::ProgramRun& run) {
        return RunProgramAndWaitFor(run.program, run.arguments, run.folder);
    });
    ui.Expect(kResultsDialog).PressOk();
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    ASSERT_EQ(ui.ProgramRuns().size(), 1u);
    EXPECT_EQ(ui.ProgramRuns()[0].program, Installed("usr/bin/velmar").string());
    EXPECT_EQ(fs::path(ui.ProgramRuns()[0].folder), Cache());
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_NEAR(KeptResults().RE_TSS, 68.6514, 1e-4);
    EXPECT_NEAR(KeptResults().RE_TP, 4.77465, 1e-5);
    EXPECT_NEAR(KeptResults().TPoutConc, 0.180928, 1e-6);
    // Nothing is left in the home folder, and the run's own files are gone.
    EXPECT_TRUE(Empty(Home()));
    EXPECT_TRUE(Empty(Cache()));
}

TEST_F(InstalledFrontEnd, StartedInItsOwnFolderItUsesThatFolderAsBefore) {
    const fs::path own = Home() / "velmar";
    fs::create_directories(own / "Help");
    WriteText((own / "Help" / "tcb.txt").string(), "own help");
    SetProgramFolder(own);
    fs::current_path(own);
    EXPECT_EQ(ReadHelpFile("tcb.txt"), "own help");
    EXPECT_EQ(ProgramFile("Help/tcb.txt"), fs::path("Help/tcb.txt"));
    EXPECT_EQ(RunFolder(), fs::current_path());
    // A file that neither this folder nor an install beside it holds keeps its plain name, so
    // that its absence is reported as before.
    EXPECT_EQ(ProgramFile("back.bmp"), fs::path("back.bmp"));
}

}  // namespace
}  // namespace velmar::testing
