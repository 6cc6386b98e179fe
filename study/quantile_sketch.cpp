#include "study/quantile_sketch.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>

namespace velmar::study {
namespace {

constexpr int kShift = 52 - QuantileSketch::kMantissaBits;
constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kBucketMask = (std::uint64_t{1} << QuantileSketch::kMantissaBits) - 1;

// The middle of the bucket of magnitudes with these exponent and leading mantissa bits.
double BucketMiddle(std::uint32_t exponent, std::uint64_t bucket) {
    const std::uint64_t first = (std::uint64_t{exponent} << 52) | (bucket << kShift);
    const double low = std::bit_cast<double>(first);
    const double high = std::bit_cast<double>(first + (std::uint64_t{1} << kShift));
    return low + (high - low) / 2;
}

}  // namespace

void QuantileSketch::AddOther(double x) {
    if (!std::isfinite(x)) return;
    if (count_ == 0) {
        common_ = min_ = max_ = x;
        common_count_ = count_ = 1;
        return;
    }
    min_ = std::min(min_, x);
    max_ = std::max(max_, x);
    ++count_;
    held_[held_count_++] = x;
    if (held_count_ == kBatch) Flush();
}

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
        Insert(x, count);
    }
}

void QuantileSketch::Flush() const {
    for (std::size_t i = 0; i < held_count_; ++i) Insert(held_[i], 1);
    held_count_ = 0;
}

void QuantileSketch::Insert(double x, std::uint64_t count) const {
    if (x == 0) {
        zeros_ += count;
        return;
    }
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    std::unique_ptr<Pages>& pages = pages_[(bits & kSignBit) ? 1 : 0];
    if (!pages) pages = std::make_unique<Pages>();
    std::unique_ptr<Page>& page = (*pages)[(bits >> 52) & 0x7ff];
    if (!page) page = std::make_unique<Page>(Page{});
    (*page)[(bits >> kShift) & kBucketMask] += count;
}

void QuantileSketch::Merge(const QuantileSketch& other) {
    if (other.count_ == 0) return;
    other.Flush();
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
        Insert(other.common_, other.common_count_);
    }
    zeros_ += other.zeros_;
    for (int sign = 0; sign < 2; ++sign) {
        if (!other.pages_[sign]) continue;
        for (std::uint32_t exponent = 0; exponent < other.pages_[sign]->size(); ++exponent) {
            const Page* page = (*other.pages_[sign])[exponent].get();
            for (std::size_t b = 0; page != nullptr && b < page->size(); ++b) {
                if ((*page)[b] == 0) continue;
                const double magnitude = BucketMiddle(exponent, b);
                Insert(sign ? -magnitude : magnitude, (*page)[b]);
            }
        }
    }
}

double QuantileSketch::Quantile(double p) const {
    if (count_ == 0) return 0;
    if (min_ == max_) return min_;
    Flush();
    const auto n = static_cast<double>(count_);
    const auto rank = static_cast<std::uint64_t>(std::clamp(std::ceil(p * n), 1.0, n));
    if (rank == 1) return min_;
    if (rank == count_) return max_;

    // The common value counts in its bucket, like any other.
    const std::uint64_t common_bits = std::bit_cast<std::uint64_t>(common_);
    const int common_sign = (common_bits & kSignBit) ? 1 : 0;
    const auto common_exponent = static_cast<std::uint32_t>((common_bits >> 52) & 0x7ff);
    const std::size_t common_bucket = (common_bits >> kShift) & kBucketMask;
    std::map<std::uint32_t, const Page*> pages[2];
    static const Page kEmpty{};
    for (int sign = 0; sign < 2; ++sign) {
        for (std::uint32_t exponent = 0; pages_[sign] && exponent < pages_[sign]->size(); ++exponent) {
            if (const Page* page = (*pages_[sign])[exponent].get()) pages[sign][exponent] = page;
        }
    }
    if (common_ != 0) pages[common_sign].emplace(common_exponent, &kEmpty);
    const auto count = [&](int sign, std::uint32_t exponent, const Page* page, std::size_t b) {
        const bool common =
            common_ != 0 && sign == common_sign && exponent == common_exponent && b == common_bucket;
        return (*page)[b] + (common ? common_count_ : 0);
    };

    const auto clamped = [this](double x) { return std::clamp(x, min_, max_); };
    std::uint64_t seen = 0;
    // Negative values from the largest magnitude down, then zeros, then positive values up.
    for (auto it = pages[1].rbegin(); it != pages[1].rend(); ++it) {
        for (std::size_t b = kBucketMask + 1; b-- > 0;) {
            seen += count(1, it->first, it->second, b);
            if (seen >= rank) return clamped(-BucketMiddle(it->first, b));
        }
    }
    seen += zeros_ + (common_ == 0 ? common_count_ : 0);
    if (seen >= rank) return clamped(0);
    for (const auto& [exponent, page] : pages[0]) {
        for (std::size_t b = 0; b <= kBucketMask; ++b) {
            seen += count(0, exponent, page, b);
            if (seen >= rank) return clamped(BucketMiddle(exponent, b));
        }
    }
    return max_;
}

}  // namespace velmar::study
