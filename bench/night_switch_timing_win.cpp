// Times night vision switched on and off under Wine, in-process on the
// program's real frame with 1, 10 and 30 Sky windows open (cascaded, each
// with its chart drawn): from the switch until every window has drawn what
// it was told to draw again. Also counts the paints each window receives in
// a switch. Every figure is the median of the runs; the run's first switch
// (the one that takes visual styles away) is timed on its own, once. The desktop's colours
// come back at the end, as when the program ends at night.
// Run by hand (scripts/timing runs it in a prefix of its own):
//   wine night_switch_timing.exe [runs]
// With NIGHT_SWITCH_DETAIL set in the environment it also names the windows
// painted more than once in a switch and prints how long the switch call
// itself took.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "resources/resource_ids.h"
#include "timing_loop_win.h"
#include "timing_program_win.h"
#include "timing_support_win.h"

namespace corvinata {
namespace {

using timing::Median;
using timing::NowMs;
using timing::Pump;

// The paints of each window of the thread while counting: those sent
// (inside the system's repaint) and those taken from the queue.
std::map<HWND, int> g_paints;
bool g_counting = false;

LRESULT CALLBACK CountSentPaint(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_counting && sent->message == WM_PAINT) ++g_paints[sent->hwnd];
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CountQueuedPaint(int code, WPARAM wParam, LPARAM lParam) {
    const auto* taken = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && g_counting && taken->message == WM_PAINT)
        ++g_paints[taken->hwnd];
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Until nothing is waiting: the paints a switch leaves come one after
// another as the queue empties.
void PumpUntilQuiet() {
    for (int round = 0; round < 50; ++round) {
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) return;
        Pump();
    }
}

struct SwitchFigures {
    std::vector<double> on;
    std::vector<double> off;
    int mostPaints = 0;  // of one window in one switch
};

// One switch on and one off, added to `figures`.
void TimeSwitch(NightVisionSettings& night, SwitchFigures& figures) {
    for (const bool on : {true, false}) {
        g_paints.clear();
        g_counting = true;
        const double start = NowMs();
        night.ApplyNightVision(on, kKeepLevel, kKeepLevel);
        if (std::getenv("NIGHT_SWITCH_DETAIL")) std::printf("  switch itself %.1f ms\n", NowMs() - start);
        PumpUntilQuiet();
        const double time = NowMs() - start;
        g_counting = false;
        (on ? figures.on : figures.off).push_back(time);
        int painted = 0;
        for (const auto& [window, count] : g_paints) {
            figures.mostPaints = std::max(figures.mostPaints, count);
            if (count > 1) ++painted;
            if (count > 1 && std::getenv("NIGHT_SWITCH_DETAIL")) {
                wchar_t name[64] = L"";
                GetClassNameW(window, name, 64);
                std::printf("  %ls painted %d times\n", name, count);
            }
        }
        if (painted && std::getenv("NIGHT_SWITCH_DETAIL"))
            std::printf("  %d windows painted more than once\n", painted);
    }
}

SwitchFigures TimeSwitches(FrameWindow& frame, int runs) {
    SwitchFigures figures;
    NightVisionSettings& night = frame.NightVision();
    // Once unmeasured: what the windows just opened have still to draw.
    night.ApplyNightVision(true, kKeepLevel, kKeepLevel);
    PumpUntilQuiet();
    night.ApplyNightVision(false, kKeepLevel, kKeepLevel);
    PumpUntilQuiet();
    for (int i = 0; i < runs; ++i) TimeSwitch(night, figures);
    return figures;
}

void Report(const char* what, const SwitchFigures& figures, int runs) {
    std::printf("%s: on %7.1f ms  off %7.1f ms  (median of %d)  most paints of a window in a switch: %d\n", what,
                Median(figures.on), Median(figures.off), runs, figures.mostPaints);
    std::fflush(stdout);
}

}  // namespace
}  // namespace corvinata

int wmain(int argc, wchar_t** argv) {
    using namespace corvinata;
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const HHOOK sent = SetWindowsHookExW(WH_CALLWNDPROC, &CountSentPaint, nullptr, GetCurrentThreadId());
    const HHOOK queued = SetWindowsHookExW(WH_GETMESSAGE, &CountQueuedPaint, nullptr, GetCurrentThreadId());
    {
        timing::StartedProgram program(L"night_switch_timing");
        if (!program.Started()) return 1;
        FrameWindow& frame = program.Frame();
        PumpUntilQuiet();
        // The run's first switch, which also takes visual styles away from
        // every window, once: with one Sky window drawn.
        SendMessageW(frame.Window(), WM_COMMAND, CMD_NEW_SKY, 0);
        PumpUntilQuiet();
        SwitchFigures first;
        TimeSwitch(frame.NightVision(), first);
        Report("first switch, 1 Sky window", first, 1);
        int open = 1;
        for (const int windows : {1, 10, 30}) {
            for (; open < windows; ++open) {
                SendMessageW(frame.Window(), WM_COMMAND, CMD_NEW_SKY, 0);
                PumpUntilQuiet();
            }
            char what[32];
            std::snprintf(what, sizeof what, "%2d Sky windows", windows);
            Report(what, TimeSwitches(frame, runs), runs);
        }
    }
    Pump();
    UnhookWindowsHookEx(sent);
    UnhookWindowsHookEx(queued);
    return 0;
}
