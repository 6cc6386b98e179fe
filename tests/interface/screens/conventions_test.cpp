// What every data-entry screen shares: number texts, reading and filling fields, radio
// groups, help, the accepted flag and the filling guard. The sample screen is built the way
// every screen is: a template, a table of bindings and one event procedure.
#include "interface/screens/conventions.h"

#include <string>
#include <utility>
#include <vector>

#include "interface/resources/screen_strings.h"
#include "tests/interface/support/sample_dialog.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;

constexpr int kRateField = 10;
constexpr int kThetaField = 11;
constexpr int kKnownRate = 20;
constexpr int kKnownDenitrification = 21;
constexpr int kHelpButton = 30;
constexpr int kSampleScreenNumber = 901;

const DialogTemplate kSampleTemplate{
    .number = kSampleScreenNumber,
    .caption = "Sample Data Entry Screen",
    .controls = {
        {.id = kRateField, .kind = ControlKind::NumberField, .at = {0, 1}},
        {.id = kThetaField, .kind = ControlKind::NumberField, .at = {1, 1}},
        {.id = kKnownRate, .kind = ControlKind::RadioButton, .text = "Rate", .at = {2, 0}},
        {.id = kKnownDenitrification,
         .kind = ControlKind::RadioButton,
         .text = "Denitrification",
         .at = {2, 1}},
        {.id = kOkId, .kind = ControlKind::DefaultButton, .text = "OK"},
        {.id = kCancelId, .kind = ControlKind::PushButton, .text = "Cancel"},
        {.id = kHelpButton, .kind = ControlKind::PushButton, .text = "Help"},
    }};

constexpr NumberField kSampleFields[] = {
    {kRateField, &R::tcb_decay_rate20_temp, &R::tcb_decay_rate20},
    {kThetaField, &R::theta_tcb_temp, &R::theta_tcb},
};
constexpr RadioButton kSampleChoice[] = {
    {kKnownRate, &R::checked_Ktn_temp, &R::checked_Ktn},
    {kKnownDenitrification, &R::checked_Kdn_temp, &R::checked_Kdn},
};

void SampleProc(Dialog& d, const DialogEvent& e) {
    R& r = Project();
    switch (e.kind) {
        case DialogEvent::Opened:
            FillNumbers(d, r, kSampleFields);
            FillRadioGroup(d, r, kSampleChoice);
            break;
        case DialogEvent::Ok:
            if (!ReadNumbers(d, r, kSampleFields)) {
                RejectInput(d, r, kSampleFields);
                break;
            }
            ReadRadioGroup(d, r, kSampleChoice);
            if (!OneOptionChosen(d, r, kSampleChoice)) break;
            Commit(r, kSampleFields);
            Commit(r, kSampleChoice);
            Accept(d);
            break;
        case DialogEvent::Cancel:
            Revert(r, kSampleFields);
            Revert(r, kSampleChoice);
            Dismiss(d);
            break;
        default: break;
    }
}

constexpr Screen kSampleScreen{kSampleScreenNumber, kHelpButton, "tcb.txt", SampleProc};

class ScreenConventions : public ShellTest {
protected:
    bool ShowSample() {
        return ui.ShowModal(kMainWindow, kSampleTemplate, ScreenProc(kSampleScreen)) == kAccepted;
    }
};

TEST(NumberText, AcceptedTextsStoreTheirLeadingNumber) {
    const std::pair<const char*, double> kAccepted[] = {
        {"", 0},      {"1-2", 1},           {"+-5", 0},      {".", 0},
        {"1e", 1},    {"1e+5+", 100000},    {"5+", 5},       {"-.5", -0.5},
        {"+.5", 0.5}, {"-2.5E-3", -0.0025}, {"1.5e3", 1500}, {"007", 7},
    };
    for (const auto& [text, value] : kAccepted) {
        EXPECT_TRUE(IsNumberText(text)) << text;
        EXPECT_EQ(NumberTextValue(text), value) << text;
    }
}

TEST(NumberText, RejectedTexts) {
    for (const char* text :
         {"e5", "1.2.3", " 5", "5 ", "5,0", "1e5e2", "++5", "--5", "1e+5++", "1x", "0x1"}) {
        EXPECT_FALSE(IsNumberText(text)) << text;
        EXPECT_FALSE(NumberTextValue(text)) << text;
    }
}

TEST(NumberText, FieldsRefuseTextsTooLongOrNumbersBeyondADouble) {
    const std::string longest = "0." + std::string(97, '5');
    EXPECT_TRUE(NumberTextValue(longest));
    EXPECT_FALSE(NumberTextValue(longest + "5"));
    for (const char* text : {"1e400", "-1e400", "1e-400"}) {
        EXPECT_TRUE(IsNumberText(text)) << text;
        EXPECT_FALSE(NumberTextValue(text)) << text;
    }
}

