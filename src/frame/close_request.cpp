#include "frame/close_request.h"

namespace corvinata {

namespace {

// How often a kept request looks whether the modal loop has ended.
constexpr UINT kAskAgainMilliseconds = 200;

// A dialog owned by a tool window (a popup of the program's own) disables
// that window, not the frame. Child windows of the list (the panels) are
// not a dialog's owner: a dialog of theirs disables the frame.
bool OwnWindowDisabled(const std::vector<HWND>& ownWindows) {
    for (HWND window : ownWindows) {
        if (IsWindow(window) && GetAncestor(window, GA_ROOT) == window && !IsWindowEnabled(window)) return true;
    }
    return false;
}

}  // namespace

bool ModalLoopRuns(HWND frame, const std::vector<HWND>& ownWindows) {
    if (!frame) return false;
    // A dialog of a child window is owned by the frame (its top-level
    // window) and disables it.
    if (!IsWindowEnabled(frame)) return true;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(frame, nullptr);
    constexpr DWORD kLoops = GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE | GUI_INMOVESIZE;
    if (GetGUIThreadInfo(thread, &info) && (info.flags & kLoops) != 0) return true;
    return OwnWindowDisabled(ownWindows);
}

void CloseRequest::Keep(HWND frame) {
    kept_ = true;
    SetTimer(frame, kTimerId, kAskAgainMilliseconds, nullptr);
}

void CloseRequest::Drop(HWND frame) {
    if (kept_ && frame) KillTimer(frame, kTimerId);
    kept_ = false;
}

// Asked again through the queue, never from inside the message that
// noticed: that message may come from the dialog's own code (EndDialog
// enables the owner), whose caller still has to return.
void CloseRequest::OnEnable(HWND frame, bool enabled) const {
    if (kept_ && enabled) PostMessageW(frame, WM_CLOSE, 0, 0);
}

bool CloseRequest::OnTimer(HWND frame, WPARAM timer, const std::vector<HWND>& ownWindows) const {
    if (timer != kTimerId) return false;
    if (kept_ && !ModalLoopRuns(frame, ownWindows)) PostMessageW(frame, WM_CLOSE, 0, 0);
    return true;
}

}  // namespace corvinata
