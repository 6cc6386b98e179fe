// The yearly phosphorus load and the inflow concentration it stands for, and the age at
// which a wetland's active layer is saturated with phosphorus: the phosphorus screens show
// these and the engine's established-wetland model starts from them.
#pragma once

namespace velmar {

struct ProjectRecord;

// The inflow concentration (mg/L) that carries a yearly load (kg/yr) at a flow (m^3/s).
double TPConcentrationFromLoad(double yearly_load, double flow);

// The yearly load (kg/yr) that a concentration (mg/L) carries at a flow (m^3/s).
double TPLoadFromConcentration(double concentration, double flow);

// The years the active layer's sorption capacity lasts under the yearly loading, into
// ComputedWetlandAge; the bulk density follows from porosity when it was not entered, and
// the loading from the working copies of flow and concentration when TP enters as Qi*Ci.
void ComputeWetlandAge(ProjectRecord& r);

}  // namespace velmar
