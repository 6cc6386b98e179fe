#include "study/sweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "study/command_support.h"
#include "study/ordered_parallel.h"
#include "study/parse_number.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

constexpr std::size_t kBlock = 16;
constexpr std::size_t kMaxFields = 2;
constexpr const char* kForm = "FIELD=FROM:TO:STEPS";

// The range of one field, refused where it holds values the field cannot take. A whole-number
// field's values must all be whole: spaced evenly, in whole steps.
GridRange FieldRange(const InputField& field, const std::string& range, bool log) {
    const std::string what = "--vary " + field.name + "=" + range;
    GridRange r = ParseRange(what, range, log, kForm);
    CheckFieldRange(field, std::min(r.from, r.to), std::max(r.from, r.to), what);
    if (field.whole) {
        if (log)
            throw StudyError(what + ": " + field.name +
                             " takes whole numbers only: --log would space them geometrically");
        if (std::fmod(r.to - r.from, static_cast<double>(r.steps - 1)) != 0) {
            throw StudyError(what + ": " + field.name +
                             " takes whole numbers only: STEPS - 1 must divide TO - FROM");
        }
        r.whole = true;
    }
    return r;
}

}  // namespace

GridRange ParseRange(const std::string& what, const std::string& range, bool log, const char* form) {
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
    return {from, to, static_cast<std::size_t>(steps), log};
}

std::size_t SweepGrid::Points() const {
    std::size_t points = 1;
    for (const GridRange& axis : axes) points *= axis.steps;
    return points;
}

void SweepGrid::PointValues(std::size_t p, std::span<double> values) const {
    for (std::size_t i = axes.size(); i-- > 0;) {
        values[i] = axes[i].Value(p % axes[i].steps);
        p /= axes[i].steps;
    }
}

SweepGrid ParseSweepGrid(const std::vector<std::string>& vary, bool log) {
    if (vary.empty() || vary.size() > kMaxFields) throw StudyError("a sweep varies one or two input fields");
    std::vector<std::string> ranges;
    SweepGrid grid{FieldsOf(vary, ranges, kForm), {}};
    for (std::size_t i = 0; i < grid.fields.size(); ++i)
        grid.axes.push_back(FieldRange(grid.fields[i], ranges[i], log));
    return grid;
}

std::vector<std::string> SweepNotes(const FlawTally& flaws, std::size_t points) {
    return FlawNotes(flaws, OfTotal("at", points, "points"), "their TP results are given as nan",
                     "they are given as nan");
}

std::size_t RunSweep(const Study& study, const SweepGrid& grid, int threads, bool keep_states,
                     Progress& progress, const std::function<void(SweepBlock&&)>& consume) {
    const std::size_t dimensions = grid.axes.size();
    const auto produce = [&](int, std::size_t begin, std::size_t end) {
        SweepBlock block{begin,
                         std::vector<double>((end - begin) * dimensions),
                         std::vector<ResultValues>(end - begin),
                         {},
                         {}};
        ModelState s;
        for (std::size_t p = begin; p < end; ++p) {
            const std::span<double> values(block.values.data() + (p - begin) * dimensions, dimensions);
            grid.PointValues(p, values);
            block.flaws.Add(study.Evaluate(values, s, block.results[p - begin]));
            if (keep_states) block.states.push_back(std::make_unique<ModelState>(s));
        }
        return block;
    };
    return RunBlocksInOrder(grid.Points(), kBlock, threads, produce, consume, progress);
}

}  // namespace velmar::study
