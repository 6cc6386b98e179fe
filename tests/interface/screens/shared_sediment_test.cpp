// Who asks for each shared sediment parameter, the marks moving between the chains, the
// sediment velocities, and the two shared sediment screens.
#include "interface/screens/shared_sediment.h"

#include <cmath>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/metals.h"
#include "interface/screens/organics.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/tp.h"
#include "project/sediment.h"
#include "project/slots.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using P = SedimentParameter;
using A = SedimentAsker;
using R = ProjectRecord;

// ---- The asking rule ----

// The other chain no longer needs its values: for the phosphorus data screen and the
// established-wetland screen, no contaminant needs sediment; for the contaminant askers, a
// new wetland.
enum class Release { Held, Released };

void SetRelease(R& r, A asker, Release release) {
    const bool released = release == Release::Released;
    switch (asker) {
        case A::PhosphorusData:
        case A::EstablishedWetland:
            r.model_contaminant = 1;
            r.NumOC_SLR = 1;
            r.NumHM_LLR = released ? 0 : 1;
            r.checked_contam_tau = 1;
            break;
        case A::ContaminantData:
        case A::ContaminantScreens:
            r.model_p = 1;
            r.checked_phos_new = released ? 1 : 0;
            break;
    }
}

struct MarkFields {
    FlagMember entered;
    FlagMember own;
    FlagMember other;
};

struct AskingCase {
    P parameter;
    A asker;
    MarkFields fields;
    bool entered;
    bool own;
    bool other;
    Release release;
    bool asked;
    bool other_after;  // the other chain's mark once asked
};

constexpr MarkFields kVbData{&R::Vb_entered, &R::Vb_entered_MT, &R::Vb_entered_MTC};
constexpr MarkFields kVbContaminantData{&R::Vb_entered, &R::Vb_entered_MTC, &R::Vb_entered_MT};
constexpr MarkFields kDsdData{&R::DSD_entered, &R::DSD_entered_MT, &R::DSD_entered_MTC};
constexpr MarkFields kDsdContaminantData{&R::DSD_entered, &R::DSD_entered_MTC, &R::DSD_entered_MT};
constexpr MarkFields kVbEstablished{&R::Vb_entered, &R::Vb_entered_MP, &R::Vb_entered_MC};
constexpr MarkFields kSsEstablished{&R::SSConc_entered, &R::SSConc_entered_MP, &R::SSConc_entered_MC};
constexpr MarkFields kSsContaminants{&R::SSConc_entered, &R::SSConc_entered_MC, &R::SSConc_entered_MP};

constexpr AskingCase kAskingCases[] = {
    // Not entered: asked, whoever holds what.
    {P::Vb, A::PhosphorusData, kVbData, false, false, false, Release::Held, true, false},
    // Entered elsewhere (TSS), no marks: not asked.
    {P::Vb, A::PhosphorusData, kVbData, true, false, false, Release::Released, false, false},
    // Its own: asked again.
    {P::Vb, A::PhosphorusData, kVbData, true, true, false, Release::Held, true, false},
    // The other chain's, still needed there: not asked, the mark stays.
    {P::Vb, A::PhosphorusData, kVbData, true, false, true, Release::Held, false, true},
    // The other chain's, released: asked, and taken over.
    {P::Vb, A::PhosphorusData, kVbData, true, false, true, Release::Released, true, false},
    {P::Vb, A::ContaminantData, kVbContaminantData, true, false, true, Release::Released, true, false},
    {P::Vb, A::ContaminantData, kVbContaminantData, true, false, true, Release::Held, false, true},
    // The phosphorus data screen never takes over the dry sediment density; the
    // contaminant one does.
    {P::DSD, A::PhosphorusData, kDsdData, true, false, true, Release::Released, false, true},
    {P::DSD, A::ContaminantData, kDsdContaminantData, true, false, true, Release::Released, true, false},
    // The established-wetland screen takes over suspended solids only.
    {P::Vb, A::EstablishedWetland, kVbEstablished, true, false, true, Release::Released, false, true},
    {P::Vb, A::EstablishedWetland, kVbEstablished, true, true, false, Release::Held, true, false},
    {P::SSConc, A::EstablishedWetland, kSsEstablished, true, false, true, Release::Released, true, false},
    {P::SSConc, A::EstablishedWetland, kSsEstablished, true, false, true, Release::Held, false, true},
    {P::SSConc, A::ContaminantScreens, kSsContaminants, true, false, true, Release::Released, true, false},
    {P::SSConc, A::ContaminantScreens, kSsContaminants, true, false, true, Release::Held, false, true},
};

