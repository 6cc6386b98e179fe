// The total phosphorus screens. A specified removal rate is entered on an areal or a
// volumetric basis; a calculated one needs the wetland's age class: a new wetland,
// described by the phosphorus fractions of its water column, or an established one at
// sorption equilibrium, described by sorption constants, the loading and the active
// sediment layer. When the class is not known, the age determination compares the years
// the active layer's sorption capacity lasts under the loading with the wetland's age.
#pragma once

#include "interface/platform/ui.h"
#include "project/record.h"

namespace velmar {

// Control ids, one set per screen.
namespace tp_rate_basis {
enum : int {
    kBasisLabel = 9201,
    kArealButton = 9202,
    kVolumetricButton = 9203,
    kBasisHelp = 9204,
};
}  // namespace tp_rate_basis

// The areal and the volumetric rate screens share their layout.
namespace tp_rate {
enum : int {
    kEnterLabel = 9211,
    kRateField = 9212,
    kRateNote = 9213,
    kRateHelp = 9214,
};
}  // namespace tp_rate

namespace tp_method {
enum : int {
    kSelectLabel = 9221,
    kAgeGroup = 9222,
    kNewButton = 9223,
    kEstablishedButton = 9224,
    kDetermineButton = 9225,
    kMethodHelp = 9226,
};
}  // namespace tp_method

namespace new_wetland_options {
enum : int {
    kChooseLabel = 9231,
    kFpwButton = 9232,
    kFdwButton = 9233,
    kFi1Button = 9234,
    kFi2Button = 9235,
    kFo1Button = 9236,
    kFo2Button = 9237,
    kFi3Button = 9238,
    kFo3Button = 9239,
    kNoteLabel = 9240,
    kOptionsHelp = 9241,
};
}  // namespace new_wetland_options

namespace new_wetland_input {
enum : int {
    kEnterLabel = 9251,
    kFiField = 9252,
    kFoField = 9253,
    kKdwField = 9254,
    kFpwField = 9255,
    kFdwField = 9256,
    kFpwlField = 9257,
    kFdwlField = 9258,
    kSuspendedSolidsField = 9259,
    kInputHelp = 9260,
};
}  // namespace new_wetland_input

namespace tp_load_type {
enum : int {
    kSelectLabel = 9271,
    kLoadButton = 9272,
    kQiCiButton = 9273,
    kLoadTypeHelp = 9274,
};
}  // namespace tp_load_type

namespace bulk_density_choice {
enum : int {
    kSelectionLabel = 9281,
    kQuantityGroup = 9282,
    kInputButton = 9283,
    kCalculateButton = 9284,
    kChoiceHelp = 9285,
};
}  // namespace bulk_density_choice

namespace wetland_age {
enum : int {
    kHeading = 9291,
    kThicknessField = 9292,
    kSorptionCapacityField = 9293,
    kAgeField = 9294,
    kDailyLoadingField = 9295,
    kFlowField = 9296,
    kConcentrationField = 9297,
    kBulkDensityField = 9298,
    kPorosityField = 9299,
    kDryDensityField = 9300,
    kAgeHelp = 9301,
};
}  // namespace wetland_age

namespace established_wetland {
enum : int {
    kHeading = 9311,
    kBondingField = 9312,
    kSorptionField = 9313,
    kSedimentInorganicField = 9314,
    kWaterInorganicField = 9315,
    kLoadingField = 9316,
    kFlowField = 9317,
    kConcentrationField = 9318,
    kSuspendedSolidsField = 9319,
    kBulkDensityField = 9320,
    kPorosityField = 9321,
    kDryDensityField = 9322,
    kSettlingField = 9323,
    kDiameterField = 9324,
    kGravityField = 9325,
    kEstablishedHelp = 9326,
};
}  // namespace established_wetland

namespace mass_transfer {
enum : int {
    kVdField = 9331,
    kVdNote = 9332,
    kTransferHelp = 9333,
};
}  // namespace mass_transfer

// The hub's "Phosphorous Data": the basis screen of a specified rate; otherwise, once TSS
// data exist, the wetland age / methods screen.
bool ShowPhosphorusData(Ui& ui, Owner owner);

// The chains. Each returns whether the user accepted the screen; the caller has loaded its
// working copies unless said otherwise (the new wetland input loads its own).
// Loads its working copies itself, from the option flags.
bool ShowNewWetlandOptions(Ui& ui, Owner owner);

// The load-type screen opens the age determination, or the established-wetland parameters.
// It loads its own working copies as each variant needs.
enum class LoadTypeVariant { Determination, Established };
bool ShowTPLoadType(Ui& ui, Owner owner, LoadTypeVariant variant);
bool ShowWetlandAgeDetermination(Ui& ui, Owner owner);

// Where the phosphorus chain goes once its sediment data are accepted: an established
// wetland's load type. Accepted at once on any other path.
bool ContinuePhosphorusChainAfterSediment(Ui& ui, Owner owner);

struct DataScreen;
extern const DataScreen kTPRateBasis;
extern const DataScreen kTPRateAreal;
extern const DataScreen kTPRateVolumetric;
extern const DataScreen kTPMethodSelection;
extern const DataScreen kNewWetlandOptions;
extern const DataScreen kNewWetlandInput;
extern const DataScreen kTPLoadTypeDetermination;
extern const DataScreen kTPLoadTypeEstablished;
extern const DataScreen kBulkDensityChoice;
extern const DataScreen kWetlandAgeDetermination;
extern const DataScreen kEstablishedWetlandInput;
extern const DataScreen kTPMassTransfer;

}  // namespace velmar
