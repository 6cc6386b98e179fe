// velmar-study sweep: one or two inputs over a grid, a row of results per point.
#include <charconv>
#include <cmath>
#include <string>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/evaluation.h"
#include "study/ordered_parallel.h"
#include "study/output_target.h"
#include "study/parse_number.h"
#include "study/study_error.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

constexpr std::size_t kBlock = 16;
constexpr std::size_t kMaxFields = 2;
constexpr const char* kForm = "FIELD=FROM:TO:STEPS";

// The values of one axis: STEPS values from FROM to TO, both included.
std::vector<double> AxisValues(const std::string& field, const std::string& range, bool log) {
    const std::string what = "--vary " + field + "=" + range;
    const auto first = range.find(':');
    const auto second = first == std::string::npos ? first : range.find(':', first + 1);
    if (second == std::string::npos || range.find(':', second + 1) != std::string::npos) {
        throw StudyError(what + ": not of the form " + kForm);
    }
    const double from = ParseNumber(range.substr(0, first), what + ": FROM");
    const double to = ParseNumber(range.substr(first + 1, second - first - 1), what + ": TO");
    const std::string steps_text = range.substr(second + 1);
    int steps = 0;
    const auto [end, error] =
        std::from_chars(steps_text.data(), steps_text.data() + steps_text.size(), steps);
    if (error != std::errc() || end != steps_text.data() + steps_text.size() || steps < 2) {
        throw StudyError(what + ": STEPS must be a whole number of at least 2 (the values from FROM to TO)");
    }
    if (log && !(from > 0 && to > 0)) throw StudyError(what + ": --log needs FROM and TO greater than 0");
    std::vector<double> values(static_cast<std::size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        const double t = static_cast<double>(i) / (steps - 1);
        values[static_cast<std::size_t>(i)] = log ? from * std::pow(to / from, t) : from + t * (to - from);
    }
    values.back() = to;
    return values;
}

std::string PointHeading(const Study& study, const std::vector<double>& point) {
    std::string heading;
    for (std::size_t i = 0; i < point.size(); ++i) {
        heading += (i ? ", " : "") + study.inputs().fields()[i].name + " = " + NumberText(point[i]);
    }
    return heading;
}

}  // namespace

int Sweep(const SweepOptions& o) {
    if (o.vary.empty() || o.vary.size() > kMaxFields)
        throw StudyError("a sweep varies one or two input fields");
    std::vector<std::string> ranges;
    std::vector<InputField> fields = FieldsOf(o.vary, ranges, kForm);
    std::vector<std::vector<double>> axes;
    for (std::size_t i = 0; i < fields.size(); ++i)
        axes.push_back(AxisValues(fields[i].name, ranges[i], o.log));
    const Study study(o.project, std::move(fields));

    std::size_t points = 1;
    for (const auto& axis : axes) points *= axis.size();
    // Point p in the grid, the first field's values outermost.
    const auto point_values = [&axes](std::size_t p) {
        std::vector<double> values(axes.size());
        for (std::size_t i = axes.size(); i-- > 0;) {
            values[i] = axes[i][p % axes[i].size()];
            p /= axes[i].size();
        }
        return values;
    };

    struct Point {
        std::vector<double> values;
        ResultValues results;
        std::unique_ptr<ModelState> state;  // for the summary table
    };
    const bool table = o.format == Format::Table;
    const auto produce = [&](int, std::size_t begin, std::size_t end) {
        std::vector<Point> block;
        ModelState s;
        for (std::size_t p = begin; p < end; ++p) {
            Point point{point_values(p), {}, nullptr};
            study.Evaluate(point.values, s, point.results);
            if (table) point.state = std::make_unique<ModelState>(s);
            block.push_back(std::move(point));
        }
        return block;
    };

    OutputTarget target(o.output);
    std::ostream& out = target.Open();
    std::vector<std::string> leading;
    for (const InputField& f : study.inputs().fields()) leading.push_back(f.name);
    std::unique_ptr<RowWriter> writer;
    if (!table) writer = MakeRowWriter(o.format, out, WithResultColumns(leading));
    std::size_t unsolved = 0;
    const auto consume = [&](std::vector<Point>&& block) {
        for (const Point& point : block) {
            unsolved += PhosphorusUnsolved(point.results);
            if (table) {
                WriteRunSummary(out, PointHeading(study, point.values), *point.state, point.results);
                continue;
            }
            std::vector<Cell> row(point.values.begin(), point.values.end());
            AppendResults(row, point.results);
            writer->Row(row);
        }
    };
    Progress progress("sweep", points);
    const std::size_t done = RunBlocksInOrder(points, kBlock, o.threads, produce, consume, progress);
    if (writer) writer->Finish();
    target.Close();
    if (unsolved > 0) {
        NoteUnsolvedPhosphorus("at " + std::to_string(unsolved) + " of " + std::to_string(done) + " points",
                               "their TP results are given as nan");
    }
    return EndStatus(done, points, "points", 0);
}

}  // namespace velmar::study
