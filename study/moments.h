// Streaming mean and standard deviation. Values are summed about a shift (the first value),
// which keeps the sums free of cancellation; partial moments merge exactly as a single pass
// over both parts would, up to rounding.
#pragma once

#include <cmath>
#include <cstdint>

namespace velmar::study {

class Moments {
public:
    // A value that is not finite is left out.
    void Add(double x) {
        if (!std::isfinite(x)) return;
        if (n_ == 0) shift_ = x;
        const double d = x - shift_;
        s1_ += d;
        s2_ += d * d;
        ++n_;
    }

    // Adds x as many times as `count` says.
    void AddRepeated(double x, std::uint64_t count);

    // Takes in the moments of values that follow these (Chan, Golub and LeVeque's update).
    void Merge(const Moments& later);

    std::uint64_t Count() const { return n_; }
    double Mean() const;
    // The sample standard deviation (n - 1 in the denominator); 0 for fewer than two values.
    double StandardDeviation() const;

private:
    double SquaredDeviations() const;

    std::uint64_t n_ = 0;
    double shift_ = 0, s1_ = 0, s2_ = 0;
};

}  // namespace velmar::study
