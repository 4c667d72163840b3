// What the timing programs that run under Wine share besides the loop's
// helpers (timing_loop_win.h): a clock, the user's settings kept safe from
// the programs a timing starts, and the printed figures with their ratio to
// a reference figure of the same run (a still frame), which stays comparable
// however busy the machine is.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "timing_loop_win.h"


namespace corvinata::timing {

inline double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Where the timing programs keep what they write to the registry (as
// own_settings_storage_win.h does).
constexpr const wchar_t* kTimingKey = L"Software\\Corvinata timing programs";

// For the programs that start Corvinata.exe itself, which writes the user's
// settings: they are copied aside first and put back as they were at the end.
class SavedProgramSettings {
public:
    SavedProgramSettings() {
        HKEY program = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &program) == ERROR_SUCCESS) {
            HKEY saved = nullptr;
            SHDeleteKeyW(HKEY_CURRENT_USER, kSavedKey);
            if (RegCreateKeyExW(HKEY_CURRENT_USER, kSavedKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &saved,
                                nullptr) == ERROR_SUCCESS) {
                had_ = SHCopyKeyW(program, nullptr, saved, 0) == ERROR_SUCCESS;
                RegCloseKey(saved);
            }
            RegCloseKey(program);
        }
    }
    ~SavedProgramSettings() {
        SHDeleteKeyW(HKEY_CURRENT_USER, kProgramKey);
        if (had_) {
            HKEY saved = nullptr;
            HKEY program = nullptr;
            if (RegOpenKeyExW(HKEY_CURRENT_USER, kSavedKey, 0, KEY_READ, &saved) == ERROR_SUCCESS) {
                if (RegCreateKeyExW(HKEY_CURRENT_USER, kProgramKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                    &program, nullptr) == ERROR_SUCCESS) {
                    SHCopyKeyW(saved, nullptr, program, 0);
                    RegCloseKey(program);
                }
                RegCloseKey(saved);
            }
        }
        SHDeleteKeyW(HKEY_CURRENT_USER, kSavedKey);
        SHDeleteEmptyKeyW(HKEY_CURRENT_USER, kTimingKey);
    }
    SavedProgramSettings(const SavedProgramSettings&) = delete;
    SavedProgramSettings& operator=(const SavedProgramSettings&) = delete;

private:
    static constexpr const wchar_t* kProgramKey = L"Software\\Corvinata Software";
    static constexpr const wchar_t* kSavedKey = L"Software\\Corvinata timing programs\\Saved settings";
    bool had_ = false;
};

// The figures of a run, printed at its end as "name  median ms  ratio"
// against the run's reference figure (a still frame). The reference's
// samples are taken all through the run, so the machine's load weighs on
// it as on the figures.
class FigureReport {
public:
    explicit FigureReport(const char* referenceName, const char* unit = "frames")
        : referenceName_(referenceName), unit_(unit) {}
    void AddReference(double ms) { reference_.push_back(ms); }
    void Add(const char* name, double ms) { figures_.push_back({name, ms}); }
    double Reference() const { return Median(reference_); }
    void Print() const {
        const double reference = Reference();
        PrintLine(referenceName_.c_str(), reference, reference);
        for (const auto& [name, ms] : figures_) PrintLine(name.c_str(), ms, reference);
    }

private:
    void PrintLine(const char* name, double ms, double reference) const {
        std::printf("%-46s %8.1f ms %7.2f %s\n", name, ms, reference > 0.0 ? ms / reference : 0.0, unit_);
        std::fflush(stdout);
    }

    std::string referenceName_;
    const char* unit_;
    std::vector<double> reference_;
    std::vector<std::pair<std::string, double>> figures_;
};

}  // namespace corvinata::timing
