#include "interface/screens/constituent_selection.h"

#include <string>
#include <vector>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/organics.h"
#include "interface/screens/tcb_bod.h"
#include "interface/screens/tn.h"
#include "interface/screens/tp.h"
#include "interface/screens/tp_options.h"
#include "interface/screens/tss.h"
#include "project/record.h"
#include "project/slots.h"

namespace velmar {
namespace {

using R = ProjectRecord;

// ---- Constituent selection ----

using namespace constituent_selection;

// A constituent the model can cover: its item in the list, its choice, and the mark that
// the choice on the screen differs from the committed one.
struct Constituent {
    const char* item;
    FlagMember chosen_temp;
    FlagMember chosen;
    FlagMember changed;
};

constexpr Constituent Listed(ConventionalConstituent k) {
    const ConventionalFields& c = kConventional[k];
    return {c.title, c.modelled_temp, c.modelled, c.changed};
}

// The conventional constituents, then the contaminants.
constexpr Constituent kConstituents[] = {
    Listed(kTSS),
    Listed(kTCB),
    Listed(kBOD),
    Listed(kTN),
    Listed(kTP),
    {"Contaminants (organic chemicals and trace metals)", &R::model_contaminant_temp, &R::model_contaminant,
     &R::update_contaminant},
};

constexpr Row Item(const Constituent& c) {
    return ListItem(kConstituentList, c.item, c.chosen_temp, c.chosen);
}

constexpr Row kSelectionRows[] = {
    Text(kMakeSelectionsLabel, "Make Selections"),
    Item(kConstituents[kTSSItem]),
    Item(kConstituents[kTCBItem]),
    Item(kConstituents[kBODItem]),
    Item(kConstituents[kTNItem]),
    Item(kConstituents[kTPItem]),
    Item(kConstituents[kContaminantItem]),
    Text(kNoteLabel,
         "Note: TSS will be selected if the user selects Contaminants or selects Total Phosphorous "
         "with the calculate removal rate option"),
    Button(kShowTPOptions, "Show TP Options").EnabledWhen(IsSet<&R::model_p_temp>),
};

void MarkChangedChoices(R& r) {
    for (const Constituent& c : kConstituents) r.*c.changed = r.*c.chosen_temp != r.*c.chosen ? 1 : 0;
}

void FillSelection(ScreenContext& c) {
    KeepTSSWhereNeeded(c.r);
    c.Fill();
}

void OpenSelection(ScreenContext& c) {
    for (const Constituent& k : kConstituents) {
        if (c.r.*k.chosen) c.r.*k.changed = 0;
    }
    KeepTSSWhereNeeded(c.r);
}

// A check mark changed: TP just chosen asks at once whether its removal rate is to be
// specified or calculated.
void SelectionEvent(ScreenContext& c, const DialogEvent& e) {
    if (e.kind != DialogEvent::ItemChanged) return;
    const bool had_tp = c.r.model_p_temp != 0;
    c.Read();
    MarkChangedChoices(c.r);
    if (!had_tp && c.r.model_p_temp) Show<kTPRemovalOptions>(c.d.ui(), c.d);
    FillSelection(c);
}

void SelectionClicked(ScreenContext& c, int id) {
    if (id != kShowTPOptions) return;
    Show<kTPRemovalOptions>(c.d.ui(), c.d);
    FillSelection(c);
}

// The removal-rate method goes with the choices, and TSS with what needs it.
void CommitTPMethod(R& r) {
    r.PhosRemSpec = r.PhosRemSpec_temp;
    r.PhosremCalc = r.PhosRemCalc_temp;
    if ((r.model_p && r.PhosremCalc) || r.model_contaminant) r.model_tss = r.model_tss_temp = 1;
}

// Exactly one TP method must be chosen, whether or not TP is modelled (a file may hold
// neither). A refused OK still keeps the choices just made, and takes the user straight to
// the method.
bool OneTPMethod(ScreenContext& c) {
    R& r = c.r;
    MarkChangedChoices(r);
    if (r.PhosRemCalc_temp + r.PhosRemSpec_temp == 1) return true;
    CommitRows(r, c.screen);
    CommitTPMethod(r);
    c.Message(kChooseOneTPMethod, kChooseOneTPMethodCaption);
    Show<kTPRemovalOptions>(c.d.ui(), c.d);
    FillSelection(c);
    return false;
}

// Contaminants just turned off leave their data at the defaults, so that a later choice of
// contaminants starts afresh.
void AcceptSelection(ScreenContext& c) {
    R& r = c.r;
    CommitTPMethod(r);
    if (!r.model_contaminant && r.update_contaminant) ApplyContaminantDefaults(r);
}

void CancelSelection(ScreenContext& c) {
    c.r.PhosRemSpec_temp = c.r.PhosRemSpec;
    c.r.PhosRemCalc_temp = c.r.PhosremCalc;
}

// ---- Data input selection ----

using namespace data_input_selection;

// Each button opens its constituent's screens when that constituent is modelled.
constexpr Row kHubRows[] = {
    Button(kTSSDataButton, "TSS Data").EnabledWhen(IsSet<&R::model_tss>),
    Button(kTCBDataButton, "TCB Data").EnabledWhen(IsSet<&R::model_tcb>),
    Button(kBODDataButton, "BOD Data").EnabledWhen(IsSet<&R::model_bod>),
    Button(kNitrogenDataButton, "Nitrogen Data").EnabledWhen(IsSet<&R::model_n>),
    Button(kPhosphorousDataButton, "Phosphorous Data").EnabledWhen(IsSet<&R::model_p>),
    Button(kContaminantDataButton, "Contaminant Data").EnabledWhen(IsSet<&R::model_contaminant>),
};

// The calculated phosphorus removal and the contaminants both build on the solids'
// settling, so they wait for the TSS data.
bool TSSEntered(ScreenContext& c) {
    if (c.r.UserEnteredTSS) return true;
    c.Message(kEnterTSSFirst, kEnterTSSFirstCaption);
    return false;
}

void OpenTSSData(ScreenContext& c) {
    R& r = c.r;
    r.checked_Option1_temp = r.checked_Option1;
    r.checked_Option2_temp = r.checked_Option2;
    r.checked_Option3_temp = r.checked_Option3;
    Show<kTssOptionSelection>(c.d.ui(), c.d);
}

void OpenTCBData(ScreenContext& c) {
    Show<kTCBData>(c.d.ui(), c.d);
}

void OpenBODData(ScreenContext& c) {
    Show<kBODData>(c.d.ui(), c.d);
}

void OpenNitrogenData(ScreenContext& c) {
    R& r = c.r;
    r.checked_Ktn_temp = r.checked_Ktn;
    r.checked_Kdn_temp = r.checked_Kdn;
    Show<kTNKnownParameter>(c.d.ui(), c.d);
}

void OpenPhosphorousData(ScreenContext& c) {
    ShowPhosphorusData(c.d.ui(), c.d);
}

void OpenContaminantData(ScreenContext& c) {
    if (TSSEntered(c)) ShowContaminantData(c.d.ui(), c.d);
}

struct HubButton {
    int id;
    void (*open)(ScreenContext&);
};

constexpr HubButton kHubButtons[] = {
    {kTSSDataButton, OpenTSSData},
    {kTCBDataButton, OpenTCBData},
    {kBODDataButton, OpenBODData},
    {kNitrogenDataButton, OpenNitrogenData},
    {kPhosphorousDataButton, OpenPhosphorousData},
    {kContaminantDataButton, OpenContaminantData},
};

// The hub stays open when a constituent's screens close, for the next constituent.
void HubClicked(ScreenContext& c, int id) {
    for (const HubButton& button : kHubButtons) {
        if (button.id == id) button.open(c);
    }
}

// ---- Inflow concentrations ----

using namespace inflow_concentrations;

// A row is open to the user while its constituent is modelled; a contaminant row is
// shown only while its slot is in use.
template <FlagMember Constituent>
bool Modelled(const R& r, int) {
    return r.*Constituent != 0;
}

template <FlagMember Count, int Slot>
bool SlotInUse(const R& r, int) {
    return r.model_contaminant != 0 && Slot < r.*Count;
}

// The inflow field takes a value only while the outflow is to be calculated.
template <Condition Open, FlagMember Calculate>
bool FieldOpen(const R& r, int slot) {
    return Open(r, slot) && r.*Calculate != 0;
}

constexpr Row OutflowBox(int id, const char* text, FlagMember copy, FlagMember value, Condition open) {
    return Check(id, text, copy, value).EnabledWhen(open).In(kOutflowGroup);
}

constexpr Row InflowField(int id, const char* label, RealMember copy, RealMember value, Condition open) {
    return Number(id, label, copy, value)
        .EnabledWhen(open)
        .EmptyWhenDisabled()
        .In(kOutflowGroup)
        .BesidePrevious();
}

// The organic chemical and heavy metal rows, headed by the slot's name when the screen opens.
constexpr Row SlotBox(int id, FlagMember copy, FlagMember value, Condition shown) {
    return OutflowBox(id, "", copy, value, Modelled<&R::model_contaminant>).ShownWhen(shown);
}
constexpr Row SlotField(int id, RealMember copy, RealMember value, Condition shown, Condition open) {
    return InflowField(id, "", copy, value, open).ShownWhen(shown);
}

constexpr Row kInflowRows[] = {
    GroupBox(kOutflowGroup, "Calculate Outflow Conc."),
    Text(kPleaseEnterLabel, " Please enter the following:").In(kOutflowGroup),
    OutflowBox(kTSSBox, "TSS", &R::checked_TSSGenOutConc_temp, &R::checked_TSSGenOutConc,
               Modelled<&R::model_tss>),
    InflowField(kTSSField, "TSS inflow conc (mg/L):", &R::TSSinConc_temp, &R::TSSinConc,
                FieldOpen<Modelled<&R::model_tss>, &R::checked_TSSGenOutConc_temp>),
    OutflowBox(kBODBox, "BOD", &R::checked_BODGenOutConc_temp, &R::checked_BODGenOutConc,
               Modelled<&R::model_bod>),
    InflowField(kBODField, "BOD inflow conc (mg/L):", &R::BODinConc_temp, &R::BODinConc,
                FieldOpen<Modelled<&R::model_bod>, &R::checked_BODGenOutConc_temp>),
    OutflowBox(kTCBBox, "TCB", &R::checked_TCBGenOutConc_temp, &R::checked_TCBGenOutConc,
               Modelled<&R::model_tcb>),
    InflowField(kTCBField, "TCB inflow conc (mpn/100mL):", &R::TCBinConc_temp, &R::TCBinConc,
                FieldOpen<Modelled<&R::model_tcb>, &R::checked_TCBGenOutConc_temp>),
    OutflowBox(kTNBox, "TN", &R::checked_TNGenOutConc_temp, &R::checked_TNGenOutConc, Modelled<&R::model_n>),
    InflowField(kTNField, "TN inflow conc (mg/L):", &R::TNinConc_temp, &R::TNinConc,
                FieldOpen<Modelled<&R::model_n>, &R::checked_TNGenOutConc_temp>),
    OutflowBox(kTPBox, "TP", &R::checked_TPGenOutConc_temp, &R::checked_TPGenOutConc, Modelled<&R::model_p>),
    InflowField(kTPField, "TP inflow conc (mg/L):", &R::TPinConc_temp, &R::TPinConc,
                FieldOpen<Modelled<&R::model_p>, &R::checked_TPGenOutConc_temp>),
    SlotBox(kOrganicBox1, &R::checked_Contam1OutConc_temp, &R::checked_Contam1OutConc,
            SlotInUse<&R::NumOC_SLR, 0>),
    SlotField(kOrganicField1, &R::ContamInConc1_temp, &R::ContamInConc1, SlotInUse<&R::NumOC_SLR, 0>,
              FieldOpen<SlotInUse<&R::NumOC_SLR, 0>, &R::checked_Contam1OutConc_temp>),
    SlotBox(kOrganicBox1 + 1, &R::checked_Contam2OutConc_temp, &R::checked_Contam2OutConc,
            SlotInUse<&R::NumOC_SLR, 1>),
    SlotField(kOrganicField1 + 1, &R::ContamInConc2_temp, &R::ContamInConc2, SlotInUse<&R::NumOC_SLR, 1>,
              FieldOpen<SlotInUse<&R::NumOC_SLR, 1>, &R::checked_Contam2OutConc_temp>),
    SlotBox(kOrganicBox1 + 2, &R::checked_Contam3OutConc_temp, &R::checked_Contam3OutConc,
            SlotInUse<&R::NumOC_SLR, 2>),
    SlotField(kOrganicField1 + 2, &R::ContamInConc3_temp, &R::ContamInConc3, SlotInUse<&R::NumOC_SLR, 2>,
              FieldOpen<SlotInUse<&R::NumOC_SLR, 2>, &R::checked_Contam3OutConc_temp>),
    SlotBox(kMetalBox1, &R::checked_HM1OutConc_temp, &R::checked_HM1OutConc, SlotInUse<&R::NumHM_LLR, 0>),
    SlotField(kMetalField1, &R::HMInConc1_temp, &R::HMInConc1, SlotInUse<&R::NumHM_LLR, 0>,
              FieldOpen<SlotInUse<&R::NumHM_LLR, 0>, &R::checked_HM1OutConc_temp>),
    SlotBox(kMetalBox1 + 1, &R::checked_HM2OutConc_temp, &R::checked_HM2OutConc, SlotInUse<&R::NumHM_LLR, 1>),
    SlotField(kMetalField1 + 1, &R::HMInConc2_temp, &R::HMInConc2, SlotInUse<&R::NumHM_LLR, 1>,
              FieldOpen<SlotInUse<&R::NumHM_LLR, 1>, &R::checked_HM2OutConc_temp>),
    SlotBox(kMetalBox1 + 2, &R::checked_HM3OutConc_temp, &R::checked_HM3OutConc, SlotInUse<&R::NumHM_LLR, 2>),
    SlotField(kMetalField1 + 2, &R::HMInConc3_temp, &R::HMInConc3, SlotInUse<&R::NumHM_LLR, 2>,
              FieldOpen<SlotInUse<&R::NumHM_LLR, 2>, &R::checked_HM3OutConc_temp>),
};

bool IsOutflowBox(int id) {
    for (const Row& row : kInflowRows) {
        if (row.kind == RowKind::Check && row.id == id) return true;
    }
    return false;
}

// A contaminant row is headed by its slot's name.
void ShowSlotName(Dialog& d, int box, int field, const char* name) {
    d.SetText(box, name);
    d.SetText(LabelId(field), std::string(name) + " inflow conc (mg/L):");
}

// The screen opens on the committed values. A constituent not modelled has no outflow to
// calculate, so its box shows clear, and is read so.
void OpenInflow(ScreenContext& c) {
    R& r = c.r;
    RevertRows(r, c.screen);
    for (const Row& row : kInflowRows) {
        if (row.kind == RowKind::Check && !row.enabled(r, 0)) row.flag.In(r, 0) = 0;
    }
    for (int k = 0; k < kSlotCount; ++k) {
        ShowSlotName(c.d, kOrganicBox1 + k, kOrganicField1 + k, OrganicSlot(r, k).name);
        ShowSlotName(c.d, kMetalBox1 + k, kMetalField1 + k, MetalSlot(r, k).name);
    }
}

// A box clicked opens or closes its field; a field closed keeps its value for when it is
// opened again. The fields are read before the boxes, so a field that is not a number
// leaves every box as it was.
void OutflowBoxClicked(ScreenContext& c, int id) {
    if (!IsOutflowBox(id)) return;
    std::vector<std::int32_t> boxes;
    for (const Row& row : kInflowRows) {
        if (row.kind == RowKind::Check) boxes.push_back(row.flag.In(c.r, 0));
    }
    if (!c.Read()) {
        auto before = boxes.begin();
        for (const Row& row : kInflowRows) {
            if (row.kind == RowKind::Check) row.flag.In(c.r, 0) = *before++;
        }
    }
    c.Fill();
}

}  // namespace

const DataScreen kConstituentSelection{
    .number = kConstituentSelectionScreen,
    .caption = "Constituent Selection",
    .rows = kSelectionRows,
    .help_button = kSelectionHelp,
    .help_file = "const_data.txt",
    .on_event = SelectionEvent,
    .on_open = OpenSelection,
    .on_click = SelectionClicked,
    .validate = OneTPMethod,
    .after_commit = AcceptSelection,
    .on_cancel = CancelSelection,
};

// Commits nothing itself: each constituent's screens commit their own data.
const DataScreen kDataInputSelection{
    .number = kDataInputSelectionScreen,
    .caption = "Data Input Selection Screen",
    .rows = kHubRows,
    .help_button = kDataInputHelp,
    .help_file = "data_input.txt",
    .cancel_button = false,
    .on_click = HubClicked,
};

const DataScreen kInflowConcentrations{
    .number = kInflowConcentrationScreen,
    .caption = "Inflow Concentration Input",
    .rows = kInflowRows,
    .help_button = kInflowHelp,
    .help_file = "inflow.txt",
    .on_invalid = OnInvalid::Stay,
    .on_open = OpenInflow,
    .on_click = OutflowBoxClicked,
};

void KeepTSSWhereNeeded(ProjectRecord& r) {
    if (r.model_contaminant_temp || (r.model_p_temp && r.PhosRemCalc_temp)) r.model_tss_temp = 1;
}

}  // namespace velmar
