// The Sun's and the Moon's calculators.
#include <cmath>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/instant_sharing.h"
#include "astro/moon.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"
#include "astro/spherical_trig.h"
#include "base/angle_reduction.h"
#include "base/distance_value.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/moon_catalogue.h"
#include "catalog/property_calculators.h"
#include "catalog/rise_set.h"

namespace corvinata {
namespace {

// Aberration of the Sun's longitude times the distance in AU: 20.4898".
constexpr double kSunAberration = 0.005691611111111111;
// The Sun's semidiameter at 1 AU (959.63"), degrees.
constexpr double kSunSemidiameter = 0.2665638888888889;
constexpr double kSunMagnitude = -26.7;

// The Moon's semidiameter times distance (arcseconds km) and the Earth's
// equatorial radius (km).
constexpr double kMoonSemidiameterKm = 358473400.0;
constexpr double kEarthRadiusKm = 6378.14;
// 1979 December 31, 0 h: the epoch of the Moon's node elements.
constexpr double kNodeEpochJulianDay = 2444238.5;
constexpr double kNodeRegression = 0.0529539;  // degrees per day

constexpr std::uint32_t kSunPlace =
    kFunctionLongitude | kFunctionLatitude | kFunctionDistanceFromEarth;

struct Twilight {
    double altitude;
    std::uint32_t morning;
    std::uint32_t evening;
};
constexpr Twilight kTwilights[] = {
    {-18.0, kFunctionMorningTwilightAstronomical, kFunctionEveningTwilightAstronomical},
    {-12.0, kFunctionMorningTwilightNautical, kFunctionEveningTwilightNautical},
    {-6.0, kFunctionMorningTwilightCivil, kFunctionEveningTwilightCivil},
};

class SunCalculator final : public PropertyCalculator {
public:
    using PropertyCalculator::PropertyCalculator;

private:
    void Work(const PropertyJob& job, PropertyMap& raw) const override {
        if (job.mask & (kSunPlace | kFunctionAngularSize)) {
            const SunPlace sun = ApparentSun(job.jd);
            raw.SetCoordinates({sun.longitude, sun.latitude, kEclipticalSystem});
            raw.Set(kFunctionDistanceFromEarth, sun.distance, kAstronomicalUnits);
            raw.Set(kFunctionAngularSize, 2.0 * kSunSemidiameter / sun.distance);
        }
        if (job.mask & kFunctionMagnitude) raw.Set(kFunctionMagnitude, kSunMagnitude);
        StoreRiseSet(body_, job, raw);
        for (const Twilight& twilight : kTwilights) {
            if ((job.mask & (twilight.morning | twilight.evening)) == 0) continue;
            const DayEvents events =
                FindDayEvents(body_, job.moment, job.timeSystem, twilight.altitude);
            StoreEventTime(raw, twilight.morning, events.riseSet.first, job.moment.dateTime);
            StoreEventTime(raw, twilight.evening, events.riseSet.second, job.moment.dateTime);
        }
    }
};

class MoonCalculator final : public PropertyCalculator {
public:
    using PropertyCalculator::PropertyCalculator;

private:
    std::uint32_t Widen(std::uint32_t mask) const noexcept override {
        if (mask & kFunctionAngularSize) mask |= kFunctionLongitude;
        if (mask & (kFunctionPhase | kFunctionMoonReportAngle)) mask |= kSunPlace;
        if (mask & kFunctionBrightLimb) mask |= kFunctionLongitude | kFunctionLatitude;
        return mask;
    }

    void Work(const PropertyJob& job, PropertyMap& raw) const override {
        SkyCoordinates moon{kNotComputedAngle, kNotComputedAngle, kInvalidCoordinateSystem};
        double distance = kNoDistance;
        if (job.mask & (kSunPlace | kFunctionAngularSize)) {
            ComputeMoonPosition(job.jd, moon, distance);
            raw.SetCoordinates(moon);
            raw.Set(kFunctionDistanceFromEarth, distance, kKilometres);
        }
        if (job.mask & kFunctionAngularSize) StoreAngularSize(job, moon, distance, raw);
        StoreNodes(job, raw);
        if (job.mask & (kFunctionPhase | kFunctionMoonReportAngle | kFunctionBrightLimb)) {
            StoreSunRelations(job, moon, distance, raw);
        }
        StoreElongations(job, moon, raw);
        StoreRiseSet(body_, job, raw);
    }

