// Times the sky chart on the real OpenGL under Wine (llvmpipe): a window of
// 1000 x 1000 with every layer on, the median of several runs of a frame at
// field 60 and at 180, a drag frame (coarse list, scene rebuilt), a rebuild
// after an options change, and a pick. Run by hand:
//   wine sky_render_timing.exe [runs [picture.ppm]]
// With a file name it also writes the field-60 frame as a PPM picture.
#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "views/sky_grids.h"
#include "views/sky_render_gl_win.h"
#include "views/sky_test_support.h"

namespace corvinata {
namespace {

constexpr int kSide = 1000;

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    glFinish();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        times.push_back(Milliseconds(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void EverythingOn(SkyOptions& o) {
    o.gridType = 2;
    o.gridLabelsOn = true;
    o.eclipticOn = o.constellationLinesOn = o.constellationBoundariesOn = true;
    o.sunOn = o.moonOn = o.planetTracksOn = true;
    o.planetDisplayMode = 1;
    o.planetNamesOn = o.planetSymbolsOn = true;
    o.starNamesOn = o.starLettersOn = true;
    o.constellationNames = 2;
    o.deepSkyCatalogue = 1;
    o.deepSkyNameSystem = 3;
    o.magnitudeLimit = 20;
    o.horizonType = 2;
}

// The frame's steps up to the swap, then the back buffer into a PPM file.
void WritePicture(SkyRenderer& renderer, SkyGlWin& gl, const wchar_t* path) {
    gl.MakeCurrent();
    gl.DrawBackBuffer();
    renderer.SkySetViewport();
    renderer.SkyEnsureLists();
    gl.CallList(SkyList::kScene);
    renderer.SkyDrawScene(1);
    glFinish();
    std::vector<unsigned char> pixels(kSide * kSide * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSide, kSide, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    FILE* file = _wfopen(path, L"wb");
    if (!file) return;
    std::fprintf(file, "P6\n%d %d\n255\n", kSide, kSide);
    for (int y = kSide - 1; y >= 0; --y) std::fwrite(&pixels[y * kSide * 3], 1, kSide * 3, file);
    std::fclose(file);
}

int Run(int runs, const wchar_t* picture) {
    WNDCLASSW wc{};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvinataSkyTiming";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, kSide,
                                  kSide, nullptr, nullptr, wc.hInstance, nullptr);
    HDC dc = GetDC(window);
    auto gl = CreateSkyGlWin(window, dc, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                             nullptr);
    if (!gl) {
        std::printf("no OpenGL context\n");
        return 1;
    }
    LoadHorizonTexturesFromResources(GetModuleHandleW(nullptr));
    test::SkyScene scene;
    EverythingOn(scene.host.options);
    scene.host.options.mapType = 0;
    scene.host.altitude = 30;
    SkyRenderer renderer(scene.host, *gl);
    const auto nothing = [] {};
    const auto frame = [&] { renderer.SkyRenderFrame(); };
    for (int field : {60, 180}) {
        scene.host.fieldOfView = field;
        renderer.OnViewUpdate(kSkyChangeZoom, false);
        renderer.SkyRenderFrame();
        std::printf("frame, field %3d:           %7.1f ms\n", field, Median(runs, nothing, frame));
        if (field == 60 && picture) WritePicture(renderer, *gl, picture);
    }
    scene.host.fieldOfView = 60;
    renderer.OnViewUpdate(kSkyChangeZoom, false);
    renderer.UseCoarseLayerList(true);
    renderer.SkyRenderFrame();
    std::printf("drag frame, field 60:       %7.1f ms\n",
                Median(runs,
                       [&] {
                           scene.host.azimuth += 1.0;
                           renderer.OnViewUpdate(kSkyChangeDirection, false);
                       },
                       frame));
    renderer.UseCoarseLayerList(false);
    std::printf("options change and frame:   %7.1f ms\n",
                Median(runs, [&] { renderer.OnViewUpdate(kSkyChangeOptions, false); }, frame));
    renderer.SkyRenderFrame();
    int x = 100;
    std::printf("pick:                       %7.1f ms\n",
                Median(runs, nothing, [&] {
                    renderer.SkyFeedbackPick(x, 500);
                    x += 77;
                }));
    FreeHorizonTextures();
    gl.reset();
    ReleaseDC(window, dc);
    DestroyWindow(window);
    return 0;
}

}  // namespace
}  // namespace corvinata

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 9;
    return corvinata::Run(runs, argc > 2 ? argv[2] : nullptr);
}
