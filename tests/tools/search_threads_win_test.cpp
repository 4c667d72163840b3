// The search workers' threads: a stop's wait is bounded and runs nothing
// of the window's meanwhile, and a worker left running is known at the
// program's end, which then keeps what the worker reads.
#include <windows.h>

#include <gtest/gtest.h>

#include "tools/search_threads_win.h"

namespace corvinata {
namespace {

class Gate {
public:
    Gate() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Gate() { CloseHandle(event_); }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;
    void Open() { SetEvent(event_); }
    void Pass() const { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

TEST(SearchThreads, AWaitThatRunsOutLeavesTheWindowsMessagesQueuedAndTheWorkerKnown) {
    Win32SearchThreads threads;
    Gate gate;
    std::unique_ptr<events::SearchThread> worker = threads.Start([&gate] { gate.Pass(); });
    // A message for this thread's windows, as a click or a notification
    // would leave one: the wait must not run it.
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_APP + 7, 0, 0));
    EXPECT_FALSE(worker->WaitForEnd(50));
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_APP + 7, WM_APP + 7, PM_REMOVE));
    EXPECT_TRUE(SearchWorkersRunning());
    // The object may go while its thread runs on.
    worker.reset();
    EXPECT_TRUE(SearchWorkersRunning());
    gate.Open();
    std::unique_ptr<events::SearchThread> next = threads.Start([] {});
    EXPECT_TRUE(next->WaitForEnd(10000));
    for (int i = 0; i < 1000 && SearchWorkersRunning(); ++i) Sleep(10);
    EXPECT_FALSE(SearchWorkersRunning());
}

}  // namespace
}  // namespace corvinata
