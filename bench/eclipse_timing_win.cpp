// Times the Solar Eclipse window under Wine, in-process on a real frame: from
// the Window > New > Solar Eclipse command to the first painted map (the
// eclipse of 11 August 1999, its model computed for the new window's
// document), and one repaint of the map at 1000 x 700 pixels. Prints the
// median of the runs, the opening with its ratio to the repaint. Run by hand
// beside countryshape.dat:
//   wine eclipse_timing.exe [runs]
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
#include "timing_support_win.h"
#include "views/eclipse_window_win.h"

namespace {

using namespace corvinata;
using timing::Median;
using timing::Milliseconds;
using timing::Pump;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    std::vector<double> opens;
    std::vector<double> repaints;
    bool modelKept = true;
    {
        timing::StartedProgram program(L"eclipse_timing");
        if (!program.Started()) return 1;
        FrameWindow& frame = program.Frame();
        for (int i = 0; i < runs; ++i) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            SendMessageW(frame.Window(), WM_COMMAND, CMD_NEW_ECLIPSE, 0);
            auto* window = dynamic_cast<SolarEclipseWindow*>(frame.Children().ActiveWindow());
            if (!window) return 1;
            UpdateWindow(window->Display().Window());
            QueryPerformanceCounter(&end);
            opens.push_back(Milliseconds(start, end));
            SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
            Pump();
        }
        SendMessageW(frame.Window(), WM_COMMAND, CMD_NEW_ECLIPSE, 0);
        auto* window = dynamic_cast<SolarEclipseWindow*>(frame.Children().ActiveWindow());
        if (!window) return 1;
        // Room for a map of 1000 x 700: the panes beside the windows go.
        for (const int pane : {CMD_VIEW_RELATED_TASKS, CMD_VIEW_WINDOW_MANAGER, CMD_VIEW_CONTROL_PANEL}) {
            if (frame.IsPaneShown(pane)) SendMessageW(frame.Window(), WM_COMMAND, pane, 0);
        }
        SendMessageW(frame.MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
        RECT client{};
        GetClientRect(frame.MdiClient(), &client);
        const int width = std::min<int>(1000, client.right);
        const int height = std::min<int>(700, client.bottom);
        SendMessageW(frame.MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(window->Handle()), 0);
        RECT outer{}, inner{};
        GetWindowRect(window->Handle(), &outer);
        GetClientRect(window->Handle(), &inner);
        SetWindowPos(window->Handle(), HWND_TOP, 0, 0, width + (outer.right - outer.left) - inner.right,
                     height + (outer.bottom - outer.top) - inner.bottom, 0);
        UpdateWindow(window->Display().Window());
        const SolarEclipseModel* model = &window->View().Document().Map();
        for (int i = 0; i < runs * 3; ++i) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            window->Display().Refresh();
            QueryPerformanceCounter(&end);
            repaints.push_back(Milliseconds(start, end));
        }
        modelKept = model == &window->View().Document().Map();
        RECT map{};
        GetClientRect(window->Display().Window(), &map);
        std::printf("map client %ldx%ld\n", map.right, map.bottom);
        SendMessageW(frame.Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
    }
    Pump();
    timing::FigureReport report("repaint of the map", "repaints");
    for (double repaint : repaints) report.AddReference(repaint);
    report.Add("command to first painted map (1999-08-11)", Median(opens));
    report.Print();
    std::printf("model computed once: %s\n", modelKept ? "yes" : "no");
    return modelKept ? 0 : 1;
}
