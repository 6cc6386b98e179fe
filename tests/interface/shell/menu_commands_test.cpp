#include "interface/shell/menu_commands.h"

#include "interface/resources/command_ids.h"
#include "interface/resources/main_menu.h"
#include "interface/resources/strings.h"
#include "interface/resources/templates.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

constexpr int kAbout = 103;
constexpr int kDetails = 143;
constexpr int kDetailsButton = 1017;
constexpr int kLink = 1206;

class MainWindowCommands : public ShellTest {};

TEST_F(MainWindowCommands, ConstituentDataWantsSystemDataFirstAgainAfterResetDefaults) {
    ui.ExpectMessage(kSystemDataFirst, kSystemDataFirstCaption);
    EXPECT_TRUE(RunMenuCommand(ui, kCommandConstituentData));

    Project().System_Properties_Entered = 1;
    ui.Expect(kDataInputSelectionScreen).PressOk();
    RunMenuCommand(ui, kCommandConstituentData);

    RunMenuCommand(ui, kCommandResetDefaults);
    ui.ExpectMessage(kSystemDataFirst, kSystemDataFirstCaption);
    RunMenuCommand(ui, kCommandConstituentData);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(ui.Messages().front().owner, Owner::MainWindow);
    EXPECT_EQ(ui.DialogsShown(), std::vector<int>{kDataInputSelectionScreen});
}

TEST_F(MainWindowCommands, ResetDefaultsAsksNothingAndKeepsChangesFlagAndFileName) {
    ChangeProject();
    Shell().current_file = File("site.inp");
    RunMenuCommand(ui, kCommandResetDefaults);
    EXPECT_EQ(Project().temperature, 20);
    EXPECT_TRUE(Shell().changes);
    EXPECT_EQ(Shell().current_file, File("site.inp"));
    EXPECT_TRUE(ui.Messages().empty());

    // So the next close still asks.
    ui.ExpectMessage(kSaveBeforeExiting, kSaveBeforeExitingCaption, Answer::No);
    EXPECT_TRUE(CloseRequest(ui));
}

TEST_F(MainWindowCommands, CancelAtExitPromptKeepsWindowThoughOptionsWereWritten) {
    ChangeProject();
    Shell().options = {0, 0, 1};
    ui.ExpectMessage(kSaveBeforeExiting, kSaveBeforeExitingCaption, Answer::Cancel);
    EXPECT_FALSE(CloseRequest(ui));
    EXPECT_EQ(ui.StoredOption("AutoSave"), 0);
    EXPECT_EQ(ui.StoredOption("TempSave"), 0);
    EXPECT_EQ(ui.StoredOption("PromptMe"), 1);
    EXPECT_FALSE(Shell().exiting);
    EXPECT_TRUE(Shell().changes);
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_F(MainWindowCommands, CloseWithoutChangesAsksNothing) {
    EXPECT_TRUE(CloseRequest(ui));
    EXPECT_EQ(ui.OptionWrites(), 3);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(MainWindowCommands, CloseAnsweringYesSavesAnUnnamedProjectThroughTheSaveDialog) {
    ChangeProject();
    ui.ExpectMessage(kSaveBeforeExiting, kSaveBeforeExitingCaption, Answer::Yes).ExpectSaveFile(File("pond"));
    EXPECT_TRUE(CloseRequest(ui));
    EXPECT_TRUE(std::filesystem::exists(File("pond.inp")));
    EXPECT_FALSE(Shell().changes);
}

TEST_F(MainWindowCommands, CloseStaysOpenWhenTheSaveFails) {
    ChangeProject();
    Shell().current_file = File("missing-folder/pond.inp");
    ui.ExpectMessage(kSaveBeforeExiting, kSaveBeforeExitingCaption, Answer::Yes)
        .ExpectMessage(std::string(kSaveFailed) + kSaveFailedReason +
                           std::make_error_code(std::errc::no_such_file_or_directory).message() + ".",
                       kFileErrorCaption);
    EXPECT_FALSE(CloseRequest(ui));
    EXPECT_TRUE(Shell().changes);
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_F(MainWindowCommands, ExitAsksTheMainWindowToClose) {
    RunMenuCommand(ui, kCommandExit);
    EXPECT_EQ(ui.CloseRequests(), 1);
    EXPECT_EQ(ui.OptionWrites(), 0);  // the close request itself stores them
}

TEST_F(MainWindowCommands, HelpMenuOpensTheDocumentsWithTheirApplication) {
    RunMenuCommand(ui, kCommandModelOverview);
    RunMenuCommand(ui, kCommandGeneralInstructions);
    EXPECT_EQ(ui.OpenedDocuments(), (std::vector<std::string>{"info.doc", "readme.doc"}));
}

TEST_F(MainWindowCommands, AboutBoxLeadsToDetailedInformationAsOftenAsAsked) {
    ui.Expect(kAbout)
        .Inspect([](Dialog& d) {
            // The version the build declares; no platform the program may not be running on, and
            // no telephone number: help is in the manual and the README.
            const std::string text = d.Text(1014);
            EXPECT_EQ(text.rfind("Velmar Screening Model\n\nVersion " VELMAR_VERSION "\n", 0), 0u);
            for (const char* untrue : {"Windows", "Support line", "555"}) {
                EXPECT_EQ(text.find(untrue), std::string::npos) << untrue;
            }
            EXPECT_NE(text.find("Model Overview and General Instructions"), std::string::npos);
        })
        .Click(kDetailsButton)
        .Expect(kDetails)
        .Click(kLink)
        .PressOk()
        .Click(kDetailsButton)
        .Expect(kDetails)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(1015).rfind("The Velmar Screening Model (VELMAR) screening", 0), 0u);
        })
        .PressEscape()
        .PressEscape();
    RunMenuCommand(ui, kCommandAbout);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(ui.OpenedDocuments(), std::vector<std::string>{"info.doc"});
}

TEST_F(MainWindowCommands, EveryMenuItemAndAcceleratorReachesACommand) {
    auto reaches_command = [](int command) {
        ScriptedUi fresh;  // with an empty script, anything the command shows ends it early
        try {
            return RunMenuCommand(fresh, command);
        } catch (const ScriptError&) {
            return true;
        }
    };
    for (const MenuItem& item : kMainMenu) EXPECT_TRUE(reaches_command(item.command)) << item.command;
    for (const Accelerator& keys : kMainAccelerators) EXPECT_TRUE(reaches_command(keys.command)) << keys.keys;
    EXPECT_FALSE(RunMenuCommand(ui, 9999));
}

TEST_F(MainWindowCommands, CommandsBringGeometryWorkingCopiesBackInLine) {
    Project().checked_Volume = 1;
    Project().checked_Width = 1;
    Project().checked_Volume_temp = Project().checked_Width_temp = 0;
    Project().checked_Area_temp = 1;
    RunMenuCommand(ui, kCommandModelOverview);
    EXPECT_EQ(Project().checked_Volume_temp, 1);
    EXPECT_EQ(Project().checked_Width_temp, 1);
    EXPECT_EQ(Project().checked_Area_temp, 0);
}

}  // namespace
}  // namespace velmar::testing
