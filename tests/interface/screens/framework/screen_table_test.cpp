// Screens described as tables: the template a table lays out, the generic procedure's
// fill, read, commit and revert, radio groups, the filling guard, and the columns of
// contaminant slots with their name and count fields.
#include "interface/screens/framework/screen_table.h"

#include <string>
#include <vector>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "tests/interface/support/sample_dialog.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;

// ---- A plain screen: two numbers and a radio group ----

constexpr int kRateField = 10;
constexpr int kThetaField = 11;
constexpr int kKnownRate = 20;
constexpr int kKnownDenitrification = 21;
constexpr int kHelpButton = 30;

constexpr Row kSampleRows[] = {
    Number(kRateField, "Decay Rate (/day @ 20 Deg. C)", &R::tcb_decay_rate20_temp, &R::tcb_decay_rate20),
    Number(kThetaField, "Temperature Corr. Factor", &R::theta_tcb_temp, &R::theta_tcb),
    Radio(kKnownRate, "Rate", &R::checked_Ktn_temp, &R::checked_Ktn),
    Radio(kKnownDenitrification, "Denitrification", &R::checked_Kdn_temp, &R::checked_Kdn).BesidePrevious(),
};
constexpr DataScreen kSample{.number = 901,
                             .caption = "Sample Data Entry Screen",
                             .rows = kSampleRows,
                             .help_button = kHelpButton,
                             .help_file = "tcb.txt",
                             .one_option = true};

// ---- A screen of three organic chemicals side by side ----

constexpr int kCountRow = 40;
constexpr int kNameRow = 41;
constexpr int kHalfLifeRow = 42;
constexpr int kFractionRow = 43;

bool ChemicalInUse(const R& r, int slot) {
    return slot < r.NumOC_SLR_temp;
}

constexpr Row kSlotRows[] = {
    Count(kCountRow, "Number of Organic Chemical Data Sets:", &R::NumOC_SLR_temp, &R::NumOC_SLR, 3),
    Name(kNameRow, "Organic Chemical Name:", InOrganicSlot(&SlotFields::name_temp),
         InOrganicSlot(&SlotFields::name))
        .EnabledWhen(ChemicalInUse),
    Number(kHalfLifeRow, "Organic Chemical Half-Life (days):", &R::Tau_temp, &R::Tau)
        .EnabledWhen(ChemicalInUse),
    Number(kFractionRow, "Fraction OC in Water Column Sediment:", &R::f_oc_temp, &R::f_oc),
};
constexpr DataScreen kSlots{.number = 902,
                            .caption = "Sample Slots Screen",
                            .rows = kSlotRows,
                            .help_button = kHelpButton,
                            .help_file = "contam2.txt",
                            .slot_columns = 3,
                            .on_invalid = OnInvalid::Stay};

class ScreenTable : public ShellTest {};

const Control& Find(const DialogTemplate& t, int id) {
    const Control* c = t.Find(id);
    if (!c) throw std::runtime_error("no control " + std::to_string(id));
    return *c;
}

TEST(ScreenTemplate, RowsBecomeLabelledFieldsButtonsAndColumns) {
    const DialogTemplate t = BuildTemplate(kSample);
    EXPECT_EQ(t.number, 901);
    EXPECT_EQ(t.caption, "Sample Data Entry Screen");
    EXPECT_EQ(Find(t, LabelId(kRateField)).text, "Decay Rate (/day @ 20 Deg. C)");
    EXPECT_EQ(Find(t, kRateField).kind, ControlKind::NumberField);
    EXPECT_EQ(Find(t, kThetaField).at.row, Find(t, LabelId(kThetaField)).at.row);
    // Radio buttons side by side; OK, Cancel and Help in the button strip.
    EXPECT_EQ(Find(t, kKnownDenitrification).at.row, Find(t, kKnownRate).at.row);
    EXPECT_EQ(Find(t, kKnownDenitrification).at.column, 1);
    EXPECT_EQ(Find(t, kOkId).kind, ControlKind::DefaultButton);
    EXPECT_EQ(Find(t, kHelpButton).text, "Help");

    const DialogTemplate columns = BuildTemplate(kSlots);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Find(columns, SlotId(kNameRow, k)).kind, ControlKind::TextField);
        EXPECT_EQ(Find(columns, SlotId(kHalfLifeRow, k)).at.column, 1 + k);
    }
    EXPECT_EQ(columns.Find(SlotId(kFractionRow, 1)), nullptr);  // one field shared by all chemicals
    EXPECT_EQ(Find(columns, kCountRow).kind, ControlKind::ReadOnlyField);
    EXPECT_EQ(Find(columns, SpinId(kCountRow)).high, 3);
}

