#include "model/conventional.h"

#include <gtest/gtest.h>

#include <cmath>

#include "project/sediment.h"
#include "tests/model/model_fixture.h"

namespace velmar {
namespace {

using testing::DefaultModel;

TEST(RemovalEfficiency, FullyMixedAndPlugFlow) {
    ModelState s = DefaultModel();
    s.longitudinal_calc_re = 0;
    EXPECT_DOUBLE_EQ(RemovalEfficiency(s, 0.5, 2), 50);
    s.longitudinal_calc_re = 1;
    EXPECT_NEAR(RemovalEfficiency(s, 0.5, 2), 63.21205588, 1e-8);
    // Only the longitudinal flag is tested: with both clear the pond is fully mixed.
    s.longitudinal_calc_re = 0;
    s.mixed_clac_re = 0;
    EXPECT_DOUBLE_EQ(RemovalEfficiency(s, 1, 1), 50);
}

TEST(RemovalEfficiency, OutflowConcentration) {
    EXPECT_DOUBLE_EQ(OutflowConcentration(10, 25), 7.5);
    EXPECT_DOUBLE_EQ(OutflowConcentration(10, -999), 10 - 10 * (-999 * 0.01));
}

TEST(TssRemoval, SettlingVelocityEntered) {
    ModelState s = DefaultModel();
    s.model_tss = 1;
    s.Vs = 0.5;
    s.depth = 0.25;
    s.detention_time = 1;
    ComputeTss(s);
    EXPECT_DOUBLE_EQ(s.TSS_removal_rate, 2);
    EXPECT_DOUBLE_EQ(s.Vn, 0.5);
    EXPECT_NEAR(s.RE_TSS, 86.46647168, 1e-8);
}

TEST(TssRemoval, FailedGuardGivesNoRemovalAndKeepsVn) {
    ModelState s = DefaultModel();
    s.model_tss = 1;
    s.checked_Opt1Input = 0;
    s.checked_Opt2Input = 1;
    s.depth = 0;
    s.Vn = 0.37;
    s.TSS_removal_rate = 5;
    ComputeTss(s);
    EXPECT_EQ(s.TSS_removal_rate, 0);
    EXPECT_EQ(s.RE_TSS, 0);
    EXPECT_EQ(s.Vn, 0.37);

    s.depth = 1;
    s.SSConc = std::nan("");  // not a number fails the guard too
    s.TSS_removal_rate = 5;
    ComputeTss(s);
    EXPECT_EQ(s.TSS_removal_rate, 0);
}

TEST(TssRemoval, NoOptionKeepsTheRateAsRead) {
    ModelState s = DefaultModel();
    s.model_tss = 1;
    s.checked_Opt1Input = 0;
    s.TSS_removal_rate = 0.5;
    s.detention_time = 2;
    s.longitudinal_calc_re = 0;
    ComputeTss(s);
    EXPECT_EQ(s.TSS_removal_rate, 0.5);
    EXPECT_DOUBLE_EQ(s.RE_TSS, 50);
}

TEST(TssRemoval, EachOptionBranch) {
    ModelState s = DefaultModel();
    s.model_tss = 1;
    s.checked_Opt1Input = 0;
    s.depth = 0.5;
    s.SSConc = 80;

    s.checked_Opt2Input = 1;  // surficial accretion, density entered
    ComputeTss(s);
    EXPECT_NEAR(s.TSS_removal_rate, 0.82 * 236 * 10 / 365.25 / 40, 1e-15);
    EXPECT_DOUBLE_EQ(s.Vn, s.TSS_removal_rate * 0.5);

    s.checked_Opt2Input = 0;
    s.checked_Opt3Input = 1;  // active-layer burial, density entered
    ComputeTss(s);
    EXPECT_DOUBLE_EQ(s.TSS_removal_rate, 4.7e-6 * 1130 * 1000 / 40);

    s.checked_Opt3Input = 0;
    s.checked_Opt1Calc = 1;  // Stokes settling, Vs itself untouched
    ComputeTss(s);
    EXPECT_DOUBLE_EQ(s.TSS_removal_rate, StokesSettlingVelocity(1, 2.65, 20) / 0.5);
    EXPECT_EQ(s.Vs, 0.1);

    s.checked_Opt1Calc = 0;
    s.checked_Opt2Calc = 1;  // surficial density from porosity
    s.SurfRhoB = 1;
    ComputeTss(s);
    EXPECT_DOUBLE_EQ(s.SurfRhoB, 2360 * (1 - 0.9));

    s.checked_Opt2Calc = 0;
    s.checked_Opt3Calc = 1;  // active density from porosity; Vn and the working copy stay
    s.Vn = 0.123;
    ComputeTss(s);
    EXPECT_DOUBLE_EQ(s.ActiveRhoB, 0.65 * 2360);
    EXPECT_EQ(s.ActiveRhoB_temp, 1130);
    EXPECT_EQ(s.Vn, 0.123);
    EXPECT_DOUBLE_EQ(s.TSS_removal_rate, 4.7e-6 * (0.65 * 2360) * 1000 / 40);
}

TEST(DecayRates, TemperatureCorrection) {
    EXPECT_EQ(TemperatureCorrected(1.07, 0.8, 20), 0.8);  // theta^0 is exactly 1
    EXPECT_NEAR(TemperatureCorrected(1.07, 0.8, 15), 0.5703889435869346, 1e-15);
    EXPECT_EQ(TemperatureCorrected(0, 0.8, 15), 0);
    EXPECT_EQ(TemperatureCorrected(-1.07, 0.8, 15), 0);
}

TEST(DecayRates, NitrogenRateForms) {
    ModelState s = DefaultModel();
    s.model_n = 1;
    s.depth = 0.5;
    s.checked_Kdn = 1;
    s.checked_KtnAreal = 1;  // denitrification wins
    ComputeTcbBodTn(s);
    EXPECT_DOUBLE_EQ(s.tn_decay_rate, 0.2 * 0.5);
    s.checked_Kdn = 0;
    ComputeTcbBodTn(s);
    EXPECT_DOUBLE_EQ(s.tn_decay_rate, 0.05 / 0.5);
    s.checked_KtnAreal = 0;
    ComputeTcbBodTn(s);
    EXPECT_DOUBLE_EQ(s.tn_decay_rate, 0.05);
    s.theta_tn = 0;
    ComputeTcbBodTn(s);
    EXPECT_EQ(s.tn_decay_rate, 0);
    EXPECT_EQ(s.RE_TN, 0);
}

TEST(SedimentVelocities, OptionThreeKeepsTheEnteredBurialVelocity) {
    ModelState s = DefaultModel();
    s.checked_Option1 = 0;
    s.checked_Option3 = 1;
    s.ActiveVb = s.ActiveVb_temp = 2e-5;
    ComputeSedimentVelocities(s);
    EXPECT_EQ(s.ActiveVb, 2e-5);
    EXPECT_EQ(s.Vb_entered, 0);
}

TEST(SedimentVelocities, SettlingFromParticleIsStoredAsVs) {
    ModelState s = DefaultModel();
    s.checked_Opt1Input = 0;
    s.checked_Opt1Calc = 1;
    s.PartDiam = 10;
    s.checked_RhoBCalc = 1;
    ComputeSedimentVelocities(s);
    EXPECT_DOUBLE_EQ(s.Vs, StokesSettlingVelocity(10, 2.65, 20));
    EXPECT_EQ(s.Vn, s.Vs);
    EXPECT_DOUBLE_EQ(s.ActiveRhoB_temp, 0.65 * 2360);
    EXPECT_EQ(s.ARhoB_entered, 1);
    EXPECT_DOUBLE_EQ(s.ActiveVb, 100 * s.Vn / (s.ActiveRhoB * 1000));
}

TEST(Outflows, RequestedOutflowOfAnUnmodelledConstituentUsesItsEfficiency) {
    ModelState s = DefaultModel();
    s.checked_BODGenOutConc = 1;
    s.BODinConc = 10;
    s.RE_BOD = 25;
    s.TCBinConc = 100;  // not requested
    ComputeConventionalOutflows(s);
    EXPECT_EQ(s.BODoutConc, 7.5);
    EXPECT_EQ(s.TCBoutConc, 0);
}

}  // namespace
}  // namespace velmar
