// Opening help pages and finding the program's directory on Windows.
#pragma once

#include <windows.h>

#include <optional>

#include "app/help_topics.h"

namespace corvinata {

// The directory parts of the module's full path (null: the program file).
PathName GetProgramDirectory(HINSTANCE instance);
// Why help could not be shown.
enum class HelpFailure {
    FileMissing,    // no help file beside the program
    ViewerMissing,  // the HTML help control cannot be loaded
};
// Told, with the help file's path, when help is asked for and cannot be
// shown; null says nothing.
using HelpFailureReporter = void (*)(HWND owner, const String& path, HelpFailure failure);
void SetHelpFailureReporter(HelpFailureReporter reporter) noexcept;
// The library of the HTML help control ("hhctrl.ocx"); takes effect when
// help is next asked for, unless a help window is open (CloseAllHelpWindows
// closes them).
void SetHelpViewerLibrary(const wchar_t* fileName);
// The folder of the help file: the program's, unless a test names another
// (nothing: the program's again).
void SetHelpFileDirectory(std::optional<PathName> folder);
// Shows a page of the help file ("sky/sky_window.htm") owned by `owner`;
// false when the help file is missing or the HTML help control cannot be
// loaded (both reported).
bool ShowHelpTopic(HWND owner, const wchar_t* topic);
// A window's, pane's or dialog's own page.
bool ShowHelpTopic(HWND owner, HelpPage page);
// Opens the help file on its search page, with an empty query.
bool ShowHelpSearch(HWND owner);
// Closes the help windows the program opened, if any.
void CloseAllHelpWindows();

}  // namespace corvinata
