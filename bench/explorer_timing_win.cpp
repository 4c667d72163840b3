// Times the Saturn explorer's display on the real OpenGL under Wine
// (llvmpipe), 600 x 600: a frame (textured oblate globe, rings, eight moons,
// orbits and names) and an animation tick (the document moved by an hour,
// its moons recomputed, the orbit cache checked, a frame shown). Prints the
// medians, the tick with its ratio to the frame. Run by hand:
//   wine explorer_timing.exe [runs]
#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/explorer_documents.h"
#include "support/app_fakes.h"
#include "timing_support_win.h"
#include "support/catalogues.h"
#include "views/explorer_render.h"
#include "views/explorer_textures_win.h"
#include "views/sky_render_gl_win.h"

namespace corvinata {
namespace {

constexpr int kSide = 600;

double Median(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        glFinish();
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
    current.value.dateTime = {2017, 10, 16, 0.0, kUniversalTime};
    SaturnExplorerDocument document(hub, current);

    WNDCLASSW wc{};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ExplorerTiming";
    RegisterClassW(&wc);
    RECT frame{0, 0, kSide, kSide};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExW(0, L"ExplorerTiming", L"Explorer timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    HDC dc = GetDC(window);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    int status = 1;
    {
        std::unique_ptr<SkyGlWin> gl = CreateSkyGlWin(window, dc, font, font);
        ExplorerImage planet, ring;
        if (!gl || !LoadExplorerImage(wc.hInstance, TXT("AST_PIXMAP_SATURN"), 1024, 512, planet) ||
            !LoadExplorerImage(wc.hInstance, TXT("AST_PIXMAP_SATURN_RING"), 1024, 1, ring)) {
            std::printf("no GL context or pictures\n");
        } else {
            const std::vector<std::uint32_t> atlas = BuildExplorerAtlas(planet.bgr, ring.bgr, false);
            gl->TexImage(kExplorerAtlasSide, kExplorerAtlasSide, atlas.data());
            gl->TexRepeatNearest();
            const ExplorerGeometry geometry = SaturnExplorerGeometry();
            ExplorerOrbitCache orbits(geometry);
            const Char* names[] = {TXT("Mimas"), TXT("Enceladus"), TXT("Tethys"), TXT("Dione"),
                                   TXT("Rhea"),  TXT("Titan"),     TXT("Hyperion"), TXT("Iapetus")};
            ExplorerFrame scene;
            scene.geometry = &geometry;
            scene.view.width = scene.view.height = kSide;
            scene.view.halfSize = ExplorerHalfSize(geometry, 4);
            scene.zoomLevel = 4;
            scene.textured = true;
            for (int k = 0; k < 8; ++k) {
                for (const Char* p = names[k]; *p; ++p) scene.names[k].push_back(static_cast<char32_t>(*p));
            }
            auto draw = [&] {
                orbits.Check(document.GetTimeAndPlace().dateTime, document.DynamicalJulianDay());
                scene.orbits = &orbits.Paths();
                scene.tiltToEarth = document.TiltToEarth();
                for (int k = 0; k < 8; ++k) {
                    const auto& m = document.Moons();
                    scene.moons.position[k] = {m[3 * k], m[3 * k + 1], m[3 * k + 2]};
                }
                DrawExplorerFrame(*gl, scene);
                gl->SwapBuffers();
            };
            draw();
            const double frameTime = Median(runs, draw);
            double hours = 0.0;
            const double tick = Median(runs, [&] {
                hours += 1.0;
                document.SetDateTime(DateTime{2017, 10, 16 + static_cast<int>(hours / 24.0),
                                              hours - 24.0 * static_cast<int>(hours / 24.0), kUniversalTime});
                draw();
            });
            std::printf("median of %d runs\n", runs);
            timing::FigureReport report("Saturn frame 600x600 (globe, rings, 8 moons, orbits, names)");
            report.AddReference(frameTime);
            report.Add("animation tick (document moved, moons, orbit cache, frame)", tick);
            report.Print();
            status = 0;
        }
    }
    DeleteObject(font);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    return status;
}

}  // namespace
}  // namespace corvinata

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 21;
    return corvinata::Run(runs);
}
