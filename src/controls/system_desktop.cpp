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

void MarkVisualStylesOn() {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kThemeManagerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return;
    const ScopedRegistryKey key(opened);
    static const wchar_t kOn[] = L"1";
    RegSetValueExW(opened, L"ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(kOn), sizeof kOn);
}

}  // namespace

DesktopLook SystemDesktop::Read() const {
    DesktopLook look;
    for (std::size_t i = 0; i < look.colours.size(); ++i)
        look.colours[i] = ColourOf(GetSysColor(kNightColourRules[i].systemIndex));
    look.visualStyles = IsThemeActive() != FALSE;
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
    // only ever turns them off): the programs started from now on, this one
    // at its next start included, find them on as the user had them.
    if (on && !IsThemeActive()) MarkVisualStylesOn();
}

}  // namespace corvinata
