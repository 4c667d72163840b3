#include "frame/wine_display.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "base/wine_host_win.h"
#include "views/display_tooltip_win.h"

namespace corvinata {

namespace {

// The frame whose focus changes the hook watches (one frame a thread).
thread_local WineDisplay* watching = nullptr;

bool IsOwnedBy(HWND window, HWND owner) {
    for (HWND up = GetWindow(window, GW_OWNER); up; up = GetWindow(up, GW_OWNER)) {
        if (up == owner) return true;
    }
    return false;
}

struct OwnedWalk {
    HWND owner;
    std::vector<HWND> owned;
    static BOOL CALLBACK Visit(HWND window, LPARAM data) {
        auto* walk = reinterpret_cast<OwnedWalk*>(data);
        if (window != walk->owner && IsWindowVisible(window) && IsOwnedBy(window, walk->owner))
            walk->owned.push_back(window);
        return TRUE;
    }
};

// The rectangle Windows gives the frame maximized: the work area of its
// monitor with the frame's borders (all but the caption) outside it.
RECT MaximizedRect(HWND frame) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT border{0, 0, 0, 0};
    const DWORD style = static_cast<DWORD>(GetWindowLongW(frame, GWL_STYLE)) & ~(WS_BORDER | WS_MAXIMIZE);
    AdjustWindowRectEx(&border, style, FALSE, 0);
    RECT rect = monitor.rcWork;
    rect.left += border.left;
    rect.top += border.top;
    rect.right += border.right;
    rect.bottom += border.bottom;
    return rect;
}

bool CoversWorkArea(HWND frame) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT rect{};
    GetWindowRect(frame, &rect);
    const RECT& work = monitor.rcWork;
    return rect.left <= work.left && rect.top <= work.top && rect.right >= work.right && rect.bottom >= work.bottom;
}

constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

bool IsMenuWindow(HWND window) {
    wchar_t name[8] = {};
    return GetClassNameW(window, name, 8) && lstrcmpW(name, L"#32768") == 0;
}

// Whether the thread tracks a menu (a context menu, the menu bar's): a menu
// stays above every window, so that none of the tools could be made first
// meanwhile.
bool MenuShown() {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    return GetGUIThreadInfo(GetCurrentThreadId(), &thread) &&
           (thread.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

// A window made as a child of the frame's MDI client: a view, whose first
// drawing can bring the frame over the tools on Wine's desktop (an OpenGL
// view's, or any drawn inside a menu's loop).
bool IsViewOf(HWND frame, LPARAM creation) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(creation);
    const HWND parent = create && create->lpcs ? create->lpcs->hwndParent : nullptr;
    wchar_t name[16] = {};
    return parent && GetParent(parent) == frame && GetClassNameW(parent, name, 16) && lstrcmpiW(name, L"MDIClient") == 0;
}

bool IsToolTip(HWND window) {
    wchar_t name[32] = {};
    return GetClassNameW(window, name, 32) && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0;
}

// A tooltip of the thread's, shown, stays above every window, so that no
// tool could be made first meanwhile; a key or a click would take it away
// anyway. The tooltips at the top of the desktop's order go: a control's,
// which the pointer's rest brought, and a view's, which follows the
// pointer over the objects it shows.
void PopToolTipsShownFirst(HWND frame) {
    const DWORD thread = GetCurrentThreadId();
    bool popped = false;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (!IsWindowVisible(window)) continue;
        if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)) break;
        if (IsToolTip(window) && GetWindowThreadProcessId(window, nullptr) == thread) {
            SendMessageW(window, TTM_POP, 0, 0);
            popped = true;
        }
    }
    if (popped) HideDisplayTooltips(frame);
}

}  // namespace

// Wine draws on a desktop of its own (explorer /desktop=Name,WxH, or the
// default desktop when the user's Wine settings gave it a size as the
// session began) in an X window it made for the desktop window, which the
// desktop window names in a property; on the X screen itself the desktop
// window is the screen's root, and Wine made it no window. The settings
// alone say nothing: written while a Wine program runs, they take effect
// only with the next session.
FrameDisplay DetectFrameDisplay() {
    if (!RunsUnderWine()) return FrameDisplay::Windows;
    return GetPropW(GetDesktopWindow(), L"__wine_x11_whole_window") ? FrameDisplay::WineDesktop
                                                                    : FrameDisplay::WineScreen;
}

