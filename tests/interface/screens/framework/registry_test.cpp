// Every registered screen, checked the same way: its template holds each bound control with
// the right kind, Help opens its topic, the fields show their working copies, OK commits
// what was typed, Cancel reverts it, an invalid number never reaches the record, and each
// control's enablement follows its rule. A screen added to the registry is checked here
// without a line of its own.
#include "interface/screens/framework/registry.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "interface/resources/help_topics.h"
#include "interface/screens/metals.h"
#include "interface/screens/organics.h"
#include "interface/screens/tp.h"
#include "interface/resources/templates.h"
#include "interface/session/help.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

ControlKind KindOf(const Row& row) {
    switch (row.kind) {
        case RowKind::Number: return ControlKind::NumberField;
        case RowKind::Name: return ControlKind::TextField;
        case RowKind::Computed:
        case RowKind::Count: return ControlKind::ReadOnlyField;
        case RowKind::Radio: return ControlKind::RadioButton;
        case RowKind::Check: return ControlKind::CheckBox;
        case RowKind::ListItem: return ControlKind::CheckList;
        case RowKind::Group: return ControlKind::GroupBox;
        case RowKind::Button: return ControlKind::PushButton;
        default: return ControlKind::Label;
    }
}

int SlotsOf(const DataScreen& s, const Row& row) {
    return row.PerSlot() ? s.slot_columns : 1;
}

// A number field the user can type into, with the record value its copy commits to.
struct TypableField {
    const Row* row;
    int slot;
    int id;
};

class EveryScreen : public ShellTest, public ::testing::WithParamInterface<const DataScreen*> {
protected:
    EveryScreen() {
        // A wetland whose known dimensions are volume, depth and width, as after the
        // selection screen.
        ProjectRecord& r = Project();
        r.checked_Volume = r.checked_Volume_temp = r.checked_Depth = r.checked_Depth_temp = 1;
        r.checked_Width = r.checked_Width_temp = 1;
        ui.DismissWhenScriptEnds();
    }

    const DataScreen& screen() const { return *GetParam(); }

    // What Escape, the close box or Cancel leaves the screen with: not accepted, unless the
    // screen has no Cancel button and closes as OK does.
    bool LeftAccepted() const { return !screen().cancel_button; }

    std::vector<TypableField> TypableFields(Dialog& d) const {
        std::vector<TypableField> fields;
        for (const Row& row : screen().rows) {
            if (row.kind != RowKind::Number || !row.real_value) continue;
            for (int k = 0; k < SlotsOf(screen(), row); ++k) {
                const int id = SlotId(row.id, k);
                if (d.IsEnabled(id) && d.IsShown(id)) fields.push_back({&row, k, id});
            }
        }
        return fields;
    }
};

TEST_P(EveryScreen, TemplateHoldsEveryBoundControlWithItsKind) {
    const DialogTemplate& t = ScreenTemplate(screen());
    EXPECT_EQ(t.number, screen().number);
    EXPECT_EQ(t.caption, screen().caption);
    for (const Row& row : screen().rows) {
        for (int k = 0; k < SlotsOf(screen(), row); ++k) {
            const Control* c = t.Find(SlotId(row.id, k));
            ASSERT_NE(c, nullptr) << row.label;
            EXPECT_EQ(c->kind, KindOf(row)) << row.label;
        }
        if (row.HasField()) {
            ASSERT_NE(t.Find(LabelId(row.id)), nullptr) << row.label;
            EXPECT_EQ(t.Find(LabelId(row.id))->text, row.label);
        }
    }
    ASSERT_NE(t.Find(screen().help_button), nullptr);
    EXPECT_EQ(t.Find(kOkId)->kind, ControlKind::DefaultButton);
    EXPECT_EQ(t.Find(kCancelId) != nullptr, screen().cancel_button);
}

