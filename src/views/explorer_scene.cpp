#include "views/explorer_scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/galilean_satellites.h"
#include "astro/saturn_satellites.h"
#include "catalog/satellite_catalogues.h"

namespace corvinata {

namespace {

template <typename Catalogue>
void ReadMoons(ExplorerGeometry& geometry, const Catalogue& catalogue) {
    for (int k = 0; k < geometry.moonCount && k < catalogue.Count(); ++k) {
        const auto* moon = catalogue.At(k);
        geometry.distance[k] = moon->semiMajorAxis / geometry.equatorialRadiusKkm;
        geometry.periodDays[k] = moon->period;
    }
}

template <>
void ReadMoons(ExplorerGeometry& geometry, const SaturnianSatelliteCatalogue& catalogue) {
    for (int k = 0; k < geometry.moonCount && k < catalogue.Count(); ++k) {
        const auto* moon = catalogue.At(k);
        geometry.distance[k] = moon->SemiMajorAxis() / geometry.equatorialRadiusKkm;
        geometry.periodDays[k] = moon->Period();
    }
}

}  // namespace

ExplorerGeometry JupiterExplorerGeometry() {
    ExplorerGeometry geometry;
    geometry.moonCount = 4;
    geometry.equatorialRadiusKkm = 71.492;
    geometry.polarRatio = 0.9351889475822837;
    geometry.minimumExtent = 1.2;
    geometry.closedLoopLimit = 5;
    ReadMoons(geometry, GetJovianSatelliteCatalogue());
    return geometry;
}

ExplorerGeometry SaturnExplorerGeometry() {
    ExplorerGeometry geometry;
    geometry.saturn = true;
    geometry.moonCount = 8;
    geometry.equatorialRadiusKkm = 60.268;
    geometry.polarRatio = 0.8923002538377854;
    geometry.minimumExtent = 2.5;
    geometry.closedLoopLimit = 6;
    ReadMoons(geometry, GetSaturnianSatelliteCatalogue());
    return geometry;
}

double ExplorerHalfSize(const ExplorerGeometry& geometry, int zoomLevel) {
    const int outermost = geometry.moonCount - 1;
    const int level = std::clamp(zoomLevel, 0, outermost);
    const double least = kExplorerPlanetUnits * geometry.minimumExtent;
    const double outer = geometry.distance[outermost];
    if (!(outer > 0.0)) return least;
    return least + geometry.distance[level] / outer * (kExplorerPlanetUnits * outer - least);
}

MoonPositions RunSatelliteTheory(const ExplorerGeometry& geometry, double jd) {
    MoonPositions out;
    if (geometry.saturn) {
        double positions[27];
        double angles[8];
        ComputeSaturnSatellites(jd, positions, angles);
        for (int k = 0; k < 8; ++k) {
            out.position[k] = {positions[3 * k], positions[3 * k + 1], positions[3 * k + 2]};
            out.angle[k] = angles[k];
        }
    } else {
        double positions[15];
        double angles[4];
        ComputeJupiterSatellites(jd, positions, angles);
        for (int k = 0; k < 4; ++k) {
            out.position[k] = {positions[3 * k], positions[3 * k + 1], positions[3 * k + 2]};
            out.angle[k] = angles[k];
        }
    }
    return out;
}

std::vector<OrbitPath> ComputeOrbitPaths(const ExplorerGeometry& geometry, double jd) {
    std::vector<OrbitPath> paths(static_cast<std::size_t>(geometry.moonCount));
    const MoonPositions start = RunSatelliteTheory(geometry, jd);
    for (int k = 0; k < geometry.moonCount; ++k) {
        const double step = geometry.periodDays[k] / 100.0;
        OrbitPath& path = paths[static_cast<std::size_t>(k)];
        path.reserve(110);
        bool pastHalf = false;
        double t = jd;
        MoonPositions now = start;
        while (static_cast<int>(path.size()) < kMaxOrbitPathPoints) {
            double d = now.angle[k] - start.angle[k];
            if (d < 0.0) d += 360.0;
            if (!pastHalf && d > 180.0) pastHalf = true;
            if (pastHalf && d < 180.0) break;
            path.push_back(now.position[k]);
            t += step;
            now = RunSatelliteTheory(geometry, t);
        }
    }
    return paths;
}

bool ExplorerOrbitCache::Check(const DateTime& moment, double jd) {
    if (valid_) {
        const double now = moment.year + moment.month / 12.0;
        const double then = computedFor_.year + computedFor_.month / 12.0;
        if (std::fabs(now - then) > 1.0 / 12.0 + 1e-9) valid_ = false;
    }
    if (valid_) return false;
    paths_ = ComputeOrbitPaths(geometry_, jd);
    computedFor_ = moment;
    valid_ = true;
    ++computations_;
    return true;
}

int ExplorerHitTest(const DrawnMoons& moons, int moonCount, int x, int y, int clientHeight) {
    const double px = x;
    const double py = clientHeight - y - 1;
    int best = -1;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int k = 0; k < moonCount && k < kMaxExplorerMoons; ++k) {
        if (!moons.drawn[k]) continue;
        const double d = std::hypot(moons.at[k].x - px, moons.at[k].y - py);
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
        }
    }
    return best;
}

}  // namespace corvinata
