#include "support/test_watchdog.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace corvinata::test {

TestWatchdog::TestWatchdog(std::chrono::milliseconds limit, Expiry expiry)
    : limit_(limit), expiry_(std::move(expiry)), thread_([this] { Watch(); }) {}

TestWatchdog::~TestWatchdog() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_one();
    thread_.join();
}

void TestWatchdog::Arm(const std::string& test) {
    {
        std::lock_guard lock(mutex_);
        test_ = test;
        deadline_ = std::chrono::steady_clock::now() + limit_;
        armed_ = true;
    }
    changed_.notify_one();
}

void TestWatchdog::Disarm() {
    {
        std::lock_guard lock(mutex_);
        armed_ = false;
    }
    changed_.notify_one();
}

void TestWatchdog::Watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!armed_) {
            changed_.wait(lock);
        } else if (changed_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ &&
                   std::chrono::steady_clock::now() >= deadline_) {
            armed_ = false;
            const std::string test = test_;
            lock.unlock();
            expiry_(test);
            lock.lock();
        }
    }
}

void WatchdogListener::OnTestStart(const ::testing::TestInfo& test) {
    watchdog_.Arm(std::string(test.test_suite_name()) + "." + test.name());
}

void WatchdogListener::OnTestEnd(const ::testing::TestInfo&) {
    watchdog_.Disarm();
}

std::chrono::seconds TestTimeLimit(const char* environment, std::chrono::seconds fallback) {
    if (environment == nullptr || *environment == '\0') return fallback;
    char* end = nullptr;
    const long seconds = std::strtol(environment, &end, 10);
    if (*end != '\0' || seconds < 0) return fallback;
    return std::chrono::seconds(seconds);
}

void EndOverrunTestProgram(const std::string& test) {
    std::fflush(stdout);
    std::fprintf(stderr, "\n[  TIMEOUT ] %s did not end within its time limit; the program ends here.\n",
                 test.c_str());
    std::fflush(stderr);
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), kOverrunExitCode);
#endif
    std::_Exit(kOverrunExitCode);
}

}  // namespace corvinata::test
