// The Sweep window on real widgets, worked by the keyboard alone: the sweep runs off the
// window's thread and its chart is drawn.
#include <QChart>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "interface/analysis/sweep_window.h"
#include "interface/platform/qt/chart_widget.h"
#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/analysis_templates.h"
#include "interface/session/state.h"
#include "interface/shell/study_inputs.h"
#include "project/project_file.h"
#include "tests/interface/platform/qt/qt_test_main.h"

namespace velmar::testing {
namespace {

class SweepWindowQt : public QtTest {};

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

}  // namespace
}  // namespace velmar::testing
