// What the Jupiter and Saturn panels and options dialogs show, without their
// windows: a moon's coordinate, the planet's tilts and the orientation an
// instrument gives.
#pragma once

#include "base/wide_string.h"

namespace corvinata {

// A moon's X, Y or Z in planet radii: at most two decimals, trailing zeros
// and a bare point dropped, "+" above zero; a value that rounds to zero is
// "0" whatever its sign.
String ExplorerCoordinateText(double radii);

// A planet tilt in degrees, brought into -180..180, signed, in the user's
// angle style (kAngleSexagesimal to the minute, or two decimals).
String ExplorerTiltText(double degrees, int angleStyle);

// The options dialog's explanation of the picture the two swaps give.
const Char* ExplorerOrientationText(bool swapNorthSouth, bool swapEastWest) noexcept;

}  // namespace corvinata
