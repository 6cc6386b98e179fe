// Latin hypercube sampling without correlation control: each input's range is cut into n
// strata of equal probability, every stratum is drawn once, and the strata are paired across
// inputs at random. The pairing is a keyed permutation computed for each sample on demand,
// so nothing grows with n and a sample's values do not depend on which thread draws it.
#pragma once

#include <cstdint>

namespace velmar::study {

class LatinHypercube {
public:
    LatinHypercube(std::uint64_t seed, std::uint64_t n);

    // The stratum (0 to n-1) of an input in a sample: a permutation of 0 to n-1 for each input.
    std::uint64_t Stratum(int input, std::uint64_t sample) const;

    // A uniform number in that stratum, from a uniform u in (0, 1).
    double Uniform(int input, std::uint64_t sample, double u) const {
        return (static_cast<double>(Stratum(input, sample)) + u) / static_cast<double>(n_);
    }

private:
    std::uint64_t seed_;
    std::uint64_t n_;
    int half_bits_;  // each half of the Feistel network's block
};

}  // namespace velmar::study