// The windows a frame owns are made by its thread: the thread's own windows,
// listed in one go, are all that is looked at.
std::vector<HWND> OwnedWindowsFromTheTop(HWND owner) {
    OwnedWalk walk{owner, {}};
    EnumThreadWindows(GetWindowThreadProcessId(owner, nullptr), &OwnedWalk::Visit, reinterpret_cast<LPARAM>(&walk));
    return walk.owned;
}

void RaiseOwnedWindows(HWND owner, HWND spacer) {
    // Nothing of a raised window needs drawing again: the display shows it
    // from what it drew before.
    constexpr UINT kRaise = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW;
    const std::vector<HWND> owned = OwnedWindowsFromTheTop(owner);
    for (auto window = owned.rbegin(); window != owned.rend(); ++window) {
        // Windows keeps the windows this one owns above it: they are let go
        // for the moment it is raised, and raised above it in their turn.
        std::vector<HWND> ownsShown;
        std::copy_if(owned.begin(), owned.end(), std::back_inserter(ownsShown),
                     [&](HWND other) { return GetWindow(other, GW_OWNER) == *window; });
        for (HWND shown : ownsShown) SetWindowLongPtrW(shown, GWLP_HWNDPARENT, 0);
        if (spacer && GetWindow(*window, GW_HWNDFIRST) == *window)
            SetWindowPos(spacer, HWND_TOP, 0, 0, 0, 0, kRaise);
        SetWindowPos(*window, HWND_TOP, 0, 0, 0, 0, kRaise);
        for (HWND shown : ownsShown) SetWindowLongPtrW(shown, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(*window));
    }
}

WineDisplay::WineDisplay(FrameDisplay display) : display_(display) {}

WineDisplay::~WineDisplay() { Attach(nullptr); }

