#include <windows.h>

#include "base/scoped_win.h"
#include "base/storage_service_win.h"

namespace corvinata {

namespace {

struct OpenAccess {
    DWORD access;
    DWORD share;
};

OpenAccess AccessOfMode(FileOpenMode mode) {
    switch (mode) {
    case FileOpenMode::Read:
        return {FILE_READ_DATA | FILE_READ_ATTRIBUTES, FILE_SHARE_READ};
    case FileOpenMode::Write:
        return {FILE_WRITE_DATA | FILE_WRITE_ATTRIBUTES, FILE_SHARE_WRITE | FILE_SHARE_DELETE};
    case FileOpenMode::ReadWrite:
        return {FILE_READ_DATA | FILE_WRITE_DATA | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE};
    }
    return {0, 0};
}

class Win32BinaryFile final : public BinaryFile {
public:
    using BinaryFile::BinaryFile;

    bool Close() override { return handle_.Close(); }

    bool Create(bool closeAfter) override {
        handle_.Reset(CreateFileW(Path().Text(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        atEnd_ = false;
        if (!handle_.IsValid()) return false;
        return closeAfter ? Close() : true;
    }

    bool Exists() override { return Win32PathExists(Path().Text()); }

    std::uint32_t GetSize() override {
        if (!handle_.IsValid()) return 0;
        SetLastError(NO_ERROR);
        const DWORD size = GetFileSize(handle_.Get(), nullptr);
        return size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR ? 0 : size;
    }

    bool Open(FileOpenMode mode) override {
        if (!OpenExisting(AccessOfMode(mode))) return false;
        // Writing from the start replaces the contents: a shorter text must
        // not leave the tail of the old one behind.
        if (mode == FileOpenMode::Write && !SetEndOfFile(handle_.Get())) {
            handle_.Close();
            return false;
        }
        return true;
    }

    bool OpenSharedForReading() override {
        return OpenExisting({FILE_READ_DATA | FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE});
    }

    bool AtEnd() const override { return atEnd_; }
    bool IsOpen() const override { return handle_.IsValid(); }

    bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& bytesRead) override {
        bytesRead = 0;
        if (count == 0) return true;
        DWORD got = 0;
        const bool ok = ReadFile(handle_.Get(), buffer, count, &got, nullptr) != 0;
        if (ok) atEnd_ = got == 0;
        bytesRead = ok ? got : 0;
        return ok && got > 0;
    }

    bool Write(const void* buffer, std::uint32_t count) override {
        DWORD written = 0;
        return WriteFile(handle_.Get(), buffer, count, &written, nullptr) != 0 &&
               written == count;
    }

    std::uint32_t GetPosition() override {
        LONG high = 0;
        SetLastError(NO_ERROR);
        const DWORD low = SetFilePointer(handle_.Get(), 0, &high, FILE_CURRENT);
        return low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR ? 0 : low;
    }

    bool SetPosition(std::uint32_t position) override {
        LONG high = 0;
        SetLastError(NO_ERROR);
        const DWORD low =
            SetFilePointer(handle_.Get(), static_cast<LONG>(position), &high, FILE_BEGIN);
        if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;
        atEnd_ = false;
        return true;
    }

    bool Truncate() override { return SetEndOfFile(handle_.Get()) != 0; }

protected:
    bool RemoveFromDisk() override { return DeleteFileW(Path().Text()) != 0; }

private:
    bool OpenExisting(const OpenAccess& open) {
        handle_.Reset(CreateFileW(Path().Text(), open.access, open.share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        atEnd_ = false;
        return handle_.IsValid();
    }

    ScopedFileHandle handle_;
    bool atEnd_ = false;
};

}  // namespace

std::unique_ptr<BinaryFile> MakeWin32BinaryFile(const String& path) {
    return std::make_unique<Win32BinaryFile>(path);
}

}  // namespace corvinata
