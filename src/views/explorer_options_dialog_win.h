// The Jupiter and Saturn Explorer Options dialogs: whether a window draws
// the moons' names and orbits, and whether its picture is swapped as an
// instrument shows it, with a text that says which instrument.
#pragma once

#include <windows.h>

#include "app/explorer_commands.h"
#include "app/window_geometry.h"

namespace corvinata {

// Control ids of "Dlg_JupOptions" and "Dlg_SatOptions".
enum ExplorerOptionsControl : int {
    kExplorerOptionNamesBox = 20800,
    kExplorerOptionOrbitsBox = 20820,
    kExplorerOptionSwapNorthSouthBox = 21610,
    kExplorerOptionSwapEastWestBox = 20609,
    kExplorerOptionExplanation = 20881,
};

// Edits a copy of `options` in the kind's dialog; on OK the copy is written
// back and the answer is true. Cancel, Escape and the close box leave
// `options` as it was. `placement` keeps where the dialog stood.
bool ShowExplorerOptionsDialog(const ExplorerKindTraits& traits, ExplorerDisplayOptions& options,
                               WindowGeometry& placement, HWND parent, HINSTANCE instance);

// The window's options in the dialog; a change made there becomes one step
// of the window's history, no change records nothing.
void ChangeExplorerOptions(ExplorerActions& actions, ExplorerView& view, WindowGeometry& placement, HWND parent,
                           HINSTANCE instance);

}  // namespace corvinata
