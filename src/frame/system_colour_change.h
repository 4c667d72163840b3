// A change of the system colours reaches the controls that draw with them
// but get no WM_SYSCOLORCHANGE of their own (the system sends it to
// top-level windows only): the controls of the kinds' control panels, the
// Appearance dialog's trackbars, the lists of the frame's panes and of the
// event tools.
#pragma once

#include <windows.h>

namespace corvinata {

class ChildWindows;

// The dialogs whose controls take the message (none: absent).
struct SysColourTools {
    HWND appearance = nullptr;
    HWND eventFinder = nullptr;
    HWND eventForecast = nullptr;
};

// Sends WM_SYSCOLORCHANGE (both parameters 0) to the panels' controls kind
// by kind, the Appearance dialog's trackbars, then to the window manager's
// and the Related Tasks pane's lists and the event tools' lists.
void ForwardSysColourChange(const ChildWindows& children, HWND windowManager, HWND relatedTasks,
                            const SysColourTools& tools);

}  // namespace corvinata
