// Times reading picture files as the Picture window reads them, under Wine,
// and measures the memory it takes: each file in a process of its own, so
// that the peak working set it reports is that file's. Without arguments
// the inputs that once made the picture readers fail (tests/fuzz/jpeg and
// tests/fuzz/bmp, failures/) and the pack's largest picture; prints for
// each whether it was decoded, the milliseconds and the peak working set
// above the process's before the read:
//   wine picture_files_timing.exe [file...]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/picture_image_win.h"
#include "timing_support_win.h"

namespace {

using namespace corvinata;

SIZE_T PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

// Reads one file and prints its line.
int MeasureOne(const wchar_t* path) {
    PictureImage image;
    const SIZE_T before = PeakWorkingSet();
    const double start = timing::NowMs();
    const bool decoded = LoadPictureFile(reinterpret_cast<const Char*>(path), image);
    const double ms = timing::NowMs() - start;
    const double megabytes = static_cast<double>(PeakWorkingSet() - before) / (1024.0 * 1024.0);
    std::wprintf(L"%-60ls %-8ls %4dx%-4d %8.1f ms %7.1f MB\n", path, decoded ? L"decoded" : L"refused", image.width,
                 image.height, ms, megabytes);
    std::fflush(stdout);
    return 0;
}

std::vector<std::wstring> FilesOf(const std::wstring& folder) {
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + L"\\" + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

// This program again, for one file, waited for.
void MeasureApart(const std::wstring& file) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" \"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        std::wprintf(L"%ls: the measuring process did not start\n", file.c_str());
        return;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2) return MeasureOne(argv[1]);
    std::vector<std::wstring> files;
    for (int i = 1; i < argc; ++i) files.emplace_back(argv[i]);
    if (files.empty()) {
        for (const wchar_t* folder : {CN_FUZZ_FAILURES L"\\jpeg\\failures", CN_FUZZ_FAILURES L"\\bmp\\failures"}) {
            for (const std::wstring& file : FilesOf(folder)) files.push_back(file);
        }
        files.push_back(CN_PICTURE_PACK L"\\m042.jpg");
    }
    for (const std::wstring& file : files) MeasureApart(file);
    return 0;
}
