// Hydraulics and the conventional constituents: TSS, TCB, BOD and TN removal, and the
// sediment exchange velocities that phosphorus and the contaminants build on.
#pragma once

#include "model/model_state.h"

namespace velmar {

// Removal efficiency (%) of a first-order rate k (/day) over the detention time t (days):
// plug flow when the wetland has longitudinal gradients, otherwise fully mixed.
double RemovalEfficiency(const ProjectRecord& r, double k, double t);

// Outflow concentration for an inflow concentration and a removal efficiency (%).
double OutflowConcentration(double inflow, double removal_efficiency);

// Rate at the water temperature from a rate at 20 Deg. C and its correction factor theta;
// a factor of 0 or less gives no removal.
double TemperatureCorrected(double theta, double rate20, double temperature);

void ComputeTss(ModelState& s);
void ComputeTcbBodTn(ModelState& s);
void ComputeSedimentVelocities(ModelState& s);
void ComputeConventionalOutflows(ModelState& s);

}  // namespace velmar
