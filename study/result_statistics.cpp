#include "study/result_statistics.h"

namespace velmar::study {

const ResultMoments& BlockStatistics::Finish() {
    for (std::size_t j = 0; j < kResultCount; ++j) {
        moments_[j].AddRepeated(repeated_[j], repeats_[j]);
        (*sketches_)[j].AddRepeated(repeated_[j], repeats_[j]);
    }
    return moments_;
}

}  // namespace velmar::study
