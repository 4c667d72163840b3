#include "astro/eclipse_circumstances.h"

#include <algorithm>
#include <cmath>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/eclipse_texts.h"
#include "base/angle_reduction.h"
#include "base/time_systems.h"

namespace corvinata {

namespace {

constexpr double kSecondsPerHour = 3600.0;

constexpr int kContactIterations = 50;
constexpr double kContactTolerance = 0.00001;  // hours

// The central path and the curves along it take one point per 10 seconds.
constexpr double kPathStepsPerHour = 360.0;
// No central line lasts longer than the shadow needs to cross the Earth
// (about five hours); a longer span means broken elements, not a path.
constexpr double kLongestCentralLineHours = 12.0;
// Curves of an eclipse without a central line: one point per 1/6 degree.
constexpr int kLongitudeStepsPerDegree = 6;

// Degrees into 0 <= a < 360.
double FullCircleDegrees(double degrees) noexcept {
    const double reduced = ReduceDegrees(degrees);
    return reduced >= 360.0 ? reduced - 360.0 : reduced;
}

// Universal time brought into the table date's 24 hours by one turn.
double WrapIntoDay(double hours) noexcept {
    if (hours >= 24.0) return hours - 24.0;
    if (hours < 0.0) return hours + 24.0;
    return hours;
}

// The observer's distance from the shadow axis.
double AxisDistance(const FundamentalPlaneObserver& o) noexcept {
    return std::sqrt(o.u * o.u + o.v * o.v);
}

// Half the time (hours) the observer needs to cross the penumbral circle of
// radius l1, from the observer's motion relative to the shadow (Meeus,
// Elements of Solar Eclipses, the contact equations).
double HalfCrossingTime(const FundamentalPlaneObserver& o, double l1) noexcept {
    const double n = std::sqrt(o.n2);
    if (!(n > 0.0) || !(l1 > 0.0)) return 0.0;
    const double s = (o.a * o.v - o.u * o.b) / (n * l1);
    return l1 / n * ClampedSqrt(1.0 - s * s);
}

// The penumbral radius at the observer changes with the Sun's height
// (through zeta) between the greatest eclipse and a contact, enough to move a
// contact by half a minute for a low Sun; each step therefore uses the radius
// at the instant it starts from.
ContactSolution IterateContact(const BesselianElements& e, double t0, ContactPhase which,
                               double t, const EclipseObserver& place,
                               double deltaTSeconds) noexcept {
    const GeocentricFactors f = ObserverGeocentricFactors(place.latitude, place.heightMetres);
    ContactSolution solution;
    for (int iteration = 0; iteration < kContactIterations; ++iteration) {
        const BesselianValues values = EvaluateBesselianElements(e, t);
        const FundamentalPlaneObserver o =
            ObserverOnFundamentalPlane(e, values, place.longitude, deltaTSeconds, f);
        if (!(o.n2 > 0.0)) break;
        solution.observer = o;
        solution.l1 = values.l1 - o.zeta * e.tanf1;
        solution.l2 = values.l2 - o.zeta * e.tanf2;
        double step = -(o.u * o.a + o.v * o.b) / o.n2;
        if (which == kFirstContact) step -= HalfCrossingTime(o, solution.l1);
        if (which == kLastContact) step += HalfCrossingTime(o, solution.l1);
        t += step;
        if (std::fabs(step) < kContactTolerance) {
            solution.converged = true;
            break;
        }
    }
    solution.t = t;
    solution.universalTime = t0 + t - deltaTSeconds / kSecondsPerHour;
    return solution;
}

// Calls visit(t) for t from the begin of the central line to its end in
// steps of 10 seconds; nothing for an empty, reversed or absurd span.
template <typename Visit>
void WalkCentralLine(const CentralLineExtremesResult& line, Visit visit) {
    const double span = line.tEnd - line.tBegin;
    if (!(span >= 0.0 && span <= kLongestCentralLineHours)) return;
    const int steps = static_cast<int>(std::floor(span * kPathStepsPerHour));
    for (int i = 0; i <= steps; ++i) visit(line.tBegin + i / kPathStepsPerHour);
}

// An umbral limit the search from the fixed start misses is looked for over
// the whole meridian: where the axis grazes the Earth or runs near a pole the
// limit can lie many degrees from the central point.
constexpr double kUmbralLimitReach = 90.0;
// From one step of a trace to the next a curve moves far less than this
// along a meridian.
constexpr double kCurveStepReach = 10.0;

// Which curve a trace follows: the limits of the umbra (kUmbralCurve) or
// the curve of magnitude k.
constexpr double kUmbralCurve = -1.0;

// How far a place lies off the curve, at the place's greatest eclipse (from
// the instant t on): the distance from the shadow axis less the umbral
// radius for a limit of the path, the magnitude less k for a curve of
// magnitude k. Both change by about 0.016 for a degree across the curve.
double OffCurve(const BesselianElements& e, double deltaT, double curve, double longitude, double latitude,
                double t) noexcept {
    const EclipseObserver place{longitude, latitude, 0.0};
    const ContactSolution greatest = IterateContact(e, 0.0, kGreatestEclipse, t, place, deltaT);
    const double distance = AxisDistance(greatest.observer);
    if (curve == kUmbralCurve) return distance - std::fabs(greatest.l2);
    return (greatest.l1 - distance) / (greatest.l1 + greatest.l2) - curve;
}

// Steps of a trace up to this long (degrees of longitude and latitude, as
// the map draws them) join without a check; a longer one only when the
// middle of the line drawn lies on the curve, within kOffCurveTolerance.
// Where the curve runs along a meridian a trace by longitude steps many
// degrees in latitude between neighbours and the line still follows the
// curve; a step to another part of the curve (the far crossing of a
// meridian the path crosses twice) cuts across the map.
constexpr double kCheckedStep = 1.0;
constexpr double kOffCurveTolerance = 0.05;

// Appends the points of a curve in pieces: a side joins the point before
// only when both come from the same walk with no gap between them and the
// line between them follows the curve.
class CurveBuilder {
public:
    CurveBuilder(PathCurve& curve, const BesselianElements& e, double deltaT, double which) noexcept
        : curve_(curve), e_(e), deltaT_(deltaT), which_(which) {}

