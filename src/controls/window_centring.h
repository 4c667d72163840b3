// Placing dialogs over their owners and stored rectangles on the screen.
#pragma once

#include <windows.h>

namespace corvinata {

// Centres `window` on `owner`'s rectangle; nothing without an owner.
void CentreOverWindow(HWND owner, HWND window);
// Centres `child` inside `parent`'s client area.
void CentreInClient(HWND parent, HWND child);
// The work area of the monitor nearest to the rectangle.
RECT WorkAreaNear(const RECT& rect);

}  // namespace corvinata
