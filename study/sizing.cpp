#include "study/sizing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "study/ordered_parallel.h"
#include "study/parse_number.h"
#include "study/root_finding.h"
#include "study/row_writer.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

// Without a range the search spans a hundredth to a hundred times the project's value.
constexpr double kDefaultSpan = 100;
constexpr int kNarrowingEvaluations = 200;
// The crossing is narrowed to this fraction of the value found.
constexpr double kRelativeTolerance = 1e-9;
// Why the model gives no value of a result: for the TP results, a phosphorus solution that
// did not converge; a result that is not a number otherwise also means none.
constexpr const char* kNoValueReason = " (a phosphorus solution that did not converge, for instance)";

}  // namespace

SizeTarget ParseSizeTarget(const std::string& text) {
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        throw StudyError("--target '" + text + "' is not of the form RESULT=VALUE");
    return {FindResult(text.substr(0, equals)), ParseNumber(text.substr(equals + 1), "--target " + text)};
}

std::pair<double, double> ParseSearchRange(const std::string& range, const Study& study) {
    const InputField& f = study.inputs().fields()[0];
    if (f.whole) {
        throw StudyError(f.name +
                         " takes whole numbers only: a search over it has no crossing to narrow down; "
                         "sweep it instead");
    }
    if (range.empty()) {
        const double x =
            f.value->kind == FieldKind::Int ? IntAt(study.base(), *f.value) : RealAt(study.base(), *f.value);
        if (!(x > 0)) {
            throw StudyError(f.name + " is " + NumberText(x) + " in " + study.project() +
                             ": give the range to search with --range A:B");
        }
        return {x / kDefaultSpan, x * kDefaultSpan};
    }
    const auto colon = range.find(':');
    if (colon == std::string::npos) throw StudyError("--range '" + range + "' is not of the form A:B");
    const double a = ParseNumber(range.substr(0, colon), "--range A");
    const double b = ParseNumber(range.substr(colon + 1), "--range B");
    if (!(a < b)) throw StudyError("--range " + range + ": A must be below B");
    CheckFieldRange(f, a, b, "--range " + range);
    return {a, b};
}

std::optional<Sizing> FindSize(const Study& study, const SizeTarget& target, double low, double high,
                               int threads, Progress& progress, std::size_t& scanned) {
    const std::string& vary = study.inputs().fields()[0].name;
    const std::string result_name = ResultName(target.result);

    // g(x): how far the result is past its target with the input at x.
    const auto g = [&](double x, ModelState& s) {
        ResultValues v;
        study.Evaluate(std::span<const double>(&x, 1), s, v);
        return v[target.result] - target.value;
    };
    const std::vector<double> grid = SearchGrid(low, high, static_cast<int>(kSizeGridPoints));
    std::vector<double> gaps;
    const auto produce = [&](int, std::size_t begin, std::size_t end) {
        ModelState s;
        std::vector<double> block;
        for (std::size_t i = begin; i < end; ++i) block.push_back(g(grid[i], s));
        return block;
    };
    const auto consume = [&](std::vector<double>&& block) {
        gaps.insert(gaps.end(), block.begin(), block.end());
    };
    scanned = RunBlocksInOrder(grid.size(), 1, threads, produce, consume, progress);
    if (scanned < grid.size()) return std::nullopt;

    const auto crossing = FirstCrossing(gaps);
    if (!crossing) {
        std::size_t best = 0, without = 0;
        for (std::size_t i = 0; i < gaps.size(); ++i) {
            without += std::isnan(gaps[i]);
            if (std::isnan(gaps[best]) || std::abs(gaps[i]) < std::abs(gaps[best])) best = i;
        }
        std::string message = result_name + " does not reach " + NumberText(target.value) + " for " + vary +
                              " from " + NumberText(low) + " to " + NumberText(high);
        if (without < gaps.size()) {
            message += "; the closest is " + NumberText(gaps[best] + target.value) + ", at " + vary + " = " +
                       NumberText(grid[best]);
        }
        if (without > 0) {
            message += "; the model gave no value of " + result_name + " at " + std::to_string(without) +
                       " of the " + std::to_string(gaps.size()) + " values tried" + kNoValueReason;
        }
        throw StudyError(message);
    }
    const auto [i, j] = *crossing;
    ModelState s;
    Root root{grid[j], gaps[j]};
    if (i != j) {
        const double tolerance = kRelativeTolerance * std::max(std::abs(grid[i]), std::abs(grid[j]));
        bool without_value = false;
        const auto narrowed = [&](double x) {
            const double gx = g(x, s);
            without_value = without_value || std::isnan(gx);
            return gx;
        };
        root = NarrowCrossing(narrowed, grid[i], gaps[i], grid[j], gaps[j], tolerance, kNarrowingEvaluations);
        // A crossing beside values the model could not give may be no crossing at all.
        if (without_value) {
            throw StudyError("the model gave no value of " + result_name + " at some " + vary + " between " +
                             NumberText(grid[i]) + " and " + NumberText(grid[j]) + kNoValueReason +
                             ": where " + result_name + " reaches " + NumberText(target.value) +
                             " there cannot be told");
        }
    }
    // Brent's method keeps within its bracket; this holds whatever the arithmetic does.
    if (!(root.x >= low && root.x <= high)) {
        throw StudyError("the search for " + result_name + " = " + NumberText(target.value) +
                         " left the range " + NumberText(low) + " to " + NumberText(high) + " of " + vary +
                         ": no answer is given");
    }
    return Sizing{root.x, root.gx + target.value};
}

}  // namespace velmar::study
