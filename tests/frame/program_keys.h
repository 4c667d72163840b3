// Keys as the program's message loop takes them: the frame's accelerators,
// then the modeless dialogs, then the focused window.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "frame/frame_window.h"

namespace corvinata::test {

// The keyboard state that TranslateAccelerator and the dialogs read.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256] = {};
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256];
};

class ProgramKeys {
public:
    ProgramKeys(FrameWindow& frame, ModelessDialogList& modeless)
        : frame_(frame), modeless_(modeless),
          accelerators_(LoadAcceleratorsW(GetModuleHandleW(nullptr), L"AST_IDR_ACCELERATOR")) {}
    ~ProgramKeys() { DestroyAcceleratorTable(accelerators_); }
    ProgramKeys(const ProgramKeys&) = delete;
    ProgramKeys& operator=(const ProgramKeys&) = delete;

    bool Loaded() const { return accelerators_ != nullptr; }
    // One message to `target` as the loop would run it.
    void Send(HWND target, UINT message, WPARAM code) {
        MSG m{target, message, code, 1, 0, {}};
        if (!frame_.PreTranslate(m, accelerators_, modeless_)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    // A key pressed and released on `target`, with `held` down meanwhile.
    void Press(HWND target, WPARAM key, std::initializer_list<int> held = {}) {
        HeldKeys keys(held);
        Send(target, WM_KEYDOWN, key);
        Send(target, WM_KEYUP, key);
    }
    // Ctrl+key to the frame.
    void Control(WPARAM key) { Press(frame_.Window(), key, {VK_CONTROL}); }

private:
    FrameWindow& frame_;
    ModelessDialogList& modeless_;
    HACCEL accelerators_;
};

}  // namespace corvinata::test
