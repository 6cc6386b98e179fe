// An independent solution of an established wetland's phosphorus balance: the three
// sorption balances solved in closed form, and the bed and water-column mass balances by
// nested bisection, which shares nothing with the engine's Newton iteration.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace velmar::testing {

// The wetland as the phosphorus equations see it.
struct Wetland {
    double area, flow, Qi, Ci;
    double SS, Smax, b, rho, phi;
    double fi, fo, fib;
    double Vs, Vd, Vr, Vb;
};

struct Solution {
    double y1, y2, y3, y4, y5;
};

// Roots of a·x² + B·x + c = 0, in forms that lose no digits when B² dwarfs a·c.
inline double LargerRoot(double a, double B, double c) {
    const double d = std::sqrt(B * B - 4 * a * c);
    return B > 0 ? 2 * c / (-B - d) : (-B + d) / (2 * a);
}
inline double SmallerRoot(double a, double B, double c) {
    const double d = std::sqrt(B * B - 4 * a * c);
    return B < 0 ? 2 * c / (-B + d) : (-B - d) / (2 * a);
}

// Dissolved TP in the water column, from the sorption balance with total TP y1.
inline double Dissolved(const Wetland& w, double y1) {
    const double B = 1 + 0.001 * w.b * w.SS * w.Smax - w.fi * w.b * y1;
    return LargerRoot(w.b, B, -w.fi * y1);
}

// Particulate TP in the water column.
inline double Particulate(const Wetland& w, double y1) {
    const double B = -1 - 0.001 * w.b * w.SS * w.Smax - w.fi * w.b * y1;
    return SmallerRoot(w.b, B, 0.001 * w.b * w.fi * w.SS * w.Smax * y1);
}

// Dissolved TP in the pore water, from the bed's sorption balance with bed TP y2.
inline double PoreWater(const Wetland& w, double y2) {
    const double B = w.phi + w.rho * w.Smax * w.b - w.fib * w.b * y2;
    return LargerRoot(w.phi * w.b, B, -w.fib * y2);
}

// A mass balance: what comes in and what goes out.
struct Balance {
    double in, out;
    double Net() const { return in - out; }
};

// The bed gains what settles and diffuses into it, and loses what is buried, resuspended
// and diffuses back.
inline Balance BedBalance(const Wetland& w, double y1, double y2) {
    return {(w.fo * y1 + Particulate(w, y1)) * w.Vs + w.Vd * Dissolved(w, y1),
            (w.Vb + w.Vr) * y2 + w.Vd * PoreWater(w, y2)};
}

// The water column's inflow less outflow, against its loss to the bed.
inline Balance WaterBalance(const Wetland& w, double y1, double y2) {
    const double G = w.Vd * PoreWater(w, y2) / y2 + w.Vb + w.Vr;
    return {86400 * G * (w.Ci * w.Qi - w.flow * y1) / w.area,
            w.Vb * (w.fo * w.Vs * y1 + w.Vs * Particulate(w, y1) + w.Vd * Dissolved(w, y1))};
}

// A root of a function that is positive at `low` and negative at `high`.
inline double Bisect(const std::function<double(double)>& f, double low, double high) {
    EXPECT_GT(f(low), 0);
    EXPECT_LT(f(high), 0);
    for (int i = 0; i < 200 && low < high; ++i) {
        const double middle = 0.5 * (low + high);
        if (middle == low || middle == high) break;
        (f(middle) > 0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

// The bed TP in balance with a water-column TP; the bed balance falls as y2 grows.
inline double BedTp(const Wetland& w, double y1) {
    const auto balance = [&](double y2) { return BedBalance(w, y1, y2).Net(); };
    double high = 1;
    while (balance(high) > 0) high *= 2;
    return Bisect(balance, 0, high);
}

inline Solution Solve(const Wetland& w) {
    // No more TP can stay in the water column than flows in.
    const double y1 = Bisect([&](double c) { return WaterBalance(w, c, BedTp(w, c)).Net(); }, 1e-12 * w.Ci,
                             w.Ci * w.Qi / w.flow);
    const double y2 = BedTp(w, y1);
    return {y1, y2, Dissolved(w, y1), Particulate(w, y1), PoreWater(w, y2)};
}

}  // namespace velmar::testing