    void Add(double longitude, const LatitudeLimits& limits) {
        if (!limits.north.found && !limits.south.found) {
            Break();
            return;
        }
        PathPoint point;
        point.longitude = longitude;
        point.northLatitude = limits.north.latitude;
        point.southLatitude = limits.south.latitude;
        point.northJoins = Joins(north_, longitude, limits.north);
        point.southJoins = Joins(south_, longitude, limits.south);
        north_ = Side{limits.north.found, longitude, limits.north.latitude, limits.north.t};
        south_ = Side{limits.south.found, longitude, limits.south.latitude, limits.south.t};
        curve_.push_back(point);
    }
    // The next point does not join the last one.
    void Break() noexcept { north_.found = south_.found = false; }

private:
    struct Side {
        bool found = false;
        double longitude = 0.0;
        double latitude = 0.0;
        double t = 0.0;
    };

    bool Joins(const Side& last, double longitude, const LatitudeSearch& here) const noexcept {
        if (!last.found || !here.found) return false;
        const double step = NormaliseAngle180(longitude - last.longitude);
        if (std::hypot(step, here.latitude - last.latitude) <= kCheckedStep) return true;
        const double middleLongitude = NormaliseAngle180(last.longitude + step / 2.0);
        const double middleLatitude = (last.latitude + here.latitude) / 2.0;
        return std::fabs(OffCurve(e_, deltaT_, which_, middleLongitude, middleLatitude, (last.t + here.t) / 2.0)) <
               kOffCurveTolerance;
    }

