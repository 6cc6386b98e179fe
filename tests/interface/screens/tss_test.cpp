// The TSS chains clicked through as a user would: the net settling velocity each path
// computes, what each path leaves in the record, which choices survive a second visit,
// and the refusals and cancellations along the way.
#include "interface/screens/tss.h"

#include <algorithm>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;
using namespace tss_option_selection;
using namespace tss_continued;
using namespace tss_data;
namespace calculated = tss_calculated;

class TssScreens : public ShellTest {
protected:
    bool Shown(int number) const {
        const auto& shown = ui.DialogsShown();
        return std::find(shown.begin(), shown.end(), number) != shown.end();
    }
};

// The calculated values screen shows Vn and only the density of the chosen option.
void ExpectCalculated(Dialog& d, const std::string& vn, const std::string& surficial,
                      const std::string& active) {
    EXPECT_EQ(d.Text(calculated::kVnField), vn);
    EXPECT_EQ(d.Text(calculated::kSurficialBulkDensityField), surficial);
    EXPECT_EQ(d.Text(calculated::kActiveBulkDensityField), active);
    EXPECT_EQ(d.IsEnabled(LabelId(calculated::kSurficialBulkDensityField)), !surficial.empty());
    EXPECT_EQ(d.IsEnabled(LabelId(calculated::kActiveBulkDensityField)), !active.empty());
}

TEST_F(TssScreens, ParticlePathGivesTheStokesVelocityAndKeepsIt) {
    ProjectRecord& r = Project();
    r.Vs_entered_MP = r.PD_entered_MC = r.SG_entered_MTC = 1;
    r.TSS_entered_SSConc = r.SSConc_entered = r.SSConc_entered_temp = 1;
    r.model_p = 1;
    ui.Expect(kTssOptionSelectionScreen)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(kVnEqualsVsButton)); })
        .PressOk()
        .Expect(kTssVsChoiceScreen)
        .Click(kVsCalculateButton)
        .PressOk()
        .Expect(kTssParticleDataScreen)
        .Type(kParticleDiameterField, "10")
        .Type(kSpecificGravityField, "2.65")
        .PressOk()
        .Expect(kTssCalculatedValuesScreen)
        .Inspect([](Dialog& d) { ExpectCalculated(d, "7.65578", "", ""); })  // 20 Deg. C
        .PressOk();
    EXPECT_TRUE(Show<kTssOptionSelection>(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());

    EXPECT_NEAR(r.Vn, 7.656, 5e-4);
    EXPECT_EQ(r.Vs, r.Vn);  // the velocity the user was shown is the one kept
    EXPECT_EQ(r.Vs_temp, r.Vn);
    EXPECT_EQ(r.PartDiam, 10);
    EXPECT_EQ(r.equation_to_use, 4);
    EXPECT_EQ(r.checked_Opt1Calc + r.checked_Opt1Calc_temp, 2);
    EXPECT_EQ(r.checked_Opt1Input + r.checked_Opt1Input_temp, 0);
    EXPECT_EQ(r.checked_PartDiam + r.checked_SG + r.checked_RhoBInput, 3);
    EXPECT_EQ(r.checked_Vs + r.checked_SSConc, 0);
    EXPECT_EQ(r.Vs_entered + r.PD_entered + r.SG_entered + r.PD_entered_temp, 4);
    EXPECT_EQ(r.TSS_entered_Vs + r.TSS_entered_PD + r.TSS_entered_SG, 3);
    EXPECT_EQ(r.Vs_entered_MP + r.PD_entered_MC + r.SG_entered_MTC, 0);
    // A quantity of an earlier path that this one does not use is no longer entered.
    EXPECT_EQ(r.TSS_entered_SSConc + r.SSConc_entered + r.SSConc_entered_temp, 0);
    EXPECT_EQ(r.UserEnteredTSS + r.called_by_double_window_close + r.OkToModelTP, 3);
    EXPECT_TRUE(Shell().changes);
}

