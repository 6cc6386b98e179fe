// The distributions an uncertain input can be given, each drawn by its inverse cumulative
// distribution function from a uniform number, so that plain and Latin hypercube sampling
// share one path.
#pragma once

#include <cstdint>
#include <string_view>

namespace velmar::study {

enum class DistributionKind { Uniform, Triangular, Normal, Lognormal };

// uniform(low, high); triangular(low, mode, high); normal(mean, sd); lognormal(gm, gsd), the
// geometric mean and geometric standard deviation: ln X is normal with mean ln gm and
// standard deviation ln gsd (a rate "known to a factor of two" is lognormal(k, 2)).
struct Distribution {
    DistributionKind kind;
    double a, b, c;

    // The value below which a fraction u (0 < u < 1) of the distribution lies.
    double Quantile(double u) const;

    // The lowest value it gives: minus infinity for the normal distribution.
    double Lowest() const;
};

// Reads "KIND(p1,p2[,p3])", refusing an unknown kind, a wrong count of parameters or
// parameters that describe no distribution.
Distribution ParseDistribution(std::string_view text);

// The standard normal quantile, to a relative accuracy of about 1e-9.
double NormalQuantile(double u);

// Student's t quantile for a whole number of degrees of freedom (1 or more), 0 < u < 1: the
// inverse of the distribution function, which for whole degrees is a finite series in the
// angle atan(t / sqrt(degrees)).
double StudentTQuantile(double u, std::uint64_t degrees);

}  // namespace velmar::study
