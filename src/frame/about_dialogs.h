// The About dialog (logo, version, data credits, the maker's address) and
// the Welcome dialog of the first run.
#pragma once

#include <windows.h>

#include "app/night_vision.h"

namespace corvinata {

// What the Welcome dialog was asked to do.
enum class WelcomeChoice { Cancelled, QuickTour, HelpPages, Nothing };

// The logo is drawn in red shades while night vision is on.
void ShowAboutDialog(HINSTANCE instance, HWND frame, const NightVisionStateInterface& night);
WelcomeChoice ShowWelcomeDialog(HINSTANCE instance, HWND frame);

// The night-vision tint of the logo: a red shade of every pixel of the area.
void TintForNightVision(HDC dc, const RECT& area);

}  // namespace corvinata
