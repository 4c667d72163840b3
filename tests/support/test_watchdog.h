// Ends a test program whose current test runs past its time limit, after
// naming that test. Without it a hung window test lasts until the test
// runner kills the whole program, and nobody learns which test hung.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace corvinata::test {

class TestWatchdog {
public:
    // Called on the watchdog's own thread with the name of the test that
    // overran; the program is expected to end in it.
    using Expiry = std::function<void(const std::string& test)>;

    TestWatchdog(std::chrono::milliseconds limit, Expiry expiry);
    ~TestWatchdog();
    TestWatchdog(const TestWatchdog&) = delete;
    TestWatchdog& operator=(const TestWatchdog&) = delete;

    // Starts the limit for `test` (a test already armed is forgotten).
    void Arm(const std::string& test);
    void Disarm();

private:
    void Watch();

    const std::chrono::milliseconds limit_;
    const Expiry expiry_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string test_;
    std::chrono::steady_clock::time_point deadline_;
    bool armed_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

// Arms the watchdog for each test as it starts and disarms it at its end.
class WatchdogListener : public ::testing::EmptyTestEventListener {
public:
    explicit WatchdogListener(TestWatchdog& watchdog) : watchdog_(watchdog) {}
    void OnTestStart(const ::testing::TestInfo& test) override;
    void OnTestEnd(const ::testing::TestInfo& test) override;

private:
    TestWatchdog& watchdog_;
};

// The limit of one test from the text of an environment variable: a whole
// number of seconds (zero switches the limit off); `fallback` when the text
// is missing or not such a number.
std::chrono::seconds TestTimeLimit(const char* environment, std::chrono::seconds fallback);

// The exit code of a program ended by its watchdog.
constexpr int kOverrunExitCode = 3;

// Says which test overran (on stderr, after what the test wrote) and ends
// the program at once: a hung test may hold locks that an orderly exit
// would wait for.
[[noreturn]] void EndOverrunTestProgram(const std::string& test);

}  // namespace corvinata::test
