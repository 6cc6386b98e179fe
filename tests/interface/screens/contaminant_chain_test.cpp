// Two organic chemicals described by their removal processes and two heavy metals, from a
// new project through every screen as a user clicks them, run by the real engine; each
// contaminant's removal efficiency, outflow and sediment concentration on the results
// screen is checked against the fate model's formulas worked out here.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "interface/platform/run_program.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/run_templates.h"
#include "interface/resources/templates.h"
#include "interface/results/results_screen.h"
#include "interface/screens/constituent_selection.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/metals.h"
#include "interface/screens/organics.h"
#include "interface/screens/shared_sediment.h"
#include "interface/screens/system.h"
#include "interface/screens/tss.h"
#include "interface/session/program_files.h"
#include "interface/shell/menu_commands.h"
#include "interface/shell/run_model.h"
#include "project/project_file.h"
#include "project/results_layout.h"
#include "tests/interface/support/shell_fixture.h"
#include "tests/interface/support/standard_wetland.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;

// The wetland: 2 m deep, 2 m^3/s, 20 Deg. C, longitudinal gradients, 3.37 days.
constexpr double kSettling = 0.5;  // m/day, entered on the TSS screens

// The results file entry holding a value, by the value's name.
int EntryOf(const char* value) {
    for (std::size_t i = 0; i < kResultsEntries.size(); ++i) {
        if (std::strcmp(kResultsEntries[i].value, value) == 0) return static_cast<int>(i) + 1;
    }
    return 0;
}

double PlugFlowEfficiency(double rate, double detention_time) {
    return (1 - std::exp(-rate * detention_time)) * 100;
}

// What the fate model gives one contaminant: its removal efficiency (%), outflow (mg/L)
// and sediment concentration (mg/kg).
struct Fate {
    double RE;
    double out;
    double sediment;
};

// The sediment the contaminants meet: net settling is the settling velocity, what settles
// is buried at the layer's bulk density, and nothing is left to resuspend.
struct Bed {
    double Vs, Vn, Vb, Vr, rho, phi, L, SS;
};

Bed BedOf(const R& r) {
    Bed b{};
    b.Vs = b.Vn = kSettling;
    b.rho = r.ActiveRhoB;
    b.phi = r.ActivePhi;
    b.L = r.ActiveLayerThickness;
    b.SS = r.SSConc;
    b.Vb = b.SS * b.Vn / (b.rho * 1000);
    b.Vr = b.SS * b.Vs * 0.001 / b.rho - b.Vb;
    return b;
}

// Transfer across the interface scales with the Schmidt number to the -2/3.
double InterfaceVelocity(double diffusivity, const R& r) {
    const double nu = 1.79e-6 / (1 + 0.03368 * 20 + 0.000221 * 400);
    return std::pow(diffusivity / nu, 0.6666667) * r.mean_velocity * 360;
}

