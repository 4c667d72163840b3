#include "frame/single_instance.h"

#include "frame/frame_window.h"

namespace corvinata {

namespace {

// Per session ("Local\"), and per version: each version keeps settings of
// its own.
constexpr const wchar_t* kInstanceName = L"Local\\Corvinata 1.70 frame";

// A shown frame of another process: an automation copy's stays hidden.
HWND FindRunningFrame() {
    for (HWND frame = FindWindowExW(nullptr, nullptr, FrameWindow::ClassName(), nullptr); frame;
         frame = FindWindowExW(nullptr, frame, FrameWindow::ClassName(), nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(frame, &process);
        if (process != GetCurrentProcessId() && IsWindowVisible(frame)) return frame;
    }
    return nullptr;
}

}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, kInstanceName)) {
    first_ = !mutex_.IsValid() || GetLastError() != ERROR_ALREADY_EXISTS;
}

bool ActivateRunningCopy(DWORD milliseconds) {
    // The first copy may still be starting: its frame shows in a moment.
    for (DWORD waited = 0;; waited += 100) {
        if (HWND frame = FindRunningFrame()) {
            if (IsIconic(frame)) ShowWindow(frame, SW_RESTORE);
            SetForegroundWindow(GetLastActivePopup(frame));
            return true;
        }
        if (waited >= milliseconds) return false;
        Sleep(100);
    }
}

}  // namespace corvinata
