// The analysis windows on real widgets: they fit the smallest display, and the Sweep and
// Compare and Uncertainty windows, worked by the keyboard alone, run their studies off the
// window's thread and draw their charts; Cancel Run stops the Uncertainty and Time Series windows.
#include <QApplication>
#include <QChart>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QScatterSeries>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstring>

#include "interface/analysis/calibrate_window.h"
#include "interface/analysis/compare_window.h"
#include "interface/analysis/series_window.h"
#include "interface/analysis/size_window.h"
#include "interface/analysis/study_inputs.h"
#include "interface/analysis/sweep_window.h"
#include "interface/analysis/uncertainty_window.h"
#include "interface/platform/qt/chart_widget.h"
#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/command_ids.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"
#include "interface/shell/menu_commands.h"
#include "interface/shell/screen_inputs.h"
#include "project/project_file.h"
#include "tests/interface/platform/qt/qt_test_main.h"
#include "tests/interface/support/message_answerer.h"
#include "tests/support/temp_dir.h"

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
    for (const auto show : {ShowSweepWindow, ShowSizeWindow, ShowUncertaintyWindow, ShowCalibrateWindow}) {
        size = {};
        show(ui, ScreenInputs());
        fits();
    }
    size = {};
    ShowSeriesWindow(ui);
    fits();
    // After a run, with a note below the chart for each kind of constituent left out: TSS, TP
    // (in HSSF wetlands) and the contaminants.
    Project().model_bod = Project().model_p = 1;
    ui.OnDialogOpened([&](QtDialog& d) {
        d.SetChecked(kCompareSubsurface, true);
        d.Send({DialogEvent::Clicked, kCompareRun});
        const std::string notes = d.Text(kCompareNotes);
        // Three lines of constituents left out and the caveat (on coliforms too when they are modelled).
        EXPECT_EQ(std::count(notes.begin(), notes.end(), '\n'), Project().model_tcb ? 4 : 3) << notes;
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
            lines =
                static_cast<int>(static_cast<ChartWidget*>(d.widget(kSweepChart))->chart()->series().size());
            percent = static_cast<QProgressBar*>(d.widget(kSweepProgress))->value();
            QTest::keyClick(d.window(), Qt::Key_Escape);
        });
    });
    ShowSweepWindow(ui, ScreenInputs());
    EXPECT_EQ(lines, 3);  // TSS, TP and the present value
    EXPECT_EQ(percent, 100);
}

// A million samples, cancelled with the mouse once they are under way: the window answers at once,
// keeps no half-drawn chart, runs again, and the project is as it was.
TEST_F(SweepWindowQt, CancelRunWithTheMouseStopsALongStudyAndTheWindowRunsAgain) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project());
    const ProjectRecord before = Project();
    QtUi ui;
    bool stopped_early = false, run_again = false;
    std::size_t lines_after_cancel = 99;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, [&] {
            QTest::keyClicks(d.widget(kUncertaintySearch), "Annual Area");
            QTest::keyClick(d.widget(kUncertaintyInputs), Qt::Key_Down);
            QTest::mouseClick(d.widget(kUncertaintyAdd), Qt::LeftButton);
            auto* samples = static_cast<QLineEdit*>(d.widget(kUncertaintySamples));
            samples->setText("1000000");
            // Cancel Run is clicked as soon as the bar first moves, however fast the machine.
            QMetaObject::Connection first_move;
            first_move = QObject::connect(static_cast<QProgressBar*>(d.widget(kUncertaintyProgress)),
                                          &QProgressBar::valueChanged, [&](int percent) {
                                              if (percent == 0) return;
                                              QObject::disconnect(first_move);
                                              QTest::mouseClick(d.widget(kUncertaintyStop), Qt::LeftButton);
                                          });
            QTest::mouseClick(d.widget(kUncertaintyRun), Qt::LeftButton);
            auto* chart = static_cast<ChartWidget*>(d.widget(kUncertaintyChart))->chart();
            stopped_early = d.widget(kUncertaintyRun)->isEnabled() &&
                            !d.widget(kUncertaintyStop)->isEnabled() &&
                            static_cast<QProgressBar*>(d.widget(kUncertaintyProgress))->value() == 0;
            lines_after_cancel = static_cast<std::size_t>(chart->series().size());
            samples->setText("1000");
            QTest::mouseClick(d.widget(kUncertaintyRun), Qt::LeftButton);
            run_again = chart->series().size() == 4;  // the histogram and its three percentiles
            QTest::keyClick(d.window(), Qt::Key_Escape);
        });
    });
    ShowUncertaintyWindow(ui, ScreenInputs());
    EXPECT_TRUE(stopped_early);
    EXPECT_EQ(lines_after_cancel, 0u);
    EXPECT_TRUE(run_again);
    EXPECT_EQ(std::memcmp(&before, &Project(), sizeof before), 0);
}

