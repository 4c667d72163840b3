// Dialogs reopen where the user left them: the dialog's state object keeps
// its place (and its tab) for the whole run, the dialog applies it when it
// opens and takes it back when it closes.
#pragma once

#include <windows.h>

#include "app/dialog_states.h"

namespace corvinata {

// From WM_INITDIALOG: keeps the window in the state and moves the dialog to
// the remembered place, brought onto the nearest monitor's work area when
// the place lies off it.
void LoadDialogGeometry(HWND dialog, DialogState& state);
// From WM_DESTROY: the dialog's place back into the state.
void SaveDialogGeometry(HWND dialog, DialogState& state);

// "Left" and "Top" move the dialog (the other coordinate stays); "Current
// tab" selects a tab of the control the state maps it to. False for any
// other name, an unmapped one or a tab the control refuses.
bool SetDialogPlacementValue(HWND dialog, const DialogState& state, const Char* name, int value);
// The same values read back; false leaves `value` as it was.
bool GetDialogPlacementValue(HWND dialog, const DialogState& state, const Char* name, int& value);

// The first checked radio button from `first` to `last`, or 0.
int FindCheckedRadioButton(HWND dialog, int first, int last);

}  // namespace corvinata
