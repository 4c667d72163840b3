#include "frame/wine_display.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "base/wine_host_win.h"

namespace corvinata {
namespace {

// A plain top-level window of the test, owned by `owner` (none for a
// frame), shown without taking the activation.
struct TopWindow {
    explicit TopWindow(HWND owner = nullptr, bool shown = true)
        : handle(CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP | WS_BORDER, 50, 50, 200, 150, owner, nullptr,
                                 GetModuleHandleW(nullptr), nullptr)) {
        if (shown) ShowWindow(handle, SW_SHOWNOACTIVATE);
    }
    ~TopWindow() { DestroyWindow(handle); }
    TopWindow(const TopWindow&) = delete;
    TopWindow& operator=(const TopWindow&) = delete;
    HWND handle;
};

// Whether `upper` comes before `lower` in the desktop's order of windows.
bool Above(HWND upper, HWND lower) {
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower) return true;
    }
    return false;
}

// The frame's tools keep their order and their owners, and every window
// stays above the window that owns it; a dialog a tool owns stays above
// every tool, also a tool that was between it and its owner.
TEST(RaiseOwnedWindowsTest, EachWindowStaysAboveItsOwnerAndTheToolsKeepTheirOrder) {
    TopWindow frame;
    TopWindow forecast(frame.handle);
    TopWindow options(forecast.handle);
    TopWindow calculator(frame.handle);
    TopWindow spacer(nullptr, false);
    // The forecast's dialog over the calculator, which is over the forecast.
    SetWindowPos(options.handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(Above(options.handle, calculator.handle));
    ASSERT_TRUE(Above(calculator.handle, forecast.handle));
    ASSERT_EQ(OwnedWindowsFromTheTop(frame.handle),
              (std::vector<HWND>{options.handle, calculator.handle, forecast.handle}));

    RaiseOwnedWindows(frame.handle, spacer.handle);

    EXPECT_TRUE(Above(options.handle, calculator.handle)) << "a tool came over another tool's dialog";
    EXPECT_TRUE(Above(options.handle, forecast.handle));
    EXPECT_TRUE(Above(calculator.handle, frame.handle));
    EXPECT_TRUE(Above(forecast.handle, frame.handle));
    EXPECT_EQ(GetWindow(options.handle, GW_OWNER), forecast.handle);
    EXPECT_EQ(GetWindow(calculator.handle, GW_OWNER), frame.handle);
    EXPECT_EQ(GetWindow(forecast.handle, GW_OWNER), frame.handle);
}

// A hidden window owns nothing that is raised, and a frame with no shown
// tool has nothing to raise.
TEST(RaiseOwnedWindowsTest, OnlyShownWindowsCount) {
    TopWindow frame;
    TopWindow hidden(frame.handle, false);
    EXPECT_TRUE(OwnedWindowsFromTheTop(frame.handle).empty());
    TopWindow tool(frame.handle);
    EXPECT_EQ(OwnedWindowsFromTheTop(frame.handle), std::vector<HWND>{tool.handle});
}

// The windows that, when the order of the desktop's windows changed, were
// the first shown one of them: Wine raises a window on its own desktop
// only then.
struct FirstWhenMoved {
    static thread_local std::vector<HWND>* seen;
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
        const auto* changed = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && seen && changed->message == WM_WINDOWPOSCHANGED &&
            !(reinterpret_cast<const WINDOWPOS*>(changed->lParam)->flags & SWP_NOZORDER)) {
            HWND first = GetWindow(changed->hwnd, GW_HWNDFIRST);
            while (first && !IsWindowVisible(first)) first = GetWindow(first, GW_HWNDNEXT);
            if (first == changed->hwnd) seen->push_back(changed->hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};
thread_local std::vector<HWND>* FirstWhenMoved::seen = nullptr;

// Each tool is made the first shown window of all for a moment, which is
// when Wine raises it on its own desktop, also the one already first.
TEST(RaiseOwnedWindowsTest, EachToolIsFirstOfAllForAMoment) {
    TopWindow frame;
    TopWindow forecast(frame.handle);
    TopWindow calculator(frame.handle);
    TopWindow spacer(nullptr, false);
    std::vector<HWND> seen;
    FirstWhenMoved::seen = &seen;
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, FirstWhenMoved::Watch, nullptr, GetCurrentThreadId());

    RaiseOwnedWindows(frame.handle, spacer.handle);

    UnhookWindowsHookEx(hook);
    FirstWhenMoved::seen = nullptr;
    EXPECT_NE(std::find(seen.begin(), seen.end(), calculator.handle), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), forecast.handle), seen.end());
    EXPECT_TRUE(Above(calculator.handle, forecast.handle)) << "the tools' order changed";
}

