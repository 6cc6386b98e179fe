#include "interface/shell/options.h"

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

}  // namespace

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
