// A request to close the frame that arrives while the program cannot act on
// it. A modal dialog's or message box's loop, a menu's and a move or size
// loop hand a posted WM_CLOSE to the frame like any other message; closing
// there would destroy the windows whose code called the dialog (a Sky
// window's Options, say), and that code runs on when the dialog returns.
// So the request is kept and the frame is asked again once the loop has
// ended: when the frame is enabled again (the end of a dialog it owns, or
// one of its child windows owns) and, for a dialog owned by a tool window
// or a menu the frame hears nothing of, on a short timer.
#pragma once

#include <windows.h>

#include <vector>

namespace corvinata {

// True while the frame's thread runs a modal loop of its own: a dialog or
// message box (the frame, or one of the program's own top-level windows in
// `ownWindows`, is disabled under it), a menu, or a window being moved or
// sized. Other disabled windows the frame owns are not the program's loops:
// the system's default IME window, disabled and hidden, is owned by the
// frame on Windows, and another component's window may be disabled for
// reasons of its own; counting them would keep a close for ever.
bool ModalLoopRuns(HWND frame, const std::vector<HWND>& ownWindows);

class CloseRequest {
public:
    // The frame's timer that asks again; the clock uses 1.
    static constexpr UINT_PTR kTimerId = 71;

    // Remembers the request and starts asking again.
    void Keep(HWND frame);
    // The request is being acted on, or is gone with the frame.
    void Drop(HWND frame);
    bool Kept() const noexcept { return kept_; }
    // WM_ENABLE of the frame: a kept request is asked again once the frame
    // is enabled.
    void OnEnable(HWND frame, bool enabled) const;
    // WM_TIMER of the frame; true when it was this one's. The request is
    // asked again when no modal loop runs any more (ModalLoopRuns with
    // `ownWindows`); inside one it waits.
    bool OnTimer(HWND frame, WPARAM timer, const std::vector<HWND>& ownWindows) const;

private:
    bool kept_ = false;
};

}  // namespace corvinata
