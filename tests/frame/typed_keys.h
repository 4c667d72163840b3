// Keys and clicks as the user makes them: into the input queue, then
// through the program's own message loop (MDI keys, modeless dialogs,
// accelerators) until it has been quiet for 300 ms. The frame must be the
// foreground window.
//
// Quiet means that no message came from the queue and none was sent to the
// thread's windows: some reactions come as sent messages (an activation
// from Wine's desktop), handled inside PeekMessage, and may take long and
// post further work; counting only the queue's messages, the loop could end
// with that work still waiting.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <iterator>
#include <vector>

#include "frame/frame_window.h"

namespace corvinata::test {

class TypedKeys {
public:
    TypedKeys(const FrameWindow& frame, const ModelessDialogList& modeless) : frame_(frame), modeless_(modeless) {}

    // Each chord's keys go down in order and up in reverse.
    void Keys(std::initializer_list<std::initializer_list<WORD>> chords) const {
        Queue(chords);
        RunLoop();
    }
    // Only into the input queue: for a modal loop that is running already.
    static void Queue(std::initializer_list<std::initializer_list<WORD>> chords) {
        std::vector<INPUT> inputs;
        for (const auto& chord : chords) {
            for (WORD key : chord) inputs.push_back(Input(key, 0, 0));
            for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) {
                inputs.push_back(Input(*key, 0, KEYEVENTF_KEYUP));
            }
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
    // Characters typed as text.
    void Type(const char* text) const {
        std::vector<INPUT> inputs;
        for (; *text; ++text) {
            inputs.push_back(Input(0, static_cast<WORD>(*text), KEYEVENTF_UNICODE));
            inputs.push_back(Input(0, static_cast<WORD>(*text), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        RunLoop();
    }
    // A click of the left button (two for `twice`) at a point of the
    // window's client area, as the user's mouse makes it.
    void Click(HWND window, POINT client, bool twice = false) const {
        ClientToScreen(window, &client);
        SetCursorPos(client.x, client.y);
        QueueClicks(twice ? 2 : 1);
        RunLoop();
    }
    // Only into the input queue: left-button clicks where the pointer is.
    static void QueueClicks(int count) {
        std::vector<INPUT> inputs;
        for (int n = 0; n < count; ++n) {
            for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
                INPUT input{};
                input.type = INPUT_MOUSE;
                input.mi.dwFlags = flags;
                inputs.push_back(input);
            }
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
    void RunLoop() const {
        HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), L"AST_IDR_ACCELERATOR");
        const QuietClock clock;
        while (!clock.QuietFor(300)) {
            MSG msg;
            if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                Sleep(5);
                continue;
            }
            if (msg.message != WM_QUIT && !frame_.PreTranslate(msg, accelerators, modeless_)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            // The system's own timers (the hover tracking of the control
            // under a resting pointer) tick for ever: they are no work.
            if (msg.message != kSystemTimer) clock.Touch();
        }
        DestroyAcceleratorTable(accelerators);
    }

private:
    // WM_SYSTIMER, which the headers do not name.
    static constexpr UINT kSystemTimer = 0x0118;
    // When the thread last finished a message, taken from the queue or sent.
    class QuietClock {
    public:
        QuietClock() : hook_(SetWindowsHookExW(WH_CALLWNDPROCRET, &SentDone, nullptr, GetCurrentThreadId())) {
            Touch();
        }
        ~QuietClock() {
            if (hook_) UnhookWindowsHookEx(hook_);
        }
        QuietClock(const QuietClock&) = delete;
        QuietClock& operator=(const QuietClock&) = delete;

        static void Touch() { lastActivity_ = GetTickCount(); }
        // Nothing finished for that long, and nothing waiting in the queue.
        static bool QuietFor(DWORD milliseconds) {
            return GetTickCount() - lastActivity_ >= milliseconds && HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0;
        }

    private:
        static LRESULT CALLBACK SentDone(int code, WPARAM wParam, LPARAM lParam) {
            // The hover tracking of the control under a resting pointer asks
            // where the pointer is at every tick of its timer: no work.
            if (code != HC_ACTION || reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message != WM_NCHITTEST) Touch();
            return CallNextHookEx(nullptr, code, wParam, lParam);
        }
        static inline DWORD lastActivity_ = 0;
        HHOOK hook_;
    };

    static INPUT Input(WORD key, WORD scan, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = scan;
        input.ki.dwFlags = flags;
        return input;
    }
    const FrameWindow& frame_;
    const ModelessDialogList& modeless_;
};

}  // namespace corvinata::test
