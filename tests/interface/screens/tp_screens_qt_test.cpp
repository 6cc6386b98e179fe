// The phosphorus and sediment screens on real widgets: each fits the smallest screen the
// program supports, and the bulk density choice shows "Calculate" for a clear flag.
#include <QRadioButton>
#include <QTimer>

#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/screens/framework/registry.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/tp.h"
#include "interface/session/state.h"
#include "tests/interface/platform/qt/qt_test_main.h"

namespace velmar::testing {
namespace {

class TpScreensOnQt : public QtTest {
protected:
    TpScreensOnQt() {
        Project() = ProgramStartRecord();
        Shell() = ShellState{};
        ClearProject();
    }
};

TEST_F(TpScreensOnQt, EveryScreenFitsA1024By768Display) {
    QtUi ui;
    int number = 0;
    QSize size;
    ui.OnDialogOpened([&](QtDialog& d) {
        number = d.TemplateNumber();
        size = d.window()->sizeHint().expandedTo(d.window()->size());
        d.End(0);
    });
    for (const DataScreen* screen : AllScreens()) {
        if (screen->number < 162) continue;  // the system screens have their own tests
        ShowScreen(ui, kNoOwner, *screen);
        EXPECT_EQ(number, screen->number);
        EXPECT_LE(size.width(), 1024) << screen->number;
        EXPECT_LE(size.height(), 768) << screen->number;
    }
}

TEST_F(TpScreensOnQt, BulkDensityChoiceShowsCalculateForAClearFlag) {
    using namespace bulk_density_choice;
    Project().InputARhoB = Project().InputARhoB_temp = 0;
    QtUi ui;
    bool calculate_shown = false, input_shown = true;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            calculate_shown = static_cast<QRadioButton*>(d.widget(kCalculateButton))->isChecked();
            input_shown = static_cast<QRadioButton*>(d.widget(kInputButton))->isChecked();
            d.End(0);
        });
    });
    Show<kBulkDensityChoice>(ui, kNoOwner);
    EXPECT_TRUE(calculate_shown);
    EXPECT_FALSE(input_shown);
}

}  // namespace
}  // namespace velmar::testing
