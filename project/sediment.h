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