// The menu opens the window on the record chooser; a record of 20 years of hourly steps runs
// long enough to be cancelled, and a short one then runs to its chart of concentrations and flow.
TEST_F(SweepWindowQt, TimeSeriesFromTheMenuCancelsALongRecordAndRunsAgain) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project());
    TempDir dir;
    std::string hours = "date,flow\n";
    for (int day = 0; day < 20 * 365; ++day) {
        const std::string date = QDate(2000, 1, 1).addDays(day).toString(Qt::ISODate).toStdString();
        for (int hour = 0; hour < 24; ++hour)
            hours += date + "T" + (hour < 10 ? "0" : "") + std::to_string(hour) + ":00,0.5\n";
    }
    ASSERT_FALSE(WriteTextFile(dir.File("hours.csv"), hours));
    QtUi ui;
    bool opened_on_browse = false, stopped_early = false, run_again = false;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, [&] {
            opened_on_browse = d.window()->focusWidget() == d.widget(kSeriesBrowse);
            auto* record = static_cast<QLineEdit*>(d.widget(kSeriesRecord));
            record->setText(QString::fromStdString(dir.File("hours.csv")));
            QMetaObject::Connection first_move;
            first_move = QObject::connect(static_cast<QProgressBar*>(d.widget(kSeriesProgress)),
                                          &QProgressBar::valueChanged, [&](int percent) {
                                              if (percent == 0) return;
                                              QObject::disconnect(first_move);
                                              QTest::keyClick(d.window(), Qt::Key_Escape);
                                          });
            QTest::mouseClick(d.widget(kSeriesRun), Qt::LeftButton);
            auto* chart = static_cast<ChartWidget*>(d.widget(kSeriesChart))->chart();
            stopped_early = d.window()->isVisible() && d.widget(kSeriesRun)->isEnabled() &&
                            static_cast<QProgressBar*>(d.widget(kSeriesProgress))->value() == 0 &&
                            chart->series().empty();
            record->setText(VELMAR_SOURCE_DIR "/examples/series/record.csv");
            QTest::keyClick(d.window(), Qt::Key_Return);
            run_again = chart->series().size() == 3 && chart->axes(Qt::Vertical).size() == 2;
            QTest::keyClick(d.window(), Qt::Key_Escape);
        });
    });
    ASSERT_TRUE(RunMenuCommand(ui, kCommandSeries));
    EXPECT_TRUE(opened_on_browse);
    EXPECT_TRUE(stopped_early);
    EXPECT_TRUE(run_again);
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
            QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);                // Triangular
            QTest::qWait(300);  // a mnemonic clicks its button after a short animation
            EXPECT_FALSE(d.widget(kUncertaintyFirstParameter + 2)->isHidden());
            EXPECT_EQ(static_cast<QLineEdit*>(d.widget(kUncertaintyFirstParameter + 1))->text(), "100000");
            QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);  // Add
            QTest::qWait(300);
            added = static_cast<QListWidget*>(d.widget(kUncertaintyAdded))->count();
            // Run is the default button; without an input it would stop here with a message.
            if (added == 1) QTest::keyClick(d.widget(kUncertaintySamples), Qt::Key_Return);
            lines = static_cast<int>(
                static_cast<ChartWidget*>(d.widget(kUncertaintyChart))->chart()->series().size());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
    });
    ShowUncertaintyWindow(ui, ScreenInputs());
    EXPECT_EQ(added, 1);
    EXPECT_EQ(lines, 4);  // the histogram and its three percentiles
}

void ChooseInput(QtDialog& d, int search, int list, const char* name) {
    QTest::keyClicks(d.widget(search), name);
    QTest::keyClick(d.widget(search), Qt::Key_Tab);
    QTest::keyClick(d.widget(list), Qt::Key_Down);
}

