// Two small value routines of the report tables and the event tools: the
// text of a stellar magnitude, and whether an angle lies on the shorter arc
// between two others (a longitude between two longitudes across the 0°/360°
// seam, a phase angle passing a quarter).
#pragma once

#include "base/wide_string.h"

namespace corvinata {

// The magnitude value that stands for "no magnitude".
constexpr double kNoMagnitude = 9999.0;

// Replaces `out` by the magnitude with `decimals` decimals and the unit
// letter: "+1.2m", "-0.5m", "0.0m"; "-.-m" for kNoMagnitude.
void FormatMagnitude(double magnitude, String& out, int decimals);

// Whether x (degrees) lies on the arc from the smaller to the larger of a
// and b, or on the arc across 0° when the two are more than 180° apart. The
// lower end belongs to the arc, the upper end does not; a = b is an empty
// arc. Angles are expected in 0..360.
bool IsAngleBetween(double a, double b, double x) noexcept;

}  // namespace corvinata
