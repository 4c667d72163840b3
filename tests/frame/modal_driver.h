// Drives a modal dialog from inside its own message loop: as soon as the
// dialog has been initialised, a message posted to a helper window runs the
// test's steps with the dialog's window. Posted messages come before the
// loop's first idle moment, when it would show the dialog, so a dialog that
// the steps end is never shown (under Wine without a window manager a shown
// window takes seconds to go). Keys and clicks go through the dialog's
// message handling as the modal loop would run them.
#pragma once

#include <windows.h>

#include <functional>

namespace corvinata::test {

class ModalDriver {
public:
    using Steps = std::function<void(ModalDriver&, HWND)>;

    // Runs `show` (which opens the dialog) with `steps` run once inside it.
    template <class Show>
    static auto Run(Steps steps, Show show) {
        ModalDriver driver;
        driver.steps_ = std::move(steps);
        current_ = &driver;
        driver.helper_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(driver.helper_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HelperProc));
        const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &OnCallReturn, nullptr, GetCurrentThreadId());
        auto result = show();
        UnhookWindowsHookEx(hook);
        DestroyWindow(driver.helper_);
        current_ = nullptr;
        return result;
    }

    // Runs the posted messages of the dialog.
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (IsDialogMessageW(dialog_, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // A key pressed and released on the focused control.
    void Key(WPARAM key) {
        HWND focus = GetFocus();
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        PostMessageW(focus, WM_KEYUP, key, 1 | (3u << 30));
        Pump();
    }
    void Type(const char* characters) {
        for (; *characters; ++characters) {
            PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(*characters), 1);
            Pump();
        }
    }
    void Focus(int id) {
        SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog_, id)), TRUE);
        Pump();
    }
    void Click(int id) {
        PostMessageW(GetDlgItem(dialog_, id), BM_CLICK, 0, 0);
        Pump();
    }
    HWND Dialog() const { return dialog_; }

private:
    static constexpr UINT kRunSteps = WM_APP + 40;

    static LRESULT CALLBACK OnCallReturn(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_INITDIALOG && current_ && !current_->dialog_)
            PostMessageW(current_->helper_, kRunSteps, 0, reinterpret_cast<LPARAM>(call->hwnd));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        ModalDriver* self = current_;
        if (message != kRunSteps || !self || self->dialog_) return DefWindowProcW(window, message, wParam, lParam);
        self->dialog_ = reinterpret_cast<HWND>(lParam);
        self->steps_(*self, self->dialog_);
        self->Pump();
        return 0;
    }

    static inline ModalDriver* current_ = nullptr;
    Steps steps_;
    HWND helper_ = nullptr;
    HWND dialog_ = nullptr;
};

}  // namespace corvinata::test
