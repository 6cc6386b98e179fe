#include "interface/shell/file_commands.h"

#include <sys/stat.h>

#include "interface/resources/strings.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"
#include "tests/support/file_faults.h"

namespace velmar::testing {
namespace {

namespace fs = std::filesystem;

std::string SaveFailedBecause(std::errc reason) {
    return std::string(kSaveFailed) + kSaveFailedReason + std::make_error_code(reason).message() + ".";
}

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
    // Each a name of its own: on Windows "Wetland.inp" and "Wetland.INP" are one file.
    const std::pair<std::string, std::string> kNames[] = {
        {"Wetland.INP", "Wetland.INP"}, {"Marsh.txt", "Marsh.txt.inp"}, {"Fen", "Fen.inp"}};
    for (const auto& [typed, saved] : kNames) {
        ui.ExpectSaveFile(File(typed));
        EXPECT_TRUE(SaveProject(ui, true));
        EXPECT_EQ(Shell().current_file, File(saved));
        EXPECT_TRUE(std::filesystem::exists(File(saved))) << saved;
    }
    const ScriptedUi::FileDialogRecord& dialog = ui.FileDialogs().front();
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.owner, Owner::MainWindow);
    ASSERT_EQ(dialog.filters.size(), 1u);
    EXPECT_EQ(dialog.filters[0].description, "Velmar Files (*.inp)");
    EXPECT_EQ(dialog.filters[0].pattern, "*.inp");
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

TEST_F(FileCommands, SaveAsAsksBeforeTheAddedExtensionReplacesAFileAndNoReturnsToTheDialog) {
    const std::string wetland = SavedProject("Wetland.inp", 7);
    const std::string question = wetland + kReplaceExisting;
    ChangeProject();
    ui.ExpectSaveFile(File("Wetland"))
        .ExpectMessage(question, kReplaceExistingCaption, Answer::No)
        .ExpectSaveFile(File("Pond"));
    EXPECT_TRUE(SaveProject(ui, true));
    EXPECT_EQ(Shell().current_file, File("Pond.inp"));
    EXPECT_EQ(ui.FileDialogs().back().initial_name, File("Wetland"));
    EXPECT_EQ(ui.Messages().front().buttons, Buttons::YesNo);
    ProjectRecord read = ProgramStartRecord();
    ASSERT_EQ(ReadProjectFile(wetland, read), 0);
    EXPECT_EQ(read.temperature, 7);

    ui.ExpectSaveFile(File("Wetland"))
        .ExpectMessage(question, kReplaceExistingCaption, Answer::No)
        .ExpectSaveFile(std::nullopt);
    EXPECT_FALSE(SaveProject(ui, true));
    EXPECT_EQ(Shell().current_file, File("Pond.inp"));

    ui.ExpectSaveFile(File("Wetland")).ExpectMessage(question, kReplaceExistingCaption, Answer::Yes);
    EXPECT_TRUE(SaveProject(ui, true));
    EXPECT_EQ(Shell().current_file, wetland);
    ASSERT_EQ(ReadProjectFile(wetland, read), 0);
    EXPECT_EQ(read.temperature, 12.5);
    EXPECT_TRUE(ui.ScriptDone());
}

// Hard and symbolic links, folder modes and a full disk are faults of POSIX file systems.
#ifndef _WIN32
// Each failure leaves the folder as it was, down to the links and without a temporary
// file, says why, and keeps the changes to be saved.
TEST_F(FileCommands, FailedSaveLeavesTheFolderAsItWasTellsWhyAndKeepsTheChangesFlag) {
    constexpr std::size_t kRoomy = SIZE_MAX;
    struct Fault {
        const char* what;
        std::string path;
        std::size_t free_bytes;
        mode_t file_mode;
        mode_t folder_mode;
        std::errc reason;
    };
    const std::string site = SavedProject("site.inp", 7);
    fs::create_hard_link(site, File("shared.inp"));
    fs::create_symlink("site.inp", File("link.inp"));
    fs::create_directory(File("folder.inp"));
    const Fault faults[] = {
        {"full disk", site, 5000, 0644, 0755, std::errc::no_space_on_device},
        {"full disk, through a link", File("link.inp"), 5000, 0644, 0755, std::errc::no_space_on_device},
        {"full disk, second hard link", File("shared.inp"), 0, 0644, 0755, std::errc::no_space_on_device},
        {"read-only file", site, kRoomy, 0444, 0755, std::errc::permission_denied},
        {"read-only folder", site, kRoomy, 0644, 0555, std::errc::permission_denied},
        {"target is a folder", File("folder.inp"), kRoomy, 0644, 0755, std::errc::is_a_directory},
        {"folder vanished", File("gone/site.inp"), kRoomy, 0644, 0755, std::errc::no_such_file_or_directory},
    };
    const fs::path folder = fs::current_path();
    HandToOrdinaryUser(folder);
    AsOrdinaryUser([&] {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(fault.what);
            ASSERT_EQ(::chmod(site.c_str(), fault.file_mode), 0);
            ASSERT_EQ(::chmod(folder.c_str(), fault.folder_mode), 0);
            const auto before = FolderContents(folder);
            ChangeProject();
            Shell().current_file = fault.path;
            ui.ExpectMessage(SaveFailedBecause(fault.reason), kFileErrorCaption);
            {
                FullDisk disk(fault.free_bytes);
                EXPECT_FALSE(SaveProject(ui, false));
            }
            EXPECT_TRUE(ui.ScriptDone());
            EXPECT_TRUE(Shell().changes);
            EXPECT_EQ(FolderContents(folder), before);
            ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
        }
    });
}
#endif

TEST_F(FileCommands, WriteProtectedProjectOpensAndIsSavedOnlyUnderAnotherName) {
    const std::string path = SavedProject("site.inp", 7);
    HandToOrdinaryUser(fs::current_path());
    AsOrdinaryUser([&] {
        ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
        ui.ExpectOpenFile(path);
        OpenProject(ui);
        EXPECT_EQ(Project().temperature, 7);
        EXPECT_EQ(Shell().current_file, path);

        ChangeProject();
        ui.ExpectMessage(SaveFailedBecause(std::errc::permission_denied), kFileErrorCaption);
        EXPECT_FALSE(SaveProject(ui, false));
        EXPECT_TRUE(Shell().changes);

        ui.ExpectSaveFile(File("copy"));
        EXPECT_TRUE(SaveProject(ui, true));
        EXPECT_FALSE(Shell().changes);
        EXPECT_EQ(Shell().current_file, File("copy.inp"));
        EXPECT_TRUE(ui.ScriptDone());
    });
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
