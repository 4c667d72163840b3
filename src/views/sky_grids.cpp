#include "views/sky_grids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "app/sky_document.h"
#include "catalog/constellation_catalogue.h"
#include "generated/constellation_outlines.h"

namespace corvinata {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadians = kPi / 180.0;
// The ecliptic is drawn at a fixed obliquity of 23 degrees 26 minutes.
constexpr double kEclipticObliquity = 23.433333333333334;

using VertexFunction = SkyVector (*)(double, double) noexcept;

void Vertex(SkyGl& gl, const SkyVector& v) { gl.Vertex(v.x, v.y, v.z); }

// The parallels of a grid: -80..80 (crosses -90..90) by 10, 0 only with the
// zero circle.
std::vector<int> Parallels(bool crosses, bool zeroCircle) {
    std::vector<int> latitudes;
    const int limit = crosses ? 90 : 80;
    for (int b = -limit; b <= limit; b += 10) {
        if (b != 0 || zeroCircle) latitudes.push_back(b);
    }
    return latitudes;
}

std::u32string GridLabel(const SkyRendererHost& host, int longitude, int latitude,
                         bool horizontal) {
    std::u32string text = host.FormatGridAngle(longitude, !horizontal);
    text.push_back(U'/');
    text += host.FormatGridAngle(latitude, false);
    return text;
}

struct HorizonStore {
    std::array<HorizonImage, kHorizonParts> classic;
    std::array<std::array<HorizonImage, kHorizonParts>, kHorizonMonths> seasonal;
    int users = 0;
    int loads = 0;
};

HorizonStore& Horizons() {
    static HorizonStore store;
    return store;
}

// Outline indexes per constellation number, resolved once from the
// abbreviations of the generated table.
const std::vector<std::vector<int>>& OutlinesByConstellation() {
    static std::vector<std::vector<int>> byNumber;
    if (byNumber.empty() && GetConstellationCatalogue().Count() > 0) {
        byNumber.resize(kConstellationCount);
        for (int i = 0; i < constellation_outlines::kOutlineCount; ++i) {
            const ConstellationObject* c =
                FindConstellationByAbbreviation(constellation_outlines::kOutlines[i].abbreviation);
            if (c && c->Number() >= 0 && c->Number() < kConstellationCount) {
                byNumber[static_cast<std::size_t>(c->Number())].push_back(i);
            }
        }
    }
    return byNumber;
}

std::basic_string<Char> Ascii(const char* text) {
    std::basic_string<Char> out;
    for (; *text; ++text) out.push_back(static_cast<Char>(*text));
    return out;
}

}  // namespace

SkyVector MirroredSphereVertex(double longitude, double latitude) noexcept {
    const SkyVector v = SphereVertex(longitude, latitude);
    return {v.x, v.y, -v.z};
}

SkyVector HorizonVertex(double longitude, double latitude) noexcept {
    const SkyVector v = SphereVertex(longitude, latitude);
    return {0.99 * v.x, 0.9 * v.y, 0.99 * v.z};
}

CrossArms GridCrossArms(int fieldOfView, double latitude) noexcept {
    const double s = std::sin(fieldOfView * kRadians / 2.0) / 60.0;
    CrossArms arms{std::asin(s) / kRadians, 0.0};
    const double c = std::cos(latitude * kRadians);
    // At the poles the longitude arm has no length on the sky: none is drawn.
    if (c > 1e-9) arms.longitude = std::asin(std::min(1.0, s / c)) / kRadians;
    return arms;
}

void DrawEquatorialGridAndEcliptic(SkyRenderer& renderer, bool crosses, int mode) {
    SkyGl& gl = renderer.Gl();
    const SkyOptions& options = renderer.Host().GetSkyOptions();
    if (mode == 0) gl.PassThrough(kNoObjectMarker);
    if (options.gridType == 2) DrawCoordinateGrid(renderer, crosses, mode, false);
    if (mode != 0 || !options.eclipticOn) return;
    gl.MatrixMode(skygl::kProjection);
    gl.PushMatrix();
    gl.MatrixMode(skygl::kModelview);
    gl.PushMatrix();
    renderer.SetLayerColour(SkyLayerColour::kEcliptic);
    gl.Rotate(kEclipticObliquity, 1, 0, 0);
    gl.Begin(skygl::kLineLoop);
    for (int i = 0; i < 360; ++i) Vertex(gl, SphereVertex(i, 0));
    gl.End();
    gl.PopMatrix();
    gl.MatrixMode(skygl::kProjection);
    gl.PopMatrix();
    gl.MatrixMode(skygl::kModelview);
}

