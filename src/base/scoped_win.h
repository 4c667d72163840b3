// Owners of Windows handles: each kind is closed in exactly one place, when
// its owner goes away or is closed on purpose.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

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

// A GDI object of one kind (HBITMAP, HFONT, HBRUSH ...) made by the program.
template <class H>
struct GdiObjectTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return DeleteObject(handle) != 0; }
};

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return DeleteDC(handle) != 0; }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return DestroyMenu(handle) != 0; }
};

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return ImageList_Destroy(handle) != 0; }
};

struct ThemeTraits {
    using Handle = HTHEME;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return CloseThemeData(handle) == S_OK; }
};

struct DesktopTraits {
    using Handle = HDESK;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return CloseDesktop(handle) != 0; }
};

// A file handle from CreateFileW.
using ScopedFileHandle = ScopedWinHandle<FileHandleTraits>;
// A search handle from FindFirstFileW.
using ScopedFindHandle = ScopedWinHandle<FindHandleTraits>;
// An opened or created registry key (never a predefined root).
using ScopedRegistryKey = ScopedWinHandle<RegistryKeyTraits>;

using ScopedBitmap = ScopedWinHandle<GdiObjectTraits<HBITMAP>>;
using ScopedFont = ScopedWinHandle<GdiObjectTraits<HFONT>>;
// A device context from CreateCompatibleDC.
using ScopedMemoryDc = ScopedWinHandle<MemoryDcTraits>;
// A menu made with CreatePopupMenu or CreateMenu (one no window holds).
using ScopedMenu = ScopedWinHandle<MenuTraits>;
// An image list from ImageList_Create (one no control owns: a list view
// without LVS_SHAREIMAGELISTS is handed it and leaves it to its maker).
using ScopedImageList = ScopedWinHandle<ImageListTraits>;
// Theme data from OpenThemeData; null where no visual style is active.
using ScopedTheme = ScopedWinHandle<ThemeTraits>;
// A desktop from OpenDesktopW or CreateDesktopW (never a thread's own from
// GetThreadDesktop).
using ScopedDesktop = ScopedWinHandle<DesktopTraits>;

// A window's device context from GetDC (or GetDCEx with `flags`), released
// with ReleaseDC.
class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ScopedWindowDc(HWND window, DWORD flags) noexcept : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
    ~ScopedWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    HDC Get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint ... EndPaint.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC Get() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context and puts the old one back.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace corvinata