// ---- A screen of check boxes with their fields beside them, and a button ----

constexpr int kOutflowBox = 50;
constexpr int kInflowField = 51;
constexpr int kOpenButton = 52;

constexpr Row kBesideRows[] = {
    Check(kOutflowBox, "TSS", &R::checked_TSSGenOutConc_temp, &R::checked_TSSGenOutConc),
    Number(kInflowField, "TSS inflow conc (mg/L):", &R::TSSinConc_temp, &R::TSSinConc)
        .EnabledWhen(IsSet<&R::checked_TSSGenOutConc_temp>)
        .EmptyWhenDisabled()
        .BesidePrevious(),
    Button(kOpenButton, "TSS Data"),
};
constexpr DataScreen kBeside{.number = 903,
                             .caption = "Sample Beside Screen",
                             .rows = kBesideRows,
                             .help_button = kHelpButton,
                             .help_file = "inflow.txt",
                             .cancel_button = false};

TEST(ScreenTemplate, AFieldBesideACheckBoxTakesTheNextColumnsAndNoCancelLeavesOkAndHelp) {
    const DialogTemplate t = BuildTemplate(kBeside);
    EXPECT_EQ(Find(t, kOutflowBox).at.column, 0);
    EXPECT_EQ(Find(t, LabelId(kInflowField)).at.column, 1);
    EXPECT_EQ(Find(t, kInflowField).at.column, 2);
    EXPECT_EQ(Find(t, kInflowField).at.row, Find(t, kOutflowBox).at.row);
    EXPECT_EQ(Find(t, kOpenButton).kind, ControlKind::PushButton);
    EXPECT_GT(Find(t, kOpenButton).at.row, Find(t, kOutflowBox).at.row);  // in the body, not the strip
    EXPECT_EQ(t.Find(kCancelId), nullptr);
    EXPECT_EQ(Find(t, kHelpButton).text, "Help");
}

TEST_F(ScreenTable, ADisabledFieldShowsBlankAndEscapeWithoutCancelClosesAsOk) {
    Project().TSSinConc = Project().TSSinConc_temp = 40;
    ui.Expect(kBeside.number)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kInflowField), ""); })
        .Click(kOutflowBox)
        .PressEscape();
    EXPECT_TRUE(ShowScreen(ui, kMainWindow, kBeside));
    EXPECT_EQ(Project().checked_TSSGenOutConc, 1);
    EXPECT_EQ(Project().TSSinConc, 40);  // not read while disabled, so not taken as 0
}

TEST_F(ScreenTable, RejectedOkKeepsTheFieldsBeforeTheFailingOneThenCancelRevertsBoth) {
    ui.Expect(kSample.number)
        .Type(kRateField, "0.5")
        .Type(kThetaField, "1,07")
        .PressOk()
        .ExpectMessage(kInvalidInput, kInvalidInputCaption)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(Project().tcb_decay_rate20_temp, 0.5);
            EXPECT_EQ(d.Text(kRateField), "0.5");
            EXPECT_EQ(d.Text(kThetaField), "1.07");
            EXPECT_EQ(Project().tcb_decay_rate20, 0.8);
        })
        .PressCancel();
    EXPECT_FALSE(ShowScreen(ui, kMainWindow, kSample));
    EXPECT_EQ(Project().tcb_decay_rate20_temp, 0.8);
    EXPECT_EQ(Project().theta_tcb_temp, 1.07);
    EXPECT_FALSE(Shell().changes);
    EXPECT_EQ(ui.Messages().front().owner, Owner::OfDialog);
}

TEST_F(ScreenTable, AcceptingUntouchedFieldsStoresThemRoundedToSixDigitsAndMarksTheProjectChanged) {
    Project().tcb_decay_rate20_temp = 0.123456789;
    ui.Expect(kSample.number).PressOk();
    EXPECT_TRUE(ShowScreen(ui, kMainWindow, kSample));
    EXPECT_EQ(Project().tcb_decay_rate20, 0.123457);
    EXPECT_TRUE(Shell().changes);
}

