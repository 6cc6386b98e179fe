// The contaminant screens: each chemical's and metal's column kept to its own slot, the
// calculated coefficients, the routes the entry screen takes, and the mass transfer
// velocities kept or recalculated.
#include <cmath>
#include <string>

#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/metals.h"
#include "interface/screens/organics.h"
#include "interface/screens/shared_sediment.h"
#include "project/sediment.h"
#include "project/slots.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using R = ProjectRecord;

class ContaminantScreens : public ShellTest {
protected:
    ContaminantScreens() {
        R& r = Project();
        r.depth = 1;
        r.mean_velocity = 0.01;
        r.temperature = 20;
        r.model_contaminant = 1;
        r.contam_current = 1;
    }

    // Three of each, with every coefficient entered or every one calculated.
    static void OpenColumns(R& r, bool calculated) {
        r.NumOC_SLR = r.NumOC_SLR_temp = r.NumHM_LLR = r.NumHM_LLR_temp = 3;
        for (FlagMember f :
             {&R::checked_KdwInput, &R::checked_KdsInput, &R::checked_kvInput, &R::checked_HMKdwInput})
            r.*f = !calculated;
        for (FlagMember f :
             {&R::checked_KdwCalc, &R::checked_KdsCalc, &R::checked_kvCalc, &R::checked_HMKdwCalc})
            r.*f = calculated;
    }

    // The sediment as the TSS screens leave it known: the contaminant chain asks nothing.
    static void SedimentKnown(R& r) {
        r.Vb_entered = r.ARhoB_entered = r.Vs_entered = 1;
        r.checked_Option1 = r.checked_Opt1Input = 1;
        r.Vs = r.Vn = 0.5;
        r.ActiveRhoB = 1000;
        r.ActivePhi = 0.6;
        r.ActiveVb = 5e-5;
    }

    // The entry screen with these counts and the organic removal option.
    ScriptedUi& Entry(int organics, int metals, int option_button) {
        return ui.Expect(kContaminantInfoScreen)
            .Spin(SpinId(contaminant_info::kOrganicCount), organics)
            .Spin(SpinId(contaminant_info::kMetalCount), metals)
            .Click(option_button)
            .PressOk();
    }
};

// ---- Slots ----

