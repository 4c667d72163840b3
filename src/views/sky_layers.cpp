#include "views/sky_layers.h"

#include <algorithm>
#include <cmath>

#include "app/sky_document.h"
#include "base/greek_letters.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/moon_catalogue.h"
#include "catalog/name_systems.h"
#include "catalog/planet_catalogue.h"
#include "catalog/star_catalogue.h"
#include "catalog/sun_earth_catalogues.h"

namespace corvinata {

namespace {

// The sprite table: upper magnitude bound (inclusive) and image.
struct SpriteRow {
    double upTo;
    StarSprite sprite;
};
constexpr SpriteRow kSpriteRows[] = {
    {1.0, {255, 255, 255}}, {2.0, {204, 153, 102}}, {2.5, {153, 128, 76}},
    {3.0, {179, 102, 0}},   {3.5, {153, 76, 0}},    {4.0, {179, -1, 0}},
    {5.0, {102, -1, 0}},
};
constexpr StarSprite kFaintest = {76, -1, 0};

// Bitmaps of the 3 x 3 neighbourhood, rows bottom first, padded to 4 bytes:
// the centre, the four edge neighbours and the four diagonal ones.
constexpr std::uint8_t kCentreBits[12] = {0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kSideBits[12] = {0x40, 0, 0, 0, 0xA0, 0, 0, 0, 0x40, 0, 0, 0};
constexpr std::uint8_t kCornerBits[12] = {0xA0, 0, 0, 0, 0x00, 0, 0, 0, 0xA0, 0, 0, 0};

// Pixel colours of deep-sky objects and track points (0..255).
constexpr int kDeepSkyGrey = 51;
constexpr int kTrackGreen = 128;
// The Sun's and Moon's sphere: about 0.32 degree on the sphere of radius 1000.
constexpr double kSunMoonRadius = 5.555555555555555;
constexpr int kSpherePickPoints = 16;
constexpr double kPi = 3.14159265358979323846;

std::vector<SkyVector>& StarVectorStore() {
    static std::vector<SkyVector> vectors;
    return vectors;
}

std::vector<SkyVector>& DeepSkyVectorStore() {
    static std::vector<SkyVector> vectors;
    return vectors;
}

// A pixel colour (0..1); under night vision its brightness in red alone.
SkyPixel PixelAt(const SkyVector& point, int r, int g, int b, bool night) {
    if (night) {
        const int level = r > g ? (r > b ? r : b) : (g > b ? g : b);
        return {point.x, point.y, point.z, level / 255.0, 0.0, 0.0};
    }
    return {point.x, point.y, point.z, r / 255.0, g / 255.0, b / 255.0};
}

void PixelColour(SkyGl& gl, int r, int g, int b, bool night) {
    const SkyPixel pixel = PixelAt({}, r, g, b, night);
    gl.Color(pixel.r, pixel.g, pixel.b);
}

// The pixels a layer draws one after another, gathered into one primitive.
// It is drawn before anything else of the layer, so the order stays.
class PixelRun {
public:
    explicit PixelRun(SkyRenderer& renderer) : gl_(renderer.Gl()), night_(renderer.Host().GetNightVision()) {}
    ~PixelRun() { Draw(); }
    PixelRun(const PixelRun&) = delete;
    PixelRun& operator=(const PixelRun&) = delete;

    void Add(const SkyVector& point, int r, int g, int b) { pixels_.push_back(PixelAt(point, r, g, b, night_)); }
    void Draw() {
        if (pixels_.empty()) return;
        gl_.Points(pixels_.data(), static_cast<int>(pixels_.size()));
        pixels_.clear();
    }
    bool Night() const noexcept { return night_; }

private:
    SkyGl& gl_;
    bool night_;
    std::vector<SkyPixel> pixels_;
};

const NameSystem* SystemOf(int bodyType, int id) {
    const BodyType* type = GetBodyType(bodyType);
    return type ? type->NameSystemById(id) : nullptr;
}

std::u32string FirstName(const CelestialObject& object, const NameSystem* system) {
    int cursor = 0;
    return CodePointsOf(object.CelestialObjectFirstName(cursor, system));
}

int DisplayedPlanets(const SkyOptions& options) {
    switch (options.planetDisplayMode) {
        case 1: return kPlanetCount;
        case 2: return 5;
        default: return 0;
    }
}

bool PlanetPoint(const SkyDocument& document, int planet, SkyVector& point) {
    const SkyPosition p = document.GetBodySkyPosition(kBodyPlanet, planet);
    if (p.first == kNotComputedAngle || p.second == kNotComputedAngle) return false;
    point = SphereVertex(p.first, p.second);
    return true;
}

// In the pick list an object's point is a raster position and one pixel:
// feedback writes one pixel token there, far cheaper than a point primitive.
void PickPixel(SkyGl& gl, const SkyVector& point) {
    static constexpr std::uint8_t kPixel[4] = {0, 0, 0, 0};
    gl.RasterPos(point.x, point.y, point.z);
    gl.DrawPixels(1, 1, kPixel);
}

// An object's sprite in the layer list, its pick pixel in the pick list.
void ObjectImage(SkyRenderer& renderer, const SkyVector& point, const StarSprite& sprite) {
    if (renderer.Picking()) {
        PickPixel(renderer.Gl(), point);
    } else {
        DrawStarSprite(renderer.Gl(), point, sprite, renderer.Host().GetNightVision());
    }
}

// One pixel of a colour (deep-sky objects, track points): the pick pixel
// in a pick list, else one of the run.
void ObjectPixel(SkyRenderer& renderer, PixelRun& run, const SkyVector& point, int r, int g, int b) {
    if (renderer.Picking()) {
        PickPixel(renderer.Gl(), point);
    } else {
        run.Add(point, r, g, b);
    }
}

// A 3 x 3 sprite, every level a bitmap from the one raster position: a
// point rounds a position on a pixel's edge its own way, so a star centred
// in the view had its centre pixel drawn beside its neighbours' ring.
void DrawSprite3x3(SkyGl& gl, const SkyVector& point, const StarSprite& sprite, bool night) {
    // The raster colour is taken when the raster position is set.
    PixelColour(gl, sprite.centre, sprite.centre, sprite.centre, night);
    gl.RasterPos(point.x, point.y, point.z);
    gl.Bitmap(3, 3, 1, 1, kCentreBits);
    PixelColour(gl, sprite.side, sprite.side, sprite.side, night);
    gl.RasterPos(point.x, point.y, point.z);
    gl.Bitmap(3, 3, 1, 1, kSideBits);
    if (sprite.corner == 0) return;
    PixelColour(gl, sprite.corner, sprite.corner, sprite.corner, night);
    gl.RasterPos(point.x, point.y, point.z);
    gl.Bitmap(3, 3, 1, 1, kCornerBits);
}

// A star's image in a layer list: a single pixel joins the run of pixels;
// a sprite is drawn after the run so far.
void DrawStarImage(SkyGl& gl, PixelRun& run, const SkyVector& point, double magnitude) {
    const StarSprite sprite = StarSpriteFor(magnitude);
    if (sprite.side < 0) {
        run.Add(point, sprite.centre, sprite.centre, sprite.centre);
        return;
    }
    run.Draw();
    DrawSprite3x3(gl, point, sprite, run.Night());
}

void DrawStarLabels(SkyRenderer& renderer, const BrightStar& star, const SkyVector& point) {
    const SkyRendererHost& host = renderer.Host();
    const SkyOptions& options = host.GetSkyOptions();
    if (!renderer.LabelsMayShowAt(point)) return;
    if (options.starNamesOn) {
        const std::u32string name = FirstName(star, SystemOf(kBodyStar, kStarProperName));
        if (!name.empty()) {
            renderer.SetLayerColour(SkyLayerColour::kStarLabels);
            renderer.DrawLabel(name, point, 0, -16, true);
        }
    }
    const int letter = star.BayerLetter();
    if (options.starLettersOn && letter >= 0 && letter < kGreekLetterCount) {
        std::u32string text(1, static_cast<char16_t>(GetGreekLetterGlyph(letter)));
        // The superscript as the symbol font's superscript digit.
        if (star.Superscript() > 0 && star.Superscript() <= 9) {
            text.push_back(static_cast<char32_t>(0xF2 + star.Superscript()));
        }
        renderer.SetLayerColour(SkyLayerColour::kStarLabels);
        renderer.DrawLabel(text, point, 0, 12, false, SkyFont::kSymbol);
    }
    if (letter == 0 && star.Superscript() <= 1 &&
        (options.constellationNames == 1 || options.constellationNames == 2)) {
        const std::u32string name =
            host.ConstellationLabel(star.ConstellationNumber(), options.constellationNames);
        renderer.SetLayerColour(SkyLayerColour::kConstellationNames);
        renderer.DrawLabel(name, point, 10, -10, false);
    }
}

}  // namespace

StarSprite StarSpriteFor(double magnitude) noexcept {
    for (const SpriteRow& row : kSpriteRows) {
        if (magnitude <= row.upTo) return row.sprite;
    }
    return kFaintest;
}

void DrawStarSprite(SkyGl& gl, const SkyVector& point, const StarSprite& sprite, bool night) {
    if (sprite.side >= 0) {
        DrawSprite3x3(gl, point, sprite, night);
        return;
    }
    PixelColour(gl, sprite.centre, sprite.centre, sprite.centre, night);
    gl.Point(point.x, point.y, point.z);
}

void SkyPrecomputeStarVectors() {
    const StarCatalogue& stars = GetStarCatalogue();
    std::vector<SkyVector>& starVectors = StarVectorStore();
    starVectors.clear();
    starVectors.reserve(static_cast<std::size_t>(stars.Count()));
    for (const BrightStar& star : stars.Objects()) {
        starVectors.push_back(SphereVertex(star.RightAscension(), star.Declination()));
    }
    const DeepSkyCatalogue& deepSky = GetDeepSkyCatalogue();
    std::vector<SkyVector>& deepSkyVectors = DeepSkyVectorStore();
    deepSkyVectors.clear();
    deepSkyVectors.reserve(static_cast<std::size_t>(deepSky.Count()));
    for (const DeepSkyObject& object : deepSky.Objects()) {
        const SkyCoordinates c = object.CataloguePosition();
        deepSkyVectors.push_back(SphereVertex(c.longitude, c.latitude));
    }
}

void SkyFreeStarVectors() noexcept {
    std::vector<SkyVector>().swap(StarVectorStore());
    std::vector<SkyVector>().swap(DeepSkyVectorStore());
}

const std::vector<SkyVector>& SkyStarVectors() noexcept { return StarVectorStore(); }
const std::vector<SkyVector>& SkyDeepSkyVectors() noexcept { return DeepSkyVectorStore(); }

char32_t PlanetSymbolCode(int planet) noexcept {
    // Sun, Moon, Mercury, Venus, Earth, Mars .. Pluto from 0xE5; the planet
    // catalogue has no Earth.
    if (planet < 0 || planet >= kPlanetCount) return 0;
    return static_cast<char32_t>(0xE5 + planet + (planet < 2 ? 2 : 3));
}

void EmitPickCode(SkyRenderer& renderer, const CelestialObject& object, int part, int extra) {
    if (!renderer.Picking()) return;
    SkyGl& gl = renderer.Gl();
    const int type = object.GetTypeId();
    gl.PassThrough(EncodePickCode(type, object.Number(), part));
    if (type == kPickPlanetType) gl.PassThrough(static_cast<float>(extra));
}

void DrawStars(SkyRenderer& renderer, int mode) {
    const StarCatalogue& stars = GetStarCatalogue();
    const std::vector<SkyVector>& vectors = SkyStarVectors();
    const bool labels = mode == 1;
    const SkyOptions& options = renderer.Host().GetSkyOptions();
    if (labels && !options.starNamesOn && !options.starLettersOn && options.constellationNames != 1 &&
        options.constellationNames != 2) {
        return;
    }
    const double limit = options.magnitudeLimit;
    const bool coarse = !renderer.CurrentContext().fullDetail;
    const int count = std::min(stars.Count(), static_cast<int>(vectors.size()));
    PixelRun run(renderer);
    for (int i = 0; i < count; ++i) {
        const BrightStar& star = *stars.At(i);
        const double magnitude = star.Magnitude();
        if (magnitude > limit) continue;
        const SkyVector& point = vectors[static_cast<std::size_t>(i)];
        if (labels) {
            DrawStarLabels(renderer, star, point);
        } else if (coarse && magnitude > kCoarseStarMagnitude) {
            continue;
        } else if (renderer.Picking()) {
            EmitPickCode(renderer, star, kPickPartPoint);
            PickPixel(renderer.Gl(), point);
        } else {
            DrawStarImage(renderer.Gl(), run, point, magnitude);
        }
    }
}

void DrawConstellationLines(SkyRenderer& renderer, int mode) {
    if (mode != 0 || !renderer.Host().GetSkyOptions().constellationLinesOn) return;
    SkyGl& gl = renderer.Gl();
    const std::vector<SkyVector>& vectors = SkyStarVectors();
    const int stars = static_cast<int>(vectors.size());
    renderer.SetLayerColour(SkyLayerColour::kConstellationLines);
    gl.PassThrough(kNoObjectMarker);
    gl.Begin(skygl::kLines);
    for (const ConstellationObject& constellation : GetConstellationCatalogue().Objects()) {
        for (const FigureSegment& segment : constellation.FigureSegments()) {
            if (segment.from < 0 || segment.to < 0 || segment.from >= stars || segment.to >= stars) {
                continue;
            }
            const SkyVector& a = vectors[static_cast<std::size_t>(segment.from)];
            const SkyVector& b = vectors[static_cast<std::size_t>(segment.to)];
            gl.Vertex(a.x, a.y, a.z);
            gl.Vertex(b.x, b.y, b.z);
        }
    }
    gl.End();
}

void DrawDeepSkyObjects(SkyRenderer& renderer, int mode) {
    const SkyRendererHost& host = renderer.Host();
    const SkyOptions& options = host.GetSkyOptions();
    static constexpr int kWalkSystem[] = {-1, kDeepSkyMessier, kDeepSkyNgcIc, kDeepSkyCaldwell,
                                          kDeepSkyHerschel400};
    if (options.deepSkyCatalogue < 1 || options.deepSkyCatalogue > 4) return;
    if (mode == 1 && (options.deepSkyNameSystem < 0 || options.deepSkyNameSystem > 4)) return;
    const NameSystem* walk = SystemOf(kBodyDeepSky, kWalkSystem[options.deepSkyCatalogue]);
    const NameSystem* names = mode == 1 ? SystemOf(kBodyDeepSky, options.deepSkyNameSystem) : nullptr;
    if (!walk) return;
    const std::vector<SkyVector>& vectors = SkyDeepSkyVectors();
    if (mode == 1) renderer.SetLayerColour(SkyLayerColour::kStarLabels);
    const DeepSkyCatalogue& catalogue = GetDeepSkyCatalogue();
    PixelRun run(renderer);
    int cursor = 0;
    const CelestialObject* object = nullptr;
    for (const Char* name = catalogue.CatalogueFirstNamed(cursor, walk, &object); object;
         name = catalogue.CatalogueNextNamed(cursor, walk, &object)) {
        const int number = object->Number();
        if (!name || number < 0 || number >= static_cast<int>(vectors.size())) continue;
        const SkyVector& point = vectors[static_cast<std::size_t>(number)];
        if (mode == 0) {
            EmitPickCode(renderer, *object, kPickPartPoint);
            if (!renderer.Picking() && options.deepSkyColour && host.HasPictureOf(*object)) {
                ObjectPixel(renderer, run, point, 255, 0, 255);
            } else {
                ObjectPixel(renderer, run, point, kDeepSkyGrey, kDeepSkyGrey, kDeepSkyGrey);
            }
        } else if (renderer.LabelsMayShowAt(point)) {
            renderer.DrawLabel(FirstName(*object, names), point, 0, -16, true);
        }
    }
}

void DrawPlanetTracks(SkyRenderer& renderer, int mode) {
    const SkyRendererHost& host = renderer.Host();
    if (mode != 0 || !host.GetSkyOptions().planetTracksOn) return;
    const SkyDocument& document = host.GetSkyDocument();
    const PlanetCatalogue& planets = GetPlanetCatalogue();
    const int shown = std::min(DisplayedPlanets(host.GetSkyOptions()), planets.Count());
    PixelRun run(renderer);
    for (int planet = 0; planet < shown; ++planet) {
        const std::vector<DatedSkyPosition>& track = document.PlanetTrack(planet);
        std::vector<SkyVector> points;
        points.reserve(track.size());
        for (const DatedSkyPosition& p : track) {
            points.push_back(SphereVertex(p.position.first, p.position.second));
        }
        for (std::size_t k = 0; k < points.size(); ++k) {
            if (track[k].position.first == kNotComputedAngle) continue;
            EmitPickCode(renderer, *planets.At(planet), kPickPartTrack, static_cast<int>(k));
            ObjectPixel(renderer, run, points[k], 0, kTrackGreen, 0);
        }
    }
}

void DrawPlanets(SkyRenderer& renderer, int mode) {
    const SkyRendererHost& host = renderer.Host();
    const SkyOptions& options = host.GetSkyOptions();
    const SkyDocument& document = host.GetSkyDocument();
    const PlanetCatalogue& planets = GetPlanetCatalogue();
    const int shown = std::min(DisplayedPlanets(options), planets.Count());
    for (int number = 0; number < shown; ++number) {
        const CelestialObject& planet = *planets.At(number);
        SkyVector point;
        if (!PlanetPoint(document, number, point)) continue;
        if (mode == 0) {
            EmitPickCode(renderer, planet, kPickPartPoint, 0);
            const double magnitude = options.planetDisplayMode == 2 && !renderer.Picking()
                                         ? host.GetPlanetMagnitude(planet)
                                         : 1.0;
            ObjectImage(renderer, point, StarSpriteFor(magnitude));
            continue;
        }
        if (options.planetNamesOn) {
            renderer.SetLayerColour(SkyLayerColour::kPlanetLabels);
            renderer.DrawLabel(CodePointsOf(planet.GetPlainName()), point, 0, -16, true);
        }
        if (options.planetSymbolsOn) {
            renderer.SetLayerColour(SkyLayerColour::kPlanetLabels);
            renderer.DrawLabel(std::u32string(1, PlanetSymbolCode(number)), point, 0, 11, true,
                               SkyFont::kSymbol);
        }
    }
}

namespace {

void DrawSunOrMoon(SkyRenderer& renderer, const CelestialObject* object, SkyLayerColour colour) {
    if (!object) return;
    SkyGl& gl = renderer.Gl();
    const SkyPosition p =
        renderer.Host().GetSkyDocument().GetBodySkyPosition(object->GetTypeId(), object->Number());
    if (p.first == kNotComputedAngle || p.second == kNotComputedAngle) return;
    const SkyVector point = SphereVertex(p.first, p.second);
    // Compiled into a list: the mode is not read back (it would be the mode
    // at compilation); the layer lists always run in the modelview mode.
    gl.MatrixMode(skygl::kProjection);
    gl.PushMatrix();
    gl.MatrixMode(skygl::kModelview);
    gl.PushMatrix();
    renderer.SetLayerColour(colour);
    gl.Translate(point.x, point.y, point.z);
    if (renderer.Picking()) {
        // The pickable centre, then points on three great circles of the
        // sphere (some lie on its outline from any side) standing for its
        // polygons: pixel tokens, which feedback writes cheaply and safely.
        EmitPickCode(renderer, *object, kPickPartPoint);
        PickPixel(gl, {0, 0, 0});
        EmitPickCode(renderer, *object, kPickPartSphere);
        for (int k = 0; k < kSpherePickPoints; ++k) {
            const double a = 2.0 * kPi * k / kSpherePickPoints;
            const double c = kSunMoonRadius * std::cos(a);
            const double s = kSunMoonRadius * std::sin(a);
            PickPixel(gl, {c, s, 0});
            PickPixel(gl, {0, c, s});
            PickPixel(gl, {s, 0, c});
        }
    } else {
        gl.Point(0, 0, 0);
        gl.CallList(SkyList::kSunMoonSphere);
    }
    gl.PopMatrix();
    gl.MatrixMode(skygl::kProjection);
    gl.PopMatrix();
    gl.MatrixMode(skygl::kModelview);
}

}  // namespace

void DrawSun(SkyRenderer& renderer, int mode) {
    if (mode != 0 || !renderer.Host().GetSkyOptions().sunOn) return;
    DrawSunOrMoon(renderer, GetSunCatalogue().CatalogueGetObjectAt(0), SkyLayerColour::kSun);
}

void DrawMoon(SkyRenderer& renderer, int mode) {
    if (mode != 0 || !renderer.Host().GetSkyOptions().moonOn) return;
    DrawSunOrMoon(renderer, GetMoonCatalogue().CatalogueGetObjectAt(0), SkyLayerColour::kMoon);
}

void DrawSunMoonSphere(SkyGl& gl) { gl.Sphere(kSunMoonRadius, 64, 64); }

void DrawMovingBodies(SkyRenderer& renderer, int mode) {
    DrawPlanetTracks(renderer, mode);
    DrawPlanets(renderer, mode);
    DrawSun(renderer, mode);
    DrawMoon(renderer, mode);
}

}  // namespace corvinata