TEST_F(TssScreens, AccretionPathGivesVnFromTheAccretionRateAndShowsTheSurficialDensity) {
    ui.Expect(kTssOptionSelectionScreen)
        .Click(kAccretionButton)
        .PressOk()
        .Expect(kTssAccretionChoiceScreen)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(kAccretionInputButton)); })
        .PressOk()
        .Expect(kTssAccretionDataScreen)
        .Type(kSolidsConcentrationField, "10")
        .Type(kAccretionRateField, "1")
        .Type(kSurficialBulkDensityField, "1000")
        .PressOk()
        .Expect(kTssCalculatedValuesScreen)
        .Inspect([](Dialog& d) { ExpectCalculated(d, "2.73785", "1000", ""); })
        .PressOk();
    EXPECT_TRUE(Show<kTssOptionSelection>(ui, kMainWindow));

    const ProjectRecord& r = Project();
    EXPECT_NEAR(r.Vn, 2.738, 5e-4);  // 1 cm/yr x 1000 g/L over 10 mg/L
    EXPECT_EQ(r.checked_Option1 + r.checked_Option2 + r.checked_Option3, 1);
    EXPECT_EQ(r.checked_Option2, 1);
    EXPECT_EQ(r.equation_to_use, 2);
    EXPECT_EQ(r.checked_SSConc + r.checked_SSconc_temp + r.checked_SAcc + r.checked_SRhoB, 4);
    EXPECT_EQ(r.checked_Vs + r.checked_AVb + r.ARhoB_known, 0);
    EXPECT_EQ(r.TSS_entered_SSConc + r.TSS_entered_Va + r.TSS_entered_SRhoB + r.SSConc_entered, 4);
}

TEST_F(TssScreens, BurialPathWithPorosityComputesTheActiveDensityAndVn) {
    ui.Expect(kTssOptionSelectionScreen)
        .Click(kBurialButton)
        .PressOk()
        .Expect(kTssBurialChoiceScreen)
        .Click(kBurialCalculateButton)
        .PressOk()
        .Expect(kTssBurialPorosityDataScreen)
        .Type(kSolidsConcentrationField, "50")
        .Type(kBurialVelocityField, "0.001")
        .Type(kActivePorosityField, "0.8")
        .Type(kDrySedimentDensityField, "2650")
        .PressOk()
        .Expect(kTssCalculatedValuesScreen)
        .Inspect([](Dialog& d) { ExpectCalculated(d, "10.6", "", "530"); })
        .PressOk();
    EXPECT_TRUE(Show<kTssOptionSelection>(ui, kMainWindow));

    const ProjectRecord& r = Project();
    EXPECT_NEAR(r.Vn, 10.6, 1e-12);
    EXPECT_NEAR(r.ActiveRhoB, 530, 1e-9);
    EXPECT_EQ(r.ActiveRhoB_temp, r.ActiveRhoB);
    EXPECT_EQ(r.equation_to_use, 6);
    EXPECT_EQ(r.checked_RhoBCalc + r.checked_APhi + r.checked_DRhoS + r.ARhoB_known, 4);
    EXPECT_EQ(r.checked_RhoBInput, 0);
    EXPECT_EQ(r.ARhoB_entered + r.APhi_entered + r.DSD_entered + r.Vb_entered, 4);
    EXPECT_EQ(r.NeedToDisplayRhoB, 0);  // porosity and dry density are both known
}

TEST_F(TssScreens, SettlingVelocityEnteredClosesTheChainWithoutCalculatedValues) {
    Project().TSS_entered_ARhoB = Project().ARhoB_entered = 1;
    ui.Expect(kTssOptionSelectionScreen)
        .PressOk()
        .Expect(kTssVsChoiceScreen)
        .PressOk()
        .Expect(kTssVsDataScreen)
        .Type(kVsField, "0.5")
        .PressOk();
    EXPECT_TRUE(Show<kTssOptionSelection>(ui, kMainWindow));
    EXPECT_FALSE(Shown(kTssCalculatedValuesScreen));

    const ProjectRecord& r = Project();
    EXPECT_EQ(r.Vs, 0.5);
    EXPECT_EQ(r.equation_to_use, 1);
    EXPECT_EQ(r.checked_Vs + r.checked_RhoBInput + r.Vs_entered + r.TSS_entered_Vs, 4);
    EXPECT_EQ(r.TSS_entered_ARhoB + r.ARhoB_entered, 0);
}

