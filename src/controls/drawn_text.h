// Where a static's text ends as it is drawn, for rows that a window strings
// together from statics of different fonts.
#pragma once

#include <windows.h>

namespace corvinata {

// How far the control's text, drawn on one line in the control's font,
// moves the pen: where a text following it starts. Measured by drawing it,
// because the widths GDI reports may not be those it draws with: a face with
// bitmaps of its own for small sizes (Wine's Tahoma at 8 points) is drawn
// from them, a pixel narrower a letter than the widths of its outlines that
// GetTextExtentPoint32 and DrawText's DT_CALCRECT report.
int DrawnTextWidth(HWND control);

}  // namespace corvinata
