// The statistics of the 95 results over one block of samples, gathered as cheaply as the
// engine run they follow allows. Samples are taken in small chunks and digested result by
// result: a value equal to the result's value in the block's first sample (most results keep
// one value throughout) is only counted, the rest go to the moments and the quantile sketch.
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

    // Where the next sample's results are to be written; they count from then on.
    ResultValues& Next() {
        if (rows_ == kChunk) Digest();
        return chunk_[rows_++];
    }

    // The block's moments, the repeated values counted in; call once, when the block is done.
    const ResultMoments& Finish();

private:
    // Small enough for the chunk to stay in the first-level cache.
    static constexpr std::size_t kChunk = 16;

    void Digest();

    ResultSketches* sketches_;
    std::array<ResultValues, kChunk> chunk_;
    std::size_t rows_ = 0;
    bool first_ = true;
    ResultValues repeated_{};
    std::array<std::uint64_t, kResultCount> repeats_{};
    ResultMoments moments_;
};

}  // namespace velmar::study
