// Every screen worked from the keyboard alone on real widgets, and named for a screen
// reader: Tab order, keys that change each kind of input, accessible names, the opening
// focus, and the System Data chain and the contaminant entry screen entered by keys only;
// the hand-laid dialogs named and without a shared accelerator.
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "interface/analysis/calibrate_window.h"
#include "interface/analysis/compare_window.h"
#include "interface/analysis/series_window.h"
#include "interface/analysis/size_window.h"
#include "interface/analysis/sweep_window.h"
#include "interface/analysis/uncertainty_window.h"
#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/templates.h"
#include "interface/results/comparison_screen.h"
#include "interface/results/results_screen.h"
#include "interface/screens/constituent_selection.h"
#include "interface/screens/framework/registry.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/organics.h"
#include "interface/screens/system.h"
#include "interface/session/state.h"
#include "interface/shell/about.h"
#include "interface/shell/options.h"
#include "interface/shell/run_model.h"
#include "interface/shell/screen_inputs.h"
#include "interface/shell/startup.h"
#include "project/project_file.h"
#include "tests/interface/platform/qt/qt_test_main.h"
#include "tests/interface/support/message_answerer.h"
#include "tests/interface/support/sample_dialog.h"

namespace velmar::testing {
namespace {

using K = ControlKind;

// ---- Keys, as a user's keyboard sends them: to whatever has the focus ----

QWidget* Focus() {
    return QApplication::focusWidget();
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_NE(Focus(), nullptr);
    QTest::keyClick(Focus(), key, modifiers);
}

void Type(const char* text) {
    ASSERT_NE(Focus(), nullptr);
    QTest::keyClicks(Focus(), text);
}

void Activate(QtDialog& d) {
    QApplication::setActiveWindow(d.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.window()));
}

class KeyboardOnQt : public QtTest {
protected:
    KeyboardOnQt() {
        Project() = ProgramStartRecord();
        Shell() = ShellState{};
        ClearProject();
    }

    // Runs `keys` on each dialog as it opens, by template number; a dialog without keys of
    // its own is closed at once, as not accepted.
    void OnOpened(std::map<int, std::function<void(QtDialog&)>> keys) {
        ui.OnDialogOpened([this, keys](QtDialog& d) {
            opened.push_back(d.TemplateNumber());
            auto found = keys.find(d.TemplateNumber());
            if (found == keys.end()) {
                d.End(0);
                return;
            }
            QTimer::singleShot(0, d.window(), [&d, act = found->second] {
                Activate(d);
                act(d);
            });
        });
    }

