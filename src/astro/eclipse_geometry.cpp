#include "astro/eclipse_geometry.h"

#include <algorithm>
#include <cmath>

#include "astro/degrees.h"
#include "base/angle_value.h"
#include "base/date_time.h"

namespace corvinata {

namespace {

constexpr double kSecondsPerTwoHours = 7200.0;

// Latitude searches: Newton steps on the instant and the latitude together.
constexpr int kLatitudeSearchIterations = 20;
constexpr double kLatitudeSearchTimeTolerance = 0.0001;      // hours
constexpr double kLatitudeSearchLatitudeTolerance = 0.00001;  // degrees
// A central-line point found at a longitude must lie on that longitude.
constexpr double kCentralLineLongitudeTolerance = 0.0001;     // degrees

// Geodetic latitude (radians) from the latitude of the same point on the
// sphere the axis ratio maps the Earth to.
double GeodeticFromReduced(double reducedLatitude) noexcept {
    return std::atan(kEarthInverseAxisRatio * std::tan(reducedLatitude));
}

// West longitude of a point whose hour angle (radians) is known.
double LongitudeFromHourAngle(double muDegrees, double hourAngle,
                              double deltaTSeconds) noexcept {
    return NormaliseAngle180(muDegrees - hourAngle * kDegreesPerRadian -
                             kSiderealDegreesPerSecond * deltaTSeconds);
}

double SunAltitudeRadians(double latitude, double sinD, double cosD,
                          double cosH) noexcept {
    return ClampedAsin(std::sin(latitude) * sinD + std::cos(latitude) * cosD * cosH);
}

// Linear motion of the shadow axis on the plane scaled to a unit Earth
// (y stretched by rho1inv): the instant of closest approach to the centre
// (tau, hours), the distance of closest approach (S, Earth radii) and the
// half time the axis spends inside the unit circle (delta, hours).
struct AxisPassage {
    double tau = 0.0;
    double halfDuration = 0.0;
};

AxisPassage PassageThroughUnitCircle(double x, double xRate, double y1,
                                     double y1Rate) noexcept {
    AxisPassage passage;
    const double n2 = xRate * xRate + y1Rate * y1Rate;
    if (!(n2 > 0.0)) return passage;
    const double n = std::sqrt(n2);
    const double s = (x * y1Rate - y1 * xRate) / n;
    passage.tau = -(x * xRate + y1 * y1Rate) / n2;
    passage.halfDuration = ClampedSqrt(1.0 - s * s) / n;
    return passage;
}

enum class SearchTarget { kCentralLine, kUmbra, kMagnitude };

// The signed offset from the shadow's track at which a search stops: 0 for
// the central line, the umbral radius, or the distance at which the greatest
// eclipse has magnitude k (from magnitude = (L1' - D) / (L1' + L2')).
double TargetOffset(const BesselianElements& e, const BesselianValues& values,
                    double zeta, SearchTarget target, double k) noexcept {
    const double l1 = values.l1 - zeta * e.tanf1;
    const double l2 = values.l2 - zeta * e.tanf2;
    switch (target) {
        case SearchTarget::kUmbra: return std::fabs(l2);
        case SearchTarget::kMagnitude: return std::fabs(l1 - k * (l1 + l2));
        case SearchTarget::kCentralLine: break;
    }
    return 0.0;
}

// Newton iteration on (t, latitude) for an observer at height 0 on the given
// longitude: t goes to the observer's greatest eclipse and the latitude to
// where the observer's distance from the shadow's track equals the target
// offset, north of the track for side +1, south for -1 (0: on the track).
LatitudeSearch SearchLatitude(const BesselianElements& e, double longitudeDegrees,
                              double deltaTSeconds, SearchTarget target, double k, int side,
                              double startT = 0.0, double startLatitude = 0.0) noexcept {
    double t = startT;
    double latitude = startLatitude;  // radians
    for (int iteration = 0; iteration < kLatitudeSearchIterations; ++iteration) {
        const BesselianValues values = EvaluateBesselianElements(e, t);
        const GeocentricFactors f =
            ObserverGeocentricFactors(latitude * kDegreesPerRadian, 0.0);
        const FundamentalPlaneObserver o =
            ObserverOnFundamentalPlane(e, values, longitudeDegrees, deltaTSeconds, f);
        if (!(o.n2 > 0.0)) break;
        const double n = std::sqrt(o.n2);
        const double dt = -(o.u * o.a + o.v * o.b) / o.n2;
        const double distance = (o.a * o.v - o.u * o.b) / n;
        const double g = (o.b * o.sinH * f.rhoSinPhi +
                          o.a * (o.cosH * o.sinD * f.rhoSinPhi + f.rhoCosPhi * o.cosD)) /
                         (kDegreesPerRadian * n);
        if (g == 0.0 || !std::isfinite(g) || !std::isfinite(dt)) break;
        const double offset = side * TargetOffset(e, values, o.zeta, target, k);
        const double dLatitude = std::clamp((distance + offset) / g, -90.0, 90.0);
        t += dt;
        latitude = std::clamp(latitude + dLatitude * kRadiansPerDegree, -kPi / 2, kPi / 2);
        if (std::fabs(dt) < kLatitudeSearchTimeTolerance &&
            std::fabs(dLatitude) < kLatitudeSearchLatitudeTolerance) {
            if (SunAltitudeRadians(latitude, o.sinD, o.cosD, o.cosH) < 0.0) break;
            LatitudeSearch result;
            result.found = true;
            result.t = t;
            result.latitude = latitude * kDegreesPerRadian;
            result.iterations = iteration + 1;
            return result;
        }
    }
    return LatitudeSearch();
}

// The target function of the bracketing search at one latitude (radians):
// the observer's signed distance from the place where the search stops, at
// the observer's greatest eclipse, which is followed from the instant t.
struct OffsetFromCurve {
    bool valid = false;
    double value = 0.0;  // Earth radii; zero on the curve
    double t = 0.0;
    double sunAltitude = 0.0;  // radians
};

OffsetFromCurve OffsetAtLatitude(const BesselianElements& e, double longitudeDegrees,
                                 double deltaTSeconds, SearchTarget target, double k,
                                 int side, double latitude, double t) noexcept {
    const GeocentricFactors f = ObserverGeocentricFactors(latitude * kDegreesPerRadian, 0.0);
    OffsetFromCurve result;
    for (int iteration = 0; iteration < kLatitudeSearchIterations; ++iteration) {
        const BesselianValues values = EvaluateBesselianElements(e, t);
        const FundamentalPlaneObserver o =
            ObserverOnFundamentalPlane(e, values, longitudeDegrees, deltaTSeconds, f);
        if (!(o.n2 > 0.0)) return result;
        const double dt = -(o.u * o.a + o.v * o.b) / o.n2;
        if (!std::isfinite(dt)) return result;
        if (std::fabs(dt) < kLatitudeSearchTimeTolerance) {
            result.valid = true;
            result.value = (o.a * o.v - o.u * o.b) / std::sqrt(o.n2) +
                           side * TargetOffset(e, values, o.zeta, target, k);
            result.t = t;
            result.sunAltitude = SunAltitudeRadians(latitude, o.sinD, o.cosD, o.cosH);
            return result;
        }
        t += dt;
    }
    return result;
}

// Bracketing and bisection around a guess: the meridian is sampled in steps
// of kBracketStep outwards from the guess on both sides in turn, and each
// sign change, nearest first, is narrowed down until one whose point sees
// the Sun is found. A sign change that does not close to zero is a jump of
// the greatest eclipse from one instant to another, not a crossing.
constexpr double kBracketStep = 0.25 * kRadiansPerDegree;
constexpr double kBracketTolerance = kLatitudeSearchLatitudeTolerance * kRadiansPerDegree;
constexpr double kCrossingTolerance = 1e-6;  // Earth radii

LatitudeSearch NarrowBracket(const BesselianElements& e, double longitudeDegrees,
                             double deltaTSeconds, SearchTarget target, double k, int side,
                             double low, OffsetFromCurve atLow, double high) noexcept {
    int steps = 0;
    while (high - low > kBracketTolerance) {
        const double middle = 0.5 * (low + high);
        const OffsetFromCurve atMiddle = OffsetAtLatitude(
            e, longitudeDegrees, deltaTSeconds, target, k, side, middle, atLow.t);
        ++steps;
        if (!atMiddle.valid) return LatitudeSearch();
        if ((atMiddle.value < 0.0) == (atLow.value < 0.0)) {
            low = middle;
            atLow = atMiddle;
        } else {
            high = middle;
        }
    }
    if (std::fabs(atLow.value) > kCrossingTolerance || atLow.sunAltitude < 0.0)
        return LatitudeSearch();
    LatitudeSearch result;
    result.found = true;
    result.t = atLow.t;
    result.latitude = low * kDegreesPerRadian;
    result.iterations = steps;
    return result;
}

LatitudeSearch BracketLatitude(const BesselianElements& e, double longitudeDegrees,
                               double deltaTSeconds, SearchTarget target, double k, int side,
                               const LatitudeGuess& guess) noexcept {
    const double start = std::clamp(guess.latitude * kRadiansPerDegree, -kPi / 2, kPi / 2);
    const double reach = guess.reach * kRadiansPerDegree;
    const OffsetFromCurve atStart =
        OffsetAtLatitude(e, longitudeDegrees, deltaTSeconds, target, k, side, start, guess.t);
    // The last sample of each direction: latitude and offset.
    double edge[2] = {start, start};
    OffsetFromCurve atEdge[2] = {atStart, atStart};
    bool open[2] = {true, true};
    for (int step = 1; open[0] || open[1]; ++step) {
        for (int direction = 0; direction < 2; ++direction) {
            if (!open[direction]) continue;
            const double sign = direction == 0 ? 1.0 : -1.0;
            const double next = start + sign * step * kBracketStep;
            if (step * kBracketStep > reach || std::fabs(next) > kPi / 2) {
                open[direction] = false;
                continue;
            }
            const OffsetFromCurve atNext = OffsetAtLatitude(
                e, longitudeDegrees, deltaTSeconds, target, k, side, next, atEdge[direction].t);
            if (atNext.valid && atEdge[direction].valid &&
                (atNext.value < 0.0) != (atEdge[direction].value < 0.0)) {
                const bool upwards = direction == 0;
                const LatitudeSearch crossing =
                    upwards ? NarrowBracket(e, longitudeDegrees, deltaTSeconds, target, k, side,
                                            edge[0], atEdge[0], next)
                            : NarrowBracket(e, longitudeDegrees, deltaTSeconds, target, k, side,
                                            next, atNext, edge[1]);
                if (crossing.found) return crossing;
            }
            edge[direction] = next;
            atEdge[direction] = atNext.valid ? atNext : atEdge[direction];
        }
    }
    return LatitudeSearch();
}

// One side of a trace: the search from the fixed start, then from the guess.
LatitudeSearch SearchSideNear(const BesselianElements& e, double longitudeDegrees,
                              double deltaTSeconds, SearchTarget target, double k, int side,
                              const LatitudeGuess& guess) noexcept {
    LatitudeSearch search = SearchLatitude(e, longitudeDegrees, deltaTSeconds, target, k, side);
    if (search.found || !(guess.reach > 0.0)) return search;
    search = SearchLatitude(e, longitudeDegrees, deltaTSeconds, target, k, side, guess.t,
                            guess.latitude * kRadiansPerDegree);
    if (search.found && std::fabs(search.latitude - guess.latitude) <= guess.reach)
        return search;
    return BracketLatitude(e, longitudeDegrees, deltaTSeconds, target, k, side, guess);
}

LatitudeLimits SearchBothSidesNear(const BesselianElements& e, double longitudeDegrees,
                                   double deltaTSeconds, SearchTarget target, double k,
                                   const LatitudeGuess& north,
                                   const LatitudeGuess& south) noexcept {
    LatitudeLimits limits;
    limits.north = SearchSideNear(e, longitudeDegrees, deltaTSeconds, target, k, +1, north);
    limits.south = SearchSideNear(e, longitudeDegrees, deltaTSeconds, target, k, -1, south);
    return limits;
}

LatitudeLimits SearchBothSides(const BesselianElements& e, double longitudeDegrees,
                               double deltaTSeconds, SearchTarget target,
                               double k) noexcept {
    LatitudeLimits limits;
    limits.north = SearchLatitude(e, longitudeDegrees, deltaTSeconds, target, k, +1);
    limits.south = SearchLatitude(e, longitudeDegrees, deltaTSeconds, target, k, -1);
    return limits;
}

}  // namespace

GeocentricFactors ObserverGeocentricFactors(double latitudeDegrees,
                                            double heightMetres) noexcept {
    const double phi = latitudeDegrees * kRadiansPerDegree;
    const double h = heightMetres / kEarthEquatorialRadiusMetres;
    const double u = std::atan(kEarthAxisRatio * std::tan(phi));
    GeocentricFactors f;
    f.rhoSinPhi = kEarthAxisRatio * std::sin(u) + h * std::sin(phi);
    f.rhoCosPhi = std::cos(u) + h * std::cos(phi);
    return f;
}

FundamentalPlaneObserver ObserverOnFundamentalPlane(const BesselianElements& e,
                                                    const BesselianValues& values,
                                                    double longitudeDegrees,
                                                    double deltaTSeconds,
                                                    const GeocentricFactors& f) noexcept {
    FundamentalPlaneObserver o;
    o.H = (values.mu - longitudeDegrees - kSiderealDegreesPerSecond * deltaTSeconds) *
          kRadiansPerDegree;
    o.sinH = std::sin(o.H);
    o.cosH = std::cos(o.H);
    o.sinD = std::sin(values.d);
    o.cosD = std::cos(values.d);
    o.xi = f.rhoCosPhi * o.sinH;
    o.eta = f.rhoSinPhi * o.cosD - f.rhoCosPhi * o.cosH * o.sinD;
    o.zeta = f.rhoSinPhi * o.sinD + f.rhoCosPhi * o.cosH * o.cosD;
    const double muRate = e.mu1 * kRadiansPerDegree;
    o.xiRate = muRate * f.rhoCosPhi * o.cosH;
    o.etaRate = kRadiansPerDegree * (e.mu1 * o.xi * o.sinD - e.d1 * o.zeta);
    o.u = values.x - o.xi;
    o.v = values.y - o.eta;
    o.a = values.xRate - o.xiRate;
    o.b = values.yRate - o.etaRate;
    o.n2 = o.a * o.a + o.b * o.b;
    return o;
}

double SunAltitudeAt(double latitudeDegrees, const FundamentalPlaneObserver& o) noexcept {
    return SunAltitudeRadians(latitudeDegrees * kRadiansPerDegree, o.sinD, o.cosD, o.cosH) *
           kDegreesPerRadian;
}

DirectionAngles AnglesFromDirection(double p1, double p2, double p3) noexcept {
    DirectionAngles angles;
    angles.latitude = ClampedAsin(p3);
    const double cosLatitude = std::cos(angles.latitude);
    if (cosLatitude > 0.0) angles.hourAngle = ClampedAsin(p1 / cosLatitude);
    if (p2 < 0.0) angles.hourAngle = kPi - angles.hourAngle;
    return angles;
}

double CentralLineLimitTime(const BesselianElements& elements, double t,
                            CentralLineLimit which) noexcept {
    const BesselianValues v = EvaluateBesselianElements(elements, t);
    const AxisPassage passage = PassageThroughUnitCircle(
        v.x, v.xRate, v.rho1inv * v.y, v.rho1inv * v.yRate);
    return which == kCentralLineBegin ? passage.tau - passage.halfDuration
                                      : passage.tau + passage.halfDuration;
}

GeoPoint AxisGrazingPoint(const BesselianElements& elements, double t,
                          double deltaTSeconds) noexcept {
    const BesselianValues v = EvaluateBesselianElements(elements, t);
    const double omega2 = v.rho1inv * v.rho1inv;
    const DirectionAngles angles =
        AnglesFromDirection(v.x, -omega2 * v.y * std::sin(v.d),
                            kEarthAxisRatio * omega2 * v.y * std::cos(v.d));
    GeoPoint point;
    point.latitude = GeodeticFromReduced(angles.latitude) * kDegreesPerRadian;
    point.longitude = LongitudeFromHourAngle(v.mu, angles.hourAngle, deltaTSeconds);
    return point;
}

CentralLineExtremesResult CentralLineExtremes(const BesselianElements& e,
                                              double deltaTSeconds) noexcept {
    const double cosD0 = std::cos(e.d0 * kRadiansPerDegree);
    const double omega = 1.0 / std::sqrt(1.0 - kEarthSquaredEccentricity * cosD0 * cosD0);
    const AxisPassage first =
        PassageThroughUnitCircle(e.x0, e.x1, omega * e.y0, omega * e.y1);
    const double tA = first.tau - first.halfDuration;
    const double tB = first.tau + first.halfDuration;
    CentralLineExtremesResult result;
    result.tBegin = tA + CentralLineLimitTime(e, tA, kCentralLineBegin);
    result.tEnd = tB + CentralLineLimitTime(e, tB, kCentralLineEnd);
    result.begin = AxisGrazingPoint(e, result.tBegin, deltaTSeconds);
    result.end = AxisGrazingPoint(e, result.tEnd, deltaTSeconds);
    return result;
}

CentralKind CentralLinePoint(const BesselianElements& e, double t, double deltaTSeconds,
                             CentralPoint& point) noexcept {
    const BesselianValues v = EvaluateBesselianElements(e, t);
    const double sinD = std::sin(v.d);
    const double cosD = std::cos(v.d);
    const double y1 = v.rho1inv * v.y;
    const double b2Squared = 1.0 - v.x * v.x - y1 * y1;
    if (b2Squared < 0.0) return kNoCentralPoint;
    const double bigB = std::sqrt(b2Squared);

    // Rotate the axis' point on the unit sphere back to the Earth's frame.
    const double b1 = v.rho1inv * sinD;
    const double b2 = kEarthAxisRatio * v.rho1inv * cosD;
    const DirectionAngles angles =
        AnglesFromDirection(v.x, bigB * b2 - y1 * b1, y1 * b2 + bigB * b1);
    const double latitude = GeodeticFromReduced(angles.latitude);

    const double l1 = v.l1 - bigB * e.tanf1;
    const double l2 = v.l2 - bigB * e.tanf2;
    const double muRate = e.mu1 * kRadiansPerDegree;
    const double b = v.yRate - muRate * v.x * sinD;
    const double a = v.xRate + muRate * v.y * sinD - muRate * bigB * cosD;
    const double n = std::sqrt(a * a + b * b);

    point.place.latitude = latitude * kDegreesPerRadian;
    point.place.longitude = LongitudeFromHourAngle(v.mu, angles.hourAngle, deltaTSeconds);
    point.sunAltitude =
        SunAltitudeRadians(latitude, sinD, cosD, std::cos(angles.hourAngle)) *
        kDegreesPerRadian;
    point.durationSeconds = n > 0.0 ? std::fabs(l2) * kSecondsPerTwoHours / n : 0.0;
    const double along = n > 0.0 ? (a * v.x + b * v.y) / n : 0.0;
    const double slant = std::sqrt(along * along + b2Squared);
    point.widthKm = slant > 0.0 ? kEarthDiameterKm * std::fabs(l2) / slant : 0.0;
    point.magnitude = (l1 - l2) / (l1 + l2);
    return l2 < 0.0 ? kCentralTotal : kCentralAnnular;
}

CentralLineCrossing CentralLineAtLongitude(const BesselianElements& elements,
                                           double longitudeDegrees,
                                           double deltaTSeconds) noexcept {
    CentralLineCrossing crossing;
    const LatitudeSearch search = SearchLatitude(
        elements, longitudeDegrees, deltaTSeconds, SearchTarget::kCentralLine, 0.0, 0);
    if (!search.found) return crossing;
    CentralPoint point;
    if (CentralLinePoint(elements, search.t, deltaTSeconds, point) == kNoCentralPoint)
        return crossing;
    // Compare across the date line too: -180 and 180 are one meridian.
    if (std::fabs(NormaliseAngle180(point.place.longitude - longitudeDegrees)) >=
        kCentralLineLongitudeTolerance)
        return crossing;
    crossing.point = search;
    crossing.widthKm = point.widthKm;
    crossing.durationSeconds = point.durationSeconds;
    return crossing;
}

namespace {

// What `compute` answers for the elements of the eclipse of that date, or
// the empty result when the table has no eclipse on it.
template <class Result, class Compute>
Result OnEclipseOfDate(const DateTime& date, Compute compute) noexcept {
    double t0 = 0.0;
    BesselianElements elements;
    if (!FindEclipseOnDate(date, t0, elements)) return Result();
    return compute(elements);
}

}  // namespace

CentralLineCrossing CentralLineAtLongitude(const DateTime& date, double longitudeDegrees,
                                           double deltaTSeconds) noexcept {
    return OnEclipseOfDate<CentralLineCrossing>(date, [&](const BesselianElements& elements) {
        return CentralLineAtLongitude(elements, longitudeDegrees, deltaTSeconds);
    });
}

LatitudeLimits UmbralLimitsAtLongitude(const BesselianElements& elements,
                                       double longitudeDegrees,
                                       double deltaTSeconds) noexcept {
    return SearchBothSides(elements, longitudeDegrees, deltaTSeconds,
                           SearchTarget::kUmbra, 0.0);
}

LatitudeLimits UmbralLimitsAtLongitude(const DateTime& date, double longitudeDegrees,
                                       double deltaTSeconds) noexcept {
    return OnEclipseOfDate<LatitudeLimits>(date, [&](const BesselianElements& elements) {
        return UmbralLimitsAtLongitude(elements, longitudeDegrees, deltaTSeconds);
    });
}

LatitudeLimits MagnitudeLimitsAtLongitude(const BesselianElements& elements,
                                          double longitudeDegrees,
                                          double deltaTSeconds, double k) noexcept {
    return SearchBothSides(elements, longitudeDegrees, deltaTSeconds,
                           SearchTarget::kMagnitude, k);
}

LatitudeLimits MagnitudeLimitsAtLongitude(const DateTime& date, double longitudeDegrees,
                                          double deltaTSeconds, double k) noexcept {
    return OnEclipseOfDate<LatitudeLimits>(date, [&](const BesselianElements& elements) {
        return MagnitudeLimitsAtLongitude(elements, longitudeDegrees, deltaTSeconds, k);
    });
}

LatitudeLimits UmbralLimitsNear(const BesselianElements& elements, double longitudeDegrees,
                                double deltaTSeconds, const LatitudeGuess& north,
                                const LatitudeGuess& south) noexcept {
    return SearchBothSidesNear(elements, longitudeDegrees, deltaTSeconds,
                               SearchTarget::kUmbra, 0.0, north, south);
}

LatitudeLimits MagnitudeLimitsNear(const BesselianElements& elements,
                                   double longitudeDegrees, double deltaTSeconds, double k,
                                   const LatitudeGuess& north,
                                   const LatitudeGuess& south) noexcept {
    return SearchBothSidesNear(elements, longitudeDegrees, deltaTSeconds,
                               SearchTarget::kMagnitude, k, north, south);
}

}  // namespace corvinata
