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
// desktop window as it runs (not from the settings that may make one).
FrameDisplay DetectFrameDisplay();

// Whether a window manager has shown itself on an X screen.
enum class WindowManager { Unknown, Present, Absent };

// The visible windows that `owner` owns, directly or through a window it
// owns, in Windows' order of the desktop's windows from the top down.
std::vector<HWND> OwnedWindowsFromTheTop(HWND owner);

// Puts the visible windows owned (directly or not) by `owner` above it as
// they were, raising each on the display too: from the lowest up, each
// becomes the first window of the desktop, which is when Wine raises it on
// its own desktop.
// `spacer` is a hidden window of the program's, put first when the window
// to raise is already first (raised again there, Wine would do nothing).
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

    // Shows the frame for the first time, maximized or not. Maximized on an
    // X screen, its window there is given the work area's size first: Wine
    // sends the screen no size for a maximized window, and a screen without
    // a manager would show it at its own size.
    void ShowFrame(bool maximized);

    // The frame's messages this unit looks at (the frame goes on with its
    // own handling of each but where said).
    // A click, or a window manager's offer of the keyboard, which under
    // Wine comes as a click on the menu.
    void OnMouseActivate(LPARAM lParam);
    // A button pressed on the frame's caption, borders or menu bar.
    void OnNcLButtonDown(WPARAM hit);
    // A change of the frame's place, size, order or state.
    void OnWindowPosChanged(const WINDOWPOS& position);
    // A system command, before the frame carries it out (it always does:
    // false).
    bool OnSysCommand(WPARAM command);
    // The unit's own posted messages and timer: true when it was one.
    bool OnMessage(UINT message, WPARAM wParam);

    // Run as a start-up question is answered, while it still has the
    // display's keyboard (see question_end.h): the keys typed from then on
    // reach the frame on any display. `showAfresh` when a window manager
    // offered the question the keyboard.
    void TakeKeysBackBeforeQuestionGoes(bool showAfresh);

    // At the end of the start, and as a view is made in the frame: on
    // Wine's own desktop the tools are raised once the windows shown by
    // then have drawn themselves.
    void RaiseToolsOnceDrawn();

    // Posted to the frame on Wine's own desktop once after the focus moved
    // inside it, it was activated or came first, or a menu shown then went.
    static constexpr UINT kRaiseToolsMessage = WM_APP + 5;
    // Raises them should that message be lost.
    static constexpr UINT_PTR kRaiseToolsTimer = 0x5752;
    static constexpr UINT kRaiseToolsTimeoutMs = 150;
    static constexpr UINT_PTR kRaiseToolsDrawnTimer = 0x5753;
    // While a menu is up, the tools are put back above the frame a few
    // times over (the frame comes over them some moments after an OpenGL
    // view's menu has shown).
    static constexpr UINT_PTR kMenuTimer = 0x5754;
    static constexpr UINT kMenuCheckMs = 100;
    static constexpr int kMenuChecks = 3;
    // Posted when the frame was restored on an X screen: its own rectangle
    // is sent to the screen again once the screen's answers are read.
    static constexpr UINT kOwnRectangleMessage = WM_APP + 7;
    // Posted when the frame was told of a click on its menu bar: unless the
    // button's press on the bar came first, no user clicked, and the click
    // was a window manager's offer of the keyboard.
    static constexpr UINT kMenuClickMessage = WM_APP + 8;

private:
    static LRESULT CALLBACK WatchFocus(int code, WPARAM wParam, LPARAM lParam);
    void RaiseToolsSoon();
    void RaiseTools();
    // A menu's window made (not yet shown).
    void MenuMade();
    void RaiseToolsUnderMenus();
    // An X screen.
    void FollowScreen(bool maximizedNow, bool restoredNow);
    void KeepOwnNormalRectangle();
    void SendOwnRectangle();
    // An X screen without a window manager.
    void KeepPlaceWithoutManager(const WINDOWPOS& position, bool maximizedNow);
    void FillWorkArea();
    void HaveTheLastWord();

    FrameDisplay display_;
    WindowManager manager_ = WindowManager::Unknown;
    HWND frame_ = nullptr;
    HWND spacer_ = nullptr;
    HHOOK focusHook_ = nullptr;
    bool raisePending_ = false;
    // A raise waits for the menu shown when it came.
    bool raiseAfterMenu_ = false;
    int menuChecks_ = 0;
    // The unit's own changes of the frame's place, which it does not
    // answer again.
    bool placing_ = false;
    // Whether the frame was maximized at its last change.
    bool wasZoomed_ = false;
    // The rectangle the user gave the frame in the normal state (in the
    // work area's coordinates, as a placement keeps it), and whether it is
    // being sent to the screen again.
    RECT ownRect_{};
    bool ownRectPending_ = false;
    bool managerOfferedKeys_ = false;
    // A click on the menu bar that was not yet seen to be a user's.
    bool menuClickPending_ = false;
};

}  // namespace corvinata
