// Times the Solar System plan under Wine: a paint at 800 x 800 with every
// option on (orbits, names, symbols, the Moon, sight lines and the whole
// zodiac ring), one animation tick (the document recomputed for the next
// moment, the panel's nine cells, the paint), and the document as the
// program makes it at start-up (positions and every orbit track). Prints
// the medians with their ratios to the paint. Run by hand:
//   wine solar_system_timing.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/solar_system_computer.h"
#include "catalog/event_kinds.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "timing_support_win.h"
#include "views/solar_system_gdi_win.h"

namespace corvinata {
namespace {

constexpr int kSide = 800;

double Median(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int Run(int runs) {
    test::ScopedCatalogues catalogues;
    NotificationHub hub;
    test::FakeCurrentTime current;
    DateTimeLocationInit(current.value);
    current.value.dateTime = {2024, 6, 21, 22.5, kLocalCivilTime};
    CatalogueSolarSystemComputer computer;
    SolarSystemDocument document(hub, current, computer);

    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SolarTiming";
    RegisterClassW(&wc);
    RECT frame{0, 0, kSide, kSide};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExW(0, L"SolarTiming", L"Solar timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    HDC dc = GetDC(window);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);

    PlanScene scene;
    scene.width = scene.height = kSide;
    scene.zoom = 8;
    scene.options.moonOn = scene.options.namesOn = scene.options.signsOn = scene.options.orbitsOn = true;
    scene.options.zodiacRightAscension = scene.options.zodiacSigns = scene.options.zodiacConstellations =
        scene.options.zodiacSightLines = true;
    PlanNamesFromCatalogues(scene.names);
    scene.positions = PlanPositionsOf(document);

    const double paint = Median(runs, [&] { PaintSolarSystemPlan(dc, scene, font, font); });
    int day = 0;
    String cell;
    const double tick = Median(runs, [&] {
        ++day;
        document.SetDateTime(DateTime{2024, 7, 1 + day % 28, 12.0, kLocalCivilTime}, false);
        for (int planet = 0; planet <= 8; ++planet) {
            SolarSystemValueCellText(planet, kFunctionHeliocentricLongitude, document.GetTimeAndPlace(), cell);
        }
        scene.positions = PlanPositionsOf(document);
        PaintSolarSystemPlan(dc, scene, font, font);
    });
    const double startup = Median(runs, [&] { SolarSystemDocument made(hub, current, computer); });
    std::printf("median of %d runs\n", runs);
    timing::FigureReport report("paint 800x800, every option on", "paints");
    report.AddReference(paint);
    report.Add("animation tick (recompute, panel cells, paint)", tick);
    report.Add("document at start-up (positions, tracks)", startup);
    report.Print();
    DeleteObject(font);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    return 0;
}

}  // namespace
}  // namespace corvinata

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 21;
    return corvinata::Run(runs);
}
