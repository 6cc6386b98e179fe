// The sediment formulas against values worked by hand from the physics.
#include "project/sediment.h"

#include <gtest/gtest.h>

#include "project/record.h"

namespace velmar {
namespace {

TEST(SedimentFormulas, ViscosityAndStokesSettling) {
    // 1.79e-6 / (1 + 0.6736 + 0.0884) at 20 Deg. C; 1.79e-6 itself at freezing.
    EXPECT_NEAR(KinematicViscosity(20), 1.01589e-6, 1e-11);
    EXPECT_DOUBLE_EQ(KinematicViscosity(0), 1.79e-6);
    // A 10 micron quartz grain (2.65) at 20 Deg. C: 9.82 * 1.65 * 1e-10 / (18 * 1.01589e-6)
    // = 8.861e-5 m/s, 7.656 m/day. Settling goes as the square of the diameter.
    EXPECT_NEAR(StokesSettlingVelocity(10, 2.65, 20), 7.656, 5e-4);
    EXPECT_NEAR(StokesSettlingVelocity(20, 2.65, 20), 4 * 7.656, 2e-3);
    EXPECT_EQ(StokesSettlingVelocity(10, 1, 20), 0);  // neutrally buoyant
}

TEST(SedimentFormulas, BulkDensityFromPorosity) {
    struct Case {
        double porosity, dry_density, bulk_density;
    } const cases[] = {{0.35, 2360, 1534}, {0.6, 2500, 1000}, {0, 2650, 2650}, {1, 2650, 0}};
    for (const Case& c : cases) {
        EXPECT_NEAR(BulkDensityFromPorosity(c.porosity, c.dry_density), c.bulk_density, 1e-9) << c.porosity;
    }
}

TEST(SedimentFormulas, InterfaceTransferVelocity) {
    // Diffusivity 1e-9 m^2/s in water of 1.01589e-6 m^2/s: Schmidt number 1015.89, whose
    // -2/3 power is 0.0098954; at 0.01 m/s the transfer velocity is 0.03562 m/day.
    EXPECT_NEAR(InterfaceTransferVelocity(1e-9, 20, 0.01, kSchmidtExponent), 0.035624, 5e-6);
    // Twice the current, twice the transfer; the contaminants' rounded exponent differs by
    // less than a part in a million.
    EXPECT_NEAR(InterfaceTransferVelocity(1e-9, 20, 0.02, kSchmidtExponent), 0.071247, 1e-5);
    EXPECT_NEAR(InterfaceTransferVelocity(1e-9, 20, 0.01, kContaminantSchmidtExponent), 0.035624, 5e-6);
}

ProjectRecord SettlingProject() {
    ProjectRecord r = DefaultRecord();
    r.checked_Option1 = r.checked_Option2 = r.checked_Option3 = 0;
    r.checked_Opt1Input = r.checked_Opt1Calc = r.checked_Opt2Input = r.checked_Opt2Calc = 0;
    r.checked_Opt3Input = r.checked_Opt3Calc = 0;
    r.SSConc = 50;
    r.Vn = -1;  // a value no option gives
    return r;
}

TEST(SedimentFormulas, NetSettlingByTssOption) {
    ProjectRecord r = SettlingProject();
    ComputeNetSettling(r);
    EXPECT_EQ(r.Vn, -1);  // no option: nothing changes

    r.checked_Option1 = r.checked_Opt1Input = 1;
    r.Vs = 0.8;
    ComputeNetSettling(r);
    EXPECT_EQ(r.Vn, 0.8);

    // 1 cm/yr of surficial sediment at 236 g/L is 2.36 kg/m^2 a year, carried by water
    // holding 0.05 kg/m^3: 47.2 m a year, 0.129227 m/day.
    r = SettlingProject();
    r.checked_Option2 = r.checked_Opt2Input = 1;
    r.SurfVb = 1;
    r.SurfRhoB = 236;
    ComputeNetSettling(r);
    EXPECT_NEAR(r.Vn, 47.2 / 365.25, 1e-9);
    // Calculated: the surficial bulk density from porosity 0.9 of 2360 g/L solids, 236 g/L.
    r.checked_Opt2Input = 0;
    r.checked_Opt2Calc = 1;
    r.SurfRhoB = 0;
    r.SurfPhi = 0.9;
    r.DrySedDensity = 2360;
    ComputeNetSettling(r);
    EXPECT_NEAR(r.SurfRhoB, 236, 1e-9);
    EXPECT_NEAR(r.Vn, 47.2 / 365.25, 1e-9);

    // Burial of 1 mm/day of active layer at 1130 g/L from water holding 50 mg/L: 22.6 m/day.
    r = SettlingProject();
    r.checked_Option3 = r.checked_Opt3Input = 1;
    r.ActiveVb = 0.001;
    r.ActiveRhoB = 1130;
    ComputeNetSettling(r);
    EXPECT_NEAR(r.Vn, 22.6, 1e-9);
}

TEST(SedimentFormulas, BurialResuspensionAndTransfer) {
    ProjectRecord r = SettlingProject();
    r.Vn = 10.6;
    r.ActiveRhoB = 530;
    r.checked_RhoBCalc = 0;
    // 0.05 kg/m^3 settling net at 10.6 m/day lays down 0.53 kg/m^2 a day: 1 mm of a layer
    // of 530 kg/m^3.
    ComputeBurialVelocity(r);
    EXPECT_NEAR(r.ActiveVb, 0.001, 1e-15);
    EXPECT_EQ(r.ActiveVb_temp, r.ActiveVb);
    EXPECT_EQ(r.Vb_entered, 1);

    // Resuspension is gross settling less burial, from the working copies: 0.05 kg/m^3 at
    // 0.1 m/day is 0.005 kg/m^2 a day, 4.4248e-6 m/day of a layer of 1130 kg/m^3.
    r.temperature = 20;
    r.mean_velocity = 0.01;
    r.Vs = 0.1;
    r.ActiveRhoB_temp = 1130;
    r.ActiveVb_temp = 0.001;
    ComputeResuspensionAndMassTransfer(r);
    EXPECT_NEAR(r.Vr, 0.005 / 1130 - 0.001, 1e-15);
    EXPECT_EQ(r.Vr_temp, r.Vr);
    EXPECT_NEAR(r.Vd, 0.035624, 5e-6);
    EXPECT_EQ(r.Vd_temp, r.Vd);
}

}  // namespace
}  // namespace velmar
