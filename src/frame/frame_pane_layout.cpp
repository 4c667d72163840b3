#include "frame/frame_pane_layout.h"

#include <commctrl.h>

#include <utility>

#include "resources/resource_ids.h"

namespace corvinata {

namespace {

static_assert(CMD_VIEW_STATUS_LINE - CMD_VIEW_TOOLBAR + 1 == kFramePaneCount, "a pane for each View command");

// The place of a View command's pane in FramePaneWindows; -1 for another command.
int PaneIndex(int viewCommand) noexcept {
    const int index = viewCommand - CMD_VIEW_TOOLBAR;
    return index >= 0 && index < kFramePaneCount ? index : -1;
}

}  // namespace

void FramePaneLayout::Build(HWND frame, HWND mdiClient, const FramePaneWindows& panes,
                            std::function<void()> arranged) {
    frame_ = frame;
    panes_ = panes;
    arranged_ = std::move(arranged);
    const auto pane = [&panes](int viewCommand, bool fills) {
        return PaneNode::Leaf(PaneOf(panes[static_cast<std::size_t>(PaneIndex(viewCommand))]), fills);
    };
    PaneNode right = PaneNode::Group(false, {pane(CMD_VIEW_RELATED_TASKS, false), pane(CMD_VIEW_WINDOW_MANAGER, true)});
    PaneNode middle = PaneNode::Group(
        true, {pane(CMD_VIEW_CONTROL_PANEL, false), PaneNode::Leaf(PaneOf(mdiClient), true), std::move(right)});
    layout_ = std::make_unique<PaneLayout>(
        host_, PaneNode::Group(true, {pane(CMD_VIEW_TOOLBAR, false), std::move(middle), pane(CMD_VIEW_STATUS_LINE, false)}));
    layout_->Show(PaneOf(mdiClient));
}

void FramePaneLayout::Clear() {
    layout_.reset();
    panes_ = {};
    arranged_ = nullptr;
}

HWND FramePaneLayout::PaneWindow(int viewCommand) const noexcept {
    const int index = PaneIndex(viewCommand);
    return index >= 0 ? panes_[static_cast<std::size_t>(index)] : nullptr;
}

bool FramePaneLayout::IsShown(int viewCommand) const {
    HWND pane = PaneWindow(viewCommand);
    return pane && layout_ && layout_->IsShown(PaneOf(pane));
}

void FramePaneLayout::Show(int viewCommand, bool show) {
    HWND pane = PaneWindow(viewCommand);
    CheckMenuItem(GetMenu(frame_), viewCommand, MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    if (!pane || !layout_) return;
    const HWND focus = GetFocus();
    const bool keysInside = !show && focus && (focus == pane || IsChild(pane, focus));
    ShowWindow(pane, show ? SW_SHOW : SW_HIDE);
    // Hidden, a window keeps the keys it had (the MDI client takes them
    // from a closing window only while the frame is active): they never stay
    // on a control nobody sees. The frame hands them on to its window.
    if (keysInside) SetFocus(frame_);
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
    if (HWND toolbar = PaneWindow(CMD_VIEW_TOOLBAR)) SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    if (HWND status = PaneWindow(CMD_VIEW_STATUS_LINE)) SendMessageW(status, WM_SIZE, 0, 0);
    layout_->Arrange(client.right - client.left, client.bottom - client.top);
    if (HWND panels = PaneWindow(CMD_VIEW_CONTROL_PANEL)) FitControlPanels(panels);
    if (arranged_) arranged_();
}

}  // namespace corvinata
