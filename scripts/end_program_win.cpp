// Ends the user's running copy of Corvinata as File > Exit does: its frame
// is asked to close, so that the copy keeps at its end what it keeps on
// every exit (placement, windows, places, options). scripts/run calls it
// when it is interrupted.
//
//   end_program.exe          asks the frame to close
//   end_program.exe --state  asks nothing, only tells what runs
//
// Exit codes: 0 the frame was asked to close (with a dialog of the copy
// open, it closes once that dialog is closed), or with --state: a copy runs
// with its frame shown; 2 the copy is closing: it is writing its settings
// and ends by itself, and ending it now would lose them; 1 no copy with a
// frame runs.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "frame/single_instance.h"

int main(int argc, char** argv) {
    const bool stateOnly = argc > 1 && std::strcmp(argv[1], "--state") == 0;
    const corvinata::FoundFrame found = corvinata::FindRunningFrame();
    if (found.state == corvinata::FrameState::Closing) {
        std::puts("Corvinata is closing: it is writing its settings.");
        return 2;
    }
    if (found.state != corvinata::FrameState::Shown) {
        std::puts("No running copy of Corvinata was found.");
        return 1;
    }
    if (stateOnly) {
        std::puts("Corvinata runs.");
        return 0;
    }
    PostMessageW(found.frame, WM_CLOSE, 0, 0);
    return 0;
}
