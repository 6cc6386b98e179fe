// The wetland the end-to-end screen tests start from, entered through the System Data chain
// as a user would: volume, depth and width known; 1e6 m³, 2 m deep, 500 m wide, taking
// 2 m³/s at 20 °C, with longitudinal gradients (L/W = 2), so a detention time of
// 0.84 (1 - e^(-1.18)) V/Q = 3.37 days.
#pragma once

#include "interface/platform/scripted/scripted_ui.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/templates.h"
#include "interface/screens/system.h"
#include "interface/shell/menu_commands.h"

namespace velmar::testing {

constexpr double kStandardDepth = 2;
constexpr double kStandardDetentionTime = 3.37;

inline void EnterStandardWetland(ScriptedUi& ui) {
    using namespace geometry_selection;
    using namespace system_properties;
    ui.Expect(kGeometrySelectionScreen)
        .CheckItem(kVolumeAreaDepthList, 0, true)
        .CheckItem(kVolumeAreaDepthList, 2, true)
        .CheckItem(kLengthWidthList, 1, true)
        .PressOk()
        .Expect(kSystemPropertiesScreen)
        .Type(kDepthField, "2")
        .Type(kFlowField, "2")
        .PressOk()
        .Expect(kSystemContinuedScreen)
        .PressOk();
    RunMenuCommand(ui, kCommandSystemData);
}

}  // namespace velmar::testing
