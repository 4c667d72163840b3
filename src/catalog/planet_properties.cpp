// The planet and Earth calculators.
#include <cmath>

#include "astro/aberration.h"
#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/instant_sharing.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"
#include "astro/planet_sight.h"
#include "astro/saturn_ring.h"
#include "astro/spherical_trig.h"
#include "base/angle_reduction.h"
#include "catalog/event_kinds.h"
#include "catalog/planet_catalogue.h"
#include "catalog/property_calculators.h"

namespace corvinata {
namespace {

constexpr std::uint32_t kGeocentric =
    kFunctionLongitude | kFunctionLatitude | kFunctionDistanceFromEarth;
constexpr std::uint32_t kHeliocentric =
    kFunctionHeliocentricLongitude | kFunctionHeliocentricLatitude | kFunctionDistanceFromSun;

// Magnitude by planet index from L = 5 log10(r Delta) and the phase angle i
// (degrees); Saturn's from its ring's tilt B and the difference dU of the
// Sun's and the Earth's Saturnicentric longitudes instead (Meeus, AA ch. 41,
// with -8.68 as this program's constant for Saturn).
double PlanetMagnitude(int index, double l, double i, double jd) {
    switch (index) {
        case kMercuryIndex: return -0.42 + l + 0.038 * i - 0.000273 * i * i + 0.000002 * i * i * i;
        case kVenusIndex: return -4.40 + l + 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i;
        case kMarsIndex: return -1.52 + l + 0.016 * i;
        case kJupiterIndex: return -9.40 + l + 0.005 * i;
        case kSaturnIndex: {
            double b = 0.0, bPrime = 0.0, p = 0.0, major = 0.0, minor = 0.0, deltaU = 0.0;
            SaturnPhysicalData(jd, b, bPrime, p, major, minor, deltaU);
            const double sinB = SinDeg(std::fabs(b));
            return -8.68 + l + 0.044 * std::fabs(deltaU) - 2.60 * sinB + 1.25 * sinB * sinB;
        }
        case kUranusIndex: return -7.19 + l;
        case kNeptuneIndex: return -6.87 + l;
        default: return -1.00 + l;
    }
}

class PlanetCalculator final : public PropertyCalculator {
public:
    PlanetCalculator(const CelestialObject& body, const PlanetObject& planet) noexcept
        : PropertyCalculator(body), planet_(planet) {}

private:
    std::uint32_t Widen(std::uint32_t mask) const noexcept override {
        if (mask & (kFunctionMagnitude | kFunctionPhase)) {
            mask |= kFunctionDistanceFromSun | kFunctionDistanceFromEarth;
        }
        if (mask & kFunctionBrightLimb) mask |= kFunctionLongitude | kFunctionLatitude;
        return mask;
    }

    void Work(const PropertyJob& job, PropertyMap& raw) const override {
        const int index = planet_.Index();
        const HeliocentricPlace now = SharedPlanetHeliocentric(index, job.jd);
        if (job.mask & kHeliocentric) {
            raw.Set(kFunctionHeliocentricLongitude, now.l);
            raw.Set(kFunctionHeliocentricLatitude, now.b);
            raw.Set(kFunctionDistanceFromSun, now.r, kAstronomicalUnits);
        }
        SkyCoordinates place{kNotComputedAngle, kNotComputedAngle, kInvalidCoordinateSystem};
        double delta = 0.0;
        if (job.mask & (kGeocentric | kFunctionMagnitude | kFunctionPhase)) {
            const GeocentricSun sun = SharedGeometricSun(job.jd);
            const PlanetSight sight = SharedPlanetSight(index, job.jd, now, sun);
            const GeocentricVector& v = sight.geocentric;
            const double dpsi = SharedNutation(job.jd).dpsi;
            // The Sun's apparent place carries the annual aberration; the
            // planet's must too, or events between them (oppositions,
            // transits, elongations) move by minutes.
            const double lambda = Atan2Deg(v.y, v.x);
            const double beta = Atan2Deg(v.z, std::sqrt(v.x * v.x + v.y * v.y));
            const AnnualAberration aberration(job.jd, sun.longitude);
            place = {ReduceDegrees(lambda + dpsi + aberration.LongitudeOffset(lambda, beta)),
                     beta + aberration.LatitudeOffset(lambda, beta), kEclipticalSystem};
            delta = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
            raw.SetCoordinates(place);
            raw.Set(kFunctionDistanceFromEarth, delta, kAstronomicalUnits);
            if (job.mask & (kFunctionMagnitude | kFunctionPhase)) {
                StoreIllumination(job, sight.seen.r, delta, sun.distance, raw);
            }
        }
        if ((job.mask & kFunctionAngularSize) && delta > 0.0) {
            raw.Set(kFunctionAngularSize, planet_.Constants().angularDiameter / delta / 3600.0);
        }
        StoreElongations(job, place, raw);
        if (job.mask & kFunctionBrightLimb) StoreBrightLimb(job, place, raw);
        StoreRiseSet(body_, job, raw);
    }

    // r is the planet's distance from the Sun when the light left it, as
    // Delta is measured along that light.
    void StoreIllumination(const PropertyJob& job, double r, double delta, double earthR,
                           PropertyMap& raw) const {
        const double i = AcosDeg((r * r + delta * delta - earthR * earthR) / (2.0 * r * delta));
        if (job.mask & kFunctionMagnitude) {
            raw.Set(kFunctionMagnitude,
                    PlanetMagnitude(planet_.Index(), 5.0 * std::log10(r * delta), i, job.jd));
        }
        if (job.mask & kFunctionPhase) raw.Set(kFunctionPhase, (1.0 + CosDeg(i)) / 2.0 * 100.0);
    }

    static void StoreBrightLimb(const PropertyJob& job, const SkyCoordinates& place,
                                PropertyMap& raw) {
        const SunPlace sun = ApparentSun(job.jd);
        SkyCoordinates sunEquatorial{sun.longitude, sun.latitude, kEclipticalSystem};
        SkyCoordinates planetEquatorial = place;
        ConvertCoordinates(job.moment, sunEquatorial, kEquatorialSystem);
        ConvertCoordinates(job.moment, planetEquatorial, kEquatorialSystem);
        raw.Set(kFunctionBrightLimb, PositionAngle(sunEquatorial, planetEquatorial));
    }

    const PlanetObject& planet_;
};

class EarthCalculator final : public PropertyCalculator {
public:
    using PropertyCalculator::PropertyCalculator;

private:
    void Work(const PropertyJob& job, PropertyMap& raw) const override {
        if ((job.mask & kHeliocentric) == 0) return;
        const HeliocentricPlace earth = SharedEarth(job.jd);
        raw.Set(kFunctionHeliocentricLongitude, earth.l);
        raw.Set(kFunctionHeliocentricLatitude, earth.b);
        raw.Set(kFunctionDistanceFromSun, earth.r, kAstronomicalUnits);
    }
};

}  // namespace

void ComputePlanetProperties(const CelestialObject& planet, std::uint32_t mask,
                             const TimeAndPlace& moment, PropertyMap& out,
                             const PropertyConventions& conventions) {
    const auto* record = dynamic_cast<const PlanetObject*>(&planet);
    if (record == nullptr) return;
    PlanetCalculator(planet, *record).Compute(mask, moment, out, conventions);
}

void ComputeEarthProperties(const CelestialObject& earth, std::uint32_t mask,
                            const TimeAndPlace& moment, PropertyMap& out,
                            const PropertyConventions& conventions) {
    EarthCalculator(earth).Compute(mask, moment, out, conventions);
}

}  // namespace corvinata
