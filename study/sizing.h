// Sizing: the value of one input at which a result reaches a target.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "study/evaluation.h"
#include "study/progress.h"

namespace velmar::study {

struct SizeTarget {
    std::size_t result;
    double value;
};

// "RESULT=VALUE", the result named as in the results.
SizeTarget ParseSizeTarget(const std::string& text);

// The values to search, from "A:B"; when empty, a hundredth to a hundred times the value
// the study's project gives its (one) varied input.
std::pair<double, double> ParseSearchRange(const std::string& range, const Study& study);

// The values of the input tried before the search narrows down on a crossing.
constexpr std::size_t kSizeGridPoints = 33;

struct Sizing {
    double value;    // of the input
    double reached;  // the result there, at or past the target
};

// The first value of the study's input from `low` to `high` at which the result reaches its
// target, found on `threads` threads; nothing when interrupted, with the grid points tried
// in `scanned`. A target not reached, or a crossing that runs the model where it gives no
// value, is refused with what was found.
std::optional<Sizing> FindSize(const Study& study, const SizeTarget& target, double low, double high,
                               int threads, Progress& progress, std::size_t& scanned);

}  // namespace velmar::study
