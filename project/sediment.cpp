#include "project/sediment.h"

#include <cmath>

#include "project/units.h"

namespace velmar {

using namespace units;

double KinematicViscosity(double temperature) {
    return 1.79e-6 / (1 + 0.03368 * temperature + 0.000221 * std::pow(temperature, 2));
}

double StokesSettlingVelocity(double particle_diameter, double specific_gravity, double temperature) {
    const double nu = KinematicViscosity(temperature);
    return std::pow(particle_diameter, 2) * (specific_gravity - 1) * 9.82e-12 / (18 * nu) * kSecondsPerDay;
}

double BulkDensityFromPorosity(double porosity, double dry_density) {
    return (1 - porosity) * dry_density;
}

double InterfaceTransferVelocity(double molecular_diffusivity, double temperature, double mean_velocity,
                                 double schmidt_exponent) {
    // The bracket is the inverse Schmidt number.
    const double inverse_schmidt = molecular_diffusivity / KinematicViscosity(temperature);
    return std::pow(inverse_schmidt, schmidt_exponent) * mean_velocity * 360;
}

void SettlingVelocityFromParticle(ProjectRecord& r) {
    r.Vs = StokesSettlingVelocity(r.PartDiam, r.SG, r.temperature);
}

void ActiveBulkDensityFromPorosity(ProjectRecord& r) {
    r.ActiveRhoB = r.ActiveRhoB_temp = BulkDensityFromPorosity(r.ActivePhi, r.DrySedDensity);
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
        if (!r.checked_Opt2Input && r.checked_Opt2Calc)
            r.SurfRhoB = BulkDensityFromPorosity(r.SurfPhi, r.DrySedDensity);
        if (r.checked_Opt2Input || r.checked_Opt2Calc) {
            r.Vn = r.SurfVb * r.SurfRhoB * kCmPerYearToMPerDay / (r.SSConc * kGramsPerMilligram);
        }
    } else if (r.checked_Option3) {
        if (!r.checked_Opt3Input && r.checked_Opt3Calc) ActiveBulkDensityFromPorosity(r);
        if (r.checked_Opt3Input || r.checked_Opt3Calc) {
            r.Vn = r.ActiveVb * r.ActiveRhoB / (r.SSConc * kGramsPerMilligram);
        }
    }
}

void ComputeBurialVelocity(ProjectRecord& r) {
    if (r.checked_RhoBCalc) ActiveBulkDensityFromPorosity(r);
    ComputeNetSettling(r);
    r.Vb_entered = r.Vb_entered_temp = 1;
    r.ActiveVb = r.ActiveVb_temp = r.SSConc * r.Vn / (r.ActiveRhoB * kGramsPerKilogram);
}

void ComputeResuspensionAndMassTransfer(ProjectRecord& r) {
    // The working copies of bulk density and burial velocity are the ones the screens
    // have just shown the user.
    r.Vr = r.Vr_temp = r.SSConc * r.Vs * kGramsPerMilligram / r.ActiveRhoB_temp - r.ActiveVb_temp;
    // Phosphate's molecular diffusivity is taken as 1e-9 m^2/s.
    r.Vd = r.Vd_temp = InterfaceTransferVelocity(1e-9, r.temperature, r.mean_velocity, kSchmidtExponent);
}

}  // namespace velmar
