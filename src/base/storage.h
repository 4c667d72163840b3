// The storage service: the one place where the program meets the file
// system, the registry, the clock and the locale.
//
// The application owns one StorageService and hands it out through
// ProductInfoInterface::GetStorage. Every other part asks it for a fresh
// object of the kind it needs, uses it and lets it go; the caller owns what a
// factory answers. The platform objects are interfaces here; the Windows
// implementation lives in the *_win files, and MemoryStorageService keeps
// everything in memory (native builds and tests). Failures are false answers:
// nothing here shows a message.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "base/path_name.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

class FolderNode;
class RegistryApi;
class SettingsNode;
class TextFile;

// How StorageFile::Open opens an existing file.
enum class FileOpenMode : int {
    Read = 0,
    Write = 1,       // written from the start; the old contents are dropped
    ReadWrite = 2,
};

// The common part of binary and text files: a path and the operations that
// do not depend on the contents. Destroying an open file closes it.
class StorageFile {
public:
    explicit StorageFile(const String& path) : path_(path) {}
    virtual ~StorageFile() = default;
    StorageFile(const StorageFile&) = delete;
    StorageFile& operator=(const StorageFile&) = delete;

    virtual bool Close() = 0;
    // Opens the file for reading and writing, creating it when missing; with
    // `closeAfter` closes it again at once (this only makes sure it exists).
    virtual bool Create(bool closeAfter) = 0;
    // Deletes the file: false while it is open, true when it does not exist.
    virtual bool Delete();
    // Whether something exists at the path (a folder counts too).
    virtual bool Exists() = 0;
    // Size in bytes (the low 32 bits).
    virtual std::uint32_t GetSize() = 0;
    virtual bool Open(FileOpenMode mode) = 0;
    // Whether a read has met the end of the file.
    virtual bool AtEnd() const = 0;
    virtual bool IsOpen() const = 0;

    const String& Path() const noexcept { return path_; }

protected:
    // Removes the closed, existing file from the file system.
    virtual bool RemoveFromDisk() = 0;

private:
    String path_;
};

// A file of bytes: the graph files, and the bytes under every TextFile.
class BinaryFile : public StorageFile {
public:
    using StorageFile::StorageFile;

    // Opens an existing file for reading only while other programs may go on
    // reading and writing it (Open(Read) lets them read only): a script or a
    // contents file held open in an editor must stay readable.
    virtual bool OpenSharedForReading() = 0;
    // Reads up to `count` bytes at the current position; `bytesRead` gets how
    // many came. A count of 0 answers true and reads nothing. Otherwise true
    // when at least one byte was read; a read that meets the end with nothing
    // to read answers false and sets the end-of-file flag, which the next
    // read that gets a byte, or a change of position, clears again.
    virtual bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& bytesRead) = 0;
    // Writes all `count` bytes at the current position.
    virtual bool Write(const void* buffer, std::uint32_t count) = 0;
    // The read and write position, in bytes from the start.
    virtual std::uint32_t GetPosition() = 0;
    virtual bool SetPosition(std::uint32_t position) = 0;
    // Ends the file at the current position.
    virtual bool Truncate() = 0;

    // ReadSome without the count: true when at least one byte was read (a
    // short read answers true; callers that need every byte use ReadExactly).
    bool Read(void* buffer, std::uint32_t count);
    // True only when all `count` bytes were read.
    bool ReadExactly(void* buffer, std::uint32_t count);
};

// A search for files by a pattern with wildcards, in the file system's order
// ("." and ".." included).
class FileFinder {
public:
    virtual ~FileFinder() = default;

    virtual bool Close() = 0;
    // `text` holds the pattern; on success it receives the first found name
    // (name and extension only). On failure it is left as it was.
    virtual bool FindFirst(String& text) = 0;
    // The next name into `text`; false at the end of the list.
    virtual bool FindNext(String& text) = 0;
    // Whether the entry found last is a folder.
    virtual bool FoundFolder() const = 0;
};

// Whether daylight saving time is in effect now.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // True only while daylight saving time is in effect; false for standard
    // time, for a zone without it and when the question cannot be answered.
    virtual bool IsDaylightSavingTime() = 0;
};

// The local clock and the user's short date format.
class LocaleFormatter {
public:
    virtual ~LocaleFormatter() = default;

    // Stores the local time now in the fields below; false when the clock
    // cannot be read (the fields are then unchanged).
    virtual bool GetNow() = 0;
    // Kind 0 writes the stored date in the user's short date format into
    // `receiver`; any other kind, or a failure, empties it and answers false.
    virtual bool ShortDate(String& receiver, int kind) = 0;

    // The stored instant; every field starts at -1.
    int year = -1;
    int month = -1;   // 1-12
    int day = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;
};

// Which registry hive a settings node lives in.
enum class RegistryHive : int {
    CurrentUser = 0,
    LocalMachine = 1,
    ClassesRoot = 2,
};

