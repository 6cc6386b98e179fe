#include "project/contaminants.h"

#include <cmath>

#include "project/sediment.h"

namespace velmar {

double PartitionFromKow(double organic_carbon_fraction, double kow, double dissolved_organic_carbon) {
    return organic_carbon_fraction * kow * 0.617 / (dissolved_organic_carbon * kow * 6.17e-7 + 1);
}

double VolatilizationVelocity(double wind_speed, double mean_velocity, double depth, double temperature,
                              double molecular_weight, double henry) {
    const double U = wind_speed;
    // Oxygen transfer velocity: the wind's, unless the current's is at least as large.
    const double wind = 0.0372 * (U * U) + (0.728 * std::sqrt(U) - 0.317 * U);
    const double current = 3.95 * std::sqrt(mean_velocity / depth);
    const double KO2 = wind > current ? wind : current;
    const double KL = KO2 * std::pow(32 / molecular_weight, 0.25);
    const double KG = 168 * U * std::pow(18 / molecular_weight, 0.25);
    const double H = henry / ((temperature + 273.15) * 8.206e-05);  // dimensionless
    return 1 / (1 / (KG * H) + 1 / KL);
}

double MetalPartitionFromSolids(double suspended_solids) {
    return 250000 * (1 / suspended_solids) + 100;
}

double InterfaceTransferVelocity(double molecular_diffusivity, double temperature, double mean_velocity) {
    // The bracket is the inverse Schmidt number; the exponent is the rounded constant the
    // contaminant velocities have always used.
    return std::pow(molecular_diffusivity / KinematicViscosity(temperature), 0.6666667) * mean_velocity * 360;
}

}  // namespace velmar
