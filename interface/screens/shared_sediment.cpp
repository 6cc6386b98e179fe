#include "interface/screens/shared_sediment.h"

#include <cmath>
#include <optional>
#include <string>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/organics.h"
#include "interface/screens/tp.h"
#include "interface/session/state.h"
#include "project/sediment.h"
#include "project/slots.h"

namespace velmar {
namespace {

using R = ProjectRecord;
using P = SedimentParameter;
using A = SedimentAsker;

// ---- Ownership ----

// The parameters whose marks move between the chains.
constexpr P kHandedOver[] = {P::Vb, P::Vs, P::ARhoB, P::APhi, P::PD, P::SG, P::DSD};

FlagMember Mark(P p, A asker) {
    return FlagsOf(p).marks[static_cast<int>(asker)];
}

bool MarkSet(const R& r, P p, A asker) {
    const FlagMember mark = Mark(p, asker);
    return mark && r.*mark != 0;
}

bool Known(const R& r, P p) {
    if (p == P::Settling) return r.Vs_entered || r.PD_entered || r.SG_entered;
    return r.*FlagsOf(p).entered != 0;
}

bool PhosphorusChainIsNew(const R& r) {
    return r.checked_phos_new != 0;
}

bool ContaminantChainNeedsNone(const R& r) {
    return r.model_contaminant == 0 || ContaminantsNeedNoSediment(r);
}

bool PhosphorusChainNeedsNone(const R& r) {
    return r.checked_phos_new != 0 || r.model_p == 0;
}

bool AnyParameter(P) {
    return true;
}
bool AllButDryDensity(P p) {
    return p != P::DSD;
}
bool SuspendedSolidsOnly(P p) {
    return p == P::SSConc;
}

// How an asker treats the other chain's mark: the other chain's asker, when that chain no
// longer needs its values, and which parameters may be taken over at all. The phosphorus
// data screen never takes over the dry sediment density, and the two parameter-screen
// askers take over only the suspended solids concentration.
struct AskerRule {
    A asker;
    A other;
    bool (*released)(const R&);
    bool (*takes_over)(P);
};

constexpr AskerRule kAskerRules[] = {
    {A::PhosphorusData, A::ContaminantData, ContaminantsNeedNoSediment, AllButDryDensity},
    {A::ContaminantData, A::PhosphorusData, PhosphorusChainIsNew, AnyParameter},
    {A::EstablishedWetland, A::ContaminantScreens, ContaminantChainNeedsNone, SuspendedSolidsOnly},
    {A::ContaminantScreens, A::EstablishedWetland, PhosphorusChainNeedsNone, SuspendedSolidsOnly},
};

const AskerRule& RuleOf(A asker) {
    return kAskerRules[static_cast<int>(asker)];
}

bool OtherReleased(const R& r, P p, A asker) {
    const AskerRule& rule = RuleOf(asker);
    return rule.takes_over(p) && MarkSet(r, p, rule.other) && rule.released(r);
}

}  // namespace

bool IsAsked(const ProjectRecord& r, SedimentParameter p, SedimentAsker asker) {
    return !Known(r, p) || MarkSet(r, p, asker) || OtherReleased(r, p, asker);
}

bool Ask(ProjectRecord& r, SedimentParameter p, SedimentAsker asker) {
    if (!IsAsked(r, p, asker)) return false;
    if (OtherReleased(r, p, asker)) r.*Mark(p, RuleOf(asker).other) = 0;
    if (const FlagMember own = Mark(p, asker)) r.*own = 1;
    return true;
}

bool ContaminantsNeedNoSediment(const ProjectRecord& r) {
    return r.NumHM_LLR == 0 && (r.NumOC_SLR == 0 || (r.NumOC_SLR > 0 && r.checked_contam_tau != 0));
}

namespace {

// Moves each set mark of one asker to another.
void MoveMarks(R& r, A from, A to) {
    for (P p : kHandedOver) {
        if (r.*Mark(p, from)) {
            r.*Mark(p, from) = 0;
            r.*Mark(p, to) = 1;
        }
    }
}

}  // namespace

void SetEntered(ProjectRecord& r, SedimentParameter p, bool entered) {
    const SedimentParameterFlags& f = FlagsOf(p);
    r.*f.entered = entered;
    if (f.entered_temp) r.*f.entered_temp = entered;
}

void HandOverToContaminants(ProjectRecord& r) {
    if (r.model_p) return;
    MoveMarks(r, A::EstablishedWetland, A::ContaminantScreens);
    MoveMarks(r, A::PhosphorusData, A::ContaminantData);
}

void HandOverToPhosphorus(ProjectRecord& r) {
    if (r.model_contaminant) return;
    MoveMarks(r, A::ContaminantScreens, A::EstablishedWetland);
    MoveMarks(r, A::ContaminantData, A::PhosphorusData);
}

namespace {

// ---- Additional Sediment Information Required to Proceed ----

using namespace sediment_choice;

constexpr A DataAsker(SedimentChain chain) {
    return chain == SedimentChain::Phosphorus ? A::PhosphorusData : A::ContaminantData;
}

// The bulk density group: for phosphorus when the burial velocity is to be asked; for
// contaminants when the burial velocity or the bulk density is, unless TSS takes the net
// settling from an entered burial velocity.
bool BulkDensityNeeded(const R& r, SedimentChain chain) {
    if (chain == SedimentChain::Phosphorus) return IsAsked(r, P::Vb, A::PhosphorusData);
    return (IsAsked(r, P::Vb, A::ContaminantData) || IsAsked(r, P::ARhoB, A::ContaminantData)) &&
           !r.checked_Option3;
}

bool SettlingNeeded(const R& r, SedimentChain chain) {
    return IsAsked(r, P::Vs, DataAsker(chain));
}

template <SedimentChain C>
bool BulkDensityGroupEnabled(const R& r, int) {
    return BulkDensityNeeded(r, C);
}

template <SedimentChain C>
bool SettlingGroupEnabled(const R& r, int) {
    return SettlingNeeded(r, C);
}

template <SedimentChain C>
constexpr Row kChoiceRows[] = {
    Text(kSelectLabel, "Select from the options below:"),
    GroupBox(kBulkDensityGroup, "Active Sediment Layer Bulk Density:"),
    Radio(kBulkDensityInput, "Input", &R::checked_RhoBInput_temp, &R::checked_RhoBInput)
        .In(kBulkDensityGroup)
        .EnabledWhen(BulkDensityGroupEnabled<C>),
    Radio(kBulkDensityCalculate, "Calculate", &R::checked_RhoBCalc_temp, &R::checked_RhoBCalc)
        .In(kBulkDensityGroup)
        .BesidePrevious()
        .EnabledWhen(BulkDensityGroupEnabled<C>),
    GroupBox(kSettlingGroup, "Settling Velocity:"),
    Radio(kSettlingInput, "Input", &R::checked_VsInput_temp, &R::checked_VsInput)
        .In(kSettlingGroup)
        .EnabledWhen(SettlingGroupEnabled<C>),
    Radio(kSettlingCalculate, "Calculate", &R::checked_VsCalc_temp, &R::checked_VsCalc)
        .In(kSettlingGroup)
        .BesidePrevious()
        .EnabledWhen(SettlingGroupEnabled<C>),
};

void ChoiceAccepted(ScreenContext& c) {
    c.r.PandCScreenAccepted = 1;
}

// ---- Additional Required Sediment Data ----

using namespace sediment_data;

// The fields the sediment data screen asks for.
template <typename Record>
SedimentFieldsAsked FieldsAsked(Record& r, A asker) {
    SedimentFieldsAsked f;
    if (r.checked_RhoBInput) {
        // The burial velocity's mark is taken even when the bulk density itself is known.
        f.bulk_density = Asking(r, P::Vb, asker) && Asking(r, P::ARhoB, asker);
        if (Asking(r, P::Settling, asker)) AskSettlingFields(r, asker, f);
        f.porosity = Asking(r, P::APhi, asker);
    } else if (r.checked_RhoBCalc) {
        f.porosity = Asking(r, P::APhi, asker);
        f.dry_density = Asking(r, P::DSD, asker);
        if (Asking(r, P::Settling, asker)) AskSettlingFields(r, asker, f);
    }
    return f;
}

template <SedimentChain C, bool SedimentFieldsAsked::*Field>
bool FieldAsked(const R& r, int) {
    return FieldsAsked(r, DataAsker(C)).*Field;
}

template <SedimentChain C>
constexpr Row kDataRows[] = {
    Text(kActiveLayerHeading, "Active Sediment Layer Entry:"),
    Number(kBulkDensityField, "Bulk Density (g/L):", &R::ActiveRhoB_temp, &R::ActiveRhoB)
        .EnabledWhen(FieldAsked<C, &SedimentFieldsAsked::bulk_density>),
    Number(kPorosityField, "Porosity:", &R::ActivePhi_temp, &R::ActivePhi)
        .EnabledWhen(FieldAsked<C, &SedimentFieldsAsked::porosity>),
    Number(kDrySedimentDensityField, "Dry Sediment Density (g/L):", &R::DrySedDensity_temp, &R::DrySedDensity)
        .EnabledWhen(FieldAsked<C, &SedimentFieldsAsked::dry_density>),
    Text(kSettlingHeading, "Settling Particles Entry:"),
    Number(kSettlingVelocityField, "Particle Settling Velocity (m/day):", &R::Vs_temp, &R::Vs)
        .EnabledWhen(FieldAsked<C, &SedimentFieldsAsked::settling_velocity>),
    Number(kParticleDiameterField, "Particle Diameter (microns):", &R::PartDiam_temp, &R::PartDiam)
        .EnabledWhen(FieldAsked<C, &SedimentFieldsAsked::diameter>),
    Number(kSpecificGravityField, "Specific Gravity of Particles:", &R::SG_temp, &R::SG)
        .EnabledWhen(FieldAsked<C, &SedimentFieldsAsked::gravity>),
};

template <SedimentChain C>
void OpenSedimentData(ScreenContext& c) {
    const SedimentFieldsAsked asked = FieldsAsked(c.r, DataAsker(C));
    const bool chosen = c.r.checked_RhoBInput || c.r.checked_RhoBCalc;
    if (chosen && !asked.Any()) c.Message(kNothingRequired, kNothingRequiredCaption);
}

// What accepting the sediment data sets beyond the fields: what is now entered, and the
// values calculated from the entered ones.
void AcceptSedimentData(Dialog& d, R& r) {
    const auto enabled = [&d](int id) { return d.IsEnabled(id); };
    r.DisplayedRhoB = 1;
    r.NothingToDo = 0;
    const bool porosity = enabled(kPorosityField);
    const bool dry_density = enabled(kDrySedimentDensityField);
    if (dry_density) SetEntered(r, P::DSD, true);
    if (porosity) SetEntered(r, P::APhi, true);
    // A bulk density calculated from porosity replaces the burial velocity TSS may have
    // supplied, unless TSS derives the net settling from that burial velocity.
    if (porosity && dry_density && !r.checked_Option3) SetEntered(r, P::Vb, false);
    if (enabled(kSettlingVelocityField)) SetEntered(r, P::Vs, true);
    if (enabled(kParticleDiameterField) && enabled(kSpecificGravityField)) SetEntered(r, P::Vs, true);
    if (enabled(kParticleDiameterField)) SetEntered(r, P::PD, true);
    if (enabled(kSpecificGravityField)) SetEntered(r, P::SG, true);
    if (enabled(kBulkDensityField)) {
        r.ARhoB_entered = 1;
        SetEntered(r, P::Vb, false);
    }
    if (r.APhi_entered && (r.ARhoB_entered || r.DSD_entered)) r.NeedToDisplayRhoB = 0;
    if (r.checked_RhoBCalc) ActiveBulkDensityFromPorosity(r);
    if (r.checked_VsCalc) SettlingVelocityFromParticle(r);
}

bool SedimentDataUsable(ScreenContext& c) {
    return AcceptanceStaysFinite(c, AcceptSedimentData);
}

void SedimentDataAccepted(ScreenContext& c) {
    AcceptSedimentData(c.d, c.r);
}

// What each chain opens once its sediment data are accepted and any calculated values
// seen.
struct SedimentContinuation {
    SedimentChain chain;
    bool (*next)(Ui&, Owner);
};

constexpr SedimentContinuation kContinuations[] = {
    {SedimentChain::Phosphorus, ContinuePhosphorusChainAfterSediment},
    {SedimentChain::Contaminants, ContinueContaminantChainAfterSediment},
};

template <SedimentChain C>
bool FinishSedimentData(Ui& ui, Owner owner) {
    const R& r = Project();
    if ((r.checked_RhoBCalc || r.checked_VsCalc) && !Show<kCalculatedSedimentValues>(ui, owner)) return false;
    for (const SedimentContinuation& k : kContinuations) {
        if (k.chain == C) return k.next(ui, owner);
    }
    return true;
}

// ---- Calculated values ----

// A value the sediment data screen did not calculate is not shown.
constexpr Row kCalculatedRows[] = {
    Computed(calculated_sediment_values::kSettlingVelocityField, "Settling Velocity, Vs (m/day):", &R::Vs)
        .ShownWhen(IsSet<&R::checked_VsCalc>),
    Computed(calculated_sediment_values::kBulkDensityField,
             "Active sediment layer bulk density, Pb (g/L):", &R::ActiveRhoB)
        .ShownWhen(IsSet<&R::checked_RhoBCalc>),
};

constexpr Row kSurficialRows[] = {
    Computed(calculated_surficial_values::kSurficialBulkDensityField,
             "Bulk Density, Pa (g/L):", &R::SurfRhoB),
};

// ---- Velocity summary ----

constexpr Row kSummaryRows[] = {
    Computed(velocity_summary::kBulkDensityField, "Bulk Density, Pb (g/L):", &R::ActiveRhoB_temp),
    Computed(velocity_summary::kNetSettlingField, "Net Settling Velocity, Vn (m/day):", &R::Vn_temp),
    Computed(velocity_summary::kBurialField, "Burial Velocity, Vb (m/day):", &R::ActiveVb_temp),
    Computed(velocity_summary::kResuspensionField,
             "Calculated Resuspension Velocity, Vr (m/day):", &R::Vr_temp),
};

// The summary's values cannot be edited: accepting keeps them as calculated.
void SummaryAccepted(ScreenContext& c) {
    R& r = c.r;
    r.ActiveRhoB = r.ActiveRhoB_temp;
    r.ActiveVb = r.ActiveVb_temp;
    r.Vn = r.Vn_temp;
    Shell().changes = true;
}

void SummaryCancelled(ScreenContext& c) {
    R& r = c.r;
    r.ActiveRhoB_temp = r.ActiveRhoB;
    r.ActiveVb_temp = r.ActiveVb;
    r.Vn_temp = r.Vn;
}

// Values accepting a screen may compute that the engine reads, each named as the screens
// name it, with the entered value it is divided by where a 0 there is the usual cause of a
// value that is not a number.
struct ComputedValue {
    RealMember value;
    const char* name;
    RealMember divided_by = nullptr;
    const char* divided_by_label = nullptr;
};
constexpr char kSolidsLabel[] = "Suspended Solids Concentration";
constexpr char kBulkDensityLabel[] = "Active sediment layer bulk density";
constexpr ComputedValue kComputedValues[] = {
    {&R::Vs, "particle settling velocity"},
    {&R::Vn, "net settling velocity", &R::SSConc, kSolidsLabel},
    {&R::ActiveVb, "burial velocity", &R::ActiveRhoB, kBulkDensityLabel},
    {&R::ActiveVb_temp, "burial velocity", &R::ActiveRhoB, kBulkDensityLabel},
    {&R::ActiveRhoB, "active sediment layer bulk density"},
    {&R::ActiveRhoB_temp, "active sediment layer bulk density"},
    {&R::Vr, "resuspension velocity", &R::ActiveRhoB_temp, kBulkDensityLabel},
    {&R::Vd, "mass transfer velocity"},
    {&R::SurfRhoB, "surficial layer bulk density"},
    {&R::YearlyTPLoading, "yearly TP loading"},
};

// Why a computed value cannot be kept, or nothing when it can. A bulk density of 0 is
// refused where the burial and resuspension velocities are to be divided by it.
std::optional<std::string> Unusable(const ComputedValue& v, const R& after, ZeroBulkDensity zero) {
    const double value = after.*v.value;
    const bool bulk_density = v.value == &R::ActiveRhoB || v.value == &R::ActiveRhoB_temp;
    if (bulk_density && value == 0 && zero == ZeroBulkDensity::Refused) {
        return std::string(kBulkDensityLabel) +
               " must be greater than 0: the burial and resuspension velocities are divided by it. Enter a "
               "bulk density above 0, or a porosity below 1 and a dry sediment density above 0.";
    }
    if (std::isfinite(value)) return std::nullopt;
    if (v.divided_by != nullptr && after.*v.divided_by == 0) {
        return std::string(v.divided_by_label) + " must be greater than 0 to compute the " + v.name + ".";
    }
    return std::string("The ") + v.name +
           " cannot be computed from the values entered: it would be infinite or not a number. Check the "
           "values for one far too large or too small.";
}

}  // namespace

bool ComputedSedimentValuesUsable(ScreenContext& c, const ProjectRecord& after, ZeroBulkDensity zero) {
    for (const ComputedValue& v : kComputedValues) {
        if (after.*v.value == c.r.*v.value) continue;
        if (const auto why = Unusable(v, after, zero)) {
            c.Refuse(*why);
            return false;
        }
    }
    return true;
}

bool AcceptanceStaysFinite(ScreenContext& c, void (*accept)(Dialog&, ProjectRecord&), ZeroBulkDensity zero) {
    R trial = c.r;
    const bool changes = Shell().changes;
    CommitRows(trial, c.screen);
    Shell().changes = changes;
    accept(c.d, trial);
    return ComputedSedimentValuesUsable(c, trial, zero);
}

namespace {

// Each screen has a variant per chain that differs only in the chain's rows and hooks.
template <SedimentChain chain>
constexpr DataScreen SedimentChoiceScreen() {
    return {
        .number = kSedimentChoiceScreen,
        .caption = "Additional Sediment Information Required to Proceed",
        .rows = kChoiceRows<chain>,
        .help_button = kChoiceHelp,
        .help_file = "tp5.txt",
        .after_commit = ChoiceAccepted,
        .next = ShowSedimentDataOfCurrentChain,
    };
}

// Both variants put back on Cancel what a partial read changed: the engine reads the
// working copies of bulk density and burial velocity.
template <SedimentChain chain>
constexpr DataScreen SedimentDataScreen() {
    return {
        .number = kSedimentDataScreen,
        .caption = "Additional Required Sediment Data",
        .rows = kDataRows<chain>,
        .help_button = kDataHelp,
        .help_file = "tp6.txt",
        .on_invalid = OnInvalid::Stay,
        .on_open = OpenSedimentData<chain>,
        .validate = SedimentDataUsable,
        .after_commit = SedimentDataAccepted,
        .next = FinishSedimentData<chain>,
    };
}

}  // namespace

constinit const DataScreen kSedimentChoicePhosphorus = SedimentChoiceScreen<SedimentChain::Phosphorus>();
constinit const DataScreen kSedimentChoiceContaminants = SedimentChoiceScreen<SedimentChain::Contaminants>();
constinit const DataScreen kSedimentDataPhosphorus = SedimentDataScreen<SedimentChain::Phosphorus>();
constinit const DataScreen kSedimentDataContaminants = SedimentDataScreen<SedimentChain::Contaminants>();

const DataScreen kCalculatedSedimentValues{
    .number = kCalculatedSedimentValuesScreen,
    .caption = "Calculated Values",
    .rows = kCalculatedRows,
    .help_button = calculated_sediment_values::kCalculatedHelp,
    .help_file = "contam23.txt",
    .revert_on_cancel = false,
};

const DataScreen kCalculatedSurficialValues{
    .number = kCalculatedSurficialValuesScreen,
    .caption = "Calculated Surficial Sediment Layer Values",
    .rows = kSurficialRows,
    .help_button = calculated_surficial_values::kSurficialHelp,
    .help_file = "contam22.txt",
    .revert_on_cancel = false,
};

const DataScreen kVelocitySummary{
    .number = kVelocitySummaryScreen,
    .caption = "Active sediment layer bulk density, Vb, Vr and Vn",
    .rows = kSummaryRows,
    .help_button = velocity_summary::kSummaryHelp,
    .help_file = "contam21.txt",
    .after_commit = SummaryAccepted,
    .on_cancel = SummaryCancelled,
};

bool ShowSedimentChoice(Ui& ui, Owner owner, SedimentChain chain) {
    R& r = Project();
    const A asker = DataAsker(chain);
    const bool phosphorus = chain == SedimentChain::Phosphorus;
    std::int32_t& nothing_to_do = phosphorus ? r.NothingToDoInDPC : r.NothingToDo;
    nothing_to_do = 1;
    const bool modelled = phosphorus ? r.model_p != 0 : r.model_contaminant != 0;
    const bool bulk_density = BulkDensityNeeded(r, chain);
    const bool settling = SettlingNeeded(r, chain);
    const bool anything = phosphorus ? bulk_density || settling
                                     : IsAsked(r, P::Vb, asker) || IsAsked(r, P::ARhoB, asker) || settling;
    if (!modelled || !anything) return true;
    nothing_to_do = 0;
    if (bulk_density) Ask(r, phosphorus || IsAsked(r, P::Vb, asker) ? P::Vb : P::ARhoB, asker);
    if (settling) Ask(r, P::Vs, asker);
    return ShowScreen(ui, owner, phosphorus ? kSedimentChoicePhosphorus : kSedimentChoiceContaminants);
}

bool ShowSedimentDataOfCurrentChain(Ui& ui, Owner owner) {
    R& r = Project();
    const DataScreen* screen = r.tp_current       ? &kSedimentDataPhosphorus
                               : r.contam_current ? &kSedimentDataContaminants
                                                  : nullptr;
    if (!screen) return false;
    RevertRows(r, *screen);
    return ShowScreen(ui, owner, *screen);
}

bool ShowCurrentVelocities(Ui& ui, Owner owner) {
    R& r = Project();
    r.ActiveRhoB_temp = r.ActiveRhoB;
    r.ActiveVb_temp = r.ActiveVb;
    r.Vn_temp = r.Vn;
    r.Vr_temp = r.Vr;
    return Show<kVelocitySummary>(ui, owner);
}

bool BurialVelocityToCompute(const ProjectRecord& r) {
    return !r.Vb_entered && !r.checked_Opt3Input && !r.checked_Opt3Calc;
}

void ComputeSedimentVelocities(ProjectRecord& r) {
    if (r.checked_Opt1Input) {
        r.checked_VsCalc = 0;
    } else if (r.checked_VsCalc) {
        SettlingVelocityFromParticle(r);
        ComputeNetSettling(r);
    }
    if (BurialVelocityToCompute(r)) ComputeBurialVelocity(r);
    ComputeResuspensionAndMassTransfer(r);
}

}  // namespace velmar
