// Date and time records for the tests.
#pragma once

#include <cstdint>

#include "base/date_time.h"

namespace corvinata::test {

// The record of the given calendar date, hours into the day and time system.
DateTime MakeDateTime(std::int32_t year, std::int32_t month, std::int32_t day,
                      double hours = 0.0, std::int32_t timeSystem = kUniversalTime);

}  // namespace corvinata::test
