#include "project/pkc.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmar::pkc {
namespace {

constexpr double kPlugFlow = std::numeric_limits<double>::infinity();

// Expected outflows come from a mass balance on each of P equal tanks in turn,
// c_out = (c_in + (k/(P q)) C*) / (1 + k/(P q)), worked by hand; the plug-flow ones from
// C* + (Ci - C*) e^(-k/q).
TEST(PkcOutflow, MatchesTanksWorkedOneByOne) {
    struct Case {
        const char* what;
        double ci, q, k, cstar, tanks, outflow, removal;
    };
    const Case cases[] = {
        // 1 + 41/20 = 3.05; 5 + 45 / 3.05
        {"BOD, one tank", 50, 20, 41, 5, 1, 19.754098, 60.491803},
        // three tanks of 1 + 12.6/30 = 1.42 each: 1.5 + 18.5 / 1.42^3
        {"TN, three tanks", 20, 10, 12.6, 1.5, 3, 7.961103, 60.194483},
        {"TN, six tanks", 20, 10, 12.6, 1.5, 6, 7.394670, 63.026649},
        // 1 + 9 e^-2
        {"plug flow", 10, 10, 20, 1, kPlugFlow, 2.218018, 77.819825},
        {"plug flow reached by many tanks", 10, 10, 20, 1, 1e7, 2.218018, 77.819825},
        {"plug flow at the largest P", 10, 10, 20, 1, 1e308, 2.218018, 77.819825},
        // (1 + k/(P q))^P tends to 1 as P tends to 0: nothing removed
        {"no removal at the smallest P", 10, 10, 20, 1, 4.9e-324, 10, 0},
        // below C* the outflow rises towards it: 2 + (1 - 2) / 3.05
        {"inflow below C*", 1, 20, 41, 2, 1, 1.672131, -67.213115},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double co = Outflow(c.ci, c.q, c.k, c.cstar, c.tanks);
        EXPECT_NEAR(co, c.outflow, 1e-6);
        EXPECT_NEAR(RemovalPercent(c.ci, co), c.removal, 1e-5);
    }
}

TEST(PkcOutflow, RateFollowsTemperatureFromTwentyDegrees) {
    EXPECT_NEAR(AtTemperature(10, 1.05, 10), 6.139133, 1e-6);  // 10 / 1.05^10
    EXPECT_DOUBLE_EQ(AtTemperature(10, 1.05, 20), 10);
}

TEST(PkcArea, ClosedFormForTargetsAboveBackground) {
    struct Case {
        const char* what;
        double ci, target, flow, k, cstar, tanks;
        std::optional<double> area;
    };
    const Case cases[] = {
        // 1 * 36500 / 41 * (45/5 - 1)
        {"BOD, one tank", 50, 10, 36500, 41, 5, 1, 7121.951220},
        // 3 * 36500 / 12.6 * ((18.5/3.5)^(1/3) - 1)
        {"TN, three tanks", 20, 5, 36500, 12.6, 1.5, 3, 6447.859639},
        // 36500 / 20 * ln 9
        {"plug flow", 10, 2, 36500, 20, 1, kPlugFlow, 4009.934854},
        {"plug flow at the largest P", 10, 2, 36500, 20, 1, 1e308, 4009.934854},
        {"the smallest P removes too little for any area", 10, 2, 36500, 20, 1, 4.9e-324, std::nullopt},
        {"target at the inflow needs no wetland", 20, 20, 36500, 12.6, 1.5, 3, 0.0},
        {"target above the inflow needs no wetland", 20, 25, 36500, 12.6, 1.5, 3, 0.0},
        {"target at C* cannot be reached", 20, 1.5, 36500, 12.6, 1.5, 3, std::nullopt},
        {"target below C* cannot be reached", 20, 1, 36500, 12.6, 1.5, 3, std::nullopt},
        {"inflow below C*: a target under it cannot be reached", 1, 0.5, 36500, 41, 2, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<double> area = AreaForTarget(c.ci, c.target, c.flow, c.k, c.cstar, c.tanks);
        ASSERT_EQ(area.has_value(), c.area.has_value());
        if (area) {
            EXPECT_NEAR(*area, *c.area, 1e-6);
        }
    }
}

// BOD's row is chosen by its inflow; each band holds its upper bound.
TEST(PkcTables, BodBandsHoldTheirUpperBound) {
    struct Case {
        WetlandType type;
        double inflow;
        double cstar, k50;
    };
    constexpr auto F = WetlandType::FreeWaterSurface;
    constexpr auto H = WetlandType::HorizontalSubsurface;
    const Case cases[] = {
        {F, 0, 2, 33},    {F, 30, 2, 33},       {F, 30.01, 5, 41},  {F, 100, 5, 41},     {F, 100.01, 10, 36},
        {F, 200, 10, 36}, {F, 200.01, 20, 189}, {F, 5000, 20, 189}, {H, 30, 1, 86},      {H, 30.01, 5, 37},
        {H, 100, 5, 37},  {H, 100.01, 10, 25},  {H, 200, 10, 25},   {H, 200.01, 15, 66},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.type == F ? "FWS" : "HSSF") << " inflow " << c.inflow);
        const std::optional<Constants> row = PublishedConstants(c.type, Constituent::Bod, c.inflow);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->cstar, c.cstar);
        EXPECT_EQ(row->k50, c.k50);
        EXPECT_EQ(row->tanks, c.type == F ? 1 : 3);
    }
}

TEST(PkcTables, HorizontalSubsurfaceHasNoPhosphorusRow) {
    EXPECT_FALSE(PublishedConstants(WetlandType::HorizontalSubsurface, Constituent::TotalPhosphorus, 1));
    const auto fws = PublishedConstants(WetlandType::FreeWaterSurface, Constituent::TotalPhosphorus, 1);
    ASSERT_TRUE(fws);
    EXPECT_EQ(fws->tanks, 3.4);
    EXPECT_EQ(fws->cstar, 0.002);
}

}  // namespace
}  // namespace velmar::pkc