TEST_F(TssScreens, SameOptionKeepsItsSubChoiceAndAnotherStartsFromInput) {
    ProjectRecord& r = Project();
    r.checked_Opt1Input = r.checked_Opt1Input_temp = 0;
    r.checked_Opt1Calc = r.checked_Opt1Calc_temp = 1;
    r.checked_PartDiam = r.checked_PartDiam_temp = 1;
    r.equation_to_use = 4;
    ui.Expect(kTssOptionSelectionScreen)
        .PressOk()
        .Expect(kTssVsChoiceScreen)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(kVsCalculateButton)); })
        .PressCancel()
        .Inspect([](Dialog&) {
            EXPECT_EQ(Project().checked_Opt1Calc, 1);
            EXPECT_EQ(Project().equation_to_use, 4);
        })
        .Click(kAccretionButton)
        .PressOk()
        .Expect(kTssAccretionChoiceScreen)
        .Inspect([](Dialog& d) {
            const ProjectRecord& r = Project();
            EXPECT_TRUE(d.Checked(kAccretionInputButton));
            EXPECT_EQ(r.checked_Opt1Calc + r.checked_Opt1Calc_temp + r.checked_Opt1Input, 0);
            EXPECT_EQ(r.checked_Opt2Input + r.checked_Opt2Input_temp, 2);
            EXPECT_EQ(r.checked_SSConc + r.checked_SAcc + r.checked_SRhoB, 3);
            EXPECT_EQ(r.checked_Vs + r.checked_Vs_temp, 0);
            EXPECT_EQ(r.equation_to_use, 2);
            EXPECT_EQ(r.option_entered_prior, 0);
        })
        .PressCancel()
        .PressCancel();
    EXPECT_FALSE(Show<kTssOptionSelection>(ui, kMainWindow));
    // The chain's end commits the working copies: TSS data now exists.
    EXPECT_EQ(r.UserEnteredTSS, 1);
    EXPECT_EQ(r.checked_Option2, 1);
}

TEST_F(TssScreens, CancelOnTheSelectionPutsBackItsChoicesAndKnownValueFlags) {
    ProjectRecord& r = Project();
    r.checked_Option2_temp = r.checked_Opt2Calc_temp = r.checked_SPhi_temp = r.checked_RhoBCalc_temp = 1;
    r.checked_Vs_temp = 0;
    ui.Expect(kTssOptionSelectionScreen).PressCancel();
    EXPECT_FALSE(Show<kTssOptionSelection>(ui, kMainWindow));
    EXPECT_EQ(
        r.checked_Option2_temp + r.checked_Opt2Calc_temp + r.checked_SPhi_temp + r.checked_RhoBCalc_temp, 0);
    EXPECT_EQ(r.checked_Vs_temp, 1);
    EXPECT_FALSE(Shell().changes);
}

// After a rejected OK the fields read before the bad one hold the typed values; Cancel puts
// them back, so the selection's closing commit keeps the record as it was.
TEST_F(TssScreens, CancelAfterARejectedOkRevertsTheDataScreenAndTssDataStillExists) {
    ui.Expect(kTssOptionSelectionScreen)
        .Click(kAccretionButton)
        .PressOk()
        .Expect(kTssAccretionChoiceScreen)
        .PressOk()
        .Expect(kTssAccretionDataScreen)
        .Type(kSolidsConcentrationField, "20")
        .Type(kAccretionRateField, "1,5")
        .PressOk()
        .ExpectMessage(kInvalidInput, kInvalidInputCaption)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(Project().SSConc_temp, 20);
            EXPECT_EQ(d.Text(kAccretionRateField), "0.82");
        })
        .PressCancel()
        .PressCancel()
        .Inspect([](Dialog& d) { EXPECT_EQ(d.TemplateNumber(), kTssOptionSelectionScreen); })
        .PressCancel();
    EXPECT_FALSE(Show<kTssOptionSelection>(ui, kMainWindow));
    const ProjectRecord& r = Project();
    EXPECT_EQ(r.SSConc, 100);
    EXPECT_EQ(r.SSConc_temp, 100);
    EXPECT_EQ(r.UserEnteredTSS, 1);
}

