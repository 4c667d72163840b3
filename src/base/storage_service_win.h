// The storage service of Windows: files, folders and searches through
// KERNEL32, the registry through ADVAPI32, the time zone and the user's short
// date format.
#pragma once

#include <cstdint>
#include <memory>

#include "base/registry_key.h"
#include "base/storage.h"

namespace corvinata {

// The registry of Windows. Keys are opened with full access; a key that
// allows reading only (the machine's hive for a user without rights) is
// opened for reading, so that its values can still be read.
class Win32RegistryApi final : public RegistryApi {
public:
    Key RootKey(RegistryHive hive) override;
    bool OpenKey(Key parent, const Char* subkey, Key& key) override;
    bool CreateKey(Key parent, const Char* name, Key& key) override;
    bool CloseKey(Key key) override;
    bool QueryValue(Key key, const Char* name, std::uint32_t& type, void* data,
                    std::uint32_t& size) override;
    bool SetValue(Key key, const Char* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    bool CountSubkeys(Key key, std::uint32_t& count) override;
    RegistryEnumResult EnumSubkey(Key key, std::uint32_t index, Char* name,
                                  std::uint32_t capacity) override;
    bool DeleteSubkey(Key parent, const Char* name) override;
};

class Win32StorageService final : public StorageService {
public:
    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override;
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override;
    std::unique_ptr<SystemInfo> CreateSystemInfo() override;
    std::unique_ptr<FileFinder> CreateFileFinder() override;
    bool PathExists(const Char* path) override;
    bool IsFolder(const Char* path) override;
    bool MakeFolder(const Char* path) override;
    bool RemoveFolder(const Char* path) override;
    bool RemoveFile(const Char* path) override;
    bool MoveFileReplacing(const Char* from, const Char* to) override;
    Win32RegistryApi& Registry() override { return registry_; }

private:
    Win32RegistryApi registry_;
};

// The platform objects, one file each.
std::unique_ptr<BinaryFile> MakeWin32BinaryFile(const String& path);
std::unique_ptr<FileFinder> MakeWin32FileFinder();
std::unique_ptr<SystemInfo> MakeWin32SystemInfo();
std::unique_ptr<LocaleFormatter> MakeWin32LocaleFormatter();

// Stores the local date and time of a moment of the system clock (100 ns
// since 1601, Universal time) in the formatter's fields; false, the fields
// unchanged, when Windows cannot convert it.
bool StoreLocalTimeOf(std::uint64_t utcFileTime, LocaleFormatter& formatter);

// Whether a search for the path finds anything (a file, or a folder named
// without a trailing separator).
bool Win32PathExists(const Char* path);

}  // namespace corvinata
