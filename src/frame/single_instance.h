// One copy of the program per user session. Two copies on the same settings
// would each write them all at exit, the last one losing what the other
// saved (a place defined there); a second start therefore brings the running
// copy forward and ends. A copy that COM starts for an automation client is
// not the user's and is not counted.
//
// The claim is a named mutex that the user's copy owns from its start until
// its settings are written at exit. A second start that meets a copy which
// is ending (its frame marked closing, or gone) waits for the claim and then
// runs as the user's copy: the user's launch is not lost.
//
// The copy that holds the claim publishes its frame's handle beside it (a
// named shared block of the session). The second start reads it there
// instead of looking for the frame on its own desktop: the running copy may
// live on another desktop of the session (Wine's virtual desktop, a desktop
// switcher's), where FindWindow does not look and where only that copy can
// bring its frame forward. So the second start asks the frame to come
// forward itself, with a message that crosses desktops.
#pragma once

#include <windows.h>

#include <functional>

#include "base/scoped_win.h"

namespace corvinata {

// A kernel object's handle, null when there is none.
struct KernelObjectTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return CloseHandle(handle) != 0; }
};

class SingleInstance {
public:
    // Claims the session's copy for this process (and this thread).
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True while this copy holds the claim.
    bool First() const noexcept { return owned_; }
    // Takes the claim when the copy that held it has let go of it or has
    // ended; answers First().
    bool TryClaim();
    // Lets go of the claim: the settings are written, a copy started from
    // now on runs as the user's.
    void Release() noexcept;
    // Makes `frame` the one a second start brings forward, while this copy
    // holds the claim.
    void Publish(HWND frame);

private:
    ScopedWinHandle<KernelObjectTraits> mutex_;
    ScopedWinHandle<KernelObjectTraits> published_;
    bool owned_ = false;
};

// A closing frame is never brought forward: a second start waits for its
// copy to end instead. The mark is seen by every process of the session.
void MarkFrameClosing(HWND frame);
bool FrameIsClosing(HWND frame);

// The published frame of another copy, shown and not closing, or none.
HWND FindRunningFrame();

// What the frame does when a second start asks it to come forward.
void BringFrameForward(HWND frame);

enum class RunningCopy {
    Activated,  // its frame was brought forward: this start ends
    Ended,      // it ended: this start holds the claim and runs
    NotFound,   // neither within the time: this start ends
};

// What a second start does while another copy holds the claim: asks that
// copy's frame to come forward as soon as `findFrame` sees one (the first
// copy may still be starting), or takes the claim when that copy has ended;
// waits up to `milliseconds` for either. A frame that does not answer
// within a few seconds (its copy hung) ends this start as NotFound.
RunningCopy AwaitRunningCopy(SingleInstance& instance, DWORD milliseconds,
                             const std::function<HWND()>& findFrame = FindRunningFrame);

}  // namespace corvinata
