// A progress bar on standard error, for studies that take a while: drawn only when standard
// error is a terminal and the work has run for more than a second, and wiped when done.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace velmar::study {

class Progress {
public:
    // A `heartbeat` is called at every update, on the thread that waits for the work, at
    // least every tenth of a second: a caller with reasons of its own to stop the work (a
    // Ctrl-C that Python holds) throws from it. With no total no bar is drawn.
    Progress(std::string what, std::size_t total, std::function<void()> heartbeat = {});
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
    std::function<void()> heartbeat_;
};

// A watcher of every study's progress besides the bar, such as a window's progress bar: called
// on the thread that runs the study, with the items done and the total, each time the study
// shows its progress. An empty function stops the watching.
void WatchProgress(std::function<void(std::size_t done, std::size_t total)> watcher);

}  // namespace velmar::study
