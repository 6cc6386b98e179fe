// Finding where a result of engine runs reaches a target: a scan over a grid for the first
// crossing, then Brent's method (bisection, secant and inverse quadratic steps) within it.
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace velmar::study {

// `points` values from low to high, spaced evenly, or geometrically when both are
// positive and high is at least ten times low.
std::vector<double> SearchGrid(double low, double high, int points);

// The first i at which g[i] is 0, or g[i] and g[i+1] have opposite signs, as i, i+1; none
// when the values keep one sign (or are not numbers).
std::optional<std::pair<std::size_t, std::size_t>> FirstCrossing(const std::vector<double>& g);

struct Root {
    double x;   // where g has the sign of g(b), or is 0: past the crossing
    double gx;  // g(x)
};

// Narrows [a, b], where g(a) and g(b) are of opposite signs, until it is no wider than
// `tolerance` or g is 0 at an end, by at most `evaluations` evaluations of g.
Root NarrowCrossing(const std::function<double(double)>& g, double a, double ga, double b, double gb,
                    double tolerance, int evaluations);

}  // namespace velmar::study
