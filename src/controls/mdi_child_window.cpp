#include "controls/mdi_child_window.h"

#include <cstdlib>

#include "controls/dialog_keys.h"

namespace corvinata {

WheelSteps WheelStepsOf(int delta) noexcept {
    const int notches = delta / WHEEL_DELTA;
    return {std::abs(notches), notches < 0};
}

void CaptureGeometry(HWND window, WindowGeometry& geometry) {
    geometry.minimized = IsIconic(window) != FALSE;
    geometry.maximized = IsZoomed(window) != FALSE;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        geometry.left = r.left;
        geometry.top = r.top;
        geometry.width = r.right - r.left;
        geometry.height = r.bottom - r.top;
    } else {
        geometry.left = geometry.top = geometry.width = geometry.height = 0;
    }
}

void ApplyGeometry(const WindowGeometry& geometry, HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    placement.flags = 0;
    placement.showCmd = geometry.maximized ? SW_SHOWMAXIMIZED : geometry.minimized ? SW_SHOWMINIMIZED : SW_RESTORE;
    placement.rcNormalPosition = RECT{geometry.left, geometry.top, geometry.left + geometry.width,
                                      geometry.top + geometry.height};
    SetWindowPlacement(window, &placement);
}

MdiChildWindow::~MdiChildWindow() {
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        SendMessageW(host_.MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle_), 0);
    }
}

