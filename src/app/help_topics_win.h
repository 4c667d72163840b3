// Opening help pages and finding the program's directory on Windows.
#pragma once

#include <windows.h>

#include "app/help_topics.h"

namespace corvinata {

// The directory parts of the module's full path (null: the program file).
PathName GetProgramDirectory(HINSTANCE instance);
// Told, with the help file's path, when help is asked for and the file is
// not there; null says nothing.
using MissingHelpFileReporter = void (*)(HWND owner, const String& path);
void SetMissingHelpFileReporter(MissingHelpFileReporter reporter) noexcept;
// Shows a page of the help file ("sky/sky_window.htm") owned by `owner`;
// false when the help file is missing (reported) or the HTML help control
// is not installed.
bool ShowHelpTopic(HWND owner, const wchar_t* topic);
// Opens the help file on its search page, with an empty query.
bool ShowHelpSearch(HWND owner);
// Closes the help windows the program opened, if any.
void CloseAllHelpWindows();

}  // namespace corvinata