TEST(AskingRule, FollowsEnteredMarksAndRelease) {
    for (const AskingCase& t : kAskingCases) {
        R r = DefaultRecord();
        SetRelease(r, t.asker, t.release);
        r.*t.fields.entered = t.entered;
        r.*t.fields.own = t.own;
        r.*t.fields.other = t.other;
        const std::string what = "parameter " + std::to_string(static_cast<int>(t.parameter)) + ", asker " +
                                 std::to_string(static_cast<int>(t.asker)) + ", case " +
                                 std::to_string(&t - kAskingCases);
        EXPECT_EQ(IsAsked(r, t.parameter, t.asker), t.asked) << what;
        const R before = r;
        EXPECT_EQ(Ask(r, t.parameter, t.asker), t.asked) << what;
        EXPECT_EQ(r.*t.fields.own, t.asked ? 1 : before.*t.fields.own) << what;
        EXPECT_EQ(r.*t.fields.other, t.other_after) << what;
        // Once asked, a parameter stays asked: the screen's enablement follows its marks.
        if (t.asked) {
            EXPECT_TRUE(IsAsked(r, t.parameter, t.asker)) << what;
        }
    }
}

TEST(AskingRule, SettlingIsKnownFromTheVelocityOrTheParticle) {
    R r = DefaultRecord();
    EXPECT_TRUE(IsAsked(r, P::Settling, A::PhosphorusData));
    r.PD_entered = 1;
    EXPECT_FALSE(IsAsked(r, P::Settling, A::PhosphorusData));
    r.Vs_entered_MT = 1;
    EXPECT_TRUE(IsAsked(r, P::Settling, A::PhosphorusData));
}

TEST(AskingRule, ContaminantsNeedNoSediment) {
    R r = DefaultRecord();
    EXPECT_TRUE(ContaminantsNeedNoSediment(r));
    r.NumOC_SLR = 2;
    r.checked_contam_tau = 0;
    EXPECT_FALSE(ContaminantsNeedNoSediment(r));
    r.checked_contam_tau = 1;
    EXPECT_TRUE(ContaminantsNeedNoSediment(r));
    r.NumHM_LLR = 1;
    EXPECT_FALSE(ContaminantsNeedNoSediment(r));
    r.NumHM_LLR = 0;
    r.NumOC_SLR = -1;
    EXPECT_FALSE(ContaminantsNeedNoSediment(r));
}

// ---- Handing marks over ----

constexpr FlagMember kMarks[][4] = {
    // _MP, _MT, _MC, _MTC
    {&R::Vb_entered_MP, &R::Vb_entered_MT, &R::Vb_entered_MC, &R::Vb_entered_MTC},
    {&R::Vs_entered_MP, &R::Vs_entered_MT, &R::Vs_entered_MC, &R::Vs_entered_MTC},
    {&R::ARhoB_entered_MP, &R::ARhoB_entered_MT, &R::ARhoB_entered_MC, &R::ARhoB_entered_MTC},
    {&R::APhi_entered_MP, &R::APhi_entered_MT, &R::APhi_entered_MC, &R::APhi_entered_MTC},
    {&R::PD_entered_MP, &R::PD_entered_MT, &R::PD_entered_MC, &R::PD_entered_MTC},
    {&R::SG_entered_MP, &R::SG_entered_MT, &R::SG_entered_MC, &R::SG_entered_MTC},
    {&R::DSD_entered_MP, &R::DSD_entered_MT, &R::DSD_entered_MC, &R::DSD_entered_MTC},
};

