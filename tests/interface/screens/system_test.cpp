// The system property chain, clicked through as a user would, and the values it derives.
#include "interface/screens/system.h"

#include <string>

#include "interface/resources/command_ids.h"
#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/shell/menu_commands.h"
#include "project/record.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using namespace geometry_selection;
using namespace system_properties;
using namespace system_continued;

bool AnyRecalcFlag(const ProjectRecord& r) {
    return r.recalc_convd1 || r.recalc_convd2 || r.recalc_convd3 || r.recalc_hmvd1 || r.recalc_hmvd2 ||
           r.recalc_hmvd3;
}

void ClearRecalcFlags(ProjectRecord& r) {
    r.recalc_convd1 = r.recalc_convd2 = r.recalc_convd3 = r.recalc_hmvd1 = r.recalc_hmvd2 = r.recalc_hmvd3 =
        0;
}

class SystemScreens : public ShellTest {
protected:
    // The committed choice of volume, depth and width, as the selection screen leaves it.
    void ChooseVolumeDepthWidth() {
        ProjectRecord& r = Project();
        r.checked_Volume = r.checked_Volume_temp = r.checked_Depth = r.checked_Depth_temp = 1;
        r.checked_Width = r.checked_Width_temp = 1;
    }
};

// ---- The chain ----

TEST_F(SystemScreens, SystemDataCommandRunsTheChainAndEveryOkCommits) {
    ui.Expect(kGeometrySelectionScreen)
        .CheckItem(kVolumeAreaDepthList, 0, true)
        .CheckItem(kVolumeAreaDepthList, 2, true)
        .CheckItem(kLengthWidthList, 1, true)
        .PressOk()
        .Expect(kSystemPropertiesScreen)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(Project().VAH_Entered, 1);
            for (int id : {kTemperatureField, kWidthField, kVolumeField, kDepthField, kFlowField})
                EXPECT_TRUE(d.IsEnabled(id)) << id;
            for (int id : {kLengthField, kAreaField}) EXPECT_FALSE(d.IsEnabled(id)) << id;
            EXPECT_EQ(d.Text(kVolumeField), "1e+6");
        })
        .Type(kDepthField, "2")
        .Type(kFlowField, "2")
        .PressOk()
        .Expect(kSystemContinuedScreen)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kRatioField), "2");             // length 1e6 / 2 / 500
            EXPECT_EQ(d.Text(kResidenceTimeField), "5.79");  // 1e6 / 2 / 86400
            EXPECT_EQ(d.Text(kMeanVelocityField), "0.2");
            EXPECT_EQ(d.Text(kDetentionTimeField), "3.37");
            EXPECT_TRUE(d.Checked(kLongitudinalButton));
        })
        .PressOk();
    RunMenuCommand(ui, kCommandSystemData);

    const ProjectRecord& r = Project();
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(r.checked_Volume + r.checked_Depth + r.checked_Width, 3);
    EXPECT_EQ(r.depth, 2);
    EXPECT_EQ(r.area, 5e5);
    EXPECT_EQ(r.length, 1000);
    EXPECT_EQ(r.detention_time, 3.37);
    EXPECT_EQ(r.mean_vel_cms, 0.2);
    EXPECT_DOUBLE_EQ(r.mean_velocity, 0.002);
    EXPECT_EQ(r.System_Properties_Entered + r.System_Properties_Selection_Made, 2);
    EXPECT_EQ(r.depth_entered, 0);
    EXPECT_EQ(r.VAH_Entered, 0);
    EXPECT_TRUE(Shell().changes);
}

TEST_F(SystemScreens, SelectionMustHoldTwoDimensionsAndOneExtent) {
    ui.Expect(kGeometrySelectionScreen)
        .CheckItem(kVolumeAreaDepthList, 0, true)
        .PressOk()
        .ExpectMessage(kChooseTwoDimensions, kInvalidSelectionsCaption)
        .CheckItem(kVolumeAreaDepthList, 1, true)
        .PressOk()
        .ExpectMessage(kChooseOneDimension, kInvalidSelectionsCaption)
        .CheckItem(kLengthWidthList, 0, true)
        .CheckItem(kLengthWidthList, 1, true)
        .PressOk()
        .ExpectMessage(kChooseOneDimension, kInvalidSelectionsCaption)
        .PressCancel();
    EXPECT_FALSE(ShowGeometrySelection(ui, kMainWindow));
    const ProjectRecord& r = Project();
    EXPECT_EQ(r.checked_Volume_temp + r.checked_Area_temp + r.checked_Length_temp + r.checked_Width_temp, 0);
    EXPECT_EQ(r.checked_Volume + r.checked_Area, 0);
    EXPECT_FALSE(Shell().changes);
}