void DrawHorizontalGridAndHorizon(SkyRenderer& renderer, bool crosses, int mode) {
    const SkyOptions& options = renderer.Host().GetSkyOptions();
    if (mode == 0) renderer.Gl().PassThrough(kNoObjectMarker);
    if (options.gridType == 1) DrawCoordinateGrid(renderer, crosses, mode, true);
    if (mode == 0 && options.horizonType != 0) DrawHorizonTextures(renderer);
}

void DrawCoordinateGrid(SkyRenderer& renderer, bool crosses, int mode, bool horizontal) {
    SkyGl& gl = renderer.Gl();
    const SkyRendererHost& host = renderer.Host();
    const SkyOptions& options = host.GetSkyOptions();
    if (mode == 1 && !options.gridLabelsOn) return;
    const VertexFunction vertex = horizontal ? &MirroredSphereVertex : &SphereVertex;
    const bool zeroCircle = !horizontal || options.horizonType == 0;
    renderer.SetLayerColour(SkyLayerColour::kGrid);
    const std::vector<int> parallels = Parallels(crosses, zeroCircle);
    if (!crosses) {
        if (mode == 0) {
            for (int b : parallels) {
                gl.Begin(skygl::kLineLoop);
                for (int l = 0; l < 360; ++l) Vertex(gl, vertex(l, b));
                gl.End();
            }
            for (int l = 0; l < 360; l += 15) {
                gl.Begin(skygl::kLineStrip);
                for (int b = -80; b <= 80; ++b) Vertex(gl, vertex(l, b));
                gl.End();
            }
            return;
        }
        for (int b : parallels) {
            for (int l = 0; l < 360; l += 15) {
                const SkyVector at = vertex(l, b);
                if (renderer.LabelsMayShowAt(at)) renderer.DrawLabel(GridLabel(host, l, b, horizontal), at, 4, 4, false);
            }
        }
        return;
    }
    const int field = host.GetFieldOfView();
    if (mode == 0) gl.Begin(skygl::kLines);
    for (int b : parallels) {
        const CrossArms arms = GridCrossArms(field, b);
        const bool pole = b == 90 || b == -90;
        for (int l = 0; l < 360; l += 15) {
            if (pole && l != 0) break;
            if (mode == 1) {
                const SkyVector at = vertex(l, b);
                if (renderer.LabelsMayShowAt(at)) renderer.DrawLabel(GridLabel(host, l, b, horizontal), at, 4, 4, false);
                continue;
            }
            if (arms.longitude > 0.0) {
                Vertex(gl, vertex(l - arms.longitude, b));
                Vertex(gl, vertex(l + arms.longitude, b));
            }
            Vertex(gl, vertex(l, b - arms.latitude));
            Vertex(gl, vertex(l, b + arms.latitude));
        }
    }
    if (mode == 0) gl.End();
}

void DrawBoundarySegment(SkyGl& gl, double raHoursA, double decA, double raHoursB, double decB) {
    const double a = raHoursA * 15.0;
    double b = raHoursB * 15.0;
    if (b - a < -180.0) b += 360.0;
    if (b - a > 180.0) b -= 360.0;
    gl.Begin(skygl::kLineStrip);
    const double dRa = b - a;
    const double dDec = decB - decA;
    if (std::fabs(dRa) > std::fabs(dDec)) {
        const double step = dRa > 0 ? 1.0 : -1.0;
        for (double ra = a; (b - ra) * step > 0.0; ra += step) {
            Vertex(gl, SphereVertex(ra, decA + dDec * (ra - a) / dRa));
        }
    } else if (dDec != 0.0) {
        const double step = dDec > 0 ? 1.0 : -1.0;
        for (double dec = decA; (decB - dec) * step > 0.0; dec += step) {
            Vertex(gl, SphereVertex(a + dRa * (dec - decA) / dDec, dec));
        }
    }
    Vertex(gl, SphereVertex(b, decB));
    gl.End();
}

void DrawConstellationBoundaries(SkyRenderer& renderer) {
    if (!renderer.Host().GetSkyOptions().constellationBoundariesOn) return;
    SkyGl& gl = renderer.Gl();
    renderer.SetLayerColour(SkyLayerColour::kBoundaries);
    gl.PassThrough(kNoObjectMarker);
    using constellation_outlines::kOutlinePoints;
    using constellation_outlines::kOutlines;
    for (const std::vector<int>& outlines : OutlinesByConstellation()) {
        for (int index : outlines) {
            const auto& outline = kOutlines[index];
            for (int k = 0; k < outline.count; ++k) {
                const auto& p = kOutlinePoints[outline.first + k];
                const auto& q = kOutlinePoints[outline.first + (k + 1) % outline.count];
                DrawBoundarySegment(gl, p.ra, p.dec, q.ra, q.dec);
            }
        }
    }
}

