// The calculators of the bodies whose places come from a catalogue: stars,
// constellations (by their representative star) and deep-sky objects.
#include "astro/delta_t.h"
#include "astro/nutation.h"
#include "catalog/catalogue_sky_object.h"
#include "catalog/event_kinds.h"
#include "catalog/property_calculators.h"

namespace corvinata {
namespace {

// The mean obliquity of J2000.0, 84381.448".
constexpr double kMeanObliquityJ2000 = 23.43929111111111;

class FixedObjectCalculator final : public PropertyCalculator {
public:
    FixedObjectCalculator(const CelestialObject& body, const CatalogueSkyObject& data,
                          bool withSize) noexcept
        : PropertyCalculator(body), data_(data), withSize_(withSize) {}

private:
    void Work(const PropertyJob& job, PropertyMap& raw) const override {
        FixedObjectWork(body_, data_, job, withSize_, raw);
    }

    const CatalogueSkyObject& data_;
    bool withSize_;
};

void ComputeFixed(const CelestialObject& body, bool withSize, std::uint32_t mask,
                  const TimeAndPlace& moment, PropertyMap& out,
                  const PropertyConventions& conventions) {
    const CatalogueSkyObject* data = AsCatalogueSkyObject(body);
    if (data == nullptr) return;
    FixedObjectCalculator(body, *data, withSize).Compute(mask, moment, out, conventions);
}

}  // namespace

SkyCoordinates PrecessFromJ2000(const SkyCoordinates& j2000, double jd) {
    SkyCoordinates c = j2000;
    EquatorialToEclipticAt(c, kMeanObliquityJ2000);
    PrecessEcliptic(kJulianDayJ2000, jd, c.longitude, c.latitude);
    EclipticToEquatorialAt(c, MeanObliquity(jd));
    return c;
}

void FixedObjectWork(const CelestialObject& body, const CatalogueSkyObject& data,
                     const PropertyJob& job, bool withSize, PropertyMap& raw) {
    SkyCoordinates place{kNotComputedAngle, kNotComputedAngle, kInvalidCoordinateSystem};
    if (job.mask & (kFunctionLongitude | kFunctionLatitude)) {
        place = PrecessFromJ2000(data.CataloguePosition(), job.jd);
        raw.SetCoordinates(place);
    }
    if (job.mask & kFunctionMagnitude) raw.Set(kFunctionMagnitude, data.CatalogueMagnitude());
    if (withSize && (job.mask & kFunctionAngularSize)) {
        raw.Set(kFunctionAngularSize, data.CatalogueSize());
    }
    StoreRiseSet(body, job, raw);
    StoreElongations(job, place, raw);
}

void ComputeStarProperties(const CelestialObject& star, std::uint32_t mask,
                           const TimeAndPlace& moment, PropertyMap& out,
                           const PropertyConventions& conventions) {
    ComputeFixed(star, false, mask, moment, out, conventions);
}

void ComputeDeepSkyProperties(const CelestialObject& object, std::uint32_t mask,
                              const TimeAndPlace& moment, PropertyMap& out,
                              const PropertyConventions& conventions) {
    ComputeFixed(object, true, mask, moment, out, conventions);
}

void ComputeConstellationProperties(const CelestialObject& constellation, std::uint32_t mask,
                                    const TimeAndPlace& moment, PropertyMap& out,
                                    const PropertyConventions& conventions) {
    if (const CelestialObject* star = ConstellationRepresentativeStar(constellation.Number())) {
        ComputeFixed(*star, false, mask, moment, out, conventions);
    }
}

}  // namespace corvinata
