#include "study/sweep.h"

#include <cmath>
#include <limits>

#include "study/ordered_parallel.h"
#include "study/parse_number.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

constexpr std::size_t kBlock = 16;
constexpr std::size_t kMaxFields = 2;
constexpr const char* kForm = "FIELD=FROM:TO:STEPS";

}  // namespace

std::vector<double> RangeValues(const std::string& what, const std::string& range, bool log,
                                const char* form) {
    const auto first = range.find(':');
    const auto second = first == std::string::npos ? first : range.find(':', first + 1);
    if (second == std::string::npos || range.find(':', second + 1) != std::string::npos) {
        throw StudyError(what + ": not of the form " + form);
    }
    const double from = ParseNumber(range.substr(0, first), what + ": FROM");
    const double to = ParseNumber(range.substr(first + 1, second - first - 1), what + ": TO");
    const int steps = static_cast<int>(
        ParseWholeNumber(range.substr(second + 1), what + ": STEPS", 2, std::numeric_limits<int>::max()));
    if (log && !(from > 0 && to > 0)) throw StudyError(what + ": --log needs FROM and TO greater than 0");
    std::vector<double> values(static_cast<std::size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        const double t = static_cast<double>(i) / (steps - 1);
        values[static_cast<std::size_t>(i)] = log ? from * std::pow(to / from, t) : from + t * (to - from);
    }
    values.back() = to;
    return values;
}

std::size_t SweepGrid::Points() const {
    std::size_t points = 1;
    for (const auto& axis : axes) points *= axis.size();
    return points;
}

void SweepGrid::PointValues(std::size_t p, std::span<double> values) const {
    for (std::size_t i = axes.size(); i-- > 0;) {
        values[i] = axes[i][p % axes[i].size()];
        p /= axes[i].size();
    }
}

SweepGrid ParseSweepGrid(const std::vector<std::string>& vary, bool log) {
    if (vary.empty() || vary.size() > kMaxFields) throw StudyError("a sweep varies one or two input fields");
    std::vector<std::string> ranges;
    SweepGrid grid{FieldsOf(vary, ranges, kForm), {}};
    for (std::size_t i = 0; i < grid.fields.size(); ++i)
        grid.axes.push_back(
            RangeValues("--vary " + grid.fields[i].name + "=" + ranges[i], ranges[i], log, kForm));
    return grid;
}

std::size_t RunSweep(const Study& study, const SweepGrid& grid, int threads, bool keep_states,
                     Progress& progress, const std::function<void(SweepBlock&&)>& consume) {
    const std::size_t dimensions = grid.axes.size();
    const auto produce = [&](int, std::size_t begin, std::size_t end) {
        SweepBlock block{begin,
                         std::vector<double>((end - begin) * dimensions),
                         std::vector<ResultValues>(end - begin),
                         {}};
        ModelState s;
        for (std::size_t p = begin; p < end; ++p) {
            const std::span<double> values(block.values.data() + (p - begin) * dimensions, dimensions);
            grid.PointValues(p, values);
            study.Evaluate(values, s, block.results[p - begin]);
            if (keep_states) block.states.push_back(std::make_unique<ModelState>(s));
        }
        return block;
    };
    return RunBlocksInOrder(grid.Points(), kBlock, threads, produce, consume, progress);
}

}  // namespace velmar::study
