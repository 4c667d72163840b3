// The hover tip of the drawing windows: refilled at every new pointer
// position, shown only when the display accepts tips.
#include "views/display_tooltip_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/test_text.h"

namespace corvinata {
namespace {

class CountingSource final : public DisplayTooltipSource {
public:
    int texts = 0;
    int moves = 0;
    bool accepts = true;
    bool follows = true;

protected:
    void GetTooltipText(int x, int y, String& text) override {
        ++texts;
        text = String(test::Wide(std::to_string(x) + "," + std::to_string(y)).c_str());
    }
    void OnMouseMoved(int, int) override { ++moves; }
    bool AcceptsTooltips() const override { return accepts; }
    bool TipFollowsPointer() const override { return follows; }
};

class DisplayTooltipTest : public ::testing::Test {
protected:
    DisplayTooltipTest() {
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 200, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        display_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 100, 100, parent_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        source_.CreateDisplayTooltip(display_);
        // The display's messages reach the tip first, as a display's
        // window procedure hands them on.
        SetPropW(display_, L"source", &source_);
        staticProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(display_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DisplayProc)));
    }
    static LRESULT CALLBACK DisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (auto* source = static_cast<CountingSource*>(GetPropW(window, L"source"))) {
            source->HandleDisplayMouseHover(message, wParam, lParam);
        }
        return CallWindowProcW(staticProc_, window, message, wParam, lParam);
    }
    static inline WNDPROC staticProc_ = nullptr;
    ~DisplayTooltipTest() override {
        RemovePropW(display_, L"source");
        DestroyWindow(parent_);
    }
    bool Move(int x, int y) { return source_.HandleDisplayMouseHover(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    // The text the tooltip window holds for the display's tool.
    std::string TipWindowText() const {
        wchar_t text[80] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = parent_;
        tool.uId = reinterpret_cast<UINT_PTR>(display_);
        tool.lpszText = text;
        SendMessageW(source_.TooltipWindow(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        return test::Utf8(text);
    }

    HWND parent_ = nullptr;
    HWND display_ = nullptr;
    CountingSource source_;
};

TEST_F(DisplayTooltipTest, ANewPositionRefillsTheTextAndTheSameOneNothing) {
    ASSERT_NE(source_.TooltipWindow(), nullptr);
    EXPECT_TRUE(Move(10, 20));  // the first move is always new
    EXPECT_TRUE(Move(10, 20));
    EXPECT_EQ(source_.texts, 1);
    EXPECT_EQ(source_.moves, 1);
    EXPECT_EQ(test::Utf8(source_.TipText().Text()), "10,20");
    Move(11, 20);
    EXPECT_EQ(source_.texts, 2);
    EXPECT_EQ(test::Utf8(source_.TipText().Text()), "11,20");
    // Not the tip's messages: the display handles them alone.
    EXPECT_FALSE(source_.HandleDisplayMouseHover(WM_PAINT, 0, 0));
}

TEST_F(DisplayTooltipTest, ADisplayThatRefusesTipsStillFollowsThePointer) {
    source_.accepts = false;
    Move(5, 5);
    EXPECT_TRUE(source_.HandleDisplayMouseHover(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5)));
    EXPECT_TRUE(source_.HandleDisplayMouseHover(WM_MOUSELEAVE, 0, 0));
    Move(6, 5);
    EXPECT_EQ(source_.texts, 2);
    EXPECT_EQ(source_.moves, 2);
    EXPECT_EQ(test::Utf8(source_.TipText().Text()), "6,5");
}

TEST_F(DisplayTooltipTest, WhileThePointerDragsTheTipIsNeitherAskedNorMoved) {
    Move(4, 5);
    EXPECT_EQ(TipWindowText(), "4,5");
    source_.follows = false;
    Move(5, 5);
    Move(6, 5);
    EXPECT_EQ(source_.texts, 1);
    EXPECT_EQ(source_.moves, 3);
    EXPECT_EQ(TipWindowText(), "4,5");
    // After the drag the next move refills the tip.
    source_.follows = true;
    Move(7, 5);
    EXPECT_EQ(source_.texts, 2);
    EXPECT_EQ(TipWindowText(), "7,5");
}

// A tip once shown goes at a move even when the display no longer accepts
// tips there (the pointer left the star: the old name must not follow it),
// at a menu of the display and when the frame hides the tips below it.
TEST_F(DisplayTooltipTest, AShownTipIsHiddenWhateverTheDisplayNowSays) {
    const std::function<void()> hiders[] = {
        [this] {
            source_.accepts = false;
            Move(40, 40);
        },
        [this] { source_.HandleDisplayMouseHover(WM_ENTERMENULOOP, TRUE, 0); },
        [this] { HideDisplayTooltips(parent_); },
    };
    int n = 0;
    for (const auto& hide : hiders) {
        source_.accepts = true;
        Move(30 + n, 30);
        source_.HandleDisplayMouseHover(WM_MOUSEHOVER, 0, MAKELPARAM(30 + n, 30));
        ASSERT_TRUE(IsWindowVisible(source_.TooltipWindow())) << n;
        hide();
        EXPECT_FALSE(IsWindowVisible(source_.TooltipWindow())) << n;
        ++n;
    }
}

// The system's hover arrives inside a menu's loop when the pointer rested
// before the menu opened: the tip must not show over the menu. Once the
// menu is gone a hover shows it again.
struct HoverInMenu {
    static inline HWND display = nullptr;
    static inline HWND tip = nullptr;
    static inline bool seen = false;
    static inline bool shown = true;
    static void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return;
        KillTimer(nullptr, timer);
        seen = true;
        SendMessageW(display, WM_MOUSEHOVER, 0, MAKELPARAM(30, 30));
        shown = IsWindowVisible(tip) != FALSE;
        EndMenu();
    }
};

TEST_F(DisplayTooltipTest, AHoverWhileAMenuIsOpenShowsNoTip) {
    ShowWindow(parent_, SW_SHOWNOACTIVATE);
    ShowWindow(display_, SW_SHOWNOACTIVATE);
    Move(30, 30);
    HoverInMenu::display = display_;
    HoverInMenu::tip = source_.TooltipWindow();
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"Sky &Options...");
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &HoverInMenu::Look);
    TrackPopupMenu(menu, TPM_RETURNCMD, 60, 60, 0, parent_, nullptr);
    KillTimer(nullptr, timer);
    DestroyMenu(menu);
    ASSERT_TRUE(HoverInMenu::seen);
    EXPECT_FALSE(HoverInMenu::shown);
    source_.HandleDisplayMouseHover(WM_MOUSEHOVER, 0, MAKELPARAM(30, 30));
    EXPECT_TRUE(IsWindowVisible(source_.TooltipWindow()));
}

}  // namespace
}  // namespace corvinata
