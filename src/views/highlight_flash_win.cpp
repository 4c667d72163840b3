#include "views/highlight_flash_win.h"

namespace corvinata {

void HighlightFlash::Start(HWND display) {
    shown_ = true;
    InvalidateRect(display, nullptr, FALSE);
    UpdateWindow(display);
    SetTimer(display, timer_, milliseconds_, nullptr);
}

bool HighlightFlash::End(HWND display, bool erase) {
    KillTimer(display, timer_);
    if (!shown_) return false;
    shown_ = false;
    InvalidateRect(display, nullptr, erase ? TRUE : FALSE);
    UpdateWindow(display);
    return true;
}

}  // namespace corvinata
