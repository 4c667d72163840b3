// One copy of the program per user session. Two copies on the same settings
// would each write them all at exit, the last one losing what the other
// saved (a place defined there); a second start therefore brings the running
// copy forward and ends. A copy that COM starts for an automation client is
// not the user's and is not counted.
#pragma once

#include <windows.h>

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
    // Claims the session's copy for this process.
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another copy held it already.
    bool First() const noexcept { return first_; }

private:
    ScopedWinHandle<KernelObjectTraits> mutex_;
    bool first_ = true;
};

// Restores and activates the frame of the copy that runs already, waiting
// up to `milliseconds` for it to appear; false when none was found.
bool ActivateRunningCopy(DWORD milliseconds);

}  // namespace corvinata
