// Ends the user's running copy of Corvinata as File > Exit does: its frame
// is asked to close, so that the copy keeps at its end what it keeps on
// every exit (placement, windows, places, options). scripts/run calls it
// when it is interrupted.
//
// Exit codes: 0 the frame was asked to close (with a dialog of the copy
// open, it closes once that dialog is closed); 1 no copy runs.
#include <windows.h>

#include <cstdio>

#include "frame/single_instance.h"

int main() {
    const corvinata::FoundFrame found = corvinata::FindRunningFrame();
    if (found.state != corvinata::FrameState::Shown) {
        std::puts("No running copy of Corvinata was found.");
        return 1;
    }
    PostMessageW(found.frame, WM_CLOSE, 0, 0);
    return 0;
}
