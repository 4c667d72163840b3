// What the timing programs that run under Wine share: a clock, medians, a
// message pump that always ends, the program's settings kept under a key of
// the timing program's own (so that a run never reads or changes the user's),
// and the printed figures with their ratio to a reference figure of the same
// run (a still frame), which stays comparable however busy the machine is.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/storage_service_win.h"

namespace corvinata::timing {

inline double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the messages that are waiting, for at most `limitMs`. A window whose
// timer handler takes longer than the timer's period keeps the queue full
// for ever; the pump stops anyway.
inline void Pump(double limitMs = 250.0) {
    const double end = NowMs() + limitMs;
    MSG message;
    while (NowMs() < end && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) DispatchMessageW(&message);
    }
}

// Where the timing programs keep what they write to the registry.
constexpr const wchar_t* kTimingKey = L"Software\\Corvinata Timing";

// HKEY_CURRENT_USER\Software\Corvinata Timing\<name>, empty when the run
// starts and removed when it ends.
class PrivateSettingsKey {
public:
    explicit PrivateSettingsKey(const wchar_t* name) : path_(std::wstring(kTimingKey) + L"\\" + name) {
        SHDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
        RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    }
    ~PrivateSettingsKey() {
        if (key_) RegCloseKey(key_);
        SHDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
        // The parent goes with the last program's key.
        SHDeleteEmptyKeyW(HKEY_CURRENT_USER, kTimingKey);
    }
    PrivateSettingsKey(const PrivateSettingsKey&) = delete;
    PrivateSettingsKey& operator=(const PrivateSettingsKey&) = delete;
    HKEY Handle() const noexcept { return key_; }

private:
    std::wstring path_;
    HKEY key_ = nullptr;
};

// The registry of Windows with the current user's hive replaced by a
// private key: the program's settings ("\Software\Corvinata Software\...")
// land below it.
class PrivateHiveRegistry final : public RegistryApi {
public:
    explicit PrivateHiveRegistry(HKEY currentUser) : currentUser_(currentUser) {}
    Key RootKey(RegistryHive hive) override {
        return hive == RegistryHive::CurrentUser ? currentUser_ : system_.RootKey(hive);
    }
    bool OpenKey(Key parent, const Char* subkey, Key& key) override { return system_.OpenKey(parent, subkey, key); }
    bool CreateKey(Key parent, const Char* name, Key& key) override { return system_.CreateKey(parent, name, key); }
    bool CloseKey(Key key) override { return key == currentUser_ || system_.CloseKey(key); }
    bool QueryValue(Key key, const Char* name, std::uint32_t& type, void* data, std::uint32_t& size) override {
        return system_.QueryValue(key, name, type, data, size);
    }
    bool SetValue(Key key, const Char* name, std::uint32_t type, const void* data, std::uint32_t size) override {
        return system_.SetValue(key, name, type, data, size);
    }
    bool CountSubkeys(Key key, std::uint32_t& count) override { return system_.CountSubkeys(key, count); }
    RegistryEnumResult EnumSubkey(Key key, std::uint32_t index, Char* name, std::uint32_t capacity) override {
        return system_.EnumSubkey(key, index, name, capacity);
    }
    bool DeleteSubkey(Key parent, const Char* name) override { return system_.DeleteSubkey(parent, name); }

private:
    Key currentUser_;
    Win32RegistryApi system_;
};

// The storage service of Windows with the settings under a private key.
class PrivateSettingsStorage final : public StorageService {
public:
    explicit PrivateSettingsStorage(const wchar_t* name) : key_(name), registry_(key_.Handle()) {}
    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override { return files_.CreateBinaryFile(path); }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return files_.CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return files_.CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return files_.CreateFileFinder(); }
    bool PathExists(const Char* path) override { return files_.PathExists(path); }
    bool IsFolder(const Char* path) override { return files_.IsFolder(path); }
    bool MakeFolder(const Char* path) override { return files_.MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return files_.RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return files_.RemoveFile(path); }
    bool MoveFileReplacing(const Char* from, const Char* to) override { return files_.MoveFileReplacing(from, to); }
    RegistryApi& Registry() override { return registry_; }

private:
    PrivateSettingsKey key_;
    PrivateHiveRegistry registry_;
    Win32StorageService files_;
};

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
    static constexpr const wchar_t* kSavedKey = L"Software\\Corvinata Timing\\Saved settings";
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
