// Total phosphorus of an established wetland, against a solution found independently of
// the engine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>

#include "model/driver.h"
#include "model/input.h"
#include "model/solver.h"
#include "tests/support/established_wetland_solution.h"

namespace velmar {
namespace {

using testing::Balance;
using testing::Solution;
using testing::Wetland;

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
