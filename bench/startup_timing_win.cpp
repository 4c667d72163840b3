// Times the program's start under Wine: from CreateProcess until the frame
// window is visible, over several runs, and prints the median. Run by hand
// beside Corvinata.exe:
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

#include "timing_support_win.h"

namespace {

constexpr const wchar_t* kFrameKey = L"Software\\Corvinata Software\\Corvinata\\1.70\\Application frame window";

void SkipWelcome() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kFrameKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    const DWORD no = 0;
    RegSetValueExW(key, L"ShowHelpHint", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&no), sizeof no);
    RegCloseKey(key);
}

std::wstring ProgramBeside() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + L"Corvinata.exe";
}

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
    std::sort(times.begin(), times.end());
    std::printf("median of %d runs: %.0f ms\n", runs, times[times.size() / 2]);
    return 0;
}