    QtUi ui;
    std::vector<int> opened;
    MessageAnswerer answerer;
};

// ---- Reading a dialog as a sighted user does ----

QRect Place(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// On the same line: each one's middle lies within the other's height.
bool SameLine(const QRect& a, const QRect& b) {
    return a.top() <= b.center().y() && b.center().y() <= a.bottom() && b.top() <= a.center().y() &&
           a.center().y() <= b.bottom();
}

// b comes after a in reading order: further right on the same line, or on a later line.
bool ReadAfter(const QWidget* a, const QWidget* b) {
    const QRect pa = Place(a), pb = Place(b);
    return SameLine(pa, pb) ? pb.left() > pa.left() : pb.center().y() > pa.center().y();
}

// The text a sighted user reads as a field's name: the nearest label to its left on its
// line, or, with none there, the nearest label above it.
QString SeenLabel(QtDialog& d, const DialogTemplate& t, const QWidget* field) {
    const QRect at = Place(field);
    const QLabel* best = nullptr;
    bool beside = false;
    for (const Control& c : t.controls) {
        auto* label = qobject_cast<QLabel*>(d.widget(c.id));
        if (c.kind != K::Label || !label || !label->isVisible()) continue;
        const QRect l = Place(label);
        if (SameLine(l, at) && l.right() < at.left()) {
            if (!beside || l.right() > Place(best).right()) best = label;
            beside = true;
        } else if (!beside && l.bottom() < at.top() && l.left() <= at.right() && at.left() <= l.right()) {
            if (!best || l.bottom() > Place(best).bottom()) best = label;
        }
    }
    return best ? best->text() : QString();
}

// The heading a sighted user reads over a field that stands in a column of fields, beside
// others on its line: the nearest label above it that keeps within the field's width ("(2)"
// over a slot's field).
QString SeenHeading(QtDialog& d, const DialogTemplate& t, const QWidget* field) {
    const QRect at = Place(field);
    const bool in_a_row = std::any_of(t.controls.begin(), t.controls.end(), [&](const Control& c) {
        auto* other = qobject_cast<QLineEdit*>(d.widget(c.id));
        return other && other != field && other->isVisible() && SameLine(Place(other), at);
    });
    if (!in_a_row) return {};
    const QLabel* best = nullptr;
    for (const Control& c : t.controls) {
        auto* label = qobject_cast<QLabel*>(d.widget(c.id));
        if (c.kind != K::Label || !label || !label->isVisible()) continue;
        const QRect l = Place(label);
        const bool over = l.bottom() < at.top() && at.left() <= l.left() && l.right() <= at.right();
        if (over && (!best || l.bottom() > Place(best).bottom())) best = label;
    }
    return best ? best->text() : QString();
}

// A field is named by its label, and a field in a column by its label and its column's
// heading: "Log Kow (2)".
QString SeenName(QtDialog& d, const DialogTemplate& t, const QWidget* field) {
    QString name = SeenLabel(d, t, field);
    const QString heading = SeenHeading(d, t, field);
    if (heading.isEmpty()) return name;
    if (name.endsWith(':')) name.chop(1);
    return name + ' ' + heading;
}

QString AccessibleName(QWidget* w) {
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(w);
    return seen ? seen->text(QAccessible::Name) : QString("(none)");
}

bool Usable(const QWidget* w) {
    return w->isEnabled() && w->isVisible();
}

// The controls Tab should stop at: every usable field, list, check box, count and button,
// and of each radio group the checked button (its first usable one while none is).
std::set<QWidget*> ExpectedStops(QtDialog& d, const DialogTemplate& t) {
    std::set<QWidget*> stops;
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const Control& c = t.controls[i];
        QWidget* w = d.widget(c.id);
        const bool count =
            c.kind == K::ReadOnlyField && i + 1 < t.controls.size() && t.controls[i + 1].kind == K::Spin;
        switch (c.kind) {
            case K::NumberField:
            case K::TextField:
            case K::CheckBox:
            case K::CheckList:
            case K::PushButton:
            case K::DefaultButton:
                if (Usable(w)) stops.insert(w);
                break;
            case K::ReadOnlyField:
                if (count && Usable(w)) stops.insert(w);
                break;
            case K::RadioButton: {
                const QList<QAbstractButton*> group = static_cast<QRadioButton*>(w)->group()->buttons();
                QAbstractButton* stop = nullptr;
                for (QAbstractButton* b : group) {
                    if (Usable(b) && (b->isChecked() || !stop)) stop = b;
                    if (stop && stop->isChecked()) break;
                }
                if (stop == w) stops.insert(w);
                break;
            }
            default: break;
        }
    }
    return stops;
}

bool IsInput(const QWidget* w) {
    return !qobject_cast<const QPushButton*>(w);
}

// ---- Every registered screen ----

class KeyboardAtEveryScreen : public KeyboardOnQt, public ::testing::WithParamInterface<const DataScreen*> {
protected:
    KeyboardAtEveryScreen() {
        // Everything modelled and every slot in use, so that as much as possible is open.
        ProjectRecord& r = Project();
        for (auto flag :
             {&ProjectRecord::model_tss, &ProjectRecord::model_tcb, &ProjectRecord::model_bod,
              &ProjectRecord::model_n, &ProjectRecord::model_p, &ProjectRecord::model_contaminant})
            r.*flag = 1;
        r.NumOC_SLR = r.NumOC_SLR_temp = r.NumHM_LLR = r.NumHM_LLR_temp = 3;
    }
};

// Tab from the control the screen opens on visits every usable input and button once, in
// reading order, and comes back to it.
void CheckTabOrder(QtDialog& d, const DialogTemplate& t) {
    const std::set<QWidget*> expected = ExpectedStops(d, t);
    QWidget* first = Focus();
    ASSERT_TRUE(expected.count(first)) << "opens on " << first->objectName().toStdString();
    const bool has_input = std::any_of(expected.begin(), expected.end(), IsInput);
    EXPECT_EQ(IsInput(first), has_input) << "opens on " << first->objectName().toStdString();
    std::vector<QWidget*> visited{first};
    for (std::size_t i = 0; i <= expected.size(); ++i) {
        Press(Qt::Key_Tab);
        if (Focus() == first) break;
        visited.push_back(Focus());
    }
    EXPECT_EQ(Focus(), first) << "Tab does not come back round";
    EXPECT_EQ(std::set<QWidget*>(visited.begin(), visited.end()), expected);
    EXPECT_EQ(visited.size(), expected.size()) << "a control is visited twice";
    for (std::size_t i = 1; i < visited.size(); ++i) {
        EXPECT_TRUE(ReadAfter(visited[i - 1], visited[i]))
            << visited[i - 1]->objectName().toStdString() << " then "
            << visited[i]->objectName().toStdString();
    }
}

// A key changes each input: typing a field, Space on a check box or list item, an arrow in
// a radio group, Up (or Down at the top) on a count.
void CheckInputsChangeByKeys(QtDialog& d, const DialogTemplate& t) {
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const Control& c = t.controls[i];
        QWidget* w = d.widget(c.id);
        if (!Usable(w) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        w->setFocus(Qt::TabFocusReason);
        const std::string where = std::to_string(c.id);
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            const QString before = field->text();
            if (c.kind == K::ReadOnlyField) {
                Press(before == "3" ? Qt::Key_Down : Qt::Key_Up);
            } else {
                Type("7");
            }
            EXPECT_NE(field->text(), before) << where;
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            const bool before = box->isChecked();
            Press(Qt::Key_Space);
            EXPECT_NE(box->isChecked(), before) << where;
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            const QList<QAbstractButton*> group = radio->group()->buttons();
            if (std::count_if(group.begin(), group.end(), Usable) < 2) continue;
            QAbstractButton* before = radio->group()->checkedButton();
            Press(Qt::Key_Down);
            EXPECT_NE(radio->group()->checkedButton(), before) << where;
            EXPECT_EQ(radio->group()->checkedButton(), Focus()) << where;
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            const int row = std::max(list->currentRow(), 0);
            const Qt::CheckState before = list->item(row)->checkState();
            Press(Qt::Key_Space);
            EXPECT_NE(list->item(row)->checkState(), before) << where;
        }
    }
}

