#include "astro/eclipse_circumstances.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/delta_t.h"
#include "base/time_systems.h"
#include "support/date_records.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

EclipseObserver Place(double westLongitude, double latitude, double height = 0.0) {
    EclipseObserver place;
    place.longitude = westLongitude, place.latitude = latitude, place.heightMetres = height;
    return place;
}

// The model as the eclipse document fills it: the date in universal time at
// the row's t0 (24 kept as 23.99 so that the date stays on its day).
SolarEclipseModel ModelFor(const DateTime& day) {
    SolarEclipseModel model;
    DateTime date = day;
    double t0 = 0.0;
    BesselianElements elements;
    const bool found = FindEclipseOnDate(date, t0, elements);
    if (found) date.hours = t0 >= 24.0 ? 23.99 : t0;
    ComputeEclipseForDate(date, found, elements, model);
    return model;
}

void ExpectNotComputed(const ContactCircumstances& c) {
    EXPECT_TRUE(c.time == -1.0 && c.sunAltitude == kNotComputedAngle && c.positionAngle == kNotComputedAngle &&
                c.vertexAngle == kNotComputedAngle);
}

void ExpectNoPathBounds(const SolarEclipseModel& m) {
    EXPECT_TRUE(m.pathWestLongitude == kNotComputedAngle && m.pathEastLongitude == kNotComputedAngle &&
                m.pathNorthLatitude == kNotComputedAngle && m.pathSouthLatitude == kNotComputedAngle);
}

// Julian day of an instant of the central line's ends.
double JulianDay(const TimeAndPlace& end) { return DateTimeToJulianDay(end.dateTime); }

// ------------------------------------------------- local circumstances

TEST(ComputeLocalCircumstances, Eclipse1999At8East48NorthHasOrderedPhases) {
    const SolarEclipseModel model = ModelFor(MakeDateTime(1999, 8, 11));
    const LocalCircumstances c = ComputeLocalCircumstances(model, model.date, Place(-8.0, 48.0));
    EXPECT_NEAR(c.maximum.time, 10.536, 0.0005);
    EXPECT_NEAR(c.magnitude, 0.988, 0.0005);
    EXPECT_GT(c.diameterRatio, 1.0);  // a total eclipse: the Moon looks larger
    EXPECT_TRUE(c.firstContact.time < c.maximum.time && c.maximum.time < c.lastContact.time);
    EXPECT_NEAR(c.lastContact.time - c.firstContact.time, 2.74, 0.05);
    EXPECT_TRUE(c.maximum.sunAltitude > 40.0 && c.maximum.sunAltitude < 60.0);
    // The Moon comes in from the west (position angle near 270) and leaves
    // to the east (near 90).
    EXPECT_NEAR(c.firstContact.positionAngle, 286.0, 5.0);
    EXPECT_NEAR(c.lastContact.positionAngle, 106.0, 5.0);
    // The central line crosses 8 degrees east with a path of about 110 km.
    EXPECT_TRUE(c.centralDuration > 120 && c.centralDuration < 150) << c.centralDuration;
    EXPECT_NEAR(c.pathWidth, 109.0, 3.0);
}

TEST(ComputeLocalCircumstances, PlaceOutsideThePenumbraSeesNothing) {
    const SolarEclipseModel model = ModelFor(MakeDateTime(1999, 8, 11));
    const LocalCircumstances c = ComputeLocalCircumstances(model, model.date, Place(-151.2, -33.9));
    EXPECT_EQ(c.magnitude, -1.0);
    ExpectNotComputed(c.firstContact);
    ExpectNotComputed(c.maximum);
    ExpectNotComputed(c.lastContact);
    EXPECT_TRUE(c.centralDuration == 0 && c.pathWidth == 0.0);
}

