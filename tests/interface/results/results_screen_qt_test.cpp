// The results screen on real widgets at its largest: every row shown, with the longest names.
#include <QApplication>
#include <QLabel>

#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/run_templates.h"
#include "interface/resources/templates.h"
#include "tests/interface/platform/qt/qt_test_main.h"

namespace velmar::testing {
namespace {

class ResultsScreenQt : public QtTest {};

// Every row filled with a label as long as a name of eleven characters makes it: the screen
// still fits a 1024 by 768 screen below its title bar, and no label breaks over two lines.
TEST_F(ResultsScreenQt, EveryRowFitsALaptopScreenOnOneLineEach) {
    const DialogTemplate& dialog = Template(kResultsDialog);
    QtUi ui;
    QSize size;
    int labels = 0;
    ui.OnDialogOpened([&](QtDialog& d) {
        d.window()->show();
        QApplication::processEvents();
        size = d.window()->frameGeometry().size();
        for (const Control& c : dialog.controls) {
            if (c.id >= ResultsLabelId(1) && c.id <= ResultsLabelId(95)) {
                QLabel* label = qobject_cast<QLabel*>(d.widget(c.id));
                ++labels;
                EXPECT_FALSE(label->wordWrap());
                EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
            }
        }
        d.End(kOkId);
    });
    ui.ShowModal(kNoOwner, dialog, [&dialog](Dialog& d, const DialogEvent& e) {
        if (e.kind != DialogEvent::Opened) return;
        for (const Control& c : dialog.controls) {
            if (c.id >= ResultsLabelId(1) && c.id <= ResultsLabelId(95))
                d.SetText(c.id, "Chlordane-X Removal Rate (/day): ");
            if (c.id >= ResultsValueId(1) && c.id <= ResultsValueId(95)) d.SetText(c.id, "-1.234e-05");
        }
    });
    EXPECT_EQ(labels, 39);
    EXPECT_LE(size.width(), 1024);
    EXPECT_LE(size.height(), 768 - 48);  // room for a task bar
}

}  // namespace
}  // namespace velmar::testing
