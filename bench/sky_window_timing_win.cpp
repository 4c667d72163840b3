// Times what a user does with a Sky window under Wine, in-process on the
// program's real frame: a chart of 1024 x 768 at a field of 60 degrees with
// the layers a planetarium shows by default (sky_timing_layers.h), looking
// south on a winter evening in London. Every figure is the median of the
// runs, printed with its ratio to the still frame of the same run. The
// program's settings live under a key of its own for the run.
// Run by hand (scripts/timing runs it in a prefix of its own):
//   wine sky_window_timing.exe [runs]
#include <windows.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "catalog/star_catalogue.h"
#include "resources/resource_ids.h"
#include "sky_timing_layers.h"
#include "timing_loop_win.h"
#include "timing_program_win.h"
#include "timing_support_win.h"
#include "views/sky_display_win.h"
#include "views/sky_panel_win.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

using timing::Median;
using timing::NowMs;
using timing::Pump;

constexpr int kChartWidth = 1024;
constexpr int kChartHeight = 768;
// The panel's animation timer (its id in the panel).
constexpr UINT_PTR kAnimationTimer = 7301;

// The time of `work` until what it drew is on the screen.
double Timed(const std::function<void()>& work) {
    const double start = NowMs();
    work();
    glFinish();
    return NowMs() - start;
}

class SkyTiming {
public:
    SkyTiming(FrameWindow& frame, SkyWindow& sky) : frame_(frame), sky_(sky) {}

    HWND Chart() const { return sky_.Display()->Window(); }

    void Repaint() const {
        InvalidateRect(Chart(), nullptr, FALSE);
        UpdateWindow(Chart());
    }

    // A point of the chart over empty sky (no object within the pick
    // radius), searched from the upper left.
    POINT EmptySky() const {
        for (int y = 40; y < kChartHeight / 2; y += 23) {
            for (int x = 40; x < kChartWidth - 40; x += 31) {
                if (sky_.Display()->Renderer()->SkyHitTest(x, y) != 1) return POINT{x, y};
            }
        }
        return POINT{kChartWidth / 2, 40};
    }

    // The bright stars the chart shows, where it shows them.
    std::vector<POINT> BrightStarPoints() const {
        std::vector<POINT> points;
        const StarCatalogue& stars = GetStarCatalogue();
        for (int i = 0; i < stars.Count() && points.size() < 8; ++i) {
            if (stars.At(i)->Magnitude() > 2.0) continue;
            int x = 0;
            int y = 0;
            if (sky_.Display()->Renderer()->SkyProjectObject(*stars.At(i), x, y) && x > 20 && y > 20 &&
                x < kChartWidth - 20 && y < kChartHeight - 20) {
                points.push_back(POINT{x, y});
            }
        }
        return points;
    }

