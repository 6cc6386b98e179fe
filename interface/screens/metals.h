// The heavy metal screens. A heavy metal (or long-lived radionuclide) does not decay: it
// leaves the water only by sorbing to settling solids and by diffusing into the bed. For
// each metal the user gives its sediment distribution coefficient and its diffusivity; the
// water column coefficient is entered or estimated from the suspended solids, and the mass
// transfer velocity into the bed is calculated from the diffusivity or entered.
#pragma once

#include "interface/platform/ui.h"
#include "project/record.h"

namespace velmar {

// Control ids, one set per screen.
namespace heavy_metal_kdw_choice {
enum : int {
    kKdwLabel = 9501,
    kInputButton = 9502,
    kCalculateButton = 9503,
    kChoiceHelp = 9504,
};
}  // namespace heavy_metal_kdw_choice

// A row of a metal's own value has a field per metal (SlotId), a shared row one field.
namespace heavy_metal_input {
enum : int {
    kHeading = 9511,
    kNameRow = 9512,
    kDiffusivityRow = 9513,
    kKdsRow = 9514,
    kKdwRow = 9515,
    kSuspendedSolidsRow = 9516,
    kThicknessRow = 9517,
    kInputHelp = 9518,
};
}  // namespace heavy_metal_input

namespace calculated_heavy_metal_values {
enum : int {
    kNameRow = 9521,
    kKdwRow = 9522,
    kCalculatedHelp = 9523,
};
}  // namespace calculated_heavy_metal_values

// One velocity field per metal, kVelocityField1 + k, with its note.
namespace heavy_metal_mass_transfer {
enum : int {
    kVelocityField1 = 9531,
    kNote1 = 9534,
    kTransferHelp = 9537,
};
}  // namespace heavy_metal_mass_transfer

// The chain 178 -> 179 -> [207] -> 171 -> velocity summary. Each screen but the
// calculated values (which estimates the water column coefficients as it opens) loads its
// own working copies.

// The water column distribution coefficient of every metal in use, from the suspended
// solids concentration.
void ComputeHeavyMetalCoefficients(ProjectRecord& r);

// The mass transfer velocity of each metal whose velocity is to be recalculated; the
// working copies of the metals in use then show the velocities.
void ComputeHeavyMetalMassTransfer(ProjectRecord& r);

struct DataScreen;
extern const DataScreen kHeavyMetalKdwChoice;
extern const DataScreen kHeavyMetalInput;
extern const DataScreen kCalculatedHeavyMetalValues;
extern const DataScreen kHeavyMetalMassTransfer;

}  // namespace velmar
