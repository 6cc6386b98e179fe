#include "study/result_statistics.h"

namespace velmar::study {

// The repeats of every result are counted first, sample by sample, which the compiler does
// for several results at once (in doubles, which count a chunk exactly); only the results
// that varied are then gone through.
void BlockStatistics::Digest() {
    if (rows_ == 0) return;
    if (first_) {
        repeated_ = chunk_[0];
        first_ = false;
    }
    std::array<double, kResultCount> same{};
    for (std::size_t r = 0; r < rows_; ++r) {
        const ResultValues& row = chunk_[r];
        for (std::size_t j = 0; j < kResultCount; ++j) same[j] += row[j] == repeated_[j] ? 1.0 : 0.0;
    }
    for (std::size_t j = 0; j < kResultCount; ++j) {
        const auto repeats = static_cast<std::uint64_t>(same[j]);
        repeats_[j] += repeats;
        if (repeats == rows_) continue;
        for (std::size_t r = 0; r < rows_; ++r) {
            const double x = chunk_[r][j];
            if (x == repeated_[j]) continue;
            moments_[j].Add(x);
            (*sketches_)[j].Add(x);
        }
    }
    rows_ = 0;
}

const ResultMoments& BlockStatistics::Finish() {
    Digest();
    for (std::size_t j = 0; j < kResultCount; ++j) {
        moments_[j].AddRepeated(repeated_[j], repeats_[j]);
        (*sketches_)[j].AddRepeated(repeated_[j], repeats_[j]);
    }
    return moments_;
}

}  // namespace velmar::study
