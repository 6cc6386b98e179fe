// Sizing: the value of a study's one input at which a result reaches a target. A scan over
// a grid for the first crossing, then Brent's method within it; the value given lies on the
// side where the target is reached.
#pragma once

#include <cstddef>
#include <optional>
#include <utility>

#include "study/evaluation.h"

namespace velmar::study {

struct Sizing {
    double value;    // of the input
    double reached;  // the result there
};

// The range searched when none is given: a hundredth to a hundred times the project's value
// of the input. A project whose value is not above 0 is refused: the range must be given.
std::pair<double, double> DefaultSearchRange(const Study& study);

// Where `result` reaches `target` as the input goes from low to high, on `threads` threads.
// A target not reached, or a crossing beside runs without a value of the result, is refused
// with a StudyError that says how close the search came. Nothing when Ctrl-C stopped it.
std::optional<Sizing> SizeInput(const Study& study, std::size_t result, double target, double low,
                                double high, int threads);

}  // namespace velmar::study
