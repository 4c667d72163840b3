#include "tools/magnitude_text.h"

#include <algorithm>

#include "base/text_format.h"

namespace corvinata {

void FormatMagnitude(double magnitude, String& out, int decimals) {
    if (magnitude == kNoMagnitude) {
        out = TXT("-.-m");
        return;
    }
    // A positive value carries "+", zero none, a negative one its own "-".
    FormatDouble(magnitude, decimals, out, true);
    StringAppend(out, TXT("m"));
}

bool IsAngleBetween(double a, double b, double x) noexcept {
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    if (hi - lo <= 180.0) return lo <= x && x < hi;
    // The arc runs from hi up through 360° to lo.
    if (x >= 0.0 && x <= lo) x += 360.0;
    return hi <= x && x < lo + 360.0;
}

}  // namespace corvinata