TEST(ComputeLocalCircumstances, FirstContactBeforeMidnightIsBroughtIntoTheDay) {
    // Palu, 9 March 2016: the eclipse begins at 23:28 UT on 8 March.
    const SolarEclipseModel model = ModelFor(MakeDateTime(2016, 3, 9));
    const LocalCircumstances c = ComputeLocalCircumstances(model, model.date, Place(-119.87, -0.90, 5));
    EXPECT_NEAR(c.firstContact.time, 23.465, 0.01);
    EXPECT_NEAR(c.maximum.time, 0.647, 0.01);
    EXPECT_GT(c.magnitude, 1.0);
}

// A date without an eclipse: the iteration does not converge and nothing is
// computed.
TEST(ContactIteration, DateWithoutEclipseDoesNotConverge) {
    const DateTime noEclipse = MakeDateTime(1999, 8, 12);
    EXPECT_FALSE(ContactIteration(noEclipse, kGreatestEclipse, 0.0, Place(-8.0, 48.0), 64.0).converged);
    const SolarEclipseModel model = ModelFor(noEclipse);
    ASSERT_FALSE(model.found);
    const LocalCircumstances c = ComputeLocalCircumstances(model, MakeDateTime(1999, 8, 11), Place(-8.0, 48.0));
    EXPECT_TRUE(c.magnitude == -1.0 && c.diameterRatio == 0.0);
    ExpectNotComputed(c.maximum);
    const EclipseAtInstant e = LocalEclipseAtInstant(noEclipse, MakeDateTime(1999, 8, 12, 11.0), Place(-8.0, 48.0));
    EXPECT_TRUE(e.magnitude == -1.0 && e.sunAltitude == kNotComputedAngle);
}

// A contact is where the Moon's limb touches the Sun's: the magnitude at the
// reported instant must be zero. Both the penumbral radius of the contact's
// own instant and the Delta T between the elements' dynamical time and the
// reported universal time enter; leaving out either moves the contact by
// seconds to a minute.
TEST(LocalCircumstances, MagnitudeIsZeroAtTheReportedContactsAndPeaksAtMaximum) {
    const struct {
        int year, month, day;
        double westLongitude, latitude, height;
    } places[] = {{1999, 8, 11, -11.58, 48.14, 520},    // Munich, total
                  {1994, 5, 10, 83.54, 41.65, 180},     // Toledo, annular
                  {2003, 5, 31, 3.19, 55.95, 50},       // Edinburgh, sunrise
                  {2002, 12, 4, -133.68, -32.13, 10}};  // Ceduna, near sunset
    for (const auto& p : places) {
        SCOPED_TRACE(testing::Message() << p.year << "-" << p.month << "-" << p.day);
        const DateTime day = MakeDateTime(p.year, p.month, p.day);
        const EclipseObserver place = Place(p.westLongitude, p.latitude, p.height);
        const LocalCircumstances c = ComputeLocalCircumstances(ModelFor(day), day, place);
        ASSERT_GT(c.magnitude, 0.0);
        const auto magnitudeAt = [&](double hours) {
            return LocalEclipseAtInstant(day, MakeDateTime(p.year, p.month, p.day, hours), place);
        };
        EXPECT_NEAR(magnitudeAt(c.firstContact.time).magnitude, 0.0, 1e-4);
        EXPECT_NEAR(magnitudeAt(c.lastContact.time).magnitude, 0.0, 1e-4);
        const EclipseAtInstant atMaximum = magnitudeAt(c.maximum.time);
        EXPECT_NEAR(atMaximum.magnitude, c.magnitude, 1e-5);
        EXPECT_NEAR(atMaximum.sunAltitude, c.maximum.sunAltitude, 0.01);
        EXPECT_LT(magnitudeAt(c.maximum.time + 0.05).magnitude, c.magnitude);
        EXPECT_LT(magnitudeAt(c.firstContact.time - 0.05).magnitude, 0.0);
    }
}

// ------------------------------------------------------- the map model

