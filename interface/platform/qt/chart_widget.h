// The chart control: a Qt Charts view drawn from the platform's chart data.
#pragma once

#include <QChartView>
#include <string>

#include "interface/platform/chart.h"

namespace velmar {

class ChartWidget : public QChartView {
public:
    ChartWidget(int width, int height, QWidget* parent);

    // Draws the chart anew: its lines, axes, marker lines and bands.
    void Draw(const Chart& chart);
    // The chart as a PNG or SVG picture, by the path's extension; false when not written.
    bool Save(const std::string& path);
};

}  // namespace velmar
