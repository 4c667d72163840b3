// Date of Easter Sunday in the Gregorian calendar.
#pragma once

#include <cstdint>

namespace corvinata {

struct EasterDate {
    std::int32_t month;   // 3 (March) or 4 (April)
    std::int32_t day;     // day of that month
};

// Easter Sunday of a Gregorian year, by the anonymous Gregorian computus
// (Meeus, Astronomical Algorithms, ch. 8). The rule is applied to every year
// with no Julian-calendar branch; the program's dates begin in 1583. Dates
// fall between 22 March and 25 April.
EasterDate EasterSunday(std::int32_t year) noexcept;

}  // namespace corvinata
