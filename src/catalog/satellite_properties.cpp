// The calculators of the satellites of Jupiter and Saturn: their places in
// the frame of the planet's disc, in the planet's equatorial radii.
#include "astro/galilean_satellites.h"
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
        double saturn[27];
        double jupiter[15];
        if (body_.GetTypeId() == kBodySaturnSatellite && row >= 0 && row < kSaturnSatelliteCount) {
            for (double& value : saturn) value = -99.0;
            ComputeSaturnSatellites(job.jd, saturn);
            xyz = &saturn[3 * row];
        } else if (body_.GetTypeId() == kBodyJupiterSatellite && row >= 0 &&
                   row < kGalileanCount) {
            ComputeJupiterSatellites(job.jd, jupiter);
            xyz = &jupiter[3 * row];
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
