// Times one full paint of a graph under Wine: eight one-year lines with both
// grids, the plot 800 x 500 pixels and both axes, drawn by GDI into a shown
// window, over several runs; prints the median. Run by hand:
//   wine graph_paint_timing.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/current_time.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "documents/graph_document.h"
#include "views/graph_axes.h"
#include "views/graph_canvas_win.h"
#include "views/graph_image_win.h"
#include "views/graph_plot.h"

namespace {

using namespace corvinata;

class FixedTime final : public CurrentTimeAndLocationInterface {
public:
    const DateTimeLocation& GetTimeAndLocation() const override { return value; }
    DateTimeLocation value;
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
    CreateBodyTypeRegistry();
    if (!CreateCatalogues()) return 1;
    FixedTime now;
    now.value.dateTime = DateTime{2024, 1, 1, 12.0, kLocalCivilTime};
    NotificationHub hub;
    GraphDocument document(hub, ObjectModelGraphServices(now));
    for (int i = 0; i < 8; ++i) {
        GraphLine line;
        line.SetExpression(String(TXT("Sun.Lat(hor)")));
        line.colour = i + 2;
        for (int s = 0; s < kGraphValueCount; ++s)
            line.values[static_cast<std::size_t>(s)] = 60.0 * std::sin(s * 0.05 + i);
        document.InsertLine(i, line);
    }
    document.UpdateGraphRange();
    TimeAndLocation& settings = document.Settings();
    settings.beginDate = DateTime{2024, 1, 1, 0.0, kUniversalTime};
    settings.endDate = DateTime{2025, 1, 1, 0.0, kUniversalTime};
    settings.xAxisTimeSystem = kUniversalTime;
    settings.xAxisMarkStep = TimeStep{kDaysUnit, 7};
    settings.xAxisLabelStep = TimeStep{kMonthsUnit, 1};
    settings.yAxisMin = -90.0;
    settings.yAxisMax = 90.0;
    settings.xAxisGridActive = true;
    settings.xAxisGridStep = TimeStep{kDaysUnit, 7};
    settings.yAxisGridActive = true;
    settings.yAxisGridStep = 10;

    WNDCLASSW type{};
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"GraphPaintTiming";
    RegisterClassW(&type);
    HWND window = CreateWindowExW(0, type.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 900, 560, nullptr,
                                  nullptr, type.hInstance, nullptr);
    if (!window) return 1;
    const GraphColours colours = SystemGraphColours();
    const GraphAxisColours axisColours = SystemGraphAxisColours();
    GraphValueAxis axis;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        HDC dc = GetDC(window);
        QueryPerformanceCounter(&start);
        {
            GdiGraphCanvas canvas(dc, 800, 500);
            PaintGraph(canvas, document, 800, 500, 100, true, colours);
        }
        {
            GdiGraphCanvas canvas(dc, 800, 24);
            PaintGraphXAxis(canvas, document, 800, 24, axisColours);
        }
        {
            GdiGraphCanvas canvas(dc, 60, 500);
            axis.Paint(canvas, document, 60, 500, axisColours, {});
        }
        GdiFlush();
        QueryPerformanceCounter(&end);
        ReleaseDC(window, dc);
        times.push_back(Milliseconds(start, end, frequency));
    }
    DestroyWindow(window);
    std::sort(times.begin(), times.end());
    std::printf("graph paint (8 lines, grids, axes, 800 x 500): median %.2f ms over %d runs (min %.2f, max %.2f)\n",
                times[times.size() / 2], runs, times.front(), times.back());
    DestroyCatalogues();
    BodyTypeRegistryFree();
    return 0;
}
