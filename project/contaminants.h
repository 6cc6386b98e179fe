// Partitioning and transfer formulas of the contaminants: the engine applies them to the
// values it reads, and the data-entry screens calculate and show them with the same code.
#pragma once

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

// Mass transfer velocity (m/day) of a dissolved substance across the sediment/water
// interface from its molecular diffusivity (m^2/s): the current (m/s) scaled by the
// Schmidt number to the -2/3 at the water's temperature (Deg. C).
double InterfaceTransferVelocity(double molecular_diffusivity, double temperature, double mean_velocity);

}  // namespace velmar
