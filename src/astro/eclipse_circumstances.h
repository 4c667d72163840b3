// Local circumstances of a solar eclipse, its central path and the curves of
// equal magnitude, as the Solar eclipse window shows them.
//
// Contacts and the greatest eclipse at a place follow the Explanatory
// Supplement to the Astronomical Almanac (1992, ch. 8) and Meeus, Elements of
// Solar Eclipses 1951-2200: Newton iterations on the observer's position
// relative to the shadow axis on the fundamental plane. Instants come out in
// universal time: t0 + t - Delta T / 3600. Longitudes are degrees positive
// WEST, latitudes geodetic degrees positive north.
#pragma once

#include <cstdint>
#include <vector>

#include "astro/besselian.h"
#include "astro/eclipse_geometry.h"
#include "base/date_time.h"
#include "base/geo_place.h"

namespace corvinata {

// One phase of the eclipse at a place.
struct ContactCircumstances {
    // Universal time in hours of the eclipse's table date, 0 <= time < 24
    // (a contact on the day before or after is brought into the day by one
    // turn of 24 hours); kNoTimeHours when not computed.
    double time = kNoTimeHours;
    double sunAltitude = kNotComputedAngle;    // degrees
    double positionAngle = kNotComputedAngle;  // degrees from north through east, 0..360
    double vertexAngle = kNotComputedAngle;    // degrees from the zenith side, 0..360
};

// What an observer sees of one eclipse.
struct LocalCircumstances {
    ContactCircumstances firstContact;
    ContactCircumstances maximum;
    ContactCircumstances lastContact;
    // Fraction of the Sun's diameter covered at maximum, (L1' - D) / (L1' + L2')
    // with D the observer's distance from the shadow axis; -1.0 when the
    // place sees no eclipse or it was not computed.
    double magnitude = -1.0;
    // Apparent diameter of the Moon over that of the Sun, (L1' - L2') / (L1' + L2').
    double diameterRatio = 0.0;
    // Central phase on the central line at the observer's longitude: its
    // duration (whole seconds, truncated) and the width of the path (km).
    std::int32_t centralDuration = 0;
    double pathWidth = 0.0;
};

// A point of the central path or of a curve of equal magnitude: the northern
// and southern latitude at one longitude, each kNotComputedAngle where that
// side was not found. A curve is a list of them in drawing order; a side's
// line comes to a point from the point before only where it "joins": not
// after a gap, not from the end of another walk along the curve, and not
// from a point of another part of the curve.
struct PathPoint {
    double longitude = 0.0;
    double northLatitude = kNotComputedAngle;
    double southLatitude = kNotComputedAngle;
    bool northJoins = true;
    bool southJoins = true;
};

using PathCurve = std::vector<PathPoint>;

// Magnitudes of the curves of equal magnitude, in the order of
// SolarEclipseModel::magnitudeCurves.
constexpr double kMagnitudeCurveLevels[] = {0.0, 0.2, 0.4, 0.6, 0.8};
constexpr int kMagnitudeCurveCount = 5;

// The eclipse that one Solar eclipse document shows, with its map data.
struct SolarEclipseModel {
    // The eclipse's date (time system 0, hours t0 once an eclipse is set).
    DateTime date;
    bool found = false;
    BesselianElements elements;
    // Instant (universal time) and place where the central line begins and
    // ends; hours kNoTimeHours when the eclipse has no central line.
    TimeAndPlace centralLineBegin;
    TimeAndPlace centralLineEnd;
    // Bounding box of the umbral path (degrees), kNotComputedAngle when there
    // is none.
    double pathWestLongitude = kNotComputedAngle;
    double pathEastLongitude = kNotComputedAngle;
    double pathNorthLatitude = kNotComputedAngle;
    double pathSouthLatitude = kNotComputedAngle;
    // The umbral path, one point per 10 seconds along the central line.
    PathCurve centralPath;
    // Curves of magnitude 0, 0.2, 0.4, 0.6 and 0.8 (kMagnitudeCurveLevels).
    std::vector<PathCurve> magnitudeCurves;

