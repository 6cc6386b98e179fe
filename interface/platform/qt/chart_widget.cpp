#include "interface/platform/qt/chart_widget.h"

#include <QAreaSeries>
#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

namespace velmar {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();

    void Add(double v, AxisScale scale) {
        // A logarithmic axis cannot show zero or less; such points are left off its range.
        if (!std::isfinite(v) || (scale == AxisScale::Log && v <= 0)) return;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    // A range with some room, so that a flat line or a single point still shows.
    void Settle(AxisScale scale) {
        const bool log = scale == AxisScale::Log;
        if (low > high) low = high = log ? 1 : 0;
        if (low < high) return;
        if (log) {
            low /= 2;
            high *= 2;
        } else {
            const double room = std::max(std::abs(low) / 10, 1.0);
            low -= room;
            high += room;
        }
    }
};

// Tick labels in plain digits up to ten of them ("1000000", not "1e+06"), as a field shows a value.
constexpr char kTickFormat[] = "%.10g";

// A value of the x axis as Qt Charts takes it. Dates come as seconds since 1970 of the date and
// time written, which carry no time zone; Qt Charts counts milliseconds since 1970 UTC and shows
// them in the computer's zone, so each is moved to the instant whose local time is the one
// written, and the axis shows the dates as the record has them wherever it is read.
double AxisValue(AxisScale scale, double x) {
    if (scale != AxisScale::Dates) return x;
    const QDateTime written = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(x), Qt::UTC);
    return static_cast<double>(QDateTime(written.date(), written.time()).toMSecsSinceEpoch());
}

QAbstractAxis* MakeAxis(const ChartAxis& axis, const Range& range) {
    QAbstractAxis* made = nullptr;
    if (axis.scale == AxisScale::Dates) {
        auto* dates = new QDateTimeAxis;
        dates->setFormat("yyyy-MM-dd");
        dates->setTickCount(7);
        dates->setRange(
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(AxisValue(axis.scale, range.low))),
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(AxisValue(axis.scale, range.high))));
        made = dates;
    } else if (axis.scale == AxisScale::Log) {
        auto* log = new QLogValueAxis;
        log->setLabelFormat(kTickFormat);
        log->setMinorTickCount(-1);
        made = log;
    } else {
        auto* linear = new QValueAxis;
        linear->setLabelFormat(kTickFormat);
        linear->setRange(range.low, range.high);
        linear->applyNiceNumbers();
        made = linear;
    }
    if (axis.scale == AxisScale::Log) made->setRange(range.low, range.high);
    made->setTitleText(Text(axis.Caption()));
    return made;
}

void ReadBack(const QAbstractAxis* axis, Range& range) {
    if (const auto* linear = qobject_cast<const QValueAxis*>(axis)) {
        range.low = linear->min();
        range.high = linear->max();
    }
}

template <typename Series = QLineSeries>
Series* Line(const QString& name, const std::vector<ChartPoint>& points, AxisScale x_scale) {
    auto* line = new Series;
    line->setName(name);
    for (const ChartPoint& p : points) {
        if (std::isfinite(p.x) && std::isfinite(p.y)) line->append(AxisValue(x_scale, p.x), p.y);
    }
    return line;
}

}  // namespace

ChartWidget::ChartWidget(int width, int height, QWidget* parent) : QChartView(new QChart, parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(width, height);
    chart()->legend()->setAlignment(Qt::AlignBottom);
}

