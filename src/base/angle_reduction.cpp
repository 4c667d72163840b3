#include "base/angle_reduction.h"

#include <algorithm>
#include <cmath>

namespace corvinata {

double ReduceDegrees(double x) noexcept {
    double n = std::trunc(x / 360.0);
    if (x < 0.0) n -= 1.0;
    const double reduced = x - 360.0 * n;
    // A full turn is no turn: the catalogue's tables of right ascension end
    // below 360, and every caller reads 0 and 360 alike.
    return reduced >= 360.0 ? reduced - 360.0 : reduced;
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
