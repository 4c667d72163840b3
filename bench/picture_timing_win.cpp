// Times the Picture window under Wine, in the program's own frame over the
// pack beside this program: opening a window on the 1024 x 640 M42 until it
// is painted, and showing another picture in it (one undoable step, loaded
// and repainted at once). Prints the medians of several runs:
//   wine picture_timing.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/application.h"
#include "app/help_topics_win.h"
#include "base/storage_service_win.h"
#include "frame/application_run.h"
#include "controls/custom_controls_setup.h"
#include "frame/frame_window.h"
#include "views/picture_window_win.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "own_settings_storage_win.h"
#include "timing_support_win.h"

namespace {

using namespace corvinata;

using timing::Median;
using timing::NowMs;
using timing::Pump;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    OleInitialize(nullptr);
    Application app(std::make_unique<timing::OwnSettingsStorage>(L"picture_timing"), GetProgramDirectory(instance),
                    ApplicationHooks{});
    CustomControlsSession controls(instance, app.Controls());
    if (!StartApplication(app)) return 1;
    ModelessDialogList modeless;
    FrameWindow frame(app, instance, modeless, false);
    frame.SetOfferWelcome(false);
    if (!frame.Create()) return 1;
    ProgramFonts fonts(instance);
    AddProgramWindowKinds(frame, app, instance, fonts);
    SendMessageW(frame.Window(), kStartupMessage, 0, 0);
    Pump();
    std::vector<double> opening;
    std::vector<double> showing;
    for (int run = 0; run < runs; ++run) {
        const double start = NowMs();
        auto* window = dynamic_cast<PictureWindow*>(frame.Children().NewWindow(kPictureWindow));
        if (!window || !window->HasPicture()) return 2;
        UpdateWindow(window->Handle());
        opening.push_back(NowMs() - start);
        const PicturePack& pack = app.PicturePacks().front();
        const double before = NowMs();
        app.GetPictureActions().ShowPicture(*window, PictureRef{pack.directory, String(L"m051.jpg")}, nullptr);
        showing.push_back(NowMs() - before);
        SendMessageW(frame.MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window->Handle()), 0);
        Pump();
    }
    std::printf("Picture window, median of %d runs\n", runs);
    timing::FigureReport report("another picture shown", "showings");
    for (double shown : showing) report.AddReference(shown);
    report.Add("opened and painted", Median(opening));
    report.Print();
    SendMessageW(frame.Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
    return 0;
}
