#include "app/frame_hooks_win.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

TEST(FrameHooksTest, ClockTimerRunsOnTheFrameWindow) {
    WNDCLASSW frameClass = {};
    frameClass.lpfnWndProc = DefWindowProcW;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.lpszClassName = L"CorvinataTestFrame";
    RegisterClassW(&frameClass);
    HWND frame = CreateWindowExW(0, frameClass.lpszClassName, L"", 0, 0, 0, 10, 10, HWND_MESSAGE,
                                 nullptr, frameClass.hInstance, nullptr);
    ASSERT_NE(frame, nullptr);
    FrameClockTimer timer(frame);
    EXPECT_TRUE(timer.StartClockTimer());
    timer.StopClockTimer();
    EXPECT_FALSE(KillTimer(frame, FrameClockTimer::kTimerId));  // already gone
    DestroyWindow(frame);
    EXPECT_FALSE(FrameClockTimer(nullptr).StartClockTimer());
}

}  // namespace
}  // namespace corvinata