void ChartWidget::Draw(const Chart& data) {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    c->setTitle(Text(data.title));

    Range x, y, y2;
    for (const ChartSeries& s : data.series) {
        for (const ChartPoint& p : s.points) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
            x.Add(p.x, data.x.scale);
            if (s.second_axis)
                y2.Add(p.y, data.y2.scale);
            else
                y.Add(p.y, data.y.scale);
        }
    }
    for (const ChartMarker& m : data.markers) {
        if (m.direction == ChartMarker::Vertical)
            x.Add(m.at, data.x.scale);
        else
            y.Add(m.at, data.y.scale);
    }
    x.Settle(data.x.scale);
    y.Settle(data.y.scale);
    QAbstractAxis* x_axis = MakeAxis(data.x, x);
    QAbstractAxis* y_axis = MakeAxis(data.y, y);
    c->addAxis(x_axis, Qt::AlignBottom);
    c->addAxis(y_axis, Qt::AlignLeft);
    QAbstractAxis* y2_axis = nullptr;
    if (std::any_of(data.series.begin(), data.series.end(),
                    [](const ChartSeries& s) { return s.second_axis; })) {
        y2.Settle(data.y2.scale);
        y2_axis = MakeAxis(data.y2, y2);
        c->addAxis(y2_axis, Qt::AlignRight);
    }
    // Marker lines run from end to end of the axes as drawn, whose ends may have been rounded.
    ReadBack(x_axis, x);
    ReadBack(y_axis, y);
    const AxisScale x_scale = data.x.scale;
    const auto attach = [&](QAbstractSeries* series, bool second_axis = false) {
        c->addSeries(series);
        series->attachAxis(x_axis);
        series->attachAxis(second_axis ? y2_axis : y_axis);
    };

    for (const ChartBand& band : data.bands) {
        QLineSeries* upper = Line({}, data.series.at(band.upper).points, x_scale);
        QLineSeries* lower = Line({}, data.series.at(band.lower).points, x_scale);
        auto* area = new QAreaSeries(upper, lower);
        // An area series does not own the lines it spans between.
        upper->setParent(area);
        lower->setParent(area);
        area->setName(Text(band.name));
        QColor shade(0x40, 0x80, 0xc0, 0x50);
        area->setBrush(shade);
        area->setPen(Qt::NoPen);
        attach(area);
    }
    for (const ChartSeries& s : data.series) {
        if (s.marks) {
            auto* marks = Line<QScatterSeries>(Text(s.name), s.points, x_scale);
            marks->setMarkerSize(8);
            attach(marks, s.second_axis);
            continue;
        }
        QLineSeries* line = Line(Text(s.name), s.points, x_scale);
        attach(line, s.second_axis);
        // Wider than the theme's lines, in the theme's colour, so that they print well.
        QPen pen = line->pen();
        pen.setWidthF(2.5);
        line->setPen(pen);
    }
    // Marker lines are dashed in dark colours of their own, told apart in the legend by the
    // colour and in a black and white print by the dashes.
    const std::pair<QColor, Qt::PenStyle> kMarkerPens[] = {{QColor(90, 90, 90), Qt::DashLine},
                                                           {QColor(170, 30, 30), Qt::DotLine},
                                                           {QColor(20, 20, 20), Qt::DashDotLine},
                                                           {QColor(110, 50, 140), Qt::DashDotDotLine}};
    std::size_t marker = 0;
    for (const ChartMarker& m : data.markers) {
        const bool vertical = m.direction == ChartMarker::Vertical;
        const std::vector<ChartPoint> ends = vertical
                                                 ? std::vector<ChartPoint>{{m.at, y.low}, {m.at, y.high}}
                                                 : std::vector<ChartPoint>{{x.low, m.at}, {x.high, m.at}};
        QLineSeries* line = Line(Text(m.label), ends, x_scale);
        const auto& [colour, dashes] = kMarkerPens[marker++ % std::size(kMarkerPens)];
        line->setPen(QPen(colour, 2, dashes));
        attach(line);
    }
}

bool ChartWidget::Save(const std::string& path) {
    const QString file = Text(path);
    // A chart drawn a moment ago lays out its titles and tick labels only when the event loop
    // next runs; without them the picture would have lines and no lettering.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (QFileInfo(file).suffix().compare("svg", Qt::CaseInsensitive) != 0) return grab().save(file, "PNG");
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(size());
    svg.setViewBox(rect());
    svg.setTitle(chart()->title());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    render(&painter);
    return painter.end() && QFileInfo(file).size() > 0;
}

}  // namespace velmar
