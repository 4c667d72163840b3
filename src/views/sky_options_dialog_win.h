// The Sky Options dialog: five pages that edit what one Sky window draws and
// the application's "Keep stars fixed" flag.
#pragma once

#include <windows.h>

#include "app/option_records.h"

namespace corvinata {

class OptionsDialogPlacement;

enum SkyOptionsItem : int {
    kSkyOptionsTabItem = 20999,
    kShowSunItem = 20818,
    kShowMoonItem = 20812,
    kShowEclipticItem = 20621,
    kHorizonItem = 20706,
    kMapTypeItem = 20751,
    kGridTypeItem = 20695,
    kGridLabelsItem = 20696,
    kGridCrossesItem = 20697,
    kStarsFixedItem = 20510,
    kPlanetNamesItem = 20831,
    kPlanetSymbolsItem = 20835,
    kPlanetTracksItem = 20836,
    kPlanetsAllItem = 20832,
    kPlanetsNoneItem = 20833,
    kPlanetsRealisticItem = 20834,
    kStarNamesItem = 20879,
    kStarLettersItem = 20878,
    kMagnitudeLimitItem = 20750,
    kConstellationNamesItem = 20563,
    kConstellationLinesItem = 20562,
    kConstellationBoundariesItem = 20576,
    kDeepSkyCatalogueItem = 20816,
    kDeepSkyNamesItem = 20817,
    kDeepSkyColourItem = 20815,
};

// Runs the dialog over a copy of `options` and `starsFixed`; OK copies the
// edits back and answers true, Cancel changes nothing. `placement` keeps
// where the dialog stood and its tab between openings.
bool ShowSkyOptionsDialog(HWND parent, OptionsDialogPlacement& placement, bool& starsFixed, SkyOptions& options);

// The page shown, for tests: none while the dialog is closed.
HWND SkyOptionsCurrentPage();

}  // namespace corvinata
