#include "frame/frame_panes.h"

#include <commctrl.h>

#include "controls/list_view_columns.h"
#include "controls/mdi_child_window.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

constexpr const wchar_t* kControlPanelParentClass = L"CorvinataControlPanelParent";

HWND AsWindow(PaneHandle pane) noexcept { return static_cast<HWND>(const_cast<void*>(pane)); }

RECT WindowRectOf(PaneHandle pane) {
    RECT r{};
    GetWindowRect(AsWindow(pane), &r);
    return r;
}

// The command that shows or hides a pane, kept with its dialog so that the
// pane's close box can hide it through the frame like the View menu does.
constexpr const wchar_t* kPaneCommandProperty = L"CorvinataPaneCommand";

INT_PTR CALLBACK PaneProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetPropW(dialog, kPaneCommandProperty, reinterpret_cast<HANDLE>(lParam));
        HWND list = GetDlgItem(dialog, IDC_PANE_LIST);
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
        if (lParam == CMD_VIEW_WINDOW_MANAGER) {
            static constexpr ListColumn kColumns[] = {{L"Type", 95}, {L"Name", 150}};
            InsertListColumns(list, kColumns);
            EnableWindow(GetDlgItem(dialog, IDC_PANE_CLOSE), FALSE);
            EnableWindow(GetDlgItem(dialog, IDC_PANE_DUPLICATE), FALSE);
        }
        return TRUE;
    }
    case WM_SIZE: {
        // The list stretches; the buttons keep their distance to the bottom.
        RECT client{};
        GetClientRect(dialog, &client);
        HWND list = GetDlgItem(dialog, IDC_PANE_LIST);
        HWND close = GetDlgItem(dialog, IDC_PANE_CLOSE);
        RECT listRect{};
        GetWindowRect(list, &listRect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&listRect), 2);
        int bottom = client.bottom - listRect.left;
        if (close) {
            RECT button{};
            GetWindowRect(close, &button);
            const int height = button.bottom - button.top;
            const int top = client.bottom - listRect.left - height;
            for (int id : {IDC_PANE_CLOSE, IDC_PANE_DUPLICATE}) {
                HWND b = GetDlgItem(dialog, id);
                RECT r{};
                GetWindowRect(b, &r);
                MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(b, nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            }
            bottom = top - listRect.left;
        }
        SetWindowPos(list, nullptr, listRect.left, listRect.top, client.right - 2 * listRect.left,
                     bottom - listRect.top, SWP_NOZORDER);
        // The titles take what the kinds leave: a list as narrow as the
        // pane's column shows no horizontal scroll bar.
        FitLastColumn(list);
        return TRUE;
    }
    case WM_NCLBUTTONDOWN:
        // The pane is part of the frame and is not dragged by its caption.
        if (wParam == HTCAPTION) {
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            const auto command = reinterpret_cast<INT_PTR>(GetPropW(dialog, kPaneCommandProperty));
            PostMessageW(GetParent(dialog), WM_COMMAND, MAKEWPARAM(command, 0), 0);
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        // The window manager's buttons act on the frame's windows: the frame
        // runs them.
        if (LOWORD(wParam) == IDC_PANE_CLOSE || LOWORD(wParam) == IDC_PANE_DUPLICATE) {
            SendMessageW(GetParent(dialog), WM_COMMAND, wParam, reinterpret_cast<LPARAM>(dialog));
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_PANE_LIST && header->code == LVN_ITEMCHANGED) {
            SendMessageW(GetParent(dialog), WM_NOTIFY, wParam, lParam);
            return TRUE;
        }
        return FALSE;
    }
    case WM_DESTROY:
        RemovePropW(dialog, kPaneCommandProperty);
        return FALSE;
    default:
        return FALSE;
    }
}

HWND CreatePane(HWND frame, HINSTANCE instance, const wchar_t* name, int command) {
    HWND pane = CreateDialogParamW(instance, name, frame, PaneProc, command);
    if (pane) SetWindowPos(pane, nullptr, -500, -500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return pane;
}

}  // namespace

int WindowPaneHost::PaneWidth(PaneHandle pane) const {
    const RECT r = WindowRectOf(pane);
    return r.right - r.left;
}

int WindowPaneHost::PaneHeight(PaneHandle pane) const {
    const RECT r = WindowRectOf(pane);
    return r.bottom - r.top;
}

void WindowPaneHost::PlacePane(PaneHandle pane, int left, int top, int width, int height) {
    SetWindowPos(AsWindow(pane), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOCOPYBITS | SWP_NOACTIVATE);
}

HWND CreateControlPanelParent(HWND frame, HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kControlPanelParentClass;
    if (!RegisterWindowClass(wc)) return nullptr;
    return CreateWindowExW(0, kControlPanelParentClass, L"Control Panel", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 306, 50,
                           frame, nullptr, instance, nullptr);
}

void FitControlPanels(HWND parent) {
    RECT area{};
    GetClientRect(parent, &area);
    for (HWND panel = GetWindow(parent, GW_CHILD); panel; panel = GetWindow(panel, GW_HWNDNEXT)) {
        SetWindowPos(panel, nullptr, 0, 0, area.right, area.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void UnregisterControlPanelParent(HINSTANCE instance) { UnregisterClassW(kControlPanelParentClass, instance); }

HWND CreateWindowManagerPane(HWND frame, HINSTANCE instance) {
    return CreatePane(frame, instance, L"DLG_PANE_WNDMGR", CMD_VIEW_WINDOW_MANAGER);
}

}  // namespace corvinata
