// View > Layout: an entry per layout with the active one checked, and what
// the Layout commands do to the application's layouts.
#pragma once

#include <windows.h>

#include <vector>

#include "app/layouts.h"
#include "base/wide_string.h"

namespace corvinata {

// The layout entries of the frame's View > Layout submenu: one per name
// (at most five), `checked` marked.
void ShowLayoutEntries(HWND frame, const std::vector<String>& names, int checked);

// Add Layout, a layout's entry, Next, Previous and the two Remove commands.
void RunLayoutCommand(Layouts& layouts, int id);

}  // namespace corvinata