// Each field, count and list is named by the label a sighted user reads beside or above
// it, with its column's heading; buttons and boxes by their own text.
void CheckAccessibleNames(QtDialog& d, const DialogTemplate& t) {
    for (const Control& c : t.controls) {
        QWidget* w = d.widget(c.id);
        if (!w->isVisible()) continue;
        const std::string where = std::to_string(c.id);
        switch (c.kind) {
            case K::NumberField:
            case K::ReadOnlyField:
            case K::TextField:
            case K::CheckList: EXPECT_EQ(AccessibleName(w), SeenName(d, t, w)) << where; break;
            case K::CheckBox:
            case K::RadioButton:
            case K::PushButton:
            case K::DefaultButton:
                EXPECT_EQ(AccessibleName(w), static_cast<QAbstractButton*>(w)->text()) << where;
                break;
            default: break;
        }
    }
}

TEST_P(KeyboardAtEveryScreen, TabVisitsEachInputInReadingOrderKeysChangeEachAndLabelsNameThem) {
    const DataScreen& screen = *GetParam();
    const DialogTemplate& t = ScreenTemplate(screen);
    ui.OnDialogOpened([&](QtDialog& d) {
        opened.push_back(d.TemplateNumber());
        if (d.TemplateNumber() != screen.number || opened.size() > 1) {
            d.End(0);  // whatever a key opens on the way
            return;
        }
        QTimer::singleShot(0, d.window(), [&] {
            Activate(d);
            CheckAccessibleNames(d, t);
            CheckTabOrder(d, t);
            CheckInputsChangeByKeys(d, t);
            d.End(0);
        });
    });
    ShowScreen(ui, kNoOwner, screen);
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(opened.front(), screen.number);
}

