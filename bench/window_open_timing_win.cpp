// Times how long a new window of each kind takes from its Window > New
// command to its first painted frame, under Wine, in-process on a real frame
// as the program starts it: the first window of a kind (pictures decoded,
// classes and panel made), then a second one beside it, opened and closed
// again as many times as asked. Prints the first and the median of the
// second windows of each kind. Run by hand beside countryshape.dat:
//   wine window_open_timing.exe [runs]
// The settings live under a key of the program's own, removed at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// The command, then every paint the new window and its children wait for.
// The window made, or none.
HWND OpenAndPaint(FrameWindow& frame, int command, double& milliseconds) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageW(frame.Window(), WM_COMMAND, command, 0);
    MdiChildWindow* window = frame.Children().ActiveWindow();
    if (window) RedrawWindow(window->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&end);
    milliseconds = Milliseconds(start, end);
    return window ? window->Handle() : nullptr;
}

struct Kind {
    const char* name;
    int command;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const Kind kinds[] = {{"Sky", CMD_NEW_SKY},
                          {"Jupiter explorer", CMD_NEW_JUPITER},
                          {"Saturn explorer", CMD_NEW_SATURN},
                          {"Solar Eclipse", CMD_NEW_ECLIPSE}};
    std::vector<double> firsts;
    std::vector<std::vector<double>> seconds(std::size(kinds));
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
    }
    Pump();
    for (std::size_t k = 0; k < std::size(kinds); ++k) {
        std::printf("%-17s first window %6.1f ms, a second window: median %6.1f ms of %d\n", kinds[k].name, firsts[k],
                    Median(seconds[k]), runs);
    }
    return 0;
}
