// The real frame's panes and menus: the status line's parts, the control
// panels' size in their pane, and the View and Window menus found by their
// texts while a child window is maximized.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/sky_document.h"
#include "controls/control_panel.h"
#include "frame/command_states.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "views/sky_panel_win.h"

namespace corvinata {
namespace {

class FramePanesTest : public test::FrameTest {
protected:
    // The popup of the menu bar whose text, without its "&", is `title`.
    HMENU Popup(const wchar_t* title) const {
        HMENU bar = GetMenu(frame_->Window());
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(bar, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            std::wstring plain;
            for (const wchar_t* c = text; *c; ++c) {
                if (*c != L'&') plain += *c;
            }
            if (plain == title) return GetSubMenu(bar, i);
        }
        return nullptr;
    }
    MdiChildWindow& Maximized(int kind) {
        MdiChildWindow* window = frame_->Children().NewWindow(kind);
        EXPECT_NE(window, nullptr);
        SendMessageW(frame_->MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
        EXPECT_TRUE(IsZoomed(window->Handle()));
        return *window;
    }
};

// Whether the frame was visible and maximized after each change of its
// place, as its own thread's hook sees the changes.
struct FramePlaces {
    struct State {
        bool visible;
        bool maximized;
        RECT rect;
    };
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        wchar_t name[64] = {};
        if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGED &&
            GetClassNameW(sent->hwnd, name, 64) && std::wstring(name) == FrameWindow::ClassName()) {
            RECT rect{};
            GetWindowRect(sent->hwnd, &rect);
            states.push_back({IsWindowVisible(sent->hwnd) != FALSE, IsZoomed(sent->hwnd) != FALSE, rect});
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static std::vector<State> states;
};
std::vector<FramePlaces::State> FramePlaces::states;

int TextWidth(HDC dc, const wchar_t* text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    return size.cx;
}

// The place and the time each take their text's width in the bar's own
// device context as it comes (no font chosen into it), and a twentieth more.
TEST_F(FramePanesTest, StatusPartsFitTheirTextsInTheBarsDefaultFont) {
    FrameWindow& frame = Start();
    HWND status = frame.StatusWindow();
    const LONG style = GetWindowLongW(status, GWL_STYLE);
    EXPECT_EQ(style & SBARS_TOOLTIPS, SBARS_TOOLTIPS);
    EXPECT_EQ(style & SBARS_SIZEGRIP, 0);
    for (const int width : {1280, 900}) {
        SetWindowPos(frame.Window(), nullptr, 0, 0, width, 700, SWP_NOZORDER | SWP_NOACTIVATE);
        wchar_t place[200] = {}, time[200] = {};
        SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(place));
        SendMessageW(status, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(time));
        HDC dc = GetDC(status);
        const int placeWidth = TextWidth(dc, place);
        const int timeWidth = TextWidth(dc, time);
        ReleaseDC(status, dc);
        RECT client{};
        GetClientRect(status, &client);
        int parts[4] = {};
        ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)), 3);
        const int timeLeft = client.right - static_cast<int>(1.05 * timeWidth);
        EXPECT_EQ(parts[1], timeLeft) << width;
        EXPECT_EQ(parts[0], timeLeft - static_cast<int>(1.05 * placeWidth)) << width;
        EXPECT_EQ(parts[2], -1) << width;
    }
}

// Every panel takes its pane's whole width and height, the Picture panel's
// list and buttons with it, also after the frame changed its size.
TEST_F(FramePanesTest, EveryControlPanelFillsItsPane) {
    StartAsProgram();
    for (const int kind : {kSkyWindow, kPictureWindow}) ASSERT_NE(frame_->Children().NewWindow(kind), nullptr);
    HWND pane = frame_->PaneWindow(CMD_VIEW_CONTROL_PANEL);
    ASSERT_TRUE(frame_->IsPaneShown(CMD_VIEW_CONTROL_PANEL));
    for (const int height : {700, 560}) {
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1100, height, SWP_NOZORDER | SWP_NOACTIVATE);
        RECT area{};
        GetClientRect(pane, &area);
        int panels = 0;
        for (int kind = 0; kind < kWindowKindCount; ++kind) {
            ControlPanel* panel = frame_->Children().PanelOf(kind);
            if (!panel || !panel->GetDialogWindow()) continue;
            ++panels;
            RECT r{};
            GetWindowRect(panel->GetDialogWindow(), &r);
            EXPECT_EQ(r.right - r.left, area.right) << "kind " << kind << " at " << height;
            EXPECT_EQ(r.bottom - r.top, area.bottom) << "kind " << kind << " at " << height;
        }
        EXPECT_EQ(panels, kWindowKindCount);
    }
}

