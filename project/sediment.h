// Sediment and settling formulas shared by the engine and the data-entry screens, so that
// a value the screens show is the value the model computes.
#pragma once

#include "project/record.h"

namespace velmar {

// Kinematic viscosity of water (m^2/s) at a temperature in Deg. C.
double KinematicViscosity(double temperature);

// Stokes settling velocity (m/day) of a particle of the given diameter (microns) and
// specific gravity in water at the given temperature.
double StokesSettlingVelocity(double particle_diameter, double specific_gravity, double temperature);

// Bulk density (g/L) of a sediment layer of the given porosity whose solids have the given
// dry density (g/L).
double BulkDensityFromPorosity(double porosity, double dry_density);

// The exponent of the Schmidt number in the interface transfer velocity: 2/3. The
// contaminants have always used it rounded to seven decimals, and their results keep that.
inline constexpr double kSchmidtExponent = 2.0 / 3.0;
inline constexpr double kContaminantSchmidtExponent = 0.6666667;

// Mass transfer velocity (m/day) of a dissolved substance across the sediment/water
// interface from its molecular diffusivity (m^2/s): the current (m/s) scaled by the
// Schmidt number, at the water's temperature (Deg. C), to the -schmidt_exponent.
double InterfaceTransferVelocity(double molecular_diffusivity, double temperature, double mean_velocity,
                                 double schmidt_exponent);

// Vs from PartDiam, SG and temperature.
void SettlingVelocityFromParticle(ProjectRecord& r);

// ActiveRhoB (and its working copy) from ActivePhi and DrySedDensity; marks it entered.
void ActiveBulkDensityFromPorosity(ProjectRecord& r);

// Net settling velocity Vn by the chosen TSS option; nothing changes when no option applies.
void ComputeNetSettling(ProjectRecord& r);

// Active layer burial velocity: the mass that settles net is buried at the layer's density.
void ComputeBurialVelocity(ProjectRecord& r);

// Resuspension velocity Vr and diffusive mass transfer velocity Vd (with working copies).
void ComputeResuspensionAndMassTransfer(ProjectRecord& r);

}  // namespace velmar