TEST_P(EveryScreen, HelpOpensItsTopicAndLeavesTheScreenOpen) {
    std::string caption;
    for (const HelpTopic& topic : kHelpTopics) {
        if (topic.file == std::string(screen().help_file)) caption = topic.caption;
    }
    ASSERT_FALSE(caption.empty()) << screen().help_file;
    const std::string file = screen().help_file;
    std::filesystem::create_directory("Help");
    std::filesystem::copy_file(VELMAR_SOURCE_DIR "/interface/resources/Help/" + file, "Help/" + file);
    ui.Expect(screen().number)
        .Click(screen().help_button)
        .Expect(kHelpTextDialog)
        .Inspect([&](Dialog& d) {
            EXPECT_EQ(d.Caption(), caption);
            EXPECT_EQ(d.Text(kHelpTextBox), *ReadHelpFile(file));
        })
        .PressOk()
        .PressEscape();
    EXPECT_EQ(ShowScreen(ui, kMainWindow, screen()), LeftAccepted());
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_P(EveryScreen, FieldsShowTheirWorkingCopiesAndEnablementFollowsItsRule) {
    ui.Expect(screen().number).Inspect([&](Dialog& d) {
        const ProjectRecord& r = Project();
        for (const Row& row : screen().rows) {
            for (int k = 0; k < SlotsOf(screen(), row); ++k) {
                const int id = SlotId(row.id, k);
                if (row.kind == RowKind::Number || row.kind == RowKind::Computed) {
                    // A value that means nothing while its row is disabled is not shown.
                    const bool empty = row.empty_when_disabled && row.enabled && !row.enabled(r, k);
                    const std::string shown =
                        row.name ? row.name.In(r, k) : FormatNumberText(row.real.In(r, k));
                    EXPECT_EQ(d.Text(id), empty ? "" : shown) << row.label;
                    if (row.empty_when_disabled) {
                        EXPECT_EQ(d.IsEnabled(LabelId(row.id)), !empty) << row.label;
                    }
                }
                if ((row.kind == RowKind::Radio || row.kind == RowKind::Check) && row.flag) {
                    if (!d.Checked(id)) continue;
                    EXPECT_EQ(row.flag.In(r, k), 1) << row.label;
                }
                if (row.enabled) {
                    EXPECT_EQ(d.IsEnabled(id), row.enabled(r, k)) << row.label;
                }
                if (row.shown) {
                    EXPECT_EQ(d.IsShown(id), row.shown(r, k)) << row.label;
                }
            }
        }
    });
    EXPECT_EQ(ShowScreen(ui, kMainWindow, screen()), LeftAccepted());
}

TEST_P(EveryScreen, OkCommitsWhatWasTyped) {
    std::vector<TypableField> typed;
    // Each field gets a value of its own, typed as a user would, leaving each field for
    // the next; then OK. Whatever the chain opens next is cancelled.
    ui.Expect(screen().number).Inspect([&](Dialog& d) {
        typed = TypableFields(d);
        auto& dialog = static_cast<ScriptedDialog&>(d);
        for (std::size_t i = 0; i < typed.size(); ++i)
            dialog.UserType(typed[i].id, FormatNumberText(2.5 + i));
        dialog.UserClick(kOkId);
    });
    ShowScreen(ui, kMainWindow, screen());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        EXPECT_EQ(typed[i].row->real_value.In(Project(), typed[i].slot), 2.5 + i) << typed[i].row->label;
    }
    if (!typed.empty()) {
        EXPECT_TRUE(Shell().changes);
    }
}

TEST_P(EveryScreen, CancelPutsBackTheCommittedValues) {
    std::vector<TypableField> typed;
    ui.Expect(screen().number).Inspect([&](Dialog& d) {
        typed = TypableFields(d);
        auto& dialog = static_cast<ScriptedDialog&>(d);
        for (const TypableField& f : typed) dialog.UserType(f.id, "7");
        dialog.UserEscape();
    });
    if (LeftAccepted()) {
        // Closing as OK is sound only on a screen that holds nothing to put back.
        EXPECT_TRUE(ShowScreen(ui, kMainWindow, screen()));
        for (const Row& row : screen().rows) {
            EXPECT_FALSE(row.real_value || row.flag_value || row.name_value) << row.label;
        }
        return;
    }
    EXPECT_FALSE(ShowScreen(ui, kMainWindow, screen()));
    for (const TypableField& f : typed) {
        EXPECT_EQ(f.row->real.In(Project(), f.slot), f.row->real_value.In(Project(), f.slot)) << f.row->label;
    }
    EXPECT_FALSE(Shell().changes);
}

