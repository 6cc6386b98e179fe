// Templates of the system property screens: the geometry selection, the property screen and
// its continuation.
#include "interface/resources/system_templates.h"

#include "interface/resources/screen_layout.h"
#include "interface/resources/templates.h"

namespace velmar {
namespace {

using K = ControlKind;

constexpr int kSelectTwoLabel = 9001;
constexpr int kSelectOneLabel = 9002;
constexpr int kDeterminedGroup = 9011;
constexpr int kSuggestedGroup = 9012;
constexpr int kGradientGroup = 9013;
// The continuation's labels share a width, so that its two groups line up their fields.
constexpr int kContinuedLabelWidth = 36;

DialogTemplate GeometrySelectionTemplate() {
    DialogTemplate t{
        .number = kGeometrySelectionScreen,
        .caption = "Volume/Area/Depth & Length/Width Selection Screen",
        .controls = {
            {.id = kSelectTwoLabel, .kind = K::Label, .text = "Select 2 of the following:", .at = {0, 0}},
            {.id = kVolumeAreaDepthList, .kind = K::CheckList, .at = {1, 0}, .width = 30, .lines = 3},
            {.id = kSelectOneLabel, .kind = K::Label, .text = "Select 1 of the following:", .at = {2, 0}},
            {.id = kLengthWidthList, .kind = K::CheckList, .at = {3, 0}, .width = 30, .lines = 2},
        }};
    AddOkCancelHelp(t, kGeometryHelp);
    return t;
}

DialogTemplate PropertiesTemplate() {
    DialogTemplate t{.number = kSystemPropertiesScreen, .caption = "System Property Data Entry Screen"};
    AddFieldRows(t, {
                        {kTemperatureField, "Avg. Annual Temp (Deg. C)"},
                        {kWidthField, "Avg. Annual Width (m)"},
                        {kLengthField, "Avg. Length (m)"},
                        {kVolumeField, "Avg. Annual Volume (m^3)"},
                        {kAreaField, "Avg. Annual Area (m^2)"},
                        {kDepthField, "Avg. Annual Depth (m)"},
                        {kFlowField, "Avg. Annual Flow (cms)"},
                    });
    AddOkCancelHelp(t, kPropertiesHelp);
    return t;
}

DialogTemplate ContinuedTemplate() {
    DialogTemplate t{
        .number = kSystemContinuedScreen,
        .caption = "System Properties - Continued",
        .controls = {
            {.id = kDeterminedGroup,
             .kind = K::GroupBox,
             .text = "The follwing were determined",
             .at = {0, 0}},
            {.id = kSuggestedGroup,
             .kind = K::GroupBox,
             .text = "The following are suggested based on caclulations",
             .at = {1, 0}},
            {.id = kGradientGroup, .kind = K::GroupBox, .text = "Spatial Gradients", .at = {2, 0}},
        }};
    AddFieldRows(t,
                 {
                     {kRatioField, "Ratio L/W:", kDisabled},
                     {kResidenceTimeField, "Hydraulic Residence Time (days):", kDisabled},
                 },
                 kDeterminedGroup, kContinuedLabelWidth);
    AddFieldRows(t,
                 {
                     {kMeanVelocityField, "Mean Velocity of Flow (cm/s):"},
                     {kDetentionTimeField, "Detention Time (days):"},
                 },
                 kSuggestedGroup, kContinuedLabelWidth);
    t.controls.push_back({.id = kLongitudinalButton,
                          .kind = K::RadioButton,
                          .text = "Longitudinal Gradients",
                          .at = {0, 0, 1, kGradientGroup}});
    t.controls.push_back({.id = kFullyMixedButton,
                          .kind = K::RadioButton,
                          .text = "Fully Mixed",
                          .at = {0, 1, 1, kGradientGroup}});
    AddOkCancelHelp(t, kContinuedHelp);
    return t;
}

}  // namespace

const std::vector<DialogTemplate>& SystemTemplates() {
    static const std::vector<DialogTemplate> templates = {GeometrySelectionTemplate(), PropertiesTemplate(),
                                                          ContinuedTemplate()};
    return templates;
}

}  // namespace velmar
