#include "interface/shell/run_model.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "interface/resources/run_templates.h"
#include "interface/resources/strings.h"
#include "interface/resources/templates.h"
#include "interface/results/results_screen.h"
#include "interface/session/program_files.h"
#include "interface/session/state.h"
#include "interface/shell/file_commands.h"
#include "project/file_names.h"
#include "project/project_file.h"
#include "project/results_layout.h"

namespace velmar {
namespace {

constexpr char kTemporaryDataFile[] = "data.tmp";

// The Save Data choices.
constexpr int kUseTemporaryFile = 1;
constexpr int kSaveCurrentFile = 2;
constexpr int kCancelRun = -1;

void Tell(Ui& ui, const std::string& text, const char* caption) {
    ui.MessageBox(kMainWindow, text, caption, Buttons::Ok);
}

bool WriteTemporaryDataFile(Ui& ui, const std::filesystem::path& folder) {
    if (WriteProjectFile(TextFromPath(folder / kTemporaryDataFile), Project()) == 0) return true;
    Tell(ui, "The temporary data file could not be written!", kFileErrorCaption);
    return false;
}

// Puts the project on disk as the program options say; the data file's name as the engine,
// started in the run folder, is to be given it, or nothing when the run is not to go ahead.
std::optional<std::string> ChooseDataFile(Ui& ui, const std::filesystem::path& run_folder) {
    ShellState& shell = Shell();
    const ProgramOptions& options = shell.options;
    if (options.AutoSave == 1 && !shell.current_file.empty()) {
        if (WriteProjectFile(shell.current_file, Project()) != 0) {
            Tell(ui, "The inp file could not be updated!", kFileErrorCaption);
            return std::nullopt;
        }
        shell.changes = false;
        return shell.current_file;
    }
    if (options.AutoSave == 1) {
        Tell(ui, "You must save the current settings before running the model.", "Must Save Settings");
        if (!SaveProject(ui, false)) return std::nullopt;
        return shell.current_file;
    }
    switch (options.TempSave == 1 ? kUseTemporaryFile : AskSaveData(ui)) {
        case kUseTemporaryFile:
            if (!WriteTemporaryDataFile(ui, run_folder)) return std::nullopt;
            return kTemporaryDataFile;
        case kSaveCurrentFile:
            if (!SaveProject(ui, false)) return std::nullopt;
            return shell.current_file;
        default: return std::nullopt;
    }
}

void RemoveQuietly(const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

void SaveDataProc(Dialog& d, const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::Opened: d.SetChecked(kSaveDataTemporary, true); break;
        case DialogEvent::Ok:
            d.End(d.Checked(kSaveDataTemporary) ? kUseTemporaryFile : kSaveCurrentFile);
            break;
        case DialogEvent::Cancel: d.End(kCancelRun); break;
        default: break;
    }
}

}  // namespace

void RunModel(Ui& ui) {
    const std::filesystem::path folder = RunFolder();
    const std::optional<std::string> data_file = ChooseDataFile(ui, folder);
    if (!data_file) return;

    // A results file left from an earlier run must not pass for this run's.
    const std::filesystem::path results_file = folder / kResultsFileName;
    RemoveQuietly(results_file);
    const ProgramExit run =
        ui.RunProgramAndWait(TextFromPath(std::filesystem::absolute(ProgramFile(kEngineFile))), {*data_file},
                             TextFromPath(folder));
    if (run.start_error != 0) {
        Tell(ui, "Error " + std::to_string(run.start_error) + " occured while attempting to run the model!",
             "Error Executing Model");
        return;
    }
    // A failed run's file, whole or not, holds no results of this project.
    ShowResultsScreen(ui, kMainWindow, run.status == 0, TextFromPath(results_file));
    RemoveQuietly(folder / kTemporaryDataFile);
    RemoveQuietly(results_file);
}

int AskSaveData(Ui& ui) {
    return ui.ShowModal(kMainWindow, Template(kSaveDataDialog), SaveDataProc);
}

}  // namespace velmar
