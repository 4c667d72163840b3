// Where the keys go inside a dialog that lives in another window (a control
// panel in the frame's pane): back to the control that had them last, and
// never nowhere while one of its controls is disabled for a moment.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace corvinata {

// Remembers, for as long as it lives, the last control of the dialog that
// had the keys. The system tells a dialog inside another window of no
// activation, so its own memory of the focus never follows the user: the
// window it lives in notes the control where the keys leave the dialog
// (NoteDialogKeys), as a top-level dialog does when it is deactivated.
class DialogKeysMemory {
public:
    explicit DialogKeysMemory(HWND dialog);
    ~DialogKeysMemory();
    DialogKeysMemory(const DialogKeysMemory&) = delete;
    DialogKeysMemory& operator=(const DialogKeysMemory&) = delete;

private:
    HWND dialog_;
};

// The keys are leaving `control` (or have just left it): when it is a
// control of the remembering dialog, it is the one the dialog gives them
// back to.
void NoteDialogKeys(HWND dialog, HWND control);

// The keys to the dialog's control that had them last, when it can still
// take them (there, shown, enabled); else to its first tab stop.
void GiveDialogKeys(HWND dialog);

// The control is disabled; when it had the keys, they go to the dialog's
// next control meanwhile (a disabled control that has them leaves them
// nowhere). True when it had them.
bool DisableKeepingKeys(HWND control);

// The controls enabled, or disabled as by DisableKeepingKeys (a panel's
// controls while a highlight runs).
void EnableKeepingKeys(std::initializer_list<HWND> controls, bool enable);

// The keys to the control, when it can take them and its top-level window
// is the active one (the keys never bring a window to the front).
void GiveKeysTo(HWND control);

// A button disabled while its work runs, then enabled again, with the keys
// back on it when it had them.
class DisabledWhileWorking {
public:
    explicit DisabledWhileWorking(HWND control) : control_(control), hadKeys_(DisableKeepingKeys(control)) {}
    ~DisabledWhileWorking();
    DisabledWhileWorking(const DisabledWhileWorking&) = delete;
    DisabledWhileWorking& operator=(const DisabledWhileWorking&) = delete;

private:
    HWND control_;
    bool hadKeys_;
};

}  // namespace corvinata
