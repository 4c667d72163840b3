#include "controls/window_centring.h"

namespace corvinata {

namespace {

void CentreOn(HWND window, const RECT& area) {
    RECT own{};
    GetWindowRect(window, &own);
    const int x = area.left + ((area.right - area.left) - (own.right - own.left)) / 2;
    const int y = area.top + ((area.bottom - area.top) - (own.bottom - own.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void CentreOverWindow(HWND owner, HWND window) {
    if (!owner) return;
    RECT area{};
    GetWindowRect(owner, &area);
    CentreOn(window, area);
}

void CentreInClient(HWND parent, HWND child) {
    if (!parent) return;
    RECT area{};
    GetClientRect(parent, &area);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&area), 2);
    CentreOn(child, area);
}

RECT WorkAreaNear(const RECT& rect) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST);
    if (monitor && GetMonitorInfoW(monitor, &info)) return info.rcWork;
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

}  // namespace corvinata
