// Night vision for every window of the program, not only for those that
// colour themselves: while it is active the dialogs and message boxes the
// program opens, the frame's work area, the toolbar's background and the
// status line take the night shades, and so do the buttons of every kind
// and the trackbars of the dialogs, glyphs and focus included. The system
// colours are never changed; the windows are given the shades as they draw.
//
// What Windows draws itself (the menu bar, captions, scroll bars, list
// headers) keeps the system's colours, which stay readable.
#pragma once

#include <windows.h>

#include "app/night_vision.h"

namespace corvinata {

// Sent (both parameters 0) to a window of the program after night vision
// was switched, so that it takes the colours of the new mode.
UINT NightColoursChangedMessage();

// The colour a window of the program draws a system colour in: its night
// shade while night vision is active, else the system's own.
COLORREF ProgramColour(int systemIndex);
// Whether the program's windows are in night colours now.
bool ProgramColoursAtNight();
// A brush of ProgramColour(systemIndex), kept by this module (never deleted
// by the caller), made again when the shade changes.
HBRUSH ProgramBrush(int systemIndex);
// A dotted frame just inside `r` in the colour: the focus of what the
// program draws itself (the system's focus rectangle is drawn by inverting,
// which turns the night shades light grey).
void DrawDottedFrame(HDC dc, const RECT& r, COLORREF colour);

// The night colours of this thread's windows for the object's lifetime:
// every dialog, MDI client, toolbar and status bar created from now on
// follows `night`. One at a time.
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
