#include "interface/shell/file_commands.h"

#include <algorithm>
#include <cctype>

#include "interface/resources/strings.h"
#include "interface/session/state.h"
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
        const auto chosen = ui.AskSaveFileName(kMainWindow, kProjectFilter, shell.current_file);
        if (!chosen) return false;
        shell.current_file = WithProjectExtension(*chosen);
    }
    if (WriteProjectFile(shell.current_file, Project()) != 0) {
        ui.MessageBox(kMainWindow, kSaveFailed, kFileErrorCaption, Buttons::Ok);
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