// A tooltip shown over a tool when the frame came up (the pointer was left
// on the tool) would keep the tool from being first of all, and so from
// being raised on Wine's desktop: it goes.
TEST(WineDisplayTest, ATooltipShownFirstGoesSoThatTheToolsAreRaised) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    TopWindow frame;
    // A tool that takes the pointer (a static window lets it through).
    const HWND calculator = CreateWindowExW(0, L"BUTTON", L"Clear", WS_POPUP | BS_PUSHBUTTON, 300, 300, 120, 60,
                                            frame.handle, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(calculator, SW_SHOWNOACTIVATE);
    WineDisplay display(FrameDisplay::WineDesktop);
    display.Attach(frame.handle);
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                     calculator, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(tip, nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = calculator;
    tool.uId = reinterpret_cast<UINT_PTR>(calculator);
    tool.lpszText = const_cast<wchar_t*>(L"Clear");
    ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    // The pointer rests on the tool: the tooltip comes.
    SetCursorPos(320, 320);
    MSG moved{calculator, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20), GetTickCount(), {320, 320}};
    SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&moved));
    for (const DWORD start = GetTickCount(); !IsWindowVisible(tip) && GetTickCount() - start < 5000;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
    ASSERT_TRUE(IsWindowVisible(tip)) << "the tooltip did not come";
    // The frame came over everything, the tooltip still first.
    SetWindowPos(frame.handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    EXPECT_TRUE(display.OnMessage(WineDisplay::kRaiseToolsMessage, 0));

    EXPECT_FALSE(IsWindowVisible(tip));
    HWND first = GetTopWindow(nullptr);
    while (first && !IsWindowVisible(first)) first = GetWindow(first, GW_HWNDNEXT);
    EXPECT_EQ(first, calculator) << "the tool was not first of all";
    display.Attach(nullptr);
    DestroyWindow(tip);
    DestroyWindow(calculator);
}

// While a menu is up (the frame can come over the tools on Wine's desktop
// then) each tool is made first of all for a moment, the menu is first
// again after it, and no tool is left topmost, above other programs:
// whether the raise is one of the menu's checks, or one due as the menu
// came (a view drawn for the first time, the keys moved).
struct MenuRaise {
    static thread_local MenuRaise* running;
    UINT message = WM_TIMER;
    WPARAM which = WineDisplay::kMenuTimer;
    WineDisplay* display = nullptr;
    HWND frame = nullptr;
    HWND tool = nullptr;
    std::vector<HWND> firsts;
    bool done = false;
    bool toolAboveFrame = false;
    bool toolTopmost = true;
    bool menuFirst = false;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        MenuRaise* run = running;
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!run || run->done || !menu || !IsWindowVisible(menu)) return;
        run->done = true;
        KillTimer(nullptr, timer);
        FirstWhenMoved::seen = &run->firsts;
        const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, FirstWhenMoved::Watch, nullptr, GetCurrentThreadId());
        run->display->OnMessage(run->message, run->which);
        UnhookWindowsHookEx(hook);
        FirstWhenMoved::seen = nullptr;
        run->toolAboveFrame = Above(run->tool, run->frame);
        run->toolTopmost = (GetWindowLongW(run->tool, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        HWND first = GetTopWindow(nullptr);
        while (first && !IsWindowVisible(first)) first = GetWindow(first, GW_HWNDNEXT);
        run->menuFirst = first == menu;
        EndMenu();
    }
};
thread_local MenuRaise* MenuRaise::running = nullptr;