TEST_P(EveryScreen, AnInvalidNumberNeverReachesTheRecord) {
    std::vector<TypableField> typed;
    std::vector<double> before;
    ui.Expect(screen().number).Inspect([&](Dialog& d) {
        typed = TypableFields(d);
        for (const TypableField& f : typed) before.push_back(f.row->real_value.In(Project(), f.slot));
        auto& dialog = static_cast<ScriptedDialog&>(d);
        for (const TypableField& f : typed) {
            dialog.UserType(f.id, "1,5");
            dialog.UserClick(kOkId);
            if (dialog.ended()) return;
        }
    });
    ShowScreen(ui, kMainWindow, screen());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        EXPECT_EQ(typed[i].row->real_value.In(Project(), typed[i].slot), before[i]) << typed[i].row->label;
    }
}

// Each screen's caption and help topic as the screen descriptions give them, written out
// here on their own so that a screen given another's caption or topic fails.
struct Described {
    int number;
    const char* caption;
    const char* help_file;
};
constexpr Described kDescribed[] = {
    {138, "Volume/Area/Depth & Length/Width Selection Screen", "system_data.txt"},
    {139, "System Property Data Entry Screen", "sys1_data.txt"},
    {140, "System Properties - Continued", "sys2_data.txt"},
    {141, "Constituent Selection", "const_data.txt"},
    {142, "Options Selected for TP Removal Rate", "const_p_data.txt"},
    {144, "Data Input Selection Screen", "data_input.txt"},
    {195, "Inflow Concentration Input", "inflow.txt"},
    {145, "TSS Input Option Selection Screen", "tss1.txt"},
    {146, "TSS Input Options - continued", "tss2.txt"},
    {149, "TSS Input Options - continued", "tss2.txt"},
    {152, "TSS Input Options - continued", "tss2.txt"},
    {147, "TSS Data Entry Screen", "tss3.txt"},
    {148, "TSS Data Entry Screen", "tss3.txt"},
    {150, "TSS Data Entry Screen", "tss3.txt"},
    {151, "TSS Data Entry Screen", "tss3.txt"},
    {153, "TSS Data Entry Screen", "tss3.txt"},
    {154, "TSS Data Entry Screen", "tss3.txt"},
    {204, "Calculated TSS Values", "tsscalc.txt"},
    {155, "TCB Data Entry Screen", "tcb.txt"},
    {156, "BOD Data Entry Screen", "bod.txt"},
    {157, "TN Known Parameter Selection Screen", "tn1.txt"},
    {158, "TN Areal or Volumetric Removal Rate Entry Screen", "tn2.txt"},
    {159, "Specify Nitrogen Removal Rate Entry Screen", "tn2.txt"},
    {160, "Specify Nitrogen Removal Rate Entry Screen", "tn2.txt"},
    {161, "TN Data Entry Screen", "tn5.txt"},
    {162, "TP Areal or Volumetric Removal Rate Entry Screen", "tp1.txt"},
    {163, "Specify Phosphorous Removal Rate Entry Screen", "tp1.txt"},
    {164, "Specify Phosphorous Removal Rate Entry Screen", "tp1.txt"},
    {189, "TP Wetland Age / Methods Selection Screen", "tp4.txt"},
    {190, "New Wetland Input for Water Column Phosphorus", "tp7.txt"},
    {193, "New Wetland Variable Input Screen", "tp11.txt"},
    {185, "TP Load-Type Input Screen", "tp8.txt"},
    {191, "Active Sediment Layer Bulk Density Needed", "tp9.txt"},
    {192, "TP Determination of Wetland Age Screen", "tp10.txt"},
    {186, "Established Wetland Parameter Entry Screen", "contam19.txt"},
    {187, "Mass Transfer Velocities", "contam20.txt"},
    {167, "Additional Sediment Information Required to Proceed", "tp5.txt"},
    {168, "Additional Required Sediment Data", "tp6.txt"},
    {205, "Calculated Values", "contam23.txt"},
    {203, "Calculated Surficial Sediment Layer Values", "contam22.txt"},
    {188, "Active sediment layer bulk density, Vb, Vr and Vn", "contam21.txt"},
    {165, "Contaminants Gerneral Information Screen", "contam1.txt"},
    {166, "Organic Chemical & Short Lived Radionuclides Half-Lives", "contam2.txt"},
    {175, "Organic Chemical Volatilization Rate and Distribution Coefficients", "contam11.txt"},
    {176, "Organic Chemical & Short Lived Radionuclides Removal Rates", "contam12.txt"},
    {206, "Calculated Organic Contaminant Values", "contam24.txt"},
    {177, "Organic Chemical Mass Transfer Velocities", "contam13.txt"},
    {178, "Heavy Metal Distribution Coefficient Information Screen", "contam14.txt"},
    {179, "Heavy Metal & Long Life Radionuclides Input Screen", "contam15.txt"},
    {207, "Calculated Heavy Metal Values", "contam25.txt"},
    {171, "Heavy Metal Mass Transfer Velocities", "contam7.txt"},
};

