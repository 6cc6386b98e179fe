#include "study/root_finding.h"

#include <cmath>
#include <utility>

#include "study/grid_range.h"

namespace velmar::study {
namespace {

bool OppositeSigns(double a, double b) {
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

}  // namespace

std::vector<double> SearchGrid(double low, double high, int points) {
    const GridRange range{low, high, static_cast<std::size_t>(points), low > 0 && high >= 10 * low};
    std::vector<double> grid(range.steps);
    for (std::size_t i = 0; i < grid.size(); ++i) grid[i] = range.Value(i);
    return grid;
}

std::optional<std::pair<std::size_t, std::size_t>> FirstCrossing(const std::vector<double>& g) {
    for (std::size_t i = 0; i < g.size(); ++i) {
        if (g[i] == 0) return std::pair{i, i};
        if (i + 1 < g.size() && OppositeSigns(g[i], g[i + 1])) return std::pair{i, i + 1};
    }
    return std::nullopt;
}

// Brent's zeroin: b is the best estimate and c the other end of the bracket; a is the
// previous b. Each step interpolates when that stays well inside the bracket and shrinks
// it fast enough, and bisects otherwise.
Root NarrowCrossing(const std::function<double(double)>& g, double a, double ga, double b, double gb,
                    double tolerance, int evaluations) {
    // The end past the crossing is the one whose sign g(b) has now.
    const double past_sign = gb;
    double c = a, gc = ga;
    double step = b - a, last_step = step;
    for (int n = 0; n < evaluations && gb != 0; ++n) {
        if (std::abs(gc) < std::abs(gb)) {
            a = b, ga = gb;
            b = c, gb = gc;
            c = a, gc = ga;
        }
        const double half = (c - b) / 2;
        if (std::abs(half) <= tolerance / 2) break;
        if (std::abs(last_step) >= tolerance && std::abs(ga) > std::abs(gb)) {
            double p, q;
            const double s = gb / ga;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double r = gb / gc, t = ga / gc;
                p = s * (2 * half * t * (t - r) - (b - a) * (r - 1));
                q = (t - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) {
                q = -q;
            } else {
                p = -p;
            }
            if (2 * p < std::min(3 * half * q - std::abs(tolerance * q / 2), std::abs(last_step * q))) {
                last_step = step;
                step = p / q;
            } else {
                step = last_step = half;
            }
        } else {
            step = last_step = half;
        }
        a = b, ga = gb;
        b += std::abs(step) > tolerance / 2 ? step : (half > 0 ? tolerance / 2 : -tolerance / 2);
        gb = g(b);
        if (!OppositeSigns(gb, gc)) {
            c = a, gc = ga;
            step = last_step = b - a;
        }
    }
    if (gb == 0 || !OppositeSigns(gb, past_sign)) return {b, gb};
    return {c, gc};
}

}  // namespace velmar::study