std::string ScreenName(const ::testing::TestParamInfo<const DataScreen*>& info) {
    return RegisteredScreenName(*info.param);
}

INSTANTIATE_TEST_SUITE_P(Registry, KeyboardAtEveryScreen, ::testing::ValuesIn(AllScreens()), ScreenName);

// ---- The hand-laid dialogs ----

// The letter that Alt with it presses ("Save C&hart..." gives h), or none; "&&" is an "&".
QChar Accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1].toLower();
        ++i;
    }
    return {};
}

QString ShownText(const QWidget* w) {
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(w)) return group->title();
    return {};
}

bool TakesInput(ControlKind kind) {
    switch (kind) {
        case K::NumberField:
        case K::ReadOnlyField:
        case K::TextField:
        case K::RadioButton:
        case K::CheckBox:
        case K::CheckList:
        case K::ChoiceList:
        case K::PushButton:
        case K::DefaultButton:
        case K::Link: return true;
        default: return false;
    }
}

// Each hand-laid dialog opened as the program opens it, by template number.
struct HandLaid {
    const char* name;
    int number;
    void (*open)(QtUi& ui);
};

const HandLaid kHandLaid[] = {
    {"About", kAboutDialog, [](QtUi& ui) { ShowAbout(ui, kNoOwner); }},
    {"Disclaimer", kDisclaimerDialog, [](QtUi& ui) { ShowDisclaimer(ui); }},
    {"Options", kProgramOptionsDialog, [](QtUi& ui) { ShowProgramOptions(ui); }},
    {"SaveData", kSaveDataDialog, [](QtUi& ui) { AskSaveData(ui); }},
    {"Results", kResultsDialog, [](QtUi& ui) { ShowResultsScreen(ui, kNoOwner, false, ""); }},
    {"Comparison", kComparisonDialog, [](QtUi& ui) { ShowComparisonScreen(ui, kNoOwner); }},
    {"Sweep", kSweepWindow, [](QtUi& ui) { ShowSweepWindow(ui, ScreenInputs()); }},
    {"Size", kSizeWindow, [](QtUi& ui) { ShowSizeWindow(ui, ScreenInputs()); }},
    {"Uncertainty", kUncertaintyWindow, [](QtUi& ui) { ShowUncertaintyWindow(ui, ScreenInputs()); }},
    {"Compare", kCompareWindow, [](QtUi& ui) { ShowCompareWindow(ui); }},
    {"TimeSeries", kSeriesWindow, [](QtUi& ui) { ShowSeriesWindow(ui); }},
    {"Calibrate", kCalibrateWindow, [](QtUi& ui) { ShowCalibrateWindow(ui, ScreenInputs()); }},
};

// Every input is named for a screen reader, and no two controls take the same Alt+letter.
void CheckNamesAndAccelerators(QtDialog& d, const DialogTemplate& t) {
    std::map<char16_t, int> taken;  // accelerator: the control that has it
    for (const Control& c : t.controls) {
        QWidget* w = d.widget(c.id);
        if (TakesInput(c.kind)) {
            EXPECT_FALSE(AccessibleName(w).isEmpty()) << c.id << " has no name";
        }
        const QChar key = Accelerator(ShownText(w));
        if (key.isNull()) continue;
        const auto [held, added] = taken.emplace(key.unicode(), c.id);
        EXPECT_TRUE(added) << "Alt+" << QString(key).toStdString() << " in " << held->second << " and "
                           << c.id;
    }
}

class HandLaidDialog : public KeyboardOnQt, public ::testing::WithParamInterface<HandLaid> {};

