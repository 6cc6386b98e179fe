// Choosing constituents, the hub of their data screens and the inflow concentrations,
// clicked through as a user would.
#include "interface/screens/constituent_selection.h"

#include <string>

#include "interface/resources/command_ids.h"
#include "interface/resources/screen_strings.h"
#include "interface/resources/strings.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/tp_options.h"
#include "interface/shell/menu_commands.h"
#include "project/record.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

using namespace constituent_selection;
using namespace data_input_selection;
using namespace inflow_concentrations;
using namespace tp_removal_options;

bool ItemChecked(Dialog& d, Item item) {
    return d.ItemChecked(kConstituentList, item);
}

// ---- Constituent selection ----

class ConstituentSelection : public ShellTest {};

TEST_F(ConstituentSelection, ContaminantsKeepTSSCheckedAtOnce) {
    ui.Expect(kConstituentSelectionScreen)
        .CheckItem(kConstituentList, kContaminantItem, true)
        .Inspect([](Dialog& d) { EXPECT_TRUE(ItemChecked(d, kTSSItem)); })
        .CheckItem(kConstituentList, kTSSItem, false)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(ItemChecked(d, kTSSItem));
            EXPECT_FALSE(d.IsEnabled(kShowTPOptions));
        })
        .PressOk();
    EXPECT_TRUE(Show<kConstituentSelection>(ui, kMainWindow));
    const ProjectRecord& r = Project();
    EXPECT_EQ(r.model_tss + r.model_contaminant, 2);
    EXPECT_EQ(r.model_tcb + r.model_bod + r.model_n + r.model_p, 0);
    EXPECT_EQ(r.update_tss + r.update_contaminant, 2);
    EXPECT_TRUE(Shell().changes);
}