TEST(ComputeEclipseForDate, CentralLineEndsAndPathOf1999) {
    const SolarEclipseModel model = ModelFor(MakeDateTime(1999, 8, 11));
    ASSERT_NEAR(DeltaT(model.date), 64.0, 0.5);
    const TimeAndPlace& begin = model.centralLineBegin;
    const TimeAndPlace& end = model.centralLineEnd;
    EXPECT_TRUE(begin.dateTime.day == 11 && end.dateTime.day == 11);
    EXPECT_EQ(begin.dateTime.timeSystem, kUniversalTime);
    EXPECT_NEAR(begin.dateTime.hours, 9.5058, 0.0005);
    EXPECT_NEAR(begin.place.longitude.degrees, 65.08, 0.02);
    EXPECT_NEAR(begin.place.latitude.degrees, 41.02, 0.02);
    EXPECT_NEAR(end.dateTime.hours, 12.5996, 0.0005);
    EXPECT_NEAR(end.place.longitude.degrees, -87.28, 0.02);
    EXPECT_NEAR(end.place.latitude.degrees, 17.55, 0.02);
    // 3.09 hours of central line, a point every ten seconds; the first and
    // last minutes lie where the Sun is on the horizon and no limits are found.
    EXPECT_TRUE(model.centralPath.size() > 1050u && model.centralPath.size() <= 1115u);
    EXPECT_NEAR(model.pathWestLongitude, 65.08, 0.1);
    EXPECT_NEAR(model.pathNorthLatitude, 50.7, 0.2);
    EXPECT_NEAR(model.pathSouthLatitude, 17.9, 0.2);
}

// The document keeps the date of a row whose t0 is 24 at 23.99 h; the ends
// must still count from the row's own hour.
TEST(ComputeEclipseForDate, CentralLineEndsCountFromTheRowHourNotTheDateHours) {
    const SolarEclipseModel model = ModelFor(MakeDateTime(2012, 5, 20));
    ASSERT_EQ(model.date.hours, 23.99);
    const CentralLineExtremesResult line = CentralLineExtremes(model.elements, DeltaT(model.date));
    const double rowStart = DateTimeToJulianDay(MakeDateTime(2012, 5, 21, 0.0));
    const double deltaTDays = DeltaT(model.date) / 86400.0;
    EXPECT_NEAR(JulianDay(model.centralLineBegin), rowStart + line.tBegin / 24.0 - deltaTDays, 1e-8);
    EXPECT_NEAR(JulianDay(model.centralLineEnd), rowStart + line.tEnd / 24.0 - deltaTDays, 1e-8);
    EXPECT_EQ(model.centralLineEnd.dateTime.day, 21);
}

TEST(ComputeEclipseForDate, PartialEclipseHasCurvesByLongitudeAndNoPath) {
    const SolarEclipseModel model = ModelFor(MakeDateTime(2011, 1, 4));
    ASSERT_TRUE(model.found);
    EXPECT_TRUE(model.centralPath.empty());
    ExpectNoPathBounds(model);
    EXPECT_EQ(model.centralLineEnd.dateTime.hours, -1.0);
    ASSERT_EQ(model.magnitudeCurves.size(), 5u);
    for (const PathCurve& curve : model.magnitudeCurves) {
        ASSERT_FALSE(curve.empty());
        for (const PathPoint& point : curve) {
            const double steps = (point.longitude + 180.0) * 6.0;
            EXPECT_NEAR(steps, std::round(steps), 1e-9);
        }
    }
    // Curves of larger magnitude lie inside those of smaller magnitude.
    EXPECT_GT(model.magnitudeCurves[0].size(), model.magnitudeCurves[4].size());
}

