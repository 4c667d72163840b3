// Tooltips stay on top of every window, menus included: one shown while a
// menu opens would lie over the menu's first items. These keep the
// program's tips off open menus.
#pragma once

#include <windows.h>

namespace corvinata {

// True while a menu of this thread runs its modal loop (a context menu, a
// toolbar drop-down or the menu bar).
bool MenuOpenOnThisThread();

// A tooltip control that a common control shows by itself (from its own
// timers, which keep running inside a menu's loop): it is hidden when it
// would show while a menu is open. Gone with the window.
void KeepTooltipOffMenus(HWND tooltip);

}  // namespace corvinata
