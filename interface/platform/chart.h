// A chart as plain data: lines of points, two axes, marker lines and shaded bands. A host
// draws it; a screen only says what is to be seen.
#pragma once

#include <string>
#include <vector>

namespace velmar {

struct ChartPoint {
    double x = 0;
    double y = 0;
};

// One line, named in the legend, drawn against the left y axis or the chart's second one; or,
// for points that follow no order (observations against what a model gives for them), a mark at
// each point and no line.
struct ChartSeries {
    std::string name;
    std::vector<ChartPoint> points;
    bool second_axis = false;
    bool marks = false;
};

// Dates: values in seconds since 1970-01-01T00:00, shown as dates.
enum class AxisScale { Linear, Log, Dates };

struct ChartAxis {
    std::string title;  // "Avg. Annual Area"
    std::string unit;   // "m^2"; empty for a pure number
    AxisScale scale = AxisScale::Linear;

    // The title as an axis shows it: "Avg. Annual Area (m^2)".
    std::string Caption() const { return unit.empty() ? title : title + " (" + unit + ")"; }
};

// A straight line across the plot at one value: a vertical line at x, a horizontal one at y.
struct ChartMarker {
    enum Direction { Vertical, Horizontal };
    Direction direction = Vertical;
    double at = 0;
    std::string label;
};

// The area between two of the chart's series (by index), shaded and named in the legend.
struct ChartBand {
    std::string name;
    int lower = 0;
    int upper = 0;
};

struct Chart {
    std::string title;
    ChartAxis x;
    ChartAxis y;
    ChartAxis y2;  // at the right, for the series drawn against it; none when none is
    std::vector<ChartSeries> series;
    std::vector<ChartMarker> markers;
    std::vector<ChartBand> bands;
};

}  // namespace velmar
