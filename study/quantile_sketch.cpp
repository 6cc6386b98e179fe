#include "study/quantile_sketch.h"

namespace velmar::study {

void QuantileSketch::AddRepeated(double x, std::uint64_t count) {
    if (count == 0 || !std::isfinite(x)) return;
    if (count_ == 0) {
        common_ = min_ = max_ = x;
    } else {
        min_ = std::min(min_, x);
        max_ = std::max(max_, x);
    }
    count_ += count;
    if (x == common_) {
        common_count_ += count;
    } else {
        Tally(x, count);
    }
}

void QuantileSketch::Page::Carry(std::size_t bucket, std::uint64_t carry) {
    if (!high) high = std::make_unique<std::array<std::uint64_t, kBuckets>>();
    (*high)[bucket] += carry;
}

QuantileSketch::Page& QuantileSketch::NewPage(std::uint32_t key) {
    if (!pages_) pages_ = std::make_unique<Pages>();
    (*pages_)[key] = std::make_unique<Page>();
    return *(*pages_)[key];
}

void QuantileSketch::Merge(const QuantileSketch& other) {
    if (other.count_ == 0) return;
    if (count_ == 0) {
        common_ = other.common_;
        min_ = other.min_;
        max_ = other.max_;
    }
    min_ = std::min(min_, other.min_);
    max_ = std::max(max_, other.max_);
    count_ += other.count_;
    if (other.common_ == common_) {
        common_count_ += other.common_count_;
    } else {
        Tally(other.common_, other.common_count_);
    }
    zeros_ += other.zeros_;
    for (std::uint32_t key = 0; other.pages_ && key < kPageKeys; ++key) {
        const Page* theirs = (*other.pages_)[key].get();
        if (theirs == nullptr) continue;
        Page& mine = PageOf(key);
        for (std::size_t b = 0; b < kBuckets; ++b) mine.Add(b, (*theirs)[b]);
    }
}

double QuantileSketch::Quantile(double p) const {
    if (count_ == 0) return 0;
    if (min_ == max_) return min_;
    const auto n = static_cast<double>(count_);
    const auto rank = static_cast<std::uint64_t>(std::clamp(std::ceil(p * n), 1.0, n));
    if (rank == 1) return min_;
    if (rank == count_) return max_;

    // The values in a bucket, the common value counted in its own.
    const auto common_bits = BitsOf(common_);
    const auto in_bucket = [&](std::uint32_t key, std::size_t b) -> std::uint64_t {
        const Page* page = pages_ ? (*pages_)[key].get() : nullptr;
        const bool common = common_ != 0 && key == KeyOf(common_bits) && b == BucketOf(common_bits);
        return (page ? (*page)[b] : 0) + (common ? common_count_ : 0);
    };
    const auto occupied = [&](std::uint32_t key) {
        return (pages_ && (*pages_)[key]) || (common_ != 0 && key == KeyOf(common_bits));
    };
    // The middle of a bucket, of the sign and exponent its page's key gives.
    const auto middle = [this](std::uint32_t key, std::size_t b) {
        const std::uint64_t first = (std::uint64_t{key} << 52) | (std::uint64_t{b} << kShift);
        const double low = DoubleOf(first);
        const double high = DoubleOf(first + (std::uint64_t{1} << kShift));
        return std::clamp(low + (high - low) / 2, min_, max_);
    };

    constexpr std::uint32_t kNegative = kPageKeys / 2;  // keys with the sign bit set
    std::uint64_t seen = 0;
    // Negative values from the largest magnitude down, then zeros, then positive values up.
    for (std::uint32_t key = kPageKeys; key-- > kNegative;) {
        for (std::size_t b = kBuckets; occupied(key) && b-- > 0;) {
            seen += in_bucket(key, b);
            if (seen >= rank) return middle(key, b);
        }
    }
    seen += zeros_ + (common_ == 0 ? common_count_ : 0);
    if (seen >= rank) return std::clamp(0.0, min_, max_);
    for (std::uint32_t key = 0; key < kNegative; ++key) {
        for (std::size_t b = 0; occupied(key) && b < kBuckets; ++b) {
            seen += in_bucket(key, b);
            if (seen >= rank) return middle(key, b);
        }
    }
    return max_;
}

}  // namespace velmar::study
