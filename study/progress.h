// A progress bar on standard error, for studies that take a while: drawn only when standard
// error is a terminal and the work has run for more than a second, and wiped when done.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace velmar::study {

// Told of a study's progress: the items done and the total.
using ProgressWatch = std::function<void(std::size_t done, std::size_t total)>;

class Progress {
public:
    // A `watch` is told of every update, on the thread that waits for the work, at least
    // every tenth of a second: a window's progress bar follows it, and a caller with reasons
    // of its own to stop the work (a Ctrl-C that Python holds) throws from it. With no total
    // no bar is drawn.
    Progress(std::string what, std::size_t total, ProgressWatch watch = {});
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void Show(std::size_t done);

private:
    std::string what_;
    std::size_t total_;
    bool terminal_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point start_;
    ProgressWatch watch_;
};

}  // namespace velmar::study
