// The object layers of the sky chart: stars with names, Bayer letters and
// constellation names, constellation figures, deep-sky objects, planets with
// their tracks, names and symbols, the Sun and the Moon. Mode 0 draws the
// geometry with pick codes into a layer list, mode 1 the labels of a frame.
#pragma once

#include <cstdint>
#include <vector>

#include "views/sky_render.h"

namespace corvinata {

// One row of the star image table: a 3 x 3 sprite (centre, edge and corner
// grey levels) or, with `side` < 0, one pixel of the centre level.
struct StarSprite {
    int centre;
    int side;    // -1: a single pixel
    int corner;  // 0 leaves the black sky
};

// The image of a star of magnitude m; each bound of the table is inclusive.
StarSprite StarSpriteFor(double magnitude) noexcept;

// Draws the image at a model point: the centre as a GL point, the
// neighbours as bitmaps of their levels (the pick list puts its pixel token
// on the same point).
// Under night vision the levels are drawn in red.
void DrawStarSprite(SkyGl& gl, const SkyVector& point, const StarSprite& sprite, bool night);

// The sphere points of every star and deep-sky record (J2000), computed once
// after the catalogues are loaded and freed at exit.
void SkyPrecomputeStarVectors();
void SkyFreeStarVectors() noexcept;
const std::vector<SkyVector>& SkyStarVectors() noexcept;
const std::vector<SkyVector>& SkyDeepSkyVectors() noexcept;

// The planet symbol (a symbol-font character) of a planet-catalogue number.
char32_t PlanetSymbolCode(int planet) noexcept;

// The coarse configuration draws the stars to this magnitude only.
constexpr double kCoarseStarMagnitude = 3.0;

// Layer drawers: mode 0 geometry (with pick codes and pick pixels while the
// renderer compiles a pick list), mode 1 labels. Each draws in its own
// frame (stars, figures and deep sky of J2000); the renderer places it.
void DrawStars(SkyRenderer& renderer, int mode);
void DrawConstellationLines(SkyRenderer& renderer, int mode);
void DrawDeepSkyObjects(SkyRenderer& renderer, int mode);
void DrawPlanetTracks(SkyRenderer& renderer, int mode);
void DrawPlanets(SkyRenderer& renderer, int mode);
void DrawSun(SkyRenderer& renderer, int mode);
void DrawMoon(SkyRenderer& renderer, int mode);
// Planet tracks, planets, the Sun and the Moon: what a step of time moves.
// The Sun and the Moon call the sphere's list (compiled once: its eight
// thousand quadrilaterals need not be compiled again at every step).
void DrawMovingBodies(SkyRenderer& renderer, int mode);
// The sphere of the Sun and the Moon, about 0.32 degree on the sky.
void DrawSunMoonSphere(SkyGl& gl);

// The pick code of a catalogue object, and its planet extra when it is one;
// only while the renderer compiles a pick list.
void EmitPickCode(SkyRenderer& renderer, const CelestialObject& object, int part, int extra = 0);

}  // namespace corvinata
