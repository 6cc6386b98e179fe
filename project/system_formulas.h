// Small formulas on system properties that the record's defaults and the screens share.
#pragma once

namespace velmar {

// Rounds half up to n decimals the way the screens always have: m = 10^(n+1) (10 when
// n < 1), truncate m*x + 5 to a 32-bit integer, integer-divide by 10, divide by m/10.
// Negative values are biased toward zero (-2.346 gives -2.34).
double RoundToDecimals(double x, int n);

// The BOD decay rate at 20 Deg. C (/day) that suits a wetland of the given depth (m),
// rounded to two decimals: 2.3 up to one foot, 0.2 from five feet, 2.3 * H^-1.52 between.
double BodDecayRateForDepth(double depth);

}  // namespace velmar
