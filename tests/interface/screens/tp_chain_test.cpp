// Each way of obtaining the phosphorus removal rate, from a new project through the screens
// as a user clicks them, run by the real engine; the removal efficiency is checked against
// the model's formulas worked out here.
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "interface/platform/run_program.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/templates.h"
#include "interface/results/report_lines.h"
#include "interface/results/results_screen.h"
#include "interface/screens/shared_sediment.h"
#include "interface/screens/system.h"
#include "interface/screens/tp.h"
#include "interface/session/program_files.h"
#include "interface/shell/menu_commands.h"
#include "interface/shell/run_model.h"
#include "project/project_file.h"
#include "project/slots.h"
#include "tests/interface/support/shell_fixture.h"
#include "tests/interface/support/standard_wetland.h"
#include "tests/support/established_wetland_solution.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;

constexpr double kDepth = kStandardDepth;
constexpr double kDetentionTime = kStandardDetentionTime;
constexpr double kArea = 5e5;
constexpr double kFlow = 2;
constexpr double kMeanVelocity = 0.002;  // m/s
constexpr double kSettling = 0.5;        // m/day, entered on the TSS screens

double PlugFlowEfficiency(double areal_rate) {
    return (1 - std::exp(-areal_rate / kDepth * kDetentionTime)) * 100;
}

class TpChainRun : public ShellTest {
protected:
    TpChainRun() {
        EnterSystemData();
        SelectTssAndTp();
        EnterTssSettlingVelocity();
    }

    void EnterSystemData() {
        EnterStandardWetland(ui);
        ASSERT_TRUE(ui.ScriptDone());
        ASSERT_EQ(Project().detention_time, kDetentionTime);
    }

    // As the constituent selection leaves them.
    void SelectTssAndTp() {
        R& r = Project();
        r.model_tss = r.model_tss_temp = r.model_p = r.model_p_temp = 1;
        r.PhosRemSpec = r.PhosRemSpec_temp = 0;
        r.PhosremCalc = r.PhosRemCalc_temp = 1;
    }

    // As the TSS screens leave an entered settling velocity, with Vn = Vs.
    void EnterTssSettlingVelocity() {
        R& r = Project();
        r.checked_Option1 = r.checked_Option1_temp = r.checked_Opt1Input = r.checked_Opt1Input_temp = 1;
        r.Vs = r.Vs_temp = kSettling;
        r.Vs_entered = r.Vs_entered_temp = r.TSS_entered_Vs = 1;
        r.UserEnteredTSS = r.OkToModelTP = 1;
        r.called_by_double_window_close = 1;
    }

    // Runs the real engine on the project and returns the removal efficiency it reports.
    double RunAndReadTp() {
        std::filesystem::copy_file(VELMAR_ENGINE, File(kEngineFile));
        ui.OnRun([](const ScriptedUi::ProgramRun& run) {
            return RunProgramAndWaitFor(run.program, run.arguments);
        });
        ui.Expect(kResultsDialog).PressOk();
        RunModel(ui);
        EXPECT_TRUE(ui.ScriptDone());
        return KeptResults().RE_TP;
    }

    // The project as the engine reads it: four significant digits per value.
    R AsSaved() {
        EXPECT_EQ(WriteProjectFile(File("check.inp"), Project()), 0);
        R saved{};
        EXPECT_EQ(ReadProjectFile(File("check.inp"), saved), 0);
        return saved;
    }
};

TEST_F(TpChainRun, SpecifiedArealRate) {
    Project().PhosRemSpec = Project().PhosRemSpec_temp = 1;
    Project().PhosremCalc = Project().PhosRemCalc_temp = 0;
    ui.Expect(kTPRateBasisScreen)
        .Click(tp_rate_basis::kArealButton)
        .PressOk()
        .Expect(kTPRateArealScreen)
        .Type(tp_rate::kRateField, "0.1")
        .PressOk();
    ASSERT_TRUE(ShowPhosphorusData(ui, kMainWindow));
    EXPECT_NEAR(RunAndReadTp(), PlugFlowEfficiency(0.1), 1e-4);
}

