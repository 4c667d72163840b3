// The pointer put where it shows nothing, for the tests that read the screen.
#pragma once

#include <windows.h>

namespace corvinata::test {

// A window under a resting pointer shows its hover tooltip once a test runs
// long enough (Xvfb starts with the pointer at the screen's centre, where
// the tests' windows open, and a test may leave it anywhere), and a read of
// the screen then holds the tip. The screen's bottom-right corner lies over
// nothing of the program that shows a tip: no display, toolbar or list
// reaches it, and a maximized frame has its status line there. Called
// before the windows are made or shown: a tip already up goes only once
// its window has heard the pointer leave.
inline void PutPointerWhereItShowsNothing() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

}  // namespace corvinata::test