    PathCurve& curve_;
    const BesselianElements& e_;
    double deltaT_;
    double which_;
    Side north_;
    Side south_;
};

void ClearPathBounds(SolarEclipseModel& model) noexcept {
    model.pathWestLongitude = kNotComputedAngle;
    model.pathEastLongitude = kNotComputedAngle;
    model.pathNorthLatitude = kNotComputedAngle;
    model.pathSouthLatitude = kNotComputedAngle;
}

// West and east ends of the path from the longitudes seen on both sides of
// Greenwich: a path with points on both sides crosses either Greenwich or
// the 180th meridian, whichever leaves the smaller gap.
void StorePathBounds(const PathBoundsTracker& b, SolarEclipseModel& model) noexcept {
    if (!b.hasEastSide && !b.hasWestSide) {
        ClearPathBounds(model);
        return;
    }
    model.pathNorthLatitude = b.north;
    model.pathSouthLatitude = b.south;
    if (!b.hasWestSide) {
        model.pathWestLongitude = b.eastSideLargest;
        model.pathEastLongitude = b.eastSideSmallest;
    } else if (!b.hasEastSide) {
        model.pathWestLongitude = b.westSideLargest;
        model.pathEastLongitude = b.westSideSmallest;
    } else if (b.westSideSmallest - b.eastSideLargest <
               360.0 + b.eastSideSmallest - b.westSideLargest) {
        model.pathWestLongitude = b.westSideLargest;
        model.pathEastLongitude = b.eastSideSmallest;
    } else {
        model.pathWestLongitude = b.eastSideLargest;
        model.pathEastLongitude = b.westSideSmallest;
    }
}

TimeAndPlace NoCentralLineEnd() noexcept {
    TimeAndPlace end;
    end.dateTime.timeSystem = kUniversalTime;
    end.dateTime.hours = kNoTimeHours;
    return end;
}

TimeAndPlace CentralLineEndAt(const DateTime& date, double t0, double t,
                              double deltaTSeconds, const GeoPoint& place) noexcept {
    TimeAndPlace end;
    end.dateTime = date;
    end.dateTime.hours = t0;
    end.dateTime.timeSystem = kUniversalTime;
    DateTimeAddFractionalHours(end.dateTime, t - deltaTSeconds / kSecondsPerHour);
    end.place.longitude.degrees = place.longitude;
    end.place.latitude.degrees = place.latitude;
    return end;
}

}  // namespace

SolarEclipseModel::SolarEclipseModel() noexcept
    : centralLineBegin(NoCentralLineEnd()), centralLineEnd(NoCentralLineEnd()) {
    centralLineBegin.dateTime.hours = 0.0;
    centralLineEnd.dateTime.hours = 0.0;
}

void LocalCircumstancesInit(LocalCircumstances& record) noexcept {
    record = LocalCircumstances();
}

void SolarEclipseModelInit(SolarEclipseModel& model) { model = SolarEclipseModel(); }

ContactSolution ContactIteration(const DateTime& date, ContactPhase which, double t,
                                 const EclipseObserver& observer,
                                 double deltaTSeconds) noexcept {
    double t0 = 0.0;
    BesselianElements elements;
    if (!FindEclipseOnDate(date, t0, elements)) {
        ContactSolution none;
        none.t = t;
        return none;
    }
    return IterateContact(elements, t0, which, t, observer, deltaTSeconds);
}

ContactAnglesResult ContactAngles(const FundamentalPlaneObserver& o, double l1, double l2,
                                  double latitudeDegrees) noexcept {
    const double altitude = SunAltitudeAt(latitudeDegrees, o) * kRadiansPerDegree;
    const double cosAltitude = std::cos(altitude);
    // Parallactic angle: how far the zenith lies from north, seen at the Sun.
    const double cosPhi = std::cos(latitudeDegrees * kRadiansPerDegree);
    const double q = cosAltitude > 0.0 ? ClampedAsin(cosPhi * o.sinH / cosAltitude) : 0.0;
    const double p = std::atan2(o.u, o.v);
    ContactAnglesResult angles;
    angles.diameterRatio = (l1 - l2) / (l1 + l2);
    angles.positionAngle = FullCircleDegrees(p * kDegreesPerRadian);
    angles.sunAltitude = altitude * kDegreesPerRadian;
    angles.vertexAngle = FullCircleDegrees((p - q) * kDegreesPerRadian);
    return angles;
}

bool ComputeContact(ContactPhase which, const DateTime& date,
                    const EclipseObserver& observer, double deltaTSeconds,
                    double& magnitude, double& diameterRatio,
                    ContactCircumstances& contact) noexcept {
    double t0 = 0.0;
    BesselianElements e;
    if (!FindEclipseOnDate(date, t0, e)) return false;
    const ContactSolution greatest =
        IterateContact(e, t0, kGreatestEclipse, 0.0, observer, deltaTSeconds);
    if (!greatest.converged) return false;

    const FundamentalPlaneObserver& o = greatest.observer;
    const double m = (greatest.l1 - AxisDistance(o)) / (greatest.l1 + greatest.l2);
    if (!(m >= 0.0)) {
        magnitude = -1.0;
        contact = ContactCircumstances();
        return false;
    }
    magnitude = m;

    ContactSolution solution = greatest;
    if (which != kGreatestEclipse) {
        const double half = HalfCrossingTime(o, greatest.l1);
        const double start = which == kFirstContact ? greatest.t - half : greatest.t + half;
        solution = IterateContact(e, t0, which, start, observer, deltaTSeconds);
    }
    const ContactAnglesResult angles =
        ContactAngles(solution.observer, solution.l1, solution.l2, observer.latitude);
    diameterRatio = angles.diameterRatio;
    contact.time = WrapIntoDay(solution.universalTime);
    contact.sunAltitude = angles.sunAltitude;
    contact.positionAngle = angles.positionAngle;
    contact.vertexAngle = angles.vertexAngle;
    return solution.converged;
}

LocalCircumstances ComputeLocalCircumstances(const SolarEclipseModel& model,
                                             const DateTime& date,
                                             const EclipseObserver& observer) {
    LocalCircumstances result;
    if (!model.found) return result;
    const double deltaT = DeltaT(date);
    ComputeContact(kFirstContact, date, observer, deltaT, result.magnitude,
                   result.diameterRatio, result.firstContact);
    ComputeContact(kGreatestEclipse, date, observer, deltaT, result.magnitude,
                   result.diameterRatio, result.maximum);
    ComputeContact(kLastContact, date, observer, deltaT, result.magnitude,
                   result.diameterRatio, result.lastContact);
    const CentralLineCrossing crossing =
        CentralLineAtLongitude(date, observer.longitude, deltaT);
    result.pathWidth = crossing.widthKm;
    result.centralDuration = static_cast<std::int32_t>(crossing.durationSeconds);
    return result;
}

EclipseAtInstant LocalEclipseAtInstant(const DateTime& eclipseDate, const DateTime& instant,
                                       const EclipseObserver& observer) {
    EclipseAtInstant result;
    double t0 = 0.0;
    BesselianElements e;
    if (!FindEclipseOnDate(eclipseDate, t0, e)) return result;
    const double deltaT = DeltaT(eclipseDate);
    DateTime reference = eclipseDate;
    reference.hours = t0;
    // The elements run on dynamical time, which is Delta T ahead of the
    // universal time of the instant.
    const double t =
        24.0 * DateTimeDifferenceDays(instant, reference) + deltaT / kSecondsPerHour;
    const BesselianValues values = EvaluateBesselianElements(e, t);
    const GeocentricFactors f =
        ObserverGeocentricFactors(observer.latitude, observer.heightMetres);
    const FundamentalPlaneObserver o =
        ObserverOnFundamentalPlane(e, values, observer.longitude, deltaT, f);
    const double l1 = values.l1 - o.zeta * e.tanf1;
    const double l2 = values.l2 - o.zeta * e.tanf2;
    result.magnitude = (l1 - AxisDistance(o)) / (l1 + l2);
    result.sunAltitude = SunAltitudeAt(observer.latitude, o);
    return result;
}

void UpdatePathBounds(PathBoundsTracker& b, double longitude, double latitude) noexcept {
    b.north = std::max(b.north, latitude);
    b.south = std::min(b.south, latitude);
    if (longitude <= 0.0) {
        b.hasEastSide = true;
        b.eastSideLargest = std::max(b.eastSideLargest, longitude);
        b.eastSideSmallest = std::min(b.eastSideSmallest, longitude);
    } else {
        b.hasWestSide = true;
        b.westSideLargest = std::max(b.westSideLargest, longitude);
        b.westSideSmallest = std::min(b.westSideSmallest, longitude);
    }
}

void ComputeCentralPath(SolarEclipseModel& model, bool found, bool central) {
    model.centralPath.clear();
    // Bounds of an earlier eclipse must not outlive it.
    ClearPathBounds(model);
    if (!found || !central) return;
    const BesselianElements& e = model.elements;
    const double deltaT = DeltaT(model.date);
    PathBoundsTracker bounds;
    CurveBuilder path(model.centralPath, e, deltaT, kUmbralCurve);
    WalkCentralLine(CentralLineExtremes(e, deltaT), [&](double t) {
        CentralPoint point;
        if (CentralLinePoint(e, t, deltaT, point) == kNoCentralPoint) {
            path.Break();
            return;
        }
        const double longitude = point.place.longitude;
        const LatitudeGuess guess{t, point.place.latitude, kUmbralLimitReach};
        const LatitudeLimits limits = UmbralLimitsNear(e, longitude, deltaT, guess, guess);
        if (limits.north.found) UpdatePathBounds(bounds, longitude, limits.north.latitude);
        if (limits.south.found) UpdatePathBounds(bounds, longitude, limits.south.latitude);
        path.Add(longitude, limits);
    });
    StorePathBounds(bounds, model);
}

void ComputeCentralLineEnds(SolarEclipseModel& model, bool found, bool central) {
    if (!found || !central) {
        model.centralLineBegin = NoCentralLineEnd();
        model.centralLineEnd = NoCentralLineEnd();
        return;
    }
    // The instants count from the row's t0, not from the hours the date
    // holds: a row whose t0 is 24 keeps a date before midnight.
    double t0 = model.date.hours;
    BesselianElements tableElements;
    FindEclipseOnDate(model.date, t0, tableElements);
    const double deltaT = DeltaT(model.date);
    const CentralLineExtremesResult line = CentralLineExtremes(model.elements, deltaT);
    model.centralLineBegin = CentralLineEndAt(model.date, t0, line.tBegin, deltaT, line.begin);
    model.centralLineEnd = CentralLineEndAt(model.date, t0, line.tEnd, deltaT, line.end);
}

namespace {

constexpr int kLongitudeSteps = 360 * kLongitudeStepsPerDegree;
// A trace by longitude that has lost a curve looks for it over the whole
// meridian only every 30 degrees: that search costs a hundred ordinary ones.
constexpr int kLongitudeStepsPerWideSearch = 30 * kLongitudeStepsPerDegree;
// The same along the central line, every five minutes.
constexpr int kPathStepsPerWideSearch = 30;
// Central points closer than this in longitude (degrees) trace the curve
// over every longitude between them.
constexpr double kContiguousPathStep = 1.0;

double GridLongitude(int i) noexcept {
    return -180.0 + static_cast<double>(i) / kLongitudeStepsPerDegree;
}

// Grid step holding a longitude, 0..kLongitudeSteps-1.
int GridIndex(double longitude) noexcept {
    const int i = static_cast<int>(std::floor((longitude + 180.0) * kLongitudeStepsPerDegree));
    return ((i % kLongitudeSteps) + kLongitudeSteps) % kLongitudeSteps;
}

// Where a trace of a curve last found each side: the next step's search
// starts there; while a side is lost, a wide search every few steps starts
// from `fallback`.
class CurveFollower {
public:
    LatitudeLimits Search(const BesselianElements& e, double longitude, double deltaT,
                          double k, const LatitudeGuess& fallback, bool wide) {
        const LatitudeLimits limits = MagnitudeLimitsNear(
            e, longitude, deltaT, k, Guess(north_, fallback, wide), Guess(south_, fallback, wide));
        Remember(limits);
        return limits;
    }
    // Takes what a step found, or a neighbour's result, as the next start of
    // each side it holds.
    void Remember(const LatitudeLimits& limits) noexcept {
        north_ = limits.north;
        south_ = limits.south;
    }
    void Offer(const LatitudeLimits& limits) noexcept {
        if (!north_.found) north_ = limits.north;
        if (!south_.found) south_ = limits.south;
    }
    bool Follows() const noexcept { return north_.found || south_.found; }

private:
    static LatitudeGuess Guess(const LatitudeSearch& last, const LatitudeGuess& fallback,
                               bool wide) noexcept {
        if (last.found) return LatitudeGuess{last.t, last.latitude, kCurveStepReach};
        LatitudeGuess guess = fallback;
        guess.reach = wide ? 180.0 : 0.0;
        return guess;
    }