TEST(HandOver, MarksMoveToTheChainStillModelledAndSuspendedSolidsStay) {
    R r = DefaultRecord();
    for (const auto& m : kMarks) r.*m[0] = r.*m[1] = 1;
    r.SSConc_entered_MP = 1;
    r.model_p = 1;
    HandOverToContaminants(r);  // phosphorus is modelled: nothing moves
    for (const auto& m : kMarks) EXPECT_EQ(r.*m[0] + r.*m[1], 2);

    r.model_p = 0;
    HandOverToContaminants(r);
    for (const auto& m : kMarks) {
        EXPECT_EQ(r.*m[0] + r.*m[1], 0);
        EXPECT_EQ(r.*m[2] + r.*m[3], 2);
    }
    EXPECT_EQ(r.SSConc_entered_MP, 1);
    EXPECT_EQ(r.SSConc_entered_MC, 0);

    r.model_contaminant = 1;
    HandOverToPhosphorus(r);
    for (const auto& m : kMarks) EXPECT_EQ(r.*m[2] + r.*m[3], 2);
    r.model_contaminant = 0;
    r.SSConc_entered_MC = 1;
    HandOverToPhosphorus(r);
    for (const auto& m : kMarks) {
        EXPECT_EQ(r.*m[0] + r.*m[1], 2);
        EXPECT_EQ(r.*m[2] + r.*m[3], 0);
    }
    EXPECT_EQ(r.SSConc_entered_MC, 1);
}

// ---- Velocities ----

TEST(SedimentVelocities, BurialResuspensionAndMassTransfer) {
    R r = DefaultRecord();
    r.checked_Option1 = r.checked_Option2 = r.checked_Option3 = 0;  // Vn stays as given
    r.checked_RhoBCalc = 0;
    r.SSConc = 50;
    r.Vn = 10.6;
    r.ActiveRhoB = r.ActiveRhoB_temp = 530;
    ComputeBurialVelocity(r);
    EXPECT_DOUBLE_EQ(r.ActiveVb, 0.001);
    EXPECT_DOUBLE_EQ(r.ActiveVb_temp, 0.001);
    EXPECT_EQ(r.Vb_entered, 1);
    EXPECT_EQ(r.Vb_entered_temp, 1);

    r.Vs = 7.656;
    r.temperature = 20;
    r.mean_velocity = 0.01;
    ComputeResuspensionAndMassTransfer(r);
    EXPECT_NEAR(r.Vr, -0.000278, 1e-6);  // stored negative
    EXPECT_EQ(r.Vr_temp, r.Vr);
    EXPECT_NEAR(r.Vd, std::pow(1e-9 / 1.01589e-6, 2.0 / 3.0) * 0.01 * 360, 1e-7);
    EXPECT_NEAR(r.Vd, 0.03562, 1e-5);
}

// ---- The sediment screens ----

class SedimentScreens : public ShellTest {
protected:
    SedimentScreens() {
        R& r = Project();
        r.model_p = 1;
        r.tp_current = 1;
        r.checked_phos_estab = 1;
    }
};

TEST_F(SedimentScreens, PhosphorusChoiceWithNothingToAskShowsNothing) {
    R& r = Project();
    r.Vb_entered = r.Vs_entered = 1;  // supplied by TSS, without marks
    EXPECT_TRUE(ShowSedimentChoice(ui, kMainWindow, SedimentChain::Phosphorus));
    EXPECT_TRUE(ui.DialogsShown().empty());
    EXPECT_EQ(r.NothingToDoInDPC, 1);

    r.model_p = 0;
    r.Vb_entered = 0;
    EXPECT_TRUE(ShowSedimentChoice(ui, kMainWindow, SedimentChain::Phosphorus));
    EXPECT_TRUE(ui.DialogsShown().empty());
}

TEST_F(SedimentScreens, ContaminantChoiceWithNothingToAskShowsNothing) {
    R& r = Project();
    r.model_contaminant = 1;
    r.NothingToDo = 0;
    r.Vb_entered = r.ARhoB_entered = r.Vs_entered = 1;
    r.Vb_entered_MT = 1;  // the phosphorus chain's, and it still needs it
    EXPECT_TRUE(ShowSedimentChoice(ui, kMainWindow, SedimentChain::Contaminants));
    EXPECT_TRUE(ui.DialogsShown().empty());
    EXPECT_EQ(r.NothingToDo, 1);
}

