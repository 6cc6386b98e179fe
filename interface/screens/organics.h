// The contaminant entry and the organic chemical screens. The entry screen sets how many
// organic chemicals (or short-lived radionuclides) and heavy metals (or long-lived
// radionuclides) are modelled and how organic chemicals are removed: by one overall
// half-life each, or by the individual processes — decay in the water and in the pore
// water, sorption to suspended and bed sediment, volatilization and diffusion into the bed.
#pragma once

#include "interface/platform/ui.h"
#include "project/record.h"

namespace velmar {

// Control ids, one set per screen.
namespace contaminant_info {
enum : int {
    kEnterLabel = 9401,
    kOrganicCount = 9402,
    kMetalCount = 9403,
    kOptionsGroup = 9404,
    kHalfLifeButton = 9405,
    kRemovalButton = 9406,
    kInfoHelp = 9407,
};
}  // namespace contaminant_info

namespace half_lives {
enum : int {
    kHeading = 9411,
    kNameRow = 9412,
    kHalfLifeRow = 9413,
    kHalfLivesHelp = 9414,
};
}  // namespace half_lives

namespace organic_coefficient_choice {
enum : int {
    kKdwGroup = 9421,
    kKdwInput = 9422,
    kKdwCalculate = 9423,
    kKdsGroup = 9424,
    kKdsInput = 9425,
    kKdsCalculate = 9426,
    kKvGroup = 9427,
    kKvInput = 9428,
    kKvCalculate = 9429,
    kChoiceHelp = 9430,
};
}  // namespace organic_coefficient_choice

// The rows of the removal rate screen; a row of a chemical's own value has a field per
// chemical (SlotId), a shared row one field.
namespace organic_removal_rates {
enum : int {
    kHeading = 9441,
    kNameRow = 9442,
    kDiffusivityRow = 9443,
    kWaterCarbonRow = 9444,
    kBedCarbonRow = 9445,
    kKowRow = 9446,
    kHenryRow = 9447,
    kWaterDecayRow = 9448,
    kBedDecayRow = 9449,
    kMolecularWeightRow = 9450,
    kWaterDocRow = 9451,
    kBedDocRow = 9452,
    kWindRow = 9453,
    kThicknessRow = 9454,
    kVolatilizationRow = 9455,
    kKdwRow = 9456,
    kKdsRow = 9457,
    kSuspendedSolidsRow = 9458,
    kRatesHelp = 9459,
};
}  // namespace organic_removal_rates

namespace calculated_organic_values {
enum : int {
    kNameRow = 9461,
    kKdwRow = 9462,
    kKdsRow = 9463,
    kKvRow = 9464,
    kCalculatedHelp = 9465,
};
}  // namespace calculated_organic_values

// One velocity field per chemical, kVelocityField1 + k, with its note.
namespace organic_mass_transfer {
enum : int {
    kVelocityField1 = 9471,
    kNote1 = 9474,
    kTransferHelp = 9477,
};
}  // namespace organic_mass_transfer

// The hub's "Contaminant Data", once TSS data exist: the entry screen opened for the
// contaminant chain, on the committed choices.
bool ShowContaminantData(Ui& ui, Owner owner);

// The screens' opener loads the working copies of the contaminant information; the half
// lives, coefficient choice, removal rates and mass transfer load their own. The calculated
// values screen calculates the coefficients chosen on the coefficient screen as it opens.

// Where the contaminant chain goes once its sediment data are accepted: the organic
// coefficient screen when organic chemicals are removed by processes, the heavy metal
// screens when there are metals and no such organic chain to lead to them.
bool ContinueContaminantChainAfterSediment(Ui& ui, Owner owner);

// The distribution coefficients (from Kow) and volatilization rates (two-film model) of
// the chemicals in use, where the coefficient screen chose to calculate them.
void ComputeOrganicCoefficients(ProjectRecord& r);

// The mass transfer velocity of each chemical whose velocity is to be recalculated.
void ComputeOrganicMassTransfer(ProjectRecord& r);

struct DataScreen;
extern const DataScreen kContaminantInfo;
extern const DataScreen kHalfLives;
extern const DataScreen kOrganicCoefficientChoice;
extern const DataScreen kOrganicRemovalRates;
extern const DataScreen kCalculatedOrganicValues;
extern const DataScreen kOrganicMassTransfer;

}  // namespace velmar
