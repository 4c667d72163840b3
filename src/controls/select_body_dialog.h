// The Select Body dialog: one celestial object chosen from the tree of the
// solar system and the large catalogues, and for a catalogue from the
// sorted names of its objects in a chosen name system.
#pragma once

#include <windows.h>

#include "app/body_tree.h"
#include "app/sky_commands.h"
#include "app/window_geometry.h"
#include "controls/dialog_template.h"

namespace corvinata {

enum SelectBodyControl : int {
    kIdBodyTree = 21013,
    kIdBodyNames = 20741,
    kIdNameSystem = 20804,
};

// Sent by the dialog to itself when a double click chose a body.
constexpr UINT kAcceptBodyMessage = WM_APP + 21;

// What the application keeps of the dialog for the whole run.
struct SelectBodyDialogParams {
    WindowGeometry* placement = nullptr;
    bool includeEarth = true;
    bool includeSatellites = true;
    const wchar_t* title = nullptr;  // null or empty: "Select Object"
    BodyIdentifier selection;        // the initial choice; the stored one
};

DialogTemplate SelectBodyDialogTemplate();
INT_PTR CALLBACK SelectBodyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog on `params` (the flags, the title and the selection set by
// the caller); true, with the choice in `selection` and in the parameter
// block, when the user confirmed. Otherwise `selection` is left alone.
bool ShowSelectBodyDialog(HWND owner, SelectBodyDialogParams& params, const wchar_t* title,
                          bool includeEarth, bool includeSatellites, BodyIdentifier& selection);

// The Sky window's "Find Object": the dialog without the Earth and the
// satellites, and the chosen body selected and centred in the window as one
// undoable step. `selection` is the initial choice and receives the result.
bool FindInSky(HWND window, SkyActions& actions, SkyWindowCommands& sky, SelectBodyDialogParams& params,
               BodyIdentifier& selection);

}  // namespace corvinata
