// Which of the frame's panes are shown, the View menu's check marks that
// say so, and where the panes stand: the toolbar on top, the control panel
// on the left, the MDI client in the middle, the Related Tasks and the
// Window Manager on the right, the status line at the bottom. The control
// panel's pane shows only while a child window is open; the wish to see it
// is kept across the times without one.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "app/layouts.h"
#include "app/pane_layout.h"
#include "frame/frame_panes.h"

namespace corvinata {

// The panes in the order of their View commands, from the toolbar
// (CMD_VIEW_TOOLBAR) to the status line (none: a pane that could not be
// made).
constexpr int kFramePaneCount = 5;
using FramePaneWindows = std::array<HWND, kFramePaneCount>;

class FramePaneLayout {
public:
    // Arranges the panes of `frame` around its MDI client, which is always
    // shown; `arranged` runs after every layout.
    void Build(HWND frame, HWND mdiClient, const FramePaneWindows& panes, std::function<void()> arranged);
    // The windows go (the frame destroys them); nothing is arranged after.
    void Clear();

    // The pane a View command shows and hides (none for another command).
    HWND PaneWindow(int viewCommand) const noexcept;
    bool IsShown(int viewCommand) const;
    // Shows or hides the pane, checks its View item and arranges the panes.
    // Keys left inside a pane it hides go to the frame.
    void Show(int viewCommand, bool show);
    // The View command: the control panel follows the wish to see it, the
    // others their View item's check mark.
    void Toggle(int viewCommand);
    // The panes of a layout or of the last run; the control panel waits for
    // an open window when there is none.
    void ShowPanes(const PaneFlags& panes, bool windowOpen);
    // The panes as they are now, the control panel as it is wished.
    PaneFlags Shown() const;
    // A first window brings the control panel back if it is wished; after
    // the last one it hides and the wish stays.
    void FirstWindowOpened();
    void LastWindowClosed();
    // Lays the panes out over the frame's client area.
    void Arrange();

private:
    HWND frame_ = nullptr;
    FramePaneWindows panes_{};
    WindowPaneHost host_;
    std::unique_ptr<PaneLayout> layout_;
    std::function<void()> arranged_;
    bool controlPanelWanted_ = true;
};

}  // namespace corvinata
