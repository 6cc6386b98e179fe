// A first project as an engineer enters it: system data, then TSS, coliforms, BOD and
// nitrogen chosen, their data and inflow concentrations entered through the screens, and
// the real engine run. The results screen must show what the model's formulas give.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "interface/platform/run_program.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/run_templates.h"
#include "interface/resources/templates.h"
#include "interface/screens/constituent_selection.h"
#include "interface/screens/tcb_bod.h"
#include "interface/screens/tn.h"
#include "interface/screens/tss.h"
#include "interface/session/program_files.h"
#include "interface/shell/menu_commands.h"
#include "interface/shell/run_model.h"
#include "tests/interface/support/shell_fixture.h"
#include "tests/interface/support/standard_wetland.h"

namespace velmar::testing {
namespace {

constexpr double kDepth = kStandardDepth;
constexpr double kDetentionTime = kStandardDetentionTime;

// First-order removal in plug flow over the detention time, in percent.
double PlugFlow(double rate_per_day) {
    return (1 - std::exp(-rate_per_day * kDetentionTime)) * 100;
}

double Outflow(double inflow, double efficiency) {
    return inflow - inflow * efficiency * 0.01;
}

class ConventionalChain : public ShellTest {};

TEST_F(ConventionalChain, FromANewProjectToTheResultsOfTheRealEngine) {
    EnterStandardWetland(ui);
    {
        using namespace constituent_selection;
        ui.Expect(kConstituentSelectionScreen);
        for (int item = 0; item < 4; ++item) ui.CheckItem(kConstituentList, item, true);  // TSS to TN
        ui.PressOk();
        RunMenuCommand(ui, kCommandSelectConstituents);
    }
    {
        using namespace data_input_selection;
        ui.Expect(kDataInputSelectionScreen)
            .Click(kTSSDataButton)
            .Expect(kTssOptionSelectionScreen)
            .PressOk()  // Vn = Vs
            .Expect(kTssVsChoiceScreen)
            .PressOk()  // Vs entered
            .Expect(kTssVsDataScreen)
            .Type(tss_data::kVsField, "0.5")
            .PressOk()
            .Click(kTCBDataButton)
            .Expect(kTCBDataScreen)
            .Type(tcb_data::kRateField, "0.9")
            .Type(tcb_data::kFactorField, "1.07")
            .PressOk()
            .Click(kBODDataButton)
            .Expect(kBODDataScreen)
            .Type(bod_data::kRateField, "0.25")
            .PressOk()
            .Click(kNitrogenDataButton)
            .Expect(kTNKnownParameterScreen)
            .Click(tn_known_parameter::kRemovalRateButton)
            .PressOk()
            .Expect(kTNRateBasisScreen)
            .Click(tn_rate_basis::kVolumetricButton)
            .PressOk()
            .Expect(kTNRateVolumetricScreen)
            .Type(tn_rate_entry::kVolumetricRateField, "0.3")
            .PressOk()
            .PressOk();
        RunMenuCommand(ui, kCommandConstituentData);
    }
    {
        using namespace inflow_concentrations;
        ui.Expect(kInflowConcentrationScreen)
            .Click(kTSSBox)
            .Type(kTSSField, "60")
            .Click(kTCBBox)
            .Type(kTCBField, "10000")
            .Click(kBODBox)
            .Type(kBODField, "30")
            .Click(kTNBox)
            .Type(kTNField, "12")
            .PressOk();
        RunMenuCommand(ui, kCommandInflowConcentrations);
    }
    ASSERT_TRUE(ui.ScriptDone());
    ASSERT_TRUE(ui.Messages().empty()) << ui.Messages().front().text;
    ASSERT_EQ(Project().detention_time, kDetentionTime);

    std::filesystem::copy_file(VELMAR_ENGINE, File(kEngineFile));
    ui.OnRun(
        [](const ScriptedUi::ProgramRun& run) { return RunProgramAndWaitFor(run.program, run.arguments); });
    // Entry number on the results screen, and the value the formulas give.
    const double tss = PlugFlow(0.5 / kDepth), tcb = PlugFlow(0.9), bod = PlugFlow(0.25), tn = PlugFlow(0.3);
    const std::pair<int, double> kExpected[] = {
        {6, tss},
        {7, tcb},
        {8, bod},
        {9, tn},
        {23, Outflow(60, tss)},
        {24, Outflow(10000, tcb)},
        {25, Outflow(30, bod)},
        {26, Outflow(12, tn)},
    };
    ui.Expect(kResultsDialog)
        .Inspect([&](Dialog& d) {
            for (const auto& [entry, value] : kExpected) {
                const double shown = std::strtod(d.Text(ResultsValueId(entry)).c_str(), nullptr);
                EXPECT_NEAR(shown, value, std::abs(value) * 1e-3) << "entry " << entry;  // shown to 4 digits
            }
        })
        .PressOk();
    RunMenuCommand(ui, kCommandRunModel);
    EXPECT_TRUE(ui.ScriptDone());
}

}  // namespace
}  // namespace velmar::testing
