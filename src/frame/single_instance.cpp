#include "frame/single_instance.h"

#include "frame/frame_window.h"

namespace corvinata {

namespace {

// Per session ("Local\"), and per version: each version keeps settings of
// its own.
constexpr const wchar_t* kInstanceName = L"Local\\Corvinata 1.70 frame";
// A window property, seen by every process of the session.
constexpr const wchar_t* kClosingProperty = L"Corvinata frame closing";
constexpr DWORD kPollMilliseconds = 100;

bool Acquired(DWORD wait) noexcept { return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED; }

}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, TRUE, kInstanceName)) {
    // Without a mutex there is nothing to share: this copy runs.
    owned_ = !mutex_.IsValid() || GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() { Release(); }

bool SingleInstance::TryClaim() {
    // An abandoned claim (its copy ended without letting go) is taken too.
    if (!owned_ && mutex_.IsValid()) owned_ = Acquired(WaitForSingleObject(mutex_.Get(), 0));
    return owned_;
}

void SingleInstance::Release() noexcept {
    if (owned_ && mutex_.IsValid()) ReleaseMutex(mutex_.Get());
    owned_ = false;
}

void MarkFrameClosing(HWND frame) {
    if (frame) SetPropW(frame, kClosingProperty, reinterpret_cast<HANDLE>(1));
}

bool FrameIsClosing(HWND frame) { return frame && GetPropW(frame, kClosingProperty) != nullptr; }

HWND FindRunningFrame() {
    for (HWND frame = FindWindowExW(nullptr, nullptr, FrameWindow::ClassName(), nullptr); frame;
         frame = FindWindowExW(nullptr, frame, FrameWindow::ClassName(), nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(frame, &process);
        // An automation copy's frame stays hidden.
        if (process != GetCurrentProcessId() && IsWindowVisible(frame) && !FrameIsClosing(frame)) {
            return frame;
        }
    }
    return nullptr;
}

RunningCopy AwaitRunningCopy(SingleInstance& instance, DWORD milliseconds, const std::function<HWND()>& findFrame) {
    for (DWORD waited = 0;; waited += kPollMilliseconds) {
        if (instance.TryClaim()) return RunningCopy::Ended;
        if (HWND frame = findFrame()) {
            if (IsIconic(frame)) ShowWindow(frame, SW_RESTORE);
            SetForegroundWindow(GetLastActivePopup(frame));
            return RunningCopy::Activated;
        }
        if (waited >= milliseconds) return RunningCopy::NotFound;
        Sleep(kPollMilliseconds);
    }
}

}  // namespace corvinata
