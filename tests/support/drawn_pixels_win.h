// What a drawing puts into a 32-bit device-independent bitmap, read back
// for the tests: rows top first, each pixel 0x00RRGGBB.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/dib_header_win.h"

namespace corvinata::test {

// The bitmap starts black; `paint` draws into its memory DC.
template <typename Paint>
std::vector<std::uint32_t> DrawnPixels(int width, int height, Paint paint) {
    const BITMAPINFO info = DibHeader(width, height, 32, DibRows::kTopDown);
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    paint(dc);
    GdiFlush();
    const auto* words = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(words, words + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::uint32_t& p : pixels) p &= 0xFFFFFFu;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// The client area of `window` copied from the DC of `source` (null: the
// screen) at `from`.
inline std::vector<std::uint32_t> CopiedClient(HWND window, HWND source, POINT from, int& width, int& height) {
    RECT client{};
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
    const int w = width;
    const int h = height;
    return DrawnPixels(w, h, [source, from, w, h](HDC memory) {
        HDC dc = GetDC(source);
        BitBlt(memory, 0, 0, w, h, dc, from.x, from.y, SRCCOPY);
        ReleaseDC(source, dc);
    });
}

// A window's client area as it stands on the screen (for windows that
// paint straight to their DC and so cannot be asked to print themselves).
inline std::vector<std::uint32_t> ScreenPixels(HWND window, int& width, int& height) {
    return CopiedClient(window, window, POINT{0, 0}, width, height);
}

// A window's client area as the screen shows it, read through the screen's
// DC rather than the window's own: for a GL window, what the user sees of
// the frames it swaps.
inline std::vector<std::uint32_t> ShownOnScreen(HWND window, int& width, int& height) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return CopiedClient(window, nullptr, origin, width, height);
}

// A control's client area as the control draws itself (WM_PRINTCLIENT) on
// white: what a control leaves unpainted (a group box's inside) is no ink.
inline std::vector<std::uint32_t> PrintedClient(HWND control, int width, int height) {
    return DrawnPixels(width, height, [control, width, height](HDC dc) {
        PatBlt(dc, 0, 0, width, height, WHITENESS);
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    });
}

// Whether a pixel is dark enough to be ink of black text.
inline bool IsInk(std::uint32_t p, int limit = 64) {
    return static_cast<int>((p >> 16) & 0xFF) < limit && static_cast<int>((p >> 8) & 0xFF) < limit &&
           static_cast<int>(p & 0xFF) < limit;
}

}  // namespace corvinata::test
