// The window manager's list: one row per open child window, its kind and
// its title, the active window selected.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "app/child_window_registry.h"

namespace corvinata {

// Brings the list of the pane dialog up to date with the registry: new
// windows are appended, titles refreshed, rows of closed windows removed,
// Close and Duplicate enabled exactly when the list has rows, and the
// active child's row is selected when it is not already.
void UpdateWindowManagerList(HWND pane, const ChildWindowRegistry& registry, HWND activeChild);
// Removes a closing window's row at once, so that a window created later at
// the same address gets a row of its own.
void RemoveWindowManagerRow(HWND pane, const RegisteredWindow& window);
// "&Close" and "&Duplicate" act on the selected row's window: enabled
// exactly while a row is selected (after a change of the selection and
// after a row went).
void EnableWindowManagerButtons(HWND pane);
// A row the list newly selected: its window becomes the active child
// (nothing when it is already).
void ActivateSelectedWindow(const NMLISTVIEW& change, const ChildWindowRegistry& registry, HWND mdiClient);
// "&Close" (IDC_PANE_CLOSE) closes and "&Duplicate" (IDC_PANE_DUPLICATE)
// duplicates the selected row's window; nothing without a selection.
void RunWindowManagerButton(HWND pane, int id, const ChildWindowRegistry& registry);
// F1 in the pane: the selected row's window opens its own help page (it
// gets the help request as it is); nothing when no open window is selected.
void ShowSelectedWindowHelp(HWND pane, const ChildWindowRegistry& registry, WPARAM wParam, const HELPINFO& request);

}  // namespace corvinata
