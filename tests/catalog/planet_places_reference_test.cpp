// The apparent places of the planets and Pluto, and the instants of the
// events made of them, against an independent library (reference/README.md),
// 1900 to 2100: light time, nutation and the annual aberration that the Sun's
// place carries too, so that two bodies of one sky are in one frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/delta_t.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "support/catalogues.h"
#include "support/csv_table.h"
#include "support/moments.h"

namespace corvinata {
namespace {

// Degrees of right ascension and of declination. The abridged series the
// program evaluates are themselves up to 0.0053 degree off over these two
// centuries (Saturn's declination, Neptune's right ascension); without the
// annual aberration the places were up to 0.010 degree off.
constexpr double kPlaceTolerance = 0.006;
// An event is found on a quantity made of two places. Its instant may be off
// by two minutes, or by the time the quantity takes to change by the error
// of the places where it changes slowly (the oppositions of the outer
// planets, the contacts of a grazing transit): the places' tolerance for an
// opposition's right ascensions, 12" for a contact, where the Sun's place and
// Mercury's are both better than the outer planets'.
constexpr double kOppositionAngle = kPlaceTolerance;
constexpr double kContactAngle = 12.0 / 3600.0;
constexpr double kLeastEventTolerance = 2.0 / 1440.0;  // days
constexpr double kOneSecond = 1.0 / 86400.0;
constexpr double kTenMinutes = 10.0 / 1440.0;
constexpr double kDegreesPerRadian = 57.29577951308232;

int PlanetIndex(const std::string& name) {
    static const char* const kNames[] = {"Mercury", "Venus",  "Mars",    "Jupiter",
                                         "Saturn",  "Uranus", "Neptune", "Pluto"};
    for (int i = 0; i < 8; ++i) {
        if (name == kNames[i]) return i;
    }
    return -1;
}

// An instant of dynamical time as a row gives it: date and hours.
struct TtInstant {
    int year;
    int month;
    int day;
    double hours;
};

TtInstant InstantOf(const test::CsvRow& row, std::size_t dateColumn) {
    const std::string& date = row.Text(dateColumn);
    return {std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)),
            std::stoi(date.substr(8, 2)), row.Number(dateColumn + 1)};
}

// The instant moved by `days`, as the moment of Universal time the
// program's Delta T makes of it.
TimeAndPlace MomentOf(const TtInstant& tt, double days) {
    const DateTime ttDate{tt.year, tt.month, tt.day, tt.hours, kUniversalTime};
    TimeAndPlace moment = test::MomentAt(tt.year, tt.month, tt.day,
                                         tt.hours + 24.0 * days - DeltaT(ttDate) / 3600.0, 0.0,
                                         0.0);
    NormaliseDateTime(moment.dateTime);
    return moment;
}

struct Place {
    double ra;
    double dec;
    double size;  // angular diameter, degrees
};

Place ApparentPlace(const CelestialObject& body, const TimeAndPlace& moment) {
    PropertyMap out;
    ComputeBodyProperties(body, kFunctionLongitude | kFunctionLatitude | kFunctionAngularSize,
                          moment, out, {kEquatorialSystem, kUniversalTime, kAstronomicalUnits});
    return {out.Value(kFunctionLongitude), out.Value(kFunctionLatitude),
            out.Value(kFunctionAngularSize)};
}

double Separation(const Place& a, const Place& b) {
    const double ra = (a.ra - b.ra) / kDegreesPerRadian;
    const double d1 = a.dec / kDegreesPerRadian;
    const double d2 = b.dec / kDegreesPerRadian;
    const double h = std::sin((d1 - d2) / 2) * std::sin((d1 - d2) / 2) +
                     std::cos(d1) * std::cos(d2) * std::sin(ra / 2) * std::sin(ra / 2);
    return 2.0 * std::asin(std::sqrt(h)) * kDegreesPerRadian;
}

// The root of f (days from the reference instant) within [a, b], where f
// changes sign, to a second.
template <typename F>
double Root(const F& f, double a, double b) {
    const bool negativeAtA = f(a) < 0.0;
    while (b - a > kOneSecond) {
        const double m = 0.5 * (a + b);
        if ((f(m) < 0.0) == negativeAtA) {
            a = m;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}

TEST(PlanetPlacesReference, ApparentPlacesAgreeWithTheIndependentLibrary) {
    test::ScopedCatalogues catalogues;
    const auto rows = test::ReadCsvFile(test::TestsPath("catalog/reference/planet_places.csv"));
    ASSERT_EQ(rows.size(), 408u);
    for (const test::CsvRow& row : rows) {
        const int index = PlanetIndex(row.Text(2));
        ASSERT_GE(index, 0) << row.Text(2);
        const Place place =
            ApparentPlace(*GetCatalogueObject(kBodyPlanet, index), MomentOf(InstantOf(row, 0), 0.0));
        EXPECT_NEAR(std::remainder(place.ra - row.Number(3), 360.0), 0.0, kPlaceTolerance)
            << row.Text(0) << " " << row.Text(2) << " right ascension";
        EXPECT_NEAR(place.dec, row.Number(4), kPlaceTolerance)
            << row.Text(0) << " " << row.Text(2) << " declination";
    }
}

// The search's quantity of an event at days from the reference instant,
// degrees: the right ascensions' difference less 180 for an opposition, the
// centres' separation less the sum of the semidiameters for the outer
// contact of a transit.
double EventOffset(const std::string& event, const CelestialObject& planet, const TtInstant& at,
                   double days) {
    const TimeAndPlace moment = MomentOf(at, days);
    const Place p = ApparentPlace(planet, moment);
    const Place s = ApparentPlace(*GetCatalogueObject(kBodySun, 0), moment);
    if (event == "opposition") return std::remainder(p.ra - s.ra - 180.0, 360.0);
    return Separation(p, s) - (p.size + s.size) / 2.0;
}

// Oppositions in right ascension, as the Event Forecast defines them, and
// the outer contacts of Mercury's transits: the Sun's place and the planet's
// must be in one frame, or the event moves by minutes (5-14 minutes early,
// 2-11 late without the planet's aberration).
TEST(PlanetPlacesReference, OppositionsAndMercuryTransitContactsFallInTime) {
    test::ScopedCatalogues catalogues;
    const auto rows = test::ReadCsvFile(test::TestsPath("catalog/reference/planet_events.csv"));
    ASSERT_EQ(rows.size(), 86u);
    for (const test::CsvRow& row : rows) {
        const std::string& event = row.Text(0);
        const CelestialObject& planet = *GetCatalogueObject(kBodyPlanet, PlanetIndex(row.Text(1)));
        const TtInstant reference = InstantOf(row, 2);
        const auto offset = [&](double days) { return EventOffset(event, planet, reference, days); };
        // A contact's quantity turns within the hour at a grazing transit.
        const double window = event == "opposition" ? 0.5 : 0.02;
        const double found = Root(offset, -window, window);
        const double rate =
            std::fabs(offset(found + kTenMinutes) - offset(found - kTenMinutes)) / (2 * kTenMinutes);
        const double angle = event == "opposition" ? kOppositionAngle : kContactAngle;
        EXPECT_NEAR(found, 0.0, std::max(kLeastEventTolerance, angle / rate))
            << event << " " << row.Text(1) << " " << row.Text(2) << ": " << found * 1440.0
            << " min";
    }
}

}  // namespace
}  // namespace corvinata
