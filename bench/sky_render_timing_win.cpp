// Times the sky renderer alone on the real OpenGL under Wine (llvmpipe), in
// a window of 1024 x 768 with the planetarium's layers (sky_timing_layers.h):
// the still frame and its parts (the layers without labels, without the
// horizon), the frames after each kind of change, the picks, and the fields
// of 1 and 10 degrees. Each figure is the median of the runs with its ratio
// to the still frame of the same run. Run by hand:
//   wine sky_render_timing.exe [runs [picture.ppm]]
// With a file name it also writes the still frame as a PPM picture.
#include <windows.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "sky_timing_layers.h"
#include "timing_support_win.h"
#include "views/sky_grids.h"
#include "views/sky_render_gl_win.h"
#include "views/sky_test_support.h"

namespace corvinata {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

double Median(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const double start = timing::NowMs();
        work();
        glFinish();
        times.push_back(timing::NowMs() - start);
    }
    return timing::Median(times);
}

// A frame, then its buffer into a PPM file.
void WritePicture(SkyRenderer& renderer, SkyGlWin& gl, const wchar_t* path) {
    gl.MakeCurrent();
    renderer.SkyRenderFrame();
    std::vector<unsigned char> pixels(kWidth * kHeight * 3);
    // The back buffer keeps the frame after the swap (as the tests read it).
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    FILE* file = _wfopen(path, L"wb");
    if (!file) return;
    std::fprintf(file, "P6\n%d %d\n255\n", kWidth, kHeight);
    for (int y = kHeight - 1; y >= 0; --y) std::fwrite(&pixels[y * kWidth * 3], 1, kWidth * 3, file);
    std::fclose(file);
}

int Run(int runs, const wchar_t* picture) {
    WNDCLASSW wc{};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvinataSkyTiming";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    HDC dc = GetDC(window);
    auto gl = CreateSkyGlWin(window, dc, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), nullptr);
    if (!gl) {
        std::printf("no OpenGL context\n");
        return 1;
    }
    LoadHorizonTexturesFromResources(GetModuleHandleW(nullptr));
    test::SkyScene scene;
    SkyOptions& options = scene.host.options;
    options = timing::PlanetariumLayers();
    scene.host.azimuth = 180.0;
    scene.host.altitude = 20.0;
    SkyRenderer renderer(scene.host, *gl);
    const auto nothing = [] {};
    const auto frame = [&] { renderer.SkyRenderFrame(); };
    renderer.SkyRenderFrame();
    std::printf("sky renderer %dx%d, field %d, median of %d runs\n", kWidth, kHeight, scene.host.fieldOfView, runs);
    timing::FigureReport report("still frame");
    // Still frames before every figure: the reference of the whole run.
    const auto stillFrames = [&] {
        for (int i = 0; i < 3; ++i) report.AddReference(Median(1, nothing, frame));
    };
    if (picture) WritePicture(renderer, *gl, picture);

    // The parts of the still frame: each layer kind switched off in turn.
    const SkyOptions layers = options;
    const struct {
        const char* name;
        void (*change)(SkyOptions&);
    } parts[] = {
        {"still frame without labels",
         [](SkyOptions& o) { o.starNamesOn = o.planetNamesOn = false, o.constellationNames = 0, o.deepSkyNameSystem = 5; }},
        {"still frame without the horizon", [](SkyOptions& o) { o.horizonType = 0; }},
        {"still frame without lines", [](SkyOptions& o) {
             o.gridType = 0;
             o.eclipticOn = o.constellationLinesOn = o.constellationBoundariesOn = false;
         }},
        {"still frame without the Sun and the Moon", [](SkyOptions& o) { o.sunOn = o.moonOn = false; }},
    };
    for (const auto& part : parts) {
        options = layers;
        renderer.SkyRenderFrame();
        stillFrames();
        part.change(options);
        renderer.OnViewUpdate(kSkyChangeOptions, false);
        renderer.SkyRenderFrame();
        report.Add(part.name, Median(runs, nothing, frame));
    }
    options = layers;
    renderer.OnViewUpdate(0, true);
    renderer.SkyRenderFrame();

    const struct {
        const char* name;
        std::uint32_t flags;
        std::function<void()> change;
    } changes[] = {
        {"direction change and frame", kSkyChangeDirection, [&] { scene.host.azimuth += 1.0; }},
        {"zoom change and frame", kSkyChangeZoom,
         [&] { scene.host.fieldOfView = scene.host.fieldOfView == 60 ? 50 : 60; }},
        {"time change and frame", kSkyChangeDateTime, [] {}},
        {"options change and frame", kSkyChangeOptions, [] {}},
        {"everything changed and frame", 0, [] {}},
    };
    for (const auto& change : changes) {
        stillFrames();
        report.Add(change.name, Median(
                                      runs,
                                      [&] {
                                          change.change();
                                          renderer.OnViewUpdate(change.flags, change.flags == 0);
                                      },
                                      frame));
    }
    scene.host.fieldOfView = 60;
    renderer.OnViewUpdate(kSkyChangeZoom, false);

    renderer.UseCoarseLayerList(true);
    renderer.SkyRenderFrame();
    report.Add("drag frame (coarse list), direction changed",
                 Median(
                     runs,
                     [&] {
                         scene.host.azimuth += 1.0;
                         renderer.OnViewUpdate(kSkyChangeDirection, false);
                     },
                     frame));
    renderer.UseCoarseLayerList(false);
    renderer.SkyRenderFrame();

    stillFrames();
    int x = 100;
    const auto pick = [&] {
        renderer.SkyFeedbackPick(x, 400);
        x = (x + 77) % kWidth;
    };
    report.Add("pick at an unchanged view", Median(runs, nothing, pick));
    report.Add("pick after a turn", Median(
                                          runs,
                                          [&] {
                                              scene.host.azimuth += 1.0;
                                              renderer.OnViewUpdate(kSkyChangeDirection, false);
                                          },
                                          pick));

    stillFrames();
    for (int field : {10, 1}) {
        scene.host.fieldOfView = field;
        renderer.OnViewUpdate(kSkyChangeZoom, false);
        renderer.SkyRenderFrame();
        char name[64];
        std::snprintf(name, sizeof name, "still frame, field %d", field);
        report.Add(name, Median(runs, nothing, frame));
    }
    report.Print();
    FreeHorizonTextures();
    gl.reset();
    ReleaseDC(window, dc);
    DestroyWindow(window);
    return 0;
}

}  // namespace
}  // namespace corvinata

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 15;
    return corvinata::Run(runs, argc > 2 ? argv[2] : nullptr);
}
