// The system screens on real widgets: typing into a field and tabbing out of it, and the
// computed values an engineer reads off the continuation screen.
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <string>

#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/system.h"
#include "interface/session/state.h"
#include "tests/interface/platform/qt/qt_test_main.h"

namespace velmar::testing {
namespace {

using namespace system_properties;
using namespace system_continued;

// Relative luminance of a colour, as contrast ratios for readable text use.
double Luminance(QRgb pixel) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) + 0.0722 * channel(qBlue(pixel));
}

// The contrast between the darkest and the lightest pixel inside a field's frame: its
// text against its background.
double TextContrast(QWidget* field) {
    const QImage image = field->grab().toImage();
    double darkest = 1, lightest = 0;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            const double l = Luminance(image.pixel(x, y));
            darkest = std::min(darkest, l);
            lightest = std::max(lightest, l);
        }
    }
    return (lightest + 0.05) / (darkest + 0.05);
}

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

    EXPECT_FALSE(Show<kSystemProperties>(ui, kNoOwner));
    EXPECT_TRUE(whole_text_selected);
    EXPECT_EQ(area_after_tab, "250000");
    EXPECT_EQ(focus_after_tab, flow_field);
    EXPECT_EQ(Project().depth_temp, 1);  // Cancel put the record's depth back
}

TEST_F(SystemScreensOnQt, ComputedValuesAreReadableButNeitherEditableNorTabStops) {
    ProjectRecord& r = Project();
    r.checked_Volume = r.checked_Volume_temp = r.checked_Depth = r.checked_Depth_temp = 1;
    r.checked_Width = r.checked_Width_temp = 1;
    QtUi ui;
    double ratio_contrast = 0, residence_contrast = 0;
    bool editable = true, tab_stop = true;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            auto* ratio = static_cast<QLineEdit*>(d.widget(kRatioField));
            ratio_contrast = TextContrast(ratio);
            residence_contrast = TextContrast(d.widget(kResidenceTimeField));
            editable = !ratio->isReadOnly();
            tab_stop = (ratio->focusPolicy() & Qt::TabFocus) != 0;
            d.End(0);
        });
    });
    Show<kSystemContinued>(ui, kNoOwner);

    // The dimensions computed from the chosen ones, on the property screen.
    double area_contrast = 0;
    QtUi property_ui;
    property_ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, d.window(), [&] {
            area_contrast = TextContrast(d.widget(kAreaField));
            d.End(0);
        });
    });
    Show<kSystemProperties>(property_ui, kNoOwner);
    EXPECT_GE(area_contrast, 4.5);
    EXPECT_GE(ratio_contrast, 4.5);
    EXPECT_GE(residence_contrast, 4.5);
    EXPECT_FALSE(editable);
    EXPECT_FALSE(tab_stop);
}

}  // namespace
}  // namespace velmar::testing
