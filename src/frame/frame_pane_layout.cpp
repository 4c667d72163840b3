#include "frame/frame_pane_layout.h"

#include <commctrl.h>

#include "resources/resource_ids.h"

namespace corvinata {

void FramePaneLayout::Build(HWND frame, const FramePaneWindows& windows) {
    frame_ = frame;
    windows_ = windows;
    layout_ = std::make_unique<PaneLayout>(
        host_,
        PaneNode::Group(true, {PaneNode::Leaf(PaneOf(windows.toolbar), false),
                               PaneNode::Group(true, {PaneNode::Leaf(PaneOf(windows.controlPanel), false),
                                                      PaneNode::Leaf(PaneOf(windows.mdiClient), true),
                                                      PaneNode::Group(false, {PaneNode::Leaf(PaneOf(windows.relatedTasks), false),
                                                                              PaneNode::Leaf(PaneOf(windows.windowManager), true)})}),
                               PaneNode::Leaf(PaneOf(windows.statusLine), false)}));
    layout_->Show(PaneOf(windows.mdiClient));
}

void FramePaneLayout::Clear() {
    layout_.reset();
    windows_ = {};
}

HWND FramePaneLayout::PaneWindow(int viewCommand) const noexcept {
    switch (viewCommand) {
    case CMD_VIEW_TOOLBAR: return windows_.toolbar;
    case CMD_VIEW_CONTROL_PANEL: return windows_.controlPanel;
    case CMD_VIEW_RELATED_TASKS: return windows_.relatedTasks;
    case CMD_VIEW_WINDOW_MANAGER: return windows_.windowManager;
    case CMD_VIEW_STATUS_LINE: return windows_.statusLine;
    default: return nullptr;
    }
}

bool FramePaneLayout::IsShown(int viewCommand) const {
    HWND pane = PaneWindow(viewCommand);
    return pane && layout_ && layout_->IsShown(PaneOf(pane));
}

void FramePaneLayout::Show(int viewCommand, bool show) {
    HWND pane = PaneWindow(viewCommand);
    CheckMenuItem(GetMenu(frame_), viewCommand, MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    if (!pane || !layout_) return;
    ShowWindow(pane, show ? SW_SHOW : SW_HIDE);
    if (show) {
        layout_->Show(PaneOf(pane));
    } else {
        layout_->Hide(PaneOf(pane));
    }
    Arrange();
}

void FramePaneLayout::Toggle(int viewCommand) {
    if (viewCommand == CMD_VIEW_CONTROL_PANEL) {
        controlPanelWanted_ = !controlPanelWanted_;
        Show(viewCommand, controlPanelWanted_);
        return;
    }
    const bool checked = (GetMenuState(GetMenu(frame_), viewCommand, MF_BYCOMMAND) & MF_CHECKED) != 0;
    Show(viewCommand, !checked);
}

void FramePaneLayout::ShowPanes(const PaneFlags& panes, bool windowOpen) {
    Show(CMD_VIEW_TOOLBAR, panes.toolbar);
    // The wish is kept; the pane itself waits for a window to control.
    controlPanelWanted_ = panes.controlPanel;
    Show(CMD_VIEW_CONTROL_PANEL, panes.controlPanel && windowOpen);
    Show(CMD_VIEW_RELATED_TASKS, panes.relatedTasks);
    Show(CMD_VIEW_WINDOW_MANAGER, panes.windowManager);
    Show(CMD_VIEW_STATUS_LINE, panes.statusLine);
}

PaneFlags FramePaneLayout::Shown() const {
    PaneFlags panes;
    panes.toolbar = IsShown(CMD_VIEW_TOOLBAR);
    panes.controlPanel = controlPanelWanted_;
    panes.relatedTasks = IsShown(CMD_VIEW_RELATED_TASKS);
    panes.windowManager = IsShown(CMD_VIEW_WINDOW_MANAGER);
    panes.statusLine = IsShown(CMD_VIEW_STATUS_LINE);
    return panes;
}

void FramePaneLayout::FirstWindowOpened() {
    if (controlPanelWanted_) Show(CMD_VIEW_CONTROL_PANEL, true);
}

void FramePaneLayout::LastWindowClosed() {
    const bool wanted = controlPanelWanted_;
    Show(CMD_VIEW_CONTROL_PANEL, false);
    controlPanelWanted_ = wanted;
}

void FramePaneLayout::Arrange() {
    if (!layout_ || !frame_) return;
    RECT client{};
    GetClientRect(frame_, &client);
    // The toolbar and status bar size themselves to the frame's width.
    if (windows_.toolbar) SendMessageW(windows_.toolbar, TB_AUTOSIZE, 0, 0);
    if (windows_.statusLine) SendMessageW(windows_.statusLine, WM_SIZE, 0, 0);
    layout_->Arrange(client.right - client.left, client.bottom - client.top);
}

}  // namespace corvinata
