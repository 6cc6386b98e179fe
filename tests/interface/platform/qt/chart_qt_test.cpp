// The chart, choice-list and progress controls on real widgets, and work run in the
// background while the window stays responsive.
#include <QAreaSeries>
#include <QChart>
#include <QDateTimeAxis>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QListWidget>
#include <QLogValueAxis>
#include <QProgressBar>
#include <QTest>
#include <QValueAxis>
#include <atomic>
#include <set>

#include "interface/platform/qt/chart_widget.h"
#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "tests/interface/platform/qt/qt_test_main.h"
#include "tests/interface/support/sample_dialog.h"
#include "tests/support/temp_dir.h"

namespace velmar::testing {
namespace {

using K = ControlKind;

const DialogTemplate kChartDialog{
    .number = 901,
    .caption = "Chart",
    .controls = {
        {.id = 10, .kind = K::ChoiceList, .at = {0, 0}, .width = 20, .lines = 3},
        {.id = 20, .kind = K::Chart, .text = "Removal", .at = {1, 0}, .width = 60, .lines = 20},
        {.id = 30, .kind = K::Progress, .at = {2, 0}},
        {.id = kCancelId, .kind = K::PushButton, .text = "Close"},
    }};

// Two lines of a band and the present design, on a logarithmic area axis.
const Chart kSample{
    .title = "Outflow against area",
    .x = {"Avg. Annual Area", "m^2", AxisScale::Log},
    .y = {"TSS outflow", "mg/L"},
    .series = {{"30th percentile", {{1e3, 20}, {1e4, 12}, {1e5, 8}}},
               {"70th percentile", {{1e3, 30}, {1e4, 18}, {1e5, 11}}}},
    .markers = {{ChartMarker::Vertical, 2e4, "Present design"}, {ChartMarker::Horizontal, 15, "Target"}},
    .bands = {{"30th-70th percentile", 0, 1}},
};

class QtCharts : public QtTest {
protected:
    QtUi ui;
    std::vector<std::string> events;
    QtDialog d{ui, nullptr, kChartDialog,
               [this](Dialog&, const DialogEvent& e) { events.push_back(EventName(e)); }};
};

TEST_F(QtCharts, ChartIsDrawnWithItsLinesAxesMarkersAndBand) {
    d.window()->show();
    d.SetChart(20, kSample);
    QChart* chart = static_cast<ChartWidget*>(d.widget(20))->chart();
    EXPECT_EQ(chart->title(), "Outflow against area");
    // The band, the two lines, and a line for each marker.
    const auto series = chart->series();
    ASSERT_EQ(series.size(), 5);
    EXPECT_NE(qobject_cast<QAreaSeries*>(series[0]), nullptr);
    EXPECT_EQ(series[0]->name(), "30th-70th percentile");
    EXPECT_EQ(series[1]->name(), "30th percentile");
    EXPECT_EQ(series[3]->name(), "Present design");
    const auto* present = qobject_cast<QLineSeries*>(series[3]);
    EXPECT_EQ(present->at(0).x(), 2e4);
    EXPECT_EQ(present->at(1).x(), 2e4);
    auto* x = qobject_cast<QLogValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->titleText(), "Avg. Annual Area (m^2)");
    EXPECT_LE(x->min(), 1e3);
    EXPECT_GE(x->max(), 1e5);
    auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->titleText(), "TSS outflow (mg/L)");

    // Drawn again, the chart holds only what it was given last.
    d.SetChart(20, Chart{.series = {{"TSS", {{1, 2}}}}});
    EXPECT_EQ(chart->series().size(), 1);
    EXPECT_EQ(chart->axes().size(), 2);
}