TEST_F(ScreenTable, CommitMarksTheProjectChangedEvenWhenTheChainGoesNoFurther) {
    CommitRows(Project(), kSample);
    EXPECT_TRUE(Shell().changes);
}

TEST_F(ScreenTable, RadioGroupMustHoldExactlyOneChoice) {
    Project().checked_Ktn_temp = Project().checked_Kdn_temp = 0;
    ui.Expect(kSample.number)
        .Inspect([](Dialog& d) { EXPECT_FALSE(d.Checked(kKnownRate) || d.Checked(kKnownDenitrification)); })
        .PressOk()
        .ExpectMessage(kChooseOneOption, kChooseOneOptionCaption)
        .Click(kKnownDenitrification)
        .PressOk();
    EXPECT_TRUE(ShowScreen(ui, kMainWindow, kSample));
    EXPECT_EQ(Project().checked_Ktn, 0);
    EXPECT_EQ(Project().checked_Kdn, 1);

    // With both flags set the first button of the group is the one shown.
    Project().checked_Ktn_temp = Project().checked_Kdn_temp = 1;
    ui.Expect(kSample.number)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(kKnownRate) && !d.Checked(kKnownDenitrification)); })
        .PressEscape();
    EXPECT_FALSE(ShowScreen(ui, kMainWindow, kSample));
}

TEST_F(ScreenTable, DisabledFieldsAreReadSkippedOrPassedOverAsTheScreenSays) {
    ScriptedDialog d(ui, BuildTemplate(kSample), [](Dialog&, const DialogEvent&) {});
    R& r = Project();
    DataScreen screen = kSample;
    d.SetText(kRateField, "bad");
    d.Enable(kRateField, false);
    d.SetText(kThetaField, "2");
    screen.disabled = DisabledFields::Read;
    EXPECT_FALSE(ReadRows(d, r, screen));
    EXPECT_EQ(r.theta_tcb_temp, 1.07);
    screen.disabled = DisabledFields::StoreValid;
    EXPECT_TRUE(ReadRows(d, r, screen));
    EXPECT_EQ(r.theta_tcb_temp, 2);

    d.SetText(kRateField, "3");
    screen.disabled = DisabledFields::Skip;
    EXPECT_TRUE(ReadRows(d, r, screen));
    EXPECT_EQ(r.tcb_decay_rate20_temp, 0.8);
    screen.disabled = DisabledFields::StoreValid;
    EXPECT_TRUE(ReadRows(d, r, screen));
    EXPECT_EQ(r.tcb_decay_rate20_temp, 3);
}

// A host that reports the procedure's own writes sends the events back while it runs.
std::vector<std::string> seen;
DialogProc* guarded = nullptr;

void Echo(ScreenContext& c, const DialogEvent& e) {
    seen.push_back(EventName(e));
    if (e.kind == DialogEvent::Opened) {
        (*guarded)(c.d, {DialogEvent::FieldLeft, kRateField});
        (*guarded)(c.d, {DialogEvent::TextEdited, kRateField});
    }
}

TEST_F(ScreenTable, FillingGuardKeepsTheScreensOwnWritesFromComingBack) {
    DataScreen echoing = kSample;
    echoing.on_event = Echo;
    DialogProc proc = ScreenProc(echoing);
    guarded = &proc;
    ScriptedDialog d(ui, BuildTemplate(kSample), proc);
    d.Open();
    d.UserFocus(kRateField);
    d.UserFocus(kThetaField);
    EXPECT_EQ(seen, (std::vector<std::string>{"Opened", "Entered 10", "Left 10", "Entered 11"}));
}

// ---- Slots ----