TEST_F(SedimentScreens, ChoiceMarksAndEnablesOnlyTheNeededGroup) {
    R& r = Project();
    r.Vs_entered = 1;
    ui.Expect(kSedimentChoiceScreen)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.IsEnabled(sediment_choice::kBulkDensityInput));
            EXPECT_FALSE(d.IsEnabled(sediment_choice::kSettlingInput));
            EXPECT_EQ(Project().NothingToDoInDPC, 0);
            EXPECT_EQ(Project().Vb_entered_MT, 1);
            EXPECT_EQ(Project().Vs_entered_MT, 0);
        })
        .Click(sediment_choice::kBulkDensityCalculate)
        .PressOk()
        .Expect(kSedimentDataScreen)
        .Inspect([](Dialog& d) {
            using namespace sediment_data;
            EXPECT_EQ(Project().checked_RhoBCalc, 1);
            EXPECT_EQ(Project().PandCScreenAccepted, 1);
            EXPECT_TRUE(d.IsEnabled(kPorosityField));
            EXPECT_TRUE(d.IsEnabled(kDrySedimentDensityField));
            EXPECT_FALSE(d.IsEnabled(kBulkDensityField));
            EXPECT_FALSE(d.IsEnabled(kSettlingVelocityField));
        })
        .Type(sediment_data::kPorosityField, "0.8")
        .Type(sediment_data::kDrySedimentDensityField, "2650")
        .PressOk()
        .Expect(kCalculatedSedimentValuesScreen)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(calculated_sediment_values::kBulkDensityField), "530");
            EXPECT_FALSE(d.IsShown(calculated_sediment_values::kSettlingVelocityField));
        })
        .PressOk()
        .Expect(kTPLoadTypeScreen)
        .PressCancel()
        .PressCancel()
        .PressCancel();
    EXPECT_FALSE(ShowSedimentChoice(ui, kMainWindow, SedimentChain::Phosphorus));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_DOUBLE_EQ(r.ActiveRhoB, 530);
    EXPECT_EQ(r.APhi_entered + r.DSD_entered + r.ARhoB_entered, 3);
    EXPECT_EQ(r.Vb_entered, 0);
    EXPECT_EQ(r.NeedToDisplayRhoB, 0);
}

TEST_F(SedimentScreens, BurialVelocityFromTssLeavesTheBulkDensityFieldDisabled) {
    R& r = Project();
    r.Vb_entered = 1;
    r.checked_RhoBInput = 1;
    ui.Expect(kSedimentDataScreen).Inspect([](Dialog& d) {
        EXPECT_FALSE(d.IsEnabled(sediment_data::kBulkDensityField));
        EXPECT_TRUE(d.IsEnabled(sediment_data::kPorosityField));
        EXPECT_TRUE(d.IsEnabled(sediment_data::kSettlingVelocityField));
    });
    ui.DismissWhenScriptEnds();
    ShowSedimentDataOfCurrentChain(ui, kMainWindow);
    EXPECT_EQ(r.Vb_entered_MT, 0);
}

