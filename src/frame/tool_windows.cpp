#include "frame/tool_windows.h"

namespace corvinata {

void ToolWindows::CreateAll(HWND frame) {
    for (const auto& tool : tools_) tool->Create(frame);
}

void ToolWindows::SaveAndDestroyAll() {
    for (const auto& tool : tools_) tool->SaveAndDestroy();
}

ToolWindow* ToolWindows::Find(int command) const {
    for (const auto& tool : tools_)
        if (tool->Command() == command) return tool.get();
    return nullptr;
}

bool ToolWindows::Toggle(int command) {
    ToolWindow* tool = Find(command);
    if (!tool) return false;
    HWND window = tool->Window();
    if (!window) return true;
    if (IsWindowVisible(window)) {
        ShowWindow(window, SW_HIDE);
    } else {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetActiveWindow(window);
    }
    return true;
}

bool ToolWindows::IsShown(int command) const {
    const ToolWindow* tool = Find(command);
    return tool && tool->Window() && IsWindowVisible(tool->Window());
}

}  // namespace corvinata
