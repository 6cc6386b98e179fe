#include "interface/shell/options.h"

#include "interface/resources/run_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"

namespace velmar {
namespace {

struct OptionEntry {
    const char* name;
    std::int32_t ProgramOptions::*value;
};

constexpr OptionEntry kOptions[] = {
    {"AutoSave", &ProgramOptions::AutoSave},
    {"TempSave", &ProgramOptions::TempSave},
    {"PromptMe", &ProgramOptions::PromptMe},
};

void SelectOnly(Dialog& d, int id) {
    for (int option : {kOptionAutoSave, kOptionTempSave, kOptionPromptMe}) d.SetChecked(option, option == id);
}

void ProgramOptionsProc(Dialog& d, const DialogEvent& e) {
    ProgramOptions& options = Shell().options;
    switch (e.kind) {
        case DialogEvent::Opened:
            // Each option that is set selects its button alone, so the last of them wins.
            if (options.AutoSave == 1) SelectOnly(d, kOptionAutoSave);
            if (options.TempSave == 1) SelectOnly(d, kOptionTempSave);
            if (options.PromptMe == 1) SelectOnly(d, kOptionPromptMe);
            break;
        case DialogEvent::Ok:
            options.AutoSave = d.Checked(kOptionAutoSave) ? 1 : 0;
            options.TempSave = d.Checked(kOptionTempSave) ? 1 : 0;
            options.PromptMe = d.Checked(kOptionPromptMe) ? 1 : 0;
            d.End(kOkId);
            break;
        case DialogEvent::Cancel: d.End(kCancelId); break;
        default: break;
    }
}

}  // namespace

void ShowProgramOptions(Ui& ui) {
    ui.ShowModal(kMainWindow, Template(kProgramOptionsDialog), ProgramOptionsProc);
}

void LoadProgramOptions(Ui& ui) {
    const ProgramOptions defaults;
    ProgramOptions& options = Shell().options;
    for (const OptionEntry& entry : kOptions) {
        options.*entry.value = ui.ReadOption(entry.name).value_or(defaults.*entry.value);
    }
}

void SaveProgramOptions(Ui& ui) {
    for (const OptionEntry& entry : kOptions) ui.WriteOption(entry.name, Shell().options.*entry.value);
}

}  // namespace velmar
