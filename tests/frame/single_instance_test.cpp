// The single-instance claim between two copies, the other copy played by a
// thread of the test (the claim is a thread's, as it is a copy's UI
// thread's).
#include "frame/single_instance.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace corvinata {
namespace {

HWND NoFrame() { return nullptr; }

// A copy that holds the claim until it is told how to end.
class OtherCopy {
public:
    enum class Ending { LetsGo, DiesHolding };

    explicit OtherCopy(Ending ending)
        : thread_([this, ending] {
              if (ending == Ending::LetsGo) {
                  SingleInstance claim;
                  Hold(claim.First());
                  claim.Release();
              } else {
                  // The program's claim taken by hand, its handle closed
                  // without giving it back: the thread's end abandons it.
                  const ScopedWinHandle<KernelObjectTraits> claim(
                      CreateMutexW(nullptr, TRUE, L"Local\\Corvinata 1.70 frame"));
                  Hold(claim.IsValid() && GetLastError() != ERROR_ALREADY_EXISTS);
              }
          }) {
        WaitForSingleObject(ready_, INFINITE);
    }
    ~OtherCopy() {
        End();
        thread_.join();
        CloseHandle(ready_);
        CloseHandle(end_);
    }
    bool Claimed() const { return claimed_; }
    void End() { SetEvent(end_); }

private:
    void Hold(bool claimed) {
        claimed_ = claimed;
        SetEvent(ready_);
        WaitForSingleObject(end_, INFINITE);
    }

    HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE end_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool claimed_ = false;
    std::thread thread_;
};

// A second start that meets an ending copy runs as the user's copy, whether
// that copy let go of the claim or died holding it.
TEST(SingleInstanceTest, ASecondStartTakesOverFromACopyThatEnded) {
    for (const OtherCopy::Ending ending : {OtherCopy::Ending::LetsGo, OtherCopy::Ending::DiesHolding}) {
        auto other = std::make_unique<OtherCopy>(ending);
        ASSERT_TRUE(other->Claimed());
        SingleInstance second;
        EXPECT_FALSE(second.First());
        EXPECT_EQ(AwaitRunningCopy(second, 0, NoFrame), RunningCopy::NotFound);
        other->End();
        EXPECT_EQ(AwaitRunningCopy(second, 30000, NoFrame), RunningCopy::Ended);
        EXPECT_TRUE(second.First());
        second.Release();
        other.reset();
    }
}

// A copy that runs has its frame brought forward, and the second start ends
// without the claim; the first still has it.
TEST(SingleInstanceTest, ARunningCopysFrameIsBroughtForward) {
    OtherCopy other(OtherCopy::Ending::LetsGo);
    HWND frame = CreateWindowExW(0, L"STATIC", L"other copy", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(frame, nullptr);
    ShowWindow(frame, SW_MINIMIZE);
    SingleInstance second;
    ASSERT_FALSE(second.First());
    EXPECT_EQ(AwaitRunningCopy(second, 30000, [frame] { return frame; }), RunningCopy::Activated);
    EXPECT_FALSE(second.First());
    EXPECT_FALSE(IsIconic(frame));
    DestroyWindow(frame);
}

}  // namespace
}  // namespace corvinata
