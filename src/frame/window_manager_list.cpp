#include "frame/window_manager_list.h"

#include <commctrl.h>

#include "controls/mdi_child_window.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

int FindRow(HWND list, const RegisteredWindow* window) {
    LVFINDINFOW find{};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(window);
    return ListView_FindItem(list, -1, &find);
}

const RegisteredWindow* RowWindow(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!ListView_GetItem(list, &item)) return nullptr;
    return reinterpret_cast<const RegisteredWindow*>(item.lParam);
}

// The open child window of a row; none for a row whose window has gone.
MdiChildWindow* OpenWindowOfRow(HWND list, int row, const ChildWindowRegistry& registry) {
    const RegisteredWindow* window = row >= 0 ? RowWindow(list, row) : nullptr;
    if (!window || !registry.IsOpen(*window)) return nullptr;
    return dynamic_cast<MdiChildWindow*>(const_cast<RegisteredWindow*>(window));
}

MdiChildWindow* SelectedWindow(HWND pane, const ChildWindowRegistry& registry) {
    HWND list = GetDlgItem(pane, IDC_PANE_LIST);
    return list ? OpenWindowOfRow(list, ListView_GetNextItem(list, -1, LVNI_SELECTED), registry) : nullptr;
}

void SetTitle(HWND list, int row, const RegisteredWindow& window) {
    wchar_t title[256] = {};
    GetWindowTextW(static_cast<HWND>(const_cast<void*>(window.WindowHandle())), title, 256);
    ListView_SetItemText(list, row, 1, title);
}

}  // namespace

void EnableWindowManagerButtons(HWND pane) {
    HWND list = GetDlgItem(pane, IDC_PANE_LIST);
    const bool selected = list && ListView_GetNextItem(list, -1, LVNI_SELECTED) >= 0;
    EnableWindow(GetDlgItem(pane, IDC_PANE_CLOSE), selected);
    EnableWindow(GetDlgItem(pane, IDC_PANE_DUPLICATE), selected);
}

void UpdateWindowManagerList(HWND pane, const ChildWindowRegistry& registry, HWND activeChild) {
    HWND list = GetDlgItem(pane, IDC_PANE_LIST);
    if (!list) return;
    const WindowLocation active = registry.FindByHandle(activeChild);
    const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    const bool selectActive = active.window && (selected < 0 || RowWindow(list, selected) != active.window);

    for (RegisteredWindow* window : registry.AllWindows()) {
        int row = FindRow(list, window);
        if (row < 0) {
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = ListView_GetItemCount(list);
            item.pszText = const_cast<wchar_t*>(window->Document().GetKindName());
            item.lParam = reinterpret_cast<LPARAM>(window);
            row = ListView_InsertItem(list, &item);
        }
        if (row >= 0) SetTitle(list, row, *window);
    }
    for (int row = ListView_GetItemCount(list) - 1; row >= 0; --row) {
        const RegisteredWindow* window = RowWindow(list, row);
        if (!window || !registry.IsOpen(*window)) ListView_DeleteItem(list, row);
    }
    // A refilled list offers its buttons while it has rows; a change of the
    // selection (the active window's row selected below among them) sets
    // them again by the selection.
    const bool any = ListView_GetItemCount(list) > 0;
    EnableWindow(GetDlgItem(pane, IDC_PANE_CLOSE), any);
    EnableWindow(GetDlgItem(pane, IDC_PANE_DUPLICATE), any);
    if (selectActive) {
        const int row = FindRow(list, active.window);
        if (row >= 0) ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void RemoveWindowManagerRow(HWND pane, const RegisteredWindow& window) {
    HWND list = GetDlgItem(pane, IDC_PANE_LIST);
    const int row = list ? FindRow(list, &window) : -1;
    if (row >= 0) ListView_DeleteItem(list, row);
    EnableWindowManagerButtons(pane);
}

void ActivateSelectedWindow(const NMLISTVIEW& change, const ChildWindowRegistry& registry, HWND mdiClient) {
    const bool picked = (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
                        !(change.uOldState & LVIS_SELECTED);
    if (!picked) return;
    MdiChildWindow* window = OpenWindowOfRow(change.hdr.hwndFrom, change.iItem, registry);
    if (!window) return;
    HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0));
    if (window->Handle() != active) {
        SendMessageW(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    }
}

void RunWindowManagerButton(HWND pane, int id, const ChildWindowRegistry& registry) {
    MdiChildWindow* window = SelectedWindow(pane, registry);
    if (!window) return;
    if (id == IDC_PANE_CLOSE) SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    if (id == IDC_PANE_DUPLICATE) window->Duplicate();
}

void ShowSelectedWindowHelp(HWND pane, const ChildWindowRegistry& registry, WPARAM wParam, const HELPINFO& request) {
    MdiChildWindow* window = SelectedWindow(pane, registry);
    if (!window) return;
    HELPINFO forwarded = request;
    SendMessageW(window->Handle(), WM_HELP, wParam, reinterpret_cast<LPARAM>(&forwarded));
}

}  // namespace corvinata
