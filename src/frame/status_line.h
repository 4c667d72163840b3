// The frame's status line: a general text (menu and button help, or the
// product title), the observer's place, and the date and time.
#pragma once

#include <windows.h>

#include "base/text_char.h"

namespace corvinata {

class StatusLine {
public:
    bool Create(HWND frame, HINSTANCE instance);
    HWND Window() const noexcept { return window_; }
    void Destroy();

    // Sizes the three parts to their texts and sets them.
    void Layout(const Char* general, const Char* location, const Char* dateTime);
    void SetGeneralText(const Char* text);

private:
    HWND window_ = nullptr;
};

}  // namespace corvinata
