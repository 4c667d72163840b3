#include "frame/mdi_windows.h"

#include "controls/mdi_child_window.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

HWND HandleOf(const RegisteredWindow& window) {
    return static_cast<HWND>(const_cast<void*>(window.WindowHandle()));
}

}  // namespace

HWND MdiWindows::ActiveChild(BOOL* maximized) const {
    if (!client_) return nullptr;
    return reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximized)));
}

void MdiWindows::RunCommand(int id) {
    switch (id) {
    case CMD_CASCADE:
        SendMessageW(client_, WM_MDICASCADE, 0, 0);
        break;
    case CMD_TILE_HORIZONTALLY:
        SendMessageW(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
        break;
    case CMD_TILE_VERTICALLY:
        SendMessageW(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
        break;
    case CMD_ARRANGE_ICONS:
        SendMessageW(client_, WM_MDIICONARRANGE, 0, 0);
        break;
    case CMD_CLOSE_WINDOW:
        if (HWND active = ActiveChild()) SendMessageW(active, WM_CLOSE, 0, 0);
        break;
    case CMD_CLOSE_ALL:
        CloseAll();
        break;
    default:
        break;
    }
}

void MdiWindows::CloseAll() {
    HWND previous = nullptr;
    while (HWND active = ActiveChild()) {
        // A window that refuses to close stays active: stop there.
        if (active == previous) break;
        SendMessageW(active, WM_CLOSE, 0, 0);
        previous = active;
    }
}

std::vector<OpenChildWindow> MdiWindows::OpenWindows() const {
    std::vector<OpenChildWindow> open;
    for (RegisteredWindow* window : registry_.AllWindows()) {
        open.push_back({window, window->Document().GetKind(), registry_.NumberOf(*window)});
    }
    return open;
}

WindowGeometry MdiWindows::Placement(const void* window) const {
    WindowGeometry geometry;
    for (RegisteredWindow* open : registry_.AllWindows()) {
        if (open == window) CaptureGeometry(HandleOf(*open), geometry);
    }
    return geometry;
}

void MdiWindows::Place(const void* window, const WindowGeometry& geometry) {
    for (RegisteredWindow* open : registry_.AllWindows()) {
        if (open == window) ApplyGeometry(geometry, HandleOf(*open));
    }
}

std::vector<WindowReference> MdiWindows::StackingOrder() const {
    std::vector<WindowReference> stacking;
    if (!client_) return stacking;
    for (HWND child = GetWindow(client_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const WindowLocation found = registry_.FindByHandle(child);
        if (found.window) stacking.push_back({found.kind, registry_.NumberOf(*found.window)});
    }
    return stacking;
}

bool MdiWindows::PlaceBelow(const WindowReference& window, const WindowReference* above) {
    RegisteredWindow* open = registry_.WindowByNumber(window.kind, window.number);
    if (!open) return false;
    RegisteredWindow* upper = above ? registry_.WindowByNumber(above->kind, above->number) : nullptr;
    if (!upper) {
        SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(HandleOf(*open)), 0);
    } else {
        SetWindowPos(HandleOf(*open), HandleOf(*upper), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return true;
}

void MdiWindows::Maximize(const WindowReference& window) {
    if (RegisteredWindow* open = registry_.WindowByNumber(window.kind, window.number)) {
        SendMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(HandleOf(*open)), 0);
    }
}

void MdiWindows::Minimize(const WindowReference& window) {
    if (RegisteredWindow* open = registry_.WindowByNumber(window.kind, window.number)) {
        ShowWindow(HandleOf(*open), SW_MINIMIZE);
    }
}

void MdiWindows::ActivateWindow(const void* window) {
    for (RegisteredWindow* open : registry_.AllWindows()) {
        if (open == window) {
            SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(HandleOf(*open)), 0);
            return;
        }
    }
}

}  // namespace corvinata
