#include "views/display_tooltip_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "controls/tooltips_under_menus.h"

namespace corvinata {

namespace {

// Sent to every window below a root: a registered message, so that no
// window can take it for one of its own.
UINT HideTipMessage() {
    static const UINT message = RegisterWindowMessageW(L"Corvinata hide display tip");
    return message;
}

BOOL CALLBACK SendHideTip(HWND window, LPARAM) {
    SendMessageW(window, HideTipMessage(), 0, 0);
    return TRUE;
}

}  // namespace

void HideDisplayTooltips(HWND root) {
    if (root) EnumChildWindows(root, &SendHideTip, 0);
}

DisplayTooltipSource::~DisplayTooltipSource() { DisplayWindowDestroy(); }

void DisplayTooltipSource::DisplayWindowDestroy() {
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
}

TOOLINFOW DisplayTooltipSource::ToolInfo() const {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = display_ ? GetParent(display_) : nullptr;
    tool.uId = reinterpret_cast<UINT_PTR>(display_);
    tool.hinst = GetModuleHandleW(nullptr);
    tool.lpszText = const_cast<wchar_t*>(text_.Text());
    return tool;
}

void DisplayTooltipSource::CreateDisplayTooltip(HWND display) {
    display_ = display;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    text_ = String(TXT("abcde"));
    TOOLINFOW tool = ToolInfo();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void DisplayTooltipSource::ActivateDisplayTooltip(bool show) {
    if (!show) {
        HideDisplayTooltip();
        return;
    }
    // The hover that the pointer's last move asked for may come inside a
    // menu's loop: the tip would lie over the menu.
    if (!tooltip_ || !AcceptsTooltips() || MenuOpenOnThisThread()) return;
    TOOLINFOW tool = ToolInfo();
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void DisplayTooltipSource::HideDisplayTooltip() {
    if (!tooltip_) return;
    TOOLINFOW tool = ToolInfo();
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

bool DisplayTooltipSource::HandleDisplayMouseHover(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        const int x = GET_X_LPARAM(lParam);
        const int y = GET_Y_LPARAM(lParam);
        if (x == lastX_ && y == lastY_) return true;
        if (!TipFollowsPointer()) {
            // A tip shown when the drag began goes; none is asked for.
            if (tooltip_ && IsWindowVisible(tooltip_)) HideDisplayTooltip();
            lastX_ = x;
            lastY_ = y;
            OnMouseMoved(x, y);
            return true;
        }
        ActivateDisplayTooltip(false);
        POINT cursor{};
        GetCursorPos(&cursor);
        if (tooltip_) SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(cursor.x + 15, cursor.y + 15));
        const String before = text_;
        GetTooltipText(x, y, text_);
        // The tip keeps a text it has (at every move of a drag, or over the
        // same object).
        if (tooltip_ && !(text_ == before)) {
            TOOLINFOW tool = ToolInfo();
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        // The system ends hover tracking after each hover or leave.
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = display_;
        track.dwHoverTime = HOVER_DEFAULT;
        if (display_) TrackMouseEvent(&track);
        lastX_ = x;
        lastY_ = y;
        OnMouseMoved(x, y);
        return true;
    }
    case WM_MOUSEHOVER:
        ActivateDisplayTooltip(true);
        return true;
    case WM_MOUSELEAVE:
        ActivateDisplayTooltip(false);
        return true;
    // The display's own context menu; the frame's menus and dialogs send
    // the registered message.
    case WM_ENTERMENULOOP:
        HideDisplayTooltip();
        return false;
    case WM_DESTROY:
        DisplayWindowDestroy();
        return false;
    default:
        if (message == HideTipMessage()) {
            HideDisplayTooltip();
            return true;
        }
        return false;
    }
}

}  // namespace corvinata
