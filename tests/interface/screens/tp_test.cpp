// The total phosphorus screens: the age determination, the new-wetland fractions, the
// established path, and what each screen refuses.
#include "interface/screens/tp.h"

#include <cmath>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/shared_sediment.h"
#include "project/slots.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;

class TpScreens : public ShellTest {
protected:
    TpScreens() {
        R& r = Project();
        r.model_p = r.model_p_temp = 1;
        r.PhosRemSpec = r.PhosRemSpec_temp = 0;
        r.PhosremCalc = r.PhosRemCalc_temp = 1;
        r.UserEnteredTSS = 1;
        r.area = r.area_temp = 10000;
    }
};

// The determination's screens up to the age screen, from the method screen.
ScriptedUi& ChooseDetermination(ScriptedUi& ui, int load_button) {
    return ui.Expect(kTPMethodSelectionScreen)
        .Click(tp_method::kDetermineButton)
        .PressOk()
        .Expect(kTPLoadTypeScreen)
        .Click(load_button)
        .PressOk()
        .Expect(kBulkDensityChoiceScreen)
        .PressOk()
        .Expect(kWetlandAgeScreen);
}

TEST_F(TpScreens, DeterminationAtExactlyTheComputedAgeIsEstablished) {
    using namespace wetland_age;
    ChooseDetermination(ui, tp_load_type::kLoadButton)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.IsEnabled(kDailyLoadingField));
            EXPECT_FALSE(d.IsEnabled(kFlowField));
            EXPECT_TRUE(d.IsEnabled(kBulkDensityField));
            EXPECT_FALSE(d.IsEnabled(kPorosityField));
        })
        // 10000 m² / 365.25 kg/yr × 10 cm × 0.5 mg/g × 730.5 g/L is exactly one year.
        .Type(kThicknessField, "10")
        .Type(kSorptionCapacityField, "0.5")
        .Type(kBulkDensityField, "730.5")
        .Type(kDailyLoadingField, "1")
        .Type(kAgeField, "1")
        .PressOk()
        .ExpectMessage(kDeterminedEstablished, kEstablishedWetlandCaption)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.TemplateNumber(), kTPMethodSelectionScreen);
            EXPECT_TRUE(d.Checked(tp_method::kEstablishedButton));
            EXPECT_FALSE(d.Checked(tp_method::kDetermineButton));
        })
        .PressCancel();
    EXPECT_FALSE(ShowPhosphorusData(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    const R& r = Project();
    EXPECT_EQ(r.checked_phos_deter, 0);
    EXPECT_EQ(r.checked_phos_estab, 1);
    EXPECT_EQ(r.checked_phos_new, 0);
    EXPECT_EQ(r.ComputedWetlandAge, 1);
    EXPECT_EQ(r.YearlyTPLoading, 365.25);
    EXPECT_EQ(r.TPLoad_entered + r.nu_m_entered + r.UserEnterActiveLayerThick, 3);
}

TEST_F(TpScreens, DeterminationWithQiCiIgnoresTheDailyLoadingAndKeepsItsBulkDensity) {
    using namespace wetland_age;
    Project().InputARhoB = Project().InputARhoB_temp = 0;
    ChooseDetermination(ui, tp_load_type::kQiCiButton)
        .Inspect([](Dialog& d) {
            EXPECT_FALSE(d.IsEnabled(kDailyLoadingField));
            EXPECT_TRUE(d.IsEnabled(kFlowField));
            EXPECT_TRUE(d.IsEnabled(kPorosityField));
        })
        .Type(kThicknessField, "10")
        .Type(kSorptionCapacityField, "0.5")
        .Type(kAgeField, "100")
        .Type(kFlowField, "0.02")
        .Type(kConcentrationField, "0.5")
        .Type(kPorosityField, "0.6")
        .Type(kDryDensityField, "2500")
        .PressOk()
        .ExpectMessage(kDeterminedEstablished, kEstablishedWetlandCaption)
        .PressCancel();
    ShowPhosphorusData(ui, kMainWindow);
    EXPECT_TRUE(ui.ScriptDone());
    const R& r = Project();
    EXPECT_DOUBLE_EQ(r.YearlyTPLoading, 0.5 * 0.02 * 31557.6);
    EXPECT_DOUBLE_EQ(r.ComputedWetlandAge, 10000 / r.YearlyTPLoading * 10 * 0.5 * 1000 * 1e-5);
    EXPECT_EQ(r.QiCi_entered, 1);
    EXPECT_EQ(r.UserSelectedTPLoad, 0);
    // The bulk density calculated from porosity is the one later screens rely on.
    EXPECT_EQ(r.ARhoB_entered, 1);
    EXPECT_DOUBLE_EQ(r.ActiveRhoB, 1000);
    EXPECT_DOUBLE_EQ(r.ActiveRhoB_temp, 1000);
}

// The age only decides the class: a loading of 0 never fills the layer (a new wetland at any
// age), and a porosity of 1 leaves no sediment to sorb (established from the start).
TEST_F(TpScreens, TheAgeClassIsDecidedEvenForAZeroLoadingOrAPorosityOfOne) {
    using namespace wetland_age;
    const struct {
        const char* loading;
        const char* porosity;  // nullptr: the bulk density is entered
        const char* age;
        bool established;
    } kCases[] = {
        {"1", nullptr, "0.5", false},  // younger than the layer's capacity lasts
        {"0", nullptr, "1000", false},
        {"1", "1", "0", true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.loading) + " " + c.age);
        R& r = Project();
        r.InputARhoB = r.InputARhoB_temp = c.porosity == nullptr;
        r.checked_phos_new = r.checked_phos_estab = 0;
        auto& script = ChooseDetermination(ui, tp_load_type::kLoadButton)
                           .Type(kDailyLoadingField, c.loading)
                           .Type(kAgeField, c.age);
        if (c.porosity != nullptr) script.Type(kPorosityField, c.porosity);
        script.PressOk()
            .ExpectMessage(c.established ? kDeterminedEstablished : kDeterminedNew,
                           c.established ? kEstablishedWetlandCaption : kNewWetlandCaption)
            .Inspect([&c](Dialog& d) {
                EXPECT_TRUE(d.Checked(c.established ? tp_method::kEstablishedButton : tp_method::kNewButton));
            })
            .PressCancel();
        ShowPhosphorusData(ui, kMainWindow);
        EXPECT_TRUE(ui.ScriptDone());
        EXPECT_EQ(r.checked_phos_estab, c.established);
        EXPECT_EQ(r.checked_phos_new, !c.established);
    }
}