// After a new layout of the panes the active window's panel shows that
// window: one that let go of it takes it again and reads it, one that
// already shows it (and follows its changes) is not read again, so that a
// moment changed without telling it stays as it is.
TEST_F(FramePanesTest, ANewLayoutHasTheActiveWindowsPanelShowIt) {
    StartAsProgram();
    MdiChildWindow* window = frame_->Children().NewWindow(kSkyWindow);
    ASSERT_NE(window, nullptr);
    auto* sky = dynamic_cast<SkyDocument*>(&window->Document());
    ASSERT_NE(sky, nullptr);
    ControlPanel* panel = frame_->Children().PanelOf(kSkyWindow);
    const HWND dialog = panel->GetDialogWindow();
    const auto sidereal = [dialog] {
        wchar_t text[64] = {};
        GetDlgItemTextW(dialog, kSkySiderealItem, text, 64);
        return std::wstring(text);
    };
    for (const bool letGo : {false, true}) {
        SCOPED_TRACE(letGo ? "the panel let go of the window" : "the panel shows the window");
        const std::wstring before = sidereal();
        DateTime later = sky->GetTimeAndPlace().dateTime;
        // Never back to the moment the panel shows.
        const double shift = letGo ? 2.0 : 4.0;
        later.hours = later.hours < 12.0 ? later.hours + shift : later.hours - shift;
        sky->SetDateTime(later, true, false);
        if (letGo) panel->ControlPanelAttach(nullptr);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, letGo ? 1000 : 1020, 650, SWP_NOZORDER | SWP_NOACTIVATE);
        // The panel follows once the layout's posted work is done.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        EXPECT_EQ(panel->GetAttachedWindow(), window->AsPanelWindow());
        EXPECT_EQ(sidereal() != before, letGo);
    }
}

// While a child window is maximized its system menu stands first in the
// menu bar: the View and Window menus are still found by their texts.
TEST_F(FramePanesTest, MenusAreFoundByTheirTextsBesideAMaximizedWindow) {
    StartAsProgram();
    Maximized(kSkyWindow);
    for (int i = 0; i < 3; ++i) Command(CMD_ADD_LAYOUT);
    const struct {
        int command;
        const wchar_t* name;
    } entries[] = {{CMD_LAYOUT_FIRST, L"Layout 1"}, {CMD_LAYOUT_FIRST + 1, L"Layout 2"},
                   {CMD_LAYOUT_FIRST + 2, L"Layout 3"}, {CMD_LAYOUT_FIRST + 3, L"Layout 4"}};
    HMENU view = Popup(L"View");
    ASSERT_NE(view, nullptr);
    HMENU layouts = GetSubMenu(view, GetMenuItemCount(view) - 1);
    for (const auto& entry : entries) {
        wchar_t name[64] = {};
        GetMenuStringW(layouts, static_cast<UINT>(entry.command), name, 64, MF_BYCOMMAND);
        EXPECT_STREQ(name, entry.name);
    }
    EXPECT_TRUE(GetMenuState(layouts, CMD_LAYOUT_FIRST + 3, MF_BYCOMMAND) & MF_CHECKED);
    // Window > New grays when no kind can be opened; Options keeps its items.
    CommandStates states(frame_->Window(), frame_->Toolbar());
    states.UpdateAll(FrameCommandContext{}, frame_->Tools());
    EXPECT_TRUE(GetMenuState(Popup(L"Window"), 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(Popup(L"Options"), 0, MF_BYPOSITION) & MF_GRAYED);
}

// The animation ticks of a panel's dialog: the tick counts of those of
// one timer, as the queue hands them out.
struct AnimationTicks {
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_TIMER && message->hwnd == dialog &&
            message->wParam == timer) {
            times.push_back(message->time);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND dialog = nullptr;
    static inline WPARAM timer = 0;
    static inline std::vector<DWORD> times;
};

// The time part each panel builds: its date and time read-outs and, where
// the panel animates by its own timer, the pace its animation steps at,
// as its ticks come (on average never sooner than its period, and the fast
// ones far sooner than the slow ones' period).
TEST_F(FramePanesTest, EachPanelsTimePartAnimatesAtItsOwnPace) {
    StartAsProgram();
    constexpr UINT kNoTimer = static_cast<UINT>(-1);
    const struct {
        int kind;
        int dateItem;
        int timeItem;
        UINT timerId;  // the Sky panel's Animate button is its own
        DWORD period;
    } cases[] = {
        {kSkyWindow, 20600, 21002, kNoTimer, 0},
        {kSolarSystemWindow, 20600, 21002, 2, 100},
        {kJupiterExplorerWindow, 20600, 21002, 4, 10},
        {kSaturnExplorerWindow, 20600, 21002, 4, 10},
        {kSolarEclipseWindow, 20603, 21005, kNoTimer, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        ControlPanel* panel = frame_->Children().PanelOf(c.kind);
        ASSERT_NE(panel, nullptr);
        ASSERT_NE(panel->TimePart(), nullptr);
        const PanelTimeConfig& config = panel->TimePart()->Config();
        EXPECT_EQ(config.dateItem, c.dateItem);
        EXPECT_EQ(config.timeItem, c.timeItem);
        if (c.timerId == kNoTimer) continue;
        MdiChildWindow* window = frame_->Children().NewWindow(c.kind);
        ASSERT_NE(window, nullptr);
        const HWND dialog = panel->GetDialogWindow();
        const HWND animate = GetDlgItem(dialog, config.animateItem);
        ASSERT_NE(animate, nullptr);
        AnimationTicks::dialog = dialog;
        AnimationTicks::timer = c.timerId;
        AnimationTicks::times.clear();
        HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, AnimationTicks::Hook, nullptr, GetCurrentThreadId());
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(config.animateItem, BN_CLICKED), reinterpret_cast<LPARAM>(animate));
        RunMessagesUntil([] { return AnimationTicks::times.size() >= 9; }, 20000);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(config.animateItem, BN_CLICKED), reinterpret_cast<LPARAM>(animate));
        UnhookWindowsHookEx(hook);
        SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
        ASSERT_GE(AnimationTicks::times.size(), 9u);
        const std::vector<DWORD>& times = AnimationTicks::times;
        DWORD shortest = ~DWORD{0};
        for (std::size_t i = 1; i < times.size(); ++i) shortest = std::min(shortest, times[i] - times[i - 1]);
        // One tick may come a little early after a late one: on average
        // they are never sooner than the period.
        const double average = static_cast<double>(times.back() - times.front()) / (times.size() - 1);
        EXPECT_GE(average, 0.9 * c.period);
        EXPECT_LT(shortest, 5 * c.period);
    }
}

