#include "controls/system_desktop.h"

#include <windows.h>
#include <uxtheme.h>

#include "base/scoped_win.h"

namespace corvinata {

namespace {

Colour ColourOf(COLORREF value) noexcept {
    return Colour{GetRValue(value), GetGValue(value), GetBValue(value)};
}

// Where the shell keeps whether visual styles are on; it is read when a
// program loads them.
constexpr const wchar_t* kThemeManagerKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";

void MarkVisualStyles(bool on) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kThemeManagerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return;
    const ScopedRegistryKey key(opened);
    const wchar_t value[] = {on ? L'1' : L'0', 0};
    RegSetValueExW(opened, L"ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
}

// Whether the shell marks visual styles on for the programs it starts.
bool MarkedVisualStylesOn() {
    wchar_t value[8] = L"";
    DWORD size = sizeof value - sizeof value[0];
    if (RegGetValueW(HKEY_CURRENT_USER, kThemeManagerKey, L"ThemeActive", RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return false;
    return value[0] == L'1';
}

BOOL CALLBACK TellThemeChanged(HWND window, LPARAM) {
    SendMessageW(window, WM_THEMECHANGED, 0, 0);
    return TRUE;
}

BOOL CALLBACK TellWindowAndChildren(HWND window, LPARAM) {
    TellThemeChanged(window, 0);
    EnumChildWindows(window, &TellThemeChanged, 0);
    return TRUE;
}

BOOL CALLBACK AddShownWindow(HWND window, LPARAM data) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

}  // namespace

DesktopColours SystemColoursNow() {
    DesktopColours colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = ColourOf(GetSysColor(kNightColourRules[i].systemIndex));
    return colours;
}

DesktopLook SystemDesktop::Read() const {
    DesktopLook look;
    look.colours = SystemColoursNow();
    // A process whose own visual styles went off (Wine's EnableTheming
    // cannot turn them on again in it) still hands the desktop's on: the
    // shell's mark says what the desktop has.
    look.visualStyles = IsThemeActive() != FALSE || MarkedVisualStylesOn();
    return look;
}

void SystemDesktop::SetColours(const DesktopColours& colours) {
    INT indices[kNightColourCount];
    COLORREF values[kNightColourCount];
    for (std::size_t i = 0; i < colours.size(); ++i) {
        indices[i] = kNightColourRules[i].systemIndex;
        values[i] = colours[i].ToColorRef();
    }
    SetSysColors(kNightColourCount, indices, values);
}

void SystemDesktop::EnableVisualStyles(bool on) {
    EnableTheming(on ? TRUE : FALSE);
    // Wine switches them off for good but not on again (its EnableTheming
    // only ever turns them off), and from a process whose own are off
    // already it marks nothing: the programs started from now on, this one
    // at its next start included, find them as night vision wants them.
    if (on ? !IsThemeActive() : MarkedVisualStylesOn()) MarkVisualStyles(on);
    // The system's own notice may come after the windows have drawn again
    // (the start-up draws the frame at once): this thread's windows drop
    // their visual styles now, before anything draws. The system posts its
    // notice to every window; this thread's copies, taken after the windows
    // have drawn, would draw each of them a second time: they are dropped.
    if (on) return;
    EnumThreadWindows(GetCurrentThreadId(), &TellWindowAndChildren, 0);
    MSG posted;
    while (PeekMessageW(&posted, nullptr, WM_THEMECHANGED, WM_THEMECHANGED, PM_REMOVE | PM_NOYIELD)) {
    }
}

void SystemDesktop::HoldDrawing(bool hold) {
    if (hold) {
        held_.clear();
        EnumThreadWindows(GetCurrentThreadId(), &AddShownWindow, reinterpret_cast<LPARAM>(&held_));
        for (HWND window : held_) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
        return;
    }
    for (HWND window : held_) {
        if (!IsWindow(window)) continue;
        SendMessageW(window, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    held_.clear();
}

}  // namespace corvinata
