#include "interface/shell/menu_commands.h"

#include "interface/analysis/calibrate_window.h"
#include "interface/analysis/compare_window.h"
#include "interface/analysis/series_window.h"
#include "interface/analysis/size_window.h"
#include "interface/analysis/sweep_window.h"
#include "interface/analysis/uncertainty_window.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/strings.h"
#include "interface/screens/constituent_selection.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/system.h"
#include "interface/session/program_files.h"
#include "interface/session/state.h"
#include "interface/shell/about.h"
#include "interface/shell/file_commands.h"
#include "interface/shell/options.h"
#include "interface/shell/run_model.h"
#include "interface/shell/screen_inputs.h"

namespace velmar {
namespace {

void ConstituentData(Ui& ui) {
    if (Project().System_Properties_Entered != 1) {
        ui.MessageBox(kMainWindow, kSystemDataFirst, kSystemDataFirstCaption, Buttons::Ok);
        return;
    }
    Show<kDataInputSelection>(ui, kMainWindow);
}

// The geometry selection screen opens on the committed choice whatever screen was
// cancelled before, so the main window brings the working copies back in line first.
void SyncGeometrySelection() {
    RevertGeometryChoice(Project());
}

struct CommandEntry {
    int command;
    void (*run)(Ui&);
};

constexpr CommandEntry kCommands[] = {
    {kCommandNew, NewProject},
    {kCommandOpen, OpenProject},
    {kCommandSave, [](Ui& ui) { SaveProject(ui, false); }},
    {kCommandSaveAs, [](Ui& ui) { SaveProject(ui, true); }},
    {kCommandExit, [](Ui& ui) { ui.PostCloseRequest(); }},
    {kCommandRunModel, RunModel},
    {kCommandSweep, [](Ui& ui) { ShowSweepWindow(ui, ScreenInputs()); }},
    {kCommandSize, [](Ui& ui) { ShowSizeWindow(ui, ScreenInputs()); }},
    {kCommandUncertainty, [](Ui& ui) { ShowUncertaintyWindow(ui, ScreenInputs()); }},
    {kCommandCompare, ShowCompareWindow},
    {kCommandSeries, ShowSeriesWindow},
    {kCommandCalibrate, [](Ui& ui) { ShowCalibrateWindow(ui, ScreenInputs()); }},
    {kCommandSystemData, [](Ui& ui) { ShowGeometrySelection(ui, kMainWindow); }},
    {kCommandSelectConstituents, [](Ui& ui) { Show<kConstituentSelection>(ui, kMainWindow); }},
    {kCommandConstituentData, ConstituentData},
    {kCommandInflowConcentrations, [](Ui& ui) { Show<kInflowConcentrations>(ui, kMainWindow); }},
    {kCommandResetDefaults, [](Ui&) { ResetToDefaults(Project()); }},
    {kCommandOptions, ShowProgramOptions},
    {kCommandModelOverview,
     [](Ui& ui) { ui.OpenDocument(TextFromPath(ProgramFile(kModelOverviewDocument))); }},
    {kCommandGeneralInstructions,
     [](Ui& ui) { ui.OpenDocument(TextFromPath(ProgramFile(kGeneralInstructionsDocument))); }},
    {kCommandAbout, [](Ui& ui) { ShowAbout(ui, kMainWindow); }},
};

}  // namespace

bool RunMenuCommand(Ui& ui, int command) {
    SyncGeometrySelection();
    for (const CommandEntry& entry : kCommands) {
        if (entry.command != command) continue;
        entry.run(ui);
        return true;
    }
    return false;
}

bool CloseRequest(Ui& ui) {
    SyncGeometrySelection();
    SaveProgramOptions(ui);
    ShellState& shell = Shell();
    if (!shell.changes) return true;
    shell.exiting = true;
    const bool may_close = SaveProject(ui, false);
    shell.exiting = false;
    return may_close;
}

}  // namespace velmar
