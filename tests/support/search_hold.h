// Holds an Event Finder search at a known point: the first progress report
// of at least a given percentage keeps the worker waiting until the test
// releases it or a stop is asked. A test that stops or watches a running
// search holds it first, so that it is still running whatever the machine's
// load; a hold is spent once it ends.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "tools/event_finder.h"

namespace corvinata::test {

class SearchHold {
public:
    explicit SearchHold(int percent) : percent_(percent) {}
    SearchHold(const SearchHold&) = delete;
    SearchHold& operator=(const SearchHold&) = delete;

    // For EventFinderControl::SetProgressHold; the hold outlives the
    // control's searches.
    events::EventFinderControl::ProgressHold Hold() {
        return [this](int percent, const std::atomic<bool>& stopRequested) { Reached(percent, stopRequested); };
    }
    // A worker waits at the hold now.
    bool Holding() {
        std::lock_guard<std::mutex> lock(mutex_);
        return holding_;
    }
    // Lets the worker go on.
    void Release() {
        std::lock_guard<std::mutex> lock(mutex_);
        spent_ = true;
        released_.notify_all();
    }

private:
    void Reached(int percent, const std::atomic<bool>& stopRequested) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (spent_ || percent < percent_) return;
        holding_ = true;
        // The stop request is a flag nobody signals: it is asked again at
        // every short wait.
        while (!spent_ && !stopRequested.load(std::memory_order_acquire)) {
            released_.wait_for(lock, std::chrono::milliseconds(1));
        }
        holding_ = false;
        spent_ = true;
    }

    const int percent_;
    std::mutex mutex_;
    std::condition_variable released_;
    bool holding_ = false;
    bool spent_ = false;
};

}  // namespace corvinata::test