int ConstellationOutlineCount(int constellation) {
    const std::vector<std::vector<int>>& outlines = OutlinesByConstellation();
    return constellation >= 0 && constellation < static_cast<int>(outlines.size())
               ? static_cast<int>(outlines[static_cast<std::size_t>(constellation)].size())
               : 0;
}

void DrawHorizonTextures(SkyRenderer& renderer) {
    SkyGl& gl = renderer.Gl();
    const int type = renderer.Host().GetSkyOptions().horizonType;
    const bool night = renderer.Host().GetNightVision();
    gl.Enable(skygl::kTexture2D);
    gl.Enable(skygl::kBlend);
    // The band's colour is set before it is drawn: white by day (the
    // seasonal pictures are modulated by it), red at night (both kinds).
    renderer.SetLayerColour(SkyLayerColour::kHorizonBand);
    gl.TexEnvMode(type == 1 && !night ? skygl::kReplace : skygl::kModulate);
    gl.TexRepeatNearest();
    for (int part = 0; part < kHorizonParts; ++part) DrawHorizonPart(renderer, part);
    gl.Disable(skygl::kTexture2D);
    gl.Disable(skygl::kBlend);
}

void DrawHorizonPart(SkyRenderer& renderer, int part) {
    SkyGl& gl = renderer.Gl();
    const int type = renderer.Host().GetSkyOptions().horizonType;
    const int month = renderer.Host().GetSkyDocument().GetTimeAndPlace().dateTime.month;
    const HorizonImage& image =
        type == 2 ? SeasonalHorizonImage(month, part) : ClassicHorizonImage(part);
    if (image.Empty()) return;
    gl.TexImage(image.width, image.height, image.pixels.data());
    const double top = std::atan(image.height * kPi / 2048.0) / kRadians;
    gl.Begin(skygl::kQuadStrip);
    for (int a = 90 * part; a <= 90 * part + 90; ++a) {
        const double s = 1.0 - 4.0 * a / 360.0;
        gl.TexCoord(s, 1.0);
        Vertex(gl, HorizonVertex(a, top));
        gl.TexCoord(s, 0.0);
        Vertex(gl, HorizonVertex(a, 0.0));
    }
    gl.End();
}

std::basic_string<Char> ClassicHorizonName(int part) {
    char text[64];
    std::snprintf(text, sizeof text, "AST_IDB_HORIZON_CLASSIC_1024X32_PART_%d", 3 - part);
    return Ascii(text);
}

std::basic_string<Char> SeasonalHorizonName(int month, int part) {
    char text[64];
    std::snprintf(text, sizeof text, "AST_IDB_HORIZON_SEASONAL_1024X128_MONTH_%02d_PART_%d", month,
                  3 - part);
    return Ascii(text);
}

void LoadHorizonTextures(const HorizonImageLoader& loader) {
    HorizonStore& store = Horizons();
    ++store.users;
    if (!store.classic[0].Empty()) return;
    ++store.loads;
    for (int part = 0; part < kHorizonParts; ++part) {
        loader(ClassicHorizonName(part).c_str(), store.classic[part]);
        for (int month = 1; month <= kHorizonMonths; ++month) {
            loader(SeasonalHorizonName(month, part).c_str(), store.seasonal[month - 1][part]);
        }
    }
}

void FreeHorizonTextures() noexcept {
    HorizonStore& store = Horizons();
    if (store.users > 0) --store.users;
    if (store.users > 0) return;
    ++store.loads;
    for (HorizonImage& image : store.classic) image = HorizonImage{};
    for (auto& month : store.seasonal)
        for (HorizonImage& image : month) image = HorizonImage{};
}

int HorizonTextureUsers() noexcept { return Horizons().users; }

int HorizonTextureLoads() noexcept { return Horizons().loads; }

const HorizonImage& ClassicHorizonImage(int part) noexcept {
    static const HorizonImage kNone;
    return part >= 0 && part < kHorizonParts ? Horizons().classic[part] : kNone;
}

const HorizonImage& SeasonalHorizonImage(int month, int part) noexcept {
    static const HorizonImage kNone;
    if (month < 1 || month > kHorizonMonths || part < 0 || part >= kHorizonParts) return kNone;
    return Horizons().seasonal[month - 1][part];
}

}  // namespace corvinata
