// Streaming mean and standard deviation. Values are summed about a shift (the first value),
// which keeps the sums free of cancellation; partial moments merge exactly as a single pass
// over both parts would, up to rounding.
#pragma once

#include <cstdint>

namespace velmar::study {

class Moments {
public:
    // A value that is not finite is left out.
    void Add(double x) {
        if (n_ != 0 && x == shift_) {
            ++n_;  // adds nothing to the sums: most results repeat one value
        } else {
            AddOther(x);
        }
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
    void AddOther(double x);
    double SquaredDeviations() const;

    std::uint64_t n_ = 0;
    double shift_ = 0, s1_ = 0, s2_ = 0;
};

}  // namespace velmar::study