TEST_P(HandLaidDialog, EveryInputIsNamedAndNoTwoControlsShareAnAccelerator) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/organics_metals.inp", Project());  // the most to show
    const HandLaid& dialog = GetParam();
    ui.OnDialogOpened([&](QtDialog& d) {
        opened.push_back(d.TemplateNumber());
        if (d.TemplateNumber() != dialog.number) {
            d.End(0);  // whatever the dialog opens on the way
            return;
        }
        QTimer::singleShot(0, d.window(), [&d] {
            Activate(d);
            CheckNamesAndAccelerators(d, Template(d.TemplateNumber()));
            d.End(0);
        });
    });
    dialog.open(ui);
    EXPECT_NE(std::find(opened.begin(), opened.end(), dialog.number), opened.end());
}

INSTANTIATE_TEST_SUITE_P(Shell, HandLaidDialog, ::testing::ValuesIn(kHandLaid),
                         [](const ::testing::TestParamInfo<HandLaid>& info) {
                             return std::string(info.param.name);
                         });

// ---- The four faults users met ----

// Up, Page Up, Home and End on a count are the steps its arrows make, reported alike; the
// count's text is not typed into.
TEST_F(KeyboardOnQt, CountKeysStepWithinItsRangeAsItsArrowsDo) {
    struct Case {
        Qt::Key key;
        int from;
        int to;
    };
    const Case kCases[] = {
        {Qt::Key_Up, 0, 1},     {Qt::Key_Up, 3, 3},       {Qt::Key_Down, 2, 1}, {Qt::Key_Down, 0, 0},
        {Qt::Key_PageUp, 1, 3}, {Qt::Key_PageDown, 2, 0}, {Qt::Key_Home, 2, 0}, {Qt::Key_End, 1, 3},
    };
    std::vector<std::string> events;
    QtDialog d(ui, nullptr, kEveryKind,
               [&](Dialog&, const DialogEvent& e) { events.push_back(EventName(e)); });
    d.window()->show();
    Activate(d);
    auto* count = static_cast<QLineEdit*>(d.widget(11));
    count->setFocus(Qt::TabFocusReason);
    for (const Case& c : kCases) {
        d.SetSpinPosition(40, c.from);
        events.clear();
        Press(c.key);
        EXPECT_EQ(events, std::vector<std::string>{"Spin 40=" + std::to_string(c.to)})
            << c.key << " from " << c.from;
    }
    d.SetSpinPosition(40, 1);
    events.clear();
    QTest::mouseClick(d.widget(40)->findChildren<QToolButton*>().front(), Qt::LeftButton);
    EXPECT_EQ(events, std::vector<std::string>{"Spin 40=2"});  // the up arrow
    Type("5");
    EXPECT_EQ(count->text(), "3");
}

TEST_F(KeyboardOnQt, LinkIsATabStopThatSpaceOrReturnOpens) {
    std::vector<std::string> events;
    QtDialog d(ui, nullptr, kEveryKind,
               [&](Dialog&, const DialogEvent& e) { events.push_back(EventName(e)); });
    d.window()->show();
    Activate(d);
    d.widget(50)->setFocus(Qt::TabFocusReason);
    events.clear();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) Press(key);
    EXPECT_EQ(events, (std::vector<std::string>{"Clicked 50", "Clicked 50", "Clicked 50"}));
    EXPECT_EQ(Focus(), d.widget(50));
}

TEST_F(KeyboardOnQt, CountsAreSetWithTheKeysOnTheContaminantScreen) {
    using namespace contaminant_info;
    Project().NumOC_SLR = Project().NumOC_SLR_temp = 1;
    std::string organic, metal;
    OnOpened({{kContaminantInfoScreen, [&](QtDialog& d) {
                   EXPECT_EQ(Focus(), d.widget(kOrganicCount));
                   Press(Qt::Key_Up);
                   Press(Qt::Key_Up);
                   Press(Qt::Key_Tab);
                   Press(Qt::Key_End);
                   Press(Qt::Key_Down);
                   organic = d.Text(kOrganicCount);
                   metal = d.Text(kMetalCount);
                   Press(Qt::Key_Escape);
               }}});
    Show<kContaminantInfo>(ui, kNoOwner);
    EXPECT_EQ(organic, "3");
    EXPECT_EQ(metal, "2");
}

