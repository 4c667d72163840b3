// The single-instance claim between two copies, the other copy played by a
// thread of the test (the claim is a thread's, as it is a copy's UI
// thread's).
#include "frame/single_instance.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "frame/frame_window.h"

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

// The other copy's frame: it comes forward when asked, unless it is closing.
LRESULT CALLBACK OtherFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kComeForwardMessage) {
        if (GetPropW(window, L"closing")) return 0;
        BringFrameForward(window);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateOtherFrame() {
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = OtherFrameProc;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.lpszClassName = L"other copy's frame";
    RegisterClassW(&frameClass);
    return CreateWindowExW(0, frameClass.lpszClassName, L"other copy", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                           frameClass.hInstance, nullptr);
}

// A copy that runs has its frame brought forward, and the second start ends
// without the claim; the first still has it. A frame that answers that it
// is closing is not counted: the start waits on.
TEST(SingleInstanceTest, ARunningCopysFrameIsBroughtForward) {
    struct Case {
        bool closing;
        RunningCopy result;
    };
    for (const Case& c : {Case{false, RunningCopy::Activated}, Case{true, RunningCopy::NotFound}}) {
        OtherCopy other(OtherCopy::Ending::LetsGo);
        HWND frame = CreateOtherFrame();
        ASSERT_NE(frame, nullptr);
        if (c.closing) SetPropW(frame, L"closing", reinterpret_cast<HANDLE>(1));
        ShowWindow(frame, SW_MINIMIZE);
        SingleInstance second;
        ASSERT_FALSE(second.First());
        EXPECT_EQ(AwaitRunningCopy(second, 0, [frame] { return frame; }), c.result) << c.closing;
        EXPECT_FALSE(second.First());
        EXPECT_EQ(IsIconic(frame) != 0, c.closing);
        RemovePropW(frame, L"closing");
        DestroyWindow(frame);
    }
}

}  // namespace
}  // namespace corvinata
