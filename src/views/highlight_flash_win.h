// The short flash of the selected body's highlight ring on a display: the
// display draws the ring while the flash is shown, and its timer ends it.
#pragma once

#include <windows.h>

namespace corvinata {

class HighlightFlash {
public:
    HighlightFlash(UINT_PTR timer, UINT milliseconds) noexcept : timer_(timer), milliseconds_(milliseconds) {}

    bool Shown() const noexcept { return shown_; }
    bool IsTimer(WPARAM id) const noexcept { return id == timer_; }
    // The display drawn at once with the ring; the timer starts.
    void Start(HWND display);
    // The timer stops; when the ring was shown the display is drawn at once
    // without it (erased first when `erase`), and the answer is true.
    bool End(HWND display, bool erase);

private:
    UINT_PTR timer_;
    UINT milliseconds_;
    bool shown_ = false;
};

}  // namespace corvinata
