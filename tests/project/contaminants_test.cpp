// The contaminant partitioning and transfer formulas against cases worked by hand.
#include "project/contaminants.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(ContaminantFormulas, PartitionCoefficients) {
    // Koc = 0.617 Kow: 2% organic carbon and Kow 1000 give 12.34 L/kg, less the share that
    // 5 mg/L of dissolved organic carbon keeps in solution (1 + 0.003085): 12.302 L/kg.
    EXPECT_NEAR(PartitionFromKow(0.02, 1000, 5), 12.302, 5e-4);
    EXPECT_NEAR(PartitionFromKow(0.02, 1000, 0), 12.34, 1e-9);
    // Metals: 250 000 / SS + 100 L/kg.
    EXPECT_NEAR(MetalPartitionFromSolids(25), 10100, 1e-9);
    EXPECT_NEAR(MetalPartitionFromSolids(250), 1100, 1e-9);
}

TEST(ContaminantFormulas, VolatilizationByWindOrCurrent) {
    struct Case {
        const char* what;
        double wind, molecular_weight, expected;
    } const cases[] = {
        // Oxygen's weight, so the liquid film is oxygen's own. At 5 m/s the wind gives
        // 0.9729 m/day, the current (0.1 m/s over 1 m) 3.95 * 0.3162 = 1.2491, which governs.
        // Gas film 168 * 5 * (18/32)^0.25 = 727.46 m/day; H = 0.001 / (293.15 * 8.206e-5)
        // = 0.041570; 1 / (1/30.241 + 1/1.2491) = 1.19955.
        {"current governs", 5, 32, 1.19955},
        // At 10 m/s the wind gives 3.72 + 2.3021 - 3.17 = 2.8521 m/day; gas film 1454.92.
        {"wind governs", 10, 32, 2.72370},
        // Four times oxygen's weight: liquid film 2.8521 / 4^0.25 = 2.0168, gas film
        // 1680 * (18/128)^0.25 = 1028.79.
        {"heavier chemical", 10, 128, 1.92594},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(VolatilizationVelocity(c.wind, 0.1, 1, 20, c.molecular_weight, 1e-3), c.expected, 5e-5)
            << c.what;
    }
    // No wind, no gas film: nothing leaves.
    EXPECT_EQ(VolatilizationVelocity(0, 0.1, 1, 20, 32, 1e-3), 0);
}

TEST(ContaminantFormulas, PhaseFractions) {
    // 50 mg/L of solids at 10 000 L/kg hold half as much again as the water: 1/3 sorbed.
    // A bed of 1 kg/L at 500 L/kg and porosity 0.4 holds 1 part in 500.4 in its pore water.
    const PhaseFractions f = PartitionFractions(50, 10000, 1000, 0.4, 500);
    EXPECT_NEAR(f.dissolved, 2.0 / 3, 1e-12);
    EXPECT_NEAR(f.particulate, 1.0 / 3, 1e-12);
    EXPECT_NEAR(f.pore_water, 1 / 500.4, 1e-12);
}

TEST(ContaminantFormulas, SedimentConcentrationBalancesWhatArrivesAndLeaves) {
    // At 1 mg/L in the water, half settling at 1 m/day and half diffusing at 0.02 m/day
    // bring 0.51 g/m^2 a day; the layer loses 0.01 * 0.02 + 0.001 + 0.009 = 0.0102 m/day of
    // its content, so it holds 50 g/m^3, which in 1000 kg/m^3 of solids is 50 mg/kg.
    const PhaseFractions f{.dissolved = 0.5, .particulate = 0.5, .pore_water = 0.01};
    EXPECT_NEAR(SedimentConcentration(f, 0.02, 0.02, 1, 0.001, 0.009, 1000, 1), 50, 1e-9);
    // Decay in the bed doubling the pore water's loss: 0.51 / 0.0104 = 49.04 mg/kg.
    EXPECT_NEAR(SedimentConcentration(f, 0.02, 0.04, 1, 0.001, 0.009, 1000, 1), 0.51 / 0.0104, 1e-9);
}

TEST(ContaminantFormulas, OrganicCoefficientsCalculatedOnlyWhereChosen) {
    struct Case {
        bool kdw, kds, kv;
    } const cases[] = {{true, false, false}, {false, true, false}, {false, false, true}, {true, true, true}};
    for (const Case& c : cases) {
        ProjectRecord r = DefaultRecord();
        r.checked_KdwCalc = c.kdw;
        r.checked_KdsCalc = c.kds;
        r.checked_kvCalc = c.kv;
        r.ConKdw[1] = r.Kds[1] = r.kv[1] = -1;
        r.Kow[1] = 1000;
        r.f_oc = r.Bedf_oc = 0.02;
        r.DOCH2o = r.DOCBed = 0;
        r.WindSpeed = 10;
        r.MW[1] = 32;
        r.Henry[1] = 1e-3;
        r.temperature = 20;
        r.mean_velocity = 0.1;
        r.depth = 1;
        CalculateOrganicCoefficients(r, 1);
        EXPECT_NEAR(r.ConKdw[1], c.kdw ? 12.34 : -1, 1e-9);
        EXPECT_NEAR(r.Kds[1], c.kds ? 12.34 : -1, 1e-9);
        EXPECT_NEAR(r.kv[1], c.kv ? 2.72370 : -1, 5e-5);
        EXPECT_EQ(r.ConKdw[0], DefaultRecord().ConKdw[0]);  // other slots untouched
    }
}

}  // namespace
}  // namespace velmar
