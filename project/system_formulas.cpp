#include "project/system_formulas.h"

#include <cmath>
#include <cstdint>

namespace velmar {

double RoundToDecimals(double x, int n) {
    double m = 10.0;
    for (int i = 1; i <= n; ++i) m *= 10.0;
    const double biased = m * x + 5.0;
    // Out of range (or not a number) the conversion yields the integer indefinite value,
    // as the processor's truncating conversion does.
    const std::int32_t scaled =
        (biased > -2147483649.0 && biased < 2147483648.0) ? static_cast<std::int32_t>(biased) : INT32_MIN;
    return static_cast<double>(scaled / 10) / (m / 10.0);
}

double BodDecayRateForDepth(double depth) {
    const double feet = depth / 0.3048;
    double k;
    if (feet >= 0.0 && feet <= 1.0) {
        k = 2.3;
    } else if (feet >= 5.0) {
        k = 0.2;
    } else if (depth <= 0.0) {
        k = 0.0;
    } else {
        k = 2.3 * std::pow(feet, -1.52);
    }
    return RoundToDecimals(k, 2);
}

}  // namespace velmar