// Switching a model from a central eclipse to a partial one or to a date
// without an eclipse clears the path and its bounds.
TEST(ComputeEclipseForDate, SwitchingFromCentralEclipseClearsPathBounds) {
    SolarEclipseModel model = ModelFor(MakeDateTime(1999, 8, 11));
    ASSERT_NE(model.pathNorthLatitude, kNotComputedAngle);
    ComputeEclipseForDate(MakeDateTime(2011, 1, 4), true, FindEclipseEntry(2011, 1, 4)->elements, model);
    ExpectNoPathBounds(model);

    model = ModelFor(MakeDateTime(1999, 8, 11));
    ComputeEclipseForDate(MakeDateTime(1999, 8, 12), false, BesselianElements(), model);
    EXPECT_TRUE(!model.found && model.elements.type == kNoEclipse);
    EXPECT_TRUE(model.centralPath.empty() && model.magnitudeCurves.empty());
    EXPECT_EQ(model.centralLineBegin.dateTime.hours, -1.0);
    ExpectNoPathBounds(model);
}

// The bounding box runs from the western end eastwards to the eastern end,
// across Greenwich or across the 180th meridian, and holds every limit point.
class PathBounds : public testing::TestWithParam<DateTime> {};

TEST_P(PathBounds, EncloseEveryLimitPoint) {
    const SolarEclipseModel model = ModelFor(GetParam());
    ASSERT_FALSE(model.centralPath.empty());
    const auto eastwards = [](double from, double to) { return std::fmod(from - to + 720.0, 360.0); };
    const double span = eastwards(model.pathWestLongitude, model.pathEastLongitude);
    EXPECT_LT(span, 300.0);
    bool westSeen = false;
    bool eastSeen = false;
    for (const PathPoint& p : model.centralPath) {
        EXPECT_LE(eastwards(model.pathWestLongitude, p.longitude), span + 1e-9) << p.longitude;
        westSeen = westSeen || p.longitude == model.pathWestLongitude;
        eastSeen = eastSeen || p.longitude == model.pathEastLongitude;
        for (double latitude : {p.northLatitude, p.southLatitude}) {
            if (latitude == kNotComputedAngle) continue;
            EXPECT_LE(latitude, model.pathNorthLatitude);
            EXPECT_GE(latitude, model.pathSouthLatitude);
        }
        if (p.northLatitude != kNotComputedAngle && p.southLatitude != kNotComputedAngle) {
            EXPECT_GT(p.northLatitude, p.southLatitude);
        }
    }
    EXPECT_TRUE(westSeen && eastSeen);
}

INSTANTIATE_TEST_SUITE_P(Eclipses, PathBounds,
                         testing::Values(MakeDateTime(1999, 8, 11),    // across Greenwich
                                         MakeDateTime(2012, 11, 13),   // across 180 degrees
                                         MakeDateTime(1991, 1, 15)));  // row at 24 h

// A central eclipse whose axis only grazes the Earth between two steps of
// the walk has no path, but its curves must still be drawn.
TEST(ComputeEclipseForDate, GrazingCentralEclipseStillHasCurves) {
    const SolarEclipseModel model = ModelFor(MakeDateTime(2159, 1, 19));
    ASSERT_EQ(model.elements.type, kCentralAnnularEclipse);
    EXPECT_TRUE(model.centralPath.empty());
    ExpectNoPathBounds(model);
    ASSERT_EQ(model.magnitudeCurves.size(), 5u);
    EXPECT_FALSE(model.magnitudeCurves[0].empty());
    EXPECT_TRUE(std::isfinite(model.centralLineBegin.dateTime.hours));
}

// Elements whose central line would last thousands of hours must not be
// walked step by step.
TEST(ComputeEclipseForDate, AbsurdCentralLineIsNotWalked) {
    BesselianElements slow = FindEclipseEntry(1999, 8, 11)->elements;
    slow.x1 = 1e-5;
    slow.x0 = slow.y0 = slow.y1 = 0.0;
    SolarEclipseModel model;
    ComputeEclipseForDate(MakeDateTime(1999, 8, 11, 11.0), true, slow, model);
    EXPECT_TRUE(model.centralPath.empty());
    ExpectNoPathBounds(model);
    ASSERT_EQ(model.magnitudeCurves.size(), 5u);
}

}  // namespace
}  // namespace corvinata
