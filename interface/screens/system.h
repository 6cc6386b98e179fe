// The system property screens: which two of volume, area and depth and which one of length
// and width the user knows; the wetland's temperature, dimensions and flow; and the derived
// hydraulic values with the choice between longitudinal gradients and a fully mixed wetland.
#pragma once

#include "interface/platform/ui.h"
#include "project/record.h"

namespace velmar {

// The chain: geometry selection, then properties, then their continuation. Each returns
// whether the user accepted it.
bool ShowGeometrySelection(Ui& ui, Owner owner);
bool ShowSystemProperties(Ui& ui, Owner owner);
bool ShowSystemContinued(Ui& ui, Owner owner);

// Puts the committed choice of known dimensions back into its working copies.
void RevertGeometryChoice(ProjectRecord& r);

// Fills in the working copies of the dimensions the user did not choose from those chosen.
void RecomputeGeometry(ProjectRecord& r);

// What accepting the system properties sets: the system is entered; constituents not being
// modelled get their defaults (BOD's decay rate to suit the depth); the length-to-width
// ratio, hydraulic residence time, mean velocity and suggested detention time follow.
void DeriveSystemValues(ProjectRecord& r);

// The detention time (days) suggested for the chosen gradient scheme, into its working copy.
void SuggestDetentionTime(ProjectRecord& r);

}  // namespace velmar