// The frame shows once, in the state it was left in, and keeps its own
// rectangle to be restored to (and stored at the exit). On the tests' X
// screen, which has no window manager, the screen's answers to a restore
// would turn the frame back to the maximized state it was first shown in:
// that echo shows the frame nobody manages the screen, and the frame stays
// as the user asked, maximized over the work area or at its own rectangle.
TEST_F(FramePanesTest, TheFrameIsShownOnceInItsSavedStateAndKeepsItsOwnRectangle) {
    const RECT own{100, 100, 700, 500};
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto coversWork = [&](HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect.left <= work.left && rect.top <= work.top && rect.right >= work.right && rect.bottom >= work.bottom;
    };
    const auto normalRect = [](HWND window) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window, &placement);
        return placement.rcNormalPosition;
    };
    for (const bool maximized : {true, false}) {
        SCOPED_TRACE(maximized ? "maximized" : "normal");
        app_.reset();
        app_ = CreateProgramApplication(std::make_unique<Win32StorageService>(), PathName());
        ASSERT_TRUE(StartApplication(*app_));
        FrameWindowSettings& settings = app_->Frame();
        settings.maximized = maximized;
        settings.left = own.left;
        settings.top = own.top;
        settings.right = own.right;
        settings.bottom = own.bottom;
        frame_ = std::make_unique<FrameWindow>(*app_, GetModuleHandleW(nullptr), modeless_, false);
        frame_->SetOfferWelcome(false);
        FramePlaces::states.clear();
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, FramePlaces::Hook, nullptr, GetCurrentThreadId());
        ASSERT_TRUE(frame_->Create());
        UnhookWindowsHookEx(hook);
        const HWND frame = frame_->Window();
        int shown = 0;
        for (const FramePlaces::State& state : FramePlaces::states) {
            if (!state.visible) continue;
            ++shown;
            EXPECT_EQ(state.maximized, maximized) << "change " << shown;
        }
        EXPECT_GT(shown, 0);
        EXPECT_EQ(IsZoomed(frame) != FALSE, maximized);
        RECT kept = normalRect(frame);
        EXPECT_TRUE(EqualRect(&kept, &own));
        if (maximized) {
            EXPECT_TRUE(coversWork(frame));
            SendMessageW(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
            EXPECT_FALSE(IsZoomed(frame));
            const WineDisplay& display = frame_->WineDifferences();
            if (display.Display() == FrameDisplay::WineScreen) {
                ASSERT_TRUE(RunMessagesUntil([&] { return display.Manager() != WindowManager::Unknown; }, 20000));
                EXPECT_EQ(display.Manager(), WindowManager::Absent);
            }
            EXPECT_FALSE(IsZoomed(frame)) << "the restore bounced back";
            RECT rect{};
            GetWindowRect(frame, &rect);
            EXPECT_TRUE(EqualRect(&rect, &own));
            SendMessageW(frame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            EXPECT_TRUE(IsZoomed(frame) && coversWork(frame));
            kept = normalRect(frame);
            EXPECT_TRUE(EqualRect(&kept, &own));
        }
        frame_.reset();
        DrainQuit();
    }
}

}  // namespace
}  // namespace corvinata
