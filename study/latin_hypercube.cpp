#include "study/latin_hypercube.h"

#include "study/random_stream.h"

namespace velmar::study {
namespace {

constexpr int kRounds = 4;

}  // namespace

LatinHypercube::LatinHypercube(std::uint64_t seed, std::uint64_t n) : seed_(seed), n_(n), half_bits_(1) {
    while (half_bits_ < 32 && (std::uint64_t{1} << (2 * half_bits_)) < n) ++half_bits_;
}

// A balanced Feistel network permutes the 2^(2h) numbers of its block; walking the cycle
// until the value falls below n turns that into a permutation of 0 to n-1. The block is
// less than four times n, so a few steps suffice.
std::uint64_t LatinHypercube::Stratum(int input, std::uint64_t sample) const {
    const std::uint64_t mask = (std::uint64_t{1} << half_bits_) - 1;
    const std::uint64_t key = Mix64(seed_ ^ Mix64(static_cast<std::uint64_t>(input) + 1));
    std::uint64_t x = sample;
    do {
        std::uint64_t left = x >> half_bits_, right = x & mask;
        for (int round = 0; round < kRounds; ++round) {
            const std::uint64_t f = Mix64(key + (right << 8) + static_cast<std::uint64_t>(round)) & mask;
            const std::uint64_t next = left ^ f;
            left = right;
            right = next;
        }
        x = (left << half_bits_) | right;
    } while (x >= n_);
    return x;
}

}  // namespace velmar::study
