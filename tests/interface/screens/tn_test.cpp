// The TN chain clicked through as a user would: each way's end state, the two rate bases
// sharing one rate, the factor shared by both ways, the default labels, and invalid
// numbers that make OK do nothing.
#include "interface/screens/tn.h"

#include <string>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "project/record.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;
using namespace tn_known_parameter;
using namespace tn_rate_basis;
using namespace tn_rate_entry;
using namespace tn_denitrification;

class TNScreens : public ShellTest {};

TEST(TNDefaultLabel, PrintsTheValueWithoutTrailingZeros) {
    EXPECT_EQ(DefaultLabelText(0.05), "Default: 0.05");
    EXPECT_EQ(DefaultLabelText(1.045), "Default: 1.045");
    EXPECT_EQ(DefaultLabelText(2), "Default: 2");
    EXPECT_EQ(DefaultLabelText(-0.5), "Default: -0.5");
    EXPECT_EQ(DefaultLabelText(1e-7), "Default: 0");  // "%f" keeps six decimals
    EXPECT_EQ(DefaultLabelText(1e6), "Default: 1000000");
}

TEST_F(TNScreens, RemovalRateWayEndsWithTheArealRateCommittedAndTheDenitrificationDataKept) {
    R& r = Project();
    r.Kdn = r.Kdn_temp = 0.3;
    r.No3_TN_Ratio = r.No3_TN_Ratio_temp = 0.6;
    ui.Expect(kTNKnownParameterScreen)
        .Click(kRemovalRateButton)
        .PressOk()
        .Expect(kTNRateBasisScreen)
        .Click(kArealButton)
        .PressOk()
        .Expect(kTNRateArealScreen)
        .Type(kArealRateField, "0.1")
        .Type(tn_rate_entry::kFactorField, "1.06")
        .PressOk();
    EXPECT_TRUE(Show<kTNKnownParameter>(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(r.checked_Ktn, 1);
    EXPECT_EQ(r.checked_Kdn, 0);
    EXPECT_EQ(r.checked_KtnAreal, 1);
    EXPECT_EQ(r.checked_KtnVolumetric, 0);
    EXPECT_EQ(r.Ktn, 0.1);
    EXPECT_EQ(r.theta_tn, 1.06);
    EXPECT_EQ(r.Kdn, 0.3);
    EXPECT_EQ(r.No3_TN_Ratio, 0.6);
    EXPECT_TRUE(Shell().changes);
}

TEST_F(TNScreens, DenitrificationWayOpensOnTheCommittedValuesAndEndsWithThemReplaced) {
    R& r = Project();
    r.Kdn_temp = r.No3_TN_Ratio_temp = r.theta_tn_temp = 9;  // left over, as a file may carry them
    ui.Expect(kTNKnownParameterScreen)
        .Click(kDenitrificationButton)
        .PressOk()
        .Expect(kTNDenitrificationScreen)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kDenitrificationRateField), "0.2");
            EXPECT_EQ(d.Text(kRatioField), "0.5");
            EXPECT_EQ(d.Text(tn_denitrification::kFactorField), "1.045");
        })
        .Type(kDenitrificationRateField, "0.4")
        .Type(kRatioField, "0.7")
        .Type(tn_denitrification::kFactorField, "1.08")
        .PressOk();
    EXPECT_TRUE(Show<kTNKnownParameter>(ui, kMainWindow));
    EXPECT_EQ(r.checked_Kdn, 1);
    EXPECT_EQ(r.checked_Ktn, 0);
    EXPECT_EQ(r.Kdn, 0.4);
    EXPECT_EQ(r.No3_TN_Ratio, 0.7);
    EXPECT_EQ(r.theta_tn, 1.08);
    EXPECT_EQ(r.Ktn, 0.05);

    // The factor is the one the rate screens edit too.
    ui.Expect(kTNRateVolumetricScreen)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(tn_rate_entry::kFactorField), "1.08"); })
        .PressCancel();
    Show<kTNRateVolumetric>(ui, kMainWindow);
}

