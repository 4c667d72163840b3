// Times the program's exit under Wine: from the WM_CLOSE that File > Exit
// and the run script's end send to the frame until the process has ended.
// Three stored Event Finder histories:
//  - none;
//  - one run of 5,281 results, the default Full Moon search with a step of
//    one day from 1.1.1600 to 1.1.2027, as the program stored it;
//  - the same run stored while still running: the program reads it as
//    stopped, so its exit has a changed list to write.
// Each is timed over several starts (the median is printed). Run by hand
// beside Corvinata.exe:
//   wine exit_timing.exe [runs]
// The program writes the user's settings: they are copied aside first and
// put back at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/storage_service_win.h"
#include "base/settings_tree.h"
#include "program_process_win.h"
#include "timing_support_win.h"
#include "tools/event_finder.h"
#include "tools/event_finder_store.h"

namespace {

using corvinata::timing::NowMs;
using corvinata::timing::ProgramBeside;
using corvinata::timing::SkipWelcome;

constexpr const wchar_t* kSettingsRoot = L"\\Software\\Corvinata Software\\Corvinata\\1.70";
constexpr const wchar_t* kEventFinderKey = L"Software\\Corvinata Software\\Corvinata\\1.70\\Event Finder";
constexpr std::size_t kResults = 5281;
constexpr double kSynodicMonth = 29.530589;

enum class History { None, Stored, StoredRunning };

// The run the Event Finder keeps after that search: its results one
// synodic month apart, each a day long.
corvinata::events::EventDefinition FullMoonRun(std::uint32_t state) {
    using namespace corvinata;
    DateTimeLocation now;
    now.dateTime = DateTime{2026, 6, 1, 12.0, kLocalCivilTime};
    events::EventDefinition run;
    events::InitDefaultEventFinderRun(run, now);
    run.from = DateTime{1600, 1, 1, 0.0, kLocalCivilTime};
    run.to = DateTime{2027, 1, 1, 0.0, kLocalCivilTime};
    run.secondDate = DateTime{2026, 6, 1, 12.0, kLocalCivilTime};
    run.stoppedAt = run.to;
    run.runState = state;
    for (std::size_t i = 0; i < kResults; ++i) {
        const double day = 14.0 + kSynodicMonth * static_cast<double>(i);
        DateTimeRange range;
        range.begin = run.from;
        DateTimeAddDays(range.begin, static_cast<std::int32_t>(day));
        range.begin.hours = (day - static_cast<int>(day)) * 24.0;
        range.end = range.begin;
        DateTimeAddDays(range.end, 1);
        run.foundRanges.push_back(range);
    }
    return run;
}

void StoreHistory(History history) {
    SHDeleteKeyW(HKEY_CURRENT_USER, kEventFinderKey);
    if (history == History::None) return;
    corvinata::Win32StorageService storage;
    corvinata::events::StoredEventFinder stored;
    stored.runs.push_back(FullMoonRun(history == History::Stored ? corvinata::events::kRunComplete
                                                                 : corvinata::events::kRunRunning));
    stored.unstarted = stored.runs.front();
    stored.unstarted.runState = corvinata::events::kRunNotStarted;
    stored.unstarted.ClearRanges();
    stored.display = 0;
    corvinata::SettingsTreeWriter writer(storage, corvinata::String(kSettingsRoot));
    corvinata::events::SaveEventFinder(writer, stored);
}

struct ProcessWindows {
    DWORD process;
    HWND frame;
    HWND eventFinder;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto& found = *reinterpret_cast<ProcessWindows*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != found.process) return TRUE;
    wchar_t name[64] = {};
    wchar_t title[64] = {};
    GetClassNameW(window, name, 64);
    GetWindowTextW(window, title, 64);
    if (lstrcmpW(name, L"CorvinataMdiFrame") == 0 && IsWindowVisible(window)) found.frame = window;
    if (lstrcmpW(title, L"Event Finder") == 0) found.eventFinder = window;
    return TRUE;
}

// Milliseconds from WM_CLOSE to the end of the process, or -1 when the
// program did not finish its start or its exit within two minutes.
double TimeOneExit(const std::wstring& program) {
    std::wstring line = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    // The tools are made last at start-up: once the Event Finder is there,
    // the start has read the history.
    ProcessWindows found{process.dwProcessId, nullptr, nullptr};
    const double startedAt = NowMs();
    while ((!found.frame || !found.eventFinder) && NowMs() - startedAt < 120000 &&
           WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        Sleep(20);
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&found));
    }
    double elapsed = -1;
    DWORD_PTR answer = 0;
    if (found.frame && found.eventFinder &&
        SendMessageTimeoutW(found.frame, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer)) {
        const double start = NowMs();
        PostMessageW(found.frame, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) elapsed = NowMs() - start;
    }
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 3;
    const std::wstring program = ProgramBeside();
    const corvinata::timing::SavedProgramSettings saved;
    const struct {
        History history;
        const char* name;
    } cases[] = {
        {History::None, "no Event Finder history"},
        {History::Stored, "a stored run of 5,281 results"},
        {History::StoredRunning, "that run stored running (written back)"},
    };
    for (const auto& c : cases) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            SkipWelcome();
            StoreHistory(c.history);
            const double ms = TimeOneExit(program);
            if (ms < 0) {
                std::printf("%s, run %d: the program did not start or end\n", c.name, i + 1);
                return 1;
            }
            times.push_back(ms);
        }
        std::printf("exit with %s: median of %d runs %.0f ms\n", c.name, runs, Median(times));
    }
    return 0;
}
