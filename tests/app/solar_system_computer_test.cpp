#include <gtest/gtest.h>

#include <cmath>

#include "app/solar_system_computer.h"
#include "base/colour_table.h"
#include "base/angle_value.h"
#include "base/event_time.h"
#include "base/services.h"
#include "catalog/event_kinds.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

class SolarSystemComputerTest : public testing::Test {
protected:
    TimeAndPlace At(const DateTime& dateTime) {
        TimeAndPlace moment;
        moment.dateTime = dateTime;
        return moment;
    }
    test::ScopedCatalogues catalogues_;
    CatalogueSolarSystemComputer computer_;
};

double AngleBetween(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

// Published heliocentric positions for 1992 December 20, 0 h dynamical time
// (about a minute later in Universal time matters not at this tolerance).
TEST_F(SolarSystemComputerTest, HeliocentricPositionsMatchPublishedValues) {
    const TimeAndPlace moment = At(MakeDateTime(1992, 12, 20, 0.0, kUniversalTime));
    struct Case {
        int body;
        double longitude, radius;
    } cases[] = {
        {1, 26.11428, 0.724603},                // Venus
        {kSolarSystemEarth, 88.35704, 0.983824},  // the Earth
    };
    for (const Case& c : cases) {
        const SolarSystemPoint p = computer_.Compute(c.body, moment);
        EXPECT_LT(AngleBetween(p.angle, c.longitude), 0.05) << c.body << " " << p.angle;
        EXPECT_NEAR(p.value, c.radius, 0.002) << c.body;
        EXPECT_EQ(p.unit, kAstronomicalUnits);
    }
}

// The Moon's ecliptic longitude: its first quarter of 2000 January 14
// (13:34 UT) puts it 90 degrees east of the Sun, the Sun 180 degrees from
// the Earth's heliocentric longitude.
TEST_F(SolarSystemComputerTest, MoonLongitudeAtFirstQuarterIsNinetyDegreesFromTheSun) {
    const TimeAndPlace moment = At(MakeDateTime(2000, 1, 14, 13.57, kUniversalTime));
    const double sun = computer_.Compute(kSolarSystemEarth, moment).angle + 180.0;
    EXPECT_LT(AngleBetween(computer_.ComputeMoonAngle(moment), sun + 90.0), 1.0);
}

TEST_F(SolarSystemComputerTest, PeriodsGiveTracksThatCloseOnce) {
    EXPECT_EQ(computer_.PlanetCount(), 8);
    EXPECT_DOUBLE_EQ(computer_.OrbitalPeriodYears(kSolarSystemEarth), 1.0);
    EXPECT_NEAR(computer_.OrbitalPeriodYears(3), 11.86, 0.01);  // Jupiter
}

// The Earth offers only its distance from the Sun and its heliocentric
// coordinates; the planets offer every quantity.
TEST_F(SolarSystemComputerTest, ValueCellsSayNotAvailableWhereTheTypeHasNoQuantity) {
    const TimeAndPlace moment = At(MakeDateTime(2010, 6, 15, 12.0, kUniversalTime));
    struct Case {
        int planetNumber;
        std::uint32_t quantity;
        bool available;
    } cases[] = {
        {2, kFunctionMagnitude, false},       {3, kFunctionMagnitude, true},
        {2, kFunctionDistanceFromSun, true},  {2, kFunctionHeliocentricLongitude, true},
        {0, kFunctionConstellation, true},    {8, kFunctionRise, true},
        {9, kFunctionLongitude, false},
    };
    for (const Case& c : cases) {
        String text;
        SolarSystemValueCellText(c.planetNumber, c.quantity, moment, text);
        EXPECT_EQ(test::Utf8(text.Text()) != "n.a.", c.available) << c.planetNumber << " " << c.quantity;
        EXPECT_FALSE(text.IsEmpty());
    }
}

class AngleDisplay final : public DisplayFormatInterface {
public:
    explicit AngleDisplay(int degreeBase) : degreeBase_(degreeBase) {}
    int GetAngleDegreeBase() const override { return degreeBase_; }
    int GetRaDisplayUnit() const override { return 1; }

private:
    int degreeBase_;
};

// Regression: the cells were written in decimal degrees whatever the
// appearance options said.
TEST_F(SolarSystemComputerTest, ValueCellsFollowTheAngleDisplayOption) {
    const TimeAndPlace moment = At(MakeDateTime(2010, 6, 15, 12.0, kUniversalTime));
    const struct {
        int degreeBase;
        bool minutesShown;
    } cases[] = {{kAngleSexagesimal, true}, {kAngleDecimal, false}, {kAngleSexagesimal, true}};
    for (const auto& c : cases) {
        AngleDisplay display(c.degreeBase);
        ScopedApplicationServices services(nullptr, &display);
        String text;
        SolarSystemValueCellText(0, kFunctionHeliocentricLongitude, moment, text);
        const std::string shown = test::Utf8(text.Text());
        EXPECT_EQ(shown.find('\'') != std::string::npos, c.minutesShown) << shown;
        EXPECT_EQ(shown.find('.') != std::string::npos, !c.minutesShown) << shown;
    }
}

}  // namespace
}  // namespace corvinata
