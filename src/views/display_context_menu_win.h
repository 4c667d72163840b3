// A display window's context menu ("Menu_Sky", "Menu_Sol", "Menu_Jup",
// "Menu_Sat"): the popup of the menu resource with "%1" (and "%2") of its
// captions, submenus included, replaced by the names of the bodies it is
// about, tracked at a point of the display, which gets its commands.
#pragma once

#include <windows.h>

#include "base/scoped_win.h"
#include "base/wide_string.h"

namespace corvinata {

class DisplayContextMenu {
public:
    // The menu resource `name`; no popup when the program has none.
    DisplayContextMenu(HINSTANCE instance, const wchar_t* name);

    HMENU Popup() const noexcept { return popup_; }
    // Every "%1" becomes `first` and, when given, every "%2" `second`; an
    // empty name (no body under the pointer) reads "unknown object".
    void FillNames(const String& first, const String* second = nullptr);
    // Shows the popup at the display's client point; the display gets the
    // chosen command.
    void Track(HWND display, POINT client, UINT flags) const;

private:
    ScopedMenu bar_;
    HMENU popup_ = nullptr;
};

// Whether a WM_CONTEXTMENU that reached the MDI child `window` asks for the
// menu of its selection: it came from the keyboard (Shift+F10, the menu
// key) or from the child itself rather than from its display.
inline bool AsksForSelectionMenu(HWND window, WPARAM wParam, LPARAM lParam) noexcept {
    return lParam == -1 || reinterpret_cast<HWND>(wParam) == window;
}

}  // namespace corvinata
