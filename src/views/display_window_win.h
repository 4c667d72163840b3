// A child window that draws a view and takes its mouse (the Sky chart, the
// Solar System plan, an explorer's globe, the eclipse map): the object
// owns its window and is reached from it once it exists; every message
// passes the hover tip first (where the display has one), and the object
// lets go of the window when the window goes.
#pragma once

#include <windows.h>

#include "views/display_tooltip_win.h"

namespace corvinata {

class DisplayWindow : public DisplayTooltipSource {
public:
    // The window goes with the object, which lets go of it first.
    ~DisplayWindow() override;

    HWND Window() const noexcept { return window_; }

protected:
    // Registers the display class described by `wc` (its procedure is the
    // displays' own) unless it exists; false when it cannot be registered.
    static bool RegisterDisplayClass(WNDCLASSW wc);
    // Whether the display shows a hover tip: the eclipse map has none and
    // leaves the pointer's moves to itself.
    enum class HoverTip { kShown, kNone };
    // The display window of the class, a child of `parent` filling
    // nothing yet, with its hover tip if it has one; false when it could
    // not be made.
    bool CreateDisplayWindow(const wchar_t* className, DWORD style, HWND parent, HINSTANCE instance,
                             HoverTip tip = HoverTip::kShown);
    // The display's messages once it exists; what it does not answer goes
    // to DefWindowProcW.
    virtual LRESULT HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND window_ = nullptr;

private:
    HoverTip tip_ = HoverTip::kShown;

    static LRESULT CALLBACK DisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace corvinata
