// Partitioning and transfer formulas of the contaminants: the engine applies them to the
// values it reads, and the data-entry screens calculate and show them with the same code.
#pragma once

#include "project/record.h"

namespace velmar {

// Distribution coefficient (L/kg) of an organic chemical between water and solids from its
// octanol-water partition coefficient (L/kg): sorption to the solids' organic carbon
// fraction, less what dissolved organic carbon (mg/L) holds in solution.
double PartitionFromKow(double organic_carbon_fraction, double kow, double dissolved_organic_carbon);

// Two-film volatilization velocity (m/day) of a dissolved chemical: a liquid film driven
// by wind (m/s at 10 m) or by the current (mean velocity in m/s over the depth in m),
// whichever transfers more, in series with a gas film driven by wind; both scaled by the
// molecular weight (g/g mole), the gas film by the dimensionless Henry's constant from
// Henry's constant (atm m^3/mole) at the temperature (Deg. C).
double VolatilizationVelocity(double wind_speed, double mean_velocity, double depth, double temperature,
                              double molecular_weight, double henry);

// Distribution coefficient (L/kg) of a heavy metal in the water column estimated from the
// suspended solids concentration (mg/L): metals sorb more strongly at low solids.
double MetalPartitionFromSolids(double suspended_solids);

// The coefficients of organic chemical k that the project has chosen to calculate from the
// chemical's properties: Kdw and Kds from Kow and organic carbon, kv by the two-film model.
void CalculateOrganicCoefficients(ProjectRecord& r, int k);

// Where a contaminant is: the shares dissolved and sorbed to the suspended solids in the
// water column, and the share of the bed's content dissolved in its pore water.
struct PhaseFractions {
    double dissolved;
    double particulate;
    double pore_water;
};

// The phase fractions at suspended solids (mg/L) with the water column's distribution
// coefficient (L/kg), and in a bed of the given bulk density (g/L) and porosity with the
// bed's distribution coefficient (L/kg).
PhaseFractions PartitionFractions(double suspended_solids, double water_kd, double bulk_density,
                                  double porosity, double bed_kd);

// Concentration (mg/kg) in the active layer's solids at steady state, for an outflow (= water
// column) concentration in mg/L: what settles (particulate share at Vs) and diffuses in
// (dissolved share at the transfer velocity Vd) against what the pore water loses (at
// bed_loss, Vd plus any decay in the bed, in m/day), burial Vb and resuspension Vr.
double SedimentConcentration(const PhaseFractions& f, double transfer_velocity, double bed_loss,
                             double settling_velocity, double burial_velocity, double resuspension_velocity,
                             double bulk_density, double outflow);

}  // namespace velmar
