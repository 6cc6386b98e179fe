// Dialog templates built with Qt widgets, and user actions on them arriving as events.
#include "interface/platform/qt/qt_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "interface/platform/qt/controls.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/templates.h"
#include "interface/screens/framework/registry.h"
#include "tests/interface/platform/qt/qt_test_main.h"
#include "tests/interface/support/sample_dialog.h"

namespace velmar::testing {
namespace {

using K = ControlKind;

class QtDialogs : public QtTest {
protected:
    QtUi ui;
    std::vector<std::string> events;
    DialogProc record = [this](Dialog&, const DialogEvent& e) { events.push_back(EventName(e)); };
};

TEST_F(QtDialogs, EveryTemplateBuildsWithEachControlAsDeclared) {
    std::vector<const DialogTemplate*> all = AllTemplates();
    for (const DataScreen* screen : AllScreens()) all.push_back(&ScreenTemplate(*screen));
    all.push_back(&kEveryKind);
    for (const DialogTemplate* t : all) {
        QtDialog d(ui, nullptr, *t, record);
        EXPECT_EQ(d.Caption(), t->caption);
        for (const Control& c : t->controls) {
            QWidget* w = d.widget(c.id);
            ASSERT_NE(w, nullptr) << t->number << "/" << c.id;
            EXPECT_EQ(w->objectName().toInt(), c.id);
            EXPECT_EQ(d.IsEnabled(c.id), !(c.flags & kDisabled)) << t->number << "/" << c.id;
            EXPECT_EQ(d.IsShown(c.id), !(c.flags & kHidden)) << t->number << "/" << c.id;
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_EQ(button->isDefault(), c.kind == K::DefaultButton);
            }
        }
    }
    EXPECT_TRUE(events.empty());
}

TEST_F(QtDialogs, UserActionsArriveAsEventsAndProgramChangesStayQuiet) {
    QtDialog d(ui, nullptr, kEveryKind, record);
    d.window()->show();
    d.SetText(10, "1");
    d.SetItems(30, {"Volume", "Area"});
    d.SetItemChecked(30, 0, true);
    d.SetChecked(21, true);
    EXPECT_TRUE(events.empty());

    auto* field = static_cast<QLineEdit*>(d.widget(10));
    QTest::keyClicks(field, "2");
    EXPECT_EQ(d.Text(10), "12");
    static_cast<QRadioButton*>(d.widget(22))->click();
    static_cast<QListWidget*>(d.widget(30))->item(1)->setCheckState(Qt::Checked);
    static_cast<QToolButton*>(d.widget(40)->findChildren<QToolButton*>().front())->click();
    QTest::mouseClick(d.widget(50), Qt::LeftButton);
    QTest::mouseClick(static_cast<QPushButton*>(d.widget(60)), Qt::LeftButton);
    QTest::mouseClick(static_cast<QPushButton*>(d.widget(kOkId)), Qt::LeftButton);
    QTest::keyClick(d.window(), Qt::Key_Escape);
    EXPECT_EQ(events, (std::vector<std::string>{"Edited 10", "Clicked 22", "ItemChanged 30/1", "Spin 40=1",
                                                "Clicked 50", "Clicked 60", "Ok 1", "Cancel"}));
    EXPECT_FALSE(d.Checked(21));
    EXPECT_TRUE(d.ItemChecked(30, 0) && d.ItemChecked(30, 1));
    EXPECT_EQ(d.SpinPosition(40), 1);
    EXPECT_TRUE(d.window()->isVisible());  // only the procedure closes a dialog
}

TEST_F(QtDialogs, ARadioSetMayHoldNoChoice) {
    QtDialog d(ui, nullptr, kEveryKind, record);
    d.SetChecked(21, true);
    d.SetChecked(22, true);
    EXPECT_FALSE(d.Checked(21));
    d.SetChecked(22, false);
    EXPECT_FALSE(d.Checked(21) || d.Checked(22));
}

TEST_F(QtDialogs, TextsRoundTripThroughEveryTextControl) {
    QtDialog d(ui, nullptr, kEveryKind, record);
    for (int id : {10, 11, 12, 13, 14, 20, 21, 23, 50, kOkId}) {
        d.SetText(id, "Line <b>1</b>\nLine 2 & more");
        EXPECT_EQ(d.Text(id), "Line <b>1</b>\nLine 2 & more") << id;
    }
}

TEST_F(QtDialogs, LinkIsDarkBlueAndUnderlinedOnlyWhileThePointerIsOverIt) {
    QtDialog d(ui, nullptr, Template(kDetailedInformationDialog), record);
    d.window()->show();
    auto* link = dynamic_cast<LinkLabel*>(d.widget(1206));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(link->font().underline());
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
}

TEST_F(QtDialogs, FocusMovesBetweenFieldsAsEnteredAndLeft) {
    QtDialog d(ui, nullptr, kEveryKind, record);
    d.window()->show();
    QApplication::setActiveWindow(d.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.window()));
    d.widget(11)->setFocus(Qt::TabFocusReason);
    events.clear();
    d.widget(10)->setFocus(Qt::TabFocusReason);
    d.widget(11)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(events, (std::vector<std::string>{"Left 11", "Entered 10", "Left 10", "Entered 11"}));
}

TEST_F(QtDialogs, FieldEnteredByAMouseClickKeepsItsWholeTextSelected) {
    DialogProc select_on_entry = [](Dialog& d, const DialogEvent& e) {
        if (e.kind == DialogEvent::FieldEntered) d.SelectAllText(e.id);
    };
    QtDialog d(ui, nullptr, kEveryKind, select_on_entry);
    d.SetText(10, "123.5");
    d.window()->show();
    QApplication::setActiveWindow(d.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.window()));
    d.widget(11)->setFocus(Qt::TabFocusReason);
    auto* field = static_cast<QLineEdit*>(d.widget(10));
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(4, field->height() / 2));
    QApplication::processEvents();
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->selectedText(), "123.5");
}

}  // namespace
}  // namespace velmar::testing
