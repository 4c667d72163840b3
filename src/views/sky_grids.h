// The reference lines of the sky chart: equatorial or horizontal grid (full
// lines or crosses, with labels), the ecliptic, the constellation boundaries
// and the textured horizon, with the horizon pictures shared by all displays.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/text_char.h"
#include "views/sky_render.h"

namespace corvinata {

// The horizontal grid's point: azimuth runs the other way from SphereVertex.
SkyVector MirroredSphereVertex(double longitude, double latitude) noexcept;
// The horizon band's point, just inside the sphere so that it covers what
// lies behind it.
SkyVector HorizonVertex(double longitude, double latitude) noexcept;

// Arm half-lengths of a grid cross (degrees) for a field of view; at the
// poles the longitude arm is 0 (only the latitude arm is drawn there).
struct CrossArms {
    double latitude;
    double longitude;
};
CrossArms GridCrossArms(int fieldOfView, double latitude) noexcept;

void DrawEquatorialGridAndEcliptic(SkyRenderer& renderer, bool crosses, int mode);
void DrawHorizontalGridAndHorizon(SkyRenderer& renderer, bool crosses, int mode);
void DrawCoordinateGrid(SkyRenderer& renderer, bool crosses, int mode, bool horizontal);
// The boundaries in their own equinox, B1875.0 (the renderer turns them).
void DrawConstellationBoundaries(SkyRenderer& renderer);
// How many closed outlines a constellation's boundary has (two for Serpens).
int ConstellationOutlineCount(int constellation);
// One boundary edge between two points (right ascension in hours,
// declination in degrees), the short way across 0h, in 1-degree steps.
void DrawBoundarySegment(SkyGl& gl, double raHoursA, double decA, double raHoursB, double decB);
void DrawHorizonTextures(SkyRenderer& renderer);
void DrawHorizonPart(SkyRenderer& renderer, int part);

// A horizon picture: width x height pixels, bottom row first, each pixel
// 0xAARRGGBB (bytes blue, green, red, alpha in memory).
struct HorizonImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool Empty() const noexcept { return pixels.empty(); }
};

constexpr int kHorizonParts = 4;
constexpr int kHorizonMonths = 12;
constexpr int kHorizonWidth = 1024;
constexpr int kClassicHorizonHeight = 32;
constexpr int kSeasonalHorizonHeight = 128;

// Reads one picture by resource name; false leaves the image empty.
using HorizonImageLoader = std::function<bool(const Char* name, HorizonImage& image)>;

// The resource names: classic part p, seasonal month m (1..12) part p.
std::basic_string<Char> ClassicHorizonName(int part);
std::basic_string<Char> SeasonalHorizonName(int month, int part);

// The pictures shared by all Sky displays. Each display takes them when it
// is created (they are loaded by the first) and gives them back at teardown;
// they are freed after the last display.
void LoadHorizonTextures(const HorizonImageLoader& loader);
void FreeHorizonTextures() noexcept;
int HorizonTextureUsers() noexcept;
// Counts the pictures' loads and releases: a list that drew them is stale
// once it changed.
int HorizonTextureLoads() noexcept;
const HorizonImage& ClassicHorizonImage(int part) noexcept;
const HorizonImage& SeasonalHorizonImage(int month, int part) noexcept;

}  // namespace corvinata
