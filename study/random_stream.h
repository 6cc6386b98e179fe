// Random numbers for Monte Carlo samples: every sample draws from a stream of its own,
// fixed by the seed and the sample's number, so a study gives the same samples whichever
// thread computes which sample.
#pragma once

#include <cstdint>

namespace velmar::study {

// SplitMix64's output function: a bijective mix of 64 bits.
constexpr std::uint64_t Mix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

class SampleStream {
public:
    SampleStream(std::uint64_t seed, std::uint64_t sample) : state_(Mix64(seed) ^ Mix64(sample + kGamma)) {}

    std::uint64_t Next() {
        state_ += kGamma;
        return Mix64(state_);
    }

    // Uniform in the open interval (0, 1): 53 random bits, centred in their interval.
    double Uniform() { return (static_cast<double>(Next() >> 11) + 0.5) * 0x1.0p-53; }

private:
    static constexpr std::uint64_t kGamma = 0x9e3779b97f4a7c15ULL;
    std::uint64_t state_;
};

}  // namespace velmar::study