TEST_F(ConstituentSelection, CheckingTPAsksForItsMethodEachTime) {
    ui.Expect(kConstituentSelectionScreen)
        .CheckItem(kConstituentList, kTPItem, true)
        .Expect(kTPRemovalOptionsScreen)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(kSpecifyButton)); })
        .Click(kCalculateButton)
        .PressOk()
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(ItemChecked(d, kTSSItem));  // a calculated rate needs the solids
            EXPECT_TRUE(d.IsEnabled(kShowTPOptions));
        })
        .CheckItem(kConstituentList, kTPItem, false)
        .Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kShowTPOptions)); })
        .CheckItem(kConstituentList, kTPItem, true)
        .Expect(kTPRemovalOptionsScreen)
        .Inspect([](Dialog& d) { EXPECT_TRUE(d.Checked(kCalculateButton)); })
        .PressCancel()
        .Click(kShowTPOptions)
        .Expect(kTPRemovalOptionsScreen)
        .Click(kSpecifyButton)
        .PressOk()
        .PressOk();
    EXPECT_TRUE(Show<kConstituentSelection>(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    const ProjectRecord& r = Project();
    EXPECT_EQ(r.model_p, 1);
    EXPECT_EQ(r.PhosRemSpec, 1);
    EXPECT_EQ(r.PhosremCalc, 0);
    EXPECT_EQ(r.model_tss, 1);  // checked by the calculated rate, and not unchecked by the user
}

TEST_F(ConstituentSelection, OkWithoutOneTPMethodIsRefusedButKeepsTheChoices) {
    ProjectRecord& r = Project();
    r.PhosRemSpec = r.PhosRemSpec_temp = r.PhosremCalc = r.PhosRemCalc_temp = 0;  // as a file may hold
    ui.Expect(kConstituentSelectionScreen)
        .CheckItem(kConstituentList, kTCBItem, true)
        .PressOk()
        .ExpectMessage(kChooseOneTPMethod, kChooseOneTPMethodCaption)
        .Expect(kTPRemovalOptionsScreen)
        .Inspect([](Dialog& d) {
            EXPECT_FALSE(d.Checked(kSpecifyButton) || d.Checked(kCalculateButton));
            EXPECT_EQ(Project().model_tcb, 1);
            EXPECT_TRUE(Shell().changes);
        })
        .PressOk()
        .ExpectMessage(kChooseOneTPOption, kChooseOneTPOptionCaption)
        .Click(kCalculateButton)
        .PressOk()
        .Inspect([](Dialog& d) { EXPECT_EQ(d.TemplateNumber(), kConstituentSelectionScreen); })
        .PressOk();
    EXPECT_TRUE(Show<kConstituentSelection>(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(r.PhosremCalc, 1);
    EXPECT_EQ(r.PhosRemSpec, 0);
    EXPECT_EQ(r.model_tss, 0);  // TP is not modelled, so its method needs no solids
}

TEST_F(ConstituentSelection, ContaminantDefaultsOnlyWhenContaminantsAreTurnedOff) {
    ProjectRecord& r = Project();
    r.model_contaminant = r.model_contaminant_temp = r.model_tss = r.model_tss_temp = 1;
    r.Kds[2] = 9;
    ui.Expect(kConstituentSelectionScreen).CheckItem(kConstituentList, kContaminantItem, false).PressOk();
    EXPECT_TRUE(Show<kConstituentSelection>(ui, kMainWindow));
    EXPECT_EQ(r.model_contaminant, 0);
    EXPECT_EQ(r.Kds[2], 240);

    // Already off: a change mark left in the file is recomputed, and the data stay.
    r.Kds[2] = 9;
    r.update_contaminant = 1;
    ui.Expect(kConstituentSelectionScreen).CheckItem(kConstituentList, kBODItem, true).PressOk();
    EXPECT_TRUE(Show<kConstituentSelection>(ui, kMainWindow));
    EXPECT_EQ(r.Kds[2], 9);
    EXPECT_EQ(r.update_contaminant, 0);
    EXPECT_EQ(r.update_bod, 1);
}

TEST_F(ConstituentSelection, CancelPutsBackTheChoicesAndTheTPMethod) {
    ui.Expect(kConstituentSelectionScreen)
        .CheckItem(kConstituentList, kBODItem, true)
        .CheckItem(kConstituentList, kTPItem, true)
        .Expect(kTPRemovalOptionsScreen)
        .Click(kCalculateButton)
        .PressOk()
        .PressCancel();
    EXPECT_FALSE(Show<kConstituentSelection>(ui, kMainWindow));
    const ProjectRecord& r = Project();
    EXPECT_EQ(r.model_bod_temp + r.model_p_temp + r.model_tss_temp, 0);
    EXPECT_EQ(r.PhosRemSpec_temp, 1);
    EXPECT_EQ(r.PhosRemCalc_temp, 0);
}

// ---- Data input selection ----

class DataInputSelection : public ShellTest {
protected:
    DataInputSelection() { ui.DismissWhenScriptEnds(); }
};

TEST_F(DataInputSelection, ButtonsFollowTheCommittedChoicesAndEscapeClosesLikeOk) {
    ProjectRecord& r = Project();
    r.model_tcb = r.model_n = 1;
    r.model_bod_temp = r.model_p_temp = 1;  // chosen on a cancelled selection: not modelled
    ui.Expect(kDataInputSelectionScreen)
        .Inspect([](Dialog& d) {
            for (int id : {kTCBDataButton, kNitrogenDataButton}) EXPECT_TRUE(d.IsEnabled(id)) << id;
            for (int id : {kTSSDataButton, kBODDataButton, kPhosphorousDataButton, kContaminantDataButton})
                EXPECT_FALSE(d.IsEnabled(id)) << id;
        })
        .PressEscape();
    EXPECT_TRUE(Show<kDataInputSelection>(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_FALSE(Shell().changes);  // the hub commits nothing, so there is nothing to save
}

TEST_F(DataInputSelection, EachButtonOpensItsConstituentAndTheHubStaysOpen) {
    ProjectRecord& r = Project();
    r.model_tss = r.model_tcb = r.model_bod = r.model_n = 1;
    r.checked_Option2_temp = 1;  // left over from a cancelled screen
    r.checked_Kdn_temp = 1;
    const struct {
        int button;
        int opens;
    } kButtons[] = {
        {kTSSDataButton, kTssOptionSelectionScreen},
        {kTCBDataButton, kTCBDataScreen},
        {kBODDataButton, kBODDataScreen},
        {kNitrogenDataButton, kTNKnownParameterScreen},
    };
    for (const auto& b : kButtons) {
        SCOPED_TRACE(b.button);
        ui.Expect(kDataInputSelectionScreen)
            .Click(b.button)
            .Expect(b.opens)
            .PressCancel()
            .Inspect([](Dialog& d) { EXPECT_EQ(d.TemplateNumber(), kDataInputSelectionScreen); })
            .PressOk();
        EXPECT_TRUE(Show<kDataInputSelection>(ui, kMainWindow));
        EXPECT_TRUE(ui.ScriptDone());
    }
    // Their screens open on the committed choices.
    EXPECT_EQ(r.checked_Option2_temp, r.checked_Option2);
    EXPECT_EQ(r.checked_Kdn_temp, r.checked_Kdn);
}

TEST_F(DataInputSelection, PhosphorusAndContaminantsWaitForTheTSSData) {
    ProjectRecord& r = Project();
    r.model_p = r.model_contaminant = 1;
    r.PhosRemSpec = 0;
    r.PhosremCalc = 1;
    r.called_by_triple_window_close = r.called_by_quad_window_close = 1;
    ui.Expect(kDataInputSelectionScreen)
        .Click(kPhosphorousDataButton)
        .ExpectMessage(kEnterTSSFirst, kEnterTSSFirstCaption)
        .Click(kContaminantDataButton)
        .ExpectMessage(kEnterTSSFirst, kEnterTSSFirstCaption)
        .Inspect([](Dialog&) {
            EXPECT_EQ(Project().called_by_triple_window_close + Project().called_by_quad_window_close, 0);
            EXPECT_EQ(Project().contam_current, 0);
            Project().UserEnteredTSS = 1;
            Project().tp_current = 1;
        })
        .Click(kPhosphorousDataButton)
        .Expect(kTPMethodSelectionScreen)
        .PressCancel()
        .Click(kContaminantDataButton)
        .Expect(kContaminantInfoScreen)
        .PressCancel()
        .Inspect([](Dialog&) {
            EXPECT_EQ(Project().contam_current, 1);
            EXPECT_EQ(Project().tp_current, 0);
            Project().PhosRemSpec = 1;  // a specified rate needs no solids
            Project().UserEnteredTSS = 0;
        })
        .Click(kPhosphorousDataButton)
        .Expect(kTPRateBasisScreen)
        .PressCancel()
        .PressOk();
    EXPECT_TRUE(Show<kDataInputSelection>(ui, kMainWindow));
    EXPECT_TRUE(ui.ScriptDone());
    for (const auto& message : ui.Messages()) EXPECT_EQ(message.owner, Owner::OfDialog);
}

// ---- Inflow concentrations ----

class InflowConcentrations : public ShellTest {};

TEST_F(InflowConcentrations, OnlyModelledRowsOpenAndARecheckedFieldShowsItsWorkingCopy) {
    ProjectRecord& r = Project();
    r.model_tss = r.model_n = 1;
    r.TSSinConc = 40;
    r.checked_TSSGenOutConc = 1;
    r.checked_BODGenOutConc = 1;  // BOD is not modelled
    r.TNinConc = 12;
    r.TSSinConc_temp = 99;  // stale working copies are put back on opening
    ui.Expect(kInflowConcentrationScreen)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.Checked(kTSSBox));
            EXPECT_EQ(d.Text(kTSSField), "40");
            EXPECT_FALSE(d.Checked(kBODBox));
            EXPECT_FALSE(d.IsEnabled(kBODBox));
            EXPECT_EQ(d.Text(kBODField), "");
            EXPECT_TRUE(d.IsEnabled(kTNBox));
            EXPECT_FALSE(d.IsEnabled(kTNField));
            EXPECT_EQ(d.Text(kTNField), "");
            for (int k = 0; k < 3; ++k)
                EXPECT_FALSE(d.IsShown(kOrganicField1 + k) || d.IsShown(kMetalBox1 + k));
        })
        .Type(kTSSField, "55")
        .Click(kTSSBox)
        .Inspect([](Dialog& d) {
            EXPECT_FALSE(d.IsEnabled(kTSSField));
            EXPECT_EQ(d.Text(kTSSField), "");
        })
        .Click(kTSSBox)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kTSSField), "55"); })
        .Click(kTNBox)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kTNField), "12"); })
        .Type(kTNField, "8.5")
        .PressOk();
    EXPECT_TRUE(Show<kInflowConcentrations>(ui, kMainWindow));
    EXPECT_EQ(r.TSSinConc, 55);
    EXPECT_EQ(r.TNinConc, 8.5);
    EXPECT_EQ(r.checked_TNGenOutConc, 1);
    EXPECT_EQ(r.checked_BODGenOutConc, 0);
    EXPECT_TRUE(Shell().changes);
}