    LatitudeSearch north_;
    LatitudeSearch south_;
};

// The longitude grid of a trace: the cells the central line sweeps, and
// what the walk along the line found in each cell (the start of the trace
// by longitude next to it).
struct LongitudeGrid {
    std::vector<bool> covered = std::vector<bool>(kLongitudeSteps, false);
    std::vector<LatitudeLimits> found = std::vector<LatitudeLimits>(kLongitudeSteps);
};

int NextCell(int i, int direction) noexcept {
    return (i + direction + kLongitudeSteps) % kLongitudeSteps;
}

// Fills the sides still missing in `limits` from `more`.
void Merge(LatitudeLimits& limits, const LatitudeLimits& more) noexcept {
    if (!limits.north.found) limits.north = more.north;
    if (!limits.south.found) limits.south = more.south;
}

// Appends the curve of magnitude k at every longitude of the grid (-180 to
// 180 in steps of 1/6 degree) the central line does not sweep. The grid is
// walked east to west and then west to east, each search starting where
// the previous longitude (or the walk along the central line next to it)
// found the curve, so that a curve is followed away from the line on both
// sides.
void AppendCurveByLongitude(const SolarEclipseModel& model, double k,
                            const LongitudeGrid& grid, const LatitudeGuess& start,
                            PathCurve& curve) {
    const BesselianElements& e = model.elements;
    const double deltaT = DeltaT(model.date);
    std::vector<LatitudeLimits> found(kLongitudeSteps);
    CurveFollower ahead;
    for (int i = 0; i < kLongitudeSteps; ++i) {
        const std::size_t cell = static_cast<std::size_t>(i);
        if (grid.covered[cell]) {
            ahead = CurveFollower();
            continue;
        }
        ahead.Offer(grid.found[static_cast<std::size_t>(NextCell(i, -1))]);
        found[cell] = ahead.Search(e, GridLongitude(i), deltaT, k, start,
                                   i % kLongitudeStepsPerWideSearch == 0);
    }
    CurveFollower back;
    for (int i = kLongitudeSteps; i-- > 0;) {
        const std::size_t cell = static_cast<std::size_t>(i);
        if (grid.covered[cell]) {
            back = CurveFollower();
            continue;
        }
        back.Offer(grid.found[static_cast<std::size_t>(NextCell(i, +1))]);
        LatitudeLimits& here = found[cell];
        if ((!here.north.found || !here.south.found) && back.Follows())
            Merge(here, back.Search(e, GridLongitude(i), deltaT, k, start, false));
        back.Remember(here);
    }
    // Runs of neighbouring cells are pieces of the curve; starting after a
    // gap keeps a piece that crosses the 180th meridian in one.
    auto seen = [&found](int i) {
        const LatitudeLimits& cell = found[static_cast<std::size_t>((i + kLongitudeSteps) % kLongitudeSteps)];
        return cell.north.found || cell.south.found;
    };
    int first = 0;
    while (first < kLongitudeSteps && seen(first - 1)) ++first;
    if (first == kLongitudeSteps) first = 0;
    CurveBuilder pieces(curve, e, deltaT, k);
    for (int k = 0; k < kLongitudeSteps; ++k) {
        const int i = (first + k) % kLongitudeSteps;
        pieces.Add(GridLongitude(i), found[static_cast<std::size_t>(i)]);
    }
}

}  // namespace

void TraceCurveAlongPath(SolarEclipseModel& model, double k) {
    const BesselianElements& e = model.elements;
    const double deltaT = DeltaT(model.date);
    PathCurve curve;
    CurveFollower follower;
    LongitudeGrid grid;
    bool havePrevious = false;
    double previousLongitude = 0.0;
    LatitudeGuess middle;
    int step = 0;
    CurveBuilder along(curve, e, deltaT, k);
    WalkCentralLine(CentralLineExtremes(e, deltaT), [&](double t) {
        CentralPoint point;
        if (CentralLinePoint(e, t, deltaT, point) == kNoCentralPoint) {
            along.Break();
            return;
        }
        const double longitude = point.place.longitude;
        const LatitudeGuess here{t, point.place.latitude, 0.0};
        if (step == 0 || std::fabs(t) < std::fabs(middle.t)) middle = here;
        const LatitudeLimits limits = follower.Search(e, longitude, deltaT, k, here,
                                                      step % kPathStepsPerWideSearch == 0);
        along.Add(longitude, limits);
        Merge(grid.found[static_cast<std::size_t>(GridIndex(longitude))], limits);
        ++step;
        // The longitudes the central line sweeps between two close points.
        const double sweep = NormaliseAngle180(longitude - previousLongitude);
        if (havePrevious && std::fabs(sweep) < kContiguousPathStep) {
            const int from = GridIndex(std::min(previousLongitude, previousLongitude + sweep));
            const int count = GridIndex(std::max(previousLongitude, previousLongitude + sweep)) - from;
            for (int i = 0; i <= (count + kLongitudeSteps) % kLongitudeSteps; ++i)
                grid.covered[static_cast<std::size_t>((from + i) % kLongitudeSteps)] = true;
        }
        havePrevious = true;
        previousLongitude = longitude;
    });
    // The curve also crosses meridians the central line never reaches:
    // beyond its ends and, near a pole, on the far side of the pole.
    AppendCurveByLongitude(model, k, grid, middle, curve);
    model.magnitudeCurves.push_back(std::move(curve));
}

void TraceCurveByLongitude(SolarEclipseModel& model, double k) {
    PathCurve curve;
    AppendCurveByLongitude(model, k, LongitudeGrid(), LatitudeGuess(), curve);
    model.magnitudeCurves.push_back(std::move(curve));
}

namespace {

// Whether the shadow axis meets the Earth at any instant of the walk along
// the central line. An eclipse listed as central whose axis only grazes the
// Earth between two of those instants has no point to trace curves from.
bool CentralLineHasPoints(const SolarEclipseModel& model) {
    const BesselianElements& e = model.elements;
    const double deltaT = DeltaT(model.date);
    bool any = false;
    WalkCentralLine(CentralLineExtremes(e, deltaT), [&](double t) {
        CentralPoint point;
        any = any || CentralLinePoint(e, t, deltaT, point) != kNoCentralPoint;
    });
    return any;
}

}  // namespace

void ComputeMagnitudeCurves(SolarEclipseModel& model, bool found) {
    model.magnitudeCurves.clear();
    if (!found) return;
    const bool alongPath = EclipseCentralKind(model.elements.type) != kNoCentralPoint &&
                           CentralLineHasPoints(model);
    for (double k : kMagnitudeCurveLevels) {
        if (alongPath) TraceCurveAlongPath(model, k);
        else TraceCurveByLongitude(model, k);
    }
}

void ComputeEclipseForDate(const DateTime& date, bool found,
                           const BesselianElements& elements, SolarEclipseModel& model) {
    if (&date != &model.date) model.date = date;
    model.found = found;
    if (found) model.elements = elements;
    else BesselianElementsInit(model.elements);
    const bool central = found && EclipseCentralKind(model.elements.type) != kNoCentralPoint;
    ComputeCentralPath(model, found, central);
    ComputeCentralLineEnds(model, found, central);
    ComputeMagnitudeCurves(model, found);
}

}  // namespace corvinata
