#include "project/sediment.h"

#include <cmath>

namespace velmar {

// cm/yr to m/day: 0.01 / 365.25.
constexpr double kCmPerYearToMPerDay = 2.7378507871321012e-05;

double KinematicViscosity(double temperature) {
    return 1.79e-6 / (1 + 0.03368 * temperature + 0.000221 * std::pow(temperature, 2));
}

double StokesSettlingVelocity(double particle_diameter, double specific_gravity, double temperature) {
    const double nu = KinematicViscosity(temperature);
    return std::pow(particle_diameter, 2) * (specific_gravity - 1) * 9.82e-12 / (18 * nu) * 86400;
}

void SettlingVelocityFromParticle(ProjectRecord& r) {
    r.Vs = StokesSettlingVelocity(r.PartDiam, r.SG, r.temperature);
}

void ActiveBulkDensityFromPorosity(ProjectRecord& r) {
    r.ActiveRhoB = r.ActiveRhoB_temp = (1 - r.ActivePhi) * r.DrySedDensity;
    r.ARhoB_entered = 1;
}

void ComputeNetSettling(ProjectRecord& r) {
    if (r.checked_Option1) {
        if (r.checked_Opt1Input) {
            r.Vn = r.Vs;
        } else if (r.checked_Opt1Calc) {
            SettlingVelocityFromParticle(r);
            r.Vn = r.Vs;
        }
    } else if (r.checked_Option2) {
        if (!r.checked_Opt2Input && r.checked_Opt2Calc) r.SurfRhoB = (1 - r.SurfPhi) * r.DrySedDensity;
        if (r.checked_Opt2Input || r.checked_Opt2Calc) {
            r.Vn = r.SurfVb * r.SurfRhoB * kCmPerYearToMPerDay / (r.SSConc * 0.001);
        }
    } else if (r.checked_Option3) {
        if (!r.checked_Opt3Input && r.checked_Opt3Calc) ActiveBulkDensityFromPorosity(r);
        if (r.checked_Opt3Input || r.checked_Opt3Calc) {
            r.Vn = r.ActiveVb * r.ActiveRhoB / (r.SSConc * 0.001);
        }
    }
}

void ComputeBurialVelocity(ProjectRecord& r) {
    if (r.checked_RhoBCalc) ActiveBulkDensityFromPorosity(r);
    ComputeNetSettling(r);
    r.Vb_entered = r.Vb_entered_temp = 1;
    r.ActiveVb = r.ActiveVb_temp = r.SSConc * r.Vn / (r.ActiveRhoB * 1000);
}

void ComputeResuspensionAndMassTransfer(ProjectRecord& r) {
    // The working copies of bulk density and burial velocity are the ones the screens
    // have just shown the user.
    r.Vr = r.Vr_temp = r.SSConc * r.Vs * 0.001 / r.ActiveRhoB_temp - r.ActiveVb_temp;
    // 1e-9 m^2/s is the molecular diffusivity: the bracket is the inverse Schmidt number.
    const double nu = KinematicViscosity(r.temperature);
    r.Vd = r.Vd_temp = std::pow(1e-9 / nu, 2.0 / 3.0) * r.mean_velocity * 360;
}

}  // namespace velmar
