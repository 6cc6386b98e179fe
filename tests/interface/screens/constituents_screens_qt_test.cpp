// The constituent list on real widgets: a click on a check box refills the list from
// inside the list's own change signal.
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>

#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/screens/constituent_selection.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/session/state.h"
#include "tests/interface/platform/qt/qt_test_main.h"

namespace velmar::testing {
namespace {

using namespace constituent_selection;

void ClickCheckBox(QListWidget* list, int row) {
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(list->item(row));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

class ConstituentScreensOnQt : public QtTest {
protected:
    ConstituentScreensOnQt() {
        Project() = ProgramStartRecord();
        Shell() = ShellState{};
        ClearProject();
    }
};

TEST_F(ConstituentScreensOnQt, ClickingContaminantsChecksTSSInTheSameList) {
    QtUi ui;
    bool tss_checked = false, contaminants_checked = false;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            auto* list = static_cast<QListWidget*>(d.widget(kConstituentList));
            ClickCheckBox(list, kContaminantItem);
            tss_checked = d.ItemChecked(kConstituentList, kTSSItem);
            contaminants_checked = d.ItemChecked(kConstituentList, kContaminantItem);
            ClickCheckBox(list, kTSSItem);  // held checked by the contaminants
            tss_checked = tss_checked && d.ItemChecked(kConstituentList, kTSSItem);
            QTest::mouseClick(static_cast<QPushButton*>(d.widget(kOkId)), Qt::LeftButton);
        });
    });
    EXPECT_TRUE(Show<kConstituentSelection>(ui, kNoOwner));
    EXPECT_TRUE(contaminants_checked);
    EXPECT_TRUE(tss_checked);
    EXPECT_EQ(Project().model_contaminant + Project().model_tss, 2);
}

}  // namespace
}  // namespace velmar::testing