    void Press(POINT p) const { SendMessageW(Chart(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Move(POINT p) const { SendMessageW(Chart(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Release(POINT p) const { SendMessageW(Chart(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }

    void Command(int id) const { SendMessageW(frame_.Window(), WM_COMMAND, id, 0); }

    // Back to the field of 60 degrees the figures are taken at.
    void ZoomBack() const {
        sky_.SetZoom(60);
        sky_.UpdateView(kSkyChangeZoom, false);
    }

    void ChangeOptions(const SkyOptions& options) const {
        sky_.Actions().ChangeOptions(sky_, options, kSkyOptionsWhole, sky_.GetTimeFlag(), nullptr);
        UpdateWindow(Chart());
    }

private:
    FrameWindow& frame_;
    SkyWindow& sky_;
};

// The frame as the program starts it, with one Sky window whose chart is
// 1024 x 768 and shows the planetarium's layers.
SkyWindow* OpenChart(FrameWindow& frame) {
    SetWindowPos(frame.Window(), HWND_TOP, 0, 0, 1600, 1200, SWP_SHOWWINDOW);
    for (const int pane : {CMD_VIEW_RELATED_TASKS, CMD_VIEW_WINDOW_MANAGER}) {
        if (frame.IsPaneShown(pane)) SendMessageW(frame.Window(), WM_COMMAND, pane, 0);
    }
    SendMessageW(frame.Window(), WM_COMMAND, CMD_NEW_SKY, 0);
    auto* sky = dynamic_cast<SkyWindow*>(frame.Children().ActiveWindow());
    if (!sky || !sky->Display() || !sky->Display()->Renderer()) return nullptr;
    // Twice: the chart may sit inside a border of the window's client area.
    for (int pass = 0; pass < 2; ++pass) {
        RECT outer{}, chart{};
        GetWindowRect(sky->Handle(), &outer);
        GetClientRect(sky->Display()->Window(), &chart);
        SetWindowPos(sky->Handle(), HWND_TOP, 0, 0, outer.right - outer.left + kChartWidth - chart.right,
                     outer.bottom - outer.top + kChartHeight - chart.bottom, 0);
    }
    sky->SetOptions(timing::PlanetariumLayers());
    sky->SetZoom(60);
    sky->SetViewDirection(ViewDirection{WindowAzimuth(180.0, kHorizontalMap), 20.0});
    sky->UpdateView(0, true);
    Pump();
    return sky;
}

int Run(int runs) {
    timing::StartedProgram program(L"sky_window_timing");
    if (!program.Started()) return 1;
    FrameWindow& frame = program.Frame();
    DateTime evening;
    evening.year = 2024, evening.month = 1, evening.day = 15, evening.hours = 21.0;
    evening.timeSystem = kUniversalTime;
    program.App().Current().SetDateTime(evening, false);
    SkyWindow* opened = OpenChart(frame);
    if (!opened) {
        std::printf("no Sky window with a GL context\n");
        return 1;
    }
    SkyWindow& sky = *opened;
    SkyTiming chart(frame, sky);
    RECT client{};
    GetClientRect(chart.Chart(), &client);
    std::printf("chart %ldx%ld, field %d, median of %d runs\n", client.right, client.bottom, sky.GetZoom(), runs);

    chart.Repaint();
    timing::FigureReport report("still frame");
    // Still frames taken all through the rows (whenever the chart shows the
    // reference view): the reference of the whole run.
    const auto still = [&] { report.AddReference(Timed([&] { chart.Repaint(); })); };

    // Drags over empty sky: the first move only decides the kind of drag.
    std::vector<double> moves;
    std::vector<double> coarseFrames;
    std::vector<double> releases;
    for (int drag = 0; drag < runs; ++drag) {
        still();
        POINT at = chart.EmptySky();
        chart.Press(at);
        at.x += 2;
        chart.Move(at);
        for (int step = 0; step < 6; ++step) {
            at.x += 3;
            at.y += 1;
            moves.push_back(Timed([&] { chart.Move(at); }));
        }
        coarseFrames.push_back(Timed([&] { chart.Repaint(); }));
        releases.push_back(Timed([&] { chart.Release(at); }));
        chart.Command(CMD_UNDO);
        UpdateWindow(chart.Chart());
    }
    report.Add("drag move", Median(moves));
    report.Add("  its frame alone (the coarse list)", Median(coarseFrames));
    report.Add("drag release", Median(releases));

    const std::vector<POINT> stars = chart.BrightStarPoints();
    if (!stars.empty()) {
        // The pick a click makes (the hit test, then the pick), the first
        // after a turn of the view; then the whole click, the selection
        // shown in the caption, the panel and the Related Tasks.
        std::vector<double> picks;
        std::vector<double> clicks;
        SkyRenderer& renderer = *sky.Display()->Renderer();
        for (int i = 0; i < runs; ++i) {
            const POINT at = stars[static_cast<std::size_t>(i) % stars.size()];
            ViewDirection view = sky.GetViewDirection();
            view.altitude += i % 2 == 0 ? 0.001 : -0.001;
            sky.SetViewDirection(view);
            sky.UpdateView(kSkyChangeDirection, false);
            still();
            picks.push_back(Timed([&] {
                if (renderer.SkyHitTest(at.x, at.y) == 1) renderer.SkyFeedbackPick(at.x, at.y);
            }));
            clicks.push_back(Timed([&] {
                chart.Press(at);
                chart.Release(at);
                UpdateWindow(chart.Chart());
            }));
        }
        report.Add("click pick (the first after a turn)", Median(picks));
        report.Add("click and the selection shown", Median(clicks));
    }

    std::vector<double> notches;
    for (int i = 0; i < runs * 2; ++i) {
        // In and out: the field of 60 degrees after every second notch.
        if (i % 2 == 0) still();
        const short delta = static_cast<short>(i % 2 == 0 ? WHEEL_DELTA : -WHEEL_DELTA);
        notches.push_back(Timed([&] {
            SendMessageW(sky.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
            UpdateWindow(chart.Chart());
        }));
    }
    report.Add("wheel notch", Median(notches));
    chart.ZoomBack();

    std::vector<double> zooms;
    for (int i = 0; i < runs * 2; ++i) {
        if (i % 2 == 0) still();
        zooms.push_back(Timed([&] {
            chart.Command(i % 2 == 0 ? CMD_ZOOM_IN : CMD_ZOOM_OUT);
            UpdateWindow(chart.Chart());
        }));
    }
    report.Add("zoom change", Median(zooms));
    chart.ZoomBack();

    // Sky Options: a change of labels, of a layer, of the magnitude limit,
    // of the horizon, each there and back.
    const SkyOptions layers = sky.GetOptions();
    const std::function<void(SkyOptions&)> changes[] = {
        [](SkyOptions& o) { o.starNamesOn = !o.starNamesOn; },
        [](SkyOptions& o) { o.constellationBoundariesOn = !o.constellationBoundariesOn; },
        [](SkyOptions& o) { o.magnitudeLimit = 6.0; },
        [](SkyOptions& o) { o.horizonType = 1; },
    };
    const char* changeNames[] = {"Sky Options change: star names", "Sky Options change: boundaries",
                                 "Sky Options change: magnitude limit 6", "Sky Options change: horizon"};
    for (std::size_t c = 0; c < std::size(changes); ++c) {
        std::vector<double> times;
        for (int i = 0; i < runs * 2; ++i) {
            SkyOptions changed = layers;
            if (i % 2 == 0) {
                still();
                changes[c](changed);
            }
            times.push_back(Timed([&] { chart.ChangeOptions(changed); }));
        }
        chart.ChangeOptions(layers);
        report.Add(changeNames[c], Median(times));
    }

    // The panel's animation: its own timer is stopped, each tick sent.
    if (auto* panel = dynamic_cast<SkyControlPanel*>(frame.Children().PanelOf(kSkyWindow))) {
        HWND dialog = panel->GetDialogWindow();
        const auto animate = [&] {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kAnimateItem, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, kAnimateItem)));
        };
        animate();
        KillTimer(dialog, kAnimationTimer);
        std::vector<double> ticks;
        for (int i = 0; i < runs * 2; ++i) {
            still();
            ticks.push_back(Timed([&] {
                SendMessageW(dialog, WM_TIMER, kAnimationTimer, 0);
                UpdateWindow(chart.Chart());
                UpdateWindow(dialog);
            }));
        }
        report.Add("Sky panel animation tick", Median(ticks));
        // The panel's timer fires every 100 ms: a tick of the largest chart
        // the frame holds must stay well inside it.
        SendMessageW(frame.MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(sky.Handle()), 0);
        RECT largest{};
        GetClientRect(chart.Chart(), &largest);
        std::vector<double> largeTicks;
        for (int i = 0; i < runs; ++i) {
            largeTicks.push_back(Timed([&] {
                SendMessageW(dialog, WM_TIMER, kAnimationTimer, 0);
                UpdateWindow(chart.Chart());
                UpdateWindow(dialog);
            }));
        }
        char name[80];
        std::snprintf(name, sizeof name, "  the same, chart maximized (%ldx%ld)", largest.right, largest.bottom);
        report.Add(name, Median(largeTicks));
        SendMessageW(frame.MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(sky.Handle()), 0);
        animate();
        Pump();
    }

    std::vector<double> opens;
    for (int i = 0; i < runs; ++i) {
        still();
        SkyWindow* second = nullptr;
        opens.push_back(Timed([&] {
            chart.Command(CMD_NEW_SKY);
            second = dynamic_cast<SkyWindow*>(frame.Children().ActiveWindow());
            if (second && second->Display()) UpdateWindow(second->Display()->Window());
        }));
        if (second && second != &sky) SendMessageW(second->Handle(), WM_CLOSE, 0, 0);
        Pump();
    }
    report.Add("a second Sky window drawn", Median(opens));

    // Fields below the zoom range are reached only here: the renderer
    // draws any field. The two fields take turns, so that the machine's load
    // weighs on both alike.
    std::vector<double> fields[2];
    for (int i = 0; i < runs * 2; ++i) {
        chart.ZoomBack();
        still();
        for (const int k : {0, 1}) {
            sky.SetZoom(k == 0 ? 10 : 1);
            sky.UpdateView(kSkyChangeZoom, false);
            fields[k].push_back(Timed([&] { chart.Repaint(); }));
        }
    }
    report.Add("still frame, field 10", Median(fields[0]));
    report.Add("still frame, field 1", Median(fields[1]));

    report.Print();
    return 0;
}

}  // namespace
}  // namespace corvinata

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
    return corvinata::Run(runs);
}
