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
#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "frame/frame_window.h"

namespace corvinata::test {

// One chord, and what it brings about (a menu open, a dialog shown with the
// focus in it) before the next chord may be typed; none for a key whose
// effect the next one need not wait for.
struct KeyStep {
    std::vector<WORD> chord;
    std::function<bool()> reached;
};

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
    // Each step's chord once the step before has brought its state, from
    // inside whatever menu or dialog that state runs (a timer of the thread
    // looks); false when a state did not come within `limit` ms of its
    // chord: the menus and modal dialogs that are open then are closed, so
    // that the test fails within seconds instead of waiting for ever.
    bool Steps(const std::vector<KeyStep>& steps, DWORD limit = 5000) const {
        if (steps.empty()) return true;
        StepRun run{&steps};
        run.limit = limit;
        run_ = &run;
        QueueChord(steps[0].chord);
        run.since = GetTickCount();
        run.timer = SetTimer(nullptr, 0, 20, &Tick);
        const DWORD bound = limit * static_cast<DWORD>(steps.size()) + 10000;
        RunLoop([&run] { return run.done; }, bound);
        if (run.timer) KillTimer(nullptr, run.timer);
        run_ = nullptr;
        return run.done && !run.failed;
    }
    // A menu or a submenu of this thread on the screen: how many.
    static int OpenMenus() {
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), &CountMenu, reinterpret_cast<LPARAM>(&count));
        return count;
    }
    static bool MenuOpen() { return OpenMenus() > 0; }
    static bool SubmenuOpen() { return OpenMenus() > 1; }
    static bool NoModalDialog() { return ModalDialog() == nullptr; }
    // The modal dialog of this thread (its owner disabled), or none.
    static HWND ModalDialog() {
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindModal, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    // A modal dialog is up with the keyboard in it.
    static bool DialogHasFocus() {
        const HWND dialog = ModalDialog();
        const HWND focus = GetFocus();
        return dialog && focus && (focus == dialog || IsChild(dialog, focus));
    }

    void RunLoop() const { RunLoop([] { return true; }, 30000); }
    // The loop until `done` and quiet, or `bound` ms at most.
    void RunLoop(const std::function<bool()>& done, DWORD bound) const {
        HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), L"AST_IDR_ACCELERATOR");
        const QuietClock clock;
        const DWORD start = GetTickCount();
        while (!(done() && clock.QuietFor(300)) && GetTickCount() - start < bound) {
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
            // under a resting pointer) and a tooltip's, waiting to show
            // the tip of the button under it, tick for ever: they are no work.
            if (msg.message != kSystemTimer && !IsTooltipTimer(msg)) clock.Touch();
        }
        DestroyAcceleratorTable(accelerators);
    }

private:
    static bool IsTooltipTimer(const MSG& msg) {
        if (msg.message != WM_TIMER || !msg.hwnd) return false;
        wchar_t name[32] = {};
        GetClassNameW(msg.hwnd, name, 32);
        return lstrcmpiW(name, TOOLTIPS_CLASSW) == 0;
    }
    struct StepRun {
        const std::vector<KeyStep>* steps;
        std::size_t next = 1;
        DWORD since = 0;
        UINT_PTR timer = 0;
        DWORD limit = 0;
        bool done = false;
        bool failed = false;
    };
    static void QueueChord(const std::vector<WORD>& chord) {
        std::vector<INPUT> inputs;
        for (WORD key : chord) inputs.push_back(Input(key, 0, 0));
        for (auto key = chord.rbegin(); key != chord.rend(); ++key) inputs.push_back(Input(*key, 0, KEYEVENTF_KEYUP));
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
    // The timer goes with the steps: its ticks would keep the loop busy.
    static void Finish(StepRun& run) {
        run.done = true;
        if (run.timer) KillTimer(nullptr, run.timer);
        run.timer = 0;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        StepRun* run = run_;
        if (!run || run->done) return;
        const std::vector<KeyStep>& steps = *run->steps;
        const KeyStep& typed = steps[run->next - 1];
        if (!typed.reached || typed.reached()) {
            if (run->next == steps.size()) {
                Finish(*run);
                return;
            }
            QueueChord(steps[run->next++].chord);
            run->since = GetTickCount();
            return;
        }
        if (GetTickCount() - run->since < run->limit) return;
        run->failed = true;
        Finish(*run);
        EndMenu();
        // Nested dialogs close from the innermost out.
        for (int n = 0; n < 8; ++n) {
            const HWND dialog = ModalDialog();
            if (!dialog) break;
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
    static BOOL CALLBACK CountMenu(HWND window, LPARAM count) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (IsWindowVisible(window) && lstrcmpW(name, L"#32768") == 0) ++*reinterpret_cast<int*>(count);
        return TRUE;
    }
    static BOOL CALLBACK FindModal(HWND window, LPARAM found) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        const HWND owner = GetWindow(window, GW_OWNER);
        if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window) || !owner || IsWindowEnabled(owner)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    static inline StepRun* run_ = nullptr;
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
