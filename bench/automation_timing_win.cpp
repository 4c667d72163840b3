// The cost of one property get from an automation client: the median of
// 1,000 gets of a Sky window's zoom through the vtable, out of process (the
// program registered and started by COM). Run by hand under Wine after
// "Corvinata.exe -RegServer". The program writes the user's settings: they
// are copied aside first and put back at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "generated/corvinata_server.h"
#include "timing_support_win.h"

int wmain() {
    const corvinata::timing::SavedProgramSettings saved;
    if (FAILED(CoInitialize(nullptr))) return 1;
    ICorvinataApp* app = nullptr;
    if (FAILED(CoCreateInstance(CLSID_App, nullptr, CLSCTX_LOCAL_SERVER, IID_ICorvinataApp,
                                reinterpret_cast<void**>(&app)))) {
        std::printf("the server could not be created (registered?)\n");
        return 1;
    }
    ICorvinataSkyWindow* sky = nullptr;
    if (FAILED(app->OpenSkyWindow(&sky)) || !sky) return 1;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> microseconds;
    microseconds.reserve(1000);
    INT zoom = 0;
    for (int i = 0; i < 1000; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        sky->get_Zoom(&zoom);
        QueryPerformanceCounter(&end);
        microseconds.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("property get (Sky Zoom, out of process): median %.1f us, 10%% %.1f us, 90%% %.1f us\n",
                microseconds[500], microseconds[100], microseconds[900]);
    sky->Release();
    app->Release();
    CoUninitialize();
    return 0;
}