Fate OrganicFate(const R& r, int k, double Cin) {
    const Bed b = BedOf(r);
    const double H = r.depth, T = 20, U = r.WindSpeed;
    // Sorption to organic carbon, less what dissolved organic carbon keeps in solution.
    const double Kdw = 0.617 * r.f_oc * r.Kow[k] / (1 + 6.17e-7 * r.DOCH2o * r.Kow[k]);
    // Two films in series: the liquid film by wind or current, the gas film by wind.
    const double KO2 =
        std::max(0.0372 * U * U + 0.728 * std::sqrt(U) - 0.317 * U, 3.95 * std::sqrt(r.mean_velocity / H));
    const double KL = KO2 * std::pow(32 / r.MW[k], 0.25);
    const double KG = 168 * U * std::pow(18 / r.MW[k], 0.25);
    const double Hd = r.Henry[k] / (8.206e-05 * (T + 273.15));
    const double kv = 1 / (1 / KL + 1 / (Hd * KG));
    const double s = b.SS * Kdw * 1e-6;
    const double Fd = 1 / (1 + s), Fp = s / (1 + s);
    const double Fdp = 1 / (b.rho * r.Kds[k] * 0.001 + b.phi);
    const double Vd = r.ConVd[k];
    const double kdb = r.kdb[k];
    const double Wsed = b.Vn * (Fd * Vd + Fp * b.Vs) /
                        (b.Vs + 1000 * b.rho * Fdp * (Vd + 0.01 * b.L * kdb) / b.SS) *
                        (1 + 10 * Fdp * b.L * b.rho * kdb / (b.Vn * b.SS));
    const double Wwat = Fd * (H * r.kd[k] + kv);
    const double RE = PlugFlowEfficiency((Wsed + Wwat) / H, r.detention_time);
    const double out = Cin - Cin * RE * 0.01;
    const double sediment =
        (Fd * Vd + Fp * b.Vs) / ((Vd + 0.01 * b.L * kdb) * Fdp + b.Vb + b.Vr) / b.rho * out * 1000;
    return {RE, out, sediment};
}

Fate MetalFate(const R& r, int k, double Cin) {
    const Bed b = BedOf(r);
    // Metals sorb more strongly where solids are few.
    const double Kdw = 250000 / b.SS + 100;
    const double s = b.SS * Kdw * 1e-6;
    const double Fd = 1 / (1 + s), Fp = s / (1 + s);
    const double Fdp = 1 / (b.rho * r.HMKds[k] * 0.001 + b.phi);
    const double Vd = r.HMVd[k];
    const double rate = (b.Vn / r.depth) * (Fp * b.Vs + Fd * Vd) / (b.Vs + 1000 * b.rho * Vd * Fdp / b.SS);
    const double RE = PlugFlowEfficiency(rate, r.detention_time);
    const double out = Cin - Cin * RE * 0.01;
    const double sediment = (Fd * Vd + Fp * b.Vs) / (Fdp * Vd + b.Vb + b.Vr) / b.rho * out * 1000;
    return {RE, out, sediment};
}

class ContaminantChainRun : public ShellTest {
protected:
    void SelectContaminants() {
        using namespace constituent_selection;
        ui.Expect(kConstituentSelectionScreen).CheckItem(kConstituentList, kContaminantItem, true).PressOk();
        RunMenuCommand(ui, kCommandSelectConstituents);
    }

    // TSS: net settling equal to an entered settling velocity.
    void EnterTss() {
        ui.Expect(kTssOptionSelectionScreen)
            .Click(tss_option_selection::kVnEqualsVsButton)
            .PressOk()
            .Expect(kTssVsChoiceScreen)
            .Click(tss_continued::kVsInputButton)
            .PressOk()
            .Expect(kTssVsDataScreen)
            .Type(tss_data::kVsField, "0.5")
            .PressOk();
    }

    void EnterOrganics() {
        using namespace organic_removal_rates;
        ui.Expect(kOrganicCoefficientChoiceScreen)
            .Click(organic_coefficient_choice::kKdwCalculate)
            .Click(organic_coefficient_choice::kKdsInput)
            .Click(organic_coefficient_choice::kKvCalculate)
            .PressOk()
            .Expect(kOrganicRemovalRatesScreen)
            .Type(SlotId(kNameRow, 0), "Lindane")
            .Type(SlotId(kDiffusivityRow, 0), "5e-10")
            .Type(SlotId(kKowRow, 0), "5000")
            .Type(SlotId(kHenryRow, 0), "3e-6")
            .Type(SlotId(kWaterDecayRow, 0), "0.01")
            .Type(SlotId(kBedDecayRow, 0), "0.005")
            .Type(SlotId(kMolecularWeightRow, 0), "290.8")
            .Type(SlotId(kKdsRow, 0), "300")
            .Type(SlotId(kNameRow, 1), "Toluene")
            .Type(SlotId(kDiffusivityRow, 1), "8.5e-10")
            .Type(SlotId(kKowRow, 1), "500")
            .Type(SlotId(kHenryRow, 1), "6.6e-3")
            .Type(SlotId(kWaterDecayRow, 1), "0.05")
            .Type(SlotId(kBedDecayRow, 1), "0.02")
            .Type(SlotId(kMolecularWeightRow, 1), "92.1")
            .Type(SlotId(kKdsRow, 1), "50")
            .Type(kWaterCarbonRow, "0.05")
            .Type(kWaterDocRow, "5")
            .Type(kWindRow, "3")
            .Type(kThicknessRow, "10")
            .Type(kSuspendedSolidsRow, "40")
            .PressOk()
            .Expect(kCalculatedOrganicValuesScreen)
            .PressOk()
            .Expect(kOrganicMassTransferScreen)
            .PressOk();
    }

