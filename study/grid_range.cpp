#include "study/grid_range.h"

#include <algorithm>
#include <cmath>

namespace velmar::study {

// The plain forms from + t (to - from) and from (to / from)^t overflow for ends far apart
// (-1e308 to 1e308, or 1e-308 to 1e308); there the ends are weighted instead, by t and
// 1 - t, in logarithms for geometric spacing. Rounding near the largest number is kept
// between the ends.
double GridRange::Value(std::size_t i) const {
    if (i == 0) return from;
    if (i + 1 >= steps) return to;
    const double t = static_cast<double>(i) / static_cast<double>(steps - 1);
    double x;
    if (log) {
        const double ratio = to / from;
        x = std::isnormal(ratio) ? from * std::pow(ratio, t)
                                 : std::exp(std::log(from) * (1 - t) + std::log(to) * t);
    } else {
        const double span = to - from;
        x = std::isfinite(span) ? from + t * span : from * (1 - t) + to * t;
    }
    x = std::clamp(x, std::min(from, to), std::max(from, to));
    return whole ? std::round(x) : x;
}

}  // namespace velmar::study
