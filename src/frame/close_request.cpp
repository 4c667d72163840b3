#include "frame/close_request.h"

namespace corvinata {

namespace {

// How often a kept request looks whether the modal loop has ended.
constexpr UINT kAskAgainMilliseconds = 200;

struct DisabledSearch {
    HWND frame;
    bool found;
};

// A dialog owned by a tool window (a popup the frame owns) disables that
// window, not the frame.
BOOL CALLBACK FindDisabledOwned(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<DisabledSearch*>(data);
    if (!IsWindowEnabled(window) && GetAncestor(window, GA_ROOTOWNER) == search.frame) search.found = true;
    return !search.found;
}

}  // namespace

bool ModalLoopRuns(HWND frame) {
    if (!frame) return false;
    // A dialog of a child window is owned by the frame (its top-level
    // window) and disables it.
    if (!IsWindowEnabled(frame)) return true;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(frame, nullptr);
    constexpr DWORD kLoops = GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE | GUI_INMOVESIZE;
    if (GetGUIThreadInfo(thread, &info) && (info.flags & kLoops) != 0) return true;
    DisabledSearch search{frame, false};
    EnumThreadWindows(thread, FindDisabledOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

bool CloseRequest::OnTimer(HWND frame, WPARAM timer) const {
    if (timer != kTimerId) return false;
    if (kept_ && !ModalLoopRuns(frame)) PostMessageW(frame, WM_CLOSE, 0, 0);
    return true;
}

}  // namespace corvinata
