// The values that follow from a wetland's dimensions and flow, worked by hand: 1 m^3/s through
// 500 m by 1 m is 0.2 cm/s; 1e6 m^3 at 1 m^3/s is 11.57 days.
#include "project/system_formulas.h"

#include <gtest/gtest.h>

#include <utility>

#include "project/record.h"

namespace velmar {
namespace {

TEST(SystemFormulas, GeometryFollowsFromTheChosenDimensionsBothWays) {
    ProjectRecord r = DefaultRecord();
    r.checked_Volume = r.checked_Depth = r.checked_Width = 1;
    r.volume_temp = 2e6;
    r.depth_temp = 2;
    r.width_temp = 250;
    FillUnchosenDimensions(r);
    EXPECT_EQ(r.area_temp, 1e6);
    EXPECT_EQ(r.length_temp, 4000);

    r = DefaultRecord();
    r.checked_Area = r.checked_Depth = r.checked_Length = 1;
    r.area_temp = 1e6;
    r.depth_temp = 0.5;
    r.length_temp = 2500;
    FillUnchosenDimensions(r);
    EXPECT_EQ(r.volume_temp, 5e5);
    EXPECT_EQ(r.width_temp, 400);
}

TEST(SystemFormulas, BodDecayRateFollowsTheDepthWhileBodIsNotModelled) {
    const std::pair<double, double> kRates[] = {{0.3048, 2.3}, {1.524, 0.2}, {1, 0.38}, {0, 2.3}, {-1, 0}};
    for (const auto& [depth, rate] : kRates) {
        ProjectRecord r = DefaultRecord();
        r.depth = depth;
        r.theta_bod = 1.06;
        DeriveFromSystemProperties(r);
        EXPECT_DOUBLE_EQ(r.bod_decay_rate20, rate) << depth;
        EXPECT_DOUBLE_EQ(r.bod_decay_rate20_temp, rate) << depth;
        EXPECT_DOUBLE_EQ(r.bod_default_decay, rate) << depth;
        EXPECT_EQ(r.bod_default_temp, 1.047);
        EXPECT_EQ(r.theta_bod_temp, 1.06);
    }
}

TEST(SystemFormulas, ConstituentsNotModelledGetTheirDefaultsAndModelledOnesKeepTheirValues) {
    ProjectRecord r = DefaultRecord();
    r.bod_decay_rate20 = r.tcb_decay_rate20 = r.Ktn = r.Kdn = r.PhosRemRateAB = r.Kds[2] = r.HMVd_temp[1] = 9;
    SetName(r.HMName3, "Lead");
    r.recalc_convd2 = 0;
    ProjectRecord modelled = r;
    modelled.model_bod = modelled.model_tcb = modelled.model_n = modelled.model_p =
        modelled.model_contaminant = 1;

    DeriveFromSystemProperties(r);
    EXPECT_EQ(r.bod_decay_rate20, 0.38);
    EXPECT_EQ(r.tcb_decay_rate20, 0.8);
    EXPECT_EQ(r.Ktn, 0.05);
    EXPECT_EQ(r.Kdn_temp, 0.2);
    EXPECT_EQ(r.PhosRemRateAB, 0.0082);
    EXPECT_EQ(r.Kds[2], 240);
    EXPECT_EQ(r.HMVd_temp[1], 0);
    EXPECT_STREQ(r.HMName3, "Chromium");
    EXPECT_EQ(r.recalc_convd2, 1);

    DeriveFromSystemProperties(modelled);
    for (double value : {modelled.bod_decay_rate20, modelled.tcb_decay_rate20, modelled.Ktn, modelled.Kdn,
                         modelled.PhosRemRateAB, modelled.Kds[2], modelled.HMVd_temp[1]}) {
        EXPECT_EQ(value, 9);
    }
    EXPECT_STREQ(modelled.HMName3, "Lead");
    EXPECT_EQ(modelled.System_Properties_Entered, 1);
}

TEST(SystemFormulas, RatioResidenceTimeAndVelocity) {
    ProjectRecord r = DefaultRecord();
    DeriveFromSystemProperties(r);
    EXPECT_EQ(r.RatioLoW, 4);
    EXPECT_EQ(r.HydResidenceTime, 11.57);
    EXPECT_EQ(r.mean_vel_cms_temp, 0.2);  // 1 m3/s through 500 m by 1 m
    EXPECT_EQ(r.mean_velocity_temp, 0);   // 0.002 m/s to two decimals

    r.width = 0;
    r.flow = 0;
    DeriveFromSystemProperties(r);
    EXPECT_EQ(r.RatioLoW, 0);
    EXPECT_EQ(r.HydResidenceTime, 0);
    EXPECT_EQ(r.mean_vel_cms_temp, 0);
}

TEST(SystemFormulas, SuggestedDetentionTime) {
    struct Case {
        int mixed, longitudinal;
        double length, width, flow, days;
    };
    const Case kCases[] = {
        {1, 0, 2000, 500, 1, 11.57}, {0, 1, 2000, 500, 1, 8.8}, {0, 1, 5000, 500, 1, 9.7},
        {0, 1, 6000, 500, 1, 11.57}, {1, 0, 2000, 500, 0, 0},   {0, 1, 2000, 500, 0, 0},
        {1, 1, 2000, 500, 1, 11.57},  // fully mixed wins
        {0, 0, 2000, 500, 1, 3.14},   // no scheme: the current value, rounded
        {0, 1, 2000, 0, 1, 3.14},     // no width: nothing to suggest, and the program runs on
        {0, 1, 2000, -5, 1, 3.14},
    };
    for (const Case& c : kCases) {
        ProjectRecord r = DefaultRecord();
        r.mixed_clac_re = c.mixed;
        r.longitudinal_calc_re = c.longitudinal;
        r.length = c.length;
        r.width = c.width;
        r.flow = c.flow;
        r.detention_time_temp = 3.14159;
        EXPECT_EQ(SuggestedDetentionTime(r), c.days)
            << c.mixed << c.longitudinal << " L/W " << c.length << "/" << c.width << " Q " << c.flow;
    }
}

}  // namespace
}  // namespace velmar
