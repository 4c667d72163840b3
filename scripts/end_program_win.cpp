// Ends the user's running copy of Corvinata as File > Exit does: its frame
// is asked to close, so that the copy keeps at its end what it keeps on
// every exit (placement, windows, places, options). scripts/run calls it
// when it is interrupted.
//
// Exit codes: 0 the frame was asked to close; 1 no copy runs; 2 a dialog of
// the copy is open (its frame is disabled: Exit cannot be chosen then, and
// closing the frame under the dialog would pull its windows away from it).
#include <windows.h>

#include <cstdio>

#include "frame/single_instance.h"

int main() {
    const corvinata::FoundFrame found = corvinata::FindRunningFrame();
    if (found.state != corvinata::FrameState::Shown) {
        std::puts("No running copy of Corvinata was found.");
        return 1;
    }
    HWND frame = found.frame;
    if (!IsWindowEnabled(frame)) {
        std::puts("A dialog of Corvinata is open.");
        return 2;
    }
    PostMessageW(frame, WM_CLOSE, 0, 0);
    return 0;
}
