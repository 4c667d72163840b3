// Keys typed for real (SendInput) into the foreground frame, then the
// program's message loop run until it has been idle for 300 ms: modal
// dialogs and menus that the keys open take the keys that follow.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <iterator>
#include <vector>

#include "frame/frame_window.h"

namespace corvinata::test {

inline void RunProgramLoop(FrameWindow& frame, const ModelessDialogList& modeless) {
    HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), L"AST_IDR_ACCELERATOR");
    DWORD idleSince = GetTickCount();
    while (GetTickCount() - idleSince < 300) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(5);
            continue;
        }
        idleSince = GetTickCount();
        if (msg.message == WM_QUIT) continue;
        if (!frame.PreTranslate(msg, accelerators, modeless)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DestroyAcceleratorTable(accelerators);
}

// Each chord's keys go down in order and come up in reverse.
inline void TypeChords(FrameWindow& frame, const ModelessDialogList& modeless,
                       std::initializer_list<std::initializer_list<WORD>> chords) {
    auto input = [](WORD key, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.dwFlags = flags;
        return in;
    };
    std::vector<INPUT> inputs;
    for (const auto& chord : chords) {
        for (WORD key : chord) inputs.push_back(input(key, 0));
        for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) {
            inputs.push_back(input(*key, KEYEVENTF_KEYUP));
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    RunProgramLoop(frame, modeless);
}

}  // namespace corvinata::test
