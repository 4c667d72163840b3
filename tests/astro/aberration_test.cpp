// The annual aberration of Meeus' formula 23.2 against an independent
// library that forms it from the Earth's velocity (reference/README.md):
// the planets and Pluto, 1900 to 2100, in all elongations from the Sun.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/aberration.h"
#include "base/time_systems.h"
#include "support/csv_table.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

// Degrees: 0.1". The library takes the Earth's place at the time the light
// left the body instead of its velocity at the time it arrives, which turns
// the Earth's orbit into up to 0.06" for Neptune and Pluto; the formula
// leaves out terms below 0.01". The aberration itself reaches 20.5", its
// terms of the Earth's eccentricity 0.34".
constexpr double kTolerance = 0.1 / 3600.0;

TEST(AnnualAberration, MovesPlacesAsTheIndependentLibraryDoes) {
    const auto rows = test::ReadCsvFile(test::TestsPath("astro/reference/aberration.csv"));
    ASSERT_EQ(rows.size(), 208u);
    double largest = 0.0;
    for (const test::CsvRow& row : rows) {
        const std::string& date = row.Text(0);
        const DateTime tt{std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)),
                          std::stoi(date.substr(8, 2)), row.Number(1), kUniversalTime};
        const AnnualAberration aberration(DateTimeToJulianDay(tt), row.Number(3));
        const double lambda = row.Number(4);
        const double beta = row.Number(5);
        const double longitude = std::remainder(
            lambda + aberration.LongitudeOffset(lambda, beta) - row.Number(6), 360.0);
        const double latitude = beta + aberration.LatitudeOffset(lambda, beta) - row.Number(7);
        EXPECT_NEAR(longitude * std::cos(beta * 3.14159265358979 / 180.0), 0.0, kTolerance)
            << date << " " << row.Text(2);
        EXPECT_NEAR(latitude, 0.0, kTolerance) << date << " " << row.Text(2);
        largest = std::max({largest, std::fabs(std::remainder(row.Number(6) - lambda, 360.0)),
                            std::fabs(row.Number(7) - beta)});
    }
    // The table covers the whole effect, not only places where it is small.
    EXPECT_GT(largest, 18.0 / 3600.0);
}

}  // namespace
}  // namespace corvinata
