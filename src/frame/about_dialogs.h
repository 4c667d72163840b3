// The About dialog (logo, version, data credits, the maker's address) and
// the Welcome dialog of the first run.
#pragma once

#include <windows.h>

namespace corvinata {

// What the Welcome dialog was asked to do.
enum class WelcomeChoice { Cancelled, QuickTour, HelpPages, Nothing };

void ShowAboutDialog(HINSTANCE instance, HWND frame, bool nightVision);
WelcomeChoice ShowWelcomeDialog(HINSTANCE instance, HWND frame);

// The night-vision tint of the logo: a red shade of every pixel of the area.
void TintForNightVision(HDC dc, const RECT& area);

}  // namespace corvinata
