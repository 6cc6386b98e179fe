// The statistics of the 95 results over one block of samples, gathered as cheaply as the
// engine run they follow allows: a value equal to the result's value in the block's first
// sample (most results keep one value throughout) is only counted, the rest go to the
// moments and the quantile sketch at once.
#pragma once

#include <array>
#include <cstdint>

#include "study/moments.h"
#include "study/quantile_sketch.h"
#include "study/results.h"

namespace velmar::study {

using ResultMoments = std::array<Moments, kResultCount>;
using ResultSketches = std::array<QuantileSketch, kResultCount>;

class BlockStatistics {
public:
    // Moments go to this block's own, the sketch values to `sketches` (one per thread: their
    // counts add up the same in any order).
    explicit BlockStatistics(ResultSketches& sketches) : sketches_(&sketches) {}

    void Add(const ResultValues& v) {
        if (first_) {
            repeated_ = v;
            first_ = false;
        }
        for (std::size_t j = 0; j < kResultCount; ++j) {
            if (v[j] == repeated_[j]) {
                ++repeats_[j];
            } else {
                moments_[j].Add(v[j]);
                (*sketches_)[j].Add(v[j]);
            }
        }
    }

    // The block's moments, the repeated values counted in; call once, when the block is done.
    const ResultMoments& Finish();

private:
    ResultSketches* sketches_;
    bool first_ = true;
    ResultValues repeated_{};
    std::array<std::uint64_t, kResultCount> repeats_{};
    ResultMoments moments_;
};

}  // namespace velmar::study
