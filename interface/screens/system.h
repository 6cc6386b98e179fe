// The system property screens: which two of volume, area and depth and which one of length
// and width the user knows; the wetland's temperature, dimensions and flow; and the derived
// hydraulic values with the choice between longitudinal gradients and a fully mixed wetland.
#pragma once

#include "interface/platform/ui.h"
#include "project/record.h"

namespace velmar {

// Control ids, one set per screen.
namespace geometry_selection {
enum : int {
    kVolumeAreaDepthList = 1000,
    kLengthWidthList = 1001,
    kGeometryHelp = 1131,
    kSelectTwoLabel = 9001,
    kSelectOneLabel = 9002,
};
}  // namespace geometry_selection

namespace system_properties {
enum : int {
    kTemperatureField = 1003,
    kWidthField = 1004,
    kPropertiesHelp = 1005,
    kLengthField = 1006,
    kVolumeField = 1007,
    kAreaField = 1008,
    kDepthField = 1009,
    kFlowField = 1010,
};
}  // namespace system_properties

namespace system_continued {
enum : int {
    kContinuedHelp = 1006,
    kLongitudinalButton = 1007,
    kFullyMixedButton = 1008,
    kRatioField = 1009,
    kResidenceTimeField = 1010,
    kMeanVelocityField = 1011,
    kDetentionTimeField = 1012,
    kDeterminedGroup = 9011,
    kSuggestedGroup = 9012,
    kGradientGroup = 9013,
};
}  // namespace system_continued

struct DataScreen;

// The chain: geometry selection, then properties, then their continuation (opened with
// Show<>). True when the user accepted the selection.
bool ShowGeometrySelection(Ui& ui, Owner owner);

// The three screens' tables, for the registry.
extern const DataScreen kGeometrySelection;
extern const DataScreen kSystemProperties;
extern const DataScreen kSystemContinued;

// Puts the committed choice of known dimensions back into its working copies.
void RevertGeometryChoice(ProjectRecord& r);

// The detention time (days) suggested for the chosen gradient scheme, into its working copy.
void SuggestDetentionTime(ProjectRecord& r);

}  // namespace velmar