// Every field a chemical or metal has of its own: a value typed in the second column is
// stored in slot 1 of the record, and no other slot of any field the screen edits changes.
// Each field is typed with the coefficients entered, or else calculated, whichever opens it.
TEST_F(ContaminantScreens, AValueTypedInColumnTwoLandsInSlotOneAndNowhereElse) {
    ui.DismissWhenScriptEnds();
    int checked = 0;
    for (const DataScreen* screen : {&kHalfLives, &kOrganicRemovalRates, &kHeavyMetalInput}) {
        for (const Row& typed : screen->rows) {
            if (!typed.PerSlot() || (typed.kind != RowKind::Number && typed.kind != RowKind::Name)) continue;
            SCOPED_TRACE(typed.label);
            Project() = ProgramStartRecord();
            ClearProject();
            R& r = Project();
            r.depth = 1;
            r.mean_velocity = 0.01;
            OpenColumns(r, false);
            if (typed.enabled && !typed.enabled(r, 1)) OpenColumns(r, true);
            const R before = r;
            ui.Expect(screen->number).Type(SlotId(typed.id, 1), typed.name ? "Toluene" : "7.5").PressOk();
            ShowScreen(ui, kMainWindow, *screen);
            for (const Row& row : screen->rows) {
                if (!row.PerSlot() || (row.enabled && !row.enabled(before, 1))) continue;
                for (int k = 0; k < 3; ++k) {
                    const bool target = &row == &typed && k == 1;
                    if (row.real_value) {
                        const double want = target ? 7.5 : row.real_value.In(before, k);
                        EXPECT_EQ(row.real_value.In(r, k), want) << row.label << " slot " << k;
                    } else {
                        const std::string want = target ? "Toluene" : row.name_value.In(before, k);
                        EXPECT_EQ(row.name_value.In(r, k), want) << row.label << " slot " << k;
                    }
                }
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2 + 10 + 4);  // half-lives, removal rates, heavy metals
}

TEST_F(ContaminantScreens, NamesAreOneWordCutToNineCharacters) {
    constexpr char kNameRefused[] =
        "Organic Chemical Name (1) must be one word of up to 9 characters, with no blanks.";
    Project().NumOC_SLR = 2;
    ui.Expect(kHalfLivesScreen)
        .Type(SlotId(half_lives::kNameRow, 0), "Benzo pyrene")
        .PressOk()
        .ExpectMessage(kNameRefused, kHalfLives.caption)
        .Inspect([](Dialog&) { EXPECT_STREQ(Project().TauCompName1, "Dieldrin"); })
        .Type(SlotId(half_lives::kNameRow, 0), "")
        .PressOk()
        .ExpectMessage(kNameRefused, kHalfLives.caption)
        .Type(SlotId(half_lives::kNameRow, 0), "Pentachlorophenol")
        .Type(SlotId(half_lives::kNameRow, 1), "Toxaphene1")
        .PressOk();
    EXPECT_TRUE(Show<kHalfLives>(ui, kMainWindow));
    EXPECT_STREQ(Project().TauCompName1, "Pentachlo");
    EXPECT_STREQ(Project().TauCompName2, "Toxaphene");
}

// ---- Calculated values ----

TEST_F(ContaminantScreens, DistributionCoefficientsFollowKowAndOrganicCarbon) {
    R& r = Project();
    r.NumOC_SLR = 2;
    r.checked_KdwCalc = r.checked_KdsCalc = 1;
    r.Kow[0] = r.Kow[1] = 1000;
    r.f_oc = 0.1;
    r.DOCH2o = 10;
    r.Bedf_oc = 0.05;
    r.DOCBed = 0;
    r.Kds[2] = 7;
    ComputeOrganicCoefficients(r);
    EXPECT_NEAR(r.ConKdw[0], 61.7 / 1.00617, 1e-9);
    EXPECT_NEAR(r.ConKdw[0], 61.32, 0.005);
    EXPECT_NEAR(r.Kds[1], 30.85, 1e-9);
    EXPECT_EQ(r.Kds[2], 7);  // beyond the count: untouched
}

TEST_F(ContaminantScreens, VolatilizationFollowsTheTwoFilmModelAndIsZeroInCalmAir) {
    R& r = Project();
    r.NumOC_SLR = 1;
    r.checked_kvCalc = 1;
    r.MW[0] = 128;
    r.Henry[0] = 4.8e-4;
    r.WindSpeed = 0;
    ComputeOrganicCoefficients(r);
    EXPECT_EQ(r.kv[0], 0);  // no gas film without wind

    r.WindSpeed = 4;
    ComputeOrganicCoefficients(r);
    const double KL = (0.0372 * 16 + 0.728 * 2 - 0.317 * 4) * std::pow(32.0 / 128, 0.25);
    const double KG = 168 * 4 * std::pow(18.0 / 128, 0.25);
    const double H = 4.8e-4 / (8.206e-05 * 293.15);
    EXPECT_NEAR(r.kv[0], 1 / (1 / KL + 1 / (H * KG)), 1e-12);
}

TEST_F(ContaminantScreens, CalculatedValuesScreenShowsEachChemicalsOwnCoefficients) {
    using namespace calculated_organic_values;
    R& r = Project();
    r.NumOC_SLR = 2;
    r.checked_KdwCalc = 1;
    r.checked_KdsCalc = r.checked_kvCalc = 0;
    r.Kow[1] = 1000;
    r.f_oc = 0.1;
    r.DOCH2o = 10;
    SetName(r.TauCompName2, "Toluene");
    ui.Expect(kCalculatedOrganicValuesScreen)
        .Inspect([](Dialog& d) {
            EXPECT_EQ(d.Text(SlotId(kNameRow, 1)), "Toluene");
            EXPECT_EQ(d.Text(SlotId(kKdwRow, 1)), "61.3216");
            EXPECT_FALSE(d.IsEnabled(SlotId(kKdwRow, 2)));
            EXPECT_TRUE(d.IsEnabled(LabelId(kKdwRow)));
            EXPECT_FALSE(d.IsEnabled(LabelId(kKdsRow)));
            EXPECT_FALSE(d.IsEnabled(LabelId(kKvRow)));
        })
        .PressCancel();
    EXPECT_FALSE(Show<kCalculatedOrganicValues>(ui, kMainWindow));
    EXPECT_NEAR(r.ConKdw[1], 61.32, 0.005);  // kept though cancelled
}

TEST_F(ContaminantScreens, MetalCoefficientsFollowTheSuspendedSolids) {
    R& r = Project();
    r.NumHM_LLR = 2;
    r.SSConc = 10;
    r.HMConKdw[2] = 5;
    ComputeHeavyMetalCoefficients(r);
    EXPECT_EQ(r.HMConKdw[0], 25100);
    EXPECT_EQ(r.HMConKdw[1], 25100);
    EXPECT_EQ(r.HMConKdw[2], 5);
}

// ---- Mass transfer velocities ----

TEST_F(ContaminantScreens, AVelocityIsRecalculatedOnlyWhileItsFlagIsSet) {
    R& r = Project();
    r.NumHM_LLR = 2;
    r.HMMolecularDiffusivity[0] = r.HMMolecularDiffusivity[1] = 1e-9;
    r.recalc_hmvd1 = 1;
    r.recalc_hmvd2 = 0;
    r.HMVd[1] = 0.25;
    ComputeHeavyMetalMassTransfer(r);
    const double nu = KinematicViscosity(20);
    EXPECT_NEAR(r.HMVd[0], std::pow(1e-9 / nu, 0.6666667) * 0.01 * 360, 1e-15);
    EXPECT_EQ(r.HMVd_temp[0], r.HMVd[0]);
    EXPECT_EQ(r.HMVd[1], 0.25);
    EXPECT_EQ(r.HMVd_temp[1], 0.25);
}

TEST_F(ContaminantScreens, TypingAVelocityKeepsItAndCancelPutsTheFlagsBack) {
    using namespace organic_mass_transfer;
    R& r = Project();
    r.NumOC_SLR = 2;
    r.DisplayBoth = 1;  // the metals follow: their screens are cancelled here
    ui.Expect(kOrganicMassTransferScreen)
        .Inspect([](Dialog&) { EXPECT_EQ(Project().recalc_convd1, 1); })  // filling is not typing
        .Type(kVelocityField1 + 1, "0.02")
        .Inspect([](Dialog&) {
            EXPECT_EQ(Project().recalc_convd1, 1);
            EXPECT_EQ(Project().recalc_convd2, 0);
        })
        .PressCancel();
    EXPECT_FALSE(Show<kOrganicMassTransfer>(ui, kMainWindow));
    EXPECT_EQ(r.recalc_convd2, 1);
    EXPECT_EQ(r.ConVd_temp[1], r.ConVd[1]);

    // Typed in an accepted visit, a velocity survives the next pass through the chain.
    ui.Expect(kOrganicMassTransferScreen)
        .Type(kVelocityField1 + 1, "0.02")
        .PressOk()
        .Expect(kHeavyMetalKdwChoiceScreen)
        .PressCancel()
        .PressCancel();
    EXPECT_FALSE(Show<kOrganicMassTransfer>(ui, kMainWindow));
    EXPECT_EQ(r.ConVd[1], 0.02);
    EXPECT_EQ(r.recalc_convd2, 0);
}

// A typed velocity survives a diffusivity retyped within 1e-10 m^2/s of the one it was
// calculated for, up or down; a larger change in either direction recalculates it.
TEST_F(ContaminantScreens, OnlyADiffusivityChangedBeyondItsToleranceReplacesATypedVelocity) {
    const struct {
        double change;
        bool recalculated;
    } kChanges[] = {{5e-11, false}, {-5e-11, false}, {2e-10, true}, {-2e-10, true}};
    for (const auto& c : kChanges) {
        SCOPED_TRACE(c.change);
        R& r = Project();
        r.NumOC_SLR = r.NumOC_SLR_temp = 2;
        r.checked_KdwInput = r.checked_KdsInput = r.checked_kvInput = 1;
        r.checked_KdwCalc = r.checked_KdsCalc = r.checked_kvCalc = 0;
        r.MolecularDiffusivity[1] = r.ConMD[1] = 1e-9;
        r.ConVd[1] = 0.02;
        r.recalc_convd2 = 0;
        const double diffusivity = 1e-9 + c.change;
        const double calculated =
            std::pow(diffusivity / KinematicViscosity(r.temperature), 2.0 / 3.0) * r.mean_velocity * 360;
        ui.Expect(kOrganicRemovalRatesScreen)
            .Type(SlotId(organic_removal_rates::kDiffusivityRow, 1), FormatNumberText(diffusivity))
            .PressOk()
            .Expect(kOrganicMassTransferScreen)
            .Inspect([&](Dialog&) {
                if (c.recalculated) {
                    EXPECT_NEAR(Project().ConVd_temp[1], calculated, 1e-6 * calculated);
                } else {
                    EXPECT_EQ(Project().ConVd_temp[1], 0.02);
                }
            })
            .PressCancel()
            .PressCancel();
        EXPECT_FALSE(Show<kOrganicRemovalRates>(ui, kMainWindow));
        EXPECT_TRUE(ui.ScriptDone());
    }
}

TEST_F(ContaminantScreens, VelocityRowsBeyondTheCountAreDisabled) {
    Project().NumHM_LLR = 1;
    ui.Expect(kHeavyMetalMassTransferScreen)
        .Inspect([](Dialog& d) {
            using namespace heavy_metal_mass_transfer;
            EXPECT_TRUE(d.IsEnabled(kVelocityField1));
            EXPECT_FALSE(d.IsEnabled(kVelocityField1 + 1));
            EXPECT_FALSE(d.IsEnabled(kVelocityField1 + 2));
        })
        .PressCancel();
    EXPECT_FALSE(Show<kHeavyMetalMassTransfer>(ui, kMainWindow));
}

// ---- Values that would make infinite coefficients ----

TEST_F(ContaminantScreens, AZeroMolecularWeightIsRefusedButCalmWindIsNot) {
    using namespace organic_removal_rates;
    R& r = Project();
    r.NumOC_SLR = 1;
    r.checked_kvCalc = 1;
    r.checked_kvInput = 0;
    ui.DismissWhenScriptEnds();
    ui.Expect(kOrganicRemovalRatesScreen)
        .Type(SlotId(kMolecularWeightRow, 0), "0")
        .PressOk()
        .ExpectMessage("Molecular Weight of organic chemical 1 must be greater than 0, and the Wind Speed not "
                       "negative, to compute its volatilization rate.",
                       kOrganicRemovalRates.caption)
        .Inspect([](Dialog&) { EXPECT_EQ(Project().MW[0], 380.9); })  // still open, nothing stored
        .Type(SlotId(kMolecularWeightRow, 0), "128")
        .Type(kWindRow, "0")
        .PressOk()
        .Expect(kCalculatedOrganicValuesScreen)
        .Inspect([](Dialog&) { EXPECT_EQ(Project().kv[0], 0); });
    Show<kOrganicRemovalRates>(ui, kMainWindow);
    EXPECT_EQ(r.MW[0], 128);
    EXPECT_EQ(r.WindSpeed, 0);
}

// The engine divides every contaminant's settling and exchange by the suspended solids
// concentration, and the estimated metal coefficient too; a negative diffusivity has no
// 2/3 power. Each refusal names the value and the reason, under the screen's caption.
TEST_F(ContaminantScreens, ValuesTheEngineCannotUseAreRefusedSayingWhy) {
    constexpr char kSolids[] = "Suspended Solid Concentration must be greater than 0: the contaminant model divides by it.";
    const struct {
        const char* trace;
        bool metals;
        bool metal_kdw_entered;
        int field;
        const char* text;
        const char* message;
    } kCases[] = {
        {"organic solids", false, false, organic_removal_rates::kSuspendedSolidsRow, "0", kSolids},
        {"organic solids below 0", false, false, organic_removal_rates::kSuspendedSolidsRow, "-5", kSolids},
        {"metal solids, Kdw entered", true, true, heavy_metal_input::kSuspendedSolidsRow, "0", kSolids},
        {"metal solids, Kdw estimated", true, false, heavy_metal_input::kSuspendedSolidsRow, "0", kSolids},
        {"organic diffusivity", false, false, SlotId(organic_removal_rates::kDiffusivityRow, 0), "-1e-9",
         "Molecular Diffusivity of organic chemical 1 must not be negative: the mass transfer velocity grows "
         "with its 2/3 power."},
        {"metal diffusivity", true, true, SlotId(heavy_metal_input::kDiffusivityRow, 1), "-1e-9",
         "Molecular Diffusivity of heavy metal 2 must not be negative: the mass transfer velocity grows with "
         "its 2/3 power."},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.trace);
        R& r = Project();
        r.NumOC_SLR = r.NumOC_SLR_temp = 1;
        r.NumHM_LLR = r.NumHM_LLR_temp = 2;
        r.checked_HMKdwInput = c.metal_kdw_entered;
        r.checked_HMKdwCalc = !c.metal_kdw_entered;
        const DataScreen& screen = c.metals ? kHeavyMetalInput : kOrganicRemovalRates;
        ui.Expect(screen.number)
            .Type(c.field, c.text)
            .PressOk()
            .ExpectMessage(c.message, screen.caption)
            .PressCancel();
        EXPECT_FALSE(c.metals ? Show<kHeavyMetalInput>(ui, kMainWindow) : Show<kOrganicRemovalRates>(ui, kMainWindow));
        EXPECT_TRUE(ui.ScriptDone());
        EXPECT_EQ(r.SSConc, 100);
    }
}

TEST_F(ContaminantScreens, ZeroSuspendedSolidsAreRefusedWhenTheMetalCoefficientIsEstimated) {
    using namespace heavy_metal_input;
    R& r = Project();
    r.NumHM_LLR = 1;
    r.checked_HMKdwCalc = 1;
    r.checked_HMKdwInput = 0;
    ui.DismissWhenScriptEnds();
    ui.Expect(kHeavyMetalInputScreen)
        .Type(kSuspendedSolidsRow, "0")
        .PressOk()
        .ExpectMessage("Suspended Solid Concentration must be greater than 0: the contaminant model divides by it.",
                       kHeavyMetalInput.caption)
        .Inspect([](Dialog&) { EXPECT_EQ(Project().SSConc, 100); })
        .Type(kSuspendedSolidsRow, "10")
        .PressOk()
        .Expect(kCalculatedHeavyMetalValuesScreen)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(calculated_heavy_metal_values::kKdwRow), "25100"); });
    Show<kHeavyMetalInput>(ui, kMainWindow);
    EXPECT_EQ(r.HMConKdw[0], 25100);
    EXPECT_EQ(r.SSConc_entered, 1);
    EXPECT_EQ(r.SSConc_entered_MC, 1);
}

