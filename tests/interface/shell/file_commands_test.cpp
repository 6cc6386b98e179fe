#include "interface/shell/file_commands.h"

#include "interface/resources/strings.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

class FileCommands : public ShellTest {
protected:
    // A project file on disk whose temperature tells it apart from the defaults.
    std::string SavedProject(const std::string& name, double temperature) {
        ProjectRecord r = ProgramStartRecord();
        ClearEntryState(r);
        ResetToDefaults(r);
        r.temperature = temperature;
        EXPECT_EQ(WriteProjectFile(File(name), r), 0);
        return File(name);
    }
};

TEST_F(FileCommands, SaveAsAppendsInpUnlessTheNameEndsInItInAnyCase) {
    const std::pair<std::string, std::string> kNames[] = {
        {"Wetland.INP", "Wetland.INP"}, {"Wetland.txt", "Wetland.txt.inp"}, {"Wetland", "Wetland.inp"}};
    for (const auto& [typed, saved] : kNames) {
        ui.ExpectSaveFile(File(typed));
        EXPECT_TRUE(SaveProject(ui, true));
        EXPECT_EQ(Shell().current_file, File(saved));
        EXPECT_TRUE(std::filesystem::exists(File(saved))) << saved;
    }
    const ScriptedUi::FileDialogRecord& dialog = ui.FileDialogs().front();
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.owner, Owner::MainWindow);
    EXPECT_EQ(dialog.filter.description, "Velmar Files (*.inp)");
    EXPECT_EQ(dialog.filter.pattern, "*.inp");
    EXPECT_EQ(dialog.initial_name, "");
}

TEST_F(FileCommands, SaveAsOnANamedProjectProposesItsNameAndCancelChangesNothing) {
    ChangeProject();
    Shell().current_file = File("site.inp");
    ui.ExpectSaveFile(std::nullopt);
    EXPECT_FALSE(SaveProject(ui, true));
    EXPECT_EQ(ui.FileDialogs().back().initial_name, File("site.inp"));
    EXPECT_EQ(Shell().current_file, File("site.inp"));
    EXPECT_TRUE(Shell().changes);
    EXPECT_FALSE(std::filesystem::exists(File("site.inp")));
}

TEST_F(FileCommands, SaveOnANamedProjectWritesAgainWithoutAnyDialog) {
    Shell().current_file = SavedProject("site.inp", 7);
    Project().temperature = 9;
    EXPECT_TRUE(SaveProject(ui, false));
    EXPECT_TRUE(ui.FileDialogs().empty());
    ProjectRecord read = ProgramStartRecord();
    ASSERT_EQ(ReadProjectFile(File("site.inp"), read), 0);
    EXPECT_EQ(read.temperature, 9);
}

TEST_F(FileCommands, FailedSaveIsReportedAndKeepsTheChangesFlag) {
    ChangeProject();
    ui.ExpectSaveFile(File("no-such-folder/site")).ExpectMessage(kSaveFailed, kFileErrorCaption);
    EXPECT_FALSE(SaveProject(ui, false));
    EXPECT_TRUE(Shell().changes);
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_F(FileCommands, NewAnsweringYesOnAnUnnamedProjectThenCancellingTheDialogCancelsNew) {
    ChangeProject();
    ui.ExpectMessage(kSaveBeforeNew, kSaveBeforeNewCaption, Answer::Yes).ExpectSaveFile(std::nullopt);
    NewProject(ui);
    EXPECT_EQ(Project().temperature, 12.5);
    EXPECT_TRUE(Shell().changes);
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_F(FileCommands, NewAnsweringNoStartsAnUnnamedDefaultProject) {
    Shell().current_file = SavedProject("site.inp", 7);
    Shell().file_open = true;
    ChangeProject();
    ui.ExpectMessage(kSaveBeforeNew, kSaveBeforeNewCaption, Answer::No);
    NewProject(ui);
    EXPECT_EQ(Project().temperature, 20);
    EXPECT_EQ(Shell().current_file, "");
    EXPECT_FALSE(Shell().changes);
    EXPECT_FALSE(Shell().file_open);
}

TEST_F(FileCommands, OpenAsksAboutTheOpenFileEvenWhenNoneWasEverSaved) {
    ChangeProject();
    ui.ExpectMessage(kSaveBeforeOpen, kSaveBeforeOpenCaption, Answer::Cancel);
    OpenProject(ui);
    EXPECT_TRUE(ui.FileDialogs().empty());
    EXPECT_TRUE(Shell().changes);
    EXPECT_EQ(ui.Messages().front().buttons, Buttons::YesNoCancel);
}

TEST_F(FileCommands, OpenReadsTheChosenProject) {
    const std::string path = SavedProject("site.inp", 7);
    ChangeProject();
    Project().System_Properties_Entered = 1;
    ui.ExpectMessage(kSaveBeforeOpen, kSaveBeforeOpenCaption, Answer::No).ExpectOpenFile(path);
    OpenProject(ui);
    EXPECT_EQ(Project().temperature, 7);
    EXPECT_EQ(Project().System_Properties_Entered, 0);
    EXPECT_EQ(Shell().current_file, path);
    EXPECT_TRUE(Shell().file_open);
    EXPECT_FALSE(Shell().changes);
    EXPECT_FALSE(ui.FileDialogs().front().save);
}

TEST_F(FileCommands, OpenOfAnUnreadableFileKeepsTheProjectAndItsName) {
    ChangeProject();
    Shell().current_file = File("site.inp");
    ui.ExpectMessage(kSaveBeforeOpen, kSaveBeforeOpenCaption, Answer::No)
        .ExpectOpenFile(File("vanished.inp"))
        .ExpectMessage(kOpenFailed, kFileErrorCaption);
    OpenProject(ui);
    EXPECT_EQ(Project().temperature, 12.5);
    EXPECT_EQ(Shell().current_file, File("site.inp"));
    EXPECT_TRUE(Shell().changes);
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_F(FileCommands, CancelledOpenDialogChangesNothing) {
    Shell().current_file = File("site.inp");
    Project().temperature = 3;
    ui.ExpectOpenFile(std::nullopt);
    OpenProject(ui);
    EXPECT_EQ(Project().temperature, 3);
    EXPECT_EQ(ui.FileDialogs().front().initial_name, File("site.inp"));
}

}  // namespace
}  // namespace velmar::testing
