// Night vision in what the system colours alone do not make red: the push
// buttons, check boxes and radio buttons of the program's dialogs draw
// their focus in the night shade (the system draws it by inverting, which
// turns a black face white), and the dialogs' trackbars their channel and
// thumb. Everything else takes the night shades from the system colours,
// which night vision switches (DesktopInterface); a dialog tells its common
// controls, which keep a copy of those colours, when they change, and hands
// its list views the window colours and the program's tooltips the tip
// colours (they keep theirs for good).
#pragma once

#include <windows.h>

#include "app/night_vision.h"

namespace corvinata {

// Sent (both parameters 0) to a window of the program after night vision
// was switched, so that it takes the colours of the new mode.
UINT NightColoursChangedMessage();

// Whether the program's windows are in night colours now.
bool ProgramColoursAtNight();
// A dotted frame just inside `r` in the colour: the focus of what the
// program draws itself (the system's focus rectangle is drawn by inverting,
// which turns the night shades light grey).
void DrawDottedFrame(HDC dc, const RECT& r, COLORREF colour);

// The night colours of this thread's windows for the object's lifetime:
// every dialog created from now on follows `night`. One at a time.
class NightColours {
public:
    explicit NightColours(const NightVisionSettings& night);
    ~NightColours();
    NightColours(const NightColours&) = delete;
    NightColours& operator=(const NightColours&) = delete;

    // After a switch: every top-level window of the thread and its children
    // take the colours of the mode and are drawn again.
    static void Switched();
};

}  // namespace corvinata
