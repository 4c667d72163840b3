// A change of the system colours reaches the controls that draw with them
// but get no WM_SYSCOLORCHANGE of their own (the system sends it to
// top-level windows only): the controls of the kinds' control panels, of the
// frame's panes and of the event tools.
#pragma once

#include <windows.h>

namespace corvinata {

class ChildWindows;

// The tools' windows whose lists take the message (none: absent).
struct SysColourTools {
    HWND eventFinder = nullptr;
    HWND eventForecast = nullptr;
};

// Sends WM_SYSCOLORCHANGE (both parameters 0) to the panels' controls kind
// by kind, then to the window manager's and the Related Tasks pane's lists
// and the event tools' lists.
void ForwardSysColourChange(const ChildWindows& children, HWND windowManager, HWND relatedTasks,
                            const SysColourTools& tools);

}  // namespace corvinata