TEST_F(SystemScreens, StartUpMarkOfALoadedFileBringsInTheStartUpValuesOnce) {
    Project().temperature = Project().temperature_temp = 7;
    Project().start_up_with_defaults = 1;
    ui.Expect(kGeometrySelectionScreen).PressCancel();
    ShowGeometrySelection(ui, kMainWindow);
    EXPECT_EQ(Project().temperature, 20);
    EXPECT_EQ(Project().start_up_with_defaults, 0);

    Project().temperature = Project().temperature_temp = 7;
    ui.Expect(kGeometrySelectionScreen).PressCancel();
    ShowGeometrySelection(ui, kMainWindow);
    EXPECT_EQ(Project().temperature_temp, 7);
}

TEST_F(SystemScreens, CancelledPropertiesLeaveTheSelectionOpenWithItsChoiceCommitted) {
    ui.Expect(kGeometrySelectionScreen)
        .CheckItem(kVolumeAreaDepthList, 1, true)
        .CheckItem(kVolumeAreaDepthList, 2, true)
        .CheckItem(kLengthWidthList, 0, true)
        .PressOk()
        .Expect(kSystemPropertiesScreen)
        .PressEscape()
        .Inspect([](Dialog& d) { EXPECT_EQ(d.TemplateNumber(), kGeometrySelectionScreen); })
        .PressCancel();
    EXPECT_FALSE(ShowGeometrySelection(ui, kMainWindow));
    EXPECT_EQ(Project().checked_Area + Project().checked_Depth + Project().checked_Length, 3);
    EXPECT_EQ(Project().VAH_Entered, 0);
    EXPECT_TRUE(Shell().changes);  // the committed choice is a change to be saved
}

TEST_F(SystemScreens, LeavingAFieldRecomputesTheOthersOrWarnsAndRestoresABadText) {
    ChooseVolumeDepthWidth();
    ui.Expect(kSystemPropertiesScreen)
        .Focus(kDepthField)
        .Inspect([](Dialog& d) { EXPECT_EQ(static_cast<ScriptedDialog&>(d).selected_all(), kDepthField); })
        .Type(kDepthField, "4")
        .Focus(kFlowField)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kAreaField), "250000");
            EXPECT_EQ(d.Text(kLengthField), "500");
            EXPECT_EQ(Project().depth_entered, 1);
            EXPECT_EQ(Project().width_entered, 0);
        })
        .Type(kDepthField, "4 m")
        .Focus(kFlowField)
        .ExpectMessage(kInvalidInput, kInvalidInputCaption)
        .Type(kTemperatureField, std::string(100, '1'))
        .Focus(kFlowField)
        .ExpectMessage(kInvalidInput, kInvalidInputCaption)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kDepthField), "4");
            EXPECT_EQ(d.Text(kTemperatureField), "20");
        })
        .PressCancel();
    EXPECT_FALSE(Show<kSystemProperties>(ui, kMainWindow));
    EXPECT_EQ(Project().depth_temp, 1);
    EXPECT_EQ(Project().area_temp, 1e6);
}

// A mouse click on OK leaves the field first: the bad text is reported there, so the user
// does not go on believing it was taken.
TEST_F(SystemScreens, BadTextLeftByAClickOnOkIsReportedBeforeTheScreenGoesOn) {
    ChooseVolumeDepthWidth();
    ui.Expect(kSystemPropertiesScreen)
        .Type(kDepthField, "2,5")
        .PressOk()
        .ExpectMessage(kInvalidInput, kInvalidInputCaption)
        .Expect(kSystemContinuedScreen)
        .PressCancel()
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kDepthField), "1"); })
        .PressCancel();
    EXPECT_FALSE(Show<kSystemProperties>(ui, kMainWindow));
    EXPECT_EQ(Project().depth, 1);
}

// A dimension that would make another infinite is refused as soon as its field is left;
// one that is merely not above zero, when OK is pressed.
TEST_F(SystemScreens, DimensionsNotAboveZeroOrMakingOthersInfiniteAreRefused) {
    ChooseVolumeDepthWidth();
    ui.Expect(kSystemPropertiesScreen)
        .Type(kWidthField, "-5")
        .PressOk()
        .ExpectMessage("Avg. Annual Width (m) must be greater than 0.", kInvalidInputCaption)
        .Type(kWidthField, "500")
        .Type(kDepthField, "0")
        .Focus(kFlowField)
        .ExpectMessage("Avg. Annual Depth (m) must be greater than 0.", kInvalidInputCaption)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kDepthField), "1");
            EXPECT_EQ(d.Text(kAreaField), "1e+6");
        })
        .Type(kVolumeField, "1e300")
        .Type(kDepthField, "1e-300")
        .Focus(kFlowField)
        .ExpectMessage("Avg. Length (m) cannot be computed from these values.", kInvalidInputCaption)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(kDepthField), "1");
            EXPECT_EQ(d.Text(kLengthField), "2e+297");
        })
        .PressCancel();
    EXPECT_FALSE(Show<kSystemProperties>(ui, kMainWindow));
    EXPECT_EQ(Project().depth, 1);
    EXPECT_EQ(Project().area, 1e6);
    EXPECT_FALSE(Shell().changes);
}

