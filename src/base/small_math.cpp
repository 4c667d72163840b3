#include "base/small_math.h"

#include <cmath>
#include <initializer_list>
#include <limits>

#include "base/platform_objects.h"
#include "base/services.h"
#include "base/wide_string.h"
#include "catalog/catalog_services.h"

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

std::int32_t RoundToInt(double x) noexcept {
    if (std::isnan(x)) return 0;
    // std::round rounds half away from zero on the exact value; adding 0.5
    // first would round 0.49999999999999994 up to 1.
    const double rounded = std::round(x);
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

void DateTimeRangeInit(DateTimeRange& range, std::int32_t timeSystem) noexcept {
    DateTime start;
    start.timeSystem = timeSystem;
    range.begin = start;
    range.end = start;
}

void DateTimeRangeSet(DateTimeRange& range, const DateTime& begin, const DateTime& end) noexcept {
    DateTimeAssign(range.begin, begin);
    DateTimeAssign(range.end, end);
}

const DateTime& DateTimeRangeSetBeginFromRange(DateTimeRange& range, const DateTimeRange& other,
                                               const DateTime& end) noexcept {
    DateTimeAssign(range.begin, other.begin);
    DateTimeAssign(range.end, end);
    return range.end;
}

bool IsDaylightSavingActive(const DaylightSavingOption& option) noexcept {
    return option.active;
}

bool SetDaylightSavingActive(DaylightSavingOption& option, bool flag) noexcept {
    option.active = flag;
    return flag;
}

bool QueryDaylightSavingActive(DaylightSavingOption& option) {
    OwnedPtr<SystemInfo> info;
    MakeSystemInfo(info);
    return SetDaylightSavingActive(option, info && info->IsDaylightSavingTime());
}

std::int32_t GetIntField(const DateTime& record) noexcept { return record.timeSystem; }

void EventTimePairAssign(EventTimePair& target, const EventTimePair& source) noexcept {
    if (&target != &source) {
        target.first = source.first;
        target.second = source.second;
    }
    target.code = source.code;
}

bool FormatQuantity(std::int32_t kind, std::int32_t extra, String& out, double value) {
    // The extra word is the value's system; the time kind's flag word is 2.
    const std::unique_ptr<QuantityValue> quantity = CreateQuantityValue(kind, value, extra, 2);
    if (!quantity) return false;
    QuantityFormatRequest request;
    request.withSystemName = false;
    request.rounding = 0;
    request.unitPrecision = 0;
    request.precision = 2;
    if (HasDisplayFormat()) {
        const DisplayFormatInterface& display = GetDisplayFormat();
        request.angleDegreeBase = display.GetAngleDegreeBase();
        request.raDisplayUnit = display.GetRaDisplayUnit();
    }
    quantity->Format(out, request);
    return true;
}

}  // namespace corvinata
