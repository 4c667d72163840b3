#include "astro/easter.h"

namespace corvinata {

namespace {

// Floor division and its non-negative remainder, so that the computus stays
// a proleptic Gregorian rule for years before 1 as well; for positive years
// they equal plain integer division and remainder.
constexpr std::int32_t FloorDiv(std::int32_t a, std::int32_t b) noexcept {
    const std::int32_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

constexpr std::int32_t FloorMod(std::int32_t a, std::int32_t b) noexcept {
    return a - FloorDiv(a, b) * b;
}

}  // namespace

EasterDate EasterSunday(std::int32_t year) noexcept {
    // a: place in the 19-year Metonic cycle; b, c: century and year in it.
    const std::int32_t a = FloorMod(year, 19);
    const std::int32_t b = FloorDiv(year, 100);
    const std::int32_t c = FloorMod(year, 100);
    // d, e: the Gregorian leap-year correction; f, g: the lunar correction.
    const std::int32_t d = FloorDiv(b, 4);
    const std::int32_t e = FloorMod(b, 4);
    const std::int32_t f = FloorDiv(b + 8, 25);
    const std::int32_t g = FloorDiv(b - f + 1, 3);
    // h: days from 21 March to the Paschal full moon, less the correction m.
    const std::int32_t h = FloorMod(19 * a + b - d - g + 15, 30);
    const std::int32_t i = c / 4;
    const std::int32_t k = c % 4;
    // l: days from that full moon to the following Sunday.
    const std::int32_t l = FloorMod(32 + 2 * e + 2 * i - h - k, 7);
    const std::int32_t m = (a + 11 * h + 22 * l) / 451;
    const std::int32_t n = h + l - 7 * m + 114;
    return EasterDate{n / 31, n % 31 + 1};
}

}  // namespace corvinata
