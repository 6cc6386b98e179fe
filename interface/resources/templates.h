// The dialog templates of the front end, by number.
#pragma once

#include <vector>

#include "interface/platform/dialog_template.h"

namespace velmar {

enum TemplateNumber : int {
    kAboutDialog = 103,
    kGeometrySelectionScreen = 138,
    kSystemPropertiesScreen = 139,
    kSystemContinuedScreen = 140,
    kConstituentSelectionScreen = 141,
    kTPRemovalOptionsScreen = 142,
    kDetailedInformationDialog = 143,
    kDataInputSelectionScreen = 144,
    kTssOptionSelectionScreen = 145,
    kTssVsChoiceScreen = 146,
    kTssVsDataScreen = 147,
    kTssParticleDataScreen = 148,
    kTssAccretionChoiceScreen = 149,
    kTssAccretionDataScreen = 150,
    kTssAccretionPorosityDataScreen = 151,
    kTssBurialChoiceScreen = 152,
    kTssBurialDataScreen = 153,
    kTssBurialPorosityDataScreen = 154,
    kTCBDataScreen = 155,
    kBODDataScreen = 156,
    kTNKnownParameterScreen = 157,
    kTNRateBasisScreen = 158,
    kTNRateVolumetricScreen = 159,
    kTNRateArealScreen = 160,
    kTNDenitrificationScreen = 161,
    kTPRateBasisScreen = 162,
    kTPRateArealScreen = 163,
    kTPRateVolumetricScreen = 164,
    kContaminantInfoScreen = 165,
    kHalfLivesScreen = 166,
    kSedimentChoiceScreen = 167,
    kSedimentDataScreen = 168,
    kHeavyMetalMassTransferScreen = 171,
    kOrganicCoefficientChoiceScreen = 175,
    kOrganicRemovalRatesScreen = 176,
    kOrganicMassTransferScreen = 177,
    kHeavyMetalKdwChoiceScreen = 178,
    kHeavyMetalInputScreen = 179,
    kHelpTextDialog = 182,
    kTPLoadTypeScreen = 185,
    kEstablishedWetlandScreen = 186,
    kMassTransferScreen = 187,
    kVelocitySummaryScreen = 188,
    kTPMethodSelectionScreen = 189,
    kNewWetlandOptionsScreen = 190,
    kBulkDensityChoiceScreen = 191,
    kWetlandAgeScreen = 192,
    kNewWetlandInputScreen = 193,
    kInflowConcentrationScreen = 195,
    kProgramOptionsDialog = 198,
    kSaveDataDialog = 199,
    kDisclaimerDialog = 200,
    kCalculatedSurficialValuesScreen = 203,
    kTssCalculatedValuesScreen = 204,
    kCalculatedSedimentValuesScreen = 205,
    kCalculatedOrganicValuesScreen = 206,
    kCalculatedHeavyMetalValuesScreen = 207,
    kResultsDialog = 208,
    kComparisonDialog = 209,
    kSweepWindow = 400,
    kSizeWindow = 401,
    kUncertaintyWindow = 402,
    kCompareWindow = 403,
    kSeriesWindow = 404,
    kCalibrateWindow = 405,
};

// Every hand-laid template the program holds, in number order. The data-entry screens
// lay out their own templates from their tables (interface/screens/framework/screen_table.h).
const std::vector<const DialogTemplate*>& AllTemplates();

// The template with this number. Asking for a number the program does not hold is a
// programming error and ends the program.
const DialogTemplate& Template(int number);

// The templates of each family of windows, gathered by AllTemplates.
const std::vector<DialogTemplate>& ShellTemplates();
const std::vector<DialogTemplate>& RunTemplates();
const std::vector<DialogTemplate>& ComparisonTemplates();
const std::vector<DialogTemplate>& AnalysisTemplates();

}  // namespace velmar