TEST(WineDisplayTest, ToolsGoAboveTheFrameUnderAnOpenMenu) {
    const struct {
        const char* raise;
        UINT message;
        WPARAM which;
    } raises[] = {
        {"the menu's check", WM_TIMER, WineDisplay::kMenuTimer},
        {"once drawn", WM_TIMER, WineDisplay::kRaiseToolsDrawnTimer},
        {"posted", WineDisplay::kRaiseToolsMessage, 0},
    };
    for (const auto& raise : raises) {
        SCOPED_TRACE(raise.raise);
        TopWindow frame;
        TopWindow calculator(frame.handle);
        WineDisplay display(FrameDisplay::WineDesktop);
        display.Attach(frame.handle);
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, L"Center");
        MenuRaise run;
        run.message = raise.message;
        run.which = raise.which;
        run.display = &display;
        run.frame = frame.handle;
        run.tool = calculator.handle;
        MenuRaise::running = &run;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, &MenuRaise::Tick);
        SetForegroundWindow(frame.handle);
        TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, frame.handle, nullptr);
        if (!run.done) KillTimer(nullptr, timer);
        MenuRaise::running = nullptr;
        DestroyMenu(menu);
        display.Attach(nullptr);
        ASSERT_TRUE(run.done) << "the menu did not come";
        EXPECT_NE(std::find(run.firsts.begin(), run.firsts.end(), calculator.handle), run.firsts.end())
            << "the tool was not first of all for a moment";
        EXPECT_TRUE(run.menuFirst) << "the menu was not first again";
        EXPECT_TRUE(run.toolAboveFrame);
        EXPECT_FALSE(run.toolTopmost) << "the tool was left topmost";
        EXPECT_FALSE(GetWindowLongW(calculator.handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_TRUE(Above(calculator.handle, frame.handle));
    }
}

// A frame left by the display (it goes) gets none of the display's timers
// afterwards: not the raise once drawn, not the checks of a menu made while
// a tool was shown.
TEST(WineDisplayTest, NoTimerOfTheDisplayRunsAfterItLeavesTheFrame) {
    TopWindow frame;
    TopWindow calculator(frame.handle);
    WineDisplay display(FrameDisplay::WineDesktop);
    display.Attach(frame.handle);
    display.RaiseToolsOnceDrawn();
    // A menu's window, as a context menu makes it.
    const HWND menu = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"#32768", nullptr, WS_POPUP, 100, 100, 80, 40,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(menu, nullptr);
    display.Attach(nullptr);
    DestroyWindow(menu);
    Sleep(3 * WineDisplay::kMenuCheckMs);
    MSG message;
    std::vector<UINT_PTR> timers;
    while (PeekMessageW(&message, frame.handle, WM_TIMER, WM_TIMER, PM_REMOVE)) timers.push_back(message.wParam);
    EXPECT_TRUE(timers.empty()) << "timer " << std::hex << timers.front() << " came after the display left the frame";
}

// A view opened after the start, in whatever way, raises the tools once it
// has drawn, as at the start; a control made in the frame does not.
TEST(WineDisplayTest, AViewMadeInTheFrameRaisesTheToolsOnceDrawn) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW viewClass{};
    viewClass.lpfnWndProc = DefMDIChildProcW;
    viewClass.hInstance = instance;
    viewClass.lpszClassName = L"WineDisplayTestView";
    RegisterClassW(&viewClass);
    TopWindow frame;
    CLIENTCREATESTRUCT clientCreate{nullptr, 1000};
    const HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 200, 150, frame.handle,
                                        nullptr, instance, &clientCreate);
    ASSERT_NE(client, nullptr);
    WineDisplay display(FrameDisplay::WineDesktop);
    display.Attach(frame.handle);
    const auto raiseDue = [&frame] {
        Sleep(5 * USER_TIMER_MINIMUM);
        MSG message;
        bool due = false;
        while (PeekMessageW(&message, frame.handle, WM_TIMER, WM_TIMER, PM_REMOVE))
            due = due || message.wParam == WineDisplay::kRaiseToolsDrawnTimer;
        return due;
    };
    const HWND control = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, frame.handle,
                                         nullptr, instance, nullptr);
    EXPECT_FALSE(raiseDue()) << "a control in the frame";
    const HWND view = CreateMDIWindowW(L"WineDisplayTestView", L"Sky", WS_VISIBLE, 0, 0, 100, 100, client, instance, 0);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(raiseDue()) << "a view in the frame";
    display.Attach(nullptr);
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(view), 0);
    DestroyWindow(control);
    DestroyWindow(client);
    UnregisterClassW(L"WineDisplayTestView", instance);
}

