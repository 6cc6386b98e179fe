// Work cut into blocks, computed on worker threads and handed back in order: what a study
// writes comes out the same whatever the number of threads. After Ctrl-C no new block is
// started and the blocks under way finish, so the blocks handed back are always the first
// ones, without gaps.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <map>
#include <mutex>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "study/interrupt.h"
#include "study/progress.h"

namespace velmar::study {

// Threads joined when they go out of scope, as std::jthread would be (which not every standard
// library has yet).
class JoinedThreads {
public:
    JoinedThreads() = default;
    JoinedThreads(const JoinedThreads&) = delete;
    JoinedThreads& operator=(const JoinedThreads&) = delete;
    ~JoinedThreads() {
        for (std::thread& thread : threads_) thread.join();
    }

    template <typename Function, typename... Arguments>
    void Start(Function&& function, Arguments&&... arguments) {
        threads_.emplace_back(std::forward<Function>(function), std::forward<Arguments>(arguments)...);
    }

private:
    std::vector<std::thread> threads_;
};

// The progress is shown at least this often while blocks keep coming, so that a bar following
// it moves smoothly even when the calling thread never has to wait.
inline constexpr auto kShowProgressEvery = std::chrono::milliseconds(50);

// One worker: each block made and used in turn on the calling thread, where a system without
// threads (a web page) runs them too.
template <typename Produce, typename Consume>
std::size_t RunBlocksInTurn(std::size_t count, std::size_t block_size, Produce& produce, Consume& consume,
                            Progress& progress) {
    auto shown = std::chrono::steady_clock::now();
    std::size_t done = 0;
    while (done < count && !Interrupted()) {
        const std::size_t end = std::min(count, done + block_size);
        consume(produce(0, done, end));
        done = end;
        if (std::chrono::steady_clock::now() - shown >= kShowProgressEvery) {
            progress.Show(done);
            shown = std::chrono::steady_clock::now();
        }
    }
    progress.Show(done);
    return done;
}

// Calls produce(worker, begin, end) for blocks of `block_size` of the items 0 to count-1 on
// `threads` workers, and consume(result) on the calling thread for each block in order.
// Returns the number of items done: all of them unless interrupted. An exception from
// either stops the work and is thrown again here.
template <typename Produce, typename Consume>
std::size_t RunBlocksInOrder(std::size_t count, std::size_t block_size, int threads, Produce produce,
                             Consume consume, Progress& progress) {
    using Result = std::invoke_result_t<Produce&, int, std::size_t, std::size_t>;
    const std::size_t blocks = (count + block_size - 1) / block_size;
    if (threads <= 1) return RunBlocksInTurn(count, block_size, produce, consume, progress);
    // Blocks may run this far ahead of the one awaited, which bounds the memory held.
    const std::size_t window = 4 * static_cast<std::size_t>(threads);
    constexpr auto kTick = std::chrono::milliseconds(100);

    std::mutex mutex;
    std::condition_variable ready, room;
    std::map<std::size_t, Result> finished;
    std::size_t next = 0, consumed = 0;
    int running = threads;
    bool stop = false;
    std::exception_ptr failure;

    const auto work = [&](int worker) {
        std::unique_lock lock(mutex);
        while (true) {
            while (!stop && next < blocks && !Interrupted() && next >= consumed + window)
                room.wait_for(lock, kTick);
            if (stop || next >= blocks || Interrupted()) break;
            const std::size_t b = next++;
            lock.unlock();
            try {
                Result result = produce(worker, b * block_size, std::min(count, (b + 1) * block_size));
                lock.lock();
                finished.emplace(b, std::move(result));
            } catch (...) {
                lock.lock();
                if (!failure) failure = std::current_exception();
                stop = true;
            }
            ready.notify_one();
        }
        --running;
        ready.notify_one();
    };

    {
        JoinedThreads pool;
        try {
            for (int w = 0; w < threads; ++w) pool.Start(work, w);
        } catch (...) {
            // A thread the system would not start: the others stop rather than wait for room
            // that no consumer will make, and are joined.
            std::lock_guard guard(mutex);
            stop = true;
            throw;
        }
        std::unique_lock lock(mutex);
        auto shown = std::chrono::steady_clock::now();
        const auto show = [&] {
            progress.Show(std::min(count, consumed * block_size));
            shown = std::chrono::steady_clock::now();
        };
        try {
            while (true) {
                for (auto it = finished.find(consumed); !stop && it != finished.end();
                     it = finished.find(consumed)) {
                    Result result = std::move(it->second);
                    finished.erase(it);
                    ++consumed;
                    room.notify_all();
                    lock.unlock();
                    consume(std::move(result));
                    lock.lock();
                    if (std::chrono::steady_clock::now() - shown >= kShowProgressEvery) show();
                }
                show();
                if (running == 0) break;
                ready.wait_for(lock, kTick);
            }
        } catch (...) {
            if (!lock.owns_lock()) lock.lock();
            if (!failure) failure = std::current_exception();
            stop = true;
            room.notify_all();
        }
    }  // the lock is released, then the workers are joined
    if (failure) std::rethrow_exception(failure);
    return std::min(count, consumed * block_size);
}

}  // namespace velmar::study
