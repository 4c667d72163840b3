// Worker threads for the tests of the search controls: real threads, which
// the starter keeps and joins when it goes, so that a thread may outlive the
// object a control holds for it (and the control itself).
//
// While the gate is closed no thread begins its work, so a thread started
// then cannot have ended: a wait for it answers so at once. With `atOnce`
// every wait answers at once whether its thread has ended, for a test that
// keeps a worker busy by other means. Every wait notes how long it was
// asked to last.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "tools/event_finder.h"

namespace corvinata::test {

class TestSearchThreads final : public events::SearchThreadStarter {
public:
    TestSearchThreads() = default;
    ~TestSearchThreads() override { JoinAll(); }
    TestSearchThreads(const TestSearchThreads&) = delete;
    TestSearchThreads& operator=(const TestSearchThreads&) = delete;

    std::unique_ptr<events::SearchThread> Start(std::function<void()> body) override {
        JoinEnded();
        auto state = std::make_shared<State>();
        std::lock_guard<std::mutex> lock(mutex_);
        ++started_;
        states_.push_back(state);
        threads_.emplace_back([this, state, work = std::move(body)]() mutable {
            {
                std::unique_lock<std::mutex> wait(mutex_);
                changed_.wait(wait, [this] { return gateOpen_; });
            }
            work();
            work = nullptr;  // what the work held goes before its end is told
            std::lock_guard<std::mutex> done(mutex_);
            state->ended = true;
            changed_.notify_all();
        });
        return std::make_unique<Thread>(*this, state);
    }

    void CloseGate() {
        std::lock_guard<std::mutex> lock(mutex_);
        gateOpen_ = false;
    }
    void OpenGate() {
        std::lock_guard<std::mutex> lock(mutex_);
        gateOpen_ = true;
        changed_.notify_all();
    }
    void SetAnswerAtOnce(bool atOnce) {
        std::lock_guard<std::mutex> lock(mutex_);
        atOnce_ = atOnce;
    }
    // Opens the gate and waits for every thread's end.
    void JoinAll() {
        OpenGate();
        std::vector<std::thread> threads;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            threads.swap(threads_);
            states_.clear();
        }
        for (std::thread& thread : threads) thread.join();
    }
    int Started() {
        std::lock_guard<std::mutex> lock(mutex_);
        return started_;
    }
    std::vector<std::uint32_t> Waits() {
        std::lock_guard<std::mutex> lock(mutex_);
        return waits_;
    }

private:
    struct State {
        bool ended = false;
    };
    class Thread final : public events::SearchThread {
    public:
        Thread(TestSearchThreads& threads, std::shared_ptr<State> state)
            : threads_(threads), state_(std::move(state)) {}
        bool WaitForEnd(std::uint32_t milliseconds) override {
            std::unique_lock<std::mutex> lock(threads_.mutex_);
            threads_.waits_.push_back(milliseconds);
            if (!threads_.gateOpen_ || threads_.atOnce_) return state_->ended;
            return threads_.changed_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                              [this] { return state_->ended; });
        }

    private:
        TestSearchThreads& threads_;
        std::shared_ptr<State> state_;
    };

    // The threads that told their end are joined before the next starts,
    // so that a long test keeps few.
    void JoinEnded() {
        std::vector<std::thread> ended;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (std::size_t i = 0; i < threads_.size();) {
                if (!states_[i]->ended) {
                    ++i;
                    continue;
                }
                ended.push_back(std::move(threads_[i]));
                threads_.erase(threads_.begin() + static_cast<std::ptrdiff_t>(i));
                states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
        for (std::thread& thread : ended) thread.join();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::thread> threads_;
    std::vector<std::shared_ptr<State>> states_;  // one for each of threads_
    std::vector<std::uint32_t> waits_;
    int started_ = 0;
    bool gateOpen_ = true;
    bool atOnce_ = false;
};

}  // namespace corvinata::test
