#include "astro/instant_sharing.h"

#include "astro/galilean_satellites.h"
#include "astro/nutation.h"
#include "astro/saturn_satellites.h"

namespace corvinata {
namespace {

// The calling thread's open scope. A plain pointer: the scope's object owns
// the memo, and thread-local objects with destructors are not safe at
// thread exit with the Windows toolchain's emulated thread storage.
thread_local InstantMemo* tActiveMemo = nullptr;

// A planet at an instant, as a key.
struct PlanetInstant {
    int index;
    double jd;
    bool operator==(const PlanetInstant& other) const noexcept {
        return index == other.index && jd == other.jd;
    }
};
std::uint64_t InstantKeyHash(const PlanetInstant& key) noexcept {
    return corvinata::InstantKeyHash(key.jd) + static_cast<std::uint64_t>(key.index);
}

// The tables' sizes hold several times the instants one pass of a search or
// of a graph line visits (a day of hourly steps, a graph's 366 points, their
// Universal-time twins for the nutation), so that the next pass still finds
// them.
struct NutationTable : SharedTable<double, NutationAngles, 11> {};
struct EarthTable : SharedTable<double, HeliocentricPlace, 10> {};
struct PlanetNowTable : SharedTable<PlanetInstant, HeliocentricPlace, 12> {};
struct PlanetSightTable : SharedTable<PlanetInstant, PlanetSight, 12> {};
struct JupiterTable : SharedTable<double, JupiterSatellitePositions, 9> {};
struct SaturnTable : SharedTable<double, SaturnSatellitePositions, 9> {};

}  // namespace

InstantSharing::InstantSharing() {
    if (tActiveMemo != nullptr) return;
    memo_ = std::make_unique<InstantMemo>();
    tActiveMemo = memo_.get();
}

InstantSharing::~InstantSharing() {
    if (memo_) tActiveMemo = nullptr;
}

InstantMemo* InstantSharing::Active() noexcept { return tActiveMemo; }

NutationAngles SharedNutation(double jd) {
    return SharedValue<NutationTable>(jd, [jd] {
        NutationAngles angles{0.0, 0.0};
        ComputeNutation(jd, angles.dpsi, angles.deps);
        return angles;
    });
}

HeliocentricPlace SharedEarth(double jd) {
    return SharedValue<EarthTable>(jd, [jd] { return EarthHeliocentric(jd); });
}

GeocentricSun SharedGeometricSun(double jd) {
    const HeliocentricPlace earth = SharedEarth(jd);
    return SunSeenFromEarth(earth.l, earth.b, earth.r);
}

HeliocentricPlace SharedPlanetHeliocentric(int index, double jd) {
    return SharedValue<PlanetNowTable>(
        {index, jd}, [index, jd] { return PlanetHeliocentricAt(index, jd, jd); });
}

PlanetSight SharedPlanetSight(int index, double jd, const HeliocentricPlace& now,
                              const GeocentricSun& sun) {
    return SharedValue<PlanetSightTable>(
        {index, jd}, [&] { return SeePlanetFromEarth(index, jd, now, sun); });
}

JupiterSatellitePositions SharedJupiterSatellites(double jd) {
    return SharedValue<JupiterTable>(jd, [jd] {
        double positions[15] = {};
        ComputeJupiterSatellites(jd, positions);
        JupiterSatellitePositions result{};
        std::memcpy(result.data(), positions, sizeof positions);
        return result;
    });
}

SaturnSatellitePositions SharedSaturnSatellites(double jd) {
    return SharedValue<SaturnTable>(jd, [jd] {
        double positions[27];
        for (double& value : positions) value = -99.0;
        ComputeSaturnSatellites(jd, positions);
        SaturnSatellitePositions result{};
        std::memcpy(result.data(), positions, sizeof positions);
        return result;
    });
}

}  // namespace corvinata
