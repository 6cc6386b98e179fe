#include "study/interrupt.h"

#include <atomic>
#include <csignal>

namespace velmar::study {
namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
    interrupted.store(true);
    std::signal(SIGINT, SIG_DFL);
}

}  // namespace

void CatchInterrupt() {
    std::signal(SIGINT, OnInterrupt);
}

bool Interrupted() {
    return interrupted.load(std::memory_order_relaxed);
}

void SetInterrupted(bool value) {
    interrupted.store(value);
}

}  // namespace velmar::study
