#include "interface/screens/organics.h"

#include <string>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/contaminant_families.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/metals.h"
#include "interface/screens/shared_sediment.h"
#include "interface/session/state.h"
#include "project/contaminants.h"
#include "project/slots.h"

namespace velmar {
namespace {

using R = ProjectRecord;
using P = SedimentParameter;

constexpr auto InUse = SlotInUse<kOrganicChemicals>;

bool AnyInUse(const R& r, int) {
    return r.NumOC_SLR > 0;
}

// ---- The sediment screens of the contaminant chain ----

// The sediment screens on the committed choices; then `next` at once when they had
// nothing to ask (otherwise the sediment data screen has gone on by itself).
bool ThroughSediment(Ui& ui, Owner owner, bool (*next)(Ui&, Owner)) {
    R& r = Project();
    r.checked_RhoBInput_temp = r.checked_RhoBInput;
    r.checked_RhoBCalc_temp = r.checked_RhoBCalc;
    r.checked_VsInput_temp = r.checked_VsInput;
    r.checked_VsCalc_temp = r.checked_VsCalc;
    if (!ShowSedimentChoice(ui, owner, SedimentChain::Contaminants)) return false;
    return !r.NothingToDo || next(ui, owner);
}

// ---- Contaminants Gerneral Information Screen ----

using namespace contaminant_info;

constexpr Row kInfoRows[] = {
    Text(kEnterLabel, "Enter the following:"),
    Count(kOrganicCount, "Number of Organic Chemical Data Sets:", &R::NumOC_SLR_temp, &R::NumOC_SLR,
          kSlotCount),
    Count(kMetalCount, "Number of Heavy Metal Data Sets:", &R::NumHM_LLR_temp, &R::NumHM_LLR, kSlotCount),
    GroupBox(kOptionsGroup, "Select Between these Options:"),
    Radio(kHalfLifeButton, "Use Overall Half-Life for Organics", &R::checked_contam_tau_temp,
          &R::checked_contam_tau)
        .In(kOptionsGroup),
    Radio(kRemovalButton, "Calculate Various Removal Rates for Organics", &R::checked_contam_removal_temp,
          &R::checked_contam_removal)
        .In(kOptionsGroup),
};

bool RemovalOptionChosen(ScreenContext& c) {
    if (c.r.checked_contam_tau_temp || c.r.checked_contam_removal_temp) return true;
    c.Message(kChooseRemovalOption, kChooseRemovalOptionCaption);
    return false;
}

void InfoAccepted(ScreenContext& c) {
    HandOverToContaminants(c.r);
}

// The chains the choices call for: the half-lives, or the removal processes (which go on
// to the heavy metals when there are any), or the heavy metals alone. The screen is
// accepted when the last chain opened is, or when there is none to open.
bool ContinueFromEntry(Ui& ui, Owner owner) {
    R& r = Project();
    bool accepted = true;
    if (r.checked_contam_tau && r.NumOC_SLR >= 1 && !r.TauAccepted) {
        r.DisplayBoth = r.NumHM_LLR > 0;
        accepted = Show<kHalfLives>(ui, owner);
    }
    if (r.checked_contam_removal && r.NumOC_SLR >= 1 && !r.RemAccepted) {
        r.DisplayBoth = r.NumHM_LLR > 0;
        accepted = ThroughSediment(ui, owner, Show<kOrganicCoefficientChoice>);
    }
    if (r.NumOC_SLR == 0) r.DisplayBoth = 0;
    if (r.NumHM_LLR >= 1 && !r.DisplayBoth) accepted = ThroughSediment(ui, owner, Show<kHeavyMetalKdwChoice>);
    return accepted;
}

// ---- Half-lives ----

constexpr Row kHalfLifeRows[] = {
    Text(half_lives::kHeading, "<< Enter the following Variables >>"),
    Name(half_lives::kNameRow, "Organic Chemical Name:", InOrganicSlot(&SlotFields::name_temp),
         InOrganicSlot(&SlotFields::name))
        .EnabledWhen(InUse),
    Number(half_lives::kHalfLifeRow, "Organic Chemical Half-Life (days):", &R::Tau_temp, &R::Tau)
        .EnabledWhen(InUse),
};

// A half-life of 0 would make the removal rate infinite, a negative one a source.
bool HalfLivesPositive(ScreenContext& c) {
    for (int k = 0; k < SlotsInUse(c.r, kOrganicChemicals); ++k) {
        if (!(c.r.Tau_temp[k] > 0)) {
            c.Refuse("The half-life of organic chemical " + std::to_string(k + 1) +
                     " must be greater than 0 days: its removal rate is 0.693 divided by it.");
            return false;
        }
    }
    return true;
}

// Heavy metals need the sediment; with nothing to ask there, their screens open at once.
bool ContinueAfterHalfLives(Ui& ui, Owner owner) {
    if (Project().NumHM_LLR <= 0) return true;
    return ThroughSediment(ui, owner, Show<kHeavyMetalKdwChoice>);
}

// ---- Volatilization and distribution coefficients: entered or calculated ----

using namespace organic_coefficient_choice;

constexpr Row kChoiceRows[] = {
    GroupBox(kKdwGroup, "Water Column Distribution Coefficient (Kdw):"),
    Radio(kKdwInput, "Input", &R::checked_KdwInput_temp, &R::checked_KdwInput).In(kKdwGroup),
    Radio(kKdwCalculate, "Calculate", &R::checked_KdwCalc_temp, &R::checked_KdwCalc)
        .In(kKdwGroup)
        .BesidePrevious(),
    GroupBox(kKdsGroup, "Sediment Distribution Coefficient (Kds):"),
    Radio(kKdsInput, "Input", &R::checked_KdsInput_temp, &R::checked_KdsInput).In(kKdsGroup),
    Radio(kKdsCalculate, "Calculate", &R::checked_KdsCalc_temp, &R::checked_KdsCalc)
        .In(kKdsGroup)
        .BesidePrevious(),
    GroupBox(kKvGroup, "Volatilization Rate of Dissolved Chemical from Water Column (Kv):"),
    Radio(kKvInput, "Input", &R::checked_kvInput_temp, &R::checked_kvInput)
        .In(kKvGroup)
        .EnabledWhen(AnyInUse),
    Radio(kKvCalculate, "Calculate", &R::checked_kvCalc_temp, &R::checked_kvCalc)
        .In(kKvGroup)
        .BesidePrevious()
        .EnabledWhen(AnyInUse),
};

void CoefficientsChosen(ScreenContext& c) {
    c.r.DisplayedVolCoeff = 1;
}

// ---- Removal rates ----

using namespace organic_removal_rates;

template <Condition C>
bool InUseAnd(const R& r, int slot) {
    return InUse(r, slot) && C(r, slot);
}

bool KowNeeded(const R& r, int) {
    return r.checked_KdwCalc || r.checked_KdsCalc;
}

// The active layer thickness is the contaminant chain's to ask unless the phosphorus
// wetland age screen took it.
bool ThicknessAsked(const R& r, int) {
    return !r.UserEnterActiveLayerThick || r.ALT_entered_MC;
}

bool SuspendedSolidsAsked(const R& r, int) {
    return IsAsked(r, P::SSConc, SedimentAsker::ContaminantScreens);
}

constexpr Row kRateRows[] = {
    Text(kHeading, "<< Enter the following Variables >>"),
    Name(kNameRow, "Organic Chemical Name:", InOrganicSlot(&SlotFields::name_temp),
         InOrganicSlot(&SlotFields::name))
        .EnabledWhen(InUse),
    Number(kDiffusivityRow, "Molecular Diffusivity (m^2/sec):", &R::MolecularDiffusivity_temp,
           &R::MolecularDiffusivity)
        .EnabledWhen(InUse),
    Number(kWaterCarbonRow, "Fraction OC in Water Column Sediment:", &R::f_oc_temp, &R::f_oc)
        .EnabledWhen(IsSet<&R::checked_KdwCalc>),
    Number(kBedCarbonRow, "Fraction OC in Sediment Bed:", &R::Bedf_oc_temp, &R::Bedf_oc)
        .EnabledWhen(IsSet<&R::checked_KdsCalc>),
    Number(kKowRow, "Octanol-Water Partition Coefficient (L/kg):", &R::Kow_temp, &R::Kow)
        .EnabledWhen(InUseAnd<KowNeeded>),
    Number(kHenryRow, "Henry's Constant (atm m^3/mole):", &R::Henry_temp, &R::Henry)
        .EnabledWhen(InUseAnd<IsSet<&R::checked_kvCalc>>),
    Number(kWaterDecayRow, "Decay Rate in Water Column (/day):", &R::kd_temp, &R::kd).EnabledWhen(InUse),
    Number(kBedDecayRow, "Decay Rate in Sediment Pore Water (/day):", &R::kdb_temp, &R::kdb)
        .EnabledWhen(InUse),
    Number(kMolecularWeightRow, "Molecular Weight of Chemical (g/ g mole):", &R::MW_temp, &R::MW)
        .EnabledWhen(InUseAnd<IsSet<&R::checked_kvCalc>>),
    Number(kWaterDocRow, "DOC Concentration in Water Column (mg/L):", &R::DOCH2o_temp, &R::DOCH2o)
        .EnabledWhen(IsSet<&R::checked_KdwCalc>),
    Number(kBedDocRow, "DOC Concentration in Sediment Bed (mg/L):", &R::DOCBed_temp, &R::DOCBed)
        .EnabledWhen(IsSet<&R::checked_KdsCalc>),
    Number(kWindRow, "Wind Speed @ 10m above Surface (m/s):", &R::WindSpeed_temp, &R::WindSpeed)
        .EnabledWhen(IsSet<&R::checked_kvCalc>),
    Number(kThicknessRow, "Active Layer Thickness (cm):", &R::ActiveLayerThickness_temp,
           &R::ActiveLayerThickness)
        .EnabledWhen(ThicknessAsked),
    Number(kVolatilizationRow, "Volatilization Rate (m/day):", &R::kv_temp, &R::kv)
        .EnabledWhen(InUseAnd<IsSet<&R::checked_kvInput>>),
    Number(kKdwRow, "Water Column Distribution Coefficient (L/kg):", &R::ConKdw_temp, &R::ConKdw)
        .EnabledWhen(InUseAnd<IsSet<&R::checked_KdwInput>>),
    Number(kKdsRow, "Sediment Distribution Coefficient (L/kg):", &R::Kds_temp, &R::Kds)
        .EnabledWhen(InUseAnd<IsSet<&R::checked_KdsInput>>),
    Number(kSuspendedSolidsRow, "Suspended Solid Concentration (mg/L):", &R::SSConc_temp, &R::SSConc)
        .EnabledWhen(SuspendedSolidsAsked),
};

// The shared sediment values asked here become the contaminant chain's own.
void OpenRemovalRates(ScreenContext& c) {
    R& r = c.r;
    if (!r.UserEnterActiveLayerThick) r.ALT_entered_MC = 1;
    Ask(r, P::SSConc, SedimentAsker::ContaminantScreens);
}

// What accepting the removal rates computes, in the order the chain computes it.
void ComputeFromRemovalRates(R& r) {
    NoteChangedDiffusivities(r, kOrganicChemicals);
    ComputeOrganicCoefficients(r);
    ComputeOrganicMassTransfer(r);
}

// A molecular weight of 0 would make the volatilization rate infinite, and a negative
// diffusivity the mass transfer velocity not a number; such values are refused.
bool RemovalRatesUsable(ScreenContext& c) {
    return ComputedValuesUsable(
        c, kOrganicChemicals, ComputeFromRemovalRates, kSuspendedSolidsRow,
        {{&R::ConKdw,
          "The water column distribution coefficient of # cannot be computed from its Octanol-Water "
          "Partition Coefficient, the Fraction OC and the DOC Concentration in the water column: check them."},
         {&R::Kds,
          "The sediment distribution coefficient of # cannot be computed from its Octanol-Water Partition "
          "Coefficient, the Fraction OC and the DOC Concentration in the sediment bed: check them."},
         {&R::kv,
          "Molecular Weight of # must be greater than 0, and the Wind Speed not negative, to compute its "
          "volatilization rate."},
         {&R::ConVd, kDiffusivityNotNegative}});
}

void RemovalRatesAccepted(ScreenContext& c) {
    R& r = c.r;
    if (c.d.IsEnabled(kSuspendedSolidsRow)) SetEntered(r, P::SSConc, true);
    if (c.d.IsEnabled(kThicknessRow)) r.ActiveLayerThickness_entered = 1;
    NoteChangedDiffusivities(r, kOrganicChemicals);
}

void RemovalRatesCancelled(ScreenContext& c) {
    c.r.RemAccepted = 0;
}

bool ContinueAfterRemovalRates(Ui& ui, Owner owner) {
    R& r = Project();
    const bool calculated = r.checked_KdwCalc || r.checked_KdsCalc || r.checked_kvCalc;
    if (calculated && !Show<kCalculatedOrganicValues>(ui, owner)) return false;
    ComputeOrganicMassTransfer(r);
    return Show<kOrganicMassTransfer>(ui, owner);
}

// ---- Calculated values ----

using namespace calculated_organic_values;

constexpr Row kCalculatedRows[] = {
    Computed(calculated_organic_values::kNameRow, "Organic Chemical Name:", InOrganicSlot(&SlotFields::name))
        .EnabledWhen(InUse),
    Computed(calculated_organic_values::kKdwRow,
             "Water column distribution coefficient, Kdw (L/kg):", &R::ConKdw)
        .EnabledWhen(InUseAnd<IsSet<&R::checked_KdwCalc>>),
    Computed(calculated_organic_values::kKdsRow, "Sediment distribution coefficient, Kds (L/kg):", &R::Kds)
        .EnabledWhen(InUseAnd<IsSet<&R::checked_KdsCalc>>),
    Computed(kKvRow, "Volatilization rate of dissolved chemical from water column, Kv (m/day):", &R::kv)
        .EnabledWhen(InUseAnd<IsSet<&R::checked_kvCalc>>),
};

// The coefficients are calculated as the screen opens; a row not calculated has its
// label greyed.
void OpenCalculatedValues(ScreenContext& c) {
    ComputeOrganicCoefficients(c.r);
    c.d.Enable(LabelId(calculated_organic_values::kKdwRow), c.r.checked_KdwCalc != 0);
    c.d.Enable(LabelId(calculated_organic_values::kKdsRow), c.r.checked_KdsCalc != 0);
    c.d.Enable(LabelId(kKvRow), c.r.checked_kvCalc != 0);
}

// ---- Mass transfer velocities ----

using namespace organic_mass_transfer;

constexpr const char* kVelocityLabels[] = {
    "Mass Transfer Velocity (m/day) for Organic Chemical #1:",
    "Mass Transfer Velocity (m/day) for Organic Chemical #2:",
    "Mass Transfer Velocity (m/day) for Organic Chemical #3:",
};

constexpr auto kTransferRows = MassTransferRows<kOrganicChemicals>(
    kVelocityField1, kNote1, kVelocityLabels, "(Diffusion of Chemical Across Sediment/Water Interface)");

// Without heavy metals to follow, the chain ends with the sediment velocities.
void FinishOrganicChain(Dialog&, R& r) {
    if (!r.DisplayBoth) ComputeSedimentVelocities(r);
}

bool TransferUsable(ScreenContext& c) {
    return AcceptanceStaysFinite(c, FinishOrganicChain);
}

// The velocities are committed: a Cancel after a later screen is cancelled keeps them.
void TransferAccepted(ScreenContext& c) {
    HoldRecalculation<kOrganicChemicals>(c);
    FinishOrganicChain(c.d, c.r);
}

bool ContinueAfterTransfer(Ui& ui, Owner owner) {
    if (Project().DisplayBoth) return Show<kHeavyMetalKdwChoice>(ui, owner);
    return ShowCurrentVelocities(ui, owner);
}

}  // namespace

const DataScreen kContaminantInfo{
    .number = kContaminantInfoScreen,
    .caption = "Contaminants Gerneral Information Screen",
    .rows = kInfoRows,
    .help_button = kInfoHelp,
    .help_file = "contam1.txt",
    .validate = RemovalOptionChosen,
    .after_commit = InfoAccepted,
    .next = ContinueFromEntry,
};

const DataScreen kHalfLives{
    .number = kHalfLivesScreen,
    .caption = "Organic Chemical & Short Lived Radionuclides Half-Lives",
    .rows = kHalfLifeRows,
    .help_button = half_lives::kHalfLivesHelp,
    .help_file = "contam2.txt",
    .slot_columns = 3,
    .on_invalid = OnInvalid::Stay,
    .validate = HalfLivesPositive,
    .next = ContinueAfterHalfLives,
    .loads_copies = true,
};

const DataScreen kOrganicCoefficientChoice{
    .number = kOrganicCoefficientChoiceScreen,
    .caption = "Organic Chemical Volatilization Rate and Distribution Coefficients",
    .rows = kChoiceRows,
    .help_button = kChoiceHelp,
    .help_file = "contam11.txt",
    .after_commit = CoefficientsChosen,
    .next = Show<kOrganicRemovalRates>,
    .loads_copies = true,
};

const DataScreen kOrganicRemovalRates{
    .number = kOrganicRemovalRatesScreen,
    .caption = "Organic Chemical & Short Lived Radionuclides Removal Rates",
    .rows = kRateRows,
    .help_button = kRatesHelp,
    .help_file = "contam12.txt",
    .slot_columns = 3,
    .on_invalid = OnInvalid::Stay,
    .on_open = OpenRemovalRates,
    .validate = RemovalRatesUsable,
    .after_commit = RemovalRatesAccepted,
    .next = ContinueAfterRemovalRates,
    .on_cancel = RemovalRatesCancelled,
    .loads_copies = true,
};

const DataScreen kCalculatedOrganicValues{
    .number = kCalculatedOrganicValuesScreen,
    .caption = "Calculated Organic Contaminant Values",
    .rows = kCalculatedRows,
    .help_button = kCalculatedHelp,
    .help_file = "contam24.txt",
    .slot_columns = 3,
    .revert_on_cancel = false,
    .on_open = OpenCalculatedValues,
};

const DataScreen kOrganicMassTransfer{
    .number = kOrganicMassTransferScreen,
    .caption = "Organic Chemical Mass Transfer Velocities",
    .rows = kTransferRows,
    .help_button = kTransferHelp,
    .help_file = "contam13.txt",
    .on_invalid = OnInvalid::Stay,
    .on_open = HoldRecalculation<kOrganicChemicals>,
    .on_text_edited = VelocityTyped<kOrganicChemicals, kVelocityField1>,
    .validate = TransferUsable,
    .after_commit = TransferAccepted,
    .next = ContinueAfterTransfer,
    .on_cancel = RestoreRecalculation<kOrganicChemicals>,
    .loads_copies = true,
};

bool ShowContaminantData(Ui& ui, Owner owner) {
    R& r = Project();
    r.contam_current = 1;
    r.tp_current = 0;
    RevertRows(r, kContaminantInfo);
    return Show<kContaminantInfo>(ui, owner);
}

bool ContinueContaminantChainAfterSediment(Ui& ui, Owner owner) {
    const R& r = Project();
    if (!r.contam_current) return true;
    if (r.NumOC_SLR > 0 && r.checked_contam_removal && !Show<kOrganicCoefficientChoice>(ui, owner))
        return false;
    if (r.NumHM_LLR > 0 && (r.NumOC_SLR == 0 || r.checked_contam_tau))
        return Show<kHeavyMetalKdwChoice>(ui, owner);
    return true;
}

void ComputeOrganicCoefficients(ProjectRecord& r) {
    for (int k = 0; k < SlotsInUse(r, kOrganicChemicals); ++k) CalculateOrganicCoefficients(r, k);
}

void ComputeOrganicMassTransfer(ProjectRecord& r) {
    RecalculateMassTransfer(r, kOrganicChemicals);
}

}  // namespace velmar