    void EnterMetals() {
        using namespace heavy_metal_input;
        ui.Expect(kHeavyMetalKdwChoiceScreen)
            .Click(heavy_metal_kdw_choice::kCalculateButton)
            .PressOk()
            .Expect(kHeavyMetalInputScreen)
            .Inspect([](Dialog& d) {
                // The organic chain of this pass has asked for the shared values.
                EXPECT_FALSE(d.IsEnabled(kSuspendedSolidsRow));
                EXPECT_FALSE(d.IsEnabled(kThicknessRow));
            })
            .Type(SlotId(kNameRow, 0), "Cadmium")
            .Type(SlotId(kDiffusivityRow, 0), "7e-10")
            .Type(SlotId(kKdsRow, 0), "10000")
            .Type(SlotId(kNameRow, 1), "Lead")
            .Type(SlotId(kDiffusivityRow, 1), "9e-10")
            .Type(SlotId(kKdsRow, 1), "50000")
            .PressOk()
            .Expect(kCalculatedHeavyMetalValuesScreen)
            .PressOk()
            .Expect(kHeavyMetalMassTransferScreen)
            .Type(heavy_metal_mass_transfer::kVelocityField1 + 1, "0.01")  // Lead's, measured
            .PressOk()
            .Expect(kVelocitySummaryScreen)
            .PressOk();
    }

    void EnterContaminants() {
        using namespace data_input_selection;
        ui.Expect(kDataInputSelectionScreen).Click(kTSSDataButton);
        EnterTss();
        ui.Click(kContaminantDataButton)
            .Expect(kContaminantInfoScreen)
            .Spin(SpinId(contaminant_info::kOrganicCount), 2)
            .Spin(SpinId(contaminant_info::kMetalCount), 2)
            .Click(contaminant_info::kRemovalButton)
            .PressOk()
            .Expect(kSedimentChoiceScreen)
            .Click(sediment_choice::kBulkDensityInput)
            .PressOk()
            .Expect(kSedimentDataScreen)
            .Type(sediment_data::kBulkDensityField, "1000")
            .Type(sediment_data::kPorosityField, "0.6")
            .PressOk();
        EnterOrganics();
        EnterMetals();
        ui.PressOk();  // the hub
        RunMenuCommand(ui, kCommandConstituentData);
    }

    void EnterInflows() {
        using namespace inflow_concentrations;
        ui.Expect(kInflowConcentrationScreen);
        const char* inflows[] = {"1", "2", "0.5", "0.25"};
        const int boxes[] = {kOrganicBox1, kOrganicBox1 + 1, kMetalBox1, kMetalBox1 + 1};
        const int fields[] = {kOrganicField1, kOrganicField1 + 1, kMetalField1, kMetalField1 + 1};
        for (int i = 0; i < 4; ++i) ui.Click(boxes[i]).Type(fields[i], inflows[i]);
        ui.PressOk();
        RunMenuCommand(ui, kCommandInflowConcentrations);
    }
};

