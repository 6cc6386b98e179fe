// Percentiles of a stream of values in memory that does not grow with their number: a
// histogram whose buckets are the doubles that share sign, exponent and the leading
// kMantissaBits bits of the mantissa. A percentile is given as the middle of its bucket,
// within 2^-(kMantissaBits+1) (0.05 %) of the value at that rank, relative; the smallest and
// largest values are kept exactly, and so is a value that all the values share. Counts are exact,
// so sketches of parts merge into the sketch of the whole in any order.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace velmar::study {

class QuantileSketch {
public:
    static constexpr int kMantissaBits = 10;
    static constexpr double kRelativeError = 1.0 / (2 << kMantissaBits);

    // A value that is not finite is left out.
    void Add(double x) {
        if (x == common_ && count_ != 0) {
            ++common_count_;
            ++count_;
        } else {
            AddOther(x);
        }
    }

    // Adds x as many times as `count` says.
    void AddRepeated(double x, std::uint64_t count);

    void Merge(const QuantileSketch& other);

    std::uint64_t Count() const { return count_; }

    // The value at rank ceil(p n) (at least 1) of the n values, p in [0, 1]; 0 when empty.
    double Quantile(double p) const;

private:
    using Page = std::array<std::uint64_t, std::size_t{1} << kMantissaBits>;
    // Pages of one sign by the exponent of the magnitude, made when first needed.
    using Pages = std::array<std::unique_ptr<Page>, 2048>;

    void AddOther(double x);
    // Counts the values held back. Values are counted in batches, one sketch at a time,
    // which keeps its pages in the cache while many sketches take values in turn.
    void Flush() const;
    void Insert(double x, std::uint64_t count) const;

    static constexpr std::size_t kBatch = 256;

    std::uint64_t count_ = 0;
    double common_ = 0;  // the first value, counted apart: most results repeat one value
    std::uint64_t common_count_ = 0;
    double min_ = 0, max_ = 0;
    mutable std::unique_ptr<Pages> pages_[2];  // positive, negative
    mutable std::uint64_t zeros_ = 0;
    mutable std::array<double, kBatch> held_;
    mutable std::size_t held_count_ = 0;
};

}  // namespace velmar::study