// Space, Down, Space ticks the first two constituents: ticking one refills the list without
// losing the user's place, nor its scroll position in a longer list.
TEST_F(KeyboardOnQt, CheckListKeepsItsCurrentItemWhenRefilled) {
    using namespace constituent_selection;
    bool tss = false, tcb = false;
    int current = -1;
    OnOpened({{kConstituentSelectionScreen, [&](QtDialog& d) {
                   EXPECT_EQ(Focus(), d.widget(kConstituentList));
                   Press(Qt::Key_Space);
                   Press(Qt::Key_Down);
                   Press(Qt::Key_Space);
                   tss = d.ItemChecked(kConstituentList, kTSSItem);
                   tcb = d.ItemChecked(kConstituentList, kTCBItem);
                   current = static_cast<QListWidget*>(d.widget(kConstituentList))->currentRow();
                   Press(Qt::Key_Escape);
               }}});
    Show<kConstituentSelection>(ui, kNoOwner);
    EXPECT_TRUE(tss);
    EXPECT_TRUE(tcb);
    EXPECT_EQ(current, kTCBItem);

    const std::vector<std::string> items(12, "Item");
    DialogProc refill = [&items](Dialog& d, const DialogEvent& e) {
        if (e.kind == DialogEvent::ItemChanged) d.SetItems(30, items);
    };
    QtDialog list_dialog(ui, nullptr, kEveryKind, refill);
    list_dialog.SetItems(30, items);
    list_dialog.window()->show();
    Activate(list_dialog);
    auto* list = static_cast<QListWidget*>(list_dialog.widget(30));
    list->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 9; ++i) Press(Qt::Key_Down);
    const int scrolled = list->verticalScrollBar()->value();
    Press(Qt::Key_Space);
    EXPECT_GT(scrolled, 0);
    EXPECT_EQ(list->currentRow(), 9);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
}

// A screen of buttons alone opens on its first enabled one, so that Space or Return opens
// that constituent's data rather than closing the screen.
TEST_F(KeyboardOnQt, DataInputSelectionOpensOnItsFirstEnabledButton) {
    using namespace data_input_selection;
    struct Case {
        std::int32_t ProjectRecord::*modelled;
        int button;
        int opens;
    };
    const Case kCases[] = {
        {&ProjectRecord::model_tss, kTSSDataButton, kTssOptionSelectionScreen},
        {&ProjectRecord::model_tcb, kTCBDataButton, kTCBDataScreen},
        {&ProjectRecord::model_n, kNitrogenDataButton, kTNKnownParameterScreen},
    };
    for (const Case& c : kCases) {
        for (const Case& other : kCases) Project().*other.modelled = 0;
        Project().model_bod = Project().model_p = Project().model_contaminant = 0;
        Project().*c.modelled = 1;
        opened.clear();
        QWidget* focus = nullptr;
        QWidget* button = nullptr;
        OnOpened({{kDataInputSelectionScreen, [&](QtDialog& d) {
                       focus = Focus();
                       button = d.widget(c.button);
                       Press(Qt::Key_Space);
                       Activate(d);
                       Press(Qt::Key_Escape);
                   }}});
        Show<kDataInputSelection>(ui, kNoOwner);
        EXPECT_EQ(focus, button) << c.button;
        EXPECT_EQ(opened, (std::vector<int>{kDataInputSelectionScreen, c.opens})) << c.button;
    }
}

// Tab lands on the checked button of a group, and Up moves and chooses: Return then
// accepts the new choice.
TEST_F(KeyboardOnQt, RadioGroupTabStopsAtItsChoiceAndArrowsChoose) {
    using namespace contaminant_info;
    ProjectRecord& r = Project();
    r.checked_contam_tau = r.checked_contam_tau_temp = 0;
    r.checked_contam_removal = r.checked_contam_removal_temp = 1;
    QWidget* stop = nullptr;
    QWidget* removal = nullptr;
    OnOpened({{kContaminantInfoScreen, [&](QtDialog& d) {
                   removal = d.widget(kRemovalButton);
                   Press(Qt::Key_Tab);
                   Press(Qt::Key_Tab);
                   stop = Focus();
                   Press(Qt::Key_Up);
                   Press(Qt::Key_Return);
               }}});
    EXPECT_TRUE(Show<kContaminantInfo>(ui, kNoOwner));
    EXPECT_EQ(stop, removal);
    EXPECT_EQ(r.checked_contam_tau, 1);
    EXPECT_EQ(r.checked_contam_removal, 0);
}

