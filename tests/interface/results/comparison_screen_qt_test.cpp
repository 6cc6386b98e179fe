// The comparison screen on real widgets: its largest table fits a laptop screen, Alt+H
// chooses HSSF wetlands, and Escape closes it (the test returns only once it has).
#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/comparison_template.h"
#include "interface/results/comparison_screen.h"
#include "interface/results/results_screen.h"
#include "interface/session/state.h"
#include "tests/interface/platform/qt/qt_test_main.h"

namespace velmar::testing {
namespace {

class ComparisonScreenQt : public QtTest {
protected:
    // Every constituent, three chemicals and three metals of eleven-character names, and
    // values as long as "%.4g" writes them.
    ComparisonScreenQt() : saved_(Project()) {
        Project() = ProgramStartRecord();
        ClearProject();
        ProjectRecord& r = Project();
        r.model_tss = r.model_tcb = r.model_bod = r.model_n = r.model_p = r.model_contaminant = 1;
        r.NumOC_SLR = r.NumHM_LLR = 3;
        for (NameText* name :
             {&r.TauCompName1, &r.TauCompName2, &r.TauCompName3, &r.HMName1, &r.HMName2, &r.HMName3}) {
            SetName(*name, "Chlordane-X");
        }
        r.TSSinConc = r.TCBinConc = r.BODinConc = r.TNinConc = r.TPinConc = 1.234e-05;
        KeptResults().RE_BOD = KeptResults().RE_TN = -12.34567;
    }
    ~ComparisonScreenQt() override { Project() = saved_; }

private:
    ProjectRecord saved_;
};

TEST_F(ComparisonScreenQt, LargestTableFitsALaptopScreenAndTheKeyboardWorksIt) {
    QtUi ui;
    QSize size;
    bool table_filled = false;
    bool subsurface_by_key = false;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            QWidget* window = d.window();
            size = window->frameGeometry().size();
            QApplication::setActiveWindow(window);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            table_filled = d.Text(ComparisonValueId(2, 5)) == "1";  // FWS BOD: P = 1
            QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
            QTest::qWait(300);  // a mnemonic clicks its button after a short animation
            subsurface_by_key = d.Checked(kComparisonSubsurface) && d.Text(ComparisonValueId(2, 5)) == "3";
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
    });
    ShowComparisonScreen(ui, kNoOwner);
    EXPECT_TRUE(table_filled);
    EXPECT_TRUE(subsurface_by_key);
    EXPECT_LE(size.width(), 1024);
    EXPECT_LE(size.height(), 768 - 48);  // room for a task bar
}

}  // namespace
}  // namespace velmar::testing
