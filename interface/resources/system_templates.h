// Control ids of the system property screens.
#pragma once

namespace velmar {

// Volume/Area/Depth & Length/Width Selection Screen
enum GeometryControl : int {
    kVolumeAreaDepthList = 1000,
    kLengthWidthList = 1001,
    kGeometryHelp = 1131,
};

// System Property Data Entry Screen
enum PropertyControl : int {
    kTemperatureField = 1003,
    kWidthField = 1004,
    kPropertiesHelp = 1005,
    kLengthField = 1006,
    kVolumeField = 1007,
    kAreaField = 1008,
    kDepthField = 1009,
    kFlowField = 1010,
};

// System Properties - Continued
enum ContinuedControl : int {
    kContinuedHelp = 1006,
    kLongitudinalButton = 1007,
    kFullyMixedButton = 1008,
    kRatioField = 1009,
    kResidenceTimeField = 1010,
    kMeanVelocityField = 1011,
    kDetentionTimeField = 1012,
};

}  // namespace velmar
