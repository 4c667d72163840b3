#include "controls/trackbar_control.h"

#include <commctrl.h>

namespace corvinata {

namespace {

WNDPROC g_trackbarBase = DefWindowProcW;

LRESULT Base(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(g_trackbarBase, window, message, wParam, lParam);
}

bool IsMoveKey(WPARAM key) noexcept {
    switch (key) {
        case VK_LEFT: case VK_RIGHT: case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
            return true;
        default:
            return false;
    }
}

int Position(HWND window) { return static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0)); }

bool IsVertical(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & TBS_VERT) != 0; }

}  // namespace

void SetTrackbarBaseProcedure(WNDPROC procedure) noexcept { g_trackbarBase = procedure; }

LRESULT TrackbarControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN: return OnKeyDown(window, wParam, lParam);
        case WM_KEYUP: return OnKeyUp(window, wParam, lParam);
        case WM_LBUTTONDOWN: return OnButtonDown(window, wParam, lParam);
        case WM_LBUTTONUP: return OnButtonUp(window, wParam, lParam);
        case WM_MOUSEWHEEL: return 0;
        default: return Base(window, message, wParam, lParam);
    }
}

LRESULT TrackbarControl::OnKeyDown(HWND window, WPARAM key, LPARAM lParam) {
    if (!IsMoveKey(key)) return 0;
    const bool autoRepeat = (lParam & (1 << 30)) != 0;
    tracker_.OnKeyDown(autoRepeat, Position(window));
    Base(window, WM_KEYDOWN, key, lParam);
    return 0;
}

LRESULT TrackbarControl::OnKeyUp(HWND window, WPARAM key, LPARAM lParam) {
    if (!IsMoveKey(key)) return 0;
    Base(window, WM_KEYUP, key, lParam);
    ReportMove(window);
    return 0;
}

LRESULT TrackbarControl::OnButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    tracker_.OnPress(Position(window));
    SetFocus(window);
    InvalidateRect(window, nullptr, FALSE);
    RECT thumb{}, channel{};
    SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (PtInRect(&thumb, point)) {
        dragging_ = true;
        return Base(window, WM_LBUTTONDOWN, wParam, lParam);
    }
    dragging_ = false;
    const bool vertical = IsVertical(window);
    const int minimum = static_cast<int>(SendMessageW(window, TBM_GETRANGEMIN, 0, 0));
    const int maximum = static_cast<int>(SendMessageW(window, TBM_GETRANGEMAX, 0, 0));
    const int position = vertical
                             ? TrackbarPositionAt(point.y, channel.top, channel.bottom, minimum, maximum)
                             : TrackbarPositionAt(point.x, channel.left, channel.right, minimum, maximum);
    SendMessageW(window, TBM_SETPOS, TRUE, position);
    SendMessageW(GetParent(window), vertical ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(window));
    return 0;
}

LRESULT TrackbarControl::OnButtonUp(HWND window, WPARAM wParam, LPARAM lParam) {
    if (dragging_) {
        dragging_ = false;
        Base(window, WM_LBUTTONUP, wParam, lParam);
    }
    ReportMove(window);
    return 0;
}

void TrackbarControl::ReportMove(HWND window) {
    const int minimum = static_cast<int>(SendMessageW(window, TBM_GETRANGEMIN, 0, 0));
    const int maximum = static_cast<int>(SendMessageW(window, TBM_GETRANGEMAX, 0, 0));
    int before = 0;
    if (!tracker_.EndMove(minimum, maximum, before)) return;
    SendMessageW(GetParent(window), kTrackbarMovedMessage, MAKEWPARAM(before, Position(window)),
                 reinterpret_cast<LPARAM>(window));
}

LRESULT CALLBACK TrackbarSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CustomControlRegistryInterface* registry = GetCustomControlRegistry();
    if (message == WM_CREATE) {
        if (!registry || !registry->CreateTrackbar(window)) return -1;
        return Base(window, message, wParam, lParam);
    }
    if (message == WM_DESTROY || message == WM_NCDESTROY) {
        if (registry && message == WM_DESTROY) registry->DestroyControl(window);
        return Base(window, message, wParam, lParam);
    }
    auto* trackbar = registry ? dynamic_cast<TrackbarControl*>(registry->FindControl(window)) : nullptr;
    if (!trackbar) return Base(window, message, wParam, lParam);
    return trackbar->HandleMessage(window, message, wParam, lParam);
}

}  // namespace corvinata
