// Times what the Related Tasks pane adds to the frame's work under Wine.
// In-process on the program's frame (1260 x 1000) with ten windows of
// several kinds, each with a body whose tasks fill the pane:
//   - the Window Manager pane hidden, which gives the Related Tasks pane the
//     frame's height, and shown again, each with the frame painted;
//   - a switch to the next window, whose tasks replace the pane's, painted;
//   - the same switch with the work it posts done too (the keys handed to
//     the new window's control panel), as Ctrl+F6 makes it, among the ten
//     windows and between a Sky and a Solar System window alone;
// each printed with its ratio to the active window's own repaint. Then the
// program itself (Corvinata.exe beside it) reopened with 30 saved windows:
// from CreateProcess until its windows are back, painted, and it answers.
// Run by hand (scripts/timing runs it in a prefix of its own):
//   wine related_tasks_timing.exe [runs] [starts]
// The in-process settings live under a key of the program's own; the
// user's settings, which the started program writes, are put back at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "frame/related_tasks_pane.h"
#include "program_process_win.h"
#include "resources/resource_ids.h"
#include "timing_loop_win.h"
#include "timing_program_win.h"
#include "timing_support_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {
namespace {

using timing::Median;
using timing::NowMs;
using timing::Pump;

constexpr int kWindows = 10;
constexpr int kSavedWindows = 30;
// The kinds the saved windows cycle through: each offers tasks without a
// selection of its own.
constexpr int kSavedKinds[] = {CMD_NEW_GRAPH, CMD_NEW_JUPITER, CMD_NEW_SATURN, CMD_NEW_ECLIPSE, CMD_NEW_SKY};

BodyIdentifier Body(int type, int number) { return BodyIdentifierFromObject(GetCatalogueObject(type, number)); }

// Ten windows: Sky and Solar System windows with a body of their own
// selected, graphs, the explorers and eclipse maps.
bool OpenWindows(FrameWindow& frame, Application& app) {
    const BodyIdentifier skyBodies[] = {Body(kBodyPlanet, 2), Body(kBodyMoon, 0), Body(kBodyPlanet, 4)};
    for (const BodyIdentifier& body : skyBodies) {
        auto* sky = dynamic_cast<SkyWindow*>(frame.Children().NewWindow(kSkyWindow));
        if (sky == nullptr) return false;
        app.GetSkyActions().SelectPair(*sky, body, 0, 0, 0, nullptr);
    }
    for (const BodyIdentifier& body : {Body(kBodySun, 0), Body(kBodyPlanet, 5)}) {
        auto* plan = dynamic_cast<SolarSystemWindow*>(frame.Children().NewWindow(kSolarSystemWindow));
        if (plan == nullptr) return false;
        app.GetSolarSystemActions().SelectPair(*plan, body, 0, 0, nullptr);
    }
    for (int kind : {kGraphWindow, kJupiterExplorerWindow, kSaturnExplorerWindow, kSolarEclipseWindow,
                     kSolarEclipseWindow}) {
        if (frame.Children().NewWindow(kind) == nullptr) return false;
    }
    return frame.Registry().AllWindows().size() == kWindows;
}

// The time of `change` until the frame and every pane have painted it.
double Painted(HWND frame, const std::function<void()>& change) {
    const double start = NowMs();
    change();
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return NowMs() - start;
}

double RepaintActive(FrameWindow& frame) {
    HWND active = reinterpret_cast<HWND>(SendMessageW(frame.MdiClient(), WM_MDIGETACTIVE, 0, 0));
    const double start = NowMs();
    RedrawWindow(active, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return NowMs() - start;
}

// The pane's rows and the tallest row's height, to show what was timed.
void PrintPane(FrameWindow& frame, const char* when) {
    HWND list = GetDlgItem(frame.PaneWindow(CMD_VIEW_RELATED_TASKS), kRelatedTasksListId);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    RECT pane{};
    GetClientRect(list, &pane);
    std::printf("Related Tasks %s: %d rows of %ld px in %ld x %ld px\n", when, rows, row.bottom - row.top,
                pane.right, pane.bottom);
    std::fflush(stdout);
}

bool TimeInFrame(int runs, timing::FigureReport& report) {
    timing::StartedProgram program(L"related_tasks_timing");
    if (!program.Started()) return false;
    FrameWindow& frame = program.Frame();
    for (int pane : {CMD_VIEW_RELATED_TASKS, CMD_VIEW_WINDOW_MANAGER}) {
        if (!frame.IsPaneShown(pane)) SendMessageW(frame.Window(), WM_COMMAND, pane, 0);
    }
    Pump();
    if (!OpenWindows(frame, program.App())) return false;
    Pump();
    PrintPane(frame, "of the last window");
    std::vector<double> hides, shows, switches, keyedSwitches;
    for (int i = 0; i < runs; ++i) {
        report.AddReference(RepaintActive(frame));
        Pump();
        hides.push_back(Painted(frame.Window(), [&] {
            SendMessageW(frame.Window(), WM_COMMAND, CMD_VIEW_WINDOW_MANAGER, 0);
        }));
        Pump();
        if (i == 0) PrintPane(frame, "without the Window Manager");
        shows.push_back(Painted(frame.Window(), [&] {
            SendMessageW(frame.Window(), WM_COMMAND, CMD_VIEW_WINDOW_MANAGER, 0);
        }));
        Pump();
        for (int w = 0; w < kWindows; ++w) {
            switches.push_back(Painted(frame.Window(), [&] { SendMessageW(frame.MdiClient(), WM_MDINEXT, 0, 0); }));
            Pump();
        }
        for (int w = 0; w < kWindows; ++w) {
            keyedSwitches.push_back(Painted(frame.Window(), [&] {
                SendMessageW(frame.MdiClient(), WM_MDINEXT, 0, 0);
                Pump();
            }));
            Pump();
        }
    }
    report.Add("hide the Window Manager (Related Tasks grows)", Median(hides));
    report.Add("show the Window Manager (Related Tasks shrinks)", Median(shows));
    report.Add("switch to the next of 10 windows", Median(switches));
    report.Add("switch to the next of 10 windows, keys in its panel", Median(keyedSwitches));

    // Two windows, a Sky and a Solar System window, switched back and forth.
    SendMessageW(frame.Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
    Pump();
    for (int kind : {kSkyWindow, kSolarSystemWindow}) {
        if (frame.Children().NewWindow(kind) == nullptr) return false;
    }
    Pump();
    std::vector<double> pairSwitches;
    for (int i = 0; i < runs * 4; ++i) {
        pairSwitches.push_back(Painted(frame.Window(), [&] {
            SendMessageW(frame.MdiClient(), WM_MDINEXT, 0, 0);
            Pump();
        }));
        Pump();
    }
    report.Add("switch between 2 windows, keys in its panel", Median(pairSwitches));
    return true;
}

// The program's frame and its MDI client, once its frame shows.
struct ProgramWindows {
    HWND frame = nullptr;
    HWND client = nullptr;
};

ProgramWindows FindProgramWindows(DWORD process) {
    ProgramWindows found;
    for (HWND frame = FindWindowW(FrameWindow::ClassName(), nullptr); frame;
         frame = FindWindowExW(nullptr, frame, FrameWindow::ClassName(), nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(frame, &owner);
        if (owner == process && IsWindowVisible(frame)) {
            found.frame = frame;
            found.client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
        }
    }
    return found;
}

int ChildCount(HWND client) {
    int count = 0;
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM unpainted) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) *reinterpret_cast<bool*>(unpainted) = true;
    return TRUE;
}

// Whether the frame answers and nothing of it waits to be painted.
bool Settled(HWND frame) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer)) return false;
    bool unpainted = GetUpdateRect(frame, nullptr, FALSE) != FALSE;
    EnumChildWindows(frame, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

// Starts the program and waits (a minute at most) for `windows` windows in
// its frame, painted; then `then` runs and the program is closed. The
// milliseconds until then, or -1.
double StartWithWindows(const std::wstring& program, int windows, const std::function<void(HWND)>& then) {
    timing::SkipWelcome();
    std::wstring line = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    double elapsed = -1;
    ProgramWindows found;
    while (NowMs() - start < 60000 && WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
        if (!found.client) found = FindProgramWindows(process.dwProcessId);
        if (found.client && ChildCount(found.client) >= windows && Settled(found.frame)) {
            elapsed = NowMs() - start;
            break;
        }
        Sleep(1);
    }
    if (elapsed >= 0) {
        then(found.frame);
        PostMessageW(found.frame, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

// A first run opens the windows that the program saves as it closes; each
// start after it restores them.
bool TimeRestarts(int starts, std::vector<double>& times) {
    const std::wstring program = timing::ProgramBeside();
    const double first = StartWithWindows(program, 0, [](HWND frame) {
        for (int i = 0; i < kSavedWindows; ++i) {
            SendMessageW(frame, WM_COMMAND, kSavedKinds[i % std::size(kSavedKinds)], 0);
        }
    });
    if (first < 0) return false;
    for (int i = 0; i < starts; ++i) {
        const double ms = StartWithWindows(program, kSavedWindows, [](HWND) {});
        if (ms < 0) return false;
        std::printf("reopen with %d saved windows, run %d: %.0f ms\n", kSavedWindows, i + 1, ms);
        std::fflush(stdout);
        times.push_back(ms);
    }
    return true;
}

}  // namespace
}  // namespace corvinata

int wmain(int argc, wchar_t** argv) {
    using namespace corvinata;
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const int starts = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
    timing::FigureReport report("repaint of the active window", "repaints");
    if (!TimeInFrame(runs, report)) {
        std::printf("the frame or its windows did not open\n");
        return 1;
    }
    Pump();
    report.Print();
    const timing::SavedProgramSettings saved;
    std::vector<double> times;
    if (!TimeRestarts(starts, times)) {
        std::printf("the program did not reopen its %d windows\n", kSavedWindows);
        return 1;
    }
    std::printf("reopen with %d saved windows: median of %d runs %.0f ms\n", kSavedWindows, starts, Median(times));
    return 0;
}
