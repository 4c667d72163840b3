// The Solar System Options dialog: what a window's plan draws and which
// quantity its panel lists.
#pragma once

#include <windows.h>

#include "app/option_records.h"
#include "app/window_geometry.h"

namespace corvinata {

// Control ids of "Dlg_SolarOptions".
enum SolarOptionsControl : int {
    kSolarOptionNames = 20800,
    kSolarOptionSymbols = 20863,
    kSolarOptionMoon = 20812,
    kSolarOptionOrbits = 20820,
    kSolarOptionRightAscension = 20542,
    kSolarOptionSigns = 20540,
    kSolarOptionConstellations = 20541,
    kSolarOptionSightLines = 20543,
    kSolarOptionQuantity = 20651,
};

// Edits a copy of `options`; on OK the copy is written back and the answer
// is true. Cancel, Escape and the close box leave `options` as it was.
// `placement` keeps where the dialog stood.
bool ShowSolarOptionsDialog(SolarSystemOptions& options, WindowGeometry& placement, HWND parent, HINSTANCE instance);

}  // namespace corvinata
