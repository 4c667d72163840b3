// Times a user's clicks into the frame under Wine, with three tools shown
// and with none, in alternating rounds so that the machine's load weighs on
// both alike. In-process on the program's frame (1260 x 1000) with a Sky
// window open:
//   - a burst of clicks on the empty MDI client (the keys stay where they
//     are);
//   - a burst of clicks alternately on the Sky display and on the Window
//     Manager's list, each taking the keys (on Wine's own desktop each such
//     move of the keys raises the frame over its tools there, and the tools
//     are raised again);
//   - one button-down on the Sky display, the start of a drag;
//   - a burst of Tab presses in the Sky window's control panel, each moving
//     the keys to the panel's next control (a move of the keys inside the
//     frame, which on Wine's own desktop brings the frame over its tools).
// Each burst is timed from the first click given to the input queue until
// the thread has handled everything it brought about, through the program's
// own handling of keys (a Tab in a panel moves the keys only there). Run by
// hand (scripts/timing runs it in a prefix of its own on a screen; on Wine's
// own desktop, from build/win32:
//   ../../scripts/wine-exec timing-prefix explorer /desktop=Timing,1280x1024
//       frame_click_timing.exe [rounds] [clicks]).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "resources/resource_ids.h"
#include "timing_loop_win.h"
#include "timing_program_win.h"
#include "timing_support_win.h"

namespace corvinata {
namespace {

using timing::Median;
using timing::NowMs;

constexpr int kTools[] = {CMD_CALCULATOR, CMD_SYMBOLS, CMD_EVENT_FINDER};

void QueueClick(POINT screen, DWORD flags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP) {
    SetCursorPos(screen.x, screen.y);
    std::vector<INPUT> inputs;
    for (DWORD flag : {static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN), static_cast<DWORD>(MOUSEEVENTF_LEFTUP)}) {
        if (!(flags & flag)) continue;
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flag;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void QueueKey(WORD key) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// Until the thread has nothing left to do: its input, posted messages and
// paints handled, the input as the program's loop handles it.
void Settle(timing::StartedProgram& program) {
    for (int quiet = 0; quiet < 3;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        if (GetQueueStatus(QS_ALLINPUT) == 0) {
            ++quiet;
            continue;
        }
        quiet = 0;
        program.Pump();
        RedrawWindow(nullptr, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(window, &centre);
    return centre;
}

// The empty part of the MDI client, right of the Sky window and below it.
POINT EmptyClientPoint(HWND client) {
    RECT rect{};
    GetClientRect(client, &rect);
    POINT point{rect.right - 20, rect.bottom - 20};
    ClientToScreen(client, &point);
    return point;
}

struct Figures {
    std::vector<double> client;
    std::vector<double> keys;
    std::vector<double> press;
    std::vector<double> tab;
    bool tabStill = false;
};

void Round(timing::StartedProgram& program, HWND frame, HWND client, HWND display, HWND list, HWND panel, int clicks,
           Figures& figures) {
    const POINT empty = EmptyClientPoint(client);
    double start = NowMs();
    for (int i = 0; i < clicks; ++i) QueueClick(empty);
    Settle(program);
    figures.client.push_back(NowMs() - start);

    const POINT sky = CentreOf(display);
    const POINT row = CentreOf(list);
    start = NowMs();
    for (int i = 0; i < clicks; ++i) {
        QueueClick(i % 2 ? row : sky);
        program.Pump();
    }
    Settle(program);
    figures.keys.push_back(NowMs() - start);

    SetFocus(frame);
    Settle(program);
    start = NowMs();
    QueueClick(sky, MOUSEEVENTF_LEFTDOWN);
    Settle(program);
    figures.press.push_back(NowMs() - start);
    QueueClick(sky, MOUSEEVENTF_LEFTUP);
    Settle(program);

    SetFocus(GetNextDlgTabItem(panel, nullptr, FALSE));
    Settle(program);
    // One Tab, not timed, shows that the presses move the keys at all.
    const HWND first = GetFocus();
    QueueKey(VK_TAB);
    Settle(program);
    if (GetFocus() == first) figures.tabStill = true;
    start = NowMs();
    for (int i = 0; i < clicks; ++i) {
        QueueKey(VK_TAB);
        program.Pump();
    }
    Settle(program);
    figures.tab.push_back(NowMs() - start);
}

bool TimeClicks(int rounds, int clicks) {
    timing::StartedProgram program(L"frame click timing");
    if (!program.Started()) return false;
    FrameWindow& frame = program.Frame();
    MdiChildWindow* sky = frame.Children().NewWindow(kSkyWindow);
    if (!sky) return false;
    Settle(program);
    const HWND display = GetWindow(sky->Handle(), GW_CHILD);
    const HWND list = GetDlgItem(frame.PaneWindow(CMD_VIEW_WINDOW_MANAGER), IDC_PANE_LIST);
    // The Sky window's panel: the pane's shown page.
    HWND panel = GetWindow(frame.PaneWindow(CMD_VIEW_CONTROL_PANEL), GW_CHILD);
    while (panel && !IsWindowVisible(panel)) panel = GetWindow(panel, GW_HWNDNEXT);
    if (!display || !list || !panel) return false;
    Figures shown;
    Figures hidden;
    bool toolsShown = false;
    for (int round = 0; round < 2 * rounds; ++round) {
        // Each command toggles its tool.
        for (int command : kTools) SendMessageW(frame.Window(), WM_COMMAND, command, 0);
        toolsShown = !toolsShown;
        // Shown where no click goes: over the lower left of the frame.
        int offset = 0;
        for (int command : kTools) {
            const ToolWindow* tool = frame.Tools().Find(command);
            if (!tool) continue;
            SetWindowPos(tool->Window(), nullptr, offset, 720 + offset, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            offset += 20;
        }
        Settle(program);
        Round(program, frame.Window(), frame.MdiClient(), display, list, panel, clicks, toolsShown ? shown : hidden);
    }
    if (toolsShown) {
        for (int command : kTools) SendMessageW(frame.Window(), WM_COMMAND, command, 0);
    }
    std::printf("%d clicks a burst, median of %d rounds   three tools shown   no tool shown\n", clicks, rounds);
    std::printf("%-44s %10.1f ms %12.1f ms\n", "burst on the empty MDI client", Median(shown.client),
                Median(hidden.client));
    std::printf("%-44s %10.1f ms %12.1f ms\n", "burst moving the keys (Sky, Window Manager)", Median(shown.keys),
                Median(hidden.keys));
    std::printf("%-44s %10.2f ms %12.2f ms\n", "button-down on the Sky display", Median(shown.press),
                Median(hidden.press));
    std::printf("%-44s %10.1f ms %12.1f ms\n", "burst of Tab presses in the Sky panel", Median(shown.tab),
                Median(hidden.tab));
    if (shown.tabStill || hidden.tabStill) std::printf("(a Tab in the Sky panel did not move the keys)\n");
    std::fflush(stdout);
    return true;
}

}  // namespace
}  // namespace corvinata

int wmain(int argc, wchar_t** argv) {
    using namespace corvinata;
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const int clicks = argc > 2 ? std::max(2, _wtoi(argv[2])) : 100;
    if (!TimeClicks(rounds, clicks)) {
        std::printf("the frame or its Sky window did not open\n");
        return 1;
    }
    return 0;
}
