// Drives a modal dialog from inside its own message loop: a thread timer
// waits until the dialog is up, hides it (under Wine without a window
// manager a shown window takes seconds to go) and runs the test's steps with
// its window. Keys and clicks go through the dialog's message handling as
// the modal loop would run them.
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
        const UINT_PTR timer = SetTimer(nullptr, 0, 1, &OnTimer);
        auto result = show();
        KillTimer(nullptr, timer);
        current_ = nullptr;
        return result;
    }

    // Runs the posted messages of the dialog.
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_TIMER && msg.hwnd == nullptr) continue;
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
    // Alt with a letter: the dialog's mnemonic.
    void Mnemonic(wchar_t letter) {
        PostMessageW(GetFocus(), WM_SYSCHAR, letter, 1 << 29);
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
    static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
        wchar_t name[16] = L"";
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, L"#32770") != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
        ModalDriver* self = current_;
        if (!self || self->ran_) return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
        // The modal loop shows the dialog when it first runs out of messages;
        // the steps wait for that, so that the dialog stays hidden after them.
        if (!dialog || !IsWindowVisible(dialog)) return;
        KillTimer(nullptr, timer);
        self->ran_ = true;
        self->dialog_ = dialog;
        // Hiding takes the focus away; the control that had it gets it back.
        HWND focus = GetFocus();
        ShowWindow(dialog, SW_HIDE);
        if (!focus || !IsChild(dialog, focus)) focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
        SetFocus(focus);
        self->steps_(*self, dialog);
        self->Pump();
    }

    static inline ModalDriver* current_ = nullptr;
    Steps steps_;
    HWND dialog_ = nullptr;
    bool ran_ = false;
};

}  // namespace corvinata::test