// On an X screen a window manager's offer of the keyboard comes as a click
// on the frame's menu bar; a user's click there, made while a tool was
// active, is followed by the button's press on the bar and shows no
// manager.
TEST(WineDisplayTest, AClickOnTheMenuBarIsNoWindowManagersOffer) {
    // The press that follows the click, if any: only one on the bar is a
    // user's.
    const struct {
        const char* what;
        bool press;
        WPARAM hit;
        WindowManager manager;
    } cases[] = {
        {"a user's click", true, HTMENU, WindowManager::Unknown},
        {"a manager's offer", false, 0, WindowManager::Present},
        {"a manager's offer, then a press on the caption", true, HTCAPTION, WindowManager::Present},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const bool pressOnTheBar = c.press && c.hit == HTMENU;
        TopWindow frame;
        WineDisplay display(FrameDisplay::WineScreen);
        display.Attach(frame.handle);
        display.OnMouseActivate(MAKELPARAM(HTMENU, WM_LBUTTONDOWN));
        if (c.press) display.OnNcLButtonDown(c.hit);
        MSG posted{};
        ASSERT_TRUE(PeekMessageW(&posted, frame.handle, WineDisplay::kMenuClickMessage,
                                 WineDisplay::kMenuClickMessage, PM_REMOVE));
        EXPECT_TRUE(display.OnMessage(posted.message, posted.wParam));
        EXPECT_EQ(display.Manager(), c.manager);
        // A system command asked for with no manager shown says there is none.
        display.OnSysCommand(SC_RESTORE);
        EXPECT_EQ(display.Manager(), pressOnTheBar ? WindowManager::Absent : WindowManager::Present);
        display.Attach(nullptr);
    }
}

// The user's Wine settings of the default desktop: the value is put back
// as it was.
class ExplorerSetting {
public:
    ExplorerSetting(const wchar_t* key, const wchar_t* name, const wchar_t* value) : key_(key), name_(name) {
        RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle_, nullptr);
        wchar_t old[260] = {};
        DWORD size = sizeof old - sizeof old[0];
        hadValue_ = RegQueryValueExW(handle_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
                    ERROR_SUCCESS;
        old_ = old;
        if (value) {
            RegSetValueExW(handle_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           static_cast<DWORD>((lstrlenW(value) + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(handle_, name);
        }
    }
    ~ExplorerSetting() {
        if (hadValue_) {
            RegSetValueExW(handle_, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(old_.c_str()),
                           static_cast<DWORD>((old_.size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(handle_, name_.c_str());
        }
        RegCloseKey(handle_);
    }
    ExplorerSetting(const ExplorerSetting&) = delete;
    ExplorerSetting& operator=(const ExplorerSetting&) = delete;

private:
    std::wstring key_;
    std::wstring name_;
    HKEY handle_ = nullptr;
    bool hadValue_ = false;
    std::wstring old_;
};

// The tests run on the default desktop of an X screen, where Wine made no
// desktop of its own when their session began: settings that give the
// default desktop a size now change nothing until the next session.
TEST(DetectFrameDisplayTest, TheDisplayIsTheDesktopThatRunsWhateverTheSettingsSay) {
    if (!RunsUnderWine()) {
        EXPECT_EQ(DetectFrameDisplay(), FrameDisplay::Windows);
        return;
    }
    const struct {
        const wchar_t* desktop;
        const wchar_t* size;
    } cases[] = {
        {nullptr, nullptr},
        {L"Default", nullptr},
        {L"Default", L"1280x1024"},
        {L"Other", L"1280x1024"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.desktop ? c.desktop : L"no desktop named");
        ExplorerSetting desktop(L"Software\\Wine\\Explorer", L"Desktop", c.desktop);
        ExplorerSetting size(L"Software\\Wine\\Explorer\\Desktops", L"Default", c.size);
        EXPECT_EQ(DetectFrameDisplay(), FrameDisplay::WineScreen);
    }
}

}  // namespace
}  // namespace corvinata
