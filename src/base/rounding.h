// Rounding to a whole number, to the nearest multiple of a step and by a
// power of ten.
#pragma once

#include <cstdint>

namespace corvinata {

// Rounds half away from zero (2.5 -> 3, -2.5 -> -3). Values beyond the 32-bit
// range give its nearest end; not-a-number gives 0.
std::int32_t RoundToInt(double x) noexcept;

// Replaces `value` by the multiple of `step` nearest to it; a value exactly
// halfway goes up (12.5 with step 5 -> 15, -12.5 -> -10). A step that is not
// a positive finite number leaves `value` as it is.
void RoundToNearestStep(double& value, double step) noexcept;

// count x 10^exponent rounded half away from zero (25 and -1 give 3), in
// exact whole-number arithmetic; a result beyond the 32-bit range gives its
// nearest end. The axis-step objects of graphs scale their step count by it.
std::int32_t ScaleStepByPowerOfTen(std::int32_t count, std::int32_t exponent) noexcept;

}  // namespace corvinata
