// Three-point interpolation in a table of values at equal steps, as the time
// of an event is refined between tabulated moments.
#pragma once

#include <cstdint>

namespace corvinata {

// The period argument of InterpolateThreeValues for a quantity that does not
// wrap round.
constexpr std::int32_t kNoPeriod = -1;

// Value at the interpolating factor n (n = 0 at y2, -1 at y1, +1 at y3) of
// three values tabulated at equal steps, by the three-point formula of Meeus,
// Astronomical Algorithms, ch. 3. For a quantity that wraps round with a
// positive `period` (360 for degrees, 24 for hours) values below a tenth of
// the period are taken one period higher when others lie above nine tenths
// of it (359 and 1 become 359 and 361), and a result of a period or more is
// reduced by one period. Pass kNoPeriod for a quantity that does not wrap.
double InterpolateThreeValues(std::int32_t period, double y1, double y2, double y3,
                              double n) noexcept;

}  // namespace corvinata
