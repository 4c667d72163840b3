#include "tools/symbol_table_window_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include <set>
#include <string>
#include <vector>

#include "base/greek_letters.h"
#include "controls/program_fonts.h"
#include "frame_test.h"
#include "glyph_pixels.h"
#include "support/drawn_pixels_win.h"
#include "resources/resource_ids.h"
#include "resources/symbol_table_ids.h"

namespace corvinata {
namespace {

using test::FaceOf;
using test::GlyphPixels;
using test::HasInk;

class SymbolTableWindowTest : public test::FrameTest {
protected:
    ~SymbolTableWindowTest() override { Close(); }
    void Open(bool storeOnExit = true) {
        Start(false);
        app_->Options().general.saveOptionsOnExit = storeOnExit;
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        ToolWindow* tool = frame_->Tools().Find(CMD_SYMBOLS);
        window_ = tool ? tool->Window() : nullptr;
    }
    void Close() {
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
        frame_.reset();
    }
    HWND Page() const {
        return FindWindowExW(GetDlgItem(window_, IDC_SYMTAB_TABS), nullptr, L"#32770", nullptr);
    }
    int Tab() const { return static_cast<int>(SendDlgItemMessageW(window_, IDC_SYMTAB_TABS, TCM_GETCURSEL, 0, 0)); }
    void SelectTab(int tab) {
        HWND tabs = GetDlgItem(window_, IDC_SYMTAB_TABS);
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        NMHDR header{tabs, IDC_SYMTAB_TABS, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(window_, WM_NOTIFY, IDC_SYMTAB_TABS, reinterpret_cast<LPARAM>(&header));
    }
    RECT Rect() const {
        RECT r{};
        GetWindowRect(window_, &r);
        return r;
    }

    ProgramFonts fonts_{GetModuleHandleW(nullptr)};
    HWND window_ = nullptr;
};

TEST_F(SymbolTableWindowTest, FirstStartHidesItAtItsPlaceAndCloseAndTheCloseBoxHideIt) {
    Open();
    ASSERT_NE(window_, nullptr);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(Rect().left, 200);
    EXPECT_EQ(Rect().top, 100);
    EXPECT_EQ(Tab(), kSymbolTableBodiesTab);
    EXPECT_FALSE(MenuState(CMD_SYMBOLS) & MF_GRAYED);

    Command(CMD_SYMBOLS);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_TRUE(MenuState(CMD_SYMBOLS) & MF_CHECKED);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDC_SYMTAB_CLOSE, BN_CLICKED), 0);
    DrainQuit();  // the button posts the close
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_FALSE(MenuState(CMD_SYMBOLS) & MF_CHECKED);

    Command(CMD_SYMBOLS);
    SendMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_FALSE(IsWindowVisible(window_));
}

TEST_F(SymbolTableWindowTest, EveryGlyphIsDrawnInkedAndDistinctInTheProgramsOwnFace) {
    ASSERT_TRUE(fonts_.SymbolFontLoaded());
    Open();
    Command(CMD_SYMBOLS);
    HWND page = Page();
    ASSERT_NE(page, nullptr);
    const HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0));
    std::set<std::vector<bool>> bodies;
    for (int i = 0; i < kSymbolTableBodyCount; ++i) {
        HWND control = GetDlgItem(page, GetSymbolTableBody(i).control);
        ASSERT_NE(control, nullptr) << i;
        EXPECT_EQ(FaceOf(control), std::wstring(kSymbolFontFace)) << i;
        const HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        const std::vector<bool> glyph = GlyphPixels(control, font);
        EXPECT_TRUE(HasInk(glyph)) << i;
        EXPECT_NE(glyph, GlyphPixels(control, dialogFont)) << i;
        bodies.insert(glyph);
    }
    EXPECT_EQ(bodies.size(), static_cast<std::size_t>(kSymbolTableBodyCount));

    SelectTab(kSymbolTableGreekTab);
    page = Page();
    ASSERT_NE(page, nullptr);
    wchar_t name[20] = {};
    GetDlgItemTextW(page, SymbolTableGreekNameControl(7), name, 20);
    EXPECT_STREQ(name, L"Theta");
    int inked = 0;
    for (int i = 0; i < kGreekLetterCount; ++i) {
        for (int id : {SymbolTableGreekCapitalControl(i), SymbolTableGreekSmallControl(i)}) {
            HWND control = GetDlgItem(page, id);
            ASSERT_NE(control, nullptr) << id;
            EXPECT_EQ(FaceOf(control), std::wstring(kSymbolFontFace)) << id;
            const HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            const std::vector<bool> glyph = GlyphPixels(control, font);
            if (HasInk(glyph)) ++inked;
            EXPECT_NE(glyph, GlyphPixels(control, dialogFont)) << id;
        }
    }
    EXPECT_EQ(inked, 2 * kGreekLetterCount);
    // The capital Theta is a ring with a bar, the small one its narrow form.
    wchar_t glyph[2] = {};
    GetDlgItemTextW(page, SymbolTableGreekCapitalControl(7), glyph, 2);
    EXPECT_EQ(glyph[0], 0xBB);
}

// How many rows of a control's client area dark ink spans as the control
// draws itself.
int InkedRows(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    const std::vector<std::uint32_t> pixels = test::PrintedClient(control, client.right, client.bottom);
    int top = client.bottom, bottom = -1;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            if (!test::IsInk(pixels[static_cast<std::size_t>(y) * client.right + x], 96)) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return bottom - top + 1;
}

// The body symbols stand taller than the capitals of their captions (they
// were drawn smaller, in boxes twice as high) and stay inside their boxes.
TEST_F(SymbolTableWindowTest, BodySymbolsAreTallerThanTheirCaptionsCapitals) {
    Open();
    Command(CMD_SYMBOLS);
    HWND page = Page();
    ASSERT_NE(page, nullptr);
    const std::vector<bool> capital = test::TextPixels(L"M", reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0)));
    int capitalTop = 32, capitalBottom = -1;
    for (int i = 0; i < 32 * 32; ++i) {
        if (capital[static_cast<std::size_t>(i)]) capitalTop = std::min(capitalTop, i / 32), capitalBottom = std::max(capitalBottom, i / 32);
    }
    const int capitalHeight = capitalBottom - capitalTop + 1;
    ASSERT_GT(capitalHeight, 4);
    for (int i = 0; i < kSymbolTableBodyCount; ++i) {
        HWND control = GetDlgItem(page, GetSymbolTableBody(i).control);
        RECT client{};
        GetClientRect(control, &client);
        const int rows = InkedRows(control);
        EXPECT_GT(rows, capitalHeight) << i;
        EXPECT_LT(rows, client.bottom) << i;
    }
}

TEST_F(SymbolTableWindowTest, PlaceTabAndVisibilitySurviveARestartUnlessChangesAreNotStored) {
    Open();
    Command(CMD_SYMBOLS);
    SelectTab(kSymbolTableGreekTab);
    SetWindowPos(window_, nullptr, 260, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Close();
    Open(false);
    ASSERT_NE(window_, nullptr);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_TRUE(MenuState(CMD_SYMBOLS) & MF_CHECKED);
    EXPECT_EQ(Tab(), kSymbolTableGreekTab);
    EXPECT_NE(Page(), nullptr);
    EXPECT_EQ(Rect().left, 260);
    EXPECT_EQ(Rect().top, 140);
    // Not stored: the hidden window and the first tab are forgotten.
    Command(CMD_SYMBOLS);
    SelectTab(kSymbolTableBodiesTab);
    Close();
    Open();
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(Tab(), kSymbolTableGreekTab);
}

}  // namespace
}  // namespace corvinata
