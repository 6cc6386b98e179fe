#include "study/moments.h"

#include <cmath>

namespace velmar::study {

void Moments::AddRepeated(double x, std::uint64_t count) {
    if (count == 0 || !std::isfinite(x)) return;
    if (n_ == 0) shift_ = x;
    const double d = x - shift_;
    const auto k = static_cast<double>(count);
    s1_ += k * d;
    s2_ += k * d * d;
    n_ += count;
}

double Moments::Mean() const {
    return n_ == 0 ? 0 : shift_ + s1_ / static_cast<double>(n_);
}

double Moments::SquaredDeviations() const {
    return n_ == 0 ? 0 : s2_ - s1_ * s1_ / static_cast<double>(n_);
}

double Moments::StandardDeviation() const {
    if (n_ < 2) return 0;
    const double m2 = SquaredDeviations();
    return m2 > 0 ? std::sqrt(m2 / static_cast<double>(n_ - 1)) : 0;
}

void Moments::Merge(const Moments& later) {
    if (later.n_ == 0) return;
    if (n_ == 0) {
        *this = later;
        return;
    }
    const double na = static_cast<double>(n_), nb = static_cast<double>(later.n_);
    const double n = na + nb;
    const double mean_a = Mean(), delta = later.Mean() - mean_a;
    const double m2 = SquaredDeviations() + later.SquaredDeviations() + delta * delta * na * nb / n;
    n_ += later.n_;
    shift_ = mean_a + delta * nb / n;
    s1_ = 0;
    s2_ = m2;
}

}  // namespace velmar::study
