#include "interface/screens/tss.h"

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <span>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/shared_sediment.h"
#include "interface/session/state.h"
#include "project/sediment.h"
#include "project/slots.h"
#include "project/working_copy.h"

namespace velmar {
namespace {

using R = ProjectRecord;

// The sediment values the TSS screens edit, committed together whichever path was taken.
constexpr WorkingCopy<double> kTssValues[] = {
    {&R::ActiveVb, &R::ActiveVb_temp},
    {&R::ActiveRhoB, &R::ActiveRhoB_temp},
    {&R::ActivePhi, &R::ActivePhi_temp},
    {&R::SurfVb, &R::SurfVb_temp},
    {&R::SurfRhoB, &R::SurfRhoB_temp},
    {&R::SurfPhi, &R::SurfPhi_temp},
    {&R::DrySedDensity, &R::DrySedDensity_temp},
    {&R::SSConc, &R::SSConc_temp},
    {&R::PartDiam, &R::PartDiam_temp},
    {&R::SG, &R::SG_temp},
    {&R::Vs, &R::Vs_temp},
    {&R::Vd, &R::Vd_temp},
    {&R::Vr, &R::Vr_temp},
};

// ---- Flags ----

// Which values are known, how the active layer bulk density is obtained, and which values
// have been entered; each with its working copy.
enum TssFlag : int {
    kCheckedVs,
    kCheckedPartDiam,
    kCheckedSG,
    kCheckedSSConc,
    kCheckedSAcc,
    kCheckedSRhoB,
    kCheckedSPhi,
    kCheckedDRhoS,
    kCheckedAVb,
    kCheckedARhoB,
    kCheckedAPhi,
    kARhoBKnown,
    kCheckedRhoBInput,
    kCheckedRhoBCalc,
    kVbEntered,
    kVsEntered,
    kSSConcEntered,
    kPDEntered,
    kSGEntered,
    kAPhiEntered,
    kDSDEntered,
    kTssFlagCount,
};

constexpr FlagCopy kTssFlags[] = {
    {&R::checked_Vs, &R::checked_Vs_temp},
    {&R::checked_PartDiam, &R::checked_PartDiam_temp},
    {&R::checked_SG, &R::checked_SG_temp},
    {&R::checked_SSConc, &R::checked_SSconc_temp},
    {&R::checked_SAcc, &R::checked_SAcc_temp},
    {&R::checked_SRhoB, &R::checked_SRhoB_temp},
    {&R::checked_SPhi, &R::checked_SPhi_temp},
    {&R::checked_DRhoS, &R::checked_DRhoS_temp},
    {&R::checked_AVb, &R::checked_AVb_temp},
    {&R::checked_ARhoB, &R::checked_ARhoB_temp},
    {&R::checked_APhi, &R::checked_APhi_temp},
    {&R::ARhoB_known, &R::ARhoB_known_temp},
    {&R::checked_RhoBInput, &R::checked_RhoBInput_temp},
    {&R::checked_RhoBCalc, &R::checked_RhoBCalc_temp},
    {&R::Vb_entered, &R::Vb_entered_temp},
    {&R::Vs_entered, &R::Vs_entered_temp},
    {&R::SSConc_entered, &R::SSConc_entered_temp},
    {&R::PD_entered, &R::PD_entered_temp},
    {&R::SG_entered, &R::SG_entered_temp},
    {&R::APhi_entered, &R::APhi_entered_temp},
    {&R::DSD_entered, &R::DSD_entered_temp},
};
static_assert(std::size(kTssFlags) == kTssFlagCount);

using FlagSet = std::uint32_t;

constexpr FlagSet Flags(std::initializer_list<TssFlag> flags) {
    FlagSet set = 0;
    for (TssFlag f : flags) set |= FlagSet{1} << f;
    return set;
}
// Whether a set of flags or marks holds one.
constexpr bool Has(std::uint32_t set, int member) {
    return ((set >> member) & 1) != 0;
}

constexpr FlagSet kAllFlags = (FlagSet{1} << kTssFlagCount) - 1;
// The known-value flags: those before the entered marks.
constexpr FlagSet kKnownValueFlags = (FlagSet{1} << kVbEntered) - 1;
// What CommitTSS commits: all but the choice of how the bulk density is obtained.
constexpr FlagSet kCommittedByData = kAllFlags & ~Flags({kCheckedRhoBInput, kCheckedRhoBCalc});

void CommitFlags(R& r, FlagSet set) {
    for (int f = 0; f < kTssFlagCount; ++f) {
        if (Has(set, f)) kTssFlags[f].Commit(r);
    }
}
void RevertFlags(R& r, FlagSet set) {
    for (int f = 0; f < kTssFlagCount; ++f) {
        if (Has(set, f)) kTssFlags[f].Load(r);
    }
}
// Sets the flags of one set to a value in record and working copy.
void SetFlags(R& r, FlagSet set, std::int32_t value) {
    for (int f = 0; f < kTssFlagCount; ++f) {
        if (Has(set, f)) r.*kTssFlags[f].value = r.*kTssFlags[f].copy = value;
    }
}

// ---- Entered marks ----

// A quantity's mark of entry on the TSS screens and, for the shared sediment parameters,
// their flags: entered anywhere, and held for the phosphorus or contaminant screens to ask for.
struct EnteredMark {
    FlagMember tss;
    const SedimentParameterFlags* shared = nullptr;
};

constexpr EnteredMark Shared(SedimentParameter p) {
    return {FlagsOf(p).tss_entered, &FlagsOf(p)};
}

enum MarkName : int {
    kMarkVs,
    kMarkPD,
    kMarkSG,
    kMarkSSConc,
    kMarkVa,
    kMarkSRhoB,
    kMarkSPhi,
    kMarkVb,
    kMarkARhoB,
    kMarkAPhi,
    kMarkDSD,
    kMarkCount
};

constexpr EnteredMark kMarks[] = {
    Shared(SedimentParameter::Vs),
    Shared(SedimentParameter::PD),
    Shared(SedimentParameter::SG),
    Shared(SedimentParameter::SSConc),
    {&R::TSS_entered_Va},
    {&R::TSS_entered_SRhoB},
    {&R::TSS_entered_SPhi},
    Shared(SedimentParameter::Vb),
    Shared(SedimentParameter::ARhoB),
    Shared(SedimentParameter::APhi),
    Shared(SedimentParameter::DSD),
};
static_assert(std::size(kMarks) == kMarkCount);

using MarkSet = std::uint32_t;

constexpr MarkSet Marks(std::initializer_list<MarkName> marks) {
    MarkSet set = 0;
    for (MarkName m : marks) set |= MarkSet{1} << m;
    return set;
}

void SetEntered(R& r, const EnteredMark& m, std::int32_t value) {
    r.*m.tss = value;
    if (m.shared) SetEntered(r, m.shared->parameter, value != 0);
}

// The quantities a data screen supplied are marked entered on the TSS screens, and no other
// screen holds them any longer; a quantity entered on an earlier TSS path that this one
// does not use is no longer marked entered.
void UpdateEnteredMarks(R& r, MarkSet supplied) {
    for (int k = 0; k < kMarkCount; ++k) {
        const EnteredMark& m = kMarks[k];
        if (Has(supplied, k)) {
            SetEntered(r, m, 1);
            if (!m.shared) continue;
            for (FlagMember other : m.shared->marks) {
                if (other) r.*other = 0;
            }
        } else if (r.*m.tss) {
            SetEntered(r, m, 0);
        }
    }
}

// ---- Options and paths ----

// The three options and their input/calculate sub-choices, in the screens' order.
constexpr FlagCopy kOptions[] = {
    {&R::checked_Option1, &R::checked_Option1_temp},
    {&R::checked_Option2, &R::checked_Option2_temp},
    {&R::checked_Option3, &R::checked_Option3_temp},
};
constexpr FlagCopy kSubChoices[] = {
    {&R::checked_Opt1Input, &R::checked_Opt1Input_temp}, {&R::checked_Opt1Calc, &R::checked_Opt1Calc_temp},
    {&R::checked_Opt2Input, &R::checked_Opt2Input_temp}, {&R::checked_Opt2Calc, &R::checked_Opt2Calc_temp},
    {&R::checked_Opt3Input, &R::checked_Opt3Input_temp}, {&R::checked_Opt3Calc, &R::checked_Opt3Calc_temp},
};
constexpr int kOptionCount = 3;

int SubChoice(int option, bool calculate) {
    return 2 * option + (calculate ? 1 : 0);
}

// Only one sub-choice, in record and working copy, or in the working copies alone.
void ChooseSubChoice(R& r, int chosen, bool in_record) {
    for (int k = 0; k < static_cast<int>(std::size(kSubChoices)); ++k) {
        r.*kSubChoices[k].copy = k == chosen ? 1 : 0;
        if (in_record) kSubChoices[k].Commit(r);
    }
}

// An option newly chosen starts from entering its quantity, with the values that path
// needs marked known.
struct OptionStart {
    const DataScreen* continued;  // the second screen: enter or calculate
    FlagSet known;
    FlagSet unknown;
};

// One of the six paths through the second screens to a data screen.
struct TssPath {
    int equation;   // equation_to_use
    FlagSet known;  // known-value flags set; the others are cleared
    const DataScreen* data;
    FlagSet data_flags;  // cleared before the data screen opens, set when it is accepted
    MarkSet supplied;    // the quantities the data screen supplies
};

const OptionStart& StartOf(int option);
const TssPath& PathOf(int option, bool calculate);
const TssPath& PathOf(const DataScreen& data);

// The committed option: the selection's OK commits exactly one, so asking before it is a
// programming error.
int CommittedOption(const R& r) {
    for (int k = 0; k < kOptionCount; ++k) {
        if (r.*kOptions[k].value) return k;
    }
    std::abort();
}

// The option a second screen belongs to.
int OptionOf(const DataScreen& continued) {
    for (int k = 0; k < kOptionCount; ++k) {
        if (StartOf(k).continued == &continued) return k;
    }
    std::abort();
}

// ---- Option selection ----

using namespace tss_option_selection;

constexpr Row kOptionRows[] = {
    Text(kSelectLabel,
         "Select ONE of the following options for estimating net settling velocity (Vn), m/day:"),
    Radio(kVnEqualsVsButton, "Assume Vn equals particle settling rate (Vs)", &R::checked_Option1_temp,
          &R::checked_Option1),
    Radio(kAccretionButton, "Calculate Vn based on sediment accretion rate (Va)", &R::checked_Option2_temp,
          &R::checked_Option2),
    Radio(kBurialButton, "Calculate Vn based on sediment burial rate (Vb)", &R::checked_Option3_temp,
          &R::checked_Option3),
};

// A choice differing from the committed one counts as changed until a later OK has reset
// the option's sub-choices.
bool NoteChangedOption(ScreenContext& c) {
    R& r = c.r;
    for (const FlagCopy& option : kOptions) {
        if (r.*option.copy != r.*option.value) r.option_entered_prior = 1;
    }
    return true;
}

// A changed option starts its path afresh; the same option again keeps what was chosen.
void StartChosenOption(ScreenContext& c) {
    R& r = c.r;
    const int option = CommittedOption(r);
    const OptionStart& start = StartOf(option);
    if (r.option_entered_prior) {
        ChooseSubChoice(r, SubChoice(option, false), true);
        SetFlags(r, start.known, 1);
        SetFlags(r, start.unknown, 0);
        r.equation_to_use = option + 1;
        r.option_entered_prior = 0;
    }
    // The second screen opens on the committed sub-choice.
    RevertRows(r, *start.continued);
}

// The TSS working copies are committed as the chain ends, whether or not the user
// accepted its last screen; TSS data then exists.
void CommitTssWorkingCopies(R& r, FlagSet flags) {
    if (r.model_p) r.OkToModelTP = 1;
    CommitAll(r, kTssValues);
    CommitFlags(r, flags);
    r.UserEnteredTSS = 1;
    r.called_by_double_window_close = 1;
}

bool ShowChosenContinuation(Ui& ui, Owner owner) {
    R& r = Project();
    const bool accepted = ShowScreen(ui, owner, *StartOf(CommittedOption(r)).continued);
    // No screen sets a negative equation; a project file can carry one, and it stands for
    // velocities that give a negative resuspension velocity.
    if (r.model_p && r.equation_to_use < 0) {
        ui.MessageBox(owner, kNegativeResuspension, kNegativeResuspensionCaption, Buttons::Ok);
        return false;
    }
    CommitTssWorkingCopies(r, kAllFlags);
    CommitAll(r, kSubChoices);
    return accepted;
}

void CancelOptionSelection(ScreenContext& c) {
    LoadAll(c.r, kSubChoices);
    RevertFlags(c.r, kKnownValueFlags);
}

// ---- Second screens: enter or calculate ----

using namespace tss_continued;

constexpr Row kCheckRow = Text(kCheckLabel, "Check your selection:");

constexpr Row kVsChoiceRows[] = {
    kCheckRow,
    Text(kQuantityLabel, "Particle settling velocity (Vs)"),
    Radio(kVsInputButton, "Input", &R::checked_Opt1Input_temp, &R::checked_Opt1Input),
    Radio(kVsCalculateButton, "Calculate", &R::checked_Opt1Calc_temp, &R::checked_Opt1Calc).BesidePrevious(),
};
constexpr Row kAccretionChoiceRows[] = {
    kCheckRow,
    Text(kQuantityLabel, "Surficial sediment bulk density"),
    Radio(kAccretionInputButton, "Input", &R::checked_Opt2Input_temp, &R::checked_Opt2Input),
    Radio(kAccretionCalculateButton, "Calculate", &R::checked_Opt2Calc_temp, &R::checked_Opt2Calc)
        .BesidePrevious(),
};
constexpr Row kBurialChoiceRows[] = {
    kCheckRow,
    Text(kQuantityLabel, "Active Sediment Layer Bulk Density"),
    Radio(kBurialInputButton, "Input", &R::checked_Opt3Input_temp, &R::checked_Opt3Input),
    Radio(kBurialCalculateButton, "Calculate", &R::checked_Opt3Calc_temp, &R::checked_Opt3Calc)
        .BesidePrevious(),
};

// The chosen path's data screen opens on the committed values, with its data marked not
// yet supplied.
void PrepareDataScreen(ScreenContext& c) {
    R& r = c.r;
    const int option = OptionOf(c.screen);
    const bool calculate = r.*kSubChoices[SubChoice(option, true)].value != 0;
    const TssPath& path = PathOf(option, calculate);
    ChooseSubChoice(r, SubChoice(option, calculate), false);
    r.equation_to_use = path.equation;
    for (int f = 0; f < kTssFlagCount; ++f) {
        if (Has(kKnownValueFlags, f)) r.*kTssFlags[f].copy = Has(path.known, f) ? 1 : 0;
    }
    RevertRows(r, *path.data);
    SetFlags(r, path.data_flags, 0);
}

template <int Option>
bool ShowChosenData(Ui& ui, Owner owner) {
    const bool calculate = Project().*kSubChoices[SubChoice(Option, true)].value != 0;
    return ShowScreen(ui, owner, *PathOf(Option, calculate).data);
}

constexpr DataScreen ContinuedScreen(int number, std::span<const Row> rows, bool (*data)(Ui&, Owner)) {
    return {.number = number,
            .caption = "TSS Input Options - continued",
            .rows = rows,
            .help_button = kContinuedHelp,
            .help_file = "tss2.txt",
            .one_option = true,
            .after_commit = PrepareDataScreen,
            .next = data};
}

// ---- Data screens ----

using namespace tss_data;

constexpr Row kEnterRow = Text(kEnterLabel, "Enter the following parameters:");
constexpr Row kSolidsRow =
    Number(kSolidsConcentrationField, "Sus. Solid Concentration (mg/L)", &R::SSConc_temp, &R::SSConc);
constexpr Row kAccretionRow =
    Number(kAccretionRateField, "Surficial Sediment Accretion Rate (cm/yr)", &R::SurfVb_temp, &R::SurfVb);
constexpr Row kBurialRow =
    Number(kBurialVelocityField, "Active Layer Burial Velocity (m/day)", &R::ActiveVb_temp, &R::ActiveVb);
constexpr Row kDrySedimentRow =
    Number(kDrySedimentDensityField, "Dry Sediment Density (g/L)", &R::DrySedDensity_temp, &R::DrySedDensity);

constexpr Row kVsDataRows[] = {
    kEnterRow,
    Number(kVsField, "Vs (m/day)", &R::Vs_temp, &R::Vs),
};
constexpr Row kParticleDataRows[] = {
    kEnterRow,
    Number(kParticleDiameterField, "Particle diameter (microns)", &R::PartDiam_temp, &R::PartDiam),
    Number(kSpecificGravityField, "Specific gravity of particles", &R::SG_temp, &R::SG),
};
constexpr Row kAccretionDataRows[] = {
    kEnterRow,
    kSolidsRow,
    kAccretionRow,
    Number(kSurficialBulkDensityField, "Surficial Layer Bulk Density (g/L)", &R::SurfRhoB_temp, &R::SurfRhoB),
};
constexpr Row kAccretionPorosityDataRows[] = {
    kEnterRow,
    kSolidsRow,
    kAccretionRow,
    Number(kSurficialPorosityField, "Surficial Layer Porosity", &R::SurfPhi_temp, &R::SurfPhi),
    kDrySedimentRow,
};
constexpr Row kBurialDataRows[] = {
    kEnterRow,
    kSolidsRow,
    kBurialRow,
    Number(kActiveBulkDensityField, "Active Sediment Layer Bulk Density (g/L)", &R::ActiveRhoB_temp,
           &R::ActiveRhoB),
};
constexpr Row kBurialPorosityDataRows[] = {
    kEnterRow,       kSolidsRow,
    kBurialRow,      Number(kActivePorosityField, "Active Layer Porosity", &R::ActivePhi_temp, &R::ActivePhi),
    kDrySedimentRow,
};

// The calculated values screen computes from what is about to be committed; values that
// would make it divide by zero (a suspended solids concentration of 0) or overflow are
// refused with the reason, so no infinite velocity is ever stored.
bool SettlingIsFinite(ScreenContext& c) {
    R after = c.r;
    CommitAll(after, kTssValues);
    ComputeNetSettling(after);
    return ComputedSedimentValuesUsable(c, after, ZeroBulkDensity::Allowed);
}

void AcceptTssData(ScreenContext& c) {
    const TssPath& path = PathOf(c.screen);
    SetFlags(c.r, path.data_flags, 1);
    CommitTSS(c.r);
    UpdateEnteredMarks(c.r, path.supplied);
}

// Only the entered settling velocity needs nothing calculated.
constexpr DataScreen DataEntryScreen(int number, std::span<const Row> rows, bool calculated) {
    return {.number = number,
            .caption = "TSS Data Entry Screen",
            .rows = rows,
            .help_button = kDataHelp,
            .help_file = "tss3.txt",
            .validate = SettlingIsFinite,
            .after_commit = AcceptTssData,
            .next = calculated ? Show<kTssCalculatedValues> : nullptr};
}

// ---- Calculated values ----

constexpr Row kCalculatedRows[] = {
    Computed(tss_calculated::kVnField, "Net settling velocity, Vn (m/day):", &R::Vn),
    Computed(tss_calculated::kSurficialBulkDensityField,
             "Surficial sediment layer bulk density, Pa (g/L):", &R::SurfRhoB)
        .EnabledWhen(IsSet<&R::checked_Option2>)
        .EmptyWhenDisabled(),
    Computed(tss_calculated::kActiveBulkDensityField,
             "Active sediment layer bulk density, Pb (g/L):", &R::ActiveRhoB)
        .EnabledWhen(IsSet<&R::checked_Option3>)
        .EmptyWhenDisabled(),
};

// The settling velocity and the surficial density computed here are also kept in their
// working copies (as the active layer density is), so that the option selection's closing
// commit keeps what the user was shown.
void ComputeShownValues(ScreenContext& c) {
    ComputeNetSettling(c.r);
    c.r.Vs_temp = c.r.Vs;
    c.r.SurfRhoB_temp = c.r.SurfRhoB;
}

}  // namespace

const DataScreen kTssOptionSelection{
    .number = kTssOptionSelectionScreen,
    .caption = "TSS Input Option Selection Screen",
    .rows = kOptionRows,
    .help_button = kSelectionHelp,
    .help_file = "tss1.txt",
    .one_option = true,
    .validate = NoteChangedOption,
    .after_commit = StartChosenOption,
    .next = ShowChosenContinuation,
    .on_cancel = CancelOptionSelection,
};

const DataScreen kTssVsChoice = ContinuedScreen(kTssVsChoiceScreen, kVsChoiceRows, ShowChosenData<0>);
const DataScreen kTssAccretionChoice =
    ContinuedScreen(kTssAccretionChoiceScreen, kAccretionChoiceRows, ShowChosenData<1>);
const DataScreen kTssBurialChoice =
    ContinuedScreen(kTssBurialChoiceScreen, kBurialChoiceRows, ShowChosenData<2>);

const DataScreen kTssVsData = DataEntryScreen(kTssVsDataScreen, kVsDataRows, false);
const DataScreen kTssParticleData = DataEntryScreen(kTssParticleDataScreen, kParticleDataRows, true);
const DataScreen kTssAccretionData = DataEntryScreen(kTssAccretionDataScreen, kAccretionDataRows, true);
const DataScreen kTssAccretionPorosityData =
    DataEntryScreen(kTssAccretionPorosityDataScreen, kAccretionPorosityDataRows, true);
const DataScreen kTssBurialData = DataEntryScreen(kTssBurialDataScreen, kBurialDataRows, true);
const DataScreen kTssBurialPorosityData =
    DataEntryScreen(kTssBurialPorosityDataScreen, kBurialPorosityDataRows, true);

const DataScreen kTssCalculatedValues{
    .number = kTssCalculatedValuesScreen,
    .caption = "Calculated TSS Values",
    .rows = kCalculatedRows,
    .help_button = tss_calculated::kCalculatedHelp,
    .help_file = "tsscalc.txt",
    .label_width = 50,
    .on_open = ComputeShownValues,
};

namespace {

constexpr OptionStart kOptionStarts[] = {
    {&kTssVsChoice, Flags({}),
     Flags(
         {kCheckedARhoB, kCheckedAVb, kARhoBKnown, kCheckedVs, kCheckedSSConc, kCheckedSRhoB, kCheckedSAcc})},
    {&kTssAccretionChoice, Flags({kCheckedSSConc, kCheckedSAcc, kCheckedSRhoB}),
     Flags({kCheckedARhoB, kCheckedAVb, kARhoBKnown, kCheckedVs})},
    {&kTssBurialChoice, Flags({kCheckedSSConc, kCheckedAVb, kCheckedARhoB, kARhoBKnown}),
     Flags({kCheckedSRhoB, kCheckedSAcc, kCheckedVs})},
};

// In the order of the sub-choices.
constexpr TssPath kPaths[] = {
    {1, Flags({kCheckedVs, kCheckedRhoBInput}), &kTssVsData, Flags({kVsEntered}), Marks({kMarkVs})},
    {4, Flags({kCheckedPartDiam, kCheckedSG, kCheckedRhoBInput}), &kTssParticleData, Flags({}),
     Marks({kMarkVs, kMarkPD, kMarkSG})},
    {2, Flags({kCheckedSSConc, kCheckedSAcc, kCheckedSRhoB, kCheckedRhoBInput}), &kTssAccretionData,
     Flags({kSSConcEntered, kCheckedSSConc, kCheckedSRhoB, kCheckedSAcc}),
     Marks({kMarkSSConc, kMarkVa, kMarkSRhoB})},
    {5, Flags({kCheckedSSConc, kCheckedSAcc, kCheckedSPhi, kCheckedDRhoS, kCheckedRhoBInput}),
     &kTssAccretionPorosityData,
     Flags({kSSConcEntered, kCheckedSSConc, kCheckedSAcc, kCheckedDRhoS, kCheckedSPhi}),
     Marks({kMarkSSConc, kMarkVa, kMarkSPhi, kMarkDSD})},
    {3, Flags({kCheckedSSConc, kCheckedAVb, kCheckedARhoB, kARhoBKnown, kCheckedRhoBInput}), &kTssBurialData,
     Flags({kSSConcEntered, kCheckedSSConc, kCheckedAVb, kVbEntered, kCheckedARhoB}),
     Marks({kMarkSSConc, kMarkVb, kMarkARhoB})},
    {6, Flags({kCheckedSSConc, kCheckedAVb, kCheckedAPhi, kCheckedDRhoS, kARhoBKnown, kCheckedRhoBCalc}),
     &kTssBurialPorosityData,
     Flags({kSSConcEntered, kCheckedSSConc, kCheckedAVb, kVbEntered, kAPhiEntered, kCheckedAPhi, kDSDEntered,
            kCheckedDRhoS}),
     Marks({kMarkSSConc, kMarkVb, kMarkAPhi, kMarkDSD})},
};

const OptionStart& StartOf(int option) {
    return kOptionStarts[option];
}

const TssPath& PathOf(int option, bool calculate) {
    return kPaths[SubChoice(option, calculate)];
}

const TssPath& PathOf(const DataScreen& data) {
    for (const TssPath& path : kPaths) {
        if (path.data == &data) return path;
    }
    std::abort();
}

}  // namespace

void CommitTSS(ProjectRecord& r) {
    CommitTssWorkingCopies(r, kCommittedByData);
    if (r.APhi_entered && (r.ARhoB_entered || r.DSD_entered)) r.NeedToDisplayRhoB = 0;
}

}  // namespace velmar