// ---- New wetland ----

TEST_F(TpScreens, NewWetlandFractionsCompleteTheirPairs) {
    using namespace new_wetland_input;
    R& r = Project();
    r.fpw_l = 0.123;
    r.fdw_l = 0.456;
    r.checked_fi1 = r.checked_fdw = 1;  // from a file: the flag the model reads last is shown
    ui.Expect(kTPMethodSelectionScreen)
        .Click(tp_method::kNewButton)
        .PressOk()
        .Expect(kNewWetlandOptionsScreen)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(new_wetland_options::kFdwButton)); })
        .Click(new_wetland_options::kFo2Button)
        .PressOk()
        .Expect(kNewWetlandInputScreen)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.IsEnabled(kFoField));
            EXPECT_TRUE(d.IsEnabled(kFdwField));
            EXPECT_FALSE(d.IsEnabled(kFiField));
            EXPECT_FALSE(d.IsEnabled(kFdwlField));
        })
        .Type(kFoField, "0.3")
        .Type(kFdwField, "0.6")
        .PressOk();
    EXPECT_TRUE(ShowPhosphorusData(ui, kMainWindow));
    EXPECT_DOUBLE_EQ(r.f_o, 0.3);
    EXPECT_DOUBLE_EQ(r.f_i, 0.7);
    EXPECT_DOUBLE_EQ(r.Fdw, 0.6);
    EXPECT_DOUBLE_EQ(r.Fpw, 0.4);
    EXPECT_EQ(r.fpw_l, 0.123);
    EXPECT_EQ(r.fdw_l, 0.456);
    EXPECT_EQ(r.checked_fo2 + r.checked_fi1 + r.checked_fdw, 1);
    EXPECT_EQ(r.called_by_mult_window_close, 1);
}

TEST_F(TpScreens, CancelledOptionsKeepTheFlagsAsCommitted) {
    R& r = Project();
    r.checked_fi1 = r.checked_fdw = 1;
    ui.Expect(kNewWetlandOptionsScreen).Click(new_wetland_options::kFo3Button).PressCancel();
    EXPECT_FALSE(ShowNewWetlandOptions(ui, kMainWindow));
    EXPECT_EQ(r.checked_fi1 + r.checked_fdw, 2);
    EXPECT_EQ(r.checked_fo3, 0);
}

// ---- Established wetland ----

