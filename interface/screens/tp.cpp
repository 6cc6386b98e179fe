// The specified-rate chain, the age class choice and the new-wetland chain.
#include "interface/screens/tp.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/shared_sediment.h"
#include "interface/session/state.h"
#include "project/slots.h"

namespace velmar {
namespace {

using R = ProjectRecord;

// ---- Specified rate: basis, then the rate ----

using namespace tp_rate_basis;

constexpr Row kBasisRows[] = {
    Text(kBasisLabel, "Make a Selection for Removal Rate Basis:"),
    Radio(kArealButton, "Areal (Vtp) [m/day]", &R::check_Vtp_temp, &R::check_Vtp),
    Radio(kVolumetricButton, "Volumetric (Ktp) [/day]", &R::check_Ktp_temp, &R::check_Ktp),
};

void BasisChosen(ScreenContext& c) {
    c.r.called_by_double_window_close = 1;
}

// The rate screen of the chosen basis, showing the committed rate; the rates reach the
// record when it is accepted.
bool ShowSpecifiedRate(Ui& ui, Owner owner) {
    R& r = Project();
    const bool areal = r.check_Vtp != 0;
    if (areal) {
        r.PhosRemRateAB_temp = r.PhosRemRateAB;
    } else {
        r.PhosRemRateVB_temp = r.PhosRemRateVB;
    }
    if (!ShowScreen(ui, owner, areal ? kTPRateAreal : kTPRateVolumetric)) return false;
    r.PhosRemRateAB = r.PhosRemRateAB_temp;
    r.PhosRemRateVB = r.PhosRemRateVB_temp;
    return true;
}

using namespace tp_rate;

constexpr Row kArealRows[] = {
    Text(kEnterLabel, "Enter the following:"),
    Number(kRateField, "Vtp (m/day)", &R::PhosRemRateAB_temp),
    Text(kRateNote, "Tp Removal Rate [Areal Basis]"),
};

constexpr Row kVolumetricRows[] = {
    Text(kEnterLabel, "Enter the following:"),
    Number(kRateField, "Ktp (/day)", &R::PhosRemRateVB_temp),
    Text(kRateNote, "Tp Removal Rate [Volumetric Basis]"),
};

// A rate that is not a number is named before the field shows the last valid rate again.
void CheckRateText(ScreenContext& c, const DialogEvent& e) {
    if (e.kind == DialogEvent::Ok && !NumberTextValue(c.d.Text(kRateField))) {
        c.Message(kRateMustBeNumber, kInvalidEntryCaption);
    }
}

void RateEntered(ScreenContext& c) {
    c.r.called_by_triple_window_close = 1;
    c.r.called_by_added_close = 1;
}

void CancelArealRate(ScreenContext& c) {
    c.r.PhosRemRateAB_temp = c.r.PhosRemRateAB;
}

void CancelVolumetricRate(ScreenContext& c) {
    c.r.PhosRemRateVB_temp = c.r.PhosRemRateVB;
}

// ---- Wetland age / methods ----

using namespace tp_method;

constexpr Row kMethodRows[] = {
    Text(tp_method::kSelectLabel, "Select from these options:"),
    GroupBox(kAgeGroup, "Wetland Age / Methods"),
    Radio(kNewButton, "New Wetland (e.g. Constructed)", &R::checked_phos_new_temp, &R::checked_phos_new)
        .In(kAgeGroup),
    Radio(kEstablishedButton, "Established Wetland (@ equilibrium)", &R::checked_phos_estab_temp,
          &R::checked_phos_estab)
        .In(kAgeGroup),
    Radio(kDetermineButton, "Determine if New or Established", &R::checked_phos_deter_temp,
          &R::checked_phos_deter)
        .In(kAgeGroup),
};

bool AgeClassChosen(ScreenContext& c) {
    const R& r = c.r;
    if (r.checked_phos_new_temp || r.checked_phos_estab_temp || r.checked_phos_deter_temp) return true;
    c.Message(kChooseOneChoice, kNoSelectionCaption);
    return false;
}

void AgeClassAccepted(ScreenContext& c) {
    HandOverToPhosphorus(c.r);
}

// Both the settling velocity and the bulk density are known, and the phosphorus sediment
// data screen would not ask for them again.
bool SedimentKnown(const R& r) {
    return !IsAsked(r, SedimentParameter::Vs, SedimentAsker::PhosphorusData) &&
           !IsAsked(r, SedimentParameter::ARhoB, SedimentAsker::PhosphorusData);
}

bool ContinueEstablished(Ui& ui, Owner owner) {
    R& r = Project();
    r.tp_current = 1;
    r.contam_current = 0;
    if (SedimentKnown(r)) return ShowTPLoadType(ui, owner, LoadTypeVariant::Established);
    r.checked_RhoBInput_temp = r.checked_RhoBInput;
    r.checked_RhoBCalc_temp = r.checked_RhoBCalc;
    r.checked_VsInput_temp = r.checked_VsInput;
    r.checked_VsCalc_temp = r.checked_VsCalc;
    if (!ShowSedimentChoice(ui, owner, SedimentChain::Phosphorus)) return false;
    // A sediment choice with nothing to ask leaves the load type to this screen; otherwise
    // the sediment chain has already been through it.
    return !r.NothingToDoInDPC || ShowTPLoadType(ui, owner, LoadTypeVariant::Established);
}

// The determination sets the new or the established class; the method screen shows the
// outcome and stays open, for the user to follow the chosen path.
bool Determine(Ui& ui, Owner owner) {
    if (ShowTPLoadType(ui, owner, LoadTypeVariant::Determination) && owner.dialog()) {
        FillRows(*owner.dialog(), Project(), kTPMethodSelection);
    }
    return false;
}

bool ContinueByAgeClass(Ui& ui, Owner owner) {
    const R& r = Project();
    if (r.checked_phos_new) return ShowNewWetlandOptions(ui, owner);
    if (r.checked_phos_estab) return ContinueEstablished(ui, owner);
    return Determine(ui, owner);
}

// ---- New wetland: which fractions are known ----

using namespace new_wetland_options;

// The buttons edit the option flags themselves: the record keeps no working copies of
// them, so the flags as last committed are held here while the screen is open.
constexpr FlagMember kOptionFlags[] = {
    &R::checked_fpw_l, &R::checked_fdw, &R::checked_fi1, &R::checked_fi2,
    &R::checked_fo1,   &R::checked_fo2, &R::checked_fi3, &R::checked_fo3,
};
std::int32_t committed_options[std::size(kOptionFlags)];

// Of several set flags (a project written elsewhere), the one the model reads last wins.
constexpr FlagMember kOptionPrecedence[] = {
    &R::checked_fdw, &R::checked_fpw_l, &R::checked_fo3, &R::checked_fo2,
    &R::checked_fo1, &R::checked_fi3,   &R::checked_fi2, &R::checked_fi1,
};

constexpr Row kOptionRows[] = {
    Text(kChooseLabel, "Choose one of the following for known conditions:"),
    Radio(kFpwButton, "Fraction TPP to TP in water column (f_pw)", &R::checked_fpw_l),
    Radio(kFdwButton, "Fraction TDP to TP in water column (f_dw)", &R::checked_fdw),
    Radio(kFi1Button, "Fraction TIP to TP (f_i) AND fraction PIP to TIP (F_pw)", &R::checked_fi1),
    Radio(kFi2Button, "Fraction TIP to TP (f_i) AND fraction DIP to TIP (F_dw)", &R::checked_fi2),
    Radio(kFo1Button, "Fraction TOP to TP (f_o) AND fraction PIP to TIP (F_pw)", &R::checked_fo1),
    Radio(kFo2Button, "Fraction TOP to TP (f_o) AND fraction DIP to TIP (F_dw)", &R::checked_fo2),
    Radio(kFi3Button, "Fraction TIP to TP (f_i) AND Kdw AND S", &R::checked_fi3),
    Radio(kFo3Button, "Fraction TOP to TP (f_o) AND Kdw AND S", &R::checked_fo3),
    Text(kNoteLabel, "Press Help button for meaning of abbreviations."),
};

void HoldCommittedOptions(const R& r) {
    std::transform(std::begin(kOptionFlags), std::end(kOptionFlags), committed_options,
                   [&r](FlagMember f) { return r.*f; });
}

void OpenOptions(ScreenContext& c) {
    R& r = c.r;
    HoldCommittedOptions(r);
    const FlagMember* shown = std::find_if(std::begin(kOptionPrecedence), std::end(kOptionPrecedence),
                                           [&r](FlagMember f) { return r.*f != 0; });
    for (FlagMember f : kOptionFlags) r.*f = shown != std::end(kOptionPrecedence) && f == *shown;
}

bool OptionChosen(ScreenContext& c) {
    const R& r = c.r;
    if (std::any_of(std::begin(kOptionFlags), std::end(kOptionFlags), [&r](FlagMember f) { return r.*f; }))
        return true;
    c.Message(kChooseOneOption, kNoSelectionCaption);
    return false;
}

void OptionsAccepted(ScreenContext& c) {
    c.r.checked_fpw_l_temp = c.r.checked_fpw_l;
    HoldCommittedOptions(c.r);
}

void CancelOptions(ScreenContext& c) {
    for (std::size_t i = 0; i < std::size(kOptionFlags); ++i) c.r.*kOptionFlags[i] = committed_options[i];
    c.r.checked_fpw_l_temp = c.r.checked_fpw_l;
}

// ---- New wetland: the known fractions ----

using namespace new_wetland_input;

bool AnyOf(const R& r, std::initializer_list<FlagMember> flags) {
    return std::any_of(flags.begin(), flags.end(), [&r](FlagMember f) { return r.*f != 0; });
}
bool InorganicKnown(const R& r, int) {
    return AnyOf(r, {&R::checked_fi1, &R::checked_fi2, &R::checked_fi3});
}
bool OrganicKnown(const R& r, int) {
    return AnyOf(r, {&R::checked_fo1, &R::checked_fo2, &R::checked_fo3});
}
bool PartitionKnown(const R& r, int) {
    return AnyOf(r, {&R::checked_fi3, &R::checked_fo3});
}
bool ParticulateInorganicKnown(const R& r, int) {
    return AnyOf(r, {&R::checked_fi1, &R::checked_fo1});
}
bool DissolvedInorganicKnown(const R& r, int) {
    return AnyOf(r, {&R::checked_fi2, &R::checked_fo2});
}

constexpr Row kFractionRows[] = {
    Text(new_wetland_input::kEnterLabel, "Enter the following:"),
    Number(kFiField, "Fraction total inorganic phos. to total phosphorus (f_i)", &R::f_i_temp, &R::f_i)
        .EnabledWhen(InorganicKnown),
    Number(kFoField, "Fraction total organic phos. to total phosphorus (f_o)", &R::f_o_temp, &R::f_o)
        .EnabledWhen(OrganicKnown),
    Number(kKdwField, "Distribution Coefficient (Kdw) for phosphorus in water column (L/g)", &R::Kdw_temp,
           &R::Kdw)
        .EnabledWhen(PartitionKnown),
    Number(kFpwField, "Fraction PIP to TIP in water column (F_pw)", &R::Fpw_temp, &R::Fpw)
        .EnabledWhen(ParticulateInorganicKnown),
    Number(kFdwField, "Fraction DIP to TIP in water column (F_dw)", &R::Fdw_temp, &R::Fdw)
        .EnabledWhen(DissolvedInorganicKnown),
    Number(kFpwlField, "Fraction TPP to total phosphorus in water column (f_pw)", &R::fpw_l_temp, &R::fpw_l)
        .EnabledWhen(IsSet<&R::checked_fpw_l>),
    Number(kFdwlField, "Fraction TDP to total phosphorus in water column (f_dw)", &R::fdw_l_temp, &R::fdw_l)
        .EnabledWhen(IsSet<&R::checked_fdw>),
    Number(kSuspendedSolidsField, "Suspended solid concentration 'S' (mg/L)", &R::SSConc_temp, &R::SSConc)
        .EnabledWhen(PartitionKnown),
};

// Each entered fraction fixes its complement: f_i + f_o, F_pw + F_dw and f_pw + f_dw are 1.
void CompleteFractions(ScreenContext& c) {
    R& r = c.r;
    if (OrganicKnown(r, 0)) r.f_i = 1 - r.f_o_temp;
    if (InorganicKnown(r, 0)) r.f_o = 1 - r.f_i_temp;
    if (ParticulateInorganicKnown(r, 0)) r.Fdw = 1 - r.Fpw_temp;
    if (DissolvedInorganicKnown(r, 0)) r.Fpw = 1 - r.Fdw_temp;
    if (r.checked_fpw_l) r.fdw_l = 1 - r.fpw_l_temp;
    if (r.checked_fdw) r.fpw_l = 1 - r.fdw_l_temp;
    r.called_by_mult_window_close = 1;
}

}  // namespace

const DataScreen kTPRateBasis{
    .number = kTPRateBasisScreen,
    .caption = "TP Areal or Volumetric Removal Rate Entry Screen",
    .rows = kBasisRows,
    .help_button = kBasisHelp,
    .help_file = "tp1.txt",
    .one_option = true,
    .after_commit = BasisChosen,
    .next = ShowSpecifiedRate,
};

const DataScreen kTPRateAreal{
    .number = kTPRateArealScreen,
    .caption = "Specify Phosphorous Removal Rate Entry Screen",
    .rows = kArealRows,
    .help_button = kRateHelp,
    .help_file = "tp1.txt",
    .on_invalid = OnInvalid::Refill,
    .on_event = CheckRateText,
    .after_commit = RateEntered,
    .on_cancel = CancelArealRate,
};

const DataScreen kTPRateVolumetric{
    .number = kTPRateVolumetricScreen,
    .caption = "Specify Phosphorous Removal Rate Entry Screen",
    .rows = kVolumetricRows,
    .help_button = kRateHelp,
    .help_file = "tp1.txt",
    .on_invalid = OnInvalid::Refill,
    .on_event = CheckRateText,
    .after_commit = RateEntered,
    .on_cancel = CancelVolumetricRate,
};

const DataScreen kTPMethodSelection{
    .number = kTPMethodSelectionScreen,
    .caption = "TP Wetland Age / Methods Selection Screen",
    .rows = kMethodRows,
    .help_button = kMethodHelp,
    .help_file = "tp4.txt",
    .validate = AgeClassChosen,
    .after_commit = AgeClassAccepted,
    .next = ContinueByAgeClass,
};

const DataScreen kNewWetlandOptions{
    .number = kNewWetlandOptionsScreen,
    .caption = "New Wetland Input for Water Column Phosphorus",
    .rows = kOptionRows,
    .help_button = kOptionsHelp,
    .help_file = "tp7.txt",
    .on_open = OpenOptions,
    .validate = OptionChosen,
    .after_commit = OptionsAccepted,
    .next = Show<kNewWetlandInput>,
    .on_cancel = CancelOptions,
};

const DataScreen kNewWetlandInput{
    .number = kNewWetlandInputScreen,
    .caption = "New Wetland Variable Input Screen",
    .rows = kFractionRows,
    .help_button = kInputHelp,
    .help_file = "tp11.txt",
    .on_invalid = OnInvalid::Stay,
    .after_commit = CompleteFractions,
    .loads_copies = true,
};

bool ShowPhosphorusData(Ui& ui, Owner owner) {
    R& r = Project();
    if (r.PhosRemSpec) {
        RevertRows(r, kTPRateBasis);
        return Show<kTPRateBasis>(ui, owner);
    }
    r.called_by_triple_window_close = 0;
    r.called_by_quad_window_close = 0;
    if (!r.UserEnteredTSS) {
        ui.MessageBox(owner, kEnterTSSFirst, kEnterTSSFirstCaption, Buttons::Ok);
        return false;
    }
    RevertRows(r, kTPMethodSelection);
    return Show<kTPMethodSelection>(ui, owner);
}

bool ShowNewWetlandOptions(Ui& ui, Owner owner) {
    Project().checked_fpw_l_temp = Project().checked_fpw_l;
    return ShowScreen(ui, owner, kNewWetlandOptions);
}

}  // namespace velmar
