#include "views/gl_child_wine_win.h"

#include <GL/gl.h>

#include "base/dib_header_win.h"
#include "base/scoped_win.h"
#include "base/wine_host_win.h"

#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif

namespace corvinata {

bool GlChildFramesNeedCopying() { return RunsUnderWine(); }

void PrepareGlFrameCopies(HWND window) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_TRANSPARENT);
}

void SendWindowChangesToX(HWND window) {
    SetWindowPos(GetAncestor(window, GA_ROOT), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING |
                     SWP_NOREDRAW);
}

void GlFrameCopy::Read(int width, int height) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    if (pixels_.empty()) return;
    // Blue, green, red and a pad byte, bottom row first: a 32-bit DIB's own
    // layout.
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width_, height_, GL_BGRA_EXT, GL_UNSIGNED_BYTE, pixels_.data());
}

void GlFrameCopy::Show(HWND window) const {
    if (pixels_.empty()) return;
    // The window DC paints into the window surface; the client DC, which
    // the pixel format takes over, would not.
    const ScopedWindowDc dc(window, DCX_WINDOW | DCX_CACHE);
    if (!dc.Get()) return;
    RECT outer{};
    GetWindowRect(window, &outer);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const BITMAPINFO info = DibHeader(width_, height_, 32, DibRows::kBottomUp);
    SetDIBitsToDevice(dc.Get(), client.x - outer.left, client.y - outer.top, static_cast<DWORD>(width_),
                      static_cast<DWORD>(height_), 0, 0, 0, static_cast<UINT>(height_), pixels_.data(), &info,
                      DIB_RGB_COLORS);
}

}  // namespace corvinata
