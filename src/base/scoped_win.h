// Owners of Windows handles: each kind is closed in exactly one place, when
// its owner goes away or is closed on purpose.
#pragma once

#include <windows.h>

namespace corvinata {

template <class Traits>
class ScopedWinHandle {
public:
    using Handle = typename Traits::Handle;

    ScopedWinHandle() noexcept : handle_(Traits::Invalid()) {}
    explicit ScopedWinHandle(Handle handle) noexcept : handle_(handle) {}
    ~ScopedWinHandle() { Close(); }
    ScopedWinHandle(const ScopedWinHandle&) = delete;
    ScopedWinHandle& operator=(const ScopedWinHandle&) = delete;
    ScopedWinHandle(ScopedWinHandle&& other) noexcept : handle_(other.Release()) {}
    ScopedWinHandle& operator=(ScopedWinHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const noexcept { return handle_; }
    bool IsValid() const noexcept { return handle_ != Traits::Invalid(); }

    // Closes the handle; true when there was one and it closed without error.
    bool Close() noexcept {
        if (!IsValid()) return false;
        const Handle handle = Release();
        return Traits::Close(handle);
    }
    // Closes the handle held (if any) and takes `handle`.
    void Reset(Handle handle) noexcept {
        Close();
        handle_ = handle;
    }
    // Gives the handle up without closing it.
    Handle Release() noexcept {
        const Handle handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }

private:
    Handle handle_;
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle handle) noexcept { return CloseHandle(handle) != 0; }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle handle) noexcept { return FindClose(handle) != 0; }
};

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return RegCloseKey(handle) == ERROR_SUCCESS; }
};

// A file handle from CreateFileW.
using ScopedFileHandle = ScopedWinHandle<FileHandleTraits>;
// A search handle from FindFirstFileW.
using ScopedFindHandle = ScopedWinHandle<FindHandleTraits>;
// An opened or created registry key (never a predefined root).
using ScopedRegistryKey = ScopedWinHandle<RegistryKeyTraits>;

}  // namespace corvinata
