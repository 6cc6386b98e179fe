// A range of values over which a study runs: STEPS values from FROM to TO, both included.
#pragma once

#include <cstddef>

namespace velmar::study {

// Evenly spaced, or geometrically when `log` (both ends greater than 0). Each value is
// worked out when asked for, so a range of a billion steps takes no memory.
struct GridRange {
    double from = 0, to = 0;
    std::size_t steps = 0;
    bool log = false;
    bool whole = false;  // values rounded to whole numbers

    // The i-th value (i < steps): for finite ends, finite and between them.
    double Value(std::size_t i) const;
};

}  // namespace velmar::study
