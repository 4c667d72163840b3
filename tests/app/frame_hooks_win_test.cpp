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

TEST(FrameHooksTest, PopupListsTheStepsWithMoreGrayed) {
    CommandHistory history;
    for (int i = 0; i < 11; ++i) history.AddCommand(CommandGroup(String(L"redo"), String(L"undo")));
    ScopedMenu popup = BuildHistoryPopup(HistoryDropDownItems(history, HistoryDropDown::Undo));
    ASSERT_TRUE(popup.IsValid());
    EXPECT_EQ(GetMenuItemCount(popup.Get()), 11);
    EXPECT_EQ(GetMenuItemID(popup.Get(), 0), 20112u);
    EXPECT_TRUE(GetMenuState(popup.Get(), 20132, MF_BYCOMMAND) & MF_GRAYED);
    wchar_t text[32] = {};
    GetMenuStringW(popup.Get(), 20132, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"-- more --");
}

}  // namespace
}  // namespace corvinata