TEST_F(SedimentScreens, NothingRequiredIsSaidWhenAChoiceLeavesNothingToAsk) {
    R& r = Project();
    r.checked_RhoBInput = 1;
    r.Vb_entered = r.APhi_entered = r.Vs_entered = 1;
    ui.Expect(kSedimentDataScreen).ExpectMessage(kNothingRequired, kNothingRequiredCaption).PressCancel();
    EXPECT_FALSE(ShowSedimentDataOfCurrentChain(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
}

// What a read changed before a later field failed is put back, in the phosphorus variant
// too: the engine reads these working copies.
TEST_F(SedimentScreens, CancelPutsBackWhatAPartialReadChanged) {
    R& r = Project();
    r.checked_RhoBInput = 1;
    const double bulk_density = r.ActiveRhoB;
    ui.Expect(kSedimentDataScreen)
        .Type(sediment_data::kBulkDensityField, "900")
        .Type(sediment_data::kSettlingVelocityField, "x")
        .PressOk()
        .Inspect([](Dialog& d) { EXPECT_EQ(d.TemplateNumber(), kSedimentDataScreen); })
        .PressCancel();
    EXPECT_FALSE(ShowSedimentDataOfCurrentChain(ui, kMainWindow));
    EXPECT_EQ(r.ActiveRhoB_temp, bulk_density);
    EXPECT_EQ(r.ActiveRhoB, bulk_density);
}

// A bulk density of zero would make every burial and resuspension velocity infinite.
TEST_F(SedimentScreens, AZeroBulkDensityIsRefused) {
    R& r = Project();
    r.checked_RhoBCalc = 1;
    r.checked_RhoBInput = 0;
    ui.Expect(kSedimentDataScreen)
        .Type(sediment_data::kPorosityField, "1")
        .PressOk()
        .ExpectMessage("Active sediment layer bulk density must be greater than 0: the burial and resuspension "
                       "velocities are divided by it. Enter a bulk density above 0, or a porosity below 1 and a "
                       "dry sediment density above 0.",
                       "Additional Required Sediment Data")
        .Inspect([](Dialog& d) { EXPECT_EQ(d.TemplateNumber(), kSedimentDataScreen); })
        .PressCancel();
    EXPECT_FALSE(ShowSedimentDataOfCurrentChain(ui, kMainWindow));
    EXPECT_NE(r.ActiveRhoB, 0);
    EXPECT_NE(r.ActivePhi, 1);
}

// The mass transfer screens end their chains by computing the sediment velocities from what
// earlier screens stored; with nothing of their own to edit, their refusal must say which
// stored value to correct.
TEST_F(SedimentScreens, MassTransferScreensSayWhichStoredValueStopsThem) {
    const struct {
        const DataScreen* screen;
        bool (*show)(Ui&, Owner);
    } kScreens[] = {
        {&kTPMassTransfer, Show<kTPMassTransfer>},
        {&kOrganicMassTransfer, Show<kOrganicMassTransfer>},
        {&kHeavyMetalMassTransfer, Show<kHeavyMetalMassTransfer>},
    };
    for (const auto& s : kScreens) {
        SCOPED_TRACE(s.screen->caption);
        R& r = Project();
        r.NumOC_SLR = r.NumHM_LLR = 1;
        r.DisplayBoth = 0;
        r.Vb_entered = 1;  // the burial velocity is kept; the resuspension velocity divides by the density
        r.checked_Opt1Input = 1;
        r.ActiveRhoB = r.ActiveRhoB_temp = 0;
        const double resuspension = r.Vr;
        ui.Expect(s.screen->number)
            .PressOk()
            .ExpectMessage("Active sediment layer bulk density must be greater than 0 to compute the resuspension "
                           "velocity.",
                           s.screen->caption)
            .PressCancel();
        EXPECT_FALSE(s.show(ui, kMainWindow));
        EXPECT_TRUE(ui.ScriptDone());
        EXPECT_EQ(r.Vr, resuspension);
    }
}

TEST_F(SedimentScreens, VelocitySummaryKeepsItsValuesAndCancelReloadsThem) {
    R& r = Project();
    r.ActiveVb_temp = 0.5;
    r.Vn_temp = 2;
    ui.Expect(kVelocitySummaryScreen)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Caption(), "Active sediment layer bulk density, Vb, Vr and Vn");
            EXPECT_EQ(d.Text(velocity_summary::kBurialField), "0.5");
        })
        .PressOk();
    EXPECT_TRUE(Show<kVelocitySummary>(ui, kMainWindow));
    EXPECT_EQ(r.ActiveVb, 0.5);
    EXPECT_EQ(r.Vn, 2);
    EXPECT_TRUE(Shell().changes);

    r.ActiveVb_temp = 0.25;
    ui.Expect(kVelocitySummaryScreen).PressCancel();
    EXPECT_FALSE(Show<kVelocitySummary>(ui, kMainWindow));
    EXPECT_EQ(r.ActiveVb_temp, 0.5);
}

}  // namespace
}  // namespace velmar::testing
