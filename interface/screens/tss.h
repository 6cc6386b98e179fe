// The total suspended solids screens: how the net settling velocity Vn is estimated (equal
// to the particle settling velocity, from the surficial accretion rate, or from the active
// layer burial velocity), whether the quantity behind it is entered or calculated, the data
// of each of the six paths, and the values calculated from them.
#pragma once

#include "interface/platform/ui.h"
#include "project/record.h"

namespace velmar {

// Control ids, one set per screen.
namespace tss_option_selection {
enum : int {
    kSelectionHelp = 1024,
    kVnEqualsVsButton = 1058,
    kAccretionButton = 1059,
    kBurialButton = 1060,
    kSelectLabel = 9101,
};
}  // namespace tss_option_selection

// The three second screens, one per option.
namespace tss_continued {
enum : int {
    kVsInputButton = 1007,
    kVsCalculateButton = 1008,
    kContinuedHelp = 1024,
    kAccretionInputButton = 1032,
    kAccretionCalculateButton = 1033,
    kBurialInputButton = 1037,
    kBurialCalculateButton = 1038,
    kCheckLabel = 9111,
    kQuantityLabel = 9112,
};
}  // namespace tss_continued

// The six data screens; each shows the fields of its path.
namespace tss_data {
enum : int {
    kDataHelp = 1024,
    kVsField = 1028,
    kParticleDiameterField = 1030,
    kSpecificGravityField = 1031,
    kSurficialBulkDensityField = 1032,
    kDrySedimentDensityField = 1033,
    kSolidsConcentrationField = 1034,
    kAccretionRateField = 1035,
    kSurficialPorosityField = 1036,
    kBurialVelocityField = 1039,
    kActiveBulkDensityField = 1040,
    kActivePorosityField = 1041,
    kEnterLabel = 9121,
};
}  // namespace tss_data

namespace tss_calculated {
enum : int {
    kCalculatedHelp = 1024,
    kActiveBulkDensityField = 1040,
    kSurficialBulkDensityField = 1114,
    kVnField = 1221,
};
}  // namespace tss_calculated

struct DataScreen;

// The screens' tables, for the registry; the chain opens with Show<kTssOptionSelection>.
extern const DataScreen kTssOptionSelection;
extern const DataScreen kTssVsChoice;
extern const DataScreen kTssAccretionChoice;
extern const DataScreen kTssBurialChoice;
extern const DataScreen kTssVsData;
extern const DataScreen kTssParticleData;
extern const DataScreen kTssAccretionData;
extern const DataScreen kTssAccretionPorosityData;
extern const DataScreen kTssBurialData;
extern const DataScreen kTssBurialPorosityData;
extern const DataScreen kTssCalculatedValues;

// What accepting TSS data commits: the sediment values, their known-value flags and
// entered marks from their working copies, and the marks that TSS data exists.
void CommitTSS(ProjectRecord& r);

}  // namespace velmar
