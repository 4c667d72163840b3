// A static's drawn width is where the text after it goes: the text drawn in
// two pieces, the second at that width, is the whole text drawn at once.
#include "controls/drawn_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/program_fonts.h"
#include "support/drawn_pixels_win.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

std::vector<std::uint32_t> Drawn(HFONT font, const std::wstring& first, int at, const std::wstring& second) {
    return test::DrawnPixels(400, 20, [&](HDC dc) {
        PatBlt(dc, 0, 0, 400, 20, WHITENESS);
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, 0, 0, first.c_str(), static_cast<int>(first.size()));
        TextOutW(dc, at, 0, second.c_str(), static_cast<int>(second.size()));
    });
}

TEST(DrawnTextTest, TheTextAfterAStaticStartsWhereItsDrawnTextEnds) {
    ProgramFonts fonts(GetModuleHandleW(nullptr));
    ASSERT_TRUE(fonts.SymbolFontLoaded());
    // The dialogs' own face at 8 points.
    HFONT dialog = CreateFontW(-MulDiv(8, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                               L"MS Shell Dlg");
    const struct {
        HFONT font;
        const wchar_t* text;
        const wchar_t* after;
    } cases[] = {
        {dialog, L"Mean longitude of Moon at epoch (l", L"x"},
        {dialog, L"* 10", L"x"},
        {dialog, L"Mass: ", L"x"},  // a blank at the end counts
        {dialog, L"&Date", L"x"},   // a prefix character is drawn
        {fonts.SymbolFont(), L"\u00BB\u00FE", L"\u00F4"},
        {fonts.SymbolFont(), L"\u00F4\u00F4", L"\u00F4"},
    };
    for (const auto& c : cases) {
        HWND label = CreateWindowExW(0, L"STATIC", c.text, WS_POPUP | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0, 300, 20,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(label, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), FALSE);
        const int width = DrawnTextWidth(label);
        EXPECT_GT(width, 0) << test::Utf8(c.text);
        EXPECT_TRUE(Drawn(c.font, c.text, width, c.after) == Drawn(c.font, std::wstring(c.text) + c.after, 0, L""))
            << test::Utf8(c.text) << " " << width;
        DestroyWindow(label);
    }
    DeleteObject(dialog);
}

}  // namespace
}  // namespace corvinata