// ---- The entry screen and its routes ----

TEST_F(ContaminantScreens, CountsChangeOnlyWithTheSpinArrows) {
    using namespace contaminant_info;
    ui.Expect(kContaminantInfoScreen)
        .Inspect([](Dialog& d) {
            auto& dialog = static_cast<ScriptedDialog&>(d);
            EXPECT_THROW(dialog.UserType(kOrganicCount, "2"), ScriptError);
        })
        .Spin(SpinId(kOrganicCount), 5)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kOrganicCount), "3"); })
        .PressCancel();
    EXPECT_FALSE(ShowContaminantData(ui, kMainWindow));
    EXPECT_EQ(Project().NumOC_SLR, 0);
    EXPECT_EQ(Project().NumOC_SLR_temp, 0);
}

TEST_F(ContaminantScreens, WithoutARemovalOptionTheEntryScreenStaysOpen) {
    R& r = Project();
    r.checked_contam_tau = r.checked_contam_removal = 0;
    ui.Expect(kContaminantInfoScreen)
        .Spin(SpinId(contaminant_info::kOrganicCount), 1)
        .PressOk()
        .ExpectMessage(kChooseRemovalOption, kChooseRemovalOptionCaption)
        .PressCancel();
    EXPECT_FALSE(ShowContaminantData(ui, kMainWindow));
    EXPECT_EQ(r.NumOC_SLR, 0);
    EXPECT_FALSE(Shell().changes);
}

