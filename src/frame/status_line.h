// The frame's status line: a general text (menu and button help, or the
// product title), the observer's place, and the date and time. A
// double-click on the place or the time opens its dialog.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "app/recent_files.h"
#include "base/date_time_location.h"
#include "base/text_char.h"

namespace corvinata {

class StatusLine {
public:
    bool Create(HWND frame, HINSTANCE instance);
    HWND Window() const noexcept { return window_; }
    void Destroy();

    // Sizes the three parts to their texts and sets them.
    void Layout(const Char* general, const Char* location, const Char* dateTime);
    void SetGeneralText(const Char* text);

    // The general text (the product title when none is given), the place
    // and the local time of `current`.
    void ShowCurrent(const DateTimeLocation& current, const Char* general = nullptr);
    // WM_MENUSELECT: the highlighted item's description (a recent file's
    // path); the title, place and time again when the menu closes.
    void ShowMenuHelp(HINSTANCE instance, const RecentFiles& recent, WPARAM wParam, LPARAM lParam,
                      const DateTimeLocation& current);
    // TBN_HOTITEMCHANGE: the hot button's description; the title, place
    // and time again when the pointer leaves the buttons.
    void ShowButtonHelp(HINSTANCE instance, const NMTBHOTITEM& hot, const DateTimeLocation& current);
    // The command a double-click on a part runs: the place's Location, the
    // time's Date and Time; 0 for the general text.
    static int CommandOfPart(DWORD_PTR part) noexcept;

private:
    HWND window_ = nullptr;
};

}  // namespace corvinata
