#include "controls/tool_windows.h"

#include <commctrl.h>

#include <algorithm>

#include "app/help_topics_win.h"

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

void FitPageIntoTabs(HWND page, HWND tabs, HWND after, UINT flags) {
    RECT area{};
    GetClientRect(tabs, &area);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, GetParent(page), reinterpret_cast<POINT*>(&area), 2);
    SetWindowPos(page, after, area.left, area.top, area.right - area.left, area.bottom - area.top, flags);
}

void ToolWindows::CreateAll(HWND frame) {
    for (const auto& tool : tools_) tool->Create(frame);
}

void ToolStateSaver::Save(const std::function<void(SettingsTreeWriter& writer)>& write) const {
    if (Stores()) SaveWork(write);
}

void ToolStateSaver::SaveWork(const std::function<void(SettingsTreeWriter& writer)>& write) const {
    SettingsTreeWriter writer(storage_, root_);
    write(writer);
}

void ToolWindows::SaveAll(const ToolStateSaver& saver) {
    for (const auto& tool : tools_) tool->SaveState(saver);
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

void DrawCaptionAsActivated(HWND dialog, WPARAM wParam, LPARAM lParam) {
    DefWindowProcW(dialog, WM_NCACTIVATE, wParam, lParam);
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
}

bool DialogToolWindow::OpenDialog(HWND frame, const wchar_t* name) {
    frame_ = frame;
    window_ = CreateDialogParamW(Params().instance, name, frame, DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window_) return false;
    if (Params().modeless) Params().modeless->push_back(window_);
    return true;
}

void DialogToolWindow::MoveTo(int x, int y) const {
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogToolWindow::ReadPlacement(int& left, int& top, bool& visible) const {
    visible = IsWindowVisible(window_) != FALSE;
    RECT r{};
    if (GetWindowRect(window_, &r)) {
        left = r.left;
        top = r.top;
    }
}

void DialogToolWindow::CloseDialog() {
    if (Params().modeless) {
        auto& list = *Params().modeless;
        list.erase(std::remove(list.begin(), list.end(), window_), list.end());
    }
    // Forgotten first: a worker's report posted meanwhile finds no window.
    HWND window = window_;
    window_ = nullptr;
    DestroyWindow(window);
}

INT_PTR CALLBACK DialogToolWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<DialogToolWindow*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<DialogToolWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_INITDIALOG) {
        self->HandleDialog(message, wParam, lParam);
        // A tool is made hidden: the focus the creation gives its first
        // control would make the hidden window the program's active one
        // (the keys lost in it). Shown, it takes them as it comes forward.
        return FALSE;
    }
    if (const INT_PTR result = self->HandleDialog(message, wParam, lParam)) return result;
    switch (message) {
    case WM_CLOSE:
        // The frame's command hides the window and clears its check mark.
        self->ToggleThroughFrame();
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(window, self->HelpTopic());
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace corvinata
