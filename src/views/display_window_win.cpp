#include "views/display_window_win.h"

#include "controls/mdi_child_window.h"

namespace corvinata {

DisplayWindow::~DisplayWindow() {
    if (!window_) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
}

bool DisplayWindow::RegisterDisplayClass(WNDCLASSW wc) {
    wc.lpfnWndProc = DisplayProc;
    return RegisterWindowClass(wc);
}

bool DisplayWindow::CreateDisplayWindow(const wchar_t* className, DWORD style, HWND parent, HINSTANCE instance,
                                        HoverTip tip) {
    tip_ = tip;
    window_ = CreateWindowExW(0, className, L"", style, 0, 0, 100, 100, parent, nullptr, instance, this);
    if (!window_) return false;
    if (tip_ == HoverTip::kShown) CreateDisplayTooltip(window_);
    return true;
}

LRESULT CALLBACK DisplayWindow::DisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<DisplayWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Until the window is the object's (its creation has returned), and
    // after it let go, the default processing answers.
    if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
    if (self->tip_ == HoverTip::kShown) self->HandleDisplayMouseHover(message, wParam, lParam);
    if (message != WM_NCDESTROY) return self->HandleDisplayMessage(message, wParam, lParam);
    self->window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace corvinata