TEST(NumberText, ShownWithSixDigitsAndShortExponents) {
    const std::pair<double, const char*> kShown[] = {
        {1000000, "1e+6"}, {0.000025, "2.5e-5"}, {2.5, "2.5"},           {0.123456789, "0.123457"},
        {0, "0"},          {100000, "100000"},   {-1.5e-10, "-1.5e-10"}, {123456789, "1.23457e+8"},
        {1e100, "1e+100"}, {-20.5, "-20.5"},
    };
    for (const auto& [value, text] : kShown) EXPECT_EQ(FormatNumberText(value), text) << value;
}

TEST_F(ScreenConventions, RejectedOkKeepsTheFieldsBeforeTheFailingOneThenCancelRevertsBoth) {
    ui.Expect(kSampleScreenNumber)
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
    EXPECT_FALSE(ShowSample());
    EXPECT_EQ(Project().tcb_decay_rate20_temp, 0.8);
    EXPECT_EQ(Project().theta_tcb_temp, 1.07);
    EXPECT_FALSE(Shell().changes);
    EXPECT_EQ(ui.Messages().front().owner, Owner::OfDialog);
}

TEST_F(ScreenConventions, AcceptingUntouchedFieldsStoresThemRoundedToSixDigits) {
    Project().tcb_decay_rate20_temp = 0.123456789;
    ui.Expect(kSampleScreenNumber).PressOk();
    EXPECT_TRUE(ShowSample());
    EXPECT_EQ(Project().tcb_decay_rate20, 0.123457);
    EXPECT_TRUE(Shell().changes);
}

TEST_F(ScreenConventions, RadioGroupMustHoldExactlyOneChoice) {
    Project().checked_Ktn_temp = Project().checked_Kdn_temp = 0;
    ui.Expect(kSampleScreenNumber)
        .Inspect([](Dialog& d) { EXPECT_FALSE(d.Checked(kKnownRate) || d.Checked(kKnownDenitrification)); })
        .PressOk()
        .ExpectMessage(kChooseOneOption, kChooseOneOptionCaption)
        .Click(kKnownDenitrification)
        .PressOk();
    EXPECT_TRUE(ShowSample());
    EXPECT_EQ(Project().checked_Ktn, 0);
    EXPECT_EQ(Project().checked_Kdn, 1);

    // With both flags set the first button of the group is the one shown.
    Project().checked_Ktn_temp = Project().checked_Kdn_temp = 1;
    ui.Expect(kSampleScreenNumber)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(kKnownRate) && !d.Checked(kKnownDenitrification)); })
        .PressEscape();
    EXPECT_FALSE(ShowSample());
}

TEST_F(ScreenConventions, DisabledFieldsAreReadSkippedOrPassedOverAsTheScreenSays) {
    ScriptedDialog d(ui, kSampleTemplate, [](Dialog&, const DialogEvent&) {});
    R& r = Project();
    d.SetText(kRateField, "bad");
    d.Enable(kRateField, false);
    d.SetText(kThetaField, "2");
    EXPECT_FALSE(ReadNumbers(d, r, kSampleFields));
    EXPECT_EQ(r.theta_tcb_temp, 1.07);
    EXPECT_TRUE(ReadNumbers(d, r, kSampleFields, DisabledFields::StoreValid));
    EXPECT_EQ(r.theta_tcb_temp, 2);

    d.SetText(kRateField, "3");
    EXPECT_TRUE(ReadNumbers(d, r, kSampleFields, DisabledFields::Skip));
    EXPECT_EQ(r.tcb_decay_rate20_temp, 0.8);
    EXPECT_TRUE(ReadNumbers(d, r, kSampleFields, DisabledFields::StoreValid));
    EXPECT_EQ(r.tcb_decay_rate20_temp, 3);
}

// A host that reports the procedure's own writes sends the events back while it runs.
std::vector<std::string> seen;
DialogProc* guarded = nullptr;

void EchoingProc(Dialog& d, const DialogEvent& e) {
    seen.push_back(EventName(e));
    if (e.kind == DialogEvent::Opened) {
        (*guarded)(d, {DialogEvent::FieldLeft, kRateField});
        (*guarded)(d, {DialogEvent::TextEdited, kRateField});
    }
}

TEST_F(ScreenConventions, FillingGuardKeepsTheScreensOwnWritesFromComingBack) {
    DialogProc proc = ScreenProc({kSampleScreenNumber, kHelpButton, "tcb.txt", EchoingProc});
    guarded = &proc;
    ScriptedDialog d(ui, kSampleTemplate, proc);
    d.Open();
    d.UserFocus(kRateField);
    d.UserFocus(kThetaField);
    EXPECT_EQ(seen, (std::vector<std::string>{"Opened", "Entered 10", "Left 10", "Entered 11"}));
}

}  // namespace
}  // namespace velmar::testing