void WineDisplay::Attach(HWND frame) {
    if (frame == frame_) return;
    // A window left is no longer this display's to raise over: none of its
    // raises or menu checks runs after this.
    if (frame_) {
        KillTimer(frame_, kRaiseToolsTimer);
        KillTimer(frame_, kRaiseToolsDrawnTimer);
        KillTimer(frame_, kMenuTimer);
    }
    if (focusHook_) UnhookWindowsHookEx(focusHook_);
    focusHook_ = nullptr;
    if (watching == this) watching = nullptr;
    if (spacer_) DestroyWindow(spacer_);
    spacer_ = nullptr;
    raisePending_ = false;
    raiseAfterMenu_ = false;
    ownRectPending_ = false;
    menuClickPending_ = false;
    frame_ = frame;
    if (!frame_ || display_ != FrameDisplay::WineDesktop) return;
    // Every move of the keyboard focus into one of the frame's windows
    // raises the frame's window on Wine's desktop above everything there:
    // its tools go behind it.
    watching = this;
    focusHook_ = SetWindowsHookExW(WH_CBT, WatchFocus, nullptr, GetCurrentThreadId());
    spacer_ = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

// Wine's desktop puts the frame's window above all others on the display
// whenever the keyboard focus moves to one of the frame's windows, and when
// the frame is activated or comes first in Windows' order, while Windows'
// own order still has the tools above it. A menu shown meanwhile keeps the
// tools from being raised the usual way until it has gone: a raise due as
// a menu is made runs before it shows, and while it shows the tools are
// raised under it (an OpenGL view's menu brings the frame over them, and
// over itself, a moment after it shows).
LRESULT CALLBACK WineDisplay::WatchFocus(int code, WPARAM wParam, LPARAM lParam) {
    WineDisplay* const display = watching;
    const auto window = reinterpret_cast<HWND>(wParam);
    if (display && display->frame_ && window) {
        switch (code) {
        case HCBT_SETFOCUS:
            if (GetAncestor(window, GA_ROOT) == display->frame_) display->RaiseToolsSoon();
            break;
        case HCBT_ACTIVATE:
            if (window == display->frame_) display->RaiseToolsSoon();
            break;
        case HCBT_CREATEWND:
            if (IsMenuWindow(window)) display->MenuMade();
            // However the view was asked for (a menu, a click on a task or
            // a button, a script), it first draws after what asked for it.
            else if (IsViewOf(display->frame_, lParam)) display->RaiseToolsOnceDrawn();
            break;
        case HCBT_DESTROYWND:
            if (display->raiseAfterMenu_ && IsMenuWindow(window)) display->RaiseToolsSoon();
            break;
        default: break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Posted: the tools go back above the frame once what brought it up (a
// click, a dialog's end, a menu's end) is through, whatever else it moves.
// A menu's loop can take a posted message from the queue as it ends
// without handing it on: a timer, which comes again until it is stopped,
// raises them then.
void WineDisplay::RaiseToolsSoon() {
    if (raisePending_) return;
    raisePending_ = PostMessageW(frame_, kRaiseToolsMessage, 0, 0) != FALSE;
    if (raisePending_) SetTimer(frame_, kRaiseToolsTimer, kRaiseToolsTimeoutMs, nullptr);
}

void WineDisplay::RaiseTools() {
    if (raisePending_) KillTimer(frame_, kRaiseToolsTimer);
    raisePending_ = false;
    if (!frame_) return;
    // Under a menu they can be raised only below it (a view drawn for the
    // first time while the menu is up brings the frame over them), and once
    // more the usual way when it has gone.
    raiseAfterMenu_ = MenuShown();
    if (raiseAfterMenu_) {
        RaiseToolsUnderMenus();
        return;
    }
    PopToolTipsShownFirst(frame_);
    RaiseOwnedWindows(frame_, spacer_);
}

// A view that opens its context menu as the button goes down (an OpenGL
// view's, a picture's) takes the keys with the same press: the raise posted
// then would run only inside the menu's loop.
void WineDisplay::MenuMade() {
    if (raisePending_) {
        KillTimer(frame_, kRaiseToolsTimer);
        raisePending_ = false;
        raiseAfterMenu_ = false;
        PopToolTipsShownFirst(frame_);
        RaiseOwnedWindows(frame_, spacer_);
    }
    if (OwnedWindowsFromTheTop(frame_).empty()) return;
    menuChecks_ = 0;
    SetTimer(frame_, kMenuTimer, kMenuCheckMs, nullptr);
}

// While a menu is up no tool can be made first of all, which is what
// raises it on Wine's desktop: each is made first by being made topmost
// for a moment, the menus are made first again above them, and the tools
// go back among the windows that are not topmost, where no window is
// raised on the display.
void WineDisplay::RaiseToolsUnderMenus() {
    constexpr UINT kRaise = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW;
    const std::vector<HWND> owned = OwnedWindowsFromTheTop(frame_);
    std::vector<HWND> menus;
    const DWORD thread = GetCurrentThreadId();
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)) break;
        if (IsWindowVisible(window) && IsMenuWindow(window) && GetWindowThreadProcessId(window, nullptr) == thread)
            menus.push_back(window);
    }
    if (owned.empty() || menus.empty()) return;
    for (auto tool = owned.rbegin(); tool != owned.rend(); ++tool) SetWindowPos(*tool, HWND_TOPMOST, 0, 0, 0, 0, kRaise);
    for (auto menu = menus.rbegin(); menu != menus.rend(); ++menu) SetWindowPos(*menu, HWND_TOPMOST, 0, 0, 0, 0, kRaise);
    for (auto tool = owned.rbegin(); tool != owned.rend(); ++tool) SetWindowPos(*tool, HWND_NOTOPMOST, 0, 0, 0, 0, kRaise);
}

// The first drawing of an OpenGL view brought back at the start puts the
// frame first in Windows' own order and on the display, and a view opened
// later and first drawn inside a menu's loop leaves the frame over the tools
// on the display, both with no message to the frame: a raise posted as the
// start ends, or as the click that opened the view is handled, runs before
// it. A timer comes only once every window has drawn.
void WineDisplay::RaiseToolsOnceDrawn() {
    if (frame_ && display_ == FrameDisplay::WineDesktop)
        SetTimer(frame_, kRaiseToolsDrawnTimer, USER_TIMER_MINIMUM, nullptr);
}

void WineDisplay::ShowFrame(bool maximized) {
    if (!frame_) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(frame_, &placement)) ownRect_ = placement.rcNormalPosition;
    if (!maximized || display_ != FrameDisplay::WineScreen) {
        ShowWindow(frame_, maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        return;
    }
    const RECT maximizedRect = MaximizedRect(frame_);
    placing_ = true;
    SetWindowPos(frame_, nullptr, maximizedRect.left, maximizedRect.top, maximizedRect.right - maximizedRect.left,
                 maximizedRect.bottom - maximizedRect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(frame_, SW_SHOWMAXIMIZED);
    placing_ = false;
    wasZoomed_ = IsZoomed(frame_) != FALSE;
    KeepOwnNormalRectangle();
}

void WineDisplay::OnMouseActivate(LPARAM lParam) {
    if (LOWORD(lParam) != HTMENU || HIWORD(lParam) != WM_LBUTTONDOWN) return;
    managerOfferedKeys_ = true;
    // A user's click on the menu bar of the frame, made while another of
    // the program's windows was active, looks the same: its press reaches
    // the frame before anything posted now.
    if (display_ == FrameDisplay::WineScreen && manager_ == WindowManager::Unknown && !menuClickPending_)
        menuClickPending_ = PostMessageW(frame_, kMenuClickMessage, 0, 0) != FALSE;
}

void WineDisplay::OnNcLButtonDown(WPARAM hit) {
    if (hit == HTMENU) menuClickPending_ = false;
}

bool WineDisplay::OnMessage(UINT message, WPARAM wParam) {
    switch (message) {
    case kRaiseToolsMessage: RaiseTools(); return true;
    case WM_TIMER:
        if (wParam == kMenuTimer) {
            if (!MenuShown() || ++menuChecks_ >= kMenuChecks) KillTimer(frame_, kMenuTimer);
            if (MenuShown()) RaiseToolsUnderMenus();
            return true;
        }
        if (wParam == kRaiseToolsDrawnTimer) KillTimer(frame_, kRaiseToolsDrawnTimer);
        else if (wParam != kRaiseToolsTimer) return false;
        RaiseTools();
        return true;
    case kOwnRectangleMessage:
        ownRectPending_ = false;
        SendOwnRectangle();
        return true;
    case kMenuClickMessage:
        if (menuClickPending_ && manager_ == WindowManager::Unknown) manager_ = WindowManager::Present;
        menuClickPending_ = false;
        return true;
    default: return false;
    }
}

void WineDisplay::OnWindowPosChanged(const WINDOWPOS& position) {
    if (display_ == FrameDisplay::WineDesktop && frame_ && !(position.flags & SWP_NOZORDER)) RaiseToolsSoon();
    if (display_ != FrameDisplay::WineScreen || !frame_ || placing_) return;
    const bool zoomed = IsZoomed(frame_) != FALSE;
    const bool maximizedNow = zoomed && !wasZoomed_;
    const bool restoredNow = !zoomed && wasZoomed_;
    wasZoomed_ = zoomed;
    if (manager_ == WindowManager::Absent) {
        KeepPlaceWithoutManager(position, maximizedNow);
    } else {
        FollowScreen(maximizedNow, restoredNow);
    }
}

// A window manager restores a window to the size it was first shown at, and
// the frame is first shown maximized at the work area's size: restored, the
// frame sends its own rectangle again once the screen's answers to the
// restore are read. While it stays normal, a new size or place is the
// user's own.
void WineDisplay::FollowScreen(bool maximizedNow, bool restoredNow) {
    if (restoredNow) {
        if (!ownRectPending_) ownRectPending_ = PostMessageW(frame_, kOwnRectangleMessage, 0, 0) != FALSE;
    } else if (maximizedNow) {
        KeepOwnNormalRectangle();
    } else if (!IsZoomed(frame_) && !ownRectPending_) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        if (GetWindowPlacement(frame_, &placement)) ownRect_ = placement.rcNormalPosition;
    }
}

// Under a window manager the frame is offered the keyboard before the user
// can reach its system menu: a maximize or a restore asked for while no
// manager has shown itself shows that there is none, and the frame takes
// the place asked for itself from then on.
bool WineDisplay::OnSysCommand(WPARAM command) {
    const UINT kind = static_cast<UINT>(command) & 0xFFF0;
    if (display_ == FrameDisplay::WineScreen && manager_ == WindowManager::Unknown &&
        (kind == SC_MAXIMIZE || kind == SC_RESTORE)) {
        manager_ = WindowManager::Absent;
    }
    return false;
}

// The placement's normal rectangle, which a restore goes back to and the exit
// keeps, is the frame's own, whatever the screen's answers set meanwhile.
void WineDisplay::KeepOwnNormalRectangle() {
    if (ownRect_.right <= ownRect_.left) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(frame_, &placement) || EqualRect(&placement.rcNormalPosition, &ownRect_)) return;
    placement.rcNormalPosition = ownRect_;
    // A maximized frame stays where it is (the placement's maximized
    // position is the workspace's, not the screen's).
    RECT now{};
    GetWindowRect(frame_, &now);
    placing_ = true;
    SetWindowPlacement(frame_, &placement);
    if (IsZoomed(frame_)) {
        SetWindowPos(frame_, nullptr, now.left, now.top, now.right - now.left, now.bottom - now.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    placing_ = false;
}

void WineDisplay::SendOwnRectangle() {
    if (!frame_ || IsZoomed(frame_) || IsIconic(frame_) || ownRect_.right <= ownRect_.left) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(frame_, &placement)) return;
    RECT now{};
    GetWindowRect(frame_, &now);
    // Placements count from the work area; the window's rectangle from
    // the screen.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(frame_, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT own = ownRect_;
    OffsetRect(&own, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    if (EqualRect(&now, &own)) return;
    placement.rcNormalPosition = ownRect_;
    placement.showCmd = SW_SHOWNORMAL;
    SetWindowPlacement(frame_, &placement);
}

// Without a manager the screen keeps the state the frame was first shown in,
// and after each change of the frame's place Wine turns the frame back to it
// (a restore bounces back to maximized, a maximize to normal). The frame has
// the last word: its place sent once more, which changes nothing on the
// screen, makes the screen's answer to the change too old to be read. And a
// maximized frame is given the work area's size itself.
void WineDisplay::KeepPlaceWithoutManager(const WINDOWPOS& position, bool maximizedNow) {
    constexpr UINT kUnchanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    if (IsZoomed(frame_) && (maximizedNow || !CoversWorkArea(frame_))) {
        FillWorkArea();
    } else if ((position.flags & kUnchanged) != kUnchanged) {
        HaveTheLastWord();
    }
}

// Wine sends a maximized frame's size to the screen only when it is not
// marked maximized: the mark is taken off for that one change.
void WineDisplay::FillWorkArea() {
    const RECT rect = MaximizedRect(frame_);
    const LONG style = GetWindowLongW(frame_, GWL_STYLE);
    placing_ = true;
    SetWindowLongW(frame_, GWL_STYLE, style & ~WS_MAXIMIZE);
    SetWindowPos(frame_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowLongW(frame_, GWL_STYLE, style);
    placing_ = false;
    KeepOwnNormalRectangle();
    HaveTheLastWord();
}

void WineDisplay::HaveTheLastWord() {
    placing_ = true;
    SetWindowPos(frame_, nullptr, 0, 0, 0, 0, kKeepPlace);
    placing_ = false;
}

// Under Wine the keys reach whichever window of the program is active, as
// long as one of its windows has the display's keyboard. A window manager
// decides which window has it, and Wine asks it for none: when a start-up
// question goes, the manager would give the keyboard to the window it
// focused last (another program's, or none), never the frame, which the
// question disabled all the while it was on the screen. So, while the
// question still has the keyboard, the frame is enabled and, when a manager
// has shown itself, shown afresh: a new window that the manager focuses, or
// takes next in its order once the question goes. Then the frame is made
// active, so that a key typed at once, whichever of the program's windows
// the display gives it to, acts in the frame. With no manager (a bare
// display, Wine's own desktop) the frame is not shown afresh: nobody would
// give it the keyboard back, and Wine would leave it inactive.
void WineDisplay::TakeKeysBackBeforeQuestionGoes(bool showAfresh) {
    if (display_ == FrameDisplay::Windows || !frame_ || !IsWindowVisible(frame_)) return;
    EnableWindow(frame_, TRUE);
    SetForegroundWindow(frame_);
    if (!showAfresh) return;
    managerOfferedKeys_ = false;
    SetWindowPos(frame_, nullptr, 0, 0, 0, 0, kKeepPlace | SWP_HIDEWINDOW);
    SetWindowPos(frame_, nullptr, 0, 0, 0, 0, kKeepPlace | SWP_SHOWWINDOW);
    // The question keeps the display's keyboard until the manager has
    // offered it to the frame: gone before, it would leave the keyboard to
    // the manager for a moment, and a key typed then would be lost. The
    // display's events are read meanwhile (keys typed wait in the queue),
    // and the windows drawn, so that the answer shows at once; a manager
    // that says nothing within a second is not waited for.
    const DWORD start = GetTickCount();
    MSG message;
    while (!managerOfferedKeys_ && GetTickCount() - start < 1000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PeekMessageW(&message, nullptr, WM_NULL, WM_NULL, PM_NOREMOVE);
        for (int paints = 0; paints < 100 && PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++paints)
            DispatchMessageW(&message);
    }
    SetForegroundWindow(frame_);
}

}  // namespace corvinata