TEST_F(ContaminantScreens, NothingToEnterAcceptsTheEntryScreen) {
    Entry(0, 0, contaminant_info::kRemovalButton);
    EXPECT_TRUE(ShowContaminantData(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(Shell().changes);
    EXPECT_EQ(Project().checked_contam_removal, 1);
}

// Without phosphorus modelled, accepting the entry screen makes the phosphorus chain's
// sediment marks the contaminant chain's own; a cancelled entry screen leaves them.
TEST_F(ContaminantScreens, TheEntryScreensOkHandsTheSedimentMarksOver) {
    R& r = Project();
    r.model_p = 0;
    r.Vs_entered_MP = r.Vb_entered_MT = 1;
    ui.Expect(kContaminantInfoScreen).Click(contaminant_info::kRemovalButton).PressCancel();
    EXPECT_FALSE(ShowContaminantData(ui, kMainWindow));
    EXPECT_EQ(r.Vs_entered_MP + r.Vb_entered_MT, 2);
    EXPECT_EQ(r.Vs_entered_MC + r.Vb_entered_MTC, 0);

    Entry(0, 0, contaminant_info::kRemovalButton);
    EXPECT_TRUE(ShowContaminantData(ui, kMainWindow));
    EXPECT_EQ(r.Vs_entered_MP + r.Vb_entered_MT, 0);
    EXPECT_EQ(r.Vs_entered_MC + r.Vb_entered_MTC, 2);
}

TEST_F(ContaminantScreens, HalfLivesWithoutMetalsCloseAtOnce) {
    Entry(2, 0, contaminant_info::kHalfLifeButton)
        .Expect(kHalfLivesScreen)
        .Type(SlotId(half_lives::kHalfLifeRow, 1), "0.5")
        .PressOk();
    EXPECT_TRUE(ShowContaminantData(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(Project().Tau[1], 0.5);
    EXPECT_EQ(Project().DisplayBoth, 0);
}

// A half-life of 0 would remove everything at once and a negative one add to the water, in
// any slot in use; a slot not in use keeps what it holds.
TEST_F(ContaminantScreens, HalfLivesNotAboveZeroAreRefused) {
    R& r = Project();
    r.NumOC_SLR = r.NumOC_SLR_temp = 2;
    r.Tau[2] = r.Tau_temp[2] = 0;
    const char* message =
        "The half-life of organic chemical 2 must be greater than 0 days: its removal rate is 0.693 divided by it.";
    ui.Expect(kHalfLivesScreen)
        .Inspect([](Dialog& d) {
            // 0.693 divided by the half-life is a rate per day: the half-life is in days.
            EXPECT_EQ(d.Text(LabelId(half_lives::kHalfLifeRow)), "Organic Chemical Half-Life (days):");
        })
        .Type(SlotId(half_lives::kHalfLifeRow, 1), "0")
        .PressOk()
        .ExpectMessage(message, kHalfLives.caption)
        .Type(SlotId(half_lives::kHalfLifeRow, 1), "-2")
        .PressOk()
        .ExpectMessage(message, kHalfLives.caption)
        .Inspect([](Dialog&) { EXPECT_EQ(Project().Tau[1], 3); })
        .Type(SlotId(half_lives::kHalfLifeRow, 1), "40")
        .PressOk();
    EXPECT_TRUE(Show<kHalfLives>(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(r.Tau[1], 40);
}

TEST_F(ContaminantScreens, CancelledHalfLivesPutTheirWorkingCopiesBack) {
    ui.Expect(kHalfLivesScreen)
        .Type(SlotId(half_lives::kNameRow, 0), "Toluene")
        .Type(SlotId(half_lives::kHalfLifeRow, 0), "9")
        .PressCancel()
        .Expect(kContaminantInfoScreen)
        .PressOk();
    R& r = Project();
    r.NumOC_SLR = r.NumOC_SLR_temp = 1;
    r.TauAccepted = 0;
    EXPECT_FALSE(Show<kHalfLives>(ui, kMainWindow));
    EXPECT_STREQ(r.TauCompName1_temp, "Dieldrin");
    EXPECT_EQ(r.Tau_temp[0], 3);
    r.TauAccepted = 1;  // the entry screen now opens no chain and commits what it holds
    EXPECT_TRUE(ShowContaminantData(ui, kMainWindow));
    EXPECT_STREQ(r.TauCompName1, "Dieldrin");
    EXPECT_EQ(r.Tau[0], 3);
}

// Where each choice of the entry screen leads, with the sediment already known.
struct Route {
    const char* name;
    int organics;
    int metals;
    int option;
    std::vector<int> screens;  // after the entry screen, each accepted in turn
    int display_both;
};

class ContaminantRoutes : public ContaminantScreens, public ::testing::WithParamInterface<Route> {};

TEST_P(ContaminantRoutes, EachChoiceOpensItsChain) {
    const Route& route = GetParam();
    SedimentKnown(Project());
    ScriptedUi& script = Entry(route.organics, route.metals, route.option);
    for (int screen : route.screens) script.Expect(screen).PressOk();
    EXPECT_TRUE(ShowContaminantData(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(Project().DisplayBoth, route.display_both);
}

const Route kRoutes[] = {
    {"RemovalRatesThenMetals",
     1,
     2,
     contaminant_info::kRemovalButton,
     {kOrganicCoefficientChoiceScreen, kOrganicRemovalRatesScreen, kOrganicMassTransferScreen,
      kHeavyMetalKdwChoiceScreen, kHeavyMetalInputScreen, kHeavyMetalMassTransferScreen,
      kVelocitySummaryScreen},
     1},
    {"RemovalRatesAlone",
     2,
     0,
     contaminant_info::kRemovalButton,
     {kOrganicCoefficientChoiceScreen, kOrganicRemovalRatesScreen, kOrganicMassTransferScreen,
      kVelocitySummaryScreen},
     0},
    {"HalfLivesThenMetals",
     1,
     1,
     contaminant_info::kHalfLifeButton,
     {kHalfLivesScreen, kHeavyMetalKdwChoiceScreen, kHeavyMetalInputScreen, kHeavyMetalMassTransferScreen,
      kVelocitySummaryScreen},
     1},
    {"MetalsAlone",
     0,
     3,
     contaminant_info::kRemovalButton,
     {kHeavyMetalKdwChoiceScreen, kHeavyMetalInputScreen, kHeavyMetalMassTransferScreen,
      kVelocitySummaryScreen},
     0},
};

INSTANTIATE_TEST_SUITE_P(Contaminants, ContaminantRoutes, ::testing::ValuesIn(kRoutes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ContaminantScreens, UnknownSedimentIsAskedBeforeTheOrganicChain) {
    ui.Expect(kContaminantInfoScreen)
        .Spin(SpinId(contaminant_info::kOrganicCount), 1)
        .Click(contaminant_info::kRemovalButton)
        .PressOk()
        .Expect(kSedimentChoiceScreen)
        .Click(sediment_choice::kBulkDensityInput)
        .Click(sediment_choice::kSettlingInput)
        .PressOk()
        .Expect(kSedimentDataScreen)
        .Type(sediment_data::kBulkDensityField, "1000")
        .Type(sediment_data::kSettlingVelocityField, "0.5")
        .PressOk()
        .Expect(kOrganicCoefficientChoiceScreen)
        .PressCancel()   // the coefficient choice
        .PressCancel()   // the sediment data, accepted values kept
        .PressCancel()   // the sediment choice
        .PressCancel();  // the entry screen
    EXPECT_FALSE(ShowContaminantData(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(Project().ActiveRhoB, 1000);
}

}  // namespace
}  // namespace velmar::testing