TEST_F(TssScreens, NoSettlingVelocityFromAZeroConcentrationOrAnOverflow) {
    ProjectRecord& r = Project();
    r.checked_Option1 = r.checked_Option1_temp = 0;
    r.checked_Option3 = r.checked_Option3_temp = 1;
    r.checked_Opt3Input = r.checked_Opt3Input_temp = 1;
    ui.Expect(kTssBurialChoiceScreen)
        .PressOk()
        .Expect(kTssBurialDataScreen)
        .Type(kSolidsConcentrationField, "0")
        .PressOk()
        .ExpectMessage("Suspended Solids Concentration must be greater than 0 to compute the net settling velocity.",
                       "TSS Data Entry Screen")
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kSolidsConcentrationField), "0");
            EXPECT_EQ(Project().SSConc, 100);
        })
        .Type(kSolidsConcentrationField, "10")
        .PressOk()
        .Expect(kTssCalculatedValuesScreen)
        .PressCancel()
        .Inspect([](Dialog& d) {
            // Cancelling the calculated values returns to the data, already committed.
            EXPECT_EQ(d.TemplateNumber(), kTssBurialDataScreen);
            EXPECT_EQ(Project().SSConc, 10);
        })
        .PressCancel()
        .PressCancel();
    EXPECT_FALSE(ShowScreen(ui, kMainWindow, kTssBurialChoice));
    EXPECT_DOUBLE_EQ(r.Vn, 4.7e-6 * 1130 / 0.01);

    // Values whose settling velocity overflows are refused, saying which value.
    r.checked_Option3 = r.checked_Option3_temp = 0;
    r.checked_Option1 = r.checked_Option1_temp = 1;
    r.checked_Opt1Calc = 1;
    r.checked_Opt1Input = 0;
    const double vn = r.Vn;
    ui.Expect(kTssParticleDataScreen)
        .Type(kParticleDiameterField, "1e200")
        .PressOk()
        .ExpectMessage("The particle settling velocity cannot be computed from the values entered: it would be "
                       "infinite or not a number. Check the values for one far too large or too small.",
                       "TSS Data Entry Screen")
        .PressCancel();
    EXPECT_FALSE(ShowScreen(ui, kMainWindow, kTssParticleData));
    EXPECT_EQ(r.PartDiam, 1);
    EXPECT_EQ(r.Vn, vn);
    EXPECT_TRUE(ui.ScriptDone());
}

// Every radio screen of the TSS chain needs exactly one choice before OK goes on.
TEST_F(TssScreens, EachChoiceScreenRefusesOkWithoutOneChoice) {
    for (const DataScreen* screen : {&kTssOptionSelection, &kTssVsChoice, &kTssAccretionChoice, &kTssBurialChoice}) {
        SCOPED_TRACE(screen->number);
        for (const Row& row : screen->rows) {
            if (row.kind == RowKind::Radio) row.flag.In(Project(), 0) = 0;
        }
        ui.Expect(screen->number).PressOk().ExpectMessage(kChooseOneOption, kChooseOneOptionCaption).PressCancel();
        EXPECT_FALSE(ShowScreen(ui, kMainWindow, *screen));
        EXPECT_TRUE(ui.ScriptDone());
    }
}

// The burial path with an entered bulk density: the flags the report reads, the marks of
// the three quantities it supplies, and every other screen's claim on them given up; the
// marks of quantities from other paths are cleared.
TEST_F(TssScreens, BurialPathWithEnteredDensitySetsItsFlagsAndMarks) {
    R& r = Project();
    r.checked_Option1 = 0;
    r.checked_Option3 = r.checked_Opt3Input = 1;
    r.TSS_entered_Vs = r.Vs_entered = r.Vs_entered_temp = 1;
    r.TSS_entered_DSD = r.DSD_entered = r.DSD_entered_temp = 1;
    r.SSConc_entered_MC = r.SSConc_entered_MP = 1;
    r.Vb_entered_MP = r.Vb_entered_MTC = r.ARhoB_entered_MT = r.ARhoB_entered_MC = 1;
    ui.Expect(kTssBurialDataScreen)
        .Type(kSolidsConcentrationField, "50")
        .Type(kBurialVelocityField, "0.001")
        .Type(kActiveBulkDensityField, "530")
        .PressOk()
        .Expect(kTssCalculatedValuesScreen)
        .PressOk();
    EXPECT_TRUE(ShowScreen(ui, kMainWindow, kTssBurialData));
    for (const auto set : {&R::SSConc_entered, &R::SSConc_entered_temp, &R::checked_SSConc, &R::checked_AVb,
                           &R::Vb_entered, &R::Vb_entered_temp, &R::checked_ARhoB, &R::TSS_entered_SSConc,
                           &R::TSS_entered_Vb, &R::TSS_entered_ARhoB, &R::ARhoB_entered}) {
        EXPECT_EQ(r.*set, 1);
    }
    for (const auto cleared : {&R::SSConc_entered_MC, &R::SSConc_entered_MP, &R::Vb_entered_MP, &R::Vb_entered_MTC,
                               &R::ARhoB_entered_MT, &R::ARhoB_entered_MC, &R::TSS_entered_Vs, &R::Vs_entered,
                               &R::Vs_entered_temp, &R::TSS_entered_DSD, &R::DSD_entered, &R::DSD_entered_temp}) {
        EXPECT_EQ(r.*cleared, 0);
    }
    EXPECT_DOUBLE_EQ(r.Vn, 0.001 * 530 / 0.05);
}

