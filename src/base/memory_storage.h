// MemoryStorageService: a storage service that keeps its files, folders and
// registry in memory, with a clock and a daylight-saving answer that can be
// set. It is the platform layer of the native build and of tests: it answers
// the primitives the way Windows does (case-insensitive names, "." and ".."
// in folder searches, a registry that refuses a path beginning with a
// backslash), so code tested on it behaves the same on the real platform.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/registry_key.h"
#include "base/storage.h"

namespace corvinata {

// Folders and files in memory. Paths take slashes or backslashes, any case;
// a drive ("C:") or the empty path is a root that always exists.
class MemoryFileSystem {
public:
    using Text = std::basic_string<Char>;
    using Bytes = std::vector<std::uint8_t>;

    struct Entry {
        Text name;                     // last component as first written
        bool folder = false;
        bool readOnly = false;
        int openCount = 0;
        std::shared_ptr<Bytes> data;   // files only
    };

    // The key of a path: separators as backslashes, none at the end, ASCII
    // letters in upper case.
    static Text KeyOf(const Char* path);
    static bool IsRootKey(const Text& key);
    static Text ParentKey(const Text& key);

    Entry* Find(const Char* path);
    bool PathExists(const Char* path);
    bool IsFolder(const Char* path);
    bool MakeFolder(const Char* path);
    bool RemoveFolder(const Char* path);
    bool RemoveFile(const Char* path);
    // Moves a closed, writable file over `to` (which, when it exists, must be
    // a closed, writable file too).
    bool MoveFileReplacing(const Char* from, const Char* to);
    // Makes an empty file unless one exists; false when the parent folder is
    // missing or a folder has that path.
    Entry* CreateFile(const Char* path);
    // The entries directly in the folder `folderKey` whose names match
    // `pattern` ("*" any run, "?" any one character, case ignored; a pattern
    // ending in ".*" also matches names without a point), in name order.
    std::vector<const Entry*> List(const Text& folderKey, const Char* pattern) const;

    // A disk that fills up: after `bytes` more bytes every write fails,
    // writing what still fits (tests of saves that fail part way).
    void LimitWrites(std::uint64_t bytes) noexcept { writeBudget_ = bytes; }
    void UnlimitWrites() noexcept { writeBudget_ = kUnlimited; }
    // How many of `count` bytes fit; less than `count` fails the write.
    std::uint32_t TakeWrite(std::uint32_t count) noexcept;

private:
    static constexpr std::uint64_t kUnlimited = ~std::uint64_t{0};
    std::map<Text, Entry> entries_;
    std::uint64_t writeBudget_ = kUnlimited;
};

// A registry in memory.
class MemoryRegistry final : public RegistryApi {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;

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

    // A hive that is not writable refuses new keys, values and deletions,
    // as the machine's hive does for a user without rights.
    void SetHiveWritable(RegistryHive hive, bool writable);
    // Handles opened and not yet closed.
    int OpenHandleCount() const noexcept { return static_cast<int>(open_.size()); }

private:
    struct Node;
    struct Handle;

    Handle* HandleOf(Key key);
    Key AddHandle(std::shared_ptr<Node> node);
    Node* NodeOf(Key key);

    std::shared_ptr<Node> roots_[3];
    std::unique_ptr<Handle> rootHandles_[3];
    bool writable_[3] = {true, true, true};
    std::map<const Handle*, std::unique_ptr<Handle>> open_;
};

class MemoryStorageService final : public StorageService {
public:
    MemoryStorageService();
    ~MemoryStorageService() override;

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
    MemoryRegistry& Registry() override { return registry_; }

    // What IsDaylightSavingTime answers (false until set).
    void SetDaylightSavingTime(bool active) noexcept { daylightSaving_ = active; }
    // A fixed local time for LocaleFormatter::GetNow; until one is set the
    // clock of the C runtime is read.
    void SetClock(int year, int month, int day, int hour, int minute, int second) noexcept;
    // Marks an existing file read-only (it can then be neither opened for
    // writing nor deleted).
    bool SetReadOnly(const Char* path, bool readOnly);
    // The bytes of a file, made with its folder existing; for tests and for
    // seeding the store.
    bool PutFile(const Char* path, const std::string& bytes);
    bool GetFile(const Char* path, std::string& bytes);

    MemoryFileSystem& Files() noexcept { return files_; }

private:
    struct Clock {
        bool fixed = false;
        int fields[6] = {};
    };

    MemoryFileSystem files_;
    MemoryRegistry registry_;
    bool daylightSaving_ = false;
    Clock clock_;
};

}  // namespace corvinata