// ---- A whole entry by keys alone ----

// Area, depth and length known; 20 °C, 400 m long, 40 000 m², 0.5 m deep, 0.1 m³/s, fully
// mixed; then two organic chemicals and one heavy metal, with their overall half-lives.
TEST_F(KeyboardOnQt, SystemDataChainAndContaminantCountsEnteredByKeysAlone) {
    using namespace system_continued;
    ProjectRecord& r = Project();
    for (auto flag :
         {&ProjectRecord::checked_Volume, &ProjectRecord::checked_Area, &ProjectRecord::checked_Depth,
          &ProjectRecord::checked_Length, &ProjectRecord::checked_Width, &ProjectRecord::checked_contam_tau,
          &ProjectRecord::checked_contam_removal})
        r.*flag = 0;
    OnOpened({
        {kGeometrySelectionScreen,
         [](QtDialog&) {
             for (Qt::Key key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Tab,
                                 Qt::Key_Space, Qt::Key_Return})
                 Press(key);
         }},
        {kSystemPropertiesScreen,
         [](QtDialog&) {
             for (const char* value : {"20", "400", "40000", "0.5"}) {
                 Type(value);
                 Press(Qt::Key_Tab);
             }
             Type("0.1");
             Press(Qt::Key_Return);
         }},
        {kSystemContinuedScreen,
         [](QtDialog& d) {
             EXPECT_EQ(Focus(), d.widget(kMeanVelocityField));
             Press(Qt::Key_Tab);
             Press(Qt::Key_Tab);
             Press(Qt::Key_Right);
             Press(Qt::Key_Return);
         }},
        {kContaminantInfoScreen,
         [](QtDialog& d) {
             for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Space})
                 Press(key);
             Press(Qt::Key_Return);  // on to the half-lives, which are left for later
             Activate(d);
             Press(Qt::Key_Escape);
         }},
        {kHalfLivesScreen, [](QtDialog&) { Press(Qt::Key_Escape); }},
    });
    ASSERT_TRUE(ShowGeometrySelection(ui, kNoOwner));
    EXPECT_EQ(r.checked_Volume + r.checked_Area + r.checked_Depth + r.checked_Length + r.checked_Width, 3);
    EXPECT_TRUE(r.checked_Area && r.checked_Depth && r.checked_Length);
    EXPECT_EQ(r.temperature, 20);
    EXPECT_EQ(r.length, 400);
    EXPECT_EQ(r.area, 40000);
    EXPECT_EQ(r.depth, 0.5);
    EXPECT_EQ(r.flow, 0.1);
    EXPECT_EQ(r.width, 100);  // 40 000 m² over 400 m
    EXPECT_EQ(r.volume, 20000);
    EXPECT_EQ(r.mixed_clac_re, 1);
    EXPECT_EQ(r.System_Properties_Entered, 1);

    // The half-lives are left for later: the counts were committed before they opened.
    EXPECT_FALSE(Show<kContaminantInfo>(ui, kNoOwner));
    EXPECT_EQ(r.NumOC_SLR, 2);
    EXPECT_EQ(r.NumHM_LLR, 1);
    EXPECT_EQ(r.checked_contam_tau, 1);
    EXPECT_EQ(opened, (std::vector<int>{kGeometrySelectionScreen, kSystemPropertiesScreen,
                                        kSystemContinuedScreen, kContaminantInfoScreen, kHalfLivesScreen}));
    EXPECT_TRUE(answerer.messages.empty());
}

}  // namespace
}  // namespace velmar::testing
