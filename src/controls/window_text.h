// A window's text read whole, however long: an edit has no limit on what
// the user types or pastes, and a value read from a fixed buffer would be
// a value cut short, which the text never said.
#pragma once

#include <windows.h>

#include "base/wide_string.h"

namespace corvinata {

// The window's whole text; empty for no window.
String WindowText(HWND window);
// The whole text of a dialog's control.
String DialogItemText(HWND dialog, int id);

}  // namespace corvinata
