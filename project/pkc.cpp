#include "project/pkc.h"

#include <cmath>
#include <limits>

namespace velmar::pkc {
namespace {

constexpr double kNoUpperBound = std::numeric_limits<double>::infinity();

// A row of the published tables: the constituent, the highest inflow (mg/L, included) the
// row is for, and its constants. Only BOD's rows depend on the inflow.
struct TableRow {
    Constituent constituent;
    double inflow_up_to;
    Constants constants;
};

// Kadlec & Wallace (2009), tables of first-order rate constants: annual values over many
// wetlands, not adjusted to 20 Deg. C. C* in mg/L; fecal coliforms in cfu/100 mL.
constexpr TableRow kFreeWaterSurface[] = {
    {Constituent::TotalNitrogen, kNoUpperBound, {3, 1.5, 6.6, 12.6, 24.2}},
    {Constituent::TotalPhosphorus, kNoUpperBound, {3.4, 0.002, 4.5, 10.0, 16.7}},
    {Constituent::FecalColiforms, kNoUpperBound, {3, 40, 49, 83, 177}},
    {Constituent::Bod, 30, {1, 2, 16, 33, 79}},
    {Constituent::Bod, 100, {1, 5, 16, 41, 67}},
    {Constituent::Bod, 200, {1, 10, 23, 36, 112}},
    {Constituent::Bod, kNoUpperBound, {1, 20, 54, 189, 439}},
};

// The same source has no TP row for horizontal subsurface flow wetlands.
constexpr TableRow kHorizontalSubsurface[] = {
    {Constituent::TotalNitrogen, kNoUpperBound, {6, 1, 4.7, 8.4, 14.2}},
    {Constituent::FecalColiforms, kNoUpperBound, {6, 0, 56, 103, 181}},
    {Constituent::Bod, 30, {3, 1, 36, 86, 224}},
    {Constituent::Bod, 100, {3, 5, 24, 37, 44}},
    {Constituent::Bod, 200, {3, 10, 15, 25, 44}},
    {Constituent::Bod, kNoUpperBound, {3, 15, 21, 66, 114}},
};

template <std::size_t N>
std::optional<Constants> Lookup(const TableRow (&table)[N], Constituent c, double inflow) {
    for (const TableRow& row : table) {
        if (row.constituent == c && inflow <= row.inflow_up_to) return row.constants;
    }
    return std::nullopt;
}

// ln((Ci - C*) / (Co - C*)) after P tanks, P ln(1 + k/(P q)), written so that its limits hold in
// floating point: as P grows it tends to k/q, the plug-flow value, even where k/(P q) underflows;
// as P shrinks to 0 it tends to 0, even where k/(P q) overflows.
double LogAttenuation(double k, double q, double tanks) {
    const double kq = k / q, x = kq / tanks;
    if (x < 1) return x > 0 ? kq * (std::log1p(x) / x) : kq;
    if (std::isfinite(x)) return tanks * std::log1p(x);
    return tanks * (std::log(kq) - std::log(tanks));  // ln(1 + x) = ln x to double precision
}

}  // namespace

const char* WetlandTypeName(WetlandType type) {
    return type == WetlandType::FreeWaterSurface ? "free water surface (FWS)"
                                                 : "horizontal subsurface flow (HSSF)";
}

const char* WetlandTypeAbbreviation(WetlandType type) {
    return type == WetlandType::FreeWaterSurface ? "FWS" : "HSSF";
}

double Outflow(double ci, double q, double k, double cstar, double tanks) {
    return cstar + (ci - cstar) * std::exp(-LogAttenuation(k, q, tanks));
}

double RemovalPercent(double ci, double co) {
    return (ci - co) / ci * 100;
}

double AtTemperature(double k20, double theta, double temperature) {
    return k20 * std::pow(theta, temperature - 20);
}

std::optional<double> AreaForTarget(double ci, double target, double flow_per_year, double k, double cstar,
                                    double tanks) {
    if (target <= cstar) return std::nullopt;
    if (target >= ci) return 0.0;
    // P (ratio^(1/P) - 1) = P expm1(L / P), L = ln ratio, tends to L as P grows.
    const double l = std::log((ci - cstar) / (target - cstar)), y = l / tanks;
    const double spread = y < 1 ? (y > 0 ? l * (std::expm1(y) / y) : l) : tanks * std::expm1(y);
    const double area = flow_per_year / k * spread;
    if (!std::isfinite(area)) return std::nullopt;
    return area;
}

std::optional<Constants> PublishedConstants(WetlandType type, Constituent c, double inflow) {
    return type == WetlandType::FreeWaterSurface ? Lookup(kFreeWaterSurface, c, inflow)
                                                 : Lookup(kHorizontalSubsurface, c, inflow);
}

}  // namespace velmar::pkc
