#include "frame/single_instance.h"

#include "base/wine_host_win.h"
#include "frame/frame_window.h"

namespace corvinata {

namespace {

// Per session ("Local\"), and per version: each version keeps settings of
// its own.
constexpr const wchar_t* kInstanceName = L"Local\\Corvinata 1.70 frame";
// The block where the claim's holder publishes its frame: one 32-bit window
// handle (handles are 32-bit values in every Windows process).
constexpr const wchar_t* kPublishedFrameName = L"Local\\Corvinata 1.70 frame window";
// Window properties, seen by every process of the session. The published
// mark is per version, as the claim is.
constexpr const wchar_t* kClosingProperty = L"Corvinata frame closing";
constexpr const wchar_t* kPublishedProperty = L"Corvinata 1.70 frame published";
constexpr DWORD kPollMilliseconds = 100;
// A copy whose block names no frame of it may be between two states (its
// frame just destroyed, its claim not yet let go): it is read again for
// this long before the start ends.
constexpr DWORD kSettleMilliseconds = 300;
// A running copy answers at once unless it is busy or hung.
constexpr UINT kAnswerMilliseconds = 5000;

bool Acquired(DWORD wait) noexcept { return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED; }

HWND PublishedFrame() {
    const ScopedWinHandle<KernelObjectTraits> block(OpenFileMappingW(FILE_MAP_READ, FALSE, kPublishedFrameName));
    if (!block.IsValid()) return nullptr;
    const void* view = MapViewOfFile(block.Get(), FILE_MAP_READ, 0, 0, sizeof(LONG));
    if (!view) return nullptr;
    HWND frame = static_cast<HWND>(LongToHandle(*static_cast<const volatile LONG*>(view)));
    UnmapViewOfFile(view);
    return frame;
}

// A frame that a copy holding the claim published. A handle left by a copy
// that died may name another window by now, or none.
bool IsPublishedFrame(HWND window) {
    wchar_t name[64] = {};
    return window && IsWindow(window) && GetClassNameW(window, name, 64) > 0 &&
           lstrcmpW(name, FrameWindow::ClassName()) == 0 && GetPropW(window, kPublishedProperty) != nullptr;
}

// The frame shows once its copy has started. It is a top-level window, so
// its own style says so; IsWindowVisible answers no for every window of
// another desktop under Wine.
bool IsShownFrame(HWND window) {
    return IsPublishedFrame(window) && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0 &&
           !FrameIsClosing(window);
}

BOOL CALLBACK MatchShownFrame(HWND window, LPARAM found) {
    if (IsShownFrame(window)) *reinterpret_cast<HWND*>(found) = window;
    return *reinterpret_cast<HWND*>(found) == nullptr;
}

BOOL CALLBACK SearchDesktop(LPWSTR name, LPARAM found) {
    const ScopedDesktop desktop(OpenDesktopW(name, 0, FALSE, DESKTOP_ENUMERATE | DESKTOP_READOBJECTS));
    if (desktop.IsValid()) EnumDesktopWindows(desktop.Get(), MatchShownFrame, found);
    return *reinterpret_cast<HWND*>(found) == nullptr;
}

// The published frame, shown, on this desktop or on any other of the
// session's window station that may be looked into.
HWND SearchShownFrame() {
    HWND found = nullptr;
    EnumWindows(MatchShownFrame, reinterpret_cast<LPARAM>(&found));
    if (!found) EnumDesktopsW(GetProcessWindowStation(), SearchDesktop, reinterpret_cast<LPARAM>(&found));
    return found;
}

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
    // The block goes with its last handle; a copy that claims next publishes
    // its own frame.
    published_.Close();
    if (owned_ && mutex_.IsValid()) ReleaseMutex(mutex_.Get());
    owned_ = false;
}

void SingleInstance::Publish(HWND frame) {
    if (!owned_) return;
    // Marked, the frame is found by a second start even where the block
    // cannot be read or names something else.
    SetPropW(frame, kPublishedProperty, reinterpret_cast<HANDLE>(1));
    if (!published_.IsValid()) {
        published_.Reset(
            CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), kPublishedFrameName));
    }
    if (!published_.IsValid()) return;
    if (void* view = MapViewOfFile(published_.Get(), FILE_MAP_WRITE, 0, 0, sizeof(LONG))) {
        InterlockedExchange(static_cast<volatile LONG*>(view), HandleToLong(frame));
        UnmapViewOfFile(view);
    }
}

void MarkFrameClosing(HWND frame) {
    if (frame) SetPropW(frame, kClosingProperty, reinterpret_cast<HANDLE>(1));
}

bool FrameIsClosing(HWND frame) { return frame && GetPropW(frame, kClosingProperty) != nullptr; }

void RemoveFrameMarks(HWND frame) {
    RemovePropW(frame, kPublishedProperty);
    RemovePropW(frame, kClosingProperty);
}

FoundFrame FindRunningFrame() {
    const HWND published = PublishedFrame();
    if (IsShownFrame(published)) return {FrameState::Shown, published};
    if (HWND frame = SearchShownFrame()) return {FrameState::Shown, frame};
    if (!published) return {FrameState::NotPublished, nullptr};
    if (IsPublishedFrame(published) && FrameIsClosing(published)) return {FrameState::Closing, nullptr};
    return {FrameState::Unusable, nullptr};
}

void BringFrameForward(HWND frame) {
    // Taken before the restore, which activates the frame itself even when
    // a modal dialog disables it.
    HWND last = GetLastActivePopup(frame);
    // Under Wine a window manager's minimise of a disabled frame is not
    // passed on to it: the frame (with its dialog) is minimised on the
    // screen but not for Windows, and only a restore from the minimised
    // state shows it again.
    if (!IsWindowEnabled(frame) && !IsIconic(frame) && RunsUnderWine()) ShowWindow(frame, SW_SHOWMINNOACTIVE);
    if (IsIconic(frame)) ShowWindow(frame, SW_RESTORE);
    const LONG style = GetWindowLongW(last, GWL_STYLE);
    SetForegroundWindow((style & WS_VISIBLE) && !(style & WS_DISABLED) ? last : frame);
}

RunningCopy AwaitRunningCopy(SingleInstance& instance, DWORD milliseconds, const std::function<FoundFrame()>& findFrame,
                             const std::function<void(DWORD)>& wait) {
    DWORD unusable = 0;
    for (DWORD waited = 0;; waited += kPollMilliseconds) {
        if (instance.TryClaim()) return RunningCopy::Ended;
        const FoundFrame found = findFrame();
        if (found.state == FrameState::Shown) {
            // This start was the user's; the running copy may take the
            // foreground it hands over.
            DWORD process = 0;
            GetWindowThreadProcessId(found.frame, &process);
            AllowSetForegroundWindow(process);
            DWORD_PTR cameForward = 0;
            if (!SendMessageTimeoutW(found.frame, kComeForwardMessage, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds,
                                     &cameForward)) {
                return RunningCopy::NotFound;
            }
            // A frame that began closing meanwhile: its copy's end is awaited.
            if (cameForward) return RunningCopy::Activated;
        }
        unusable = found.state == FrameState::Unusable ? unusable + kPollMilliseconds : 0;
        if (waited >= milliseconds || unusable > kSettleMilliseconds) return RunningCopy::NotFound;
        wait(kPollMilliseconds);
    }
}

}  // namespace corvinata
