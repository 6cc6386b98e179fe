// Control ids of the model run's dialogs: Program Options, Save Data, the results screen.
#pragma once

#include <vector>

#include "interface/platform/dialog_template.h"

namespace velmar {

enum RunControl : int {
    kOptionAutoSave = 1201,
    kOptionPromptMe = 1202,
    kOptionTempSave = 1203,
    kSaveDataTemporary = 1195,
    kSaveDataToFile = 1196,
    kResultsPrint = 3201,
    kResultsSave = 3202,
    kResultsHelp = 3203,
    kResultsCompare = 3204,
    kResultsHeadingRates = 3211,
    kResultsHeadingEfficiencies = 3212,
    kResultsHeadingOutflow = 3213,
    kResultsHeadingSediment = 3214,
    kResultsTpNote = 3215,
};

// What an established wetland's TP removal efficiency of -999 means: shown on the results
// screen under the results, and written after the efficiency in both reports.
inline constexpr char kTpNotConvergedNote[] =
    " Note: -999 indicates that the maximum number of iterations was exceeded!";

// The results screen's headings, and the entries whose rows stand under each.
inline constexpr int kResultsHeadings[] = {kResultsHeadingRates, kResultsHeadingEfficiencies,
                                           kResultsHeadingOutflow, kResultsHeadingSediment};
std::vector<int> ResultsHeadingEntries(int heading);

// The results screen's label and value controls of a results entry (1 to 95) that has a row.
int ResultsLabelId(int entry);
int ResultsValueId(int entry);

}  // namespace velmar
