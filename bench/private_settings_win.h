// The program's settings, as the timing programs run it in-process, kept
// under a key of the timing program's own: a run never reads or changes the
// user's settings.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <memory>
#include <string>

#include "base/storage_service_win.h"
#include "timing_support_win.h"

namespace corvinata::timing {

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

}  // namespace corvinata::timing
