// Opening help pages and finding the program's directory on Windows.
#pragma once

#include <windows.h>

#include "app/help_topics.h"

namespace corvinata {

// The directory parts of the module's full path (null: the program file).
PathName GetProgramDirectory(HINSTANCE instance);
// Shows a page of the help file ("sky/sky_window.htm") owned by `owner`;
// false when the HTML help control is not installed.
bool ShowHelpTopic(HWND owner, const wchar_t* topic);
// Opens the help file on its search page, with an empty query.
bool ShowHelpSearch(HWND owner);
// Closes the help windows the program opened, if any.
void CloseAllHelpWindows();

}  // namespace corvinata
