// The TCB and BOD screens as a user meets them: a rejected OK then Cancel, the label that
// computes BOD's decay rate from the depth, and the fixed default labels.
#include "interface/screens/tcb_bod.h"

#include <string>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "project/record.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;

// One decay screen: its rate and factor fields with the values they edit.
struct DecayScreen {
    bool (*show)(Ui&, Owner);
    int number;
    int rate_field;
    int factor_field;
    double R::*rate;
    double R::*rate_temp;
    double R::*factor;
    double R::*factor_temp;
};

constexpr DecayScreen kDecayScreens[] = {
    {Show<kTCBData>, kTCBDataScreen, tcb_data::kRateField, tcb_data::kFactorField, &R::tcb_decay_rate20,
     &R::tcb_decay_rate20_temp, &R::theta_tcb, &R::theta_tcb_temp},
    {Show<kBODData>, kBODDataScreen, bod_data::kRateField, bod_data::kFactorField, &R::bod_decay_rate20,
     &R::bod_decay_rate20_temp, &R::theta_bod, &R::theta_bod_temp},
};

class DecayScreens : public ShellTest {};

TEST_F(DecayScreens, CancelAfterARejectedOkPutsBackBothValues) {
    for (const DecayScreen& s : kDecayScreens) {
        R& r = Project();
        const double rate = r.*s.rate;
        const double factor = r.*s.factor;
        ui.Expect(s.number)
            .Type(s.rate_field, "0.55")
            .Type(s.factor_field, "1,05")
            .PressOk()
            .ExpectMessage(kInvalidInput, kInvalidInputCaption)
            .Inspect([&](Dialog& d) {
                // The rate read before the bad factor is held; the factor shows its last value.
                EXPECT_EQ(r.*s.rate_temp, 0.55) << s.number;
                EXPECT_EQ(d.Text(s.factor_field), FormatNumberText(factor)) << s.number;
                EXPECT_EQ(r.*s.rate, rate) << s.number;
            })
            .PressCancel();
        EXPECT_FALSE(s.show(ui, kMainWindow));
        EXPECT_EQ(r.*s.rate_temp, rate) << s.number;
        EXPECT_EQ(r.*s.factor_temp, factor) << s.number;
        EXPECT_FALSE(Shell().changes) << s.number;
    }
}

TEST_F(DecayScreens, BodLabelComputesTheRateFromTheDepthWhateverRateIsStored) {
    struct Case {
        double depth;
        double stored_rate;
        const char* label;
    };
    const Case kCases[] = {
        {1, 0.38, "Computed Decay Value for H = 1.00(m): 0.38"},
        {1, 0.9, "Computed Decay Value for H = 1.00(m): 0.38"},  // the user's own rate
        {0.3, 0.9, "Computed Decay Value for H = 0.30(m): 2.30"},
        {1.524, 0.9, "Computed Decay Value for H = 1.52(m): 0.20"},
    };
    for (const Case& c : kCases) {
        R& r = Project();
        r.depth = c.depth;
        r.bod_decay_rate20 = r.bod_decay_rate20_temp = c.stored_rate;
        ui.Expect(kBODDataScreen)
            .Inspect([&](Dialog& d) {
                EXPECT_EQ(d.Text(bod_data::kComputedRateLabel), c.label);
                EXPECT_EQ(d.Text(bod_data::kRateField), FormatNumberText(c.stored_rate));
            })
            .PressCancel();
        Show<kBODData>(ui, kMainWindow);
    }
}

TEST_F(DecayScreens, DefaultLabelsStayFixedWhateverTheRecordHolds) {
    R& r = Project();
    r.tcb_decay_rate20 = r.tcb_decay_rate20_temp = r.theta_tcb = r.theta_tcb_temp = 3;
    r.theta_bod = r.theta_bod_temp = 3;
    ui.Expect(kTCBDataScreen)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(tcb_data::kRateDefaultLabel), "Default: 0.8");
            EXPECT_EQ(d.Text(tcb_data::kFactorDefaultLabel), "Default: 1.07");
        })
        .PressCancel()
        .Expect(kBODDataScreen)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(bod_data::kFactorDefaultLabel), "Default: 1.047"); })
        .PressCancel();
    Show<kTCBData>(ui, kMainWindow);
    Show<kBODData>(ui, kMainWindow);
    EXPECT_TRUE(ui.ScriptDone());
}

}  // namespace
}  // namespace velmar::testing