bool MdiChildWindow::Create(const wchar_t* className, HINSTANCE instance, const WindowGeometry& geometry,
                            ChildShowMode mode) {
    BOOL activeMaximized = FALSE;
    SendMessageW(host_.MdiClient(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&activeMaximized));
    const bool maximize =
        mode == ChildShowMode::LikeActiveChild ? activeMaximized != FALSE : geometry.maximized;
    MDICREATESTRUCTW create{};
    create.szClass = className;
    create.szTitle = document_.GetKindName();
    create.hOwner = instance;
    create.x = geometry.left;
    create.y = geometry.top;
    create.cx = geometry.width;
    create.cy = geometry.height;
    create.style = maximize ? WS_MAXIMIZE : (geometry.minimized ? WS_MINIMIZE : 0);
    create.lParam = reinterpret_cast<LPARAM>(this);
    handle_ = reinterpret_cast<HWND>(SendMessageW(host_.MdiClient(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    if (!handle_) return false;
    SetChildTitle();
    host_.ChildWindowOpened(*this);
    return true;
}

void MdiChildWindow::SetChildTitle() {
    if (!handle_) return;
    String title(document_.GetKindName());
    // A window with nothing to say of itself is just its kind.
    const String status = GetStatusText();
    if (!status.IsEmpty()) {
        StringAppend(title, TXT(": "));
        StringAppend(title, status.Text());
    }
    wchar_t shown[256] = {};
    GetWindowTextW(handle_, shown, 256);
    if (title == String(shown)) return;
    SetWindowTextW(handle_, title.Text());
    host_.ChildWindowRetitled(*this);
}

LRESULT CALLBACK MdiChildWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        const auto* mdi = static_cast<const MDICREATESTRUCTW*>(create->lpCreateParams);
        auto* self = reinterpret_cast<MdiChildWindow*>(mdi->lParam);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MdiChildWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefMDIChildProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MdiChildWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCACTIVATE:
        OnActivation(wParam != FALSE, false, nullptr);
        break;
    case WM_MDIACTIVATE: {
        const LRESULT result = DefMDIChildProcW(handle_, message, wParam, lParam);
        OnActivation(reinterpret_cast<HWND>(lParam) == handle_, true, reinterpret_cast<HWND>(wParam));
        return result;
    }
    case kFocusPanelMessage:
        FocusPanel();
        return 0;
    case WM_SETFOCUS:
        // The panel's Escape, or a click on what the window shows: the
        // keys leave the panel for the window.
        NotePanelKeys(reinterpret_cast<HWND>(wParam));
        break;
    case WM_KEYDOWN:
        // Tab takes the keys from the window into its panel.
        if (wParam != VK_TAB) break;
        FocusPanelLater(false);
        return 0;
    case WM_PARENTNOTIFY:
        // A click on the display (or whatever the kind shows inside).
        if (LOWORD(wParam) == WM_LBUTTONDOWN || LOWORD(wParam) == WM_RBUTTONDOWN) TakeKeys();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        TakeKeys();
        break;
    case WM_CLOSE:
        if (!CanClose()) return 0;
        break;
    case WM_MOUSEWHEEL: {
        const WheelSteps wheel = WheelStepsOf(GET_WHEEL_DELTA_WPARAM(wParam));
        OnMouseWheelSteps(wheel.steps, wheel.backward);
        return 0;
    }
    case WM_DESTROY:
        host_.ChildWindowClosing(*this);
        host_.ChildWindowClosed(*this);
        break;
    case WM_NCDESTROY: {
        const LRESULT result = DefMDIChildProcW(handle_, message, wParam, lParam);
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        handle_ = nullptr;
        // Last: the host may free this object.
        host_.ChildWindowReleased(*this);
        return result;
    }
    default:
        break;
    }
    return DefMDIChildProcW(handle_, message, wParam, lParam);
}

// The panel, the menus and the lists of windows follow every activation by
// the MDI client, whatever came before. The Related Tasks pane and the keys
// follow the window unless a click into the pane brought the activation:
// the pane keeps what was clicked, and the keys stay where they were.
void MdiChildWindow::OnActivation(bool active, bool full, HWND previous) {
    if (!active) {
        // Another window, a dialog, a tool or another program takes over
        // (the frame passes its own deactivation on to its active child),
        // and the keys are still where the user left them.
        NotePanelKeys(GetFocus());
        return;
    }
    if (full) {
        auto* before = reinterpret_cast<MdiChildWindow*>(previous ? GetWindowLongPtrW(previous, GWLP_USERDATA) : 0);
        host_.ChildWindowActivated(before, *this);
    }
    if (host_.TakeActivationSkip()) return;
    host_.ChildWindowShown(*this);
    // The frame coming back to the front: inside its activation, before
    // the input that brought it reaches its control, so that a click then
    // presses what it clicked and keeps the keys there. The MDI client's
    // own activation gives the focus to the window itself after its
    // messages: the keys go on once it is through.
    if (!full && GetActiveWindow() == GetAncestor(handle_, GA_ROOT)) FocusPanelNow();
    FocusPanelLater(full);
}

// Posted: the activation messages are through.
void MdiChildWindow::FocusPanelLater(bool bringForward) {
    if (!handle_) return;
    focusPanelPending_ = true;
    focusBringsForward_ = bringForward;
    PostMessageW(handle_, kFocusPanelMessage, 0, 0);
}

bool MdiChildWindow::IsActiveChild() const {
    return handle_ && reinterpret_cast<HWND>(SendMessageW(host_.MdiClient(), WM_MDIGETACTIVE, 0, 0)) == handle_;
}

void MdiChildWindow::FocusPanel() {
    if (!focusPanelPending_) return;
    focusPanelPending_ = false;
    // A window the MDI client activated (a new one, one a tool's command
    // showed) brings the frame forward with it; after the caption's
    // activation a tool that came to the front meanwhile keeps the keys.
    // A frame nobody sees (an automation client's) is left alone.
    const HWND frame = GetAncestor(handle_, GA_ROOT);
    if (!IsActiveChild() || !IsWindowVisible(frame)) return;
    if (!focusBringsForward_ && GetActiveWindow() != frame) return;
    // Keys that a click put on a control of the frame (a pane's button, a
    // list, a button the window shows) since the activation stay there;
    // those the MDI client left on the window, the client or the frame go
    // on to the panel.
    const HWND focus = GetFocus();
    const bool placedByClick = focus && focus != frame && IsChild(frame, focus) && focus != handle_ &&
                               focus != host_.MdiClient();
    if (placedByClick) return;
    FocusPanelNow();
}

// The panel's dialog takes the keys: it hands them to the control that had
// them last (its first one the first time), so that after a dialog, a tool
// or another window the user types on where he left off.
void MdiChildWindow::FocusPanelNow() {
    const HWND dialog = host_.ChildPanelDialog(*this);
    if (!dialog || !IsWindowVisible(dialog)) return;
    const HWND focus = GetFocus();
    if (focus && (focus == dialog || IsChild(dialog, focus))) return;
    GiveDialogKeys(dialog);
}

void MdiChildWindow::NotePanelKeys(HWND control) {
    if (const HWND dialog = host_.ChildPanelDialog(*this)) NoteDialogKeys(dialog, control);
}

void MdiChildWindow::TakeKeys() {
    // The click that activates the window leaves the keys to the panel.
    if (focusPanelPending_ || !IsActiveChild()) return;
    if (GetFocus() != handle_) SetFocus(handle_);
}

bool RegisterWindowClass(const WNDCLASSW& windowClass) {
    WNDCLASSW existing{};
    if (GetClassInfoW(windowClass.hInstance, windowClass.lpszClassName, &existing)) return true;
    return RegisterClassW(&windowClass) != 0;
}

bool RegisterMdiChildClass(HINSTANCE instance, const MdiChildClass& childClass) {
    WNDCLASSW wc{};
    wc.style = childClass.style;
    wc.lpfnWndProc = MdiChildWindow::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(childClass.iconId));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = childClass.background;
    // A child window never shows a class menu: the name is only the class's.
    wc.lpszMenuName = childClass.menuName;
    wc.lpszClassName = childClass.name;
    return RegisterWindowClass(wc);
}

}  // namespace corvinata
