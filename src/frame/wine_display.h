// What the frame's windows need under Wine that Windows does by itself.
// Windows keeps an owned window above its owner, maximizes a window over
// the work area and gives a restored window back its own rectangle, and
// hands the keyboard to the window a user activates. Wine leaves part of
// each to the display it draws on, and each kind of display misses a
// different part:
// - Wine's own desktop (a window of its own on the X screen, where Wine
//   places the program's windows itself) raises the frame's window over its
//   tools on the screen whenever the keyboard focus moves inside the frame,
//   while Windows' order of the windows still has the tools above it;
// - an X screen with a window manager decides which window has the
//   keyboard and keeps the size a window had when it was first shown as
//   the one to restore to;
// - an X screen without a window manager maximizes nothing, and the state
//   Wine reads back from the screen after every change of the frame's
//   place says the frame is still as it was first shown.
// This unit holds what the frame does about each; on Windows, and on a
// display that needs nothing, it does nothing.
#pragma once

#include <windows.h>

#include <vector>

namespace corvinata {

enum class FrameDisplay {
    Windows,      // not Wine: the system does everything
    WineDesktop,  // Wine's own desktop window on the X screen
    WineScreen,   // the X screen itself, with a window manager or none
};

// The display the program's windows are drawn on, looked up from the
// desktop window: Wine names its own desktop's window "... Wine desktop".
FrameDisplay DetectFrameDisplay();

// Whether a window manager has shown itself on an X screen.
enum class WindowManager { Unknown, Present, Absent };

// The visible windows that `owner` owns, directly or through a window it
// owns, in Windows' order of the desktop's windows from the top down.
std::vector<HWND> OwnedWindowsFromTheTop(HWND owner);

// Puts the visible windows owned (directly or not) by `owner` above it as
// they were, raising each on the display too: from the lowest up, each
// becomes the first window of the desktop, which is when Wine raises it on
// its own desktop. `spacer` is a hidden window of the program's, put first
// when the window to raise is already first (raised again there, Wine would
// do nothing).
void RaiseOwnedWindows(HWND owner, HWND spacer);

class WineDisplay {
public:
    explicit WineDisplay(FrameDisplay display);
    ~WineDisplay();
    WineDisplay(const WineDisplay&) = delete;
    WineDisplay& operator=(const WineDisplay&) = delete;

    FrameDisplay Display() const noexcept { return display_; }
    WindowManager Manager() const noexcept { return manager_; }

    // The frame, once made (null when it goes). On Wine's own desktop the
    // focus changes inside it are watched from then on.
    void Attach(HWND frame);

    // Shows the frame for the first time, maximized or not. On an X screen
    // a maximized frame is shown in its own rectangle first: a window
    // manager places a window where it asks to be only when it is first
    // shown in the normal state, and restores it to the rectangle it first
    // had there.
    void ShowFrame(bool maximized);

    // Once the start is through: what the screen answered to the frame's
    // first show is judged a moment later.
    void OnStartupFinished();

    // The frame's messages this unit looks at (the frame goes on with its
    // own handling of each).
    // A click, or a window manager's offer of the keyboard, which under
    // Wine comes as a click on the menu.
    void OnMouseActivate(LPARAM lParam);
    // A change of the frame's place, size, order or state.
    void OnWindowPosChanged(const WINDOWPOS& position);
    // The unit's own posted message and timer: true when it was one.
    bool OnMessage(UINT message, WPARAM wParam);

    // Run as a start-up question is answered, while it still has the
    // display's keyboard (see question_end.h): the keys typed from then on
    // reach the frame on any display. `showAfresh` when a window manager
    // offered the question the keyboard.
    void TakeKeysBackBeforeQuestionGoes(bool showAfresh);

    // Posted to the frame once after the focus moved inside it on Wine's
    // own desktop.
    static constexpr UINT kRaiseToolsMessage = WM_APP + 5;
    // Set when the frame is maximized on an X screen whose manager has not
    // shown itself yet (at the start, once it is through): a frame that the
    // screen turned back to normal and nobody maximized again by then shows
    // that nobody maximizes there.
    static constexpr UINT_PTR kNoManagerTimer = 72;
    static constexpr UINT kNoManagerMilliseconds = 500;

private:
    static LRESULT CALLBACK WatchFocus(int code, WPARAM wParam, LPARAM lParam);
    void OnFocusInsideFrame();
    void RaiseTools();
    // The X screen without a window manager.
    void AwaitMaximize(bool judgeSoon);
    void SendPlaceAgain();
    void KeepPlaceWithoutManager(const WINDOWPOS& position, bool maximizedNow);
    void FillWorkArea();
    void HaveTheLastWord();

    FrameDisplay display_;
    WindowManager manager_ = WindowManager::Unknown;
    HWND frame_ = nullptr;
    HWND spacer_ = nullptr;
    HHOOK focusHook_ = nullptr;
    bool raisePending_ = false;
    bool timerSet_ = false;
    // The unit's own changes of the frame's place, which it does not
    // answer again.
    bool placing_ = false;
    // Whether the frame was maximized at its last change: a change to
    // maximized is one the screen may not have carried out.
    bool wasZoomed_ = false;
    // A maximize whose outcome on the screen is awaited, and whether the
    // screen turned the frame back to normal meanwhile.
    bool awaitingMaximize_ = false;
    bool undone_ = false;
    // The frame's own rectangle when that maximize began.
    RECT normalRect_{};
    bool managerOfferedKeys_ = false;
};

}  // namespace corvinata
