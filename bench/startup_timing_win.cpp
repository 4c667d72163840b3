// Times the program's start under Wine: from CreateProcess until the frame
// window is visible, over several runs, and prints the median; then a second
// start's, from CreateProcess until it has brought the running copy forward
// and ended, with that copy on this desktop and on another one (as on Wine's
// virtual desktop, where scripts/run starts it). Run by hand beside
// Corvinata.exe:
//   wine startup_timing.exe [runs]
// The welcome question is switched off first, so each run only starts and
// closes the frame. The program writes the user's settings: they are copied
// aside first and put back at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "program_process_win.h"
#include "timing_support_win.h"

namespace {

using corvinata::timing::ProgramBeside;
using corvinata::timing::SkipWelcome;

// Milliseconds until the frame shows, or -1 when it did not within a minute.
double TimeOneStart(const std::wstring& program) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    std::wstring line = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    double elapsed = -1;
    for (;;) {
        HWND frame = FindWindowW(L"CorvinataMdiFrame", nullptr);
        DWORD owner = 0;
        if (frame) GetWindowThreadProcessId(frame, &owner);
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
        if (frame && owner == process.dwProcessId && IsWindowVisible(frame)) {
            elapsed = ms;
            PostMessageW(frame, WM_CLOSE, 0, 0);
            break;
        }
        if (ms > 60000 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

struct FrameSearch {
    DWORD process;
    HWND frame;
};

BOOL CALLBACK MatchFrame(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<FrameSearch*>(data);
    wchar_t name[64] = {};
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    // IsWindowVisible answers no for another desktop's windows under Wine.
    if (owner == search.process && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) &&
        GetClassNameW(window, name, 64) && lstrcmpW(name, L"CorvinataMdiFrame") == 0) {
        search.frame = window;
    }
    return search.frame == nullptr;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median time of `runs` second starts while a first copy runs on
// `desktop` (this thread's when null), or -1 when one did not end within a
// minute.
double TimeSecondStarts(const std::wstring& program, const wchar_t* desktop, int runs) {
    HDESK other = desktop ? CreateDesktopW(desktop, nullptr, nullptr, 0, GENERIC_ALL, nullptr) : nullptr;
    if (desktop && !other) return -1;
    std::wstring line = L"\"" + program + L"\"";
    std::wstring desktopName = desktop ? desktop : L"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (desktop) startup.lpDesktop = &desktopName[0];
    PROCESS_INFORMATION first{};
    SkipWelcome();
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &first)) return -1;
    FrameSearch search{first.dwProcessId, nullptr};
    for (int waited = 0; !search.frame && waited < 60000; waited += 20) {
        EnumDesktopWindows(other ? other : GetThreadDesktop(GetCurrentThreadId()), MatchFrame,
                           reinterpret_cast<LPARAM>(&search));
        if (!search.frame) Sleep(20);
    }
    std::vector<double> times;
    for (int i = 0; search.frame && i < runs; ++i) {
        std::wstring secondLine = line;
        STARTUPINFOW here{};
        here.cb = sizeof here;
        PROCESS_INFORMATION second{};
        const double start = corvinata::timing::NowMs();
        if (!CreateProcessW(nullptr, &secondLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &here, &second))
            break;
        const bool ended = WaitForSingleObject(second.hProcess, 60000) == WAIT_OBJECT_0;
        const double ms = corvinata::timing::NowMs() - start;
        if (!ended) TerminateProcess(second.hProcess, 1);
        CloseHandle(second.hThread);
        CloseHandle(second.hProcess);
        if (!ended) break;
        times.push_back(ms);
    }
    if (search.frame) PostMessageW(search.frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(first.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(first.hProcess, 1);
    CloseHandle(first.hThread);
    CloseHandle(first.hProcess);
    if (other) CloseDesktop(other);
    return static_cast<int>(times.size()) == runs ? Median(times) : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    const std::wstring program = ProgramBeside();
    const corvinata::timing::SavedProgramSettings saved;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        SkipWelcome();
        const double ms = TimeOneStart(program);
        if (ms < 0) {
            std::printf("run %d: the frame did not show\n", i + 1);
            return 1;
        }
        std::printf("run %d: %.0f ms\n", i + 1, ms);
        times.push_back(ms);
    }
    std::printf("median of %d runs: %.0f ms\n", runs, Median(times));
    for (const wchar_t* desktop : {static_cast<const wchar_t*>(nullptr), L"Corvinata timing desktop"}) {
        const double ms = TimeSecondStarts(program, desktop, runs);
        const char* where = desktop ? "on another desktop" : "on this desktop";
        if (ms < 0) {
            std::printf("second start, running copy %s: it did not end\n", where);
            return 1;
        }
        std::printf("second start, running copy %s: median of %d runs %.0f ms\n", where, runs, ms);
    }
    return 0;
}
