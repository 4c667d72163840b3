// What the user is told when help or the Quick Tour is asked for and the
// file or control behind it is not installed: a message box instead of nothing.
#pragma once

#include <windows.h>

#include "base/path_name.h"
#include "base/wide_string.h"

namespace corvinata {

// From now on a help request that cannot be shown (no help file, or no HTML
// help control) is answered by the program's message box (its resources
// are in `instance`).
void InstallHelpMessages(HINSTANCE instance);

// The Quick Tour script: the program folder's "Scripts\Quick Tour.sts".
String QuickTourScriptPath(const PathName& programDirectory);
// The Welcome dialog's tour choice. A missing script is reported in a
// message box owned by `owner`; false then.
bool StartQuickTour(HINSTANCE instance, HWND owner, const PathName& programDirectory);

}  // namespace corvinata
