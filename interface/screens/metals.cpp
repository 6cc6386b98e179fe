#include "interface/screens/metals.h"

#include "interface/resources/templates.h"
#include "interface/screens/contaminant_families.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/shared_sediment.h"
#include "interface/session/state.h"
#include "project/contaminants.h"
#include "project/slots.h"

namespace velmar {
namespace {

using R = ProjectRecord;

// ---- Water column distribution coefficient: entered or estimated ----

using namespace heavy_metal_kdw_choice;

constexpr Row kChoiceRows[] = {
    Text(kKdwLabel, "Water Column Distribution Coefficient (Kdw):"),
    Radio(kInputButton, "Input", &R::checked_HMKdwInput_temp, &R::checked_HMKdwInput),
    Radio(kCalculateButton, "Calculate", &R::checked_HMKdwCalc_temp, &R::checked_HMKdwCalc).BesidePrevious(),
};

void KdwChosen(ScreenContext& c) {
    c.r.HM_called = 1;
}

// ---- Heavy metal input ----

using namespace heavy_metal_input;

// The first metal's column is always open.
bool ColumnOpen(const R& r, int slot) {
    return slot == 0 || SlotInUse<kHeavyMetals>(r, slot);
}

bool KdwEntered(const R& r, int slot) {
    return ColumnOpen(r, slot) && r.checked_HMKdwInput;
}

// A shared value is asked when it is not yet known, or when the contaminant chain holds it
// and no organic removal chain of this pass has already asked for it.
bool NoOrganicRemovalChain(const R& r) {
    return r.NumOC_SLR == 0 || r.checked_contam_tau;
}

bool SuspendedSolidsAsked(const R& r, int) {
    return !r.SSConc_entered || (r.SSConc_entered_MC && NoOrganicRemovalChain(r));
}

bool ThicknessAsked(const R& r, int) {
    return !r.ActiveLayerThickness_entered || (r.ALT_entered_MC && NoOrganicRemovalChain(r));
}

constexpr Row kInputRows[] = {
    Text(kHeading, "<< Enter the following Variables >>"),
    Name(kNameRow, "Heavy Metal Name:", InMetalSlot(&SlotFields::name_temp), InMetalSlot(&SlotFields::name))
        .EnabledWhen(ColumnOpen),
    Number(kDiffusivityRow, "Molecular Diffusivity (m^2/sec):", &R::HMMolecularDiffusivity_temp,
           &R::HMMolecularDiffusivity)
        .EnabledWhen(ColumnOpen),
    Number(kKdsRow, "Sediment Distribution Coefficient (L/kg):", &R::HMKds_temp, &R::HMKds)
        .EnabledWhen(ColumnOpen),
    Number(kKdwRow, "Water Column Distribution Coefficient (L/kg):", &R::HMConKdw_temp, &R::HMConKdw)
        .EnabledWhen(KdwEntered),
    Number(kSuspendedSolidsRow, "Suspended Solid Concentration (mg/L):", &R::SSConc_temp, &R::SSConc)
        .EnabledWhen(SuspendedSolidsAsked),
    Number(kThicknessRow, "Active sediment layer thickness (cm):", &R::ActiveLayerThickness_temp,
           &R::ActiveLayerThickness)
        .EnabledWhen(ThicknessAsked),
};

// The shared values asked here become the contaminant chain's own.
void OpenInput(ScreenContext& c) {
    R& r = c.r;
    if (SuspendedSolidsAsked(r, 0)) r.SSConc_entered_MC = 1;
    if (ThicknessAsked(r, 0)) r.ALT_entered_MC = 1;
}

void ComputeFromInput(R& r) {
    NoteChangedDiffusivities(r, kHeavyMetals);
    if (r.checked_HMKdwCalc) ComputeHeavyMetalCoefficients(r);
    ComputeHeavyMetalMassTransfer(r);
}

// A suspended solids concentration of 0 would make an estimated coefficient infinite, and
// a negative diffusivity the mass transfer velocity not a number; such values are refused,
// as is a concentration of 0 with entered coefficients, which the engine divides by.
bool InputUsable(ScreenContext& c) {
    return ComputedValuesUsable(c, kHeavyMetals, ComputeFromInput, kSuspendedSolidsRow,
                                {{&R::HMConKdw,
                                  "The water column distribution coefficient of # cannot be estimated from "
                                  "the Suspended Solid Concentration entered: check it."},
                                 {&R::HMVd, kDiffusivityNotNegative}});
}

void InputAccepted(ScreenContext& c) {
    R& r = c.r;
    r.TauAccepted = r.RemAccepted = 0;
    NoteChangedDiffusivities(r, kHeavyMetals);
    if (c.d.IsEnabled(kSuspendedSolidsRow)) SetEntered(r, SedimentParameter::SSConc, true);
    if (c.d.IsEnabled(kThicknessRow)) r.ActiveLayerThickness_entered = 1;
}

bool ContinueAfterInput(Ui& ui, Owner owner) {
    R& r = Project();
    if (r.checked_HMKdwCalc && !Show<kCalculatedHeavyMetalValues>(ui, owner)) return false;
    ComputeHeavyMetalMassTransfer(r);
    return Show<kHeavyMetalMassTransfer>(ui, owner);
}

// ---- Calculated values ----

constexpr Row kCalculatedRows[] = {
    Computed(calculated_heavy_metal_values::kNameRow, "Heavy Metal Name:", InMetalSlot(&SlotFields::name))
        .EnabledWhen(SlotInUse<kHeavyMetals>),
    Computed(calculated_heavy_metal_values::kKdwRow,
             "Water column distribution coefficient, Kdw:", &R::HMConKdw)
        .EnabledWhen(SlotInUse<kHeavyMetals>),
};

void OpenCalculatedValues(ScreenContext& c) {
    ComputeHeavyMetalCoefficients(c.r);
}

// ---- Mass transfer velocities ----

using namespace heavy_metal_mass_transfer;

constexpr const char* kVelocityLabels[] = {
    "Mass Transfer Velocity (m/day) for Heavy Metal #1:",
    "Mass Transfer Velocity (m/day) for Heavy Metal #2:",
    "Mass Transfer Velocity (m/day) for Heavy Metal #3:",
};

constexpr auto kTransferRows =
    MassTransferRows<kHeavyMetals>(kVelocityField1, kNote1, kVelocityLabels,
                                   "(Diffusion of Dissolved Metal Across Sediment/Water Interface)");

void FinishMetalChain(Dialog&, R& r) {
    ComputeSedimentVelocities(r);
}

bool TransferUsable(ScreenContext& c) {
    return AcceptanceStaysFinite(c, FinishMetalChain);
}

// The velocities are committed: a Cancel after a later screen is cancelled keeps them.
void TransferAccepted(ScreenContext& c) {
    HoldRecalculation<kHeavyMetals>(c);
    FinishMetalChain(c.d, c.r);
}

}  // namespace

const DataScreen kHeavyMetalKdwChoice{
    .number = kHeavyMetalKdwChoiceScreen,
    .caption = "Heavy Metal Distribution Coefficient Information Screen",
    .rows = kChoiceRows,
    .help_button = heavy_metal_kdw_choice::kChoiceHelp,
    .help_file = "contam14.txt",
    .after_commit = KdwChosen,
    .next = Show<kHeavyMetalInput>,
    .loads_copies = true,
};

const DataScreen kHeavyMetalInput{
    .number = kHeavyMetalInputScreen,
    .caption = "Heavy Metal & Long Life Radionuclides Input Screen",
    .rows = kInputRows,
    .help_button = kInputHelp,
    .help_file = "contam15.txt",
    .slot_columns = 3,
    .on_invalid = OnInvalid::Stay,
    .on_open = OpenInput,
    .validate = InputUsable,
    .after_commit = InputAccepted,
    .next = ContinueAfterInput,
    .loads_copies = true,
};

const DataScreen kCalculatedHeavyMetalValues{
    .number = kCalculatedHeavyMetalValuesScreen,
    .caption = "Calculated Heavy Metal Values",
    .rows = kCalculatedRows,
    .help_button = calculated_heavy_metal_values::kCalculatedHelp,
    .help_file = "contam25.txt",
    .slot_columns = 3,
    .revert_on_cancel = false,
    .on_open = OpenCalculatedValues,
};

const DataScreen kHeavyMetalMassTransfer{
    .number = kHeavyMetalMassTransferScreen,
    .caption = "Heavy Metal Mass Transfer Velocities",
    .rows = kTransferRows,
    .help_button = kTransferHelp,
    .help_file = "contam7.txt",
    .on_invalid = OnInvalid::Stay,
    .on_open = HoldRecalculation<kHeavyMetals>,
    .on_text_edited = VelocityTyped<kHeavyMetals, kVelocityField1>,
    .validate = TransferUsable,
    .after_commit = TransferAccepted,
    .next = ShowCurrentVelocities,
    .on_cancel = RestoreRecalculation<kHeavyMetals>,
    .loads_copies = true,
};

void ComputeHeavyMetalCoefficients(ProjectRecord& r) {
    for (int k = 0; k < SlotsInUse(r, kHeavyMetals); ++k) r.HMConKdw[k] = MetalPartitionFromSolids(r.SSConc);
}

void ComputeHeavyMetalMassTransfer(ProjectRecord& r) {
    RecalculateMassTransfer(r, kHeavyMetals);
    for (int k = 0; k < SlotsInUse(r, kHeavyMetals); ++k) r.HMVd_temp[k] = r.HMVd[k];
}

}  // namespace velmar
