// Times one animation tick of the Sky control panel under Wine, in-process
// on a real frame: the panel's timer steps the Sky document, the window
// redraws its 1000 x 1000 chart at a field of 60 degrees and the panel
// shows the new moment and the selected planet. The panel's timer fires
// every 100 ms, so a tick must take less. Prints the median of the ticks.
// Run by hand:
//   wine sky_panel_timing.exe [ticks]
// The program's settings of this prefix are removed before and after.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "astro/planet_records.h"
#include "base/storage_service_win.h"
#include "frame/application_run.h"
#include "controls/custom_controls_setup.h"
#include "frame/frame_window.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "views/sky_display_win.h"
#include "views/sky_panel_win.h"
#include "views/sky_window_win.h"

namespace {

using namespace corvinata;

// The panel's animation timer (its id in the panel).
constexpr UINT_PTR kAnimationTimer = 7301;

void RemoveSettings() {
    Win32StorageService storage;
    storage.CreateRegistryNode(RegistryHive::CurrentUser, L"\\Software\\Corvinata Software")->DeleteTree();
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) DispatchMessageW(&message);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int ticks = argc > 1 ? std::max(1, _wtoi(argv[1])) : 51;
    RemoveSettings();
    wchar_t module[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    PathName program;
    program.SetPath(module);
    std::vector<double> times;
    RECT chart{};
    {
        std::unique_ptr<Application> started = CreateProgramApplication(std::make_unique<Win32StorageService>(), program);
        Application& app = *started;
        if (!StartApplication(app)) return 1;
        CustomControlsSession controls(GetModuleHandleW(nullptr), app.Controls());
        ModelessDialogList modeless;
        FrameWindow frame(app, GetModuleHandleW(nullptr), modeless, false);
        frame.SetOfferWelcome(false);
        frame.SetShowOnCreate(false);
        if (!frame.Create()) return 1;
        ProgramFonts fonts(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(frame, app, GetModuleHandleW(nullptr), fonts);
        SendMessageW(frame.Window(), kStartupMessage, 0, 0);
        // Room for a chart of 1000 x 1000 beside the control panel.
        SetWindowPos(frame.Window(), HWND_TOP, 0, 0, 1600, 1300, SWP_SHOWWINDOW);
        for (const int pane : {CMD_VIEW_RELATED_TASKS, CMD_VIEW_WINDOW_MANAGER}) {
            if (frame.IsPaneShown(pane)) SendMessageW(frame.Window(), WM_COMMAND, pane, 0);
        }
        SendMessageW(frame.Window(), WM_COMMAND, CMD_NEW_SKY, 0);
        auto* sky = dynamic_cast<SkyWindow*>(frame.Children().ActiveWindow());
        auto* panel = dynamic_cast<SkyControlPanel*>(frame.Children().PanelOf(kSkyWindow));
        if (!sky || !panel || !sky->Display()) return 1;
        RECT outer{}, inner{};
        GetWindowRect(sky->Handle(), &outer);
        GetClientRect(sky->Handle(), &inner);
        SetWindowPos(sky->Handle(), HWND_TOP, 0, 0, 1000 + (outer.right - outer.left) - inner.right,
                     1000 + (outer.bottom - outer.top) - inner.bottom, 0);
        // The chart may sit inside a border of the window's client area.
        GetClientRect(sky->Display()->Window(), &chart);
        GetWindowRect(sky->Handle(), &outer);
        SetWindowPos(sky->Handle(), HWND_TOP, 0, 0, outer.right - outer.left + 1000 - chart.right,
                     outer.bottom - outer.top + 1000 - chart.bottom, 0);
        sky->SelectBody(BodyIdentifierFromObject(GetCatalogueObject(kBodyPlanet, 3)), 0, 0, 0);
        sky->SetZoom(60);
        sky->UpdateView(0, true);
        Pump();
        HWND dialog = panel->GetDialogWindow();
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kAnimateItem, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, kAnimateItem)));
        for (int i = 0; i < ticks; ++i) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            SendMessageW(dialog, WM_TIMER, kAnimationTimer, 0);
            UpdateWindow(sky->Display()->Window());
            UpdateWindow(dialog);
            QueryPerformanceCounter(&end);
            times.push_back(Milliseconds(start, end));
            Pump();
        }
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kAnimateItem, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, kAnimateItem)));
        GetClientRect(sky->Display()->Window(), &chart);
        SendMessageW(frame.Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
    }
    Pump();
    RemoveSettings();
    std::printf("chart client %ldx%ld\n", chart.right, chart.bottom);
    std::printf("animation tick (document, chart, panel): median %.1f ms of %d\n", Median(times), ticks);
    return 0;
}