    SolarEclipseModel() noexcept;
};

// An observer for the local circumstances.
struct EclipseObserver {
    double longitude = 0.0;     // degrees, positive west
    double latitude = 0.0;      // geodetic degrees, positive north
    double heightMetres = 0.0;  // above the ellipsoid
};

enum ContactPhase : std::int32_t {
    kFirstContact = 0,
    kGreatestEclipse = 1,
    kLastContact = 2,
};

// The outcome of one contact iteration.
struct ContactSolution {
    bool converged = false;
    double t = 0.0;              // hours of dynamical time after t0
    double universalTime = 0.0;  // t0 + t - Delta T / 3600, hours
    double l1 = 0.0;             // penumbral radius at the observer, L1'
    double l2 = 0.0;             // umbral radius at the observer, L2'
    FundamentalPlaneObserver observer;
};

// Resets the record to "not computed".
void LocalCircumstancesInit(LocalCircumstances& record) noexcept;
// Resets the model to no eclipse (1583-01-01, empty elements, empty arrays).
void SolarEclipseModelInit(SolarEclipseModel& model);

// First contact, greatest eclipse and last contact of the model's eclipse
// (on `date`, the table date) at a place, with the magnitude, the diameter
// ratio and the central phase at the place's longitude. The initial record
// when the model has no eclipse.
LocalCircumstances ComputeLocalCircumstances(const SolarEclipseModel& model,
                                             const DateTime& date,
                                             const EclipseObserver& observer);

// Newton iteration towards one phase, from the instant t (hours after t0).
// The greatest eclipse is where the observer comes closest to the shadow
// axis, a contact where that distance equals the penumbral radius at the
// observer, L1', taken at each step's instant (at most 50 steps, until a
// step is below 0.00001 h). Not converged, or no eclipse on the date:
// `converged` false (the values of the last step are still given when there
// was an eclipse).
ContactSolution ContactIteration(const DateTime& date, ContactPhase which, double t,
                                 const EclipseObserver& observer,
                                 double deltaTSeconds) noexcept;

// One phase at a place: runs the greatest eclipse first and stores the
// magnitude; for a contact, starts the contact iteration from the linear
// estimate. False when the place sees no eclipse (magnitude -1.0 and the
// phase not computed), when the greatest eclipse does not converge (nothing
// written), or when the contact does not converge (its last values kept).
bool ComputeContact(ContactPhase which, const DateTime& date,
                    const EclipseObserver& observer, double deltaTSeconds,
                    double& magnitude, double& diameterRatio,
                    ContactCircumstances& contact) noexcept;

// The angles of one phase seen from the place.
struct ContactAnglesResult {
    double diameterRatio = 0.0;
    double positionAngle = 0.0;  // degrees, 0..360
    double sunAltitude = 0.0;    // degrees
    double vertexAngle = 0.0;    // degrees, 0..360
};
// From the observer's last iteration values, the cone radii at the observer
// and the geodetic latitude (degrees).
ContactAnglesResult ContactAngles(const FundamentalPlaneObserver& observer, double l1,
                                  double l2, double latitudeDegrees) noexcept;

// The eclipse at one instant at a place.
struct EclipseAtInstant {
    // (L1' - D) / (L1' + L2'), negative outside the eclipse; -1.0 when the
    // date has no eclipse.
    double magnitude = -1.0;
    double sunAltitude = kNotComputedAngle;  // degrees
};
// `instant` is read as universal time (its time system is not consulted).
EclipseAtInstant LocalEclipseAtInstant(const DateTime& eclipseDate, const DateTime& instant,
                                       const EclipseObserver& observer);

// Fills the model for an eclipse date: stores the date, `found` and the
// elements, then computes the central path, the central-line ends and the
// magnitude curves.
void ComputeEclipseForDate(const DateTime& date, bool found,
                           const BesselianElements& elements, SolarEclipseModel& model);

// The umbral path and its bounding box; an eclipse without a central line
// (or no eclipse) leaves an empty path and no bounding box.
void ComputeCentralPath(SolarEclipseModel& model, bool found, bool central);
// Instants and places of the ends of the central line.
void ComputeCentralLineEnds(SolarEclipseModel& model, bool found, bool central);
// The five curves of equal magnitude (none without an eclipse): traced
// along the central line, or by longitude for an eclipse without one (and
// for one whose axis only grazes the Earth between two steps of the walk).
void ComputeMagnitudeCurves(SolarEclipseModel& model, bool found);

// Extremes of the limit points of an umbral path. Longitudes west of
// Greenwich (positive) and east of it (non-positive) are kept apart so that
// a path across the 180th meridian can be told from one across Greenwich.
struct PathBoundsTracker {
    double north = -1.0e300;
    double south = 1.0e300;
    double eastSideLargest = -1.0e300;   // among longitudes <= 0
    double eastSideSmallest = 1.0e300;
    double westSideLargest = -1.0e300;   // among longitudes > 0
    double westSideSmallest = 1.0e300;
    bool hasEastSide = false;
    bool hasWestSide = false;
};
void UpdatePathBounds(PathBoundsTracker& bounds, double longitude, double latitude) noexcept;

// Appends the curve of magnitude k traced along the central line (at the
// longitude of each central point, then at the longitudes of the grid the
// line does not sweep: beyond its ends and, near a pole, across it), or at
// every longitude from -180 to 180 in steps of 1/6 degree (for an eclipse
// without a central line). Each search that misses the curve from its fixed
// start is repeated from the point found at the previous step, so that
// curves far from the equator are followed too.
void TraceCurveAlongPath(SolarEclipseModel& model, double k);
void TraceCurveByLongitude(SolarEclipseModel& model, double k);

}  // namespace corvinata
