#include "study/distributions.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "study/parse_number.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

struct KindInfo {
    const char* name;
    DistributionKind kind;
    const char* parameters;
    std::size_t count;
};

constexpr KindInfo kKinds[] = {
    {"uniform", DistributionKind::Uniform, "low,high", 2},
    {"triangular", DistributionKind::Triangular, "low,mode,high", 3},
    {"normal", DistributionKind::Normal, "mean,sd", 2},
    {"lognormal", DistributionKind::Lognormal, "gm,gsd", 2},
};

std::string Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

void Require(bool holds, std::string_view whole, const char* what) {
    if (!holds) throw StudyError("distribution '" + std::string(whole) + "': " + what);
}

void CheckParameters(const Distribution& d, std::string_view whole) {
    switch (d.kind) {
        case DistributionKind::Uniform: Require(d.a < d.b, whole, "low must be below high"); break;
        case DistributionKind::Triangular:
            Require(d.a < d.c, whole, "low must be below high");
            Require(d.a <= d.b && d.b <= d.c, whole, "the mode must lie between low and high");
            break;
        case DistributionKind::Normal: Require(d.b > 0, whole, "sd must be greater than 0"); break;
        case DistributionKind::Lognormal:
            Require(d.a > 0, whole, "gm must be greater than 0");
            Require(d.b > 1, whole, "gsd must be greater than 1");
            break;
    }
}

}  // namespace

Distribution ParseDistribution(std::string_view text) {
    const auto open = text.find('(');
    if (open == std::string_view::npos || text.empty() || text.back() != ')') {
        throw StudyError("distribution '" + std::string(text) +
                         "' is not of the form KIND(parameters), e.g. lognormal(0.05,2)");
    }
    const std::string name = Trimmed(text.substr(0, open));
    const KindInfo* found = nullptr;
    for (const KindInfo& k : kKinds) {
        if (name == k.name) found = &k;
    }
    if (found == nullptr) {
        throw StudyError("unknown distribution '" + name +
                         "'; known: uniform, triangular, normal, lognormal");
    }
    std::vector<double> p;
    std::string_view rest = text.substr(open + 1, text.size() - open - 2);
    while (true) {
        const auto comma = rest.find(',');
        p.push_back(ParseNumber(Trimmed(rest.substr(0, comma)), "distribution '" + std::string(text) + "'"));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    if (p.size() != found->count) {
        throw StudyError("distribution '" + std::string(text) + "': " + found->name + " takes " +
                         std::to_string(found->count) + " parameters (" + found->parameters + ")");
    }
    const Distribution d{found->kind, p[0], p[1], p.size() > 2 ? p[2] : 0};
    CheckParameters(d, text);
    return d;
}

double Distribution::Quantile(double u) const {
    switch (kind) {
        case DistributionKind::Uniform: {
            // Weighted ends where high - low is past the largest number.
            const double span = b - a;
            return std::isfinite(span) ? a + u * span : a * (1 - u) + b * u;
        }
        case DistributionKind::Triangular: {
            const double low = a, mode = b, high = c;
            const double split = (mode - low) / (high - low);
            if (u < split) return low + std::sqrt(u * (high - low) * (mode - low));
            return high - std::sqrt((1 - u) * (high - low) * (high - mode));
        }
        case DistributionKind::Normal: return a + b * NormalQuantile(u);
        case DistributionKind::Lognormal: return a * std::exp(std::log(b) * NormalQuantile(u));
    }
    return 0;
}

double Distribution::Lowest() const {
    switch (kind) {
        case DistributionKind::Uniform:
        case DistributionKind::Triangular: return a;
        case DistributionKind::Normal: return -std::numeric_limits<double>::infinity();
        case DistributionKind::Lognormal: return 0;
    }
    return 0;
}

// Acklam's rational approximations: a central one and one for each tail.
double NormalQuantile(double u) {
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                                   1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                   6.680131188771972e+01, -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                   -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                   3.754408661907416e+00};
    constexpr double kLowTail = 0.02425;
    const auto tail = [&](double q) {
        return (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
               ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    };
    if (u < kLowTail) return tail(std::sqrt(-2 * std::log(u)));
    if (u > 1 - kLowTail) return -tail(std::sqrt(-2 * std::log(1 - u)));
    const double q = u - 0.5;
    const double r = q * q;
    return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
           (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
}

namespace {

// The chance that |T| <= t (t >= 0) for Student's t with whole degrees of freedom: with
// θ = atan(t / sqrt(ν)), for odd ν (2/π)[θ + sin θ cos θ Σ a_k cos^2k θ], a_k = a_(k-1) 2k/(2k+1),
// k below (ν-1)/2; for even ν sin θ Σ b_k cos^2k θ, b_k = b_(k-1) (2k-1)/(2k), k below ν/2.
double StudentTCentralChance(double t, std::uint64_t degrees) {
    const double theta = std::atan(t / std::sqrt(static_cast<double>(degrees)));
    const double c2 = std::cos(theta) * std::cos(theta);
    const bool odd = degrees % 2 == 1;
    double term = 1, sum = degrees == 1 ? 0 : 1;
    for (std::uint64_t k = 1; 2 * k + (odd ? 1 : 0) < degrees && term > 1e-18 * sum; ++k) {
        const double twice_k = 2 * static_cast<double>(k);
        term *= (odd ? twice_k / (twice_k + 1) : (twice_k - 1) / twice_k) * c2;
        sum += term;
    }
    if (!odd) return std::sin(theta) * sum;
    return 2 / std::numbers::pi * (theta + std::sin(theta) * std::cos(theta) * sum);
}

}  // namespace

double StudentTQuantile(double u, std::uint64_t degrees) {
    if (u < 0.5) return -StudentTQuantile(1 - u, degrees);
    const double chance = 2 * u - 1;
    double low = 0, high = 1;
    while (StudentTCentralChance(high, degrees) < chance) high *= 2;
    while (high - low > 1e-13 * high) {
        const double middle = (low + high) / 2;
        (StudentTCentralChance(middle, degrees) < chance ? low : high) = middle;
    }
    return (low + high) / 2;
}

}  // namespace velmar::study
