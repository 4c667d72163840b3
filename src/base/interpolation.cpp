#include "base/interpolation.h"

#include <initializer_list>

namespace corvinata {

double InterpolateThreeValues(std::int32_t period, double y1, double y2, double y3,
                              double n) noexcept {
    const bool wraps = period > 0;
    if (wraps) {
        // The thresholds must be taken in floating point: in whole numbers a
        // period of 24 hours would give 0 for both and never wrap.
        const double small = period / 10.0;
        const double large = period * 9.0 / 10.0;
        const bool anySmall = y1 < small || y2 < small || y3 < small;
        const bool anyLarge = y1 > large || y2 > large || y3 > large;
        if (anySmall && anyLarge) {
            for (double* y : {&y1, &y2, &y3}) {
                if (*y < small) *y += period;
            }
        }
    }
    const double a = y2 - y1;
    const double b = y3 - y2;
    const double c = b - a;
    const double y = y2 + n / 2.0 * (a + b + n * c);
    return (wraps && y >= period) ? y - period : y;
}

}  // namespace corvinata
