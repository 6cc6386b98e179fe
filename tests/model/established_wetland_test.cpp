// Total phosphorus of an established wetland, against a solution found here independently:
// the three sorption balances solved in closed form, and the bed and water-column mass
// balances by nested bisection, which shares nothing with the engine's Newton iteration.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>

#include "model/driver.h"
#include "model/input.h"
#include "model/solver.h"

namespace velmar {
namespace {

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
double LargerRoot(double a, double B, double c) {
    const double d = std::sqrt(B * B - 4 * a * c);
    return B > 0 ? 2 * c / (-B - d) : (-B + d) / (2 * a);
}
double SmallerRoot(double a, double B, double c) {
    const double d = std::sqrt(B * B - 4 * a * c);
    return B < 0 ? 2 * c / (-B + d) : (-B - d) / (2 * a);
}

// Dissolved TP in the water column, from the sorption balance with total TP y1.
double Dissolved(const Wetland& w, double y1) {
    const double B = 1 + 0.001 * w.b * w.SS * w.Smax - w.fi * w.b * y1;
    return LargerRoot(w.b, B, -w.fi * y1);
}

// Particulate TP in the water column.
double Particulate(const Wetland& w, double y1) {
    const double B = -1 - 0.001 * w.b * w.SS * w.Smax - w.fi * w.b * y1;
    return SmallerRoot(w.b, B, 0.001 * w.b * w.fi * w.SS * w.Smax * y1);
}

// Dissolved TP in the pore water, from the bed's sorption balance with bed TP y2.
double PoreWater(const Wetland& w, double y2) {
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
Balance BedBalance(const Wetland& w, double y1, double y2) {
    return {(w.fo * y1 + Particulate(w, y1)) * w.Vs + w.Vd * Dissolved(w, y1),
            (w.Vb + w.Vr) * y2 + w.Vd * PoreWater(w, y2)};
}

// The water column's inflow less outflow, against its loss to the bed.
Balance WaterBalance(const Wetland& w, double y1, double y2) {
    const double G = w.Vd * PoreWater(w, y2) / y2 + w.Vb + w.Vr;
    return {86400 * G * (w.Ci * w.Qi - w.flow * y1) / w.area,
            w.Vb * (w.fo * w.Vs * y1 + w.Vs * Particulate(w, y1) + w.Vd * Dissolved(w, y1))};
}

// A root of a function that is positive at `low` and negative at `high`.
double Bisect(const std::function<double(double)>& f, double low, double high) {
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
double BedTp(const Wetland& w, double y1) {
    const auto balance = [&](double y2) { return BedBalance(w, y1, y2).Net(); };
    double high = 1;
    while (balance(high) > 0) high *= 2;
    return Bisect(balance, 0, high);
}

Solution Solve(const Wetland& w) {
    // No more TP can stay in the water column than flows in.
    const double y1 = Bisect([&](double c) { return WaterBalance(w, c, BedTp(w, c)).Net(); }, 1e-12 * w.Ci,
                             w.Ci * w.Qi / w.flow);
    const double y2 = BedTp(w, y1);
    return {y1, y2, Dissolved(w, y1), Particulate(w, y1), PoreWater(w, y2)};
}

// The engine's state after a whole run over a project file, with changes to its inputs.
ModelState RunOn(const char* project, const std::function<void(ModelState&)>& change) {
    ModelState s{};
    SetEngineStartValues(s);
    std::FILE* file = std::fopen(project, "r");
    EXPECT_NE(file, nullptr);
    if (file == nullptr) return s;
    ReadModelInput(file, s);
    std::fclose(file);
    change(s);
    ComputeModel(s);
    return s;
}

// The inflow as the project states it: a yearly load carried by the wetland's flow, or a
// flow and concentration of their own.
Wetland WetlandOf(const ModelState& s) {
    Wetland w{};
    w.area = s.area;
    w.flow = s.flow;
    if (s.UserSelectedTPLoad) {
        w.Qi = s.flow;
        w.Ci = s.YearlyTPLoading * 1e6 / 1e3 / (s.flow * 365.25 * 86400);  // kg/yr to g/m³
    } else {
        w.Qi = s.YearlyTPFlow;
        w.Ci = s.InflowingTPConc;
    }
    w.SS = s.SSConc;
    w.Smax = s.MaximumPSorptionCapacity;
    w.b = s.bonding_energy_constant;
    w.rho = s.ActiveRhoB;
    w.phi = s.ActivePhi;
    w.fi = s.f_i;
    w.fo = s.f_o;
    w.fib = s.f_ib;
    // The sediment velocities are the hydraulics' results, which the phosphorus model takes in.
    w.Vs = s.Vs;
    w.Vd = s.Vd;
    w.Vr = s.Vr;
    w.Vb = s.ActiveVb;
    return w;
}

// The engine stops its iteration once the residuals' sum is below a fixed size, which
// leaves the unknowns a few parts in a million from the exact solution.
constexpr double kAgreement = 1e-5;

void ExpectClose(double engine, double expected, const char* what) {
    EXPECT_NEAR(engine, expected, kAgreement * std::fabs(expected)) << what;
}

void ExpectBalanced(const Balance& b, const char* what) {
    EXPECT_NEAR(b.Net(), 0, kAgreement * std::fabs(b.in)) << what;
}

void ExpectTheIndependentSolution(const ModelState& s) {
    ASSERT_LT(s.solver.iter, kIterationLimit);
    ASSERT_EQ(s.matrix_flag, 0);
    const Wetland w = WetlandOf(s);
    const Solution y = Solve(w);

    ExpectClose(s.Qi, w.Qi, "Qi");
    ExpectClose(s.Ci, w.Ci, "Ci");
    EXPECT_EQ(s.Vb, w.Vb);
    ExpectClose(s.C, y.y1, "C");
    ExpectClose(s.Cb, y.y2, "Cb");
    ExpectClose(s.Cd, y.y3, "Cd");
    ExpectClose(s.Cp, y.y4, "Cp");
    ExpectClose(s.Cdp, y.y5, "Cdp");

    // The engine's own unknowns balance the equations written out here.
    ExpectBalanced(BedBalance(w, s.C, s.Cb), "bed");
    ExpectBalanced(WaterBalance(w, s.C, s.Cb), "water column");
    ExpectClose(s.Cd, Dissolved(w, s.C), "Cd balanced");
    ExpectClose(s.Cp, Particulate(w, s.C), "Cp balanced");
    ExpectClose(s.Cdp, PoreWater(w, s.Cb), "Cdp balanced");

    // Particulate fraction with the inert particulate share; dissolved fractions.
    const double f_pw = y.y4 / y.y1 + w.fo;
    const double f_dw = y.y3 / y.y1;
    const double f_dp = y.y5 / y.y2;
    ExpectClose(s.f_pw, f_pw, "f_pw");
    ExpectClose(s.f_dw, f_dw, "f_dw");
    ExpectClose(s.f_dp, f_dp, "f_dp");

    // Net areal removal: what settles and diffuses down, in the share that is buried.
    const double KtpH = (w.Vd * f_dw + f_pw * w.Vs) * w.Vb / (w.Vd * f_dp + w.Vr + w.Vb);
    const double k = KtpH / s.depth;
    const double kt = k * s.detention_time;
    const double RE = s.longitudinal_calc_re ? (1 - std::exp(-kt)) * 100 : kt / (1 + kt) * 100;
    ExpectClose(s.KtpH, KtpH, "KtpH");
    ExpectClose(s.tp_removal_rate, k, "tp_removal_rate");
    ExpectClose(s.RE_TP, RE, "RE_TP");
    if (s.checked_TPGenOutConc) ExpectClose(s.TPoutConc, s.TPinConc * (1 - RE / 100), "TPoutConc");
}

TEST(EstablishedWetlandTp, TypicalProjectMatchesTheIndependentSolution) {
    const ModelState s = RunOn(VELMAR_SOURCE_DIR "/examples/typical.inp", [](ModelState&) {});
    ASSERT_EQ(s.checked_phos_estab, 1);
    ASSERT_EQ(s.UserSelectedTPLoad, 1);
    ASSERT_EQ(s.longitudinal_calc_re, 1);
    ExpectTheIndependentSolution(s);
}

// The inflow given as a flow and concentration of its own, a fully mixed wetland, and other
// sorption constants and shares.
TEST(EstablishedWetlandTp, OwnInflowFullyMixedMatchesTheIndependentSolution) {
    const ModelState s = RunOn(VELMAR_SOURCE_DIR "/examples/typical.inp", [](ModelState& s) {
        s.UserSelectedTPLoad = 0;
        s.YearlyTPFlow = 0.4;
        s.InflowingTPConc = 0.3;
        s.longitudinal_calc_re = 0;
        s.f_i = 0.6;
        s.f_o = 0.25;
        s.f_ib = 0.7;
        s.MaximumPSorptionCapacity = 0.8;
        s.bonding_energy_constant = 0.5;
    });
    ExpectTheIndependentSolution(s);
}

}  // namespace
}  // namespace velmar
