// The calculators of the satellites of Jupiter and Saturn: their places in
// the frame of the planet's disc, in the planet's equatorial radii.
#include "astro/galilean_satellites.h"
#include "astro/instant_sharing.h"
#include "astro/saturn_satellites.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/property_calculators.h"

namespace corvinata {
namespace {

constexpr std::uint32_t kRectangular =
    kFunctionRectangularX | kFunctionRectangularY | kFunctionRectangularZ;

class SatelliteCalculator final : public PropertyCalculator {
public:
    using PropertyCalculator::PropertyCalculator;

private:
    void Work(const PropertyJob& job, PropertyMap& raw) const override {
        if ((job.mask & kRectangular) == 0) return;
        const int row = body_.Number();
        const double* xyz = nullptr;
        SaturnSatellitePositions saturn;
        JupiterSatellitePositions jupiter;
        if (body_.GetTypeId() == kBodySaturnSatellite && row >= 0 && row < kSaturnSatelliteCount) {
            saturn = SharedSaturnSatellites(job.jd);
            xyz = &saturn[3 * static_cast<std::size_t>(row)];
        } else if (body_.GetTypeId() == kBodyJupiterSatellite && row >= 0 &&
                   row < kGalileanCount) {
            jupiter = SharedJupiterSatellites(job.jd);
            xyz = &jupiter[3 * static_cast<std::size_t>(row)];
        }
        if (xyz == nullptr) return;
        raw.Set(kFunctionRectangularX, xyz[0]);
        raw.Set(kFunctionRectangularY, xyz[1]);
        raw.Set(kFunctionRectangularZ, xyz[2]);
    }
};

}  // namespace

void ComputeSatelliteProperties(const CelestialObject& satellite, std::uint32_t mask,
                                const TimeAndPlace& moment, PropertyMap& out,
                                const PropertyConventions& conventions) {
    SatelliteCalculator(satellite).Compute(mask, moment, out, conventions);
}

}  // namespace corvinata