// The typical wetland, 0.5 m deep and 40 times as long as wide, sized by its area for 80 % TSS
// removal: Apply gives the project that area at the same depth and shape, as an edit; the
// window opens again as it was left.
TEST_F(SweepWindowQt, SizeAppliesTheAreaFoundAfterAskingAndOpensAgainAsItWasLeft) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project());
    Shell().changes = false;
    QtUi ui;
    MessageAnswerer answerer(QMessageBox::Yes);
    std::string answer, reopened_answer, reopened_target;
    bool apply_enabled = false;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            d.ChooseItem(kSizeResults, 0);  // RE TSS (%)
            QTest::keyClicks(d.widget(kSizeTarget), "80");
            ChooseInput(d, kSizeSearch, kSizeInputs, "Annual Area");
            QTest::mouseClick(d.widget(kSizeRun), Qt::LeftButton);
            answer = d.Text(kSizeAnswer);
            QTest::mouseClick(d.widget(kSizeApply), Qt::LeftButton);
            QTest::keyClick(d.window(), Qt::Key_Escape);
        });
    });
    ShowSizeWindow(ui, ScreenInputs());
    ASSERT_EQ(answerer.messages.size(), 1u);
    EXPECT_NE(answerer.messages[0].find("Avg. Annual Area"), std::string::npos) << answerer.messages[0];
    const ProjectRecord& r = Project();
    EXPECT_NE(answer.find(RoundedNumber(r.area)), std::string::npos) << answer << " " << r.area;
    EXPECT_DOUBLE_EQ(r.depth, 0.5);
    EXPECT_DOUBLE_EQ(r.volume, r.area * 0.5);
    EXPECT_DOUBLE_EQ(r.length / r.width, 40);
    EXPECT_EQ(r.checked_Area + r.checked_Depth + r.checked_Length, 3);  // as the file chose them
    EXPECT_TRUE(Shell().changes);

    ui.OnDialogOpened([&](QtDialog& d) {
        reopened_answer = d.Text(kSizeAnswer);
        reopened_target = d.Text(kSizeTarget);
        apply_enabled = d.widget(kSizeApply)->isEnabled();
        d.End(0);
    });
    ShowSizeWindow(ui, ScreenInputs());
    EXPECT_EQ(reopened_answer, answer);
    EXPECT_EQ(reopened_target, "80");
    EXPECT_TRUE(apply_enabled);
}

// The typical wetland does not model nitrogen: a sweep of its rate says so by name, and runs.
TEST_F(SweepWindowQt, AnInputThatChangesNoResultIsNamedAfterTheRun) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project());
    QtUi ui;
    MessageAnswerer answerer(QMessageBox::Yes);
    int lines = -1;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            ChooseInput(d, kSweepFirstSearch, kSweepFirstList, "Ktn");
            QTest::mouseClick(d.widget(kSweepRun), Qt::LeftButton);
            lines =
                static_cast<int>(static_cast<ChartWidget*>(d.widget(kSweepChart))->chart()->series().size());
            QTest::keyClick(d.window(), Qt::Key_Escape);
        });
    });
    ShowSweepWindow(ui, ScreenInputs());
    ASSERT_EQ(answerer.messages.size(), 1u);
    EXPECT_EQ(answerer.messages[0],
              "Ktn changes no modelled result of this project: the study varied it without effect.");
    EXPECT_EQ(lines, 3);  // TSS, TP and the present value
}

// The example's BOD samples, the rate and its temperature factor chosen and added by the
// keyboard: Return fits them, and the chart and the estimates are shown.
TEST_F(SweepWindowQt, CalibrateOpensFromTheMenuAndKeyboardRunsTheFit) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/conventional.inp", Project());
    QtUi ui;
    bool opened_on_browse = false;
    int added = -1, percent = -1, lines = -1;
    bool samples_marked = false;
    std::string summary;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            QWidget* window = d.window();
            QApplication::setActiveWindow(window);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            opened_on_browse = QApplication::focusWidget() == d.widget(kCalibrateBrowse);
            static_cast<QLineEdit*>(d.widget(kCalibrateObserved))
                ->setText(VELMAR_SOURCE_DIR "/examples/calibration/observed.csv");
            for (const char* name : {"bod_decay_rate20", "theta_bod"}) {
                static_cast<QLineEdit*>(d.widget(kCalibrateSearch))->clear();
                ChooseInput(d, kCalibrateSearch, kCalibrateInputs, name);
                QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);  // Add
                QTest::qWait(300);  // a mnemonic clicks its button after a short animation
            }
            added = static_cast<QListWidget*>(d.widget(kCalibrateFitted))->count();
            QTest::keyClick(d.widget(kCalibrateHigh), Qt::Key_Return);  // Run is the default button
            percent = static_cast<QProgressBar*>(d.widget(kCalibrateProgress))->value();
            const QChart* chart = static_cast<ChartWidget*>(d.widget(kCalibrateChart))->chart();
            lines = static_cast<int>(chart->series().size());
            samples_marked = lines > 0 && qobject_cast<QScatterSeries*>(chart->series()[0]) != nullptr;
            summary = d.Text(kCalibrateSummary);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
    });
    ASSERT_TRUE(RunMenuCommand(ui, kCommandCalibrate));
    EXPECT_TRUE(opened_on_browse);
    EXPECT_EQ(added, 2);
    EXPECT_EQ(percent, 100);
    EXPECT_EQ(lines, 2);  // the samples and the line of equality
    EXPECT_TRUE(samples_marked);  // not joined in the order of the file
    EXPECT_NE(summary.find("theta_bod"), std::string::npos) << summary;
    EXPECT_NE(summary.find("converged"), std::string::npos) << summary;
}

}  // namespace
}  // namespace velmar::testing
