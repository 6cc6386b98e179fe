// The analysis windows on real widgets: they fit the smallest display, and the Sweep and
// Compare windows, worked by the keyboard alone, run their studies off the window's thread and
// draw their charts.
#include <QApplication>
#include <QChart>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "interface/analysis/compare_window.h"
#include "interface/analysis/size_window.h"
#include "interface/analysis/sweep_window.h"
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
    const auto fits = [&size] {
        EXPECT_GT(size.width(), 0);
        EXPECT_LE(size.width(), 1024);
        EXPECT_LE(size.height(), 768 - 40);  // a title bar and a task bar beside it
    };
    for (const auto show : {ShowSweepWindow, ShowSizeWindow}) {
        size = {};
        show(ui, ScreenInputs());
        fits();
    }
    // After a run, with a note below the chart for each kind of constituent left out: TSS, TP
    // (in HSSF wetlands) and the contaminants.
    Project().model_bod = Project().model_p = 1;
    ui.OnDialogOpened([&](QtDialog& d) {
        d.SetChecked(kCompareSubsurface, true);
        d.Send({DialogEvent::Clicked, kCompareRun});
        const std::string notes = d.Text(kCompareNotes);
        EXPECT_EQ(std::count(notes.begin(), notes.end(), '\n'), 4) << notes;
        size = d.window()->sizeHint().expandedTo(d.window()->size());
        d.End(0);
    });
    size = {};
    ShowCompareWindow(ui);
    fits();
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

TEST_F(SweepWindowQt, KeyboardTypesTheAreasChoosesTheTypeAndRunDrawsTheChart) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/conventional.inp", Project());
    QtUi ui;
    int lines = -1;
    std::string title;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            QWidget* window = d.window();
            QApplication::setActiveWindow(window);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            EXPECT_EQ(static_cast<QLineEdit*>(d.widget(kCompareFrom))->text(),
                      "10000");  // a tenth of the area
            const auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
                QTest::keyClick(QApplication::focusWidget(), k, modifiers);
                QTest::qWait(300);  // a mnemonic clicks its button after a short animation
            };
            key(Qt::Key_T, Qt::AltModifier);  // "&To:"
            EXPECT_EQ(QApplication::focusWidget(), d.widget(kCompareTo));
            QTest::keyClicks(QApplication::focusWidget(), "2e5");  // over the default, selected on entry
            EXPECT_EQ(static_cast<QLineEdit*>(d.widget(kCompareTo))->text(), "2e5");
            key(Qt::Key_Z, Qt::AltModifier);  // "Hori&zontal subsurface flow (HSSF)"
            EXPECT_TRUE(d.Checked(kCompareSubsurface));
            key(Qt::Key_R, Qt::AltModifier);  // "&Run"
            key(Qt::Key_N, Qt::AltModifier);  // "Co&nstituent:"
            key(Qt::Key_Down);                // BOD, after TCB
            const QChart* chart = static_cast<ChartWidget*>(d.widget(kCompareChart))->chart();
            lines = static_cast<int>(chart->series().size());
            title = chart->title().toStdString();
            QTest::keyClick(window, Qt::Key_Escape);
        });
    });
    ShowCompareWindow(ui);
    EXPECT_GE(lines, 6);  // five lines, the band and the present area
    EXPECT_NE(title.find("BOD outflow"), std::string::npos) << title;
    EXPECT_NE(title.find("HSSF"), std::string::npos) << title;
}

}  // namespace
}  // namespace velmar::testing
