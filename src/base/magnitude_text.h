// The text of a stellar magnitude, as reports, Object Info and the quantity
// values write it.
#pragma once

#include "base/wide_string.h"

namespace corvinata {

// The magnitude value that stands for "no magnitude".
constexpr double kNoMagnitude = 9999.0;

// Replaces `out` by the magnitude with `decimals` decimals and the unit
// letter: "+1.2m", "-0.5m", "0.0m"; "-.-m" for kNoMagnitude.
void FormatMagnitude(double magnitude, String& out, int decimals);

}  // namespace corvinata