TEST_F(ContaminantChainRun, TwoOrganicsByTheirProcessesAndTwoMetals) {
    EnterStandardWetland(ui);
    SelectContaminants();
    EnterContaminants();
    EnterInflows();
    ASSERT_TRUE(ui.ScriptDone());

    // The project as the engine reads it: four significant digits per value.
    ASSERT_EQ(WriteProjectFile(File("check.inp"), Project()), 0);
    R r{};
    ASSERT_EQ(ReadProjectFile(File("check.inp"), r), 0);
    EXPECT_EQ(r.NumOC_SLR, 2);
    EXPECT_EQ(r.NumHM_LLR, 2);
    EXPECT_EQ(r.HMVd[1], 0.01);
    EXPECT_NEAR(r.ConVd[0], InterfaceVelocity(5e-10, r), 1e-3 * r.ConVd[0]);
    EXPECT_NEAR(r.HMVd[0], InterfaceVelocity(7e-10, r), 1e-3 * r.HMVd[0]);

    struct Expected {
        const char* name;
        const char* re;
        const char* out;
        const char* sediment;
        Fate fate;
    };
    const Expected expected[] = {
        {"Lindane", "RE_Contam[0]", "ContamOutConc[0]", "ContamSedConc[0]", OrganicFate(r, 0, 1)},
        {"Toluene", "RE_Contam[1]", "ContamOutConc[1]", "ContamSedConc[1]", OrganicFate(r, 1, 2)},
        {"Cadmium", "RE_Contam[3]", "HMOutConc[0]", "HMSedConc[0]", MetalFate(r, 0, 0.5)},
        {"Lead", "RE_Contam[4]", "HMOutConc[1]", "HMSedConc[1]", MetalFate(r, 1, 0.25)},
    };

    std::filesystem::copy_file(VELMAR_ENGINE, File(kEngineFile));
    ui.OnRun(
        [](const ScriptedUi::ProgramRun& run) { return RunProgramAndWaitFor(run.program, run.arguments); });
    ui.Expect(kResultsDialog)
        .Inspect([&](Dialog& d) {
            for (const Expected& e : expected) {
                SCOPED_TRACE(e.name);
                const double values[] = {e.fate.RE, e.fate.out, e.fate.sediment};
                const char* names[] = {e.re, e.out, e.sediment};
                for (int i = 0; i < 3; ++i) {
                    const int entry = EntryOf(names[i]);
                    ASSERT_NE(entry, 0) << names[i];
                    EXPECT_NE(d.Text(ResultsLabelId(entry)).find(e.name), std::string::npos);
                    const double shown = std::strtod(d.Text(ResultsValueId(entry)).c_str(), nullptr);
                    EXPECT_NEAR(shown, values[i], 1e-3 * std::abs(values[i])) << names[i];
                }
            }
        })
        .PressOk();
    RunModel(ui);
    ASSERT_TRUE(ui.ScriptDone());

    const ModelResults& m = KeptResults();
    const double kept[][3] = {
        {m.RE_Contam[0], m.ContamOutConc[0], m.ContamSedConc[0]},
        {m.RE_Contam[1], m.ContamOutConc[1], m.ContamSedConc[1]},
        {m.RE_Contam[3], m.HMOutConc[0], m.HMSedConc[0]},
        {m.RE_Contam[4], m.HMOutConc[1], m.HMSedConc[1]},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_NEAR(kept[i][0], expected[i].fate.RE, 1e-4 * expected[i].fate.RE);
        EXPECT_NEAR(kept[i][1], expected[i].fate.out, 1e-4 * expected[i].fate.out);
        EXPECT_NEAR(kept[i][2], expected[i].fate.sediment, 1e-4 * expected[i].fate.sediment);
        EXPECT_GT(expected[i].fate.RE, 1);  // every one is removed in part
        EXPECT_GT(expected[i].fate.sediment, 0);
    }
}

}  // namespace
}  // namespace velmar::testing
