// Every registered screen, checked the same way: its template holds each bound control with
// the right kind, Help opens its topic, the fields show their working copies, OK commits
// what was typed, Cancel reverts it, an invalid number never reaches the record, and each
// control's enablement follows its rule. A screen added to the registry is checked here
// without a line of its own.
#include "interface/screens/framework/registry.h"

#include <filesystem>
#include <string>
#include <vector>

#include "interface/resources/help_topics.h"
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

std::string ScreenName(const ::testing::TestParamInfo<const DataScreen*>& info) {
    return RegisteredScreenName(*info.param);
}

INSTANTIATE_TEST_SUITE_P(Registry, EveryScreen, ::testing::ValuesIn(AllScreens()), ScreenName);

}  // namespace
}  // namespace velmar::testing
