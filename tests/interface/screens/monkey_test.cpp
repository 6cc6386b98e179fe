// A monkey at every registered screen: random clicks, typing (numbers, garbage, huge and
// empty texts), check marks, spins, focus changes, OK, Cancel, Escape and Help, for a fixed
// number of steps per seed. Whatever the screens open on the way is cancelled and every
// message is answered. No screen may crash or throw, no field may ever show a value that
// is not a finite number, and no value the screen edits may become one.
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "interface/screens/framework/registry.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

constexpr int kSeeds = 12;
constexpr int kStepsPerSeed = 150;

const std::vector<std::string> kTexts = {
    "",
    "0",
    "1",
    "-1",
    "2.5",
    "1e6",
    "1e-6",
    "1e300",
    "-1e300",
    "1e-300",
    "7",
    "100",
    ".",
    "1-2",
    "+-5",
    "1e",
    "e5",
    "1,5",
    "abc",
    " 3",
    "1e400",
    "nan",
    "inf",
    "0.000001",
    std::string(99, '9'),
    std::string(150, '1'),
    "Toluene",
    "Benzo pyrene",
    "Pentachlorophenol",
};

class Monkey {
public:
    Monkey(const DataScreen& screen, unsigned seed) : screen_(screen), random_(seed) {}

    // Plays steps on the open screen until it closes or the steps run out.
    void Play(ScriptedDialog& d, int& steps_left) {
        const DialogTemplate& t = ScreenTemplate(screen_);
        while (steps_left-- > 0 && !d.ended()) {
            const Control& c = t.controls[Pick(t.controls.size())];
            if (!d.IsEnabled(c.id) || !d.IsShown(c.id)) continue;
            Act(d, c);
            if (!d.ended()) ExpectFiniteFields(d);
        }
    }

private:
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    void Act(ScriptedDialog& d, const Control& c) {
        switch (c.kind) {
            case ControlKind::NumberField:
            case ControlKind::TextField:
                typed_[c.id] = kTexts[Pick(kTexts.size())];
                d.UserType(c.id, typed_[c.id]);
                break;
            case ControlKind::ReadOnlyField: d.UserFocus(c.id); break;
            case ControlKind::CheckList:
                if (d.ItemCount(c.id) > 0) {
                    const int item = static_cast<int>(Pick(static_cast<std::size_t>(d.ItemCount(c.id))));
                    d.UserCheckItem(c.id, item, !d.ItemChecked(c.id, item));
                }
                break;
            case ControlKind::Spin: d.UserSpin(c.id, static_cast<int>(Pick(7)) - 3); break;
            case ControlKind::RadioButton:
            case ControlKind::CheckBox:
            case ControlKind::PushButton:
            case ControlKind::DefaultButton: d.UserClick(c.id); break;
            case ControlKind::Label:
                if (Pick(8) == 0) d.UserEscape();  // now and then, the Escape key
                break;
            default: break;
        }
    }

    // A number field shows "inf" or "nan" only when the user typed just that there.
    void ExpectFiniteFields(const ScriptedDialog& d) {
        for (const Row& row : screen_.rows) {
            if (row.kind != RowKind::Number && row.kind != RowKind::Computed) continue;
            for (int k = 0; k < (row.PerSlot() ? screen_.slot_columns : 1); ++k) {
                const int id = SlotId(row.id, k);
                const std::string text = d.Text(id);
                const bool not_finite =
                    text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
                if (not_finite && typed_[id] != text) {
                    ADD_FAILURE() << "screen " << screen_.number << " shows \"" << text << "\" in "
                                  << row.label;
                }
            }
        }
    }

    const DataScreen& screen_;
    std::mt19937 random_;
    std::map<int, std::string> typed_;  // the last text the user typed into each field
};

// Every real value a screen's rows bind, in every slot.
void ExpectFiniteBoundValues(const DataScreen& screen, const ProjectRecord& r) {
    for (const Row& row : screen.rows) {
        for (int k = 0; k < (row.PerSlot() ? screen.slot_columns : 1); ++k) {
            for (const Ref<double>& value : {row.real, row.real_value}) {
                if (value) {
                    EXPECT_TRUE(std::isfinite(value.In(r, k))) << screen.number << " " << row.label;
                }
            }
        }
    }
}

// Two of volume, area and depth and one of length and width, as the selection screen
// leaves them, varied with the seed.
void ChooseGeometry(unsigned seed) {
    ProjectRecord& r = Project();
    std::int32_t* dimensions[][2] = {{&r.checked_Volume, &r.checked_Volume_temp},
                                     {&r.checked_Area, &r.checked_Area_temp},
                                     {&r.checked_Depth, &r.checked_Depth_temp}};
    for (unsigned i = 0; i < 3; ++i) *dimensions[i][0] = *dimensions[i][1] = i != seed % 3;
    r.checked_Length = r.checked_Length_temp = seed % 2;
    r.checked_Width = r.checked_Width_temp = 1 - seed % 2;
}

class MonkeyAtEveryScreen : public ShellTest, public ::testing::WithParamInterface<const DataScreen*> {};

TEST_P(MonkeyAtEveryScreen, NeverCrashesThrowsOrShowsANonFiniteValue) {
    const DataScreen& screen = *GetParam();
    for (unsigned seed = 1; seed <= kSeeds; ++seed) {
        ClearProject();
        ChooseGeometry(seed);
        Monkey monkey(screen, seed);
        int steps = kStepsPerSeed;
        while (steps > 0) {
            ScriptedUi ui;
            ui.DismissWhenScriptEnds();
            ui.Expect(screen.number).Inspect([&](Dialog& d) {
                monkey.Play(static_cast<ScriptedDialog&>(d), steps);
            });
            ASSERT_NO_THROW(ShowScreen(ui, kMainWindow, screen)) << "seed " << seed;
            ExpectFiniteBoundValues(screen, Project());
        }
    }
}

std::string ScreenName(const ::testing::TestParamInfo<const DataScreen*>& info) {
    return RegisteredScreenName(*info.param);
}

INSTANTIATE_TEST_SUITE_P(Registry, MonkeyAtEveryScreen, ::testing::ValuesIn(AllScreens()), ScreenName);

}  // namespace
}  // namespace velmar::testing
