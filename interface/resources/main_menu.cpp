#include "interface/resources/main_menu.h"

#include "interface/resources/command_ids.h"

namespace velmar {

const std::array<MenuItem, 21> kMainMenu{{
    {"&File", "&New", kCommandNew},
    {"&File", "&Open", kCommandOpen},
    {"&File", "&Save", kCommandSave},
    {"&File", "Save &As", kCommandSaveAs},
    {"&File", "E&xit", kCommandExit, true},
    {"&Model", "&Run Model", kCommandRunModel},
    {"&Analysis", "&Sweep...", kCommandSweep},
    {"&Analysis", "&Uncertainty...", kCommandUncertainty},
    {"&Analysis", "Si&ze...", kCommandSize},
    {"&Analysis", "&Compare with P-k-C*...", kCommandCompare},
    {"&Analysis", "&Time Series...", kCommandSeries},
    {"&Analysis", "C&alibrate...", kCommandCalibrate},
    {"&Input Data", "S&ystem Data", kCommandSystemData},
    {"&Input Data", "&Select Constituents", kCommandSelectConstituents},
    {"&Input Data", "Constituent D&ata", kCommandConstituentData},
    {"&Input Data", "In&flow Concentrations", kCommandInflowConcentrations},
    {"&Input Data", "&Reset Defaults", kCommandResetDefaults, true},
    {"&Options", nullptr, kCommandOptions},
    {"&Help", "Model Overvie&w", kCommandModelOverview},
    {"&Help", "&General Instructions", kCommandGeneralInstructions},
    {"&Help", "&About ...", kCommandAbout, true},
}};

const std::array<Accelerator, 2> kMainAccelerators{{
    {"Alt+?", kCommandAbout},
    {"Alt+/", kCommandAbout},
}};

}  // namespace velmar
