// The property screen on real widgets: typing into a field and tabbing out of it.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>

#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/system_templates.h"
#include "interface/screens/system.h"
#include "interface/session/state.h"
#include "tests/interface/platform/qt/qt_test_main.h"

namespace velmar::testing {
namespace {

class SystemScreensOnQt : public QtTest {
protected:
    SystemScreensOnQt() {
        Project() = ProgramStartRecord();
        Shell() = ShellState{};
        ClearProject();
    }
};

TEST_F(SystemScreensOnQt, TypingADepthAndTabbingOutRecomputesTheAreaOnTheSpot) {
    ProjectRecord& r = Project();
    r.checked_Volume = r.checked_Volume_temp = r.checked_Depth = r.checked_Depth_temp = 1;
    r.checked_Width = r.checked_Width_temp = 1;

    QtUi ui;
    bool whole_text_selected = false;
    std::string area_after_tab;
    QWidget* focus_after_tab = nullptr;
    QWidget* flow_field = nullptr;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            QApplication::setActiveWindow(d.window());
            ASSERT_TRUE(QTest::qWaitForWindowActive(d.window()));
            auto* depth = static_cast<QLineEdit*>(d.widget(kDepthField));
            depth->setFocus(Qt::OtherFocusReason);  // Qt itself selects nothing for this reason
            whole_text_selected = depth->selectedText() == "1";
            QTest::keyClicks(depth, "4");
            QTest::keyClick(depth, Qt::Key_Tab);
            area_after_tab = d.Text(kAreaField);
            focus_after_tab = QApplication::focusWidget();
            flow_field = d.widget(kFlowField);
            QTest::mouseClick(static_cast<QPushButton*>(d.widget(kCancelId)), Qt::LeftButton);
        });
    });

    EXPECT_FALSE(ShowSystemProperties(ui, kNoOwner));
    EXPECT_TRUE(whole_text_selected);
    EXPECT_EQ(area_after_tab, "250000");
    EXPECT_EQ(focus_after_tab, flow_field);
    EXPECT_EQ(Project().depth_temp, 1);  // Cancel put the record's depth back
}

}  // namespace
}  // namespace velmar::testing
