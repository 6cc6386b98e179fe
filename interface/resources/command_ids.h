// Main window command numbers.
#pragma once

namespace velmar {

enum Command : int {
    kCommandNew = 184,
    kCommandOpen = 129,
    kCommandSave = 130,
    kCommandSaveAs = 196,
    kCommandExit = 105,
    kCommandRunModel = 132,
    kCommandSweep = 401,
    kCommandSize = 402,
    kCommandUncertainty = 403,
    kCommandCompare = 404,
    kCommandSeries = 405,
    kCommandCalibrate = 406,
    kCommandSystemData = 134,
    kCommandSelectConstituents = 135,
    kCommandConstituentData = 136,
    kCommandInflowConcentrations = 194,
    kCommandResetDefaults = 137,
    kCommandOptions = 1217,
    kCommandModelOverview = 201,
    kCommandGeneralInstructions = 202,
    kCommandAbout = 104,
};

}  // namespace velmar