TEST_F(SystemScreens, OnlyATemperatureChangeBeyondAMillionthAsksForNewTransferVelocities) {
    ClearRecalcFlags(Project());
    ui.Expect(kSystemPropertiesScreen)
        .Type(kTemperatureField, "20.0000005")
        .Focus(kFlowField)
        .Type(kTemperatureField, "19.9999995")
        .Focus(kFlowField)
        .Inspect([](Dialog&) { EXPECT_FALSE(AnyRecalcFlag(Project())); })
        .Type(kTemperatureField, "20.00001")
        .Focus(kFlowField)
        .PressCancel();
    Show<kSystemProperties>(ui, kMainWindow);
    EXPECT_EQ(Project().temp_check, 20.00001);
    EXPECT_TRUE(Project().recalc_convd1 && Project().recalc_convd3 && Project().recalc_hmvd2);
}

TEST_F(SystemScreens, CancelOnTheContinuationReturnsToPropertiesWithTheirValuesCommitted) {
    Project().mean_vel_cms = 0.5;
    ui.Expect(kSystemPropertiesScreen)
        .Type(kTemperatureField, "15")
        .PressOk()
        .Expect(kSystemContinuedScreen)
        .PressCancel()
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.TemplateNumber(), kSystemPropertiesScreen);
            EXPECT_EQ(Project().temperature, 15);
        })
        .Type(kTemperatureField, "30")
        .PressCancel();
    EXPECT_FALSE(Show<kSystemProperties>(ui, kMainWindow));
    const ProjectRecord& r = Project();
    EXPECT_EQ(r.temperature_temp, 15);
    EXPECT_EQ(r.mean_vel_cms_temp, 0.5);
    EXPECT_EQ(r.mean_velocity, 0.005);
    EXPECT_EQ(r.mean_velocity_temp, 0.005);
    EXPECT_TRUE(Shell().changes);  // the committed temperature is a change to be saved
}

TEST_F(SystemScreens, GradientClickSuggestsTheDetentionTimeAnew) {
    ui.Expect(kSystemContinuedScreen)
        .Type(kDetentionTimeField, "30")
        .Click(kFullyMixedButton)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kDetentionTimeField), "11.57"); })
        .Type(kDetentionTimeField, "30")
        .Click(kLongitudinalButton)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kDetentionTimeField), "8.8"); })
        .PressOk();
    EXPECT_TRUE(Show<kSystemContinued>(ui, kMainWindow));
    EXPECT_EQ(Project().detention_time, 8.8);
    EXPECT_EQ(Project().longitudinal_calc_re, 1);
    EXPECT_EQ(Project().mixed_clac_re, 0);
}

TEST_F(SystemScreens, BadMeanVelocityMakesAGradientClickChangeOnlyTheButtonAndBlocksOk) {
    ui.Expect(kSystemContinuedScreen)
        .Type(kMeanVelocityField, "fast")
        .Click(kFullyMixedButton)
        .PressOk()
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.Checked(kFullyMixedButton));
            EXPECT_EQ(d.Text(kMeanVelocityField), "fast");
            EXPECT_EQ(d.Text(kDetentionTimeField), "8.8");
            EXPECT_EQ(Project().mixed_clac_re, 0);
        })
        .PressCancel();
    EXPECT_FALSE(Show<kSystemContinued>(ui, kMainWindow));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(SystemScreens, TypedMeanVelocityIsKeptInBothUnits) {
    ClearRecalcFlags(Project());
    ui.Expect(kSystemContinuedScreen)
        .Type(kMeanVelocityField, "5")
        .Focus(kDetentionTimeField)
        .Inspect([](Dialog&) {
            EXPECT_DOUBLE_EQ(Project().mean_velocity_temp, 0.05);
            EXPECT_TRUE(Project().recalc_convd2 && Project().recalc_hmvd1);
        })
        .PressOk();
    EXPECT_TRUE(Show<kSystemContinued>(ui, kMainWindow));
    EXPECT_EQ(Project().mean_vel_cms, 5);
    EXPECT_DOUBLE_EQ(Project().mean_velocity, 0.05);
}

}  // namespace
}  // namespace velmar::testing