    // The semidiameter grows as the Moon rises towards the zenith and comes
    // nearer to the observer (Meeus, AA ch. 55 in form); q is the Moon's
    // horizontal parallax.
    static void StoreAngularSize(const PropertyJob& job, const SkyCoordinates& moon,
                                 double distance, PropertyMap& raw) {
        SkyCoordinates horizontal = moon;
        ConvertCoordinates(job.moment, horizontal, kHorizontalSystem);
        const double altitude =
            horizontal.latitude == kNotComputedAngle ? 0.0 : horizontal.latitude;
        const double parallax = AsinDeg(kEarthRadiusKm / distance);
        const double semidiameter = kMoonSemidiameterKm / distance;
        raw.Set(kFunctionAngularSize,
                2.0 * semidiameter * (1.0 + SinDeg(altitude) * SinDeg(parallax)) / 3600.0);
    }

    void StoreNodes(const PropertyJob& job, PropertyMap& raw) const {
        if ((job.mask & (kFunctionAscendingNode | kFunctionDescendingNode)) == 0) return;
        const auto* moon = dynamic_cast<const MoonObject*>(&body_);
        if (moon == nullptr) return;
        const double days = job.jd - kNodeEpochJulianDay;
        const double mean = ReduceDegrees(moon->meanLongitudeOfNode - kNodeRegression * days);
        const double node = ReduceDegrees(mean - 0.16 * SinDeg(SunMeanAnomaly1980(days)));
        raw.Set(kFunctionAscendingNode, node);
        raw.Set(kFunctionDescendingNode, ReduceDegrees(node + 180.0));
    }

    static void StoreSunRelations(const PropertyJob& job, const SkyCoordinates& moon,
                                  double distance, PropertyMap& raw) {
        const SunPlace sun = ApparentSun(job.jd);
        const SkyCoordinates sunPlace{sun.longitude, sun.latitude, kEclipticalSystem};
        if (job.mask & kFunctionPhase) {
            const double angle = MoonPhaseAngle(moon, sunPlace,
                                                sun.distance * kKilometresPerAstronomicalUnit,
                                                distance);
            raw.Set(kFunctionPhase, (1.0 + CosDeg(angle)) * 0.5 * 100.0);
        }
        if (job.mask & kFunctionMoonReportAngle) {
            raw.Set(kFunctionMoonReportAngle, ReduceDegrees(moon.longitude - sun.longitude));
        }
        if (job.mask & kFunctionBrightLimb) {
            SkyCoordinates moonEquatorial = moon;
            SkyCoordinates sunEquatorial = sunPlace;
            ConvertCoordinates(job.moment, moonEquatorial, kEquatorialSystem);
            ConvertCoordinates(job.moment, sunEquatorial, kEquatorialSystem);
            raw.Set(kFunctionBrightLimb, PositionAngle(sunEquatorial, moonEquatorial));
        }
    }
};

}  // namespace

SunPlace ApparentSun(double jd) {
    const GeocentricSun geometric = SharedGeometricSun(jd);
    const double dpsi = SharedNutation(jd).dpsi;
    return {ReduceDegrees(geometric.longitude + dpsi - kSunAberration / geometric.distance),
            geometric.latitude, geometric.distance};
}

void ComputeSunProperties(const CelestialObject& sun, std::uint32_t mask,
                          const TimeAndPlace& moment, PropertyMap& out,
                          const PropertyConventions& conventions) {
    SunCalculator(sun).Compute(mask, moment, out, conventions);
}

void ComputeMoonProperties(const CelestialObject& moon, std::uint32_t mask,
                           const TimeAndPlace& moment, PropertyMap& out,
                           const PropertyConventions& conventions) {
    MoonCalculator(moon).Compute(mask, moment, out, conventions);
}

}  // namespace corvinata
