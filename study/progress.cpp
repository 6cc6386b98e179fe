#include "study/progress.h"

#include <unistd.h>

#include <cstdio>

namespace velmar::study {
namespace {

constexpr auto kQuietTime = std::chrono::seconds(1);
constexpr int kBarWidth = 40;

}  // namespace

Progress::Progress(std::string what, std::size_t total, ProgressWatch watch)
    : what_(std::move(what)),
      total_(total),
      terminal_(::isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now()),
      watch_(std::move(watch)) {}

Progress::~Progress() {
    if (drawn_) std::fprintf(stderr, "\r\033[K");
}

void Progress::Show(std::size_t done) {
    if (watch_) watch_(done, total_);
    if (!terminal_ || total_ == 0) return;
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    if (elapsed < kQuietTime) return;
    const double fraction = static_cast<double>(done) / static_cast<double>(total_);
    const int filled = static_cast<int>(fraction * kBarWidth);
    const double seconds = std::chrono::duration<double>(elapsed).count();
    const double left = done == 0 ? 0 : seconds * (1 - fraction) / fraction;
    std::fprintf(stderr, "\r%s [%.*s%*s] %zu/%zu  %.0f s left\033[K", what_.c_str(), filled,
                 "########################################", kBarWidth - filled, "", done, total_, left);
    std::fflush(stderr);
    drawn_ = true;
}

}  // namespace velmar::study
