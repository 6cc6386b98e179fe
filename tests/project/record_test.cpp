#include "project/record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "project/file_entries.h"
#include "project/system_formulas.h"
#include "tests/support/default_project.h"

namespace velmar {
namespace {

using testing::DefaultProject;

TEST(ProjectRecord, DefaultsAfterStartUp) {
    const ProjectRecord r = DefaultProject();
    EXPECT_EQ(r.temperature, 20);
    EXPECT_EQ(r.depth_temp, 1);
    EXPECT_EQ(r.width, 500);
    EXPECT_EQ(r.length, 2000);
    EXPECT_EQ(r.volume, 1e6);
    EXPECT_EQ(r.area_temp, 1e6);
    EXPECT_EQ(r.flow, 1);
    EXPECT_EQ(r.temp_check, 20);
    EXPECT_EQ(r.longitudinal_calc_re, 1);
    EXPECT_EQ(r.mixed_clac_re, 0);
    EXPECT_EQ(r.checked_Option1, 1);
    EXPECT_EQ(r.checked_Opt1Input_temp, 1);
    EXPECT_EQ(r.Vb, 4.7e-6);
    EXPECT_EQ(r.SurfRhoB_temp, 236);
    EXPECT_EQ(r.DrySedDensity, 2360);
    EXPECT_EQ(r.theta_tn_temp, 1.045);
    EXPECT_EQ(r.theta_bod, 1.047);
    EXPECT_EQ(r.theta_tcb, 1.07);
    EXPECT_EQ(r.Ktn, 0.05);
    EXPECT_EQ(r.tn_decay_rate20_temp, 0.05);
    EXPECT_EQ(r.PhosRemSpec, 1);
    EXPECT_EQ(r.check_Vtp_temp, 1);
    EXPECT_EQ(r.PhosRemRateAB, 0.0082);
    EXPECT_EQ(r.YearlyTPLoading, r.DailyTPLoading * 365.25);
    EXPECT_EQ(r.checked_phos_estab, 1);
    EXPECT_EQ(r.Kds_temp[2], 240);
    EXPECT_EQ(r.HMKds[1], 1e6);
    EXPECT_EQ(r.HMConKdw_temp[0], 1e5);
    EXPECT_EQ(r.MW[2], 380.9);
    EXPECT_EQ(r.HMMD[2], 5.94e-10);
    EXPECT_EQ(r.recalc_hmvd3, 1);
    EXPECT_EQ(r.NothingToDoInDPC, 1);
    EXPECT_EQ(r.NumOC_SLR, 0);
    EXPECT_EQ(r.NumHM_LLR, 0);
    EXPECT_EQ(r.start_up_with_defaults, 0);
    for (const char* name : {r.TauCompName1, r.TauCompName2_temp, r.TauCompName3})
        EXPECT_STREQ(name, "Dieldrin");
    for (const char* name : {r.HMName1, r.HMName2, r.HMName3_temp}) EXPECT_STREQ(name, "Chromium");
}

TEST(ProjectRecord, ProgramStartValuesSurviveResets) {
    ProjectRecord r = DefaultProject();
    EXPECT_EQ(r.mean_vel_check, 5e-6);
    EXPECT_EQ(r.big_width_temp, 1);
    EXPECT_EQ(r.big_width, 0);
    EXPECT_EQ(r.checked_HMKdwInput, 1);

    // A previous project's results and a cleared HM choice stay through New.
    r.checked_HMKdwInput = 0;
    r.C = 3.5;
    r.Y[0] = 1.5;
    r.Korg[0] = 0.2;
    r.tn_decay_rate = 0.7;
    r.detention_time = 11.57;
    r.mean_velocity = 0.01;
    r.RatioLoW = 4;
    ClearEntryState(r);
    ResetToDefaults(r);
    EXPECT_EQ(r.checked_HMKdwInput, 0);
    EXPECT_EQ(r.C, 3.5);
    EXPECT_EQ(r.Y[0], 1.5);
    EXPECT_EQ(r.Korg[0], 0.2);
    EXPECT_EQ(r.tn_decay_rate, 0.7);
    EXPECT_EQ(r.detention_time, 11.57);
    EXPECT_EQ(r.mean_velocity, 0.01);
    EXPECT_EQ(r.RatioLoW, 4);
}

TEST(ProjectRecord, ResetDefaultsKeepsLengthAndWidthEntered) {
    ProjectRecord r = DefaultProject();
    r.length_entered = r.width_entered = r.area_entered = 1;
    ResetToDefaults(r);
    EXPECT_EQ(r.length_entered, 1);
    EXPECT_EQ(r.width_entered, 1);
    EXPECT_EQ(r.area_entered, 0);
    ClearEntryState(r);
    EXPECT_EQ(r.length_entered, 0);
    EXPECT_EQ(r.width_entered, 0);
    EXPECT_EQ(r.start_up_with_defaults, 1);
}

TEST(ProjectRecord, BodDefaultComesFromTheDefaultDepthNotTheCurrentOne) {
    ProjectRecord r = DefaultProject();
    EXPECT_EQ(r.bod_decay_rate20, 0.38);
    EXPECT_EQ(r.bod_decay_rate20_temp, 0.38);
    r.depth = 0.3;
    ResetToDefaults(r);
    EXPECT_EQ(r.bod_decay_rate20, 0.38);
}

TEST(SystemFormulas, RoundToDecimalsRoundsHalfUpAndBiasesNegativesTowardZero) {
    EXPECT_DOUBLE_EQ(RoundToDecimals(2.344, 2), 2.34);
    EXPECT_DOUBLE_EQ(RoundToDecimals(2.346, 2), 2.35);
    EXPECT_DOUBLE_EQ(RoundToDecimals(-2.346, 2), -2.34);
    EXPECT_DOUBLE_EQ(RoundToDecimals(0.37795, 2), 0.38);
    EXPECT_DOUBLE_EQ(RoundToDecimals(7.26, 0), 7);
}

TEST(SystemFormulas, BodDecayRateBandsByDepth) {
    EXPECT_EQ(BodDecayRateForDepth(0.3048), 2.3);
    EXPECT_EQ(BodDecayRateForDepth(1.524), 0.2);
    EXPECT_EQ(BodDecayRateForDepth(1), 0.38);
    EXPECT_EQ(BodDecayRateForDepth(0), 2.3);
    EXPECT_EQ(BodDecayRateForDepth(-1), 0);
}

TEST(ProjectRecord, UpgradeV1SwitchesPhosphorusToCalculatedAndNitrogenToVolumetric) {
    ProjectRecord r = DefaultProject();
    r.model_p = 1;
    r.model_n = 1;
    r.checked_KtnAreal = r.checked_KtnAreal_temp = 1;
    r.checked_KtnVolumetric = r.checked_KtnVolumetric_temp = 0;
    r.called_by_TN_RR_selection = 1;
    UpgradeV1Project(r);
    EXPECT_EQ(r.PhosRemSpec, 0);
    EXPECT_EQ(r.PhosRemSpec_temp, 0);
    EXPECT_EQ(r.PhosremCalc, 1);
    EXPECT_EQ(r.PhosRemCalc_temp, 1);
    EXPECT_EQ(r.called_by_TN_RR_selection, 0);
    EXPECT_EQ(r.checked_KtnAreal_temp, 0);
    EXPECT_EQ(r.checked_KtnVolumetric, 1);
}

TEST(ProjectRecord, UpgradeV1LeavesUnmodelledConstituentsAlone) {
    ProjectRecord r = DefaultProject();
    r.checked_KtnAreal = 1;
    UpgradeV1Project(r);
    EXPECT_EQ(r.PhosRemSpec, 1);
    EXPECT_EQ(r.checked_KtnAreal, 1);
}

TEST(FileEntries, TableHoldsEveryFieldInFileOrder) {
    EXPECT_STREQ(kFileEntries[0].label, "System Properties Selection Made");
    EXPECT_STREQ(kFileEntries[527].label, "NothingToDoInDPC");
    EXPECT_STREQ(kFileEntries[540].label, "called_by_phos_RR_selection");
    EXPECT_STREQ(kFileEntries[590].label, "called_by_added_close");
    EXPECT_STREQ(kFileEntries[599].label, "checked_fdw");
    EXPECT_STREQ(kFileEntries[297].label, "Y[0]");
    EXPECT_EQ(kFileEntries[297].offset, offsetof(ProjectRecord, Y[0]));
    EXPECT_EQ(FindEntry("TSS removal rate")->offset, offsetof(ProjectRecord, TSS_removal_rate));
    EXPECT_EQ(FindEntry("TauCompName1")->kind, FieldKind::Name);

    // 592 distinct fields: the eight written twice share their offsets.
    int repeats = 0;
    for (std::size_t i = 0; i < kFileEntryCount; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (kFileEntries[i].offset == kFileEntries[j].offset) {
                ++repeats;
                EXPECT_STREQ(kFileEntries[i].label, kFileEntries[j].label);
            }
        }
    }
    EXPECT_EQ(repeats, 8);
    EXPECT_EQ(kFileEntries[204].offset, kFileEntries[194].offset);  // Ktn_temp
    EXPECT_EQ(kFileEntries[597].offset, kFileEntries[306].offset);  // f_o
}

}  // namespace
}  // namespace velmar