TEST(ScreenDescriptions, EveryScreenHasItsOwnCaptionAndHelpTopic) {
    for (const Described& described : kDescribed) {
        SCOPED_TRACE(described.number);
        bool registered = false;
        for (const DataScreen* screen : AllScreens()) {
            if (screen->number != described.number) continue;
            registered = true;
            EXPECT_STREQ(screen->caption, described.caption);
            EXPECT_STREQ(screen->help_file, described.help_file);
        }
        EXPECT_TRUE(registered);
    }
    for (const DataScreen* screen : AllScreens()) {
        EXPECT_TRUE(std::any_of(std::begin(kDescribed), std::end(kDescribed),
                                [screen](const Described& d) { return d.number == screen->number; }))
            << screen->number;
    }
}

// A few controls per screen whose enablement the screen descriptions state outright,
// checked on the screen as it opens.
struct EnablementCase {
    const char* rule;
    const DataScreen* screen;
    void (*setup)(ProjectRecord&);
    int id;
    bool enabled;
};

void OneMetalKdwEntered(ProjectRecord& r) {
    r.NumHM_LLR = r.NumHM_LLR_temp = 1;
    r.checked_HMKdwInput = 1;
    r.checked_HMKdwCalc = 0;
}
void TwoMetalsKdwEstimated(ProjectRecord& r) {
    r.NumHM_LLR = r.NumHM_LLR_temp = 2;
    r.checked_HMKdwInput = 0;
    r.checked_HMKdwCalc = 1;
}
void NoMetals(ProjectRecord& r) {
    r.NumHM_LLR = r.NumHM_LLR_temp = 0;
}
void TwoOrganicsAllEntered(ProjectRecord& r) {
    r.NumOC_SLR = r.NumOC_SLR_temp = 2;
    r.checked_KdwInput = r.checked_KdsInput = r.checked_kvInput = 1;
    r.checked_KdwCalc = r.checked_KdsCalc = r.checked_kvCalc = 0;
}
void OneOrganicKdsCalculated(ProjectRecord& r) {
    r.NumOC_SLR = r.NumOC_SLR_temp = 1;
    r.checked_KdwInput = r.checked_kvInput = 1;
    r.checked_KdwCalc = r.checked_kvCalc = 0;
    r.checked_KdsInput = 0;
    r.checked_KdsCalc = 1;
}
void NoOrganics(ProjectRecord& r) {
    r.NumOC_SLR = r.NumOC_SLR_temp = 0;
}
void LoadAndEnteredDensity(ProjectRecord& r) {
    r.UserSelectedTPLoad = 1;
    r.InputARhoB = 1;
}
void FlowTimesConcentrationAndPorosity(ProjectRecord& r) {
    r.UserSelectedTPLoad = 0;
    r.InputARhoB = 0;
}
void NewWetlandOption(ProjectRecord& r, std::int32_t ProjectRecord::*option) {
    for (const auto flag : {&ProjectRecord::checked_fi1, &ProjectRecord::checked_fi2, &ProjectRecord::checked_fi3,
                            &ProjectRecord::checked_fo1, &ProjectRecord::checked_fo2, &ProjectRecord::checked_fo3,
                            &ProjectRecord::checked_fpw_l, &ProjectRecord::checked_fdw}) {
        r.*flag = 0;
    }
    r.*option = 1;
}
void NewWetlandFi3(ProjectRecord& r) {
    NewWetlandOption(r, &ProjectRecord::checked_fi3);
}
void NewWetlandFdw(ProjectRecord& r) {
    NewWetlandOption(r, &ProjectRecord::checked_fdw);
}

