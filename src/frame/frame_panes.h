// The frame's side panes as windows: the control-panel parent, the window
// manager and the related tasks, and the bridge that lets the pane layout
// measure and move real windows.
#pragma once

#include <windows.h>

#include "app/pane_layout.h"

namespace corvinata {

class WindowPaneHost final : public PaneHost {
public:
    int PaneWidth(PaneHandle pane) const override;
    int PaneHeight(PaneHandle pane) const override;
    void PlacePane(PaneHandle pane, int left, int top, int width, int height) override;
};

inline PaneHandle PaneOf(HWND window) noexcept { return window; }

// The parent of the window kinds' control panels (hidden until a window is open).
HWND CreateControlPanelParent(HWND frame, HINSTANCE instance);
void UnregisterControlPanelParent(HINSTANCE instance);
// Every control panel takes the parent's width, and its height, which the
// panels' lists (the Picture panel's anchors) stretch into.
void FitControlPanels(HWND parent);
// The window-manager pane: a list of the open windows with Close and
// Duplicate. `hideCommand` is sent to the frame when the pane's own close
// box is pressed.
HWND CreateWindowManagerPane(HWND frame, HINSTANCE instance);

}  // namespace corvinata
