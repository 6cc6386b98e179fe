#include "project/contaminants.h"

#include <cmath>

#include "project/units.h"

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

void CalculateOrganicCoefficients(ProjectRecord& r, int k) {
    if (r.checked_KdwCalc) r.ConKdw[k] = PartitionFromKow(r.f_oc, r.Kow[k], r.DOCH2o);
    if (r.checked_KdsCalc) r.Kds[k] = PartitionFromKow(r.Bedf_oc, r.Kow[k], r.DOCBed);
    if (r.checked_kvCalc) {
        r.kv[k] =
            VolatilizationVelocity(r.WindSpeed, r.mean_velocity, r.depth, r.temperature, r.MW[k], r.Henry[k]);
    }
}

PhaseFractions PartitionFractions(double suspended_solids, double water_kd, double bulk_density,
                                  double porosity, double bed_kd) {
    const double sorbed = suspended_solids * water_kd * units::kKilogramsPerMilligram;
    return {.dissolved = 1 / (1 + sorbed),
            .particulate = sorbed / (1 + sorbed),
            .pore_water = 1 / (bulk_density * bed_kd * units::kGramsPerMilligram + porosity)};
}

double SedimentConcentration(const PhaseFractions& f, double transfer_velocity, double bed_loss,
                             double settling_velocity, double burial_velocity, double resuspension_velocity,
                             double bulk_density, double outflow) {
    return (f.dissolved * transfer_velocity + f.particulate * settling_velocity) /
           (bed_loss * f.pore_water + burial_velocity + resuspension_velocity) / bulk_density * outflow *
           units::kGramsPerKilogram;
}

}  // namespace velmar
