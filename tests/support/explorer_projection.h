// Where the explorers' geometry puts a point of the planet's frame in the
// display, worked out by hand: the reference the drawn (GL-projected)
// positions, the names and the hit tests are checked against.
#pragma once

#include <cmath>

#include "astro/degrees.h"
#include "views/explorer_scene.h"

namespace corvinata::test {

// The scene: X west to the right, Y north up, Z towards the observer; the
// planet's frame turned by the position angle of its pole, which takes its
// north towards the east (the left); then the tilt about X, the swaps, and
// the orthographic half size R over the display.
inline WindowPoint ExplorerProjectPoint(const ExplorerViewGeometry& view, const OrbitPoint& point) {
    const double px = kExplorerPlanetUnits * point.x;
    const double py = kExplorerPlanetUnits * point.y;
    const double p = view.positionAngle * kPi / 180.0;
    double x = px * std::cos(p) - py * std::sin(p);
    double y = px * std::sin(p) + py * std::cos(p);
    const double z = -kExplorerPlanetUnits * point.z;
    if (view.tiltDegrees != 0) {
        const double a = -view.tiltDegrees * kPi / 180.0;
        y = y * std::cos(a) - z * std::sin(a);
    }
    if (view.swapNorthSouth) y = -y;
    if (view.swapEastWest) x = -x;
    const double r = view.halfSize > 0.0 ? view.halfSize : 1.0;
    return {(x / r + 1.0) * view.width / 2.0, (y / r + 1.0) * view.height / 2.0};
}

}  // namespace corvinata::test
