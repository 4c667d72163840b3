// The single-instance claim between two copies, the other copy played by a
// thread of the test (the claim is a thread's, as it is a copy's UI
// thread's), its frame by a window of the frame's class on that thread.
#include "frame/single_instance.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "controls/dialog_template.h"
#include "frame/frame_window.h"

namespace corvinata {
namespace {

FoundFrame NoFrame() { return {FrameState::NotPublished, nullptr}; }

// How often a frame of the test was minimised.
std::atomic<int> minimised{0};

// The other copy's frame: it comes forward when asked, unless it is closing.
LRESULT CALLBACK OtherFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED) ++minimised;
    if (message == kComeForwardMessage) {
        if (FrameIsClosing(window)) return 0;
        BringFrameForward(window);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The frame's class, for the test's frames to be found as the program's.
class FrameClass {
public:
    FrameClass() {
        WNDCLASSW frameClass{};
        frameClass.lpfnWndProc = OtherFrameProc;
        frameClass.hInstance = GetModuleHandleW(nullptr);
        frameClass.lpszClassName = FrameWindow::ClassName();
        RegisterClassW(&frameClass);
    }
    ~FrameClass() { UnregisterClassW(FrameWindow::ClassName(), GetModuleHandleW(nullptr)); }
    FrameClass(const FrameClass&) = delete;
    FrameClass& operator=(const FrameClass&) = delete;
};

HWND CreateOtherFrame(DWORD style = WS_VISIBLE) {
    return CreateWindowExW(0, FrameWindow::ClassName(), L"other copy", WS_OVERLAPPEDWINDOW | style, 0, 0, 300, 200,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A copy that holds the claim until it is told how to end; `run` makes its
// windows and publishes on its thread, whose messages it answers meanwhile.
class OtherCopy {
public:
    enum class Ending { LetsGo, DiesHolding };
    using Run = std::function<void(SingleInstance&)>;

    explicit OtherCopy(Ending ending, Run run = nullptr)
        : thread_([this, ending, run] {
              if (ending == Ending::LetsGo) {
                  SingleInstance claim;
                  if (run) run(claim);
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
        while (MsgWaitForMultipleObjects(1, &end_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        }
    }

    HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE end_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool claimed_ = false;
    std::thread thread_;
};

// The rounds a start waits, counted instead of slept.
struct CountedWait {
    DWORD waited = 0;
    std::function<void(DWORD)> Wait() {
        return [this](DWORD milliseconds) { waited += milliseconds; };
    }
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
// without the claim; the first still has it. A frame that answers that it
// is closing is not counted: the start waits on.
TEST(SingleInstanceTest, ARunningCopysFrameIsBroughtForward) {
    const FrameClass frameClass;
    struct Case {
        bool closing;
        RunningCopy result;
    };
    for (const Case& c : {Case{false, RunningCopy::Activated}, Case{true, RunningCopy::NotFound}}) {
        OtherCopy other(OtherCopy::Ending::LetsGo);
        HWND frame = CreateOtherFrame();
        ASSERT_NE(frame, nullptr);
        if (c.closing) MarkFrameClosing(frame);
        ShowWindow(frame, SW_MINIMIZE);
        SingleInstance second;
        ASSERT_FALSE(second.First());
        const auto find = [frame] { return FoundFrame{FrameState::Shown, frame}; };
        EXPECT_EQ(AwaitRunningCopy(second, 0, find), c.result) << c.closing;
        EXPECT_FALSE(second.First());
        EXPECT_EQ(IsIconic(frame) != 0, c.closing);
        DestroyWindow(frame);
    }
}

// What the other copy published decides how long a second start waits: the
// whole time for a copy still starting (nothing published) or ending (its
// frame closing), a moment only for one whose block names no shown frame.
TEST(SingleInstanceTest, ASecondStartWaitsOnlyForACopyThatStartsOrEnds) {
    const FrameClass frameClass;
    struct Case {
        const char* published;
        OtherCopy::Run run;
        bool waitsTheWholeTime;
    };
    const Case cases[] = {
        {"nothing", nullptr, true},
        {"a closing frame",
         [](SingleInstance& claim) {
             HWND frame = CreateOtherFrame();
             claim.Publish(frame);
             MarkFrameClosing(frame);
         },
         true},
        {"garbage", [](SingleInstance& claim) { claim.Publish(reinterpret_cast<HWND>(0x7ffe1234)); }, false},
        {"a frame since destroyed",
         [](SingleInstance& claim) {
             HWND frame = CreateOtherFrame();
             claim.Publish(frame);
             DestroyWindow(frame);
         },
         false},
        {"a window of another kind",
         [](SingleInstance& claim) {
             claim.Publish(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                           nullptr, nullptr, nullptr));
         },
         false},
        {"a hidden frame", [](SingleInstance& claim) { claim.Publish(CreateOtherFrame(0)); }, false},
    };
    for (const Case& c : cases) {
        OtherCopy other(OtherCopy::Ending::LetsGo, c.run);
        ASSERT_TRUE(other.Claimed());
        SingleInstance second;
        CountedWait wait;
        EXPECT_EQ(AwaitRunningCopy(second, 30000, FindRunningFrame, wait.Wait()), RunningCopy::NotFound)
            << c.published;
        if (c.waitsTheWholeTime) {
            EXPECT_GE(wait.waited, 30000u) << c.published;
        } else {
            EXPECT_LE(wait.waited, 1000u) << c.published;
        }
    }
}

// Where the block names no frame, the copy's published frame is found on
// its desktop, this one or another of the session, and comes forward.
TEST(SingleInstanceTest, ACopysFrameIsFoundWhereItsBlockNamesNone) {
    const FrameClass frameClass;
    const ScopedDesktop otherDesktop(
        CreateDesktopW(L"Corvinata single-instance test", nullptr, nullptr, 0, GENERIC_ALL, nullptr));
    ASSERT_TRUE(otherDesktop.IsValid());
    for (HDESK desktop : {static_cast<HDESK>(nullptr), otherDesktop.Get()}) {
        HWND frame = nullptr;
        OtherCopy other(OtherCopy::Ending::LetsGo, [&frame, desktop](SingleInstance& claim) {
            if (desktop) SetThreadDesktop(desktop);
            frame = CreateOtherFrame();
            claim.Publish(frame);
            claim.Publish(reinterpret_cast<HWND>(0x7ffe1234));
        });
        ASSERT_NE(frame, nullptr);
        ShowWindow(frame, SW_MINIMIZE);
        SingleInstance second;
        CountedWait wait;
        EXPECT_EQ(AwaitRunningCopy(second, 30000, FindRunningFrame, wait.Wait()), RunningCopy::Activated)
            << (desktop ? "another desktop" : "this desktop");
        EXPECT_FALSE(IsIconic(frame));
        EXPECT_EQ(wait.waited, 0u);
    }
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A minimised copy comes back with the window the user last worked in in
// front: its modal dialog (which disables the frame) where there is one.
// Under Wine a window manager may have minimised a disabled frame without
// Windows knowing: such a frame is minimised and restored, as the manager
// shows it again only then.
TEST(SingleInstanceTest, AMinimisedCopyComesBackWithItsDialogInFront) {
    const FrameClass frameClass;
    struct Case {
        bool withDialog;
        bool minimisedForWindows;
    };
    for (const Case& c : {Case{true, true}, Case{false, true}, Case{true, false}}) {
        HWND frame = nullptr;
        HWND dialog = nullptr;
        OtherCopy other(OtherCopy::Ending::LetsGo, [&](SingleInstance& claim) {
            frame = CreateOtherFrame();
            claim.Publish(frame);
            SetForegroundWindow(frame);
            if (!c.withDialog) return;
            const DialogTemplate dialogTemplate = DialogTemplate(L"Date and Time", 120, 60).OkCancel(120, 60);
            dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), frame,
                                                PlainDialogProc, 0);
            EnableWindow(frame, FALSE);
            ShowWindow(dialog, SW_SHOW);
            SetForegroundWindow(dialog);
        });
        ASSERT_NE(frame, nullptr);
        ASSERT_EQ(dialog != nullptr, c.withDialog);
        if (c.minimisedForWindows) ShowWindow(frame, SW_MINIMIZE);
        minimised = 0;
        SingleInstance second;
        EXPECT_EQ(AwaitRunningCopy(second, 0), RunningCopy::Activated) << c.withDialog << c.minimisedForWindows;
        EXPECT_FALSE(IsIconic(frame)) << c.withDialog << c.minimisedForWindows;
        HWND inFront = c.withDialog ? dialog : frame;
        EXPECT_EQ(GetForegroundWindow(), inFront) << c.withDialog << c.minimisedForWindows;
        GUITHREADINFO input{};
        input.cbSize = sizeof input;
        ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(frame, nullptr), &input));
        EXPECT_EQ(input.hwndActive, inFront) << c.withDialog << c.minimisedForWindows;
        if (!c.minimisedForWindows) {
            EXPECT_EQ(minimised, 1) << "the disabled frame went through a restore";
        }
    }
}

}  // namespace
}  // namespace corvinata