TEST_F(InflowConcentrations, AnInvalidFieldKeepsTheScreenOpenSilentlyAndLeavesTheBoxesAsTheyWere) {
    ProjectRecord& r = Project();
    r.model_tss = r.model_bod = 1;
    r.checked_BODGenOutConc = 1;
    ui.Expect(kInflowConcentrationScreen)
        .Type(kBODField, "4O")
        .PressOk()
        .Click(kTSSBox)  // the fields are read first, and the BOD field stops the read
        .Inspect([](Dialog& d) {
            EXPECT_FALSE(d.Checked(kTSSBox));
            EXPECT_FALSE(d.IsEnabled(kTSSField));
            EXPECT_EQ(d.Text(kBODField), "0");
        })
        .Type(kBODField, "4O")
        .PressOk()
        .PressCancel();
    EXPECT_FALSE(Show<kInflowConcentrations>(ui, kMainWindow));
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(r.checked_TSSGenOutConc + r.checked_TSSGenOutConc_temp, 0);
    EXPECT_FALSE(Shell().changes);
}

TEST_F(InflowConcentrations, ContaminantRowsFollowTheirCountsAndNames) {
    ProjectRecord& r = Project();
    r.model_contaminant = 1;
    r.NumOC_SLR = 1;
    SetName(r.TauCompName1, "Atrazine");
    r.checked_Contam1OutConc = 1;
    r.ContamInConc1 = 0.003;
    SetName(r.HMName2, "Zinc");
    for (int metals : {2, 3}) {
        r.NumHM_LLR = metals;
        ui.Expect(kInflowConcentrationScreen)
            .Inspect([metals](Dialog& d) {
                EXPECT_TRUE(d.IsShown(kOrganicBox1));
                EXPECT_EQ(d.Text(kOrganicBox1), "Atrazine");
                EXPECT_EQ(d.Text(LabelId(kOrganicField1)), "Atrazine inflow conc (mg/L):");
                EXPECT_EQ(d.Text(kOrganicField1), "0.003");
                EXPECT_FALSE(d.IsShown(kOrganicBox1 + 1));
                EXPECT_TRUE(d.IsShown(kMetalBox1 + 1));
                EXPECT_EQ(d.Text(LabelId(kMetalField1 + 1)), "Zinc inflow conc (mg/L):");
                EXPECT_EQ(d.IsShown(kMetalBox1 + 2), metals == 3);
                EXPECT_EQ(d.IsShown(kMetalField1 + 2), metals == 3);
                EXPECT_EQ(d.IsShown(LabelId(kMetalField1 + 2)), metals == 3);
            })
            .PressCancel();
        EXPECT_FALSE(Show<kInflowConcentrations>(ui, kMainWindow));
    }
    ui.Expect(kInflowConcentrationScreen).Click(kMetalBox1 + 1).Type(kMetalField1 + 1, "0.2").PressOk();
    EXPECT_TRUE(Show<kInflowConcentrations>(ui, kMainWindow));
    EXPECT_EQ(r.HMInConc2, 0.2);
    EXPECT_EQ(r.checked_HM2OutConc, 1);
    EXPECT_EQ(r.ContamInConc1, 0.003);
}

// ---- Menu ----

class InputDataMenu : public ShellTest {};

TEST_F(InputDataMenu, CommandsOpenTheirScreensAndConstituentDataWaitsForTheSystem) {
    ui.ExpectMessage(kSystemDataFirst, kSystemDataFirstCaption)
        .Expect(kConstituentSelectionScreen)
        .PressCancel()
        .Expect(kInflowConcentrationScreen)
        .PressCancel();
    for (int command : {kCommandConstituentData, kCommandSelectConstituents, kCommandInflowConcentrations})
        EXPECT_TRUE(RunMenuCommand(ui, command));
    EXPECT_TRUE(ui.ScriptDone());

    Project().System_Properties_Entered = 1;
    ui.Expect(kDataInputSelectionScreen).PressOk();
    RunMenuCommand(ui, kCommandConstituentData);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(ui.DialogsShown().size(), 3u);
}

}  // namespace
}  // namespace velmar::testing
