// What a window that draws the sky or a planet's system (the Sky, Solar
// System and explorer windows) needs of the program besides its document.
#pragma once

#include <windows.h>

#include <functional>

#include "app/application.h"
#include "app/window_services.h"
#include "controls/child_windows.h"
#include "controls/control_panel.h"

namespace corvinata {

struct DisplayWindowContext {
    Application& app;
    ChildWindows& children;
    HINSTANCE instance;
    // The program's fonts for the names and the symbols (not owned).
    HFONT displayFont = nullptr;
    HFONT symbolFont = nullptr;
    std::function<bool()> nightVision;
    // The frame's control-panel pane, where the kind's panel lives (none:
    // the kind has no panel).
    HWND panelPane = nullptr;
    // The message loop's modeless dialogs, which the panel joins so that
    // Tab, the arrow keys and its mnemonics work inside it (none: no
    // keyboard handling).
    ModelessDialogs* modeless = nullptr;
    // The other windows and tools the context menu leads to (none: its
    // items for them stay gray).
    WindowServices* windows = nullptr;
};

}  // namespace corvinata
