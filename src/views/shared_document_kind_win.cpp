#include "views/shared_document_kind_win.h"

namespace corvinata {

bool RegisterMdiChildClass(HINSTANCE instance, const wchar_t* className, int iconId, UINT style) {
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, className, &existing)) return true;
    WNDCLASSW wc{};
    wc.style = style;
    wc.lpfnWndProc = MdiChildWindow::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconId));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    return RegisterClassW(&wc) != 0;
}

void WheelBurst::Notched(HWND window, bool changed) {
    if (active_ || !changed || !window) return;
    active_ = true;
    SetTimer(window, kTimerId, kMilliseconds, nullptr);
}

bool WheelBurst::OnTimer(HWND window, WPARAM id) {
    if (id != kTimerId) return false;
    End(window);
    return true;
}

void WheelBurst::End(HWND window) {
    active_ = false;
    if (window) KillTimer(window, kTimerId);
}

WindowGeometry RestoredGeometry(const WindowGeometry& stored, const ChildWindows& children) {
    if ((stored.fieldMask & kGeometrySize) && stored.width > 0 && stored.height > 0) return stored;
    const POINT at = children.Cascade().Current();
    return WindowGeometry{kGeometryAll, at.x, at.y, kNewChildSize, kNewChildSize, false, false};
}

}  // namespace corvinata
