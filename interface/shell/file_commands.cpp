#include "interface/shell/file_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "interface/resources/strings.h"
#include "interface/session/state.h"
#include "project/file_names.h"
#include "project/project_file.h"

namespace velmar {
namespace {

const FileFilter kProjectFilter{kProjectFilterDescription, kProjectFilterPattern};

// Asks whether to save unsaved changes before the project is replaced; false when the
// command should stop.
bool OfferToSave(Ui& ui, const char* prompt, const char* caption) {
    if (!Shell().changes) return true;
    switch (ui.MessageBox(kMainWindow, prompt, caption, Buttons::YesNoCancel)) {
        case Answer::Yes: return SaveProject(ui, false);
        case Answer::No: return true;
        default: return false;
    }
}

// The name to save under, from the save dialog. The dialog asks before replacing the file
// it was given; when ".inp" is added and names another existing file, the user is asked
// here, and answering No shows the dialog again. Empty when the user cancels.
std::optional<std::string> AskProjectFileName(Ui& ui, std::string proposed) {
    for (;;) {
        const auto chosen = ui.AskSaveFileName(kMainWindow, kProjectFilter, proposed);
        if (!chosen) return std::nullopt;
        const std::string path = WithProjectExtension(*chosen);
        std::error_code unknown;  // a file that cannot be looked at is left to the save to report
        if (path == *chosen || !std::filesystem::exists(PathFromText(path), unknown)) return path;
        if (ui.MessageBox(kMainWindow, path + kReplaceExisting, kReplaceExistingCaption, Buttons::YesNo) ==
            Answer::Yes)
            return path;
        proposed = *chosen;
    }
}

}  // namespace

std::string WithProjectExtension(const std::string& chosen) {
    const std::string extension = ".inp";
    const bool has_extension =
        chosen.size() >= extension.size() &&
        std::equal(chosen.end() - extension.size(), chosen.end(), extension.begin(),
                   [](char c, char e) { return std::tolower(static_cast<unsigned char>(c)) == e; });
    return has_extension ? chosen : chosen + extension;
}

bool SaveProject(Ui& ui, bool as_new) {
    ShellState& shell = Shell();
    if (shell.changes && shell.exiting && !as_new) {
        switch (
            ui.MessageBox(kMainWindow, kSaveBeforeExiting, kSaveBeforeExitingCaption, Buttons::YesNoCancel)) {
            case Answer::Yes: break;
            case Answer::No: return true;
            default: return false;
        }
    }
    if (shell.current_file.empty() || as_new) {
        const auto path = AskProjectFileName(ui, shell.current_file);
        if (!path) return false;
        shell.current_file = *path;
    }
    std::error_code reason;
    if (WriteProjectFile(shell.current_file, Project(), &reason) != 0) {
        const std::string message = std::string(kSaveFailed) + kSaveFailedReason + reason.message() + ".";
        ui.MessageBox(kMainWindow, message, kFileErrorCaption, Buttons::Ok);
        return false;
    }
    shell.changes = false;
    return true;
}

void NewProject(Ui& ui) {
    if (!OfferToSave(ui, kSaveBeforeNew, kSaveBeforeNewCaption)) return;
    ClearProject();
    ShellState& shell = Shell();
    shell.file_open = false;
    shell.current_file.clear();
    shell.changes = false;
}

void OpenProject(Ui& ui) {
    if (!OfferToSave(ui, kSaveBeforeOpen, kSaveBeforeOpenCaption)) return;
    ShellState& shell = Shell();
    const auto chosen = ui.AskOpenFileName(kMainWindow, kProjectFilter, shell.current_file);
    if (!chosen) return;
    // Read into a copy, so that a file that cannot be read costs nothing.
    ProjectRecord read = Project();
    ClearEntryState(read);
    ResetToDefaults(read);
    if (ReadProjectFile(*chosen, read) != 0) {
        ui.MessageBox(kMainWindow, kOpenFailed, kFileErrorCaption, Buttons::Ok);
        return;
    }
    Project() = read;
    shell.current_file = *chosen;
    shell.file_open = true;
    shell.changes = false;
}

}  // namespace velmar
