#include "views/explorer_render.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "views/label_placement.h"

namespace corvinata {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kDepthTest = 0x0B71;  // GL_DEPTH_TEST
constexpr int kGlobeSlices = 64;
constexpr int kGlobeStacks = 32;
constexpr int kRingSegments = 64;
constexpr double kMoonRadius = 6.0;  // scene units: moons are not to scale
constexpr int kMoonSlices = 24;
constexpr double kRingInnerKkm = 74.4;
constexpr double kRingOuterKkm = 140.154;
constexpr int kLabelOffset = 10;
constexpr double kHighlightRadius = 10.0;

// Texture coordinates in the atlas: the map's rows 0..511 and one row of
// the ring's half, sampled at texel centres so nearest filtering never
// crosses into the other picture.
constexpr double kMapTopT = (kExplorerAtlasSide / 2 - 0.5) / kExplorerAtlasSide;
constexpr double kRingT = 0.75;
constexpr double kHalfTexel = 0.5 / kExplorerAtlasSide;

std::uint32_t Texel(std::uint8_t b, std::uint8_t g, std::uint8_t r, bool night) {
    if (night) {
        const auto red = static_cast<std::uint32_t>(std::lround(0.299 * r + 0.587 * g + 0.114 * b));
        return 0xFF000000u | (red << 16);
    }
    return 0xFF000000u | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

void SetColour(SkyGl& gl, double grey, bool night) { gl.Color(grey, night ? 0.0 : grey, night ? 0.0 : grey); }

void DrawGlobe(SkyGl& gl, const ExplorerFrame& frame) {
    const double polar = frame.geometry->polarRatio;
    if (frame.textured) {
        gl.Enable(skygl::kTexture2D);
        gl.TexEnvMode(skygl::kReplace);
    } else if (frame.nightVision) {
        gl.Color(0.6, 0.0, 0.0);
    } else {
        gl.Color(0.8, 0.7, 0.55);
    }
    for (int i = 0; i < kGlobeStacks; ++i) {
        const double lat0 = -kPi / 2 + kPi * i / kGlobeStacks;
        const double lat1 = -kPi / 2 + kPi * (i + 1) / kGlobeStacks;
        const double t0 = kMapTopT * i / kGlobeStacks;
        const double t1 = kMapTopT * (i + 1) / kGlobeStacks;
        gl.Begin(skygl::kQuadStrip);
        for (int j = 0; j <= kGlobeSlices; ++j) {
            const double s = static_cast<double>(j) / kGlobeSlices;
            // The middle of the map faces the observer.
            const double lon = 2.0 * kPi * (s - 0.5);
            const double sl = std::sin(lon);
            const double cl = std::cos(lon);
            gl.TexCoord(s, t1);
            gl.Vertex(kExplorerPlanetUnits * std::cos(lat1) * sl, kExplorerPlanetUnits * polar * std::sin(lat1),
                      kExplorerPlanetUnits * std::cos(lat1) * cl);
            gl.TexCoord(s, t0);
            gl.Vertex(kExplorerPlanetUnits * std::cos(lat0) * sl, kExplorerPlanetUnits * polar * std::sin(lat0),
                      kExplorerPlanetUnits * std::cos(lat0) * cl);
        }
        gl.End();
    }
    if (frame.textured) gl.Disable(skygl::kTexture2D);
}

void DrawRings(SkyGl& gl, const ExplorerFrame& frame) {
    const double scale = kExplorerPlanetUnits / frame.geometry->equatorialRadiusKkm;
    const double inner = kRingInnerKkm * scale;
    const double outer = kRingOuterKkm * scale;
    if (frame.textured) {
        gl.Enable(skygl::kTexture2D);
        gl.TexEnvMode(skygl::kReplace);
    } else {
        SetColour(gl, 0.5, frame.nightVision);
    }
    gl.Begin(skygl::kQuadStrip);
    for (int i = 0; i <= kRingSegments; ++i) {
        const double a = 2.0 * kPi * i / kRingSegments;
        gl.TexCoord(kHalfTexel, kRingT);
        gl.Vertex(inner * std::cos(a), 0.0, inner * std::sin(a));
        gl.TexCoord(1.0 - kHalfTexel, kRingT);
        gl.Vertex(outer * std::cos(a), 0.0, outer * std::sin(a));
    }
    gl.End();
    if (frame.textured) gl.Disable(skygl::kTexture2D);
}

void DrawOrbits(SkyGl& gl, const ExplorerFrame& frame) {
    if (!frame.showOrbits || !frame.orbits) return;
    SetColour(gl, 0.2, frame.nightVision);
    const int count = std::min(frame.geometry->moonCount, static_cast<int>(frame.orbits->size()));
    for (int k = 0; k < count; ++k) {
        if (!ExplorerMoonDrawn(frame, k)) continue;
        gl.Begin(k < frame.geometry->closedLoopLimit ? skygl::kLineLoop : skygl::kLineStrip);
        for (const OrbitPoint& p : (*frame.orbits)[static_cast<std::size_t>(k)]) {
            gl.Vertex(kExplorerPlanetUnits * p.x, kExplorerPlanetUnits * p.y, -kExplorerPlanetUnits * p.z);
        }
        gl.End();
    }
}

DrawnMoons DrawMoons(SkyGl& gl, const ExplorerFrame& frame) {
    DrawnMoons drawn;
    SetColour(gl, 0.7, frame.nightVision);
    for (int k = 0; k < frame.geometry->moonCount && k < kMaxExplorerMoons; ++k) {
        if (!ExplorerMoonDrawn(frame, k)) continue;
        const OrbitPoint& p = frame.moons.position[static_cast<std::size_t>(k)];
        gl.PushMatrix();
        gl.Translate(kExplorerPlanetUnits * p.x, kExplorerPlanetUnits * p.y, -kExplorerPlanetUnits * p.z);
        gl.Sphere(kMoonRadius, kMoonSlices, kMoonSlices);
        double wx = 0.0, wy = 0.0, wz = 0.0;
        if (gl.Project(0.0, 0.0, 0.0, wx, wy, wz)) {
            drawn.drawn[static_cast<std::size_t>(k)] = true;
            drawn.at[static_cast<std::size_t>(k)] = {wx, wy};
        }
        gl.PopMatrix();
    }
    return drawn;
}

void DrawNames(SkyGl& gl, const ExplorerFrame& frame, const DrawnMoons& drawn) {
    if (!frame.showNames) return;
    gl.Disable(kDepthTest);
    gl.MatrixMode(skygl::kProjection);
    gl.PushMatrix();
    gl.LoadIdentity();
    gl.Ortho(0.0, frame.view.width, 0.0, frame.view.height, -1.0, 1.0);
    gl.MatrixMode(skygl::kModelview);
    gl.PushMatrix();
    gl.LoadIdentity();
    SetColour(gl, 0.7, frame.nightVision);
    // Nearest moon first: where two names would cover each other, the name
    // of the moon behind moves to another side of its moon or is left out.
    std::vector<int> order;
    for (int k = 0; k < frame.geometry->moonCount && k < kMaxExplorerMoons; ++k) {
        if (drawn.drawn[static_cast<std::size_t>(k)]) order.push_back(k);
    }
    std::stable_sort(order.begin(), order.end(), [&frame](int a, int b) {
        return frame.moons.position[static_cast<std::size_t>(a)].z < frame.moons.position[static_cast<std::size_t>(b)].z;
    });
    LabelPlacer placer;
    const int h = frame.nameHeight;
    for (const int k : order) {
        const WindowPoint& at = drawn.at[static_cast<std::size_t>(k)];
        const std::u32string& name = frame.names[static_cast<std::size_t>(k)];
        const int w = gl.TextWidth(SkyFont::kDisplay, name);
        const int x = static_cast<int>(std::trunc(at.x));
        const int y = static_cast<int>(std::trunc(at.y));
        // Window coordinates run upwards: a box's "top" is its lower edge,
        // where the text's baseline sits. Above right first, as drawn alone.
        const int right = x + kLabelOffset, left = x - kLabelOffset - w;
        const int up = y + kLabelOffset, down = y - kLabelOffset - h;
        const std::vector<LabelBox> places = {{right, up, right + w, up + h},
                                              {right, down, right + w, down + h},
                                              {left, up, left + w, up + h},
                                              {left, down, left + w, down + h}};
        const auto chosen = placer.Place(places);
        if (!chosen) continue;
        gl.RasterPos(places[*chosen].left, places[*chosen].top, 0.0);
        gl.DrawText(SkyFont::kDisplay, name);
    }
    const int selected = frame.selected;
    if (frame.highlight && selected >= 0 && selected < kMaxExplorerMoons &&
        drawn.drawn[static_cast<std::size_t>(selected)]) {
        const WindowPoint& at = drawn.at[static_cast<std::size_t>(selected)];
        const double x = std::trunc(at.x) + 1.0;
        const double y = std::trunc(at.y) + 1.0;
        gl.Begin(skygl::kLineLoop);
        for (int i = 0; i < 16; ++i) {
            const double a = kPi * i / 8.0;
            gl.Vertex(x + kHighlightRadius * std::cos(a), y + kHighlightRadius * std::sin(a), 0.0);
        }
        gl.End();
    }
    gl.PopMatrix();
    gl.MatrixMode(skygl::kProjection);
    gl.PopMatrix();
    gl.MatrixMode(skygl::kModelview);
    gl.Enable(kDepthTest);
}

// Column-major scale matrix.
void Scale(SkyGl& gl, double x, double y) {
    const double m[16] = {x, 0, 0, 0, 0, y, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    gl.MultMatrix(m);
}

}  // namespace

std::vector<std::uint32_t> BuildExplorerAtlas(const std::vector<std::uint8_t>& planet,
                                              const std::vector<std::uint8_t>& ring, bool night) {
    constexpr int side = kExplorerAtlasSide;
    std::vector<std::uint32_t> atlas(static_cast<std::size_t>(side) * side, 0xFF000000u);
    const std::size_t mapBytes = static_cast<std::size_t>(side) * (side / 2) * 3;
    if (planet.size() >= mapBytes) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(side) * (side / 2); ++i) {
            atlas[i] = Texel(planet[3 * i], planet[3 * i + 1], planet[3 * i + 2], night);
        }
    }
    if (ring.size() >= static_cast<std::size_t>(side) * 3) {
        for (int row = side / 2; row < side; ++row) {
            std::uint32_t* out = &atlas[static_cast<std::size_t>(row) * side];
            for (int x = 0; x < side; ++x) {
                const auto i = static_cast<std::size_t>(x) * 3;
                out[x] = Texel(ring[i], ring[i + 1], ring[i + 2], night);
            }
        }
    }
    return atlas;
}

