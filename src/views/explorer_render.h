// One frame of a Jupiter or Saturn explorer display, drawn through the sky's
// GL interface: the orbits, the oblate textured globe, Saturn's rings, the
// moons as spheres, their names and the highlight ring of the selection.
//
// Everything is turned about the line of sight by the position angle of the
// planet's pole, so that north is the sky's; within that turn the moons and
// orbits are drawn where the satellite theories put them (X west, Y to the
// projected north pole, Z away), and the globe and the rings are tipped
// about X by the planet's tilt to the Earth, so their pole and ring opening
// show as seen from the Earth and the moons stay in the ring plane. The
// tip comes first and the turn after it: turned first, the pole would lean
// by less than the position angle, and the moons, whose Z already holds the
// tilt, would leave the ring plane. The view's own tilt and swaps then
// turn everything together.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/colour_table.h"
#include "views/explorer_scene.h"
#include "views/sky_render_gl.h"

namespace corvinata {

// The one texture a display keeps: the 1024 x 512 planet map in the lower
// half, the ring profile repeated over the upper half. One texture object
// suffices so that the pictures are handed to GL once per context.
constexpr int kExplorerAtlasSide = 1024;

// BGRA texels, bottom row first. `planet` and `ring` are bottom-first BGR
// rows (1024 x 512 and 1024 x 1); an empty ring leaves the upper half black.
// With `night` each texel becomes the red of its luminance.
std::vector<std::uint32_t> BuildExplorerAtlas(const std::vector<std::uint8_t>& planet,
                                              const std::vector<std::uint8_t>& ring, bool night);

// The view's background, by day and at night (black has no red to keep),
// behind the planet and in the bands a window wider or taller than the
// square view shows beside it: black, the colour every display context
// clears to.
constexpr Colour kExplorerBackground{0, 0, 0};

struct ExplorerFrame {
    const ExplorerGeometry* geometry = nullptr;
    ExplorerViewGeometry view;
    double tiltToEarth = 0.0;  // degrees; positive shows the north face
    bool showOrbits = true;
    bool showNames = true;
    std::uint32_t visibility = 0xFFFFFFFFu;
    int zoomLevel = 0;
    int selected = -1;
    bool highlight = false;
    bool nightVision = false;
    bool textured = false;  // the atlas is loaded in the context
    MoonPositions moons;
    const std::vector<OrbitPath>* orbits = nullptr;  // none: no orbits drawn
    std::array<std::u32string, kMaxExplorerMoons> names;
    // The height of a name in the display font, pixels.
    int nameHeight = 13;
};

// Whether moon k is drawn: shown and within the zoom.
bool ExplorerMoonDrawn(const ExplorerFrame& frame, int moon) noexcept;

// Draws the frame into the back buffer (not swapped) and answers where each
// drawn moon landed.
DrawnMoons DrawExplorerFrame(SkyGl& gl, const ExplorerFrame& frame);

}  // namespace corvinata
