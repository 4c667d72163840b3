// Whether the texts of a dialog's controls fit their controls: each static,
// button, check box, radio button, group box title and combo box item is
// measured in the control's own font and compared with the room the control
// draws it in.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/drawn_pixels_win.h"

namespace corvinata::test {

// One text its control cuts, described for a failure message.
struct CutText {
    std::wstring where;  // the dialog's caption or name, and the control's id
    std::wstring text;
    SIZE needed{};
    SIZE room{};
};

// Room a check box or radio button's text has not: its box and the gap after it.
inline int CheckGlyphRoom() { return GetSystemMetrics(SM_CXMENUCHECK) + 4; }

// The size the text takes in the control's font with DrawText's `flags`,
// at most `width` wide where it may wrap.
inline SIZE TextSize(HWND control, const std::wstring& text, UINT flags, int width) {
    HDC dc = GetDC(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &r, flags | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// How far to the right the text's glyphs reach, drawn on one line in the
// control's font with DrawText's `flags`: a text that is never wrapped is
// whole where its ink is, whatever widths GDI reports for it (under Wine they
// are wider than the glyphs drawn for the dialogs' Tahoma at 8 points).
inline int InkWidth(HWND control, const std::wstring& text, UINT flags) {
    const SIZE reported = TextSize(control, text, flags, 0);
    const int width = reported.cx + 32;
    const int height = reported.cy;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const std::vector<std::uint32_t> pixels = DrawnPixels(width, height, [&](HDC dc) {
        PatBlt(dc, 0, 0, width, height, WHITENESS);
        HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        RECT r{0, 0, width, height};
        DrawTextW(dc, text.c_str(), -1, &r, flags | DT_NOCLIP);
        SelectObject(dc, old);
    });
    for (int x = width - 1; x >= 0; --x) {
        for (int y = 0; y < height; ++y) {
            if (pixels[static_cast<std::size_t>(y * width + x)] != 0xFFFFFFu) return x + 1;
        }
    }
    return 0;
}

inline std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

inline std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// Checks one control; appends what it cuts.
inline void CheckControlText(HWND control, const std::wstring& where, std::vector<CutText>& cut) {
    const std::wstring kind = ClassOf(control);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    RECT client{};
    GetClientRect(control, &client);
    const SIZE room{client.right, client.bottom};
    // A text kept in a hidden dot for the program to read is not shown.
    if (room.cx < 4 || room.cy < 4) return;
    // `byInk`: the width is where the glyphs end, not the reported one.
    auto check = [&](const std::wstring& text, UINT flags, int width, int height, bool byInk = false) {
        if (text.empty()) return;
        const bool wraps = (flags & DT_WORDBREAK) != 0;
        SIZE needed = TextSize(control, text, flags, wraps ? width : 0);
        if (byInk) needed.cx = InkWidth(control, text, flags);
        if (needed.cx > width || needed.cy > height) cut.push_back({where, text, needed, SIZE{width, height}});
    };
    if (lstrcmpiW(kind.c_str(), L"Static") == 0) {
        const LONG_PTR type = style & SS_TYPEMASK;
        const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
            check(WindowText(control), DT_WORDBREAK | DT_EXPANDTABS | prefix, room.cx, room.cy);
        } else if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) {
            // Nothing is broken into lines by the reported widths: the
            // program strings such statics together by their drawn texts.
            check(WindowText(control), DT_SINGLELINE | DT_EXPANDTABS | prefix, room.cx, room.cy, true);
        }
    } else if (lstrcmpiW(kind.c_str(), L"Button") == 0) {
        const LONG_PTR type = style & BS_TYPEMASK;
        const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
        switch (type) {
            case BS_PUSHBUTTON:
            case BS_DEFPUSHBUTTON:
                // The button's edges and its focus rectangle.
                check(WindowText(control), lines, room.cx - 6, room.cy - 4);
                break;
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                // The focus rectangle takes a pixel on the right.
                check(WindowText(control), lines, room.cx - CheckGlyphRoom() - 1, room.cy);
                break;
            case BS_GROUPBOX:
                // The title stands in the frame's top line, indented.
                check(WindowText(control), DT_SINGLELINE, room.cx - 16, room.cy);
                break;
            default: break;
        }
    } else if (lstrcmpiW(kind.c_str(), L"ComboBox") == 0) {
        // The selection field: the borders, the drop button and the focus
        // rectangle's inset.
        RECT closed{};
        GetWindowRect(control, &closed);
        const int width = room.cx - GetSystemMetrics(SM_CXVSCROLL) - 2 * GetSystemMetrics(SM_CXEDGE) - 2;
        const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
        for (int item = 0; item < count; ++item) {
            const auto length = SendMessageW(control, CB_GETLBTEXTLEN, item, 0);
            if (length <= 0) continue;
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            SendMessageW(control, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<std::size_t>(length));
            check(text, DT_SINGLELINE | DT_NOPREFIX, width, closed.bottom - closed.top);
        }
    }
}

struct TextWalk {
    const std::wstring* name;
    std::vector<CutText>* cut;
    bool shownOnly;
};

inline BOOL CALLBACK CheckChildText(HWND control, LPARAM parameter) {
    auto& walk = *reinterpret_cast<TextWalk*>(parameter);
    if (walk.shownOnly && !(GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE)) return TRUE;
    CheckControlText(control, *walk.name + L" #" + std::to_wstring(GetDlgCtrlID(control)), *walk.cut);
    return TRUE;
}

// Every control of the dialog and of the dialogs inside it; with
// `shownOnly` none that is hidden itself (a panel hidden with its window
// still counts: its controls keep what they show).
inline std::vector<CutText> CutTextsOf(HWND dialog, const std::wstring& name, bool shownOnly) {
    std::vector<CutText> cut;
    TextWalk walk{&name, &cut, shownOnly};
    EnumChildWindows(dialog, &CheckChildText, reinterpret_cast<LPARAM>(&walk));
    return cut;
}

// Two shown texts of the same dialog that cover each other (group boxes
// and tab controls hold others and are left out, as are controls shown in
// turns at one place, which the template hides, and the fields the program
// fills and places itself, which the template leaves empty).
// `placedAtRun`: items of the dialog that the program moves when it fills them.
template <typename PlacedAtRun>
std::vector<std::wstring> OverlapsOf(HWND dialog, const std::wstring& name, PlacedAtRun placedAtRun) {
    std::vector<std::pair<HWND, RECT>> shown;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        const std::wstring kind = ClassOf(child);
        if (!(style & WS_VISIBLE) || WindowText(child).empty() || placedAtRun(GetDlgCtrlID(child))) continue;
        if (lstrcmpiW(kind.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX) continue;
        if (lstrcmpiW(kind.c_str(), L"SysTabControl32") == 0 || lstrcmpiW(kind.c_str(), L"#32770") == 0) continue;
        RECT r{};
        GetWindowRect(child, &r);
        if (r.right <= r.left || r.bottom <= r.top) continue;
        shown.emplace_back(child, r);
    }
    std::vector<std::wstring> overlaps;
    for (std::size_t a = 0; a < shown.size(); ++a) {
        for (std::size_t b = a + 1; b < shown.size(); ++b) {
            RECT both{};
            if (!IntersectRect(&both, &shown[a].second, &shown[b].second)) continue;
            overlaps.push_back(name + L" #" + std::to_wstring(GetDlgCtrlID(shown[a].first)) + L" \"" +
                               WindowText(shown[a].first) + L"\" and #" + std::to_wstring(GetDlgCtrlID(shown[b].first)) +
                               L" \"" + WindowText(shown[b].first) + L"\"");
        }
    }
    return overlaps;
}

}  // namespace corvinata::test
