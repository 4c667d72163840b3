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
// named shared block of the session) and marks the frame as published. The
// second start reads the block instead of looking for the frame on its own
// desktop: the running copy may live on another desktop of the session
// (Wine's virtual desktop, a desktop switcher's), where FindWindow does not
// look and where only that copy can bring its frame forward. So the second
// start asks the frame to come forward itself, with a message that crosses
// desktops. Where the block names no shown frame of the copy, the marked
// frame is looked for on every desktop of the session; where there is none
// either, the copy has no frame to show and the second start ends at once.
// Only a copy that has published nothing yet (it is still starting) or
// whose frame is closing (it is ending) is waited for.
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
// Takes the frame's marks (published, closing) off it as it is destroyed:
// a window's properties go before it does.
void RemoveFrameMarks(HWND frame);

// What a second start finds of the copy that holds the claim.
enum class FrameState {
    NotPublished,  // no frame published yet: the copy is still starting
    Shown,         // its frame, shown and not closing: it is asked forward
    Closing,       // its frame is closing: the copy is ending
    Unusable,      // the block names no frame of it, and none was found
};

struct FoundFrame {
    FrameState state;
    HWND frame;  // when Shown
};

// The published frame of the copy that holds the claim, from the block or,
// where the block names none that is shown, from the session's desktops.
FoundFrame FindRunningFrame();

// What the frame does when a second start asks it to come forward: back
// from the task bar, with the window the user last worked in (a modal
// dialog, say) in front.
void BringFrameForward(HWND frame);

enum class RunningCopy {
    Activated,  // its frame was brought forward: this start ends
    Ended,      // it ended: this start holds the claim and runs
    NotFound,   // neither: this start ends
};

// What a second start does while another copy holds the claim: asks that
// copy's frame to come forward as soon as `findFrame` finds it shown, or
// takes the claim when that copy has ended. It waits, in rounds of `wait`,
// up to `milliseconds` for a copy that is still starting or is ending; a
// copy that has published something other than a shown frame, and whose
// frame is not found otherwise either, is given a moment only (it may be
// between two states) and this start ends as NotFound. So does one whose
// frame does not answer within a few seconds (its copy hung).
RunningCopy AwaitRunningCopy(SingleInstance& instance, DWORD milliseconds,
                             const std::function<FoundFrame()>& findFrame = FindRunningFrame,
                             const std::function<void(DWORD)>& wait = Sleep);

}  // namespace corvinata
