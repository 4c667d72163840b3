// The storage of a timing program: the files of the system, and a registry
// whose current-user hive is a key of the timing program's own, so that it
// never reads or touches the user's settings; the key is removed when the
// storage goes (and before it starts, in case an earlier run was stopped).
#pragma once

#include <windows.h>

#include <string>

#include "base/registry_key.h"
#include "base/storage_service_win.h"

namespace corvinata::timing {

// Every path under HKEY_CURRENT_USER lands under "Software\Corvinata timing
// programs\<name>".
class RelocatedRegistry final : public RegistryApi {
public:
    RelocatedRegistry(StorageService& storage, const wchar_t* name)
        : storage_(storage), real_(storage.Registry()), name_(name) {
        Remove();
        Key parent = real_.RootKey(RegistryHive::CurrentUser);
        for (const wchar_t* part : {L"Software", kFolder, name_.c_str()}) {
            Key next = nullptr;
            if (!real_.CreateKey(parent, part, next)) break;
            if (parent != real_.RootKey(RegistryHive::CurrentUser)) real_.CloseKey(parent);
            parent = next;
        }
        root_ = parent;
    }
    ~RelocatedRegistry() override {
        if (root_ && root_ != real_.RootKey(RegistryHive::CurrentUser)) real_.CloseKey(root_);
        Remove();
        // The folder of the timing programs goes with its last program.
        Key software = nullptr;
        if (real_.OpenKey(real_.RootKey(RegistryHive::CurrentUser), L"Software", software)) {
            real_.DeleteSubkey(software, kFolder);
            real_.CloseKey(software);
        }
    }
    RelocatedRegistry(const RelocatedRegistry&) = delete;
    RelocatedRegistry& operator=(const RelocatedRegistry&) = delete;

    Key RootKey(RegistryHive hive) override {
        return hive == RegistryHive::CurrentUser ? root_ : real_.RootKey(hive);
    }
    bool OpenKey(Key parent, const Char* subkey, Key& key) override { return real_.OpenKey(parent, subkey, key); }
    bool CreateKey(Key parent, const Char* name, Key& key) override { return real_.CreateKey(parent, name, key); }
    bool CloseKey(Key key) override { return real_.CloseKey(key); }
    bool QueryValue(Key key, const Char* name, std::uint32_t& type, void* data, std::uint32_t& size) override {
        return real_.QueryValue(key, name, type, data, size);
    }
    bool SetValue(Key key, const Char* name, std::uint32_t type, const void* data, std::uint32_t size) override {
        return real_.SetValue(key, name, type, data, size);
    }
    bool CountSubkeys(Key key, std::uint32_t& count) override { return real_.CountSubkeys(key, count); }
    RegistryEnumResult EnumSubkey(Key key, std::uint32_t index, Char* name, std::uint32_t capacity) override {
        return real_.EnumSubkey(key, index, name, capacity);
    }
    bool DeleteSubkey(Key parent, const Char* name) override { return real_.DeleteSubkey(parent, name); }

private:
    static constexpr const wchar_t* kFolder = L"Corvinata timing programs";

    void Remove() {
        const std::wstring path = std::wstring(L"\\Software\\") + kFolder + L"\\" + name_;
        storage_.CreateRegistryNode(RegistryHive::CurrentUser, path.c_str())->DeleteTree();
    }

    StorageService& storage_;
    RegistryApi& real_;
    std::wstring name_;
    Key root_ = nullptr;
};

class OwnSettingsStorage final : public StorageService {
public:
    explicit OwnSettingsStorage(const wchar_t* name) : registry_(real_, name) {}

    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override { return real_.CreateBinaryFile(path); }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return real_.CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return real_.CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return real_.CreateFileFinder(); }
    bool PathExists(const Char* path) override { return real_.PathExists(path); }
    bool IsFolder(const Char* path) override { return real_.IsFolder(path); }
    bool MakeFolder(const Char* path) override { return real_.MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return real_.RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return real_.RemoveFile(path); }
    bool MoveFileReplacing(const Char* from, const Char* to) override { return real_.MoveFileReplacing(from, to); }
    RegistryApi& Registry() override { return registry_; }

private:
    Win32StorageService real_;
    RelocatedRegistry registry_;
};

}  // namespace corvinata::timing
