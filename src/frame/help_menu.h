// What the Help menu and F1 in the frame open: the help file's contents,
// search, glossary, Quick Tour and keyboard map pages, and the About dialog.
#pragma once

#include <windows.h>

#include "app/night_vision.h"

namespace corvinata {

class ChildWindowRegistry;

// A command of the Help menu.
void RunHelpCommand(HINSTANCE instance, HWND frame, int id, const NightVisionStateInterface& night);

// F1 on a menu item opens the menu's page; in the window manager
// (`windowManager`, none when there is no pane), the page of the window its
// selected row names (none without a selected row); anywhere else the
// contents.
void ShowFrameHelp(HWND frame, HWND windowManager, const ChildWindowRegistry& registry, WPARAM wParam,
                   const HELPINFO* request);

}  // namespace corvinata