// One key of the settings store. Values are stored by fixed rules: integers
// and booleans as 4-byte DWORDs (1 and 0 for booleans), doubles and texts as
// strings. A read that fails (missing value, other type, other size, text
// that is not exactly one number) answers false and leaves its receiver as
// it was.
class SettingsNode {
public:
    virtual ~SettingsNode() = default;

    virtual bool Close() = 0;
    // Opens the key, creating it and every missing ancestor.
    virtual bool Create() = 0;
    // Removes the key with all its subkeys; true when there was none.
    virtual bool DeleteTree() = 0;
    // Whether the key exists; the node's own state is not touched.
    virtual bool Exists() = 0;
    // The key path with its leading backslash and without a trailing one;
    // the hive root is a single backslash.
    virtual String GetPath() const = 0;
    virtual bool Open() = 0;
    virtual bool ReadBool(const Char* name, bool& receiver) = 0;
    virtual bool ReadDouble(const Char* name, double& receiver) = 0;
    virtual bool ReadInt(const Char* name, std::int32_t& receiver) = 0;
    virtual bool ReadString(const Char* name, String& receiver) = 0;
    // The names of the subkeys in the store's order; false when closed.
    virtual bool EnumSubkeys(std::vector<String>& names) = 0;
    virtual bool WriteBool(const Char* name, bool value) = 0;
    virtual bool WriteDouble(const Char* name, double value) = 0;
    virtual bool WriteInt(const Char* name, std::int32_t value) = 0;
    virtual bool WriteText(const Char* name, const Char* text) = 0;
    virtual bool WriteString(const Char* name, const String& text) = 0;
    virtual bool CloseIfOpen() = 0;
    virtual bool IsOpen() const = 0;
};

class StorageService {
public:
    StorageService() = default;
    virtual ~StorageService() = default;
    StorageService(const StorageService&) = delete;
    StorageService& operator=(const StorageService&) = delete;

    // The factories; every object comes closed and belongs to the caller.
    virtual std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) = 0;
    virtual std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() = 0;
    virtual std::unique_ptr<SystemInfo> CreateSystemInfo() = 0;
    virtual std::unique_ptr<FileFinder> CreateFileFinder() = 0;
    std::unique_ptr<FolderNode> CreateFolderNode(const PathName& folder);
    std::unique_ptr<SettingsNode> CreateRegistryNode(RegistryHive hive, const Char* keyPath);
    std::unique_ptr<TextFile> CreateTextFile(const String& path);

    // The primitives of the file system that folders are built on.
    // Whether something exists at the path (a folder named without a
    // trailing separator counts).
    virtual bool PathExists(const Char* path) = 0;
    virtual bool IsFolder(const Char* path) = 0;
    virtual bool MakeFolder(const Char* path) = 0;
    virtual bool RemoveFolder(const Char* path) = 0;
    virtual bool RemoveFile(const Char* path) = 0;
    // Moves the closed file `from` to `to`, replacing a file there, in one
    // step of the file system: afterwards `to` holds either its old bytes or
    // all of `from`'s. Both paths lie in one folder. A service that cannot
    // answers false and leaves both files.
    virtual bool MoveFileReplacing(const Char* from, const Char* to);

    // Writes a file without risking the one it replaces: `write` writes the
    // whole new file at the temporary path it is given (beside `path`), and
    // only when it succeeded does the temporary file take the place of the
    // old one. On any failure the temporary file is removed and the file at
    // `path` stays byte for byte as it was.
    bool WriteFileReplacing(const String& path,
                            const std::function<bool(const String& temporaryPath)>& write);

    // The registry of the platform.
    virtual RegistryApi& Registry() = 0;
    // The registry that settings nodes are made on: Registry(), or the one
    // a DivertedSettings puts in its place while it lives.
    RegistryApi& SettingsRegistry() { return diverted_ ? *diverted_ : Registry(); }

private:
    friend class DivertedSettings;
    RegistryApi* diverted_ = nullptr;
};

// While it lives, every settings node that `storage` makes reads and writes
// `registry` (a RegistryOverlay: a run whose writes must wait) instead.
class DivertedSettings {
public:
    DivertedSettings(StorageService& storage, RegistryApi& registry)
        : storage_(storage), previous_(storage.diverted_) {
        storage.diverted_ = &registry;
    }
    ~DivertedSettings() { storage_.diverted_ = previous_; }
    DivertedSettings(const DivertedSettings&) = delete;
    DivertedSettings& operator=(const DivertedSettings&) = delete;

private:
    StorageService& storage_;
    RegistryApi* previous_;
};

// The storage service of the running application (through its product
// information); the application must have registered it.
StorageService& GetStorageService();

// The temporary file WriteFileReplacing writes for `path`.
String TemporaryPathFor(const String& path);

// Reads the local clock of the C runtime into the formatter's fields (the
// in-memory service; Windows reads its own clock, see StoreLocalTimeOf).
bool ReadLocalClock(LocaleFormatter& formatter);

}  // namespace corvinata