TEST_F(TNScreens, BothBasesEditOneRateAndOnlyTheVolumetricShowsItsDefault) {
    R& r = Project();
    ui.Expect(kTNRateBasisScreen)
        .PressOk()
        .Expect(kTNRateVolumetricScreen)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.IsShown(kVolumetricRateDefaultLabel));
            EXPECT_EQ(d.Text(kVolumetricRateDefaultLabel), "Default: 0.05");
            EXPECT_EQ(d.Text(kFactorDefaultLabel), "Default: 1.045");
        })
        .Type(kVolumetricRateField, "0.3")
        .PressOk();
    EXPECT_TRUE(Show<kTNRateBasis>(ui, kMainWindow));
    EXPECT_EQ(r.Ktn, 0.3);

    r.Ktn_temp = 9;  // the rate screen opens on the committed rate
    ui.Expect(kTNRateBasisScreen)
        .Click(kArealButton)
        .PressOk()
        .Expect(kTNRateArealScreen)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kArealRateField), "0.3");
            EXPECT_FALSE(d.IsShown(kArealRateDefaultLabel));
            EXPECT_TRUE(d.IsShown(kFactorDefaultLabel));
            EXPECT_EQ(d.Text(kFactorDefaultLabel), "Default: 1.045");
        })
        .PressCancel()
        .PressCancel();
    EXPECT_FALSE(Show<kTNRateBasis>(ui, kMainWindow));
    // Cancelling the rate leaves the basis committed; cancelling the basis then reverts
    // only what it edits.
    EXPECT_EQ(r.checked_KtnAreal, 1);
    EXPECT_EQ(r.checked_KtnVolumetric, 0);
    EXPECT_EQ(r.Ktn, 0.3);
    EXPECT_EQ(r.Ktn_temp, 0.3);
}

TEST_F(TNScreens, AnInvalidNumberMakesOkDoNothingAndCancelPutsBackTheRecord) {
    struct Entry {
        bool (*show)(Ui&, Owner);
        int number;
        int first_field;
        int bad_field;
        double R::*first_temp;
        double R::*first;
    };
    const Entry kEntries[] = {
        {Show<kTNRateVolumetric>, kTNRateVolumetricScreen, kVolumetricRateField, tn_rate_entry::kFactorField,
         &R::Ktn_temp, &R::Ktn},
        {Show<kTNRateAreal>, kTNRateArealScreen, kArealRateField, tn_rate_entry::kFactorField, &R::Ktn_temp,
         &R::Ktn},
        {Show<kTNDenitrification>, kTNDenitrificationScreen, kDenitrificationRateField, kRatioField,
         &R::Kdn_temp, &R::Kdn},
    };
    for (const Entry& e : kEntries) {
        R& r = Project();
        const double committed = r.*e.first;
        ui.Expect(e.number)
            .Type(e.first_field, "0.75")
            .Type(e.bad_field, "1,5")
            .PressOk()
            .Inspect([&](Dialog& d) {
                EXPECT_FALSE(static_cast<ScriptedDialog&>(d).ended()) << e.number;
                EXPECT_EQ(d.Text(e.bad_field), "1,5") << e.number;  // not refilled
                EXPECT_EQ(r.*e.first_temp, 0.75) << e.number;
                EXPECT_EQ(r.*e.first, committed) << e.number;
            })
            .PressCancel();
        EXPECT_FALSE(e.show(ui, kMainWindow));
        EXPECT_EQ(r.*e.first_temp, committed) << e.number;
    }
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_FALSE(Shell().changes);
}

TEST_F(TNScreens, KnownParameterNeedsOneChoiceAndCancelPutsBackTheCommittedOne) {
    R& r = Project();
    r.checked_Ktn_temp = r.checked_Kdn_temp = 0;
    ui.Expect(kTNKnownParameterScreen)
        .Inspect([](Dialog& d) {
            EXPECT_FALSE(d.Checked(kRemovalRateButton));
            EXPECT_FALSE(d.Checked(kDenitrificationButton));
        })
        .PressOk()
        .ExpectMessage(kChooseOneOption, kChooseOneOptionCaption)
        .Click(kDenitrificationButton)
        .PressCancel();
    EXPECT_FALSE(Show<kTNKnownParameter>(ui, kMainWindow));
    EXPECT_EQ(r.checked_Ktn_temp, 1);
    EXPECT_EQ(r.checked_Kdn_temp, 0);
    EXPECT_FALSE(Shell().changes);
}

}  // namespace
}  // namespace velmar::testing
