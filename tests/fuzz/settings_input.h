// The input of the targets whose reader takes the registry settings: text,
// one value a line: a key path below the settings root (or from the user's
// hive when it starts with "\", from the machine's when it starts with
// "HKLM\"), "|", the value's name, "|", "d" for a number (a DWORD) or "s"
// for a text, "|" and the value. Each byte is one character.
//
// RecordingStorage turns what the program writes back into that text, for
// seeds the program's own code writes and for comparing two writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/memory_storage.h"
#include "base/wide_string.h"

namespace corvinata::fuzz {

using SettingsText = std::basic_string<Char>;

// The settings root the input is written below: the program's own.
inline constexpr Char kSettingsRoot[] = TXT("Software\\Corvinata Software\\Corvinata\\1.70");

// The input's lines, each split at "|" into at most four fields.
std::vector<std::vector<SettingsText>> SettingsRecords(const std::uint8_t* data, std::size_t size);

// Writes the records' values below `root`; records of fewer than four
// fields, or of another type, write nothing.
void WriteSettingsRecords(StorageService& storage, const String& root,
                          const std::vector<std::vector<SettingsText>>& records);

// A registry in memory that keeps the values written to it; a value
// written again keeps its place among them, a deleted key takes its values
// along. Paths and names are kept as written: the program writes each one
// the same way every time.
class RecordingRegistry final : public RegistryApi {
public:
    struct Value {
        SettingsText path;  // below the hive, no backslash at either end
        SettingsText name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
        bool operator==(const Value& other) const {
            return path == other.path && name == other.name && type == other.type && data == other.data;
        }
    };

    Key RootKey(RegistryHive hive) override;
    bool OpenKey(Key parent, const Char* subkey, Key& key) override;
    bool CreateKey(Key parent, const Char* name, Key& key) override;
    bool CloseKey(Key key) override;
    bool QueryValue(Key key, const Char* name, std::uint32_t& type, void* data, std::uint32_t& size) override;
    bool SetValue(Key key, const Char* name, std::uint32_t type, const void* data, std::uint32_t size) override;
    bool CountSubkeys(Key key, std::uint32_t& count) override;
    RegistryEnumResult EnumSubkey(Key key, std::uint32_t index, Char* name, std::uint32_t capacity) override;
    bool DeleteSubkey(Key parent, const Char* name) override;

    // The values in the order they were first written.
    std::vector<Value> Values() const;
    // The values as input lines, paths below `root` written relative to it.
    std::string Text(const String& root) const;

    // Deletions fail, as they do for a key another program holds open.
    bool refuseDeletions = false;

private:
    struct Written {
        std::size_t order = 0;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    using ValueKey = std::pair<SettingsText, SettingsText>;  // path, name

    SettingsText PathBelow(Key parent, const Char* subkey) const;

    MemoryRegistry inner_;
    std::map<Key, SettingsText> paths_;
    // By path and name: the values of a key and of the keys below it come
    // together.
    std::map<ValueKey, Written> values_;
    std::size_t writes_ = 0;
};

// Files in memory, the registry recording.
class RecordingStorage final : public StorageService {
public:
    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override { return files.CreateBinaryFile(path); }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return files.CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return files.CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return files.CreateFileFinder(); }
    bool PathExists(const Char* path) override { return files.PathExists(path); }
    bool IsFolder(const Char* path) override { return files.IsFolder(path); }
    bool MakeFolder(const Char* path) override { return files.MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return files.RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return files.RemoveFile(path); }
    RecordingRegistry& Registry() override { return registry; }

    MemoryStorageService files;
    RecordingRegistry registry;
};

}  // namespace corvinata::fuzz