TEST_F(TpScreens, EstablishedPathWithKnownSedimentGoesStraightToTheLoadType) {
    R& r = Project();
    r.Vs_entered = r.ARhoB_entered = 1;
    r.model_contaminant = 1;
    r.Vs_entered_MC = 1;  // the contaminant chain's own marks become the phosphorus chain's
    ui.Expect(kTPMethodSelectionScreen)
        .Click(tp_method::kEstablishedButton)
        .PressOk()
        .Expect(kTPLoadTypeScreen)
        .PressCancel()
        .PressCancel();
    EXPECT_FALSE(ShowPhosphorusData(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(r.tp_current, 1);
    EXPECT_EQ(r.contam_current, 0);
    EXPECT_EQ(r.Vs_entered_MC, 1);  // contaminants are modelled: no hand-over

    r.model_contaminant = 0;
    ui.Expect(kTPMethodSelectionScreen).PressOk().Expect(kTPLoadTypeScreen).PressCancel().PressCancel();
    ShowPhosphorusData(ui, kMainWindow);
    EXPECT_EQ(r.Vs_entered_MC, 0);
    EXPECT_EQ(r.Vs_entered_MP, 1);
}

TEST_F(TpScreens, SedimentChoiceWithNothingToAskLeavesTheLoadTypeToTheMethodScreen) {
    R& r = Project();
    r.Vb_entered = r.Vs_entered = 1;
    r.Vs_entered_MT = 1;  // the settling velocity would be asked, but not the burial velocity
    r.checked_VsInput = 0;
    r.model_p = 0;  // the choice screen has nothing to do without phosphorus
    ui.Expect(kTPMethodSelectionScreen)
        .Click(tp_method::kEstablishedButton)
        .PressOk()
        .Expect(kTPLoadTypeScreen)
        .PressCancel()
        .PressCancel();
    ShowPhosphorusData(ui, kMainWindow);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(r.NothingToDoInDPC, 1);
}

TEST_F(TpScreens, EstablishedInputAsksForWhatIsItsOwnAndRefusesAZeroSuspendedSolids) {
    using namespace established_wetland;
    R& r = Project();
    r.checked_phos_estab = 1;
    r.Vs_entered = r.ARhoB_entered = 1;
    r.checked_RhoBInput = 1;
    r.checked_Option2 = 1;  // net settling from accretion divides by the solids concentration
    r.checked_Option1 = 0;
    r.checked_Opt2Input = 1;
    ui.Expect(kTPLoadTypeScreen)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(tp_load_type::kLoadButton)); })
        .PressOk()
        .Expect(kEstablishedWetlandScreen)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.IsEnabled(kLoadingField));
            EXPECT_FALSE(d.IsEnabled(kFlowField));
            EXPECT_TRUE(d.IsEnabled(kSuspendedSolidsField));
            EXPECT_FALSE(d.IsEnabled(kBulkDensityField));
            EXPECT_FALSE(d.IsEnabled(kSettlingField));
            EXPECT_EQ(Project().Vb_entered_MP, 1);
            EXPECT_EQ(Project().SSConc_entered_MP, 1);
        })
        .Type(kSuspendedSolidsField, "0")
        .PressOk()
        .ExpectMessage("Suspended Solids Concentration must be greater than 0 to compute the net settling velocity.",
                       "Established Wetland Parameter Entry Screen")
        .Inspect([](Dialog& d) { EXPECT_EQ(d.TemplateNumber(), kEstablishedWetlandScreen); })
        .Type(kSuspendedSolidsField, "50")
        .PressOk()
        .Expect(kMassTransferScreen)
        .PressCancel()
        .PressCancel()
        .PressCancel();
    EXPECT_FALSE(ShowTPLoadType(ui, kMainWindow, LoadTypeVariant::Established));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(r.SSConc, 50);
    EXPECT_EQ(r.SSConc_entered, 1);
    EXPECT_EQ(r.UserCheckedLoad, 0);
    EXPECT_TRUE(std::isfinite(r.Vn));
    EXPECT_TRUE(std::isfinite(r.ActiveVb));
}

// ---- Specified rate and the hub ----

TEST_F(TpScreens, PhosphorusDataNeedsTssDataForACalculatedRate) {
    Project().UserEnteredTSS = 0;
    Project().called_by_triple_window_close = 1;
    ui.ExpectMessage(kEnterTSSFirst, kEnterTSSFirstCaption);
    EXPECT_FALSE(ShowPhosphorusData(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(Project().called_by_triple_window_close, 0);
}

TEST_F(TpScreens, SpecifiedRateRefusesTextAndCommitsWithItsBasis) {
    R& r = Project();
    r.PhosRemSpec = 1;
    r.UserEnteredTSS = 0;  // not needed for a specified rate
    ui.Expect(kTPRateBasisScreen)
        .Click(tp_rate_basis::kVolumetricButton)
        .PressOk()
        .Expect(kTPRateVolumetricScreen)
        .Type(tp_rate::kRateField, "fast")
        .PressOk()
        .ExpectMessage(kRateMustBeNumber, kInvalidEntryCaption)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(tp_rate::kRateField), "0.0082"); })
        .Type(tp_rate::kRateField, "0.2")
        .PressOk();
    EXPECT_TRUE(ShowPhosphorusData(ui, kMainWindow));
    EXPECT_EQ(r.check_Ktp, 1);
    EXPECT_EQ(r.check_Vtp, 0);
    EXPECT_EQ(r.PhosRemRateVB, 0.2);
    EXPECT_EQ(r.called_by_double_window_close + r.called_by_triple_window_close + r.called_by_added_close, 3);
}

}  // namespace
}  // namespace velmar::testing
