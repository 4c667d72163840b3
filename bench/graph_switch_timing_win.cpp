// Times a switch between two Graph windows under Wine, in-process on a real
// frame as the program starts it: a graph of many lines (2,000 unless told)
// and one of 100 share the control panel, which each activation fills with
// the active graph's lines. Prints the time the large graph's panel takes
// to fill first, then the median switch each way, each with the panel
// painted. Run by hand:
//   wine graph_switch_timing.exe [lines] [runs]
// The settings live under a key of the program's own, removed at the end.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "timing_loop_win.h"
#include "timing_program_win.h"
#include "views/graph_panel_win.h"
#include "views/graph_window_win.h"

namespace {

using namespace corvinata;
using timing::Median;
using timing::Milliseconds;
using timing::Pump;

// A new Graph window of `count` lines with values of their own, the last
// but one selected.
GraphWindow* OpenGraph(FrameWindow& frame, int count) {
    SendMessageW(frame.Window(), WM_COMMAND, CMD_NEW_GRAPH, 0);
    auto* graph = dynamic_cast<GraphWindow*>(frame.Children().ActiveWindow());
    if (graph == nullptr) return nullptr;
    for (int i = 0; i < count; ++i) {
        GraphLine line;
        line.name = String(std::to_wstring(i + 1).c_str());
        line.SetExpression(String(TXT("Sun.Lat(hor)")));
        line.colour = 2 + i % 8;
        for (int s = 0; s < kGraphValueCount; ++s)
            line.values[static_cast<std::size_t>(s)] = 60.0 * std::sin(s * 0.05 + i);
        graph->Graph().InsertLine(i, line);
    }
    graph->Graph().SetSelectedLine(count - 2);
    return graph;
}

// The panel filled for the window, and painted.
double FillPanel(ControlPanel& panel, const std::function<void()>& fill) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    fill();
    RedrawWindow(panel.GetDialogWindow(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int lines = argc > 1 ? std::max(2, _wtoi(argv[1])) : 2000;
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 9;
    double first = 0.0;
    std::vector<double> toLarge;
    std::vector<double> toSmall;
    {
        timing::StartedProgram program(L"graph_switch_timing");
        if (!program.Started()) return 1;
        FrameWindow& frame = program.Frame();
        Pump();
        GraphWindow* small = OpenGraph(frame, 100);
        ControlPanel* panel = frame.Children().PanelOf(kGraphWindow);
        if (small == nullptr || panel == nullptr) return 1;
        panel->ControlPanelUpdate(nullptr);
        Pump();
        GraphWindow* large = OpenGraph(frame, lines);
        if (large == nullptr) return 1;
        first = FillPanel(*panel, [&] { panel->ControlPanelUpdate(nullptr); });
        Pump();
        for (int i = 0; i < runs; ++i) {
            for (GraphWindow* to : {small, large}) {
                const double time = FillPanel(*panel, [&] {
                    SendMessageW(frame.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(to->Handle()), 0);
                });
                (to == large ? toLarge : toSmall).push_back(time);
                Pump();
            }
        }
        for (GraphWindow* graph : {small, large}) graph->Graph().History().MarkSaved();
    }
    Pump();
    std::printf("graph panel of %d lines filled first: %.1f ms\n", lines, first);
    std::printf("switch to the %d-line graph: median %.1f ms of %d\n", lines, Median(toLarge), runs);
    std::printf("switch to the 100-line graph: median %.1f ms of %d\n", Median(toSmall), runs);
    return 0;
}