TEST_F(TssScreens, PorosityPathClearsAnEarlierEnteredSurficialDensity) {
    ProjectRecord& r = Project();
    r.TSS_entered_SRhoB = 1;
    r.checked_Option1 = 0;
    r.checked_Option2 = r.checked_Opt2Calc = r.checked_Opt2Calc_temp = 1;
    r.SSConc_entered_MP = r.DSD_entered_MT = 1;
    ui.Expect(kTssAccretionChoiceScreen)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(kAccretionCalculateButton)); })
        .PressOk()
        .Expect(kTssAccretionPorosityDataScreen)
        .Type(kSurficialPorosityField, "0.6")
        .Type(kDrySedimentDensityField, "2500")
        .PressOk()
        .Expect(kTssCalculatedValuesScreen)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(calculated::kSurficialBulkDensityField), "1000"); })
        .PressOk();
    EXPECT_TRUE(ShowScreen(ui, kMainWindow, kTssAccretionChoice));
    EXPECT_EQ(r.TSS_entered_SRhoB, 0);
    EXPECT_EQ(r.TSS_entered_SPhi + r.TSS_entered_DSD + r.DSD_entered, 3);
    EXPECT_EQ(r.SSConc_entered_MP + r.DSD_entered_MT, 0);
    EXPECT_EQ(r.equation_to_use, 5);
    EXPECT_EQ(r.SurfRhoB_temp, 1000);  // the computed density is kept for the chain's closing commit
}

// A project file may carry a negative equation, meaning velocities that give a negative
// resuspension velocity: with TP modelled the selection then commits nothing.
TEST_F(TssScreens, NegativeEquationFromAFileIsRefusedWhenPhosphorusIsModelled) {
    ProjectRecord& r = Project();
    r.model_p = 1;
    r.equation_to_use = -1;
    ui.Expect(kTssOptionSelectionScreen)
        .PressOk()
        .Expect(kTssVsChoiceScreen)
        .PressCancel()
        .ExpectMessage(kNegativeResuspension, kNegativeResuspensionCaption)
        .PressCancel();
    EXPECT_FALSE(Show<kTssOptionSelection>(ui, kMainWindow));
    EXPECT_EQ(r.UserEnteredTSS + r.OkToModelTP, 0);
}

TEST(CommitTss, CommitsTheWorkingCopiesAndMarksTssDataEntered) {
    ProjectRecord r = DefaultRecord();
    r.SSConc_temp = 12;
    r.Vr_temp = 0.3;
    r.checked_AVb_temp = r.Vb_entered_temp = r.checked_RhoBCalc_temp = 1;
    r.APhi_entered_temp = 1;
    CommitTSS(r);
    EXPECT_EQ(r.SSConc, 12);
    EXPECT_EQ(r.Vr, 0.3);
    EXPECT_EQ(r.checked_AVb + r.Vb_entered, 2);
    EXPECT_EQ(r.checked_RhoBCalc, 0);  // the bulk density choice is the option selection's
    EXPECT_EQ(r.UserEnteredTSS + r.called_by_double_window_close, 2);
    EXPECT_EQ(r.OkToModelTP, 0);
    EXPECT_EQ(r.NeedToDisplayRhoB, 1);  // porosity alone does not give the density

    r.DSD_entered_temp = r.model_p = 1;
    CommitTSS(r);
    EXPECT_EQ(r.NeedToDisplayRhoB, 0);
    EXPECT_EQ(r.OkToModelTP, 1);
}

}  // namespace
}  // namespace velmar::testing
