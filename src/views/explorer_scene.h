// What the Jupiter and Saturn explorer displays compute without GL: the
// planet's and moons' sizes, the half-size of the view per zoom, the cached
// orbit paths, where a moon lands in the window and which moon a click hits.
//
// Frames: the satellite theories give the moons in the planet's frame as
// seen from the Earth (X along the projected equator towards the west, Y
// towards the projected north pole, Z away from the observer). The whole
// system is turned about the line of sight by the position angle of the
// pole (the tilt to the East), so that the sky's north is up and its west
// to the right; the globe and the rings are first tipped about X by the
// tilt to the Earth, which the moons' Z already holds.
#pragma once

#include <array>
#include <vector>

#include "base/date_time.h"

namespace corvinata {

// Scene units per equatorial radius of the planet.
constexpr double kExplorerPlanetUnits = 40.0;
// The most points an orbit path holds: one revolution takes about 100.
constexpr int kMaxOrbitPathPoints = 1000;
constexpr int kMaxExplorerMoons = 8;

struct ExplorerGeometry {
    bool saturn = false;
    int moonCount = 0;
    double equatorialRadiusKkm = 0.0;  // thousands of km
    double polarRatio = 1.0;
    double minimumExtent = 1.0;        // planet radii
    int closedLoopLimit = 0;           // moons below it are closed loops
    std::array<double, kMaxExplorerMoons> distance{};  // semi-major axis, planet radii
    std::array<double, kMaxExplorerMoons> periodDays{};
};

// From the satellite catalogues (which must exist).
ExplorerGeometry JupiterExplorerGeometry();
ExplorerGeometry SaturnExplorerGeometry();

// Half the side of the view in scene units at a zoom level: the zoomed
// moon's orbit at the outermost level, shrinking linearly towards the least
// extent.
double ExplorerHalfSize(const ExplorerGeometry& geometry, int zoomLevel);

struct OrbitPoint {
    double x, y, z;  // planet radii, the planet's frame as seen from the Earth
};
using OrbitPath = std::vector<OrbitPoint>;

// X, Y, Z and orbital angle of each moon at a dynamical Julian day.
struct MoonPositions {
    std::array<OrbitPoint, kMaxExplorerMoons> position{};
    std::array<double, kMaxExplorerMoons> angle{};
};
MoonPositions RunSatelliteTheory(const ExplorerGeometry& geometry, double dynamicalJulianDay);

// One revolution of a moon sampled at a hundredth of its period from the
// day given; never more than kMaxOrbitPathPoints (a period of 0 or a stuck
// angle would otherwise never come round).
std::vector<OrbitPath> ComputeOrbitPaths(const ExplorerGeometry& geometry, double dynamicalJulianDay);

// The orbit paths, recomputed only when the moment moved by more than a
// month: the shapes change slowly.
class ExplorerOrbitCache {
public:
    explicit ExplorerOrbitCache(const ExplorerGeometry& geometry) : geometry_(geometry) {}
    // True when the paths were computed again.
    bool Check(const DateTime& moment, double dynamicalJulianDay);
    void Invalidate() noexcept { valid_ = false; }
    const OrbitPath& Path(int moon) const { return paths_[moon]; }
    const std::vector<OrbitPath>& Paths() const noexcept { return paths_; }
    int Computations() const noexcept { return computations_; }

private:
    const ExplorerGeometry& geometry_;
    std::vector<OrbitPath> paths_;
    DateTime computedFor_{};
    bool valid_ = false;
    int computations_ = 0;
};

// How the display shows the scene.
struct ExplorerViewGeometry {
    int width = 0, height = 0;  // the display's client size
    double halfSize = 1.0;      // R
    int tiltDegrees = 0;        // the view's tilt about the horizontal axis
    // The position angle of the planet's north pole, degrees from the
    // sky's north towards the east (the tilt to the East).
    double positionAngle = 0.0;
    bool swapNorthSouth = false;
    bool swapEastWest = false;
};

struct WindowPoint {
    double x, y;  // pixels, origin at the bottom left
};

// The moons a frame draws: shown and within the zoom. Their window points
// are set; the others are not drawn and are never hit.
struct DrawnMoons {
    std::array<bool, kMaxExplorerMoons> drawn{};
    std::array<WindowPoint, kMaxExplorerMoons> at{};
};

// The drawn moon nearest to a client point (y down), the first winning a
// tie; -1 when no moon is drawn.
int ExplorerHitTest(const DrawnMoons& moons, int moonCount, int x, int y, int clientHeight);

}  // namespace corvinata