// Two days of a record: a concentration on the left axis, the flow on a second one at the
// right, against dates given in seconds since 1970.
TEST_F(QtCharts, DatesAndASecondAxisAreDrawnForTheSeriesThatAskForThem) {
    d.window()->show();
    const double day = 86400, first = 19723 * day;  // 2024-01-01T00:00 UTC
    d.SetChart(20, Chart{.x = {"Date", "", AxisScale::Dates},
                         .y = {"TP", "mg/L"},
                         .y2 = {"Flow", "m^3/s"},
                         .series = {{"Outflow TP", {{first, 0.1}, {first + day, 0.2}}},
                                    {"Flow", {{first, 3}, {first + day, 7}}, true}}});
    QChart* chart = static_cast<ChartWidget*>(d.widget(20))->chart();
    auto* x = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_NE(x, nullptr);
    // The dates as written, in whatever time zone the test runs.
    EXPECT_EQ(x->min(), QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
    EXPECT_EQ(x->max(), QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    auto* flow = qobject_cast<QLineSeries*>(chart->series().at(1));
    EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(flow->at(1).x())),
              QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    const auto right = chart->axes(Qt::Vertical, flow);
    ASSERT_EQ(right.size(), 1);
    EXPECT_EQ(right[0]->titleText(), "Flow (m^3/s)");
    EXPECT_EQ(right[0]->alignment(), Qt::AlignRight);
    auto* range = qobject_cast<QValueAxis*>(right[0]);
    EXPECT_LE(range->min(), 3);
    EXPECT_GE(range->max(), 7);
    EXPECT_LT(range->max(), 10);  // its own range, not the concentration's
    EXPECT_EQ(chart->axes(Qt::Vertical, chart->series().at(0)).value(0)->titleText(), "TP (mg/L)");
}

TEST_F(QtCharts, SavedPicturesHoldTheChart) {
    d.window()->show();
    d.SetChart(20, kSample);
    TempDir dir;
    EXPECT_TRUE(d.SaveChart(20, dir.File("chart.png")));
    const QImage picture(QString::fromStdString(dir.File("chart.png")));
    ASSERT_FALSE(picture.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 4) {
        for (int x = 0; x < picture.width(); x += 4) colours.insert(picture.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 10u);  // lines, band and text, not a blank page

    EXPECT_TRUE(d.SaveChart(20, dir.File("chart.svg")));
    const std::string svg = ReadText(dir.File("chart.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("<title>Outflow against area</title>"), std::string::npos);
    // Drawn in lines and text: the lettering is there, and no picture stands in for it.
    for (const char* text : {">Outflow against area</text>", ">Avg. Annual Area (m^2)</text>"})
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    EXPECT_EQ(svg.find("<image"), std::string::npos);

    EXPECT_FALSE(d.SaveChart(20, dir.File("missing/chart.png")));
}

TEST_F(QtCharts, AnItemChosenByTheUserArrivesAndItemsSetAnewChooseNone) {
    d.window()->show();
    d.SetItems(10, {"Area", "Depth", "Width"});
    EXPECT_EQ(d.ChosenItem(10), -1);
    auto* list = static_cast<QListWidget*>(d.widget(10));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(d.ChosenItem(10), 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(d.ChosenItem(10), 2);
    d.ChooseItem(10, 0);  // the program's choice raises no event
    EXPECT_EQ(events, (std::vector<std::string>{"ItemChanged 10/1", "ItemChanged 10/2"}));
    d.SetItems(10, {"Area"});
    EXPECT_EQ(d.ChosenItem(10), -1);
}

TEST_F(QtCharts, BackgroundWorkLetsTheWindowTickUntilItEnds) {
    // The work ends only once the window's thread has ticked a few times while it runs.
    std::atomic<int> ticks = 0;
    std::atomic<bool> ran_elsewhere = false;
    const auto window_thread = std::this_thread::get_id();
    ui.RunInBackground(
        [&] {
            ran_elsewhere = std::this_thread::get_id() != window_thread;
            while (ticks < 3) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        },
        [&] {
            ++ticks;
            d.SetProgress(30, 10 * ticks);
        });
    EXPECT_TRUE(ran_elsewhere);
    EXPECT_GE(ticks, 4);  // and once more when it has ended
    EXPECT_EQ(static_cast<QProgressBar*>(d.widget(30))->value(), std::min(100, 10 * ticks.load()));
}

}  // namespace
}  // namespace velmar::testing
