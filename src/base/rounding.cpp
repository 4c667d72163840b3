#include "base/rounding.h"

#include <cmath>
#include <limits>

namespace corvinata {

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();

constexpr std::int32_t ClampToInt32(std::int64_t value) noexcept {
    return static_cast<std::int32_t>(value > kInt32Max ? kInt32Max
                                     : value < kInt32Min ? kInt32Min
                                                         : value);
}

}  // namespace

std::int32_t RoundToInt(double x) noexcept {
    if (std::isnan(x)) return 0;
    // Half away from zero on the exact value: adding 0.5 first would round
    // 0.49999999999999994 up to 1, and so does the round() of some C
    // runtimes (mingw-w64's for 64-bit Windows). The fraction x - trunc(x)
    // is exact.
    const double whole = std::trunc(x);
    const double rounded = std::fabs(x - whole) >= 0.5 ? whole + std::copysign(1.0, x) : whole;
    if (rounded >= static_cast<double>(kInt32Max)) return static_cast<std::int32_t>(kInt32Max);
    if (rounded <= static_cast<double>(kInt32Min)) return static_cast<std::int32_t>(kInt32Min);
    return static_cast<std::int32_t>(rounded);
}

void RoundToNearestStep(double& value, double step) noexcept {
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(value)) return;
    const double quotient = value / step;
    if (quotient == std::trunc(quotient)) return;   // already a multiple
    const double lower = std::floor(quotient) * step;
    const double upper = std::ceil(quotient) * step;
    const double nearest = std::fabs(value - upper) <= std::fabs(value - lower) ? upper : lower;
    // Adding zero turns the -0.0 of ceil(-0.4) x step into 0.0, which the
    // number formatter would otherwise write as "-0".
    value = nearest + 0.0;
}

std::int32_t ScaleStepByPowerOfTen(std::int32_t count, std::int32_t exponent) noexcept {
    std::int64_t result = count;
    if (exponent >= 0) {
        for (std::int32_t i = 0; i < exponent && result != 0; ++i) {
            result *= 10;
            if (result > kInt32Max || result < kInt32Min) return ClampToInt32(result);
        }
        return static_cast<std::int32_t>(result);
    }
    // 10^10 is more than twice any 32-bit count, so larger divisors give 0.
    const std::int64_t places = -static_cast<std::int64_t>(exponent);
    if (places > 10) return 0;
    std::int64_t divisor = 1;
    for (std::int64_t i = 0; i < places; ++i) divisor *= 10;
    const std::int64_t magnitude = result < 0 ? -result : result;
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    return ClampToInt32(result < 0 ? -quotient : quotient);
}

}  // namespace corvinata
