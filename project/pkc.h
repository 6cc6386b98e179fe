// The P-k-C* design method for treatment wetlands (Kadlec & Wallace 2009): first-order
// removal towards a background concentration C* that no wetland goes below, through P
// tanks in series,
//     (Co - C*) / (Ci - C*) = (1 + k / (P q))^-P,     q = Q / A (m/yr),
// with rate constants k fitted across many wetlands. It is shown beside the model's own
// plug-flow and fully mixed answers, never fed into them: constants fitted with C* and P
// are not interchangeable with first-order rates fitted without them.
#pragma once

#include <optional>

namespace velmar::pkc {

enum class WetlandType { FreeWaterSurface, HorizontalSubsurface };

// "free water surface (FWS)", "horizontal subsurface flow (HSSF)"; and "FWS", "HSSF".
const char* WetlandTypeName(WetlandType type);
const char* WetlandTypeAbbreviation(WetlandType type);

// The constituents the published tables cover.
enum class Constituent { Bod, TotalNitrogen, TotalPhosphorus, FecalColiforms };

struct Constants {
    double tanks;          // P, the apparent number of tanks in series: fitted, not a cell count
    double cstar;          // background concentration, in the constituent's own units
    double k30, k50, k70;  // m/yr, at the 30th, 50th and 70th percentile of the wetlands
};

// The outflow concentration for an inflow ci, a hydraulic loading q (m/yr), a rate k (m/yr),
// a background cstar and P tanks; a P so large as to be infinite gives the plug-flow limit
// C* + (Ci - C*) e^(-k/q), and a P near 0 the inflow. An inflow below C* rises towards C*.
double Outflow(double ci, double q, double k, double cstar, double tanks);

// The removal efficiency (%) of an outflow co from an inflow ci.
double RemovalPercent(double ci, double co);

// A rate at the water temperature (Deg. C) from its value at 20 Deg. C: k θ^(T - 20).
double AtTemperature(double k20, double theta, double temperature);

// The area (m^2) that brings an inflow ci down to a target outflow, for a flow in m^3/yr:
//     A = (P Q / k) [((Ci - C*) / (Co - C*))^(1/P) - 1],
// or the plug-flow limit (Q / k) ln((Ci - C*) / (Co - C*)) for an infinite P. A target at
// or above the inflow needs no area (0). None when the target is at or below C*, or when the
// area is past the largest number (P near 0 removes next to nothing): no area reaches it.
std::optional<double> AreaForTarget(double ci, double target, double flow_per_year, double k, double cstar,
                                    double tanks);

// The published constants of a constituent in a wetland type, none where the tables have no
// row (TP in horizontal subsurface flow wetlands). BOD's row depends on its inflow (mg/L),
// in bands that hold their upper bound: up to and including 30, above 30 up to and including
// 100, above 100 up to and including 200, above 200.
std::optional<Constants> PublishedConstants(WetlandType type, Constituent c, double inflow);

}  // namespace velmar::pkc