TEST_F(ScreenTable, EachColumnShowsItsOwnChemicalAndColumnsBeyondTheCountAreDisabled) {
    R& r = Project();
    r.NumOC_SLR = r.NumOC_SLR_temp = 2;
    SetName(r.TauCompName2_temp, "Toluene");
    r.Tau_temp[1] = 0.25;
    ui.Expect(kSlots.number)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(SlotId(kNameRow, 0)), "Dieldrin");
            EXPECT_EQ(d.Text(SlotId(kNameRow, 1)), "Toluene");
            EXPECT_EQ(d.Text(SlotId(kHalfLifeRow, 1)), "0.25");
            EXPECT_EQ(d.Text(kCountRow), "2");
            EXPECT_EQ(d.SpinPosition(SpinId(kCountRow)), 2);
            EXPECT_TRUE(d.IsEnabled(SlotId(kHalfLifeRow, 1)));
            EXPECT_FALSE(d.IsEnabled(SlotId(kHalfLifeRow, 2)));
            EXPECT_FALSE(d.IsEnabled(SlotId(kNameRow, 2)));
        })
        .PressCancel();
    EXPECT_FALSE(ShowScreen(ui, kMainWindow, kSlots));
    // Cancel brings every slot's working copies back, names included.
    EXPECT_STREQ(r.TauCompName2_temp, "Dieldrin");
    EXPECT_EQ(r.Tau_temp[1], 3);
}

TEST_F(ScreenTable, ChemicalsAreReadColumnByColumnWithTheSharedFieldsInTheFirst) {
    R& r = Project();
    r.NumOC_SLR = r.NumOC_SLR_temp = 3;
    ui.Expect(kSlots.number)
        .Type(SlotId(kNameRow, 0), "Toluene")
        .Type(SlotId(kHalfLifeRow, 0), "0.5")
        .Type(kFractionRow, "0.1")
        .Type(SlotId(kNameRow, 1), "Benzene")
        .Type(SlotId(kHalfLifeRow, 1), "1,5")
        .Type(SlotId(kNameRow, 2), "Xylene")
        .PressOk()
        .Inspect([](Dialog&) {
            const R& r = Project();
            EXPECT_STREQ(r.TauCompName1_temp, "Toluene");
            EXPECT_EQ(r.Tau_temp[0], 0.5);
            EXPECT_EQ(r.f_oc_temp, 0.1);
            EXPECT_STREQ(r.TauCompName2_temp, "Benzene");  // read before the failing half-life
            EXPECT_EQ(r.Tau_temp[1], 3);
            EXPECT_STREQ(r.TauCompName3_temp, "Dieldrin");  // after it: untouched
        })
        .Type(SlotId(kHalfLifeRow, 1), "1.5")
        .PressOk();
    EXPECT_TRUE(ShowScreen(ui, kMainWindow, kSlots));
    EXPECT_STREQ(r.TauCompName3, "Xylene");
    EXPECT_EQ(r.Tau[1], 1.5);
    EXPECT_STREQ(OrganicSlot(r, 1).name, "Benzene");
}

TEST(NameField, OneWordOfAtMostNineCharacters) {
    NameText name;
    SetName(name, "Dieldrin");
    for (const char* refused : {"", " ", "Benzo pyrene", "Lead\t", " Lead"}) {
        EXPECT_FALSE(ReadNameText(refused, name)) << refused;
        EXPECT_STREQ(name, "Dieldrin");
    }
    EXPECT_TRUE(ReadNameText("Pentachlorophenol", name));
    EXPECT_STREQ(name, "Pentachlo");
    EXPECT_TRUE(ReadNameText("Cs-137", name));
    EXPECT_STREQ(name, "Cs-137");
}

TEST_F(ScreenTable, ANameWithABlankIsRefusedSayingWhy) {
    Project().NumOC_SLR_temp = 1;
    ui.Expect(kSlots.number)
        .Type(SlotId(kNameRow, 0), "Methyl mercury")
        .PressOk()
        .ExpectMessage("Organic Chemical Name (1) must be one word of up to 9 characters, with no blanks.",
                       "Sample Slots Screen")
        .Inspect([](Dialog&) { EXPECT_STREQ(Project().TauCompName1_temp, "Dieldrin"); })
        .PressCancel();
    EXPECT_FALSE(ShowScreen(ui, kMainWindow, kSlots));
}

TEST_F(ScreenTable, SpinArrowsSetTheCountWithinTheirRange) {
    ui.Expect(kSlots.number)
        .Spin(SpinId(kCountRow), 2)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kCountRow), "2");
            EXPECT_EQ(Project().NumOC_SLR_temp, 2);
        })
        .Spin(SpinId(kCountRow), 5)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kCountRow), "3"); })
        .PressOk();
    EXPECT_TRUE(ShowScreen(ui, kMainWindow, kSlots));
    EXPECT_EQ(Project().NumOC_SLR, 3);
}

}  // namespace
}  // namespace velmar::testing
