// The Select Event dialog: a predefined event with its bodies, the extreme
// of one body function, or a search expression typed by hand. It starts from
// the remembered selection and remembers only a choice that compiles.
#pragma once

#include <windows.h>

#include "app/window_geometry.h"
#include "base/storage.h"
#include "controls/select_body_dialog.h"
#include "tools/event_definitions.h"

namespace corvinata {

struct SelectEventDialogState {
    StorageService* storage = nullptr;
    String settingsRoot;
    // The dialog's place (screen pixels), kept with the application's
    // dialog positions; none: the place the template gives.
    WindowGeometry* placement = nullptr;
    SelectBodyDialogParams bodies;
    WindowGeometry bodyPlacement;
    // The choice being edited.
    events::EventCondition condition;
    HWND window = nullptr;
};

// Runs the dialog; true with the choice in `condition` when OK closed it.
bool ShowSelectEventDialog(HINSTANCE instance, HWND owner, SelectEventDialogState& state,
                           events::EventCondition& condition);

}  // namespace corvinata
