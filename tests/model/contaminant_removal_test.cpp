#include "model/contaminant_removal.h"

#include <gtest/gtest.h>

#include "tests/model/model_fixture.h"

namespace velmar {
namespace {

using testing::DefaultModel;

ModelState WithContaminants(int organics, int metals) {
    ModelState s = DefaultModel();
    s.model_contaminant = 1;
    s.NumOC_SLR = organics;
    s.NumHM_LLR = metals;
    s.detention_time = 1;
    s.longitudinal_calc_re = 0;
    return s;
}

TEST(OrganicChemicals, HalfLifeGivesTheDecayRate) {
    ModelState s = WithContaminants(1, 0);
    s.Tau[0] = 0.693;
    s.Tau[1] = 0.1;  // beyond the count: untouched
    ComputeContaminants(s);
    EXPECT_EQ(s.Korg[0], 1);
    EXPECT_EQ(s.ContamRemovalRate[0], 1);
    EXPECT_DOUBLE_EQ(s.RE_Contam[0], 50);
    EXPECT_EQ(s.Korg[1], 0);
    EXPECT_EQ(s.RE_Contam[1], 0);
}

TEST(OrganicChemicals, NeitherMethodUsesTheRateAsRead) {
    ModelState s = WithContaminants(1, 0);
    s.checked_contam_tau = 0;
    s.Korg[0] = 1;
    ComputeContaminants(s);
    EXPECT_EQ(s.ContamRemovalRate[0], 0);
    EXPECT_DOUBLE_EQ(s.RE_Contam[0], 50);
}

TEST(OrganicChemicals, ProcessRateFromPartitioningSettlingAndDecay) {
    ModelState s = WithContaminants(1, 0);
    s.checked_contam_tau = 0;
    s.checked_contam_removal = 1;
    s.checked_KdwCalc = s.checked_KdsCalc = 1;
    s.Kow[0] = 1000;
    s.SSConc = 50;
    s.Vs = 1;
    s.Vn = 1;
    s.depth = 0.5;
    s.ConVd[0] = 0.02;
    ComputeContaminants(s);
    // Koc = 0.617 Kow on 2% organic carbon, less what 5 mg/L of DOC holds: 12.302 L/kg.
    EXPECT_NEAR(s.ConKdw[0], 12.302, 5e-4);
    EXPECT_EQ(s.Kds[0], s.ConKdw[0]);  // same organic carbon in bed and water by default
    // 50 mg/L of solids at 12.302 L/kg hold 6.151e-4 times what is dissolved: 1 part in
    // 1.0006151 is dissolved. A bed of 1130 g/L and porosity 0.35 holds 1 part in
    // 13.901 + 0.35 in its pore water.
    EXPECT_NEAR(s.ContamFd[0], 1 / 1.0006151, 1e-7);
    EXPECT_NEAR(s.ContamFp[0], 6.151e-4 / 1.0006151, 1e-7);
    EXPECT_NEAR(s.ContamFdp[0], 1 / 14.251, 1e-5);
    EXPECT_EQ(s.kv[0], 0.005);  // entered, not computed
    EXPECT_GT(s.Korg[0], 0);
    EXPECT_EQ(s.ContamRemovalRate[0], s.Korg[0]);
}

TEST(OrganicChemicals, CalmWindUsesTheCurrentDrivenTransfer) {
    ModelState s = WithContaminants(1, 0);
    s.checked_contam_tau = 0;
    s.checked_contam_removal = 1;
    s.checked_kvCalc = 1;
    s.WindSpeed = 0;
    s.mean_velocity = 0.02;
    s.depth = 0.5;
    ComputeContaminants(s);
    // With no wind the gas film carries nothing: kv = 1 / (1/0 + 1/KL) = 0.
    EXPECT_EQ(s.kv[0], 0);

    // A whisper of wind: the gas film, 168 * 1e-12 * (18/380.9)^0.25 = 7.833e-11 m/day
    // times H = 5.8e-5 / (293.15 * 8.206e-5) = 2.4111e-3, limits the transfer.
    s.WindSpeed = 1e-12;
    ComputeContaminants(s);
    EXPECT_NEAR(s.kv[0], 1.8886e-13, 1e-16);
}

TEST(HeavyMetals, PartitionCoefficientEstimatedFromSolids) {
    ModelState s = WithContaminants(0, 1);
    s.checked_HMKdwInput = 0;
    s.SSConc = 25;
    ComputeContaminants(s);
    EXPECT_DOUBLE_EQ(s.HMConKdw[0], 10100);
    EXPECT_DOUBLE_EQ(s.HMFp[0], 0.2525 / 1.2525);
    EXPECT_DOUBLE_EQ(s.HMFd[0], 1 / 1.2525);
    EXPECT_EQ(s.ContamRemovalRate[3], s.Khm[0]);
    EXPECT_GT(s.RE_Contam[3], 0);
    EXPECT_EQ(s.HMConKdw[1], 100000);
}

TEST(Contaminants, CountsAboveThreeAreTreatedAsThree) {
    ModelState s = WithContaminants(7, 9);
    ComputeContaminants(s);
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(s.Korg[k], 0.231);
        EXPECT_GT(s.RE_Contam[3 + k], 0);
    }

    ModelState none = WithContaminants(-2, -1);
    ComputeContaminants(none);
    EXPECT_EQ(none.Korg[0], 0);
    EXPECT_EQ(none.Khm[0], 0);
}

TEST(Contaminants, RequestedConcentrationsWithoutAnyModelled) {
    ModelState s = WithContaminants(0, 0);
    s.checked_Contam2OutConc = 1;
    s.ContamInConc2 = 0.4;
    s.checked_HM3OutConc = 1;
    s.HMInConc3 = 0.7;
    ComputeContaminants(s);
    ComputeContaminantConcentrations(s);
    EXPECT_EQ(s.ContamOutConc[1], 0.4);
    EXPECT_EQ(s.ContamSedConc[1], 0);
    EXPECT_EQ(s.HMOutConc[2], 0.7);
    EXPECT_EQ(s.HMSedConc[2], 0);
}

TEST(Contaminants, ThirdOrganicAndThirdMetalKeepTheirOwnValues) {
    ModelState s = WithContaminants(3, 3);
    s.checked_Contam3OutConc = s.checked_HM3OutConc = 1;
    s.ContamInConc3 = 1;
    s.HMInConc3 = 2;
    s.Vs = 1;
    s.Vn = 1;
    s.HMVd[2] = 0.01;
    ComputeContaminants(s);
    ComputeContaminantConcentrations(s);
    EXPECT_DOUBLE_EQ(s.ContamOutConc[2], 1 - 1 * (s.RE_Contam[2] * 0.01));
    EXPECT_DOUBLE_EQ(s.HMOutConc[2], 2 - 2 * (s.RE_Contam[5] * 0.01));
    EXPECT_NE(s.ContamSedConc[2], s.HMSedConc[2]);
    EXPECT_GT(s.HMSedConc[2], 0);
}

}  // namespace
}  // namespace velmar