TEST_F(TpChainRun, NewWetland) {
    ui.Expect(kTPMethodSelectionScreen)
        .Click(tp_method::kNewButton)
        .PressOk()
        .Expect(kNewWetlandOptionsScreen)
        .Click(new_wetland_options::kFo2Button)
        .PressOk()
        .Expect(kNewWetlandInputScreen)
        .Type(new_wetland_input::kFoField, "0.3")
        .Type(new_wetland_input::kFdwField, "0.6")
        .PressOk();
    ASSERT_TRUE(ShowPhosphorusData(ui, kMainWindow));
    // The particulate share settles at the net settling velocity: the inorganic share
    // (0.7) less its dissolved part (0.6 of it), and all the organic share (0.3).
    const double particulate = (1 - 0.6) * 0.7 + 0.3;
    EXPECT_NEAR(RunAndReadTp(), PlugFlowEfficiency(particulate * kSettling), 1e-4);
}

TEST_F(TpChainRun, EstablishedWetland) {
    using namespace established_wetland;
    ui.Expect(kTPMethodSelectionScreen)
        .Click(tp_method::kEstablishedButton)
        .PressOk()
        .Expect(kSedimentChoiceScreen)
        .Click(sediment_choice::kBulkDensityInput)
        .PressOk()
        .Expect(kSedimentDataScreen)
        .Type(sediment_data::kBulkDensityField, "1130")
        .Type(sediment_data::kPorosityField, "0.35")
        .PressOk()
        .Expect(kTPLoadTypeScreen)
        .Click(tp_load_type::kLoadButton)
        .PressOk()
        .Expect(kEstablishedWetlandScreen)
        .Type(kBondingField, "0.2")
        .Type(kSorptionField, "0.5")
        .Type(kSedimentInorganicField, "0.5")
        .Type(kWaterInorganicField, "0.5")
        .Type(kLoadingField, "8.2")
        .Type(kSuspendedSolidsField, "60")
        .PressOk()
        .Expect(kMassTransferScreen)
        .PressOk()
        .Expect(kVelocitySummaryScreen)
        .PressOk();
    ASSERT_TRUE(ShowPhosphorusData(ui, kMainWindow));
    ASSERT_TRUE(ui.ScriptDone());
    const R r = AsSaved();
    const double RE_TP = RunAndReadTp();

    // The sediment velocities: net settling is the settling velocity, the settled mass is
    // buried at the layer's bulk density, what settles beyond that is resuspended, and the
    // exchange across the interface scales with the Schmidt number to the -2/3.
    const double nu = 1.79e-6 / (1 + 0.03368 * 20 + 0.000221 * 400);
    Wetland w{};
    w.area = kArea;
    w.flow = kFlow;
    w.Qi = kFlow;
    w.Ci = r.YearlyTPLoading * 1e3 / (kFlow * 365.25 * 86400);
    w.SS = 60;
    w.Smax = 0.5;
    w.b = 0.2;
    w.rho = 1130;
    w.phi = 0.35;
    w.fi = w.fib = 0.5;
    w.fo = 0.5;
    w.Vs = kSettling;
    w.Vb = w.SS * kSettling / (w.rho * 1000);
    w.Vr = w.SS * w.Vs * 0.001 / w.rho - w.Vb;
    w.Vd = std::pow(1e-9 / nu, 2.0 / 3.0) * kMeanVelocity * 360;
    EXPECT_NEAR(r.YearlyTPLoading, 8.2 * 365.25, 1);
    const Solution y = Solve(w);
    const double f_pw = y.y4 / y.y1 + w.fo;
    const double f_dw = y.y3 / y.y1;
    const double f_dp = y.y5 / y.y2;
    const double KtpH = (w.Vd * f_dw + f_pw * w.Vs) * w.Vb / (w.Vd * f_dp + w.Vr + w.Vb);
    EXPECT_NEAR(RE_TP, PlugFlowEfficiency(KtpH), 1e-4 * PlugFlowEfficiency(KtpH));
    EXPECT_GT(RE_TP, 0);

    // Both reports print the fractions the solution gave, from the lines they share.
    const struct {
        const char* label_end;
        double fraction;
    } kFractions[] = {{"(f_dw):", f_dw}, {"(f_pw):", f_pw}, {"(f_dp):", f_dp}};
    const std::vector<ReportLine> lines = ReportLines(Project(), KeptResults());
    for (const auto& f : kFractions) {
        SCOPED_TRACE(f.label_end);
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const ReportLine& l) { return l.text.ends_with(f.label_end); });
        ASSERT_NE(line, lines.end());
        EXPECT_NEAR(line->value, f.fraction, 1e-4 * f.fraction);
    }
}

}  // namespace
}  // namespace velmar::testing
