// The analysis windows on real widgets: they fit the smallest display, and the Sweep and
// Uncertainty windows, worked by the keyboard alone, run their studies off the window's thread
// and draw their charts.
#include <QApplication>
#include <QChart>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "interface/analysis/size_window.h"
#include "interface/analysis/sweep_window.h"
#include "interface/analysis/uncertainty_window.h"
#include "interface/platform/qt/chart_widget.h"
#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"
#include "interface/shell/study_inputs.h"
#include "project/project_file.h"
#include "tests/interface/platform/qt/qt_test_main.h"

namespace velmar::testing {
namespace {

class SweepWindowQt : public QtTest {};

TEST_F(SweepWindowQt, EveryAnalysisWindowFitsA1024By768Display) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/organics_metals.inp", Project());  // the most constituents
    QtUi ui;
    QSize size;
    ui.OnDialogOpened([&](QtDialog& d) {
        size = d.window()->sizeHint().expandedTo(d.window()->size());
        d.End(0);
    });
    for (const auto show : {ShowSweepWindow, ShowSizeWindow, ShowUncertaintyWindow}) {
        size = {};
        show(ui, ScreenInputs());
        EXPECT_GT(size.width(), 0);
        EXPECT_LE(size.width(), 1024);
        EXPECT_LE(size.height(), 768 - 40);  // a title bar and a task bar beside it
    }
}

TEST_F(SweepWindowQt, KeyboardChoosesTheInputAndRunDrawsTheChart) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project());
    QtUi ui;
    int lines = -1;
    int percent = -1;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, [&] {
            QWidget* search = d.widget(kSweepFirstSearch);
            QTest::keyClicks(search, "Annual Area");
            QTest::keyClick(search, Qt::Key_Tab);
            QTest::keyClick(d.widget(kSweepFirstList), Qt::Key_Down);
            EXPECT_EQ(static_cast<QLineEdit*>(d.widget(kSweepFirstFrom))->text(), "50000");
            QTest::keyClick(d.widget(kSweepFirstSteps), Qt::Key_Return);  // Run is the default button
            lines = static_cast<int>(static_cast<ChartWidget*>(d.widget(kSweepChart))->chart()->series().size());
            percent = static_cast<QProgressBar*>(d.widget(kSweepProgress))->value();
            QTest::keyClick(d.window(), Qt::Key_Escape);
        });
    });
    ShowSweepWindow(ui, ScreenInputs());
    EXPECT_EQ(lines, 3);  // TSS, TP and the present value
    EXPECT_EQ(percent, 100);
}

TEST_F(SweepWindowQt, KeyboardAddsAnUncertainInputAndRunDrawsTheHistogram) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project());
    QtUi ui;
    int lines = -1;
    int added = -1;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            QWidget* window = d.window();
            QApplication::setActiveWindow(window);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            QWidget* search = d.widget(kUncertaintySearch);
            QTest::keyClicks(search, "Annual Area");
            QTest::keyClick(search, Qt::Key_Tab);
            QTest::keyClick(d.widget(kUncertaintyInputs), Qt::Key_Down);
            EXPECT_TRUE(d.widget(kUncertaintyFirstParameter + 2)->isHidden());  // uniform has two
            QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);  // Triangular
            QTest::qWait(300);  // a mnemonic clicks its button after a short animation
            EXPECT_FALSE(d.widget(kUncertaintyFirstParameter + 2)->isHidden());
            EXPECT_EQ(static_cast<QLineEdit*>(d.widget(kUncertaintyFirstParameter + 1))->text(), "100000");
            QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);  // Add
            QTest::qWait(300);
            added = static_cast<QListWidget*>(d.widget(kUncertaintyAdded))->count();
            // Run is the default button; without an input it would stop here with a message.
            if (added == 1) QTest::keyClick(d.widget(kUncertaintySamples), Qt::Key_Return);
            lines = static_cast<int>(static_cast<ChartWidget*>(d.widget(kUncertaintyChart))->chart()->series().size());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
    });
    ShowUncertaintyWindow(ui, ScreenInputs());
    EXPECT_EQ(added, 1);
    EXPECT_EQ(lines, 4);  // the histogram and its three percentiles
}

}  // namespace
}  // namespace velmar::testing
