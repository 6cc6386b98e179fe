// Percentiles of a stream of values in memory that does not grow with their number: a
// histogram whose buckets are the doubles that share sign, exponent and the leading
// kMantissaBits bits of the mantissa. A percentile is given as the middle of its bucket,
// within 2^-(kMantissaBits+1) (0.05 %) of the value at that rank, relative; the smallest and
// largest values are kept exactly, and so is a value that all the values share. Counts are exact,
// so sketches of parts merge into the sketch of the whole in any order.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

namespace velmar::study {

class QuantileSketch {
public:
    static constexpr int kMantissaBits = 10;
    static constexpr double kRelativeError = 1.0 / (2 << kMantissaBits);

    // A value that is not finite is left out.
    void Add(double x) {
        if (!std::isfinite(x)) return;
        if (count_++ == 0) {
            common_ = min_ = max_ = x;
            common_count_ = 1;
        } else if (x == common_) {
            ++common_count_;
        } else {
            min_ = std::min(min_, x);
            max_ = std::max(max_, x);
            Tally(x, 1);
        }
    }

    // Adds x as many times as `count` says.
    void AddRepeated(double x, std::uint64_t count);

    void Merge(const QuantileSketch& other);

    std::uint64_t Count() const { return count_; }

    // The value at rank ceil(p n) (at least 1) of the n values, p in [0, 1]; 0 when empty.
    double Quantile(double p) const;

private:
    // A page holds the buckets of one sign and exponent: the top 12 bits of a double, its key.
    static constexpr std::size_t kPageKeys = 4096;
    static constexpr int kShift = 52 - kMantissaBits;
    static constexpr std::size_t kBuckets = std::size_t{1} << kMantissaBits;  // in a page

    // A page's counts, 16 bits each, which keeps the pages of all results in the cache while
    // the model runs; what a count carries beyond 16 bits goes to a second array, made when
    // first needed.
    struct Page {
        std::array<std::uint16_t, kBuckets> low{};
        std::unique_ptr<std::array<std::uint64_t, kBuckets>> high;

        void Add(std::size_t bucket, std::uint64_t count) {
            const std::uint64_t sum = low[bucket] + count;
            low[bucket] = static_cast<std::uint16_t>(sum);
            if (sum >> 16) [[unlikely]]
                Carry(bucket, sum >> 16);
        }
        void Carry(std::size_t bucket, std::uint64_t carry);
        std::uint64_t operator[](std::size_t bucket) const {
            return low[bucket] + (high ? (*high)[bucket] << 16 : 0);
        }
    };
    using Pages = std::array<std::unique_ptr<Page>, kPageKeys>;

    // A double's bits and back (std::bit_cast, which not every standard library has yet).
    static std::uint64_t BitsOf(double x) {
        std::uint64_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        return bits;
    }
    static double DoubleOf(std::uint64_t bits) {
        double x;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }
    static std::uint32_t KeyOf(std::uint64_t bits) { return static_cast<std::uint32_t>(bits >> 52); }
    static std::size_t BucketOf(std::uint64_t bits) { return (bits >> kShift) & (kBuckets - 1); }

    // Counts x `count` times in its bucket.
    void Tally(double x, std::uint64_t count) {
        if (x == 0) {
            zeros_ += count;
            return;
        }
        const auto bits = BitsOf(x);
        PageOf(KeyOf(bits)).Add(BucketOf(bits), count);
    }

    Page& PageOf(std::uint32_t key) {
        Page* page = pages_ ? (*pages_)[key].get() : nullptr;
        return page != nullptr ? *page : NewPage(key);
    }
    Page& NewPage(std::uint32_t key);

    std::uint64_t count_ = 0;
    // The first value is counted apart, not in the pages: most results repeat one value.
    double common_ = 0;
    std::uint64_t common_count_ = 0;
    double min_ = 0, max_ = 0;
    std::uint64_t zeros_ = 0;
    std::unique_ptr<Pages> pages_;  // made when the first value other than the common one comes
};

}  // namespace velmar::study
