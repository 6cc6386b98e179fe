// The load type, the age determination and the established-wetland chain.
#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/shared_sediment.h"
#include "interface/screens/tp.h"
#include "interface/session/state.h"
#include "project/phosphorus_load.h"
#include "project/sediment.h"
#include "project/slots.h"
#include "project/units.h"
#include "project/working_copy.h"

namespace velmar {
namespace {

using R = ProjectRecord;
using P = SedimentParameter;

using units::kDaysPerYear;

// ---- Load type ----

using namespace tp_load_type;

constexpr Row kLoadTypeRows[] = {
    Text(tp_load_type::kSelectLabel, "Select the Data you want to enter below: "),
    Radio(kLoadButton, "Enter TP as Load", &R::UserCheckedLoad_temp, &R::UserCheckedLoad),
    Radio(kQiCiButton, "Enter TP as Qi*Ci", &R::UserCheckedQiCi_temp, &R::UserCheckedQiCi),
};

// The determination shows Qi*Ci when that was its last choice, the load otherwise.
void OpenDeterminationLoadType(ScreenContext& c) {
    c.r.UserCheckedLoad_temp = c.r.UserCheckedQiCi_temp ? 0 : 1;
}

// With neither button chosen, TP enters as flow times concentration.
void LoadTypeChosen(ScreenContext& c) {
    R& r = c.r;
    r.UserSelectedTPLoad = r.UserSelectedTPLoad_temp = r.UserCheckedLoad;
    if (!r.UserCheckedLoad && !r.UserCheckedQiCi) r.UserCheckedQiCi = r.UserCheckedQiCi_temp = 1;
}

void CancelDeterminationLoadType(ScreenContext& c) {
    c.r.UserSelectedTPLoad_temp = c.r.UserSelectedTPLoad;
}

bool ContinueToBulkDensityChoice(Ui& ui, Owner owner) {
    Project().InputARhoB_temp = Project().InputARhoB;
    return Show<kBulkDensityChoice>(ui, owner);
}

// ---- Bulk density: entered or calculated ----

using namespace bulk_density_choice;

// "Calculate" stands for the flag being clear, so it has no flag of its own.
constexpr Row kBulkChoiceRows[] = {
    Text(kSelectionLabel, "Make a selection:"),
    GroupBox(kQuantityGroup, "Active Sediment Layer Bulk Density:"),
    Radio(kInputButton, "Input", &R::InputARhoB_temp, &R::InputARhoB).In(kQuantityGroup),
    Radio(kCalculateButton, "Calculate", {}).In(kQuantityGroup).BesidePrevious(),
};

void OpenBulkDensityChoice(ScreenContext& c) {
    c.d.SetChecked(kCalculateButton, c.r.InputARhoB_temp != 1);
}

void BulkDensityChosen(ScreenContext& c) {
    c.r.select_ARhoB = 1;
}

// ---- Age determination ----

using namespace wetland_age;

bool LoadEntered(const R& r, int) {
    return r.UserSelectedTPLoad != 0;
}
bool FlowTimesConcentration(const R& r, int) {
    return r.UserSelectedTPLoad == 0;
}
bool BulkDensityCalculated(const R& r, int) {
    return r.InputARhoB == 0;
}

constexpr Row kAgeRows[] = {
    Text(kHeading, "This Calculation requires the following parameters:"),
    Number(kThicknessField, "Active top sediment layer thickness (cm):", &R::ActiveLayerThickness_temp,
           &R::ActiveLayerThickness),
    Number(kSorptionCapacityField, "Maximum P sorption capacity (mg/g):", &R::MaximumPSorptionCapacity_temp,
           &R::MaximumPSorptionCapacity),
    Number(kAgeField, "Wetland Age (years):", &R::UserSpecifiedWetlandAge_temp, &R::UserSpecifiedWetlandAge),
    Number(kDailyLoadingField, "Daily TP Loading (kg/day):", &R::DailyTPLoading_temp, &R::DailyTPLoading)
        .EnabledWhen(LoadEntered),
    Number(kFlowField, "Flow Rate of TP Loading (m^3/sec)", &R::YearlyTPFlow_temp, &R::YearlyTPFlow)
        .EnabledWhen(FlowTimesConcentration),
    Number(kConcentrationField, "Inflowing TP Concentration (mg/L)", &R::InflowingTPConc_temp,
           &R::InflowingTPConc)
        .EnabledWhen(FlowTimesConcentration),
    Number(kBulkDensityField, "Active sediment layer bulk density (g/L):", &R::ActiveLayerBulkDensity_temp,
           &R::ActiveLayerBulkDensity)
        .EnabledWhen(IsSet<&R::InputARhoB>),
    Number(kPorosityField, "Active Layer Porosity:", &R::ActivePhi_temp, &R::ActivePhi)
        .EnabledWhen(BulkDensityCalculated),
    Number(kDryDensityField, "Dry Sediment Layer Density (g/L):", &R::DrySedDensity_temp, &R::DrySedDensity)
        .EnabledWhen(BulkDensityCalculated),
};

// Decides the age class. A bulk density calculated from porosity is the active layer's
// bulk density from now on, so later screens rightly stop asking for it.
void DetermineAgeClass(Dialog& d, R& r) {
    r.YearlyTPLoading = r.YearlyTPLoading_temp = r.DailyTPLoading_temp * kDaysPerYear;
    r.ActiveRhoB = r.ActiveRhoB_temp;
    r.UserEnterActiveLayerThick = 1;
    const bool from_porosity = d.IsEnabled(kPorosityField) && d.IsEnabled(kDryDensityField);
    if (from_porosity) r.ARhoB_entered = 1;
    (r.UserSelectedTPLoad ? r.TPLoad_entered : r.QiCi_entered) = 1;
    r.nu_m_entered = 1;
    ComputeWetlandAge(r);
    if (from_porosity) r.ActiveRhoB = r.ActiveRhoB_temp = r.ActiveLayerBulkDensity;
    r.checked_phos_deter = r.checked_phos_deter_temp = 0;
    // An age the capacity outlasts is a new wetland; so is an age that cannot be compared.
    const bool established = r.UserSpecifiedWetlandAge >= r.ComputedWetlandAge;
    if (established) {
        r.checked_phos_estab = r.checked_phos_estab_temp = 1;
    } else {
        r.checked_phos_new = r.checked_phos_new_temp = 1;
    }
}

// The age itself is only compared, so a loading of 0 (an age without end) or a porosity of
// 1 (an age of 0) still decides the class. Refused are only the loading and bulk density
// the engine reads when they overflow; a bulk density of 0 is refused where a velocity is
// first divided by it.
bool AgeDeterminable(ScreenContext& c) {
    return AcceptanceStaysFinite(c, DetermineAgeClass, ZeroBulkDensity::Allowed);
}

void AgeDetermined(ScreenContext& c) {
    DetermineAgeClass(c.d, c.r);
    if (c.r.checked_phos_estab) {
        c.Message(kDeterminedEstablished, kEstablishedWetlandCaption);
    } else {
        c.Message(kDeterminedNew, kNewWetlandCaption);
    }
}

void LoadAgeCopies(R& r) {
    RevertRows(r, kWetlandAgeDetermination);
    r.ActiveRhoB_temp = r.ActiveRhoB;
}

void CancelAgeDetermination(ScreenContext& c) {
    LoadAgeCopies(c.r);
    c.r.YearlyTPLoading_temp = c.r.DailyTPLoading * kDaysPerYear;
}

// ---- Established wetland parameters ----

using namespace established_wetland;

constexpr SedimentAsker kEstablished = SedimentAsker::EstablishedWetland;

// The sediment fields the established-wetland screen asks for: the bulk density group when
// its burial velocity is to be asked, the settling group when its settling velocity is.
template <typename Record>
SedimentFieldsAsked EstablishedSedimentAsked(Record& r) {
    SedimentFieldsAsked f;
    const bool bulk_density_choice = r.checked_RhoBInput || r.checked_RhoBCalc;
    if (Asking(r, P::Vb, kEstablished)) {
        if (r.checked_RhoBInput) {
            f.suspended_solids = Asking(r, P::SSConc, kEstablished);
            f.bulk_density = Asking(r, P::ARhoB, kEstablished);
        } else if (r.checked_RhoBCalc) {
            f.suspended_solids = Asking(r, P::SSConc, kEstablished);
            f.porosity = Asking(r, P::APhi, kEstablished);
            f.dry_density = Asking(r, P::DSD, kEstablished);
        }
    }
    if (Asking(r, P::Vs, kEstablished)) {
        if (!bulk_density_choice) f.suspended_solids = Asking(r, P::SSConc, kEstablished);
        AskSettlingFields(r, kEstablished, f);
    }
    return f;
}

template <bool SedimentFieldsAsked::*Field>
bool EstablishedAsked(const R& r, int) {
    return EstablishedSedimentAsked(r).*Field;
}

bool LoadChecked(const R& r, int) {
    return r.UserCheckedLoad != 0;
}
bool LoadNotChecked(const R& r, int) {
    return r.UserCheckedLoad == 0;
}

constexpr Row kEstablishedRows[] = {
    Text(established_wetland::kHeading, "The following need to be entered:"),
    Number(kBondingField, "Bonding energy constant [m] for phos. sorption (L/mg):",
           &R::bonding_energy_constant_temp, &R::bonding_energy_constant),
    Number(kSorptionField, "Maximum phosphorus sorption [nu_m] (mg/g):", &R::MaximumPSorptionCapacity_temp,
           &R::MaximumPSorptionCapacity),
    Number(kSedimentInorganicField,
           "Fraction total inorganic phos. in sed. to total phos. in sed.:", &R::f_ib_temp, &R::f_ib),
    Number(kWaterInorganicField, "Fraction total inorganic phos. in water col. to total phos. in water col.:",
           &R::f_i_temp, &R::f_i),
    Number(kLoadingField, "Total phosphorus loading (kg/day):", &R::DailyTPLoading_temp, &R::DailyTPLoading)
        .EnabledWhen(LoadChecked),
    Number(established_wetland::kFlowField, "Total flow for all sources (m^3/sec):", &R::YearlyTPFlow_temp,
           &R::YearlyTPFlow)
        .EnabledWhen(LoadNotChecked),
    Number(established_wetland::kConcentrationField,
           "Flow weighted avg. total phosphorus conc. (mg/L):", &R::InflowingTPConc_temp, &R::InflowingTPConc)
        .EnabledWhen(LoadNotChecked),
    Number(kSuspendedSolidsField, "Suspended solid conc. (mg/L):", &R::SSConc_temp, &R::SSConc)
        .EnabledWhen(EstablishedAsked<&SedimentFieldsAsked::suspended_solids>),
    Number(established_wetland::kBulkDensityField,
           "Active sed. layer bulk density (g/L):", &R::ActiveRhoB_temp, &R::ActiveRhoB)
        .EnabledWhen(EstablishedAsked<&SedimentFieldsAsked::bulk_density>),
    Number(established_wetland::kPorosityField, "Active sed. layer porosity:", &R::ActivePhi_temp,
           &R::ActivePhi)
        .EnabledWhen(EstablishedAsked<&SedimentFieldsAsked::porosity>),
    Number(established_wetland::kDryDensityField, "Dry sediment density (g/L):", &R::DrySedDensity_temp,
           &R::DrySedDensity)
        .EnabledWhen(EstablishedAsked<&SedimentFieldsAsked::dry_density>),
    Number(kSettlingField, "Particle Settling velocity (m/day):", &R::Vs_temp, &R::Vs)
        .EnabledWhen(EstablishedAsked<&SedimentFieldsAsked::settling_velocity>),
    Number(kDiameterField, "Particle diameter (microns):", &R::PartDiam_temp, &R::PartDiam)
        .EnabledWhen(EstablishedAsked<&SedimentFieldsAsked::diameter>),
    Number(kGravityField, "Sediment specific gravity:", &R::SG_temp, &R::SG)
        .EnabledWhen(EstablishedAsked<&SedimentFieldsAsked::gravity>),
};

// The sediment field of each shared parameter.
struct SedimentField {
    int id;
    P parameter;
};
constexpr SedimentField kSedimentFields[] = {
    {kSettlingField, P::Vs},
    {established_wetland::kBulkDensityField, P::ARhoB},
    {established_wetland::kPorosityField, P::APhi},
    {kSuspendedSolidsField, P::SSConc},
    {established_wetland::kDryDensityField, P::DSD},
    {kDiameterField, P::PD},
    {kGravityField, P::SG},
};

// Which values the TSS report lists, carried through this screen unchanged.
constexpr FlagCopy kReportFlags[] = {
    {&R::checked_AVb, &R::checked_AVb_temp},           {&R::checked_SSConc, &R::checked_SSconc_temp},
    {&R::checked_ARhoB, &R::checked_ARhoB_temp},       {&R::checked_APhi, &R::checked_APhi_temp},
    {&R::checked_DRhoS, &R::checked_DRhoS_temp},       {&R::checked_Vs, &R::checked_Vs_temp},
    {&R::checked_PartDiam, &R::checked_PartDiam_temp}, {&R::checked_SG, &R::checked_SG_temp},
};
// Entered flags the screen sets, loaded with the screen.
constexpr FlagCopy kEnteredFlags[] = {
    {&R::PD_entered, &R::PD_entered_temp},     {&R::SSConc_entered, &R::SSConc_entered_temp},
    {&R::DSD_entered, &R::DSD_entered_temp},   {&R::SG_entered, &R::SG_entered_temp},
    {&R::APhi_entered, &R::APhi_entered_temp},
};

void LoadEstablishedCopies(R& r) {
    RevertRows(r, kEstablishedWetlandInput);
    r.Vr_temp = r.Vr;
    r.Vd_temp = r.Vd;
    r.ActiveVb_temp = r.ActiveVb;
    LoadAll(r, kReportFlags);
    LoadAll(r, kEnteredFlags);
}

void OpenEstablished(ScreenContext& c) {
    EstablishedSedimentAsked(c.r);
}

void AcceptEstablished(Dialog& d, R& r) {
    r.YearlyTPLoading = r.DailyTPLoading_temp * kDaysPerYear;
    r.f_o = 1 - r.f_i_temp;
    r.Vr = r.Vr_temp;
    r.Vd = r.Vd_temp;
    r.ActiveVb = r.ActiveVb_temp;
    r.UserCheckedLoad = r.UserCheckedQiCi = 0;
    for (const SedimentField& f : kSedimentFields) {
        if (d.IsEnabled(f.id)) SetEntered(r, f.parameter, true);
    }
    CommitAll(r, kReportFlags);
    if (BurialVelocityToCompute(r)) ComputeBurialVelocity(r);
    if (!r.Vs_entered && !r.checked_VsInput) {
        SettlingVelocityFromParticle(r);
        ComputeNetSettling(r);
    }
    ComputeResuspensionAndMassTransfer(r);
}

bool EstablishedUsable(ScreenContext& c) {
    return AcceptanceStaysFinite(c, AcceptEstablished);
}

void EstablishedAccepted(ScreenContext& c) {
    AcceptEstablished(c.d, c.r);
}

void CancelEstablished(ScreenContext& c) {
    LoadEstablishedCopies(c.r);
    c.r.YearlyTPLoading_temp = c.r.DailyTPLoading * kDaysPerYear;
}

bool ContinueToMassTransfer(Ui& ui, Owner owner) {
    Project().Vd_temp = Project().Vd;
    return Show<kTPMassTransfer>(ui, owner);
}

// ---- Mass transfer ----

using namespace mass_transfer;

// The mass transfer velocity is calculated from the water's viscosity and the mean
// velocity, and recalculated on OK; it is shown, not typed.
constexpr Row kMassTransferRows[] = {
    Computed(kVdField, "Calculated mass transfer velocity (m/day):", &R::Vd_temp),
    Text(kVdNote, "(diffusion across sediment/water interface)"),
};

void AcceptMassTransfer(Dialog&, R& r) {
    r.Vd = r.Vd_temp;
    r.NeedToDisplayVrVD = 0;
    ComputeSedimentVelocities(r);
}

bool MassTransferUsable(ScreenContext& c) {
    return AcceptanceStaysFinite(c, AcceptMassTransfer);
}

void MassTransferAccepted(ScreenContext& c) {
    AcceptMassTransfer(c.d, c.r);
}

void CancelMassTransfer(ScreenContext& c) {
    c.r.Vd_temp = c.r.Vd;
}

// A surficial bulk density calculated from porosity is shown first, then the velocities.
bool ShowVelocities(Ui& ui, Owner owner) {
    const R& r = Project();
    if (r.checked_Option2 && r.checked_Opt2Calc && !Show<kCalculatedSurficialValues>(ui, owner)) return false;
    return ShowCurrentVelocities(ui, owner);
}

bool ContinueToEstablishedInput(Ui& ui, Owner owner) {
    LoadEstablishedCopies(Project());
    return Show<kEstablishedWetlandInput>(ui, owner);
}

// The load-type screen's two variants: the determination's loads and restores its own
// working copies; the established wetland's keeps what the user chose on Cancel.
constexpr DataScreen LoadTypeScreen(LoadTypeVariant variant) {
    DataScreen s{
        .number = kTPLoadTypeScreen,
        .caption = "TP Load-Type Input Screen",
        .rows = kLoadTypeRows,
        .help_button = kLoadTypeHelp,
        .help_file = "tp8.txt",
        .after_commit = LoadTypeChosen,
    };
    if (variant == LoadTypeVariant::Determination) {
        s.on_open = OpenDeterminationLoadType;
        s.next = ContinueToBulkDensityChoice;
        s.on_cancel = CancelDeterminationLoadType;
    } else {
        s.revert_on_cancel = false;
        s.next = ContinueToEstablishedInput;
    }
    return s;
}

}  // namespace

constinit const DataScreen kTPLoadTypeDetermination = LoadTypeScreen(LoadTypeVariant::Determination);
constinit const DataScreen kTPLoadTypeEstablished = LoadTypeScreen(LoadTypeVariant::Established);

const DataScreen kBulkDensityChoice{
    .number = kBulkDensityChoiceScreen,
    .caption = "Active Sediment Layer Bulk Density Needed",
    .rows = kBulkChoiceRows,
    .help_button = kChoiceHelp,
    .help_file = "tp9.txt",
    .on_open = OpenBulkDensityChoice,
    .after_commit = BulkDensityChosen,
    .next = ShowWetlandAgeDetermination,
};

const DataScreen kWetlandAgeDetermination{
    .number = kWetlandAgeScreen,
    .caption = "TP Determination of Wetland Age Screen",
    .rows = kAgeRows,
    .help_button = kAgeHelp,
    .help_file = "tp10.txt",
    .on_invalid = OnInvalid::Stay,
    .validate = AgeDeterminable,
    .after_commit = AgeDetermined,
    .on_cancel = CancelAgeDetermination,
};

const DataScreen kEstablishedWetlandInput{
    .number = kEstablishedWetlandScreen,
    .caption = "Established Wetland Parameter Entry Screen",
    .rows = kEstablishedRows,
    .help_button = kEstablishedHelp,
    .help_file = "contam19.txt",
    .on_invalid = OnInvalid::Stay,
    .on_open = OpenEstablished,
    .validate = EstablishedUsable,
    .after_commit = EstablishedAccepted,
    .next = ContinueToMassTransfer,
    .on_cancel = CancelEstablished,
};

const DataScreen kTPMassTransfer{
    .number = kMassTransferScreen,
    .caption = "Mass Transfer Velocities",
    .rows = kMassTransferRows,
    .help_button = kTransferHelp,
    .help_file = "contam20.txt",
    .validate = MassTransferUsable,
    .after_commit = MassTransferAccepted,
    .next = ShowVelocities,
    .on_cancel = CancelMassTransfer,
};

bool ShowTPLoadType(Ui& ui, Owner owner, LoadTypeVariant variant) {
    R& r = Project();
    if (variant == LoadTypeVariant::Determination) {
        r.UserSelectedTPLoad_temp = r.UserSelectedTPLoad;
        r.UserCheckedLoad_temp = r.UserCheckedLoad;
        r.UserCheckedQiCi_temp = r.UserCheckedQiCi;
        return ShowScreen(ui, owner, kTPLoadTypeDetermination);
    }
    r.UserSelectedTPLoad_temp = r.UserCheckedLoad = r.UserCheckedLoad_temp = r.UserSelectedTPLoad;
    r.UserCheckedQiCi_temp = r.UserCheckedQiCi;
    return ShowScreen(ui, owner, kTPLoadTypeEstablished);
}

bool ShowWetlandAgeDetermination(Ui& ui, Owner owner) {
    LoadAgeCopies(Project());
    return ShowScreen(ui, owner, kWetlandAgeDetermination);
}

bool ContinuePhosphorusChainAfterSediment(Ui& ui, Owner owner) {
    const R& r = Project();
    if (!r.tp_current || !r.checked_phos_estab) return true;
    return ShowTPLoadType(ui, owner, LoadTypeVariant::Established);
}

}  // namespace velmar
