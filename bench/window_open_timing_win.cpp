// Times how long a new window of each kind takes from its Window > New
// command to its first painted frame, under Wine, in-process on a real frame
// as the program starts it: the first window of a kind (pictures decoded,
// classes and panel made), then a second one beside it, opened and closed
// again as many times as asked. Prints the first and the median of the
// second windows of each kind. Then, with the control panel, Related Tasks
// and the Window Manager shown, ten windows of mixed kinds opened one after
// another by Window > New, each with the work it posts done (the keys
// handed to its panel) and painted: the median of as many rounds as asked.
// Run by hand beside countryshape.dat:
//   wine window_open_timing.exe [runs]
// The settings live under a key of the program's own, removed at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <vector>

#include "resources/resource_ids.h"
#include "timing_loop_win.h"
#include "timing_program_win.h"

namespace {

using namespace corvinata;
using timing::Median;
using timing::Milliseconds;
using timing::Pump;

// The command, the work it posted, then every paint the frame and its
// windows wait for. The window made, or none.
HWND OpenAndPaint(FrameWindow& frame, int command, double& milliseconds) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageW(frame.Window(), WM_COMMAND, command, 0);
    Pump();
    MdiChildWindow* window = frame.Children().ActiveWindow();
    RedrawWindow(frame.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&end);
    milliseconds = Milliseconds(start, end);
    return window ? window->Handle() : nullptr;
}

struct Kind {
    const char* name;
    int command;
};

// Ten windows, each kind that opens without a question at its close.
constexpr int kMixedKinds[] = {CMD_NEW_SKY,    CMD_NEW_SOLAR_SYSTEM, CMD_NEW_JUPITER,
                               CMD_NEW_SATURN, CMD_NEW_ECLIPSE,      CMD_NEW_PICTURE,
                               CMD_NEW_REPORT, CMD_NEW_SKY,          CMD_NEW_SOLAR_SYSTEM,
                               CMD_NEW_ECLIPSE};

// The ten windows opened by Window > New with the panes shown, each one's
// posted work done and painted before the next; the milliseconds, or a
// negative number when a window did not open.
double OpenMixedWindows(FrameWindow& frame) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int command : kMixedKinds) {
        SendMessageW(frame.Window(), WM_COMMAND, command, 0);
        Pump();
        RedrawWindow(frame.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    QueryPerformanceCounter(&end);
    const bool opened = frame.Registry().AllWindows().size() == std::size(kMixedKinds);
    SendMessageW(frame.Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
    Pump();
    return opened ? Milliseconds(start, end) : -1.0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const Kind kinds[] = {{"Sky", CMD_NEW_SKY},
                          {"Picture", CMD_NEW_PICTURE},
                          {"Jupiter explorer", CMD_NEW_JUPITER},
                          {"Saturn explorer", CMD_NEW_SATURN},
                          {"Solar Eclipse", CMD_NEW_ECLIPSE}};
    std::vector<double> firsts;
    std::vector<std::vector<double>> seconds(std::size(kinds));
    std::vector<double> mixed;
    std::vector<double> toggles;
    {
        timing::StartedProgram program(L"window_open_timing");
        if (!program.Started()) return 1;
        FrameWindow& frame = program.Frame();
        Pump();
        for (std::size_t k = 0; k < std::size(kinds); ++k) {
            double first = 0.0;
            if (!OpenAndPaint(frame, kinds[k].command, first)) return 1;
            firsts.push_back(first);
            Pump();
            for (int i = 0; i < runs; ++i) {
                double second = 0.0;
                HWND window = OpenAndPaint(frame, kinds[k].command, second);
                if (!window) return 1;
                seconds[k].push_back(second);
                Pump();
                SendMessageW(window, WM_CLOSE, 0, 0);
                Pump();
            }
            SendMessageW(frame.Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
            Pump();
        }
        for (int pane : {CMD_VIEW_CONTROL_PANEL, CMD_VIEW_RELATED_TASKS, CMD_VIEW_WINDOW_MANAGER}) {
            if (!frame.IsPaneShown(pane)) SendMessageW(frame.Window(), WM_COMMAND, pane, 0);
        }
        Pump();
        for (int i = 0; i < runs; ++i) {
            const double milliseconds = OpenMixedWindows(frame);
            if (milliseconds < 0) return 1;
            mixed.push_back(milliseconds);
        }
        // A pane shown or hidden beside a Sky window, its posted work done
        // and everything painted.
        SendMessageW(frame.Window(), WM_COMMAND, CMD_NEW_SKY, 0);
        Pump();
        for (int i = 0; i < 2 * runs; ++i) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            SendMessageW(frame.Window(), WM_COMMAND, CMD_VIEW_RELATED_TASKS, 0);
            Pump();
            RedrawWindow(frame.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            QueryPerformanceCounter(&end);
            toggles.push_back(Milliseconds(start, end));
        }
    }
    Pump();
    for (std::size_t k = 0; k < std::size(kinds); ++k) {
        std::printf("%-17s first window %6.1f ms, a second window: median %6.1f ms of %d\n", kinds[k].name, firsts[k],
                    Median(seconds[k]), runs);
    }
    std::printf("%zu mixed windows by Window > New, panes shown: median %6.1f ms of %d (%.1f to %.1f)\n",
                std::size(kMixedKinds), Median(mixed), runs, *std::min_element(mixed.begin(), mixed.end()),
                *std::max_element(mixed.begin(), mixed.end()));
    std::printf("a pane shown or hidden beside a Sky window: median %6.1f ms of %zu\n", Median(toggles),
                toggles.size());
    return 0;
}