const EnablementCase kEnablement[] = {
    {"metal column 1 always", &kHeavyMetalInput, NoMetals, SlotId(heavy_metal_input::kDiffusivityRow, 0), true},
    {"metal column 2 with one metal", &kHeavyMetalInput, OneMetalKdwEntered, SlotId(heavy_metal_input::kNameRow, 1),
     false},
    {"metal Kdw entered", &kHeavyMetalInput, OneMetalKdwEntered, SlotId(heavy_metal_input::kKdwRow, 0), true},
    {"metal Kdw estimated", &kHeavyMetalInput, TwoMetalsKdwEstimated, SlotId(heavy_metal_input::kKdwRow, 1), false},
    {"organic column 3 with two", &kOrganicRemovalRates, TwoOrganicsAllEntered,
     SlotId(organic_removal_rates::kKdsRow, 2), false},
    {"organic Kds entered", &kOrganicRemovalRates, TwoOrganicsAllEntered, SlotId(organic_removal_rates::kKdsRow, 1),
     true},
    {"organic Kow when Kds calculated", &kOrganicRemovalRates, OneOrganicKdsCalculated,
     SlotId(organic_removal_rates::kKowRow, 0), true},
    {"organic Kow when nothing calculated", &kOrganicRemovalRates, TwoOrganicsAllEntered,
     SlotId(organic_removal_rates::kKowRow, 0), false},
    {"organic Henry only when Kv calculated", &kOrganicRemovalRates, OneOrganicKdsCalculated,
     SlotId(organic_removal_rates::kHenryRow, 0), false},
    {"bed carbon when Kds calculated", &kOrganicRemovalRates, OneOrganicKdsCalculated,
     organic_removal_rates::kBedCarbonRow, true},
    {"half-life column 2 with one", &kHalfLives, OneOrganicKdsCalculated, SlotId(half_lives::kHalfLifeRow, 1), false},
    {"Kv group without organics", &kOrganicCoefficientChoice, NoOrganics, organic_coefficient_choice::kKvInput, false},
    {"Kv group with organics", &kOrganicCoefficientChoice, OneOrganicKdsCalculated,
     organic_coefficient_choice::kKvCalculate, true},
    {"age: daily load", &kWetlandAgeDetermination, LoadAndEnteredDensity, wetland_age::kDailyLoadingField, true},
    {"age: flow with load", &kWetlandAgeDetermination, LoadAndEnteredDensity, wetland_age::kFlowField, false},
    {"age: porosity with density", &kWetlandAgeDetermination, LoadAndEnteredDensity, wetland_age::kPorosityField,
     false},
    {"age: concentration", &kWetlandAgeDetermination, FlowTimesConcentrationAndPorosity,
     wetland_age::kConcentrationField, true},
    {"age: dry density", &kWetlandAgeDetermination, FlowTimesConcentrationAndPorosity, wetland_age::kDryDensityField,
     true},
    {"age: bulk density calculated", &kWetlandAgeDetermination, FlowTimesConcentrationAndPorosity,
     wetland_age::kBulkDensityField, false},
    {"new wetland fi3: Kdw", &kNewWetlandInput, NewWetlandFi3, new_wetland_input::kKdwField, true},
    {"new wetland fi3: solids", &kNewWetlandInput, NewWetlandFi3, new_wetland_input::kSuspendedSolidsField, true},
    {"new wetland fi3: f_o", &kNewWetlandInput, NewWetlandFi3, new_wetland_input::kFoField, false},
    {"new wetland f_dw", &kNewWetlandInput, NewWetlandFdw, new_wetland_input::kFdwlField, true},
    {"new wetland f_dw: F_dw", &kNewWetlandInput, NewWetlandFdw, new_wetland_input::kFdwField, false},
};

class Enablement : public ShellTest {};

TEST_F(Enablement, ControlsAreEnabledAsTheScreenDescriptionsSay) {
    ui.DismissWhenScriptEnds();
    for (const EnablementCase& c : kEnablement) {
        SCOPED_TRACE(c.rule);
        Project() = ProgramStartRecord();
        c.setup(Project());
        ui.Expect(c.screen->number).Inspect([&c](Dialog& d) { EXPECT_EQ(d.IsEnabled(c.id), c.enabled); });
        ShowScreen(ui, kMainWindow, *c.screen);
        EXPECT_TRUE(ui.ScriptDone());
    }
}

std::string ScreenName(const ::testing::TestParamInfo<const DataScreen*>& info) {
    return RegisteredScreenName(*info.param);
}

INSTANTIATE_TEST_SUITE_P(Registry, EveryScreen, ::testing::ValuesIn(AllScreens()), ScreenName);

}  // namespace
}  // namespace velmar::testing
