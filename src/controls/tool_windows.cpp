#include "controls/tool_windows.h"

#include <commctrl.h>

namespace corvinata {

void InsertTabs(HWND tabs, const wchar_t* const* texts, int count) {
    for (int i = 0; i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = const_cast<wchar_t*>(texts[i]);
        item.iImage = -1;
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void ToolWindows::CreateAll(HWND frame) {
    for (const auto& tool : tools_) tool->Create(frame);
}

void ToolStateSaver::Save(const std::function<void(SettingsTreeWriter& writer)>& write) const {
    if (!Stores()) return;
    SettingsTreeWriter writer(storage_, root_);
    write(writer);
}

void ToolWindows::SaveAndDestroyAll(const ToolStateSaver& saver) {
    for (const auto& tool : tools_) tool->SaveAndDestroy(saver);
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