bool ExplorerMoonDrawn(const ExplorerFrame& frame, int moon) noexcept {
    return moon >= 0 && moon <= frame.zoomLevel && moon < frame.geometry->moonCount &&
           ((frame.visibility >> moon) & 1u);
}

DrawnMoons DrawExplorerFrame(SkyGl& gl, const ExplorerFrame& frame) {
    const ExplorerViewGeometry& view = frame.view;
    const double r = view.halfSize > 0.0 ? view.halfSize : 1.0;
    gl.MakeCurrent();
    gl.DrawBackBuffer();
    gl.Viewport(0, 0, view.width, view.height);
    gl.Clear();
    gl.MatrixMode(skygl::kProjection);
    gl.LoadIdentity();
    // Deep enough for anything within the view's circle whatever the tilt.
    gl.Ortho(-r, r, -r, r, 0.0, 4.0 * r);
    gl.MatrixMode(skygl::kModelview);
    gl.LoadIdentity();
    if (view.swapNorthSouth) Scale(gl, 1.0, -1.0);
    if (view.swapEastWest) Scale(gl, -1.0, 1.0);
    gl.Translate(0.0, 0.0, -2.0 * r);
    if (view.tiltDegrees != 0) gl.Rotate(-view.tiltDegrees, 1.0, 0.0, 0.0);
    gl.Rotate(view.positionAngle, 0.0, 0.0, 1.0);

    DrawOrbits(gl, frame);
    gl.PushMatrix();
    gl.Rotate(frame.tiltToEarth, 1.0, 0.0, 0.0);
    DrawGlobe(gl, frame);
    if (frame.geometry->saturn) DrawRings(gl, frame);
    gl.PopMatrix();
    const DrawnMoons drawn = DrawMoons(gl, frame);
    DrawNames(gl, frame, drawn);
    gl.Flush();
    return drawn;
}

}  // namespace corvinata
