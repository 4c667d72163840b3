// Text drawn in a font and read back as black-on-white pixels, and the face
// a control's device context really uses: what the glyph tests compare.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace corvinata::test {

inline std::vector<bool> TextPixels(const std::wstring& text, HFONT font) {
    constexpr int kSize = 32;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, kSize, kSize};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 4, 4, text.c_str(), static_cast<int>(text.size()));
    std::vector<bool> ink(kSize * kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) ink[y * kSize + x] = GetPixel(dc, x, y) != RGB(255, 255, 255);
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return ink;
}

// A control's text drawn with `font`, as the control draws it.
inline std::vector<bool> GlyphPixels(HWND control, HFONT font) {
    wchar_t text[8] = {};
    GetWindowTextW(control, text, 8);
    return TextPixels(text, font);
}

inline bool HasInk(const std::vector<bool>& pixels) {
    for (bool ink : pixels) {
        if (ink) return true;
    }
    return false;
}

inline std::wstring FaceOf(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return face;
}

}  // namespace corvinata::test
